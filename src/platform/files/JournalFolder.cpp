#include "JournalFolder.h"

#include "IoError.h"
#include "engine/text/EngineText.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::string_view RecordPrefix = "go-";
constexpr std::string_view RecordSuffix = ".journal";
// The one record kept by earlier versions of the program.
constexpr char EarlierRecord[] = "last-go.journal";

// pattern is a translated "cannot write %1: %2", with the path and the system's reason to fill in.
std::string Failure(const std::string& pattern, const std::string& path, int error) {
    return engine::Fill(pattern, {path, SystemErrorText(error)});
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

// Writes the pieces as they are made and makes them durable; 0 or the errno of the first failure, after
// which the pieces still to come are dropped.
int WriteSync(int fd, const engine::JournalHistory::Pieces& produce) {
    int failed = 0;
    produce([fd, &failed](std::string_view piece) {
        if (failed == 0)
            failed = WriteAll(fd, piece);
    });
    if (failed == 0 && ::fsync(fd) != 0)
        failed = errno;
    return failed;
}

// Makes the folder's list of names durable, so that a renamed-in record survives a power cut.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::int64_t NanosecondsNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// A record's time from its name; -1 for a name that is not a record's.
std::int64_t TimeOfName(std::string_view name) {
    if (!name.starts_with(RecordPrefix) || !name.ends_with(RecordSuffix))
        return -1;
    name.remove_prefix(RecordPrefix.size());
    std::int64_t time = 0;
    std::size_t digits = 0;
    for (; digits < name.size() && name[digits] >= '0' && name[digits] <= '9' && digits < 19; ++digits)
        time = time * 10 + (name[digits] - '0');
    return digits == 19 && name[digits] == '-' ? time : -1;
}

// The name of a new record: the time with its full width, so that names sort as the times do.
std::string NameAt(std::int64_t time, int attempt) {
    std::string digits = std::to_string(time);
    digits.insert(0, 19 - std::min<std::size_t>(19, digits.size()), '0');
    std::string name = std::string(RecordPrefix) + digits + "-" + std::to_string(::getpid());
    if (attempt > 0) {
        name += '-';
        name += std::to_string(attempt);
    }
    return name + std::string(RecordSuffix);
}

// An open record with its lock. The lock goes with the descriptor, so it lasts exactly as long as this.
class FileRecord : public engine::HeldRecord {
public:
    FileRecord(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~FileRecord() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileRecord(const FileRecord&) = delete;
    FileRecord& operator=(const FileRecord&) = delete;

    std::string Append(const std::string& bytes) override {
        if (::lseek(fd_, 0, SEEK_END) < 0)
            return Failure(ENGINE_TEXT("Undo", "cannot write %1: %2"), path_, errno);
        int failed = WriteAll(fd_, bytes);
        if (failed == 0 && ::fsync(fd_) != 0)
            failed = errno;
        return failed == 0 ? std::string()
                           : Failure(ENGINE_TEXT("Undo", "cannot write %1: %2"), path_, failed);
    }

    std::optional<std::string> Read(std::string& error) override {
        error.clear();
        std::string bytes;
        char buffer[1 << 16];
        for (off_t at = 0;;) {
            const ssize_t n = ::pread(fd_, buffer, sizeof buffer, at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error = Failure(ENGINE_TEXT("Undo", "cannot read %1: %2"), path_, errno);
                return std::nullopt;
            }
            if (n == 0)
                return bytes;
            bytes.append(buffer, static_cast<std::size_t>(n));
            at += n;
        }
    }

    std::string Replace(const std::string& bytes) override {
        // The new file is locked before it takes the record's name, so that the record is never free
        // for another undo to take in between.
        const std::string temporary = path_ + ".new";
        const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return Failure(ENGINE_TEXT("Undo", "cannot create %1: %2"), temporary, errno);
        int failed = ::flock(fd, LOCK_EX) == 0 ? 0 : errno;
        if (failed == 0)
            failed =
                WriteSync(fd, [&bytes](const std::function<void(std::string_view)>& put) { put(bytes); });
        if (failed == 0 && ::rename(temporary.c_str(), path_.c_str()) != 0)
            failed = errno;
        if (failed != 0) {
            ::unlink(temporary.c_str());
            ::close(fd);
            return Failure(ENGINE_TEXT("Undo", "cannot write %1: %2"), path_, failed);
        }
        SyncFolder(std::filesystem::path(path_).parent_path());
        ::close(fd_);
        fd_ = fd;
        return {};
    }

    void Discard() override {
        if (::unlink(path_.c_str()) == 0)
            SyncFolder(std::filesystem::path(path_).parent_path());
    }

private:
    int fd_;
    std::string path_;
};

// Opens and locks the record at the path without waiting; nullptr when it is gone or held. A record
// discarded by its holder while this waited for nothing is still open here: it counts as gone.
std::unique_ptr<FileRecord> TakeRecord(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return nullptr;
    struct stat opened {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
        ::stat(path.c_str(), &named) != 0 || opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<FileRecord>(fd, path);
}

} // namespace

std::string StateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/TitleShaperWorkshop";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/TitleShaperWorkshop";
}

engine::LocalTime LocalTimeOf(std::int64_t nanoseconds) {
    const std::time_t seconds = static_cast<std::time_t>(nanoseconds / 1000000000);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

engine::LocalTime LocalNow() {
    return LocalTimeOf(NanosecondsNow());
}

JournalFolder::JournalFolder() : JournalFolder(StateFolder()) {}

JournalFolder::JournalFolder(std::string folder) : folder_(std::move(folder)) {}

std::unique_ptr<engine::HeldRecord> JournalFolder::Create(const Pieces& produce, std::string& error) {
    std::error_code made;
    std::filesystem::create_directories(folder_, made);
    if (made) {
        error = engine::Fill(ENGINE_TEXT("Undo", "cannot create %1: %2"),
                             {folder_, SystemErrorText(made.value())});
        return nullptr;
    }
    // The records list the user's file names: only the user may read them.
    ::chmod(folder_.c_str(), 0700);
    const std::int64_t now = NanosecondsNow();
    std::string path;
    std::string temporary;
    int fd = -1;
    // Another window may start a Go in the same nanosecond only in theory; a further name settles it.
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        path = PathOf(NameAt(now, attempt));
        temporary = path + ".new";
        fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
        if (fd >= 0 && ::access(path.c_str(), F_OK) == 0) {
            ::unlink(temporary.c_str());
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) {
        error = Failure(ENGINE_TEXT("Undo", "cannot create %1: %2"), temporary, errno);
        return nullptr;
    }
    int failed = ::flock(fd, LOCK_EX) == 0 ? 0 : errno;
    if (failed == 0)
        failed = WriteSync(fd, produce);
    if (failed == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        failed = errno;
    if (failed != 0) {
        ::unlink(temporary.c_str());
        ::close(fd);
        error = Failure(ENGINE_TEXT("Undo", "cannot write %1: %2"), path, failed);
        return nullptr;
    }
    SyncFolder(folder_);
    return std::make_unique<FileRecord>(fd, path);
}

std::vector<JournalFolder::Found> JournalFolder::Records() const {
    std::vector<Found> found;
    DIR* dir = ::opendir(folder_.c_str());
    if (!dir)
        return found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        std::int64_t time = TimeOfName(name);
        struct stat info {};
        if (time < 0 && name == EarlierRecord && ::stat(PathOf(name).c_str(), &info) == 0)
            time = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        if (time >= 0)
            found.push_back({name, time});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.madeAt != b.madeAt ? a.madeAt > b.madeAt : a.id > b.id;
    });
    return found;
}

std::vector<engine::JournalHistory::Entry> JournalFolder::List() {
    std::vector<Entry> entries;
    for (const Found& record : Records())
        entries.push_back({record.id, LocalTimeOf(record.madeAt)});
    return entries;
}

std::unique_ptr<engine::HeldRecord> JournalFolder::Take(const std::string& id) {
    if (TimeOfName(id) < 0 && id != EarlierRecord)
        return nullptr;
    return TakeRecord(PathOf(id));
}

void JournalFolder::Prune(std::size_t keep) {
    const std::vector<Found> records = Records();
    for (std::size_t i = keep; i < records.size(); ++i)
        if (const auto record = TakeRecord(PathOf(records[i].id)))
            record->Discard();
}

} // namespace platform
