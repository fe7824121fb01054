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
    // After a failed Rename: a name the file was left under instead of or beside its old one (a step
    // through a temporary name that could not be undone, or a second name that could not be taken away
    // again); empty when the file stands under its old name alone.
    virtual std::string StrandedName() const { return {}; }
    // True when the file still has its old name as well as StrandedName (a second name made on the way
    // that could not be taken away again).
    virtual bool StrandedBesideOldName() const { return false; }
    // After a failed Rename: why it failed, in the system's words ("File name too long"); empty where the
    // reason is not known.
    virtual std::string FailureReason() const { return {}; }
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
