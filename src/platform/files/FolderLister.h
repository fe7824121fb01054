#pragma once

#include "engine/batch/FolderIdentity.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// Lets another thread watch a listing as it goes and call it off.
struct ListingControl {
    std::atomic<std::size_t> read{0};   // names read so far
    std::atomic<bool> cancelled{false}; // set by the watcher; the listing then ends early
};

// Reads the names of one folder's files for the file list.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    // The names of every entry of the folder that is not itself a folder, hidden ones included, in the
    // file list's order. Throws IoError when the folder cannot be read.
    virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
    // The same, and which folder was read: taken from the very descriptor the names were read through, so
    // that a later batch can tell whether the path still leads to this folder.
    virtual std::vector<std::string> ListFiles(const std::string& folder,
                                               engine::FolderIdentity& identity) = 0;
    // The same again, counting the names read into control.read as it goes. Once control.cancelled is set
    // it may end early with an incomplete list, which the caller then drops. A lister that cannot report
    // its progress reads the whole folder.
    virtual std::vector<std::string>
    ListFilesWatched(const std::string& folder, engine::FolderIdentity& identity, ListingControl& control) {
        (void)control;
        return ListFiles(folder, identity);
    }
};

} // namespace platform
