#ifndef _GNU_SOURCE
#define _GNU_SOURCE // renameat2 and RENAME_NOREPLACE
#endif

#include "FolderCalls.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {
namespace {

class DescriptorCalls : public FolderCalls {
public:
    explicit DescriptorCalls(int fd) : fd_(fd) {}
    ~DescriptorCalls() override { ::close(fd_); }
    DescriptorCalls(const DescriptorCalls&) = delete;
    DescriptorCalls& operator=(const DescriptorCalls&) = delete;

    int RenameNoReplace(const std::string& from, const std::string& to) override {
        return ::renameat2(fd_, from.c_str(), fd_, to.c_str(), RENAME_NOREPLACE) == 0 ? 0 : errno;
    }
    int RenameReplacing(const std::string& from, const std::string& to) override {
        return ::renameat(fd_, from.c_str(), fd_, to.c_str()) == 0 ? 0 : errno;
    }
    int Link(const std::string& from, const std::string& to) override {
        return ::linkat(fd_, from.c_str(), fd_, to.c_str(), 0) == 0 ? 0 : errno;
    }
    int Unlink(const std::string& name) override { return ::unlinkat(fd_, name.c_str(), 0) == 0 ? 0 : errno; }
    int Identify(const std::string& name, FileIdentity& identity) override {
        struct stat info {};
        if (::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return errno;
        identity = IdentityOf(info);
        return 0;
    }
    int IdentifyFolder(FileIdentity& identity) override { return IdentifyOpenFolder(fd_, identity); }
    int ListNames(std::vector<std::string>& names) override {
        // The descriptor is opened for paths only; reading the folder takes a descriptor of its own.
        const int readable = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (readable < 0)
            return errno;
        DIR* dir = ::fdopendir(readable);
        if (!dir) {
            const int error = errno;
            ::close(readable);
            return error;
        }
        int error = 0;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (!entry) {
                error = errno;
                break;
            }
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names.emplace_back(entry->d_name);
        }
        ::closedir(dir);
        return error;
    }

private:
    int fd_;
};

} // namespace

FileIdentity IdentityOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

int IdentifyOpenFolder(int fd, FileIdentity& identity) {
    struct statx info {};
    if (::statx(fd, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &info) != 0)
        return errno;
    identity = {static_cast<std::uint64_t>(makedev(info.stx_dev_major, info.stx_dev_minor)),
                static_cast<std::uint64_t>(info.stx_ino), 0};
    // A folder deleted and made again at the same path may get the same inode number; its birth time
    // then tells it from the one that was there.
    if ((info.stx_mask & STATX_BTIME) != 0)
        identity.birth =
            static_cast<std::int64_t>(info.stx_btime.tv_sec) * 1000000000 + info.stx_btime.tv_nsec;
    return 0;
}

std::unique_ptr<FolderCalls> OpenFolderCalls(const std::string& folder) {
    // A path with a NUL byte would be cut short by the system and name another folder.
    if (folder.find('\0') != std::string::npos)
        return nullptr;
    // O_PATH: renaming needs no read permission on the folder itself, only search and write.
    const int fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::make_unique<DescriptorCalls>(fd);
}

} // namespace platform
