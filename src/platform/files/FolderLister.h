#pragma once

#include "engine/batch/FolderIdentity.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// What a complete listing learnt about the folder's sub-folders on the way.
enum class SubFoldersSeen { Unknown, None, Some };

// Lets another thread watch a listing as it goes and call it off.
struct ListingControl {
    std::atomic<std::size_t> read{0};   // names read so far
    std::atomic<bool> cancelled{false}; // set by the watcher; the listing then ends early
    // Whether the folder holds a sub-folder or a link to a folder, as the folder tree asks: a lister that
    // looks at every entry anyway can tell, and spares the tree a read of its own. Unknown from a lister
    // that does not tell, or from a listing that ended early.
    std::atomic<SubFoldersSeen> subFolders{SubFoldersSeen::Unknown};
};

// Reads the names of one folder's files for the file list.
class FolderLister {
public:
    virtual ~FolderLister() = default;
    // The names of every entry of the folder that is not itself a folder, hidden ones included, in the
    // file list's order, and which folder was read: taken from the very descriptor the names were read
    // through, so that a later batch can tell whether the path still leads to this folder. The names read
    // are counted into control.read as it goes; once control.cancelled is set it may end early with an
    // incomplete list, which the caller then drops. Throws IoError when the folder cannot be read.
    virtual std::vector<std::string> ListFilesWatched(const std::string& folder,
                                                      engine::FolderIdentity& identity,
                                                      ListingControl& control) = 0;
};

} // namespace platform
