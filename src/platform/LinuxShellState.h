#pragma once

#include "IdList.h"
#include "MountTable.h"
#include "TaskAllocator.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Told when the namespace lists a folder or learns that one is gone: change registrations watch exactly
// the listed folders.
class ListingObserver {
public:
    virtual ~ListingObserver() = default;
    virtual void FolderListed(const std::string& path) = 0;
    virtual void FolderForgotten(const std::string& path) = 0;
};

// What the namespace, its folders and its change registrations share: the desktop's path, the allocator
// of every list handed out, and the folders listed so far with the absolute list each was listed under.
class LinuxShellState {
public:
    explicit LinuxShellState(std::string desktopPath, std::string labelFolder = "/dev/disk/by-label");

    const std::string& DesktopPath() const { return desktopPath_; }
    const std::string& LabelFolder() const { return labelFolder_; }
    TaskAllocator& Allocator() { return allocator_; }

    // The drives as the mount table shows them now.
    std::vector<MountEntry> Drives() const;
    // Replaces the reading of /proc/self/mounts (for tests).
    void SetMountReader(std::function<std::vector<MountEntry>()> reader) { readMounts_ = std::move(reader); }

    // A folder was listed; the first list it was listed under is kept. Observers hear of every listing.
    void Listed(const std::string& path, const IdList& absolute);
    // A folder and everything below it are gone or moved.
    void ForgetTree(const std::string& path);
    std::optional<IdList> ListedAs(const std::string& path) const;
    std::vector<std::string> ListedPaths() const;

    void AddObserver(ListingObserver* observer);
    void RemoveObserver(ListingObserver* observer);

private:
    std::string desktopPath_;
    std::string labelFolder_;
    TaskAllocator allocator_;
    std::function<std::vector<MountEntry>()> readMounts_;
    std::map<std::string, IdList> listed_;
    std::vector<ListingObserver*> observers_;
};

} // namespace platform
