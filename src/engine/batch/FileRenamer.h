#pragma once

#include "FolderIdentity.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// One folder opened for renaming; names are relative to it.
class FolderRenamer {
public:
    virtual ~FolderRenamer() = default;
    // Renames oldName to newName without ever overwriting a file; false when the rename failed.
    virtual bool Rename(const std::string& oldName, const std::string& newName) = 0;
    // After a failed Rename: the name the file was left under when that is neither its old nor its new
    // name (a step through a temporary name that could not be undone); empty otherwise.
    virtual std::string StrandedName() const { return {}; }
    // The identity of the folder that was opened; nullopt where it cannot be told.
    virtual std::optional<FolderIdentity> Identity() { return std::nullopt; }
    // The names of every entry of the open folder, folders included; nullopt when it cannot be read.
    virtual std::optional<std::vector<std::string>> EntryNames() { return std::nullopt; }
};

// The file system as the batch sees it.
class FileRenamer {
public:
    virtual ~FileRenamer() = default;
    // nullptr when the folder cannot be opened; every rename of the batch then fails.
    virtual std::unique_ptr<FolderRenamer> OpenFolder(const std::string& folder) = 0;
};

} // namespace engine
