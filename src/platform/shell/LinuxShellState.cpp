#include "LinuxShellState.h"

#include <algorithm>

namespace platform {

namespace {

bool IsAtOrBelow(const std::string& path, const std::string& root) {
    if (root == "/")
        return !path.empty() && path.front() == '/';
    return path == root ||
           (path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/');
}

} // namespace

LinuxShellState::LinuxShellState(std::string desktopPath, std::string labelFolder)
    : desktopPath_(std::move(desktopPath)), labelFolder_(std::move(labelFolder)),
      readMounts_(ReadMountTable) {}

std::vector<MountEntry> LinuxShellState::Drives() const {
    return UserDrives(readMounts_());
}

ListingHold::~ListingHold() {
    if (const std::shared_ptr<LinuxShellState> state = state_.lock())
        state->Released(path_, id_);
}

std::shared_ptr<ListingHold> LinuxShellState::Listed(const std::string& path, const IdList& absolute) {
    std::shared_ptr<ListingHold> hold;
    if (const auto found = listed_.find(path); found != listed_.end())
        hold = found->second.hold.lock();
    if (!hold) {
        hold = std::make_shared<ListingHold>(weak_from_this(), path, ++lastListing_);
        listed_[path] = Listing{absolute, hold, lastListing_};
    }
    // Told every time, also for a folder listed before: a watch the kernel dropped (the file system was
    // unmounted meanwhile) comes back when the folder is listed again. Observers may add or remove observers
    // while told; tell the ones present now.
    const auto observers = observers_;
    for (ListingObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->FolderListed(path);
    return hold;
}

void LinuxShellState::Released(const std::string& path, std::uint64_t id) {
    const auto found = listed_.find(path);
    if (found == listed_.end() || found->second.id != id)
        return;
    listed_.erase(found);
    TellForgotten(path);
}

void LinuxShellState::TellForgotten(const std::string& path) {
    const auto observers = observers_;
    for (ListingObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->FolderForgotten(path);
}

void LinuxShellState::ForgetTree(const std::string& path) {
    std::vector<std::string> gone;
    for (const auto& [listedPath, list] : listed_)
        if (IsAtOrBelow(listedPath, path))
            gone.push_back(listedPath);
    for (const std::string& listedPath : gone) {
        listed_.erase(listedPath);
        TellForgotten(listedPath);
    }
}

std::optional<IdList> LinuxShellState::ListedAs(const std::string& path) const {
    const auto found = listed_.find(path);
    return found == listed_.end() ? std::nullopt : std::optional<IdList>(found->second.absolute);
}

std::vector<std::string> LinuxShellState::ListedPaths() const {
    std::vector<std::string> paths;
    for (const auto& [path, list] : listed_)
        paths.push_back(path);
    return paths;
}

void LinuxShellState::AddObserver(ListingObserver* observer) {
    observers_.push_back(observer);
}

void LinuxShellState::RemoveObserver(ListingObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

} // namespace platform
