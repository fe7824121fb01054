#include "FolderProbe.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Whether an entry is a folder; a link or an entry of unknown type is looked at through the folder's handle.
bool EntryIsFolder(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return fstatat(dirfd(dir), entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

void SubFolderReader::Closer::operator()(DIR* dir) const {
    closedir(dir);
}

SubFolderReader::SubFolderReader(const std::string& path) : dir_(opendir(path.c_str())) {}

std::optional<std::string> SubFolderReader::Next() {
    if (!dir_)
        return std::nullopt;
    while (const dirent* entry = readdir(dir_.get()))
        if (!IsDotEntry(entry->d_name) && EntryIsFolder(dir_.get(), *entry))
            return std::string(entry->d_name);
    return std::nullopt;
}

void SubFolderReader::Rewind() {
    if (dir_)
        rewinddir(dir_.get());
}

std::optional<std::vector<std::string>> ListSubFolders(const std::string& path) {
    SubFolderReader reader(path);
    if (!reader.IsOpen())
        return std::nullopt;
    std::vector<std::string> names;
    while (std::optional<std::string> name = reader.Next())
        names.push_back(std::move(*name));
    return names;
}

namespace {

// The sub-folder question, reading at most entryLimit entries; nullopt when the limit came first.
std::optional<bool> LookForSubFolder(const std::string& path, std::size_t entryLimit) {
    // One open serves both the link count and the reading of the entries: expanding a folder asks this of
    // every sub-folder.
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) {
        // A folder that cannot be read still tells its link count.
        return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_nlink > 2;
    }
    DirHandle dir(fdopendir(fd));
    if (!dir) {
        close(fd);
        return false;
    }
    if (fstat(fd, &info) != 0)
        return false;
    // Where the file system counts sub-folders in a folder's link count (2 plus one per sub-folder), a
    // count above 2 answers without reading the folder, which keeps expanding a folder of thousands of
    // sub-folders fast on a cold disk. A count of 2 leaves links to folders uncounted, and btrfs, overlay
    // and others report 1: then the entries tell.
    if (info.st_nlink > 2)
        return true;
    const bool counted = info.st_nlink == 2;
    std::size_t read = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (++read > entryLimit)
            return std::nullopt;
        if (IsDotEntry(entry->d_name))
            continue;
        // Where the count holds, a plain folder entry cannot be there: only links and entries of unknown
        // type need a look.
        if (counted && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        if (EntryIsFolder(dir.get(), *entry))
            return true;
    }
    return false;
}

} // namespace

bool HasSubFolder(const std::string& path) {
    return *LookForSubFolder(path, std::numeric_limits<std::size_t>::max());
}

std::optional<bool> HasSubFolderQuickly(const std::string& path) {
    return LookForSubFolder(path, QuickLookEntries);
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsSymbolicLink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

} // namespace platform
