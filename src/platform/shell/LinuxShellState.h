#pragma once

#include "IdList.h"
#include "MountTable.h"
#include "TaskAllocator.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
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

class LinuxShellState;

// A folder's listing, held by every folder object that listed it: the folder counts as listed (and is
// watched) until the last holder lets go, so folders the tree no longer shows cost no watch.
class ListingHold {
public:
    ListingHold(std::weak_ptr<LinuxShellState> state, std::string path, std::uint64_t id)
        : state_(std::move(state)), path_(std::move(path)), id_(id) {}
    ~ListingHold();
    ListingHold(const ListingHold&) = delete;
    ListingHold& operator=(const ListingHold&) = delete;

private:
    std::weak_ptr<LinuxShellState> state_;
    std::string path_;
    std::uint64_t id_;
};

// What the namespace, its folders and its change registrations share: the desktop's path, the allocator
// of every list handed out, and the folders listed now with the absolute list each was listed under.
class LinuxShellState : public std::enable_shared_from_this<LinuxShellState> {
public:
    explicit LinuxShellState(std::string desktopPath, std::string labelFolder = "/dev/disk/by-label");

    const std::string& DesktopPath() const { return desktopPath_; }
    const std::string& LabelFolder() const { return labelFolder_; }
    TaskAllocator& Allocator() { return allocator_; }

    // The drives as the mount table shows them now.
    std::vector<MountEntry> Drives() const;
    // Replaces the reading of /proc/self/mounts (for tests).
    void SetMountReader(std::function<std::vector<MountEntry>()> reader) { readMounts_ = std::move(reader); }

    // A folder was listed; it stays listed while the returned hold (shared by every lister) lives, under
    // the first list it was listed under. Observers hear of every listing.
    std::shared_ptr<ListingHold> Listed(const std::string& path, const IdList& absolute);
    // The last holder of a listing let go (a listing forgotten meanwhile is left alone).
    void Released(const std::string& path, std::uint64_t id);
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
    struct Listing {
        IdList absolute;
        std::weak_ptr<ListingHold> hold;
        std::uint64_t id = 0;
    };
    void TellForgotten(const std::string& path);

    std::map<std::string, Listing> listed_;
    std::uint64_t lastListing_ = 0;
    std::vector<ListingObserver*> observers_;
};

} // namespace platform
