#include "PosixFileSystem.h"

#include "IoError.h"
#include "engine/names/FileOrder.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool IsDotOrDotDot(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

enum class EntryKind { File, Link, Folder, Gone };

// Some file systems do not fill in the entry type; then the entry itself is looked at. A symbolic link is
// listed as a file even when it points to a folder, as it is where the type is given. An entry removed
// since the folder was read is left out rather than listed as a file that is not there.
EntryKind KindOf(DIR* dir, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_DIR   ? EntryKind::Folder
               : entry.d_type == DT_LNK ? EntryKind::Link
                                        : EntryKind::File;
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? EntryKind::Gone : EntryKind::File;
    return S_ISDIR(info.st_mode)   ? EntryKind::Folder
           : S_ISLNK(info.st_mode) ? EntryKind::Link
                                   : EntryKind::File;
}

// Whether an entry counts as a sub-folder for the folder tree: a folder, or a link that leads to one.
bool LeadsToFolder(DIR* dir, const dirent& entry, EntryKind kind) {
    if (kind != EntryKind::Link)
        return kind == EntryKind::Folder;
    struct stat info {};
    return ::fstatat(::dirfd(dir), entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::vector<std::string> ReadFileNames(const std::string& folder, FileIdentity* identity,
                                       ListingControl* control) {
    if (folder.find('\0') != std::string::npos)
        throw IoError(ENOENT);
    const DirHandle dir(::opendir(folder.c_str()));
    if (!dir)
        throw IoError(errno);
    if (identity) {
        if (const int error = IdentifyOpenFolder(::dirfd(dir.get()), *identity); error != 0)
            throw IoError(error);
    }
    std::vector<std::string> names;
    bool subFolderSeen = false;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            // A read that breaks off must not pass for a complete listing.
            if (errno != 0)
                throw IoError(errno);
            break;
        }
        if (IsDotOrDotDot(entry->d_name))
            continue;
        const EntryKind kind = KindOf(dir.get(), *entry);
        if (control && !subFolderSeen)
            subFolderSeen = LeadsToFolder(dir.get(), *entry, kind);
        if (kind != EntryKind::File && kind != EntryKind::Link)
            continue;
        names.emplace_back(entry->d_name);
        if (control) {
            control->read.store(names.size(), std::memory_order_relaxed);
            if (control->cancelled.load(std::memory_order_relaxed))
                return names;
        }
    }
    if (control)
        control->subFolders = subFolderSeen ? SubFoldersSeen::Some : SubFoldersSeen::None;
    return names;
}

std::vector<std::string> PosixFileSystem::ListFiles(const std::string& folder) {
    engine::FolderIdentity unused;
    return ListFiles(folder, unused);
}

std::vector<std::string> PosixFileSystem::ListFiles(const std::string& folder,
                                                    engine::FolderIdentity& identity) {
    FileIdentity read;
    auto names = ReadFileNames(folder, &read);
    identity = {read.device, read.inode, read.birth};
    engine::SortFileNames(names);
    return names;
}

std::vector<std::string> PosixFileSystem::ListFilesWatched(const std::string& folder,
                                                           engine::FolderIdentity& identity,
                                                           ListingControl& control) {
    FileIdentity read;
    auto names = ReadFileNames(folder, &read, &control);
    identity = {read.device, read.inode, read.birth};
    if (!control.cancelled)
        engine::SortFileNames(names);
    return names;
}

std::unique_ptr<engine::FolderRenamer> PosixFileSystem::OpenFolder(const std::string& folder) {
    auto calls = OpenFolderCalls(folder);
    if (!calls)
        return nullptr;
    return std::make_unique<PosixFolderRenamer>(std::move(calls), flag_);
}

} // namespace platform
