#pragma once

#include <string>

namespace platform {

// Where the last viewed folder outlives a run.
class FolderStore {
public:
    virtual ~FolderStore() = default;
    // The remembered folder; empty when none is stored. Throws std::runtime_error
    // ("Invalid data type for 'CloseDir'") when the stored value is not a string.
    virtual std::string LoadFolder() = 0;
    // Throws std::runtime_error ("Failed to set data for 'CloseDir'") when the value cannot be stored.
    virtual void SaveFolder(const std::string& folder) = 0;
    // Where the folder is kept, for the user to read: a file's path, or a place in the registry.
    virtual std::string Location() const = 0;
};

// The user's settings: native format, user scope, organisation "Harbeck", application
// "TitleShaperWorkshop", key "CloseDir" (on Linux Harbeck/TitleShaperWorkshop.conf in the user's
// configuration folder, $XDG_CONFIG_HOME or else ~/.config).
class SettingsFolderStore : public FolderStore {
public:
    std::string LoadFolder() override;
    void SaveFolder(const std::string& folder) override;
    std::string Location() const override;
};

} // namespace platform
