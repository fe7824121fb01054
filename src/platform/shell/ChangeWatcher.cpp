#include "ChangeWatcher.h"

#include "FolderProbe.h"
#include "ShellItems.h"

#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::uint32_t kWatchMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

void ChangeWatcher::NotifierDeleter::operator()(QSocketNotifier* notifier) const {
    // A delivery may end the registration from inside the notifier's own signal; the notifier goes once
    // control is back in the event loop.
    notifier->setEnabled(false);
    notifier->deleteLater();
}

std::unique_ptr<ChangeWatcher> ChangeWatcher::Create(std::shared_ptr<LinuxShellState> state,
                                                     std::uint32_t events,
                                                     std::function<void(const ShellChange&)> deliver) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<ChangeWatcher>(
        new ChangeWatcher(std::move(state), fd, events, std::move(deliver)));
}

ChangeWatcher::ChangeWatcher(std::shared_ptr<LinuxShellState> state, int inotifyFd, std::uint32_t events,
                             std::function<void(const ShellChange&)> deliver)
    : state_(std::move(state)), inotifyFd_(inotifyFd), events_(events), deliver_(std::move(deliver)) {
    folderNotifier_.reset(new QSocketNotifier(inotifyFd_, QSocketNotifier::Read));
    QObject::connect(folderNotifier_.get(), &QSocketNotifier::activated, this,
                     [this] { ReadFolderEvents(); });

    // The kernel flags the mount table with POLLPRI whenever something is mounted or unmounted.
    mountsFd_ = open("/proc/self/mounts", O_RDONLY | O_CLOEXEC);
    if (mountsFd_ >= 0) {
        mountNotifier_.reset(new QSocketNotifier(mountsFd_, QSocketNotifier::Exception));
        QObject::connect(mountNotifier_.get(), &QSocketNotifier::activated, this,
                         [this] { ReadMountTable(); });
    }
    drives_ = state_->Drives();

    state_->AddObserver(this);
    for (const std::string& path : state_->ListedPaths())
        FolderListed(path);
}

ChangeWatcher::~ChangeWatcher() {
    *alive_ = false;
    state_->RemoveObserver(this);
    folderNotifier_.reset();
    mountNotifier_.reset();
    close(inotifyFd_); // takes every watch along
    if (mountsFd_ >= 0)
        close(mountsFd_);
}

void ChangeWatcher::FolderListed(const std::string& path) {
    // At the watch limit (ENOSPC) or for a folder that went meanwhile, the folder simply goes unwatched.
    const int wd = inotify_add_watch(inotifyFd_, path.c_str(), kWatchMask);
    if (wd < 0)
        return;
    if (const auto old = watchOf_.find(path); old != watchOf_.end() && old->second != wd)
        FolderForgotten(path);
    watchOf_[path] = wd;
    auto& paths = watched_[wd];
    if (std::find(paths.begin(), paths.end(), path) == paths.end())
        paths.push_back(path);
}

void ChangeWatcher::FolderForgotten(const std::string& path) {
    const auto found = watchOf_.find(path);
    if (found == watchOf_.end())
        return;
    const int wd = found->second;
    watchOf_.erase(found);
    auto& paths = watched_[wd];
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
    if (paths.empty()) {
        watched_.erase(wd);
        inotify_rm_watch(inotifyFd_, wd);
    }
}

void ChangeWatcher::DropWatch(int wd) {
    const auto found = watched_.find(wd);
    if (found == watched_.end())
        return;
    for (const std::string& path : found->second)
        watchOf_.erase(path);
    watched_.erase(found);
}

std::vector<std::string> ChangeWatcher::WatchedPaths() const {
    std::vector<std::string> paths;
    for (const auto& [path, wd] : watchOf_)
        paths.push_back(path);
    return paths;
}

void ChangeWatcher::ReadFolderEvents() {
    std::vector<WatchEvent> events;
    alignas(inotify_event) std::array<char, 64 * 1024> buffer;
    while (true) {
        const ssize_t got = read(inotifyFd_, buffer.data(), buffer.size());
        if (got <= 0)
            break;
        auto batch = ParseWatchEvents(buffer.data(), static_cast<std::size_t>(got));
        events.insert(events.end(), std::make_move_iterator(batch.begin()),
                      std::make_move_iterator(batch.end()));
    }
    auto changes = TranslateWatchEvents(events, watched_);
    if (std::optional<FolderChange> back = DesktopCameBack(events))
        changes.push_back(*back);
    // Watches the kernel has dropped (the folder is gone, its file system unmounted) are forgotten.
    for (const WatchEvent& event : events) {
        if (!(event.mask & IN_IGNORED))
            continue;
        const auto found = watched_.find(event.wd);
        const bool desktopGone =
            found != watched_.end() && std::find(found->second.begin(), found->second.end(),
                                                 state_->DesktopPath()) != found->second.end();
        DropWatch(event.wd);
        if (desktopGone && AwaitDesktop())
            changes.push_back({SHCNE_MKDIR, state_->DesktopPath(), {}});
    }
    Deliver(changes);
}

bool ChangeWatcher::AwaitDesktop() {
    // The desktop's own parent is not watched: without a look at it, a desktop folder made again would never
    // be listed nor watched. The folder it lies in is watched until the desktop is back.
    const std::string& desktop = state_->DesktopPath();
    if (desktop.empty() || desktop == "/")
        return false;
    const int wd = inotify_add_watch(inotifyFd_, ParentPath(desktop).c_str(), kWatchMask);
    if (wd < 0)
        return false;
    desktopParentWd_ = wd;
    // Made again before the watch was there: no event will tell.
    if (!IsFolder(desktop))
        return false;
    EndAwaitingDesktop();
    return true;
}

void ChangeWatcher::EndAwaitingDesktop() {
    // A parent that is listed itself keeps its watch.
    if (!watched_.contains(desktopParentWd_))
        inotify_rm_watch(inotifyFd_, desktopParentWd_);
    desktopParentWd_ = -1;
}

std::optional<FolderChange> ChangeWatcher::DesktopCameBack(const std::vector<WatchEvent>& events) {
    if (desktopParentWd_ < 0)
        return std::nullopt;
    const std::string& desktop = state_->DesktopPath();
    for (const WatchEvent& event : events) {
        if (event.wd != desktopParentWd_ || !(event.mask & (IN_CREATE | IN_MOVED_TO)) ||
            !(event.mask & IN_ISDIR) || event.name != LastComponent(desktop))
            continue;
        // A parent that is listed itself tells of the new folder with its own events.
        const bool listed = watched_.contains(desktopParentWd_);
        EndAwaitingDesktop();
        if (listed)
            return std::nullopt;
        return FolderChange{SHCNE_MKDIR, desktop, {}};
    }
    return std::nullopt;
}

void ChangeWatcher::ReadMountTable() {
    auto drives = state_->Drives();
    const DriveChanges changes = CompareDrives(drives_, drives);
    drives_ = std::move(drives);
    std::vector<FolderChange> media;
    for (const std::string& point : changes.removed)
        media.push_back({SHCNE_MEDIAREMOVED, point, {}});
    for (const std::string& point : changes.inserted)
        media.push_back({SHCNE_MEDIAINSERTED, point, {}});
    Deliver(media);
}

std::optional<IdList> ChangeWatcher::ListOf(const std::string& path) const {
    if (auto listed = state_->ListedAs(path))
        return listed;
    if (path == state_->DesktopPath())
        return IdList();
    auto parent = state_->ListedAs(ParentPath(path));
    if (!parent)
        return std::nullopt;
    try {
        return *parent + MakeItem(ItemKind::Folder, LastComponent(path));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void ChangeWatcher::Deliver(const std::vector<FolderChange>& changes) {
    // Everything read at once is handed over as one burst, so the receiver can handle it together. The
    // allocator of the lists stays while they do, even when the receiver ends this registration.
    const std::shared_ptr<LinuxShellState> state = state_;
    std::vector<ShellChange> burst;
    for (const FolderChange& change : changes) {
        std::optional<IdList> first, second;
        if (change.event == SHCNE_MEDIAINSERTED || change.event == SHCNE_MEDIAREMOVED) {
            first = MakeItem(ItemKind::Computer) + MakeItem(ItemKind::Drive, change.path);
        } else if (change.event == SHCNE_UPDATEDIR) {
            first = IdList();
        } else {
            first = ListOf(change.path);
            if (change.event == SHCNE_RENAMEFOLDER)
                second = ListOf(change.newPath);
            // What was there is gone or moved: its listing (and every listing below it) no longer holds.
            if (change.event != SHCNE_MKDIR)
                state_->ForgetTree(change.path);
        }
        if (!first || (change.event == SHCNE_RENAMEFOLDER && !second))
            continue;
        // Lost changes are always reported, whatever was asked for: the receiver cannot know otherwise.
        if (!(events_ & change.event) && change.event != SHCNE_UPDATEDIR)
            continue;
        burst.push_back(
            {AllocatedIdList(state_->Allocator(), std::move(*first)),
             second ? AllocatedIdList(state_->Allocator(), std::move(*second)) : AllocatedIdList(),
             change.event});
    }
    const std::weak_ptr<bool> alive = alive_;
    const auto deliver = deliver_; // the receiver may end this registration
    for (std::size_t i = 0; i < burst.size(); ++i) {
        burst[i].moreFollow = i + 1 < burst.size();
        deliver(burst[i]);
        if (alive.expired() || !*alive.lock())
            return;
    }
}

} // namespace platform
