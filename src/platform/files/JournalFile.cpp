#include "JournalFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

std::string Failure(const char* what, const std::string& path, int error) {
    return std::string(what) + " " + path + ": " + std::strerror(error);
}

// Writes all the bytes, through short writes and interruptions; 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// Writes the pieces as they are made, makes them durable and closes the file; 0 or the errno of the first
// failure, after which the pieces still to come are dropped.
int WriteSyncClose(int fd, const engine::JournalStore::Pieces& produce) {
    int failed = 0;
    produce([fd, &failed](std::string_view piece) {
        if (failed == 0)
            failed = WriteAll(fd, piece);
    });
    if (failed == 0 && ::fsync(fd) != 0)
        failed = errno;
    if (::close(fd) != 0 && failed == 0)
        failed = errno;
    return failed;
}

int WriteSyncClose(int fd, const std::string& bytes) {
    return WriteSyncClose(fd, [&bytes](const std::function<void(std::string_view)>& put) { put(bytes); });
}

// Makes the folder's list of names durable, so that a renamed-in file survives a power cut.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

} // namespace

std::string StateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/TitleShaperWorkshop";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/TitleShaperWorkshop";
}

JournalFile::JournalFile() : JournalFile(StateFolder() + "/last-go.journal") {}

JournalFile::JournalFile(std::string path) : path_(std::move(path)) {}

std::string JournalFile::Write(const std::string& bytes) {
    return WritePieces([&bytes](const std::function<void(std::string_view)>& put) { put(bytes); });
}

std::string JournalFile::WritePieces(const Pieces& produce) {
    const std::string folder = FolderOf(path_);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return "cannot create " + folder + ": " + error.message();
    // The record lists the user's file names: only the user may read it.
    ::chmod(folder.c_str(), 0700);
    const std::string temporary = path_ + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return Failure("cannot create", temporary, errno);
    int failed = WriteSyncClose(fd, produce);
    if (failed == 0 && ::rename(temporary.c_str(), path_.c_str()) != 0)
        failed = errno;
    if (failed != 0) {
        ::unlink(temporary.c_str());
        return Failure("cannot write", path_, failed);
    }
    SyncFolder(folder);
    return {};
}

std::string JournalFile::Append(const std::string& bytes) {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return Failure("cannot open", path_, errno);
    const int failed = WriteSyncClose(fd, bytes);
    return failed == 0 ? std::string() : Failure("cannot write", path_, failed);
}

std::optional<std::string> JournalFile::Read(std::string& error) {
    error.clear();
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            error = Failure("cannot open", path_, errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = Failure("cannot read", path_, errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void JournalFile::Discard() {
    if (::unlink(path_.c_str()) == 0)
        SyncFolder(FolderOf(path_));
}

} // namespace platform
