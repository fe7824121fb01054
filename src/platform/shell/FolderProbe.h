#pragma once

#include <cstddef>
#include <dirent.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The names of a folder's sub-folders (symbolic links to folders included, files never), in the order
// the file system gives them; nullopt when the folder cannot be read.
std::optional<std::vector<std::string>> ListSubFolders(const std::string& path);

// A folder's sub-folders read one at a time, in the same order, so that a caller may stop between two of
// them: a folder of a hundred thousand sub-folders is then never read in one go.
class SubFolderReader {
public:
    explicit SubFolderReader(const std::string& path);
    // False when the folder cannot be read.
    bool IsOpen() const { return dir_ != nullptr; }
    // The next sub-folder's name; nullopt once every entry is read.
    std::optional<std::string> Next();
    // Starts the entries over.
    void Rewind();

private:
    struct Closer {
        void operator()(DIR* dir) const;
    };
    std::unique_ptr<DIR, Closer> dir_;
};

// Whether a folder holds at least one sub-folder or link to a folder. Where the file system counts
// sub-folders in the link count, a count above 2 answers alone; otherwise the entries are looked at.
bool HasSubFolder(const std::string& path);

// How many entries a quick look reads at most: one or two calls into the kernel, well under a
// millisecond.
inline constexpr std::size_t QuickLookEntries = 1024;
// HasSubFolder from no more than QuickLookEntries entries; nullopt when only reading further could tell
// (a folder of a million files), which is work for a worker thread.
std::optional<bool> HasSubFolderQuickly(const std::string& path);

// Whether path is a folder, following links.
bool IsFolder(const std::string& path);
// Whether path itself is a symbolic link.
bool IsSymbolicLink(const std::string& path);
// Whether anything exists at path, following links.
bool Exists(const std::string& path);

} // namespace platform
