#pragma once

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
};

} // namespace platform
