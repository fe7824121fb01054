#pragma once

#include "FolderEvents.h"
#include "LinuxShellState.h"
#include "ShellNamespace.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSocketNotifier;

namespace platform {

// A change registration of the Linux namespace: an inotify watch on every listed folder and a look at the
// mount table whenever the kernel flags it, both read on the user-interface thread through socket
// notifiers and delivered as SHCNE_ events with absolute lists. It lives as long as the registration.
class ChangeWatcher final : public QObject, public ChangeRegistration, public ListingObserver {
public:
    // nullptr when inotify cannot be set up.
    static std::unique_ptr<ChangeWatcher> Create(std::shared_ptr<LinuxShellState> state, std::uint32_t events,
                                                 std::function<void(const ShellChange&)> deliver);
    ~ChangeWatcher() override;

    void FolderListed(const std::string& path) override;
    void FolderForgotten(const std::string& path) override;

    // The folders that have a watch now.
    std::vector<std::string> WatchedPaths() const;

private:
    ChangeWatcher(std::shared_ptr<LinuxShellState> state, int inotifyFd, std::uint32_t events,
                  std::function<void(const ShellChange&)> deliver);
    void ReadFolderEvents();
    void ReadMountTable();
    void Deliver(const std::vector<FolderChange>& changes);
    std::optional<IdList> ListOf(const std::string& path) const;
    void DropWatch(int wd);
    // Watches the desktop's parent once the desktop folder went; true when it is back already.
    bool AwaitDesktop();
    void EndAwaitingDesktop();
    std::optional<FolderChange> DesktopCameBack(const std::vector<WatchEvent>& events);

    struct NotifierDeleter {
        void operator()(QSocketNotifier* notifier) const;
    };

    std::shared_ptr<LinuxShellState> state_;
    int inotifyFd_ = -1;
    int mountsFd_ = -1;
    std::uint32_t events_ = 0;
    std::function<void(const ShellChange&)> deliver_;
    std::unique_ptr<QSocketNotifier, NotifierDeleter> folderNotifier_;
    std::unique_ptr<QSocketNotifier, NotifierDeleter> mountNotifier_;
    std::map<int, std::vector<std::string>> watched_; // watch descriptor -> folder paths
    std::map<std::string, int> watchOf_;              // folder path -> watch descriptor
    std::vector<MountEntry> drives_;
    int desktopParentWd_ = -1; // watches for the desktop folder to be made again after it went
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace platform
