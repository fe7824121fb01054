#pragma once

#include "FolderLister.h"
#include "PosixFolderRenamer.h"
#include "engine/batch/FileRenamer.h"
#include "engine/batch/FolderIdentity.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

// The names of a folder's entries that are not folders, in the order the system returns them. Names are
// the bytes the file system holds. Throws IoError when the folder cannot be read. When identity is given,
// it receives the identity of the folder that was read. With a control, the names are counted as they are
// read, and the reading ends early once it is cancelled.
std::vector<std::string> ReadFileNames(const std::string& folder, FileIdentity* identity = nullptr,
                                       ListingControl* control = nullptr);

// The real file system: lists folders for the file list and renames files for the batch.
class PosixFileSystem : public FolderLister, public engine::FileRenamer {
public:
    explicit PosixFileSystem(NoReplaceFlag flag = NoReplaceFlag::Use) : flag_(flag) {}

    // The folder's files as ListFilesWatched lists them, read in one go without a watcher.
    std::vector<std::string> ListFiles(const std::string& folder);
    std::vector<std::string> ListFiles(const std::string& folder, engine::FolderIdentity& identity);
    std::vector<std::string> ListFilesWatched(const std::string& folder, engine::FolderIdentity& identity,
                                              ListingControl& control) override;
    std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string& folder) override;

private:
    NoReplaceFlag flag_;
};

} // namespace platform
