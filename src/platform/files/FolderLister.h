#pragma once

#include "engine/BatchRename.h"

#include <string>
#include <vector>

namespace platform {

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
};

} // namespace platform
