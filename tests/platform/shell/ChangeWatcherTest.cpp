#include "platform/shell/ChangeWatcher.h"

#include "platform/shell/LinuxShellNamespace.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

struct Seen {
    std::uint32_t event;
    std::string path;
    std::string newPath;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    return out << std::hex << seen.event << " " << seen.path << " -> " << seen.newPath;
}

// Runs the event loop until done() holds, for at most five seconds.
bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

// A folder W below the desktop, with the desktop and W listed, and a folder outside everything listed.
class ChangeWatch : public testing::Test {
protected:
    void SetUp() override {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        watched_ = fs::path(LocateDesktopFolder()) / name;
        outside_ = fs::path(std::getenv("HOME")) / ("outside-" + name);
        fs::create_directories(watched_);
        fs::create_directories(outside_);
        shell_ = CreateLinuxShellNamespace();
        desktop_ = shell_->GetDesktopFolder();
        desktop_->EnumObjects(SHCONTF_FOLDERS);
        auto item = desktop_->ParseDisplayName(name);
        ASSERT_TRUE(item);
        folder_ = desktop_->BindToObject(**item);
        ASSERT_TRUE(folder_->EnumObjects(SHCONTF_FOLDERS));
    }
    void TearDown() override {
        registration_.reset();
        folder_.reset();
        desktop_.reset();
        EXPECT_EQ(shell_->Malloc().LiveBlocks(), 0u);
        fs::remove_all(watched_);
        fs::remove_all(outside_);
    }

    void Register(std::uint32_t events = SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_RENAMEFOLDER |
                                         SHCNE_MEDIAINSERTED | SHCNE_MEDIAREMOVED) {
        registration_ = shell_->RegisterChangeNotify(events, [this](const ShellChange& change) {
            EXPECT_EQ(shell_->Malloc().DidAlloc(change.first.Get()), 1);
            seen_.push_back(
                {change.event, shell_->GetPathFromIDList(*change.first).value_or("<virtual>"),
                 change.second ? shell_->GetPathFromIDList(*change.second).value_or("<virtual>") : ""});
        });
        ASSERT_TRUE(registration_);
    }
    bool WaitForSeen(std::size_t count) {
        return WaitFor([&] { return seen_.size() >= count; });
    }
    std::string W(const std::string& name) const { return (watched_ / name).string(); }

    fs::path watched_, outside_;
    std::unique_ptr<ShellNamespace> shell_;
    std::shared_ptr<ShellFolder> desktop_, folder_; // a folder stays listed while its folder object lives
    std::unique_ptr<ChangeRegistration> registration_;
    std::vector<Seen> seen_;
};

TEST_F(ChangeWatch, CreatedRemovedAndRenamedWithinOutOfAndIntoTheWatchedFolder) {
    fs::create_directory(W("a"));
    fs::create_directory(outside_ / "c");
    ASSERT_TRUE(folder_->BindToObject(**folder_->ParseDisplayName("a"))->EnumObjects(SHCONTF_FOLDERS));
    Register();
    ASSERT_EQ(mkdir(W("new").c_str(), 0755), 0);
    ASSERT_EQ(rmdir(W("new").c_str()), 0);
    ASSERT_EQ(std::rename(W("a").c_str(), W("b").c_str()), 0);
    ASSERT_EQ(std::rename(W("b").c_str(), (outside_ / "b").c_str()), 0);
    ASSERT_EQ(std::rename((outside_ / "c").c_str(), W("c").c_str()), 0);
    EXPECT_TRUE(seen_.empty()); // nothing arrives before the event loop runs
    ASSERT_TRUE(WaitForSeen(5));
    // The listing of "a" no longer holds once it has moved: nothing is reported under its old path.
    ASSERT_EQ(mkdir((outside_ / "b" / "inner").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(W("marker").c_str(), 0755), 0);
    ASSERT_TRUE(WaitForSeen(6));
    EXPECT_EQ(seen_, (std::vector<Seen>{{SHCNE_MKDIR, W("new"), ""},
                                        {SHCNE_RMDIR, W("new"), ""},
                                        {SHCNE_RENAMEFOLDER, W("a"), W("b")},
                                        {SHCNE_RMDIR, W("b"), ""},
                                        {SHCNE_MKDIR, W("c"), ""},
                                        {SHCNE_MKDIR, W("marker"), ""}}));
}

TEST_F(ChangeWatch, OnlyListedFoldersAskedEventsAndLiveRegistrationsAreReported) {
    Register(SHCNE_MKDIR);
    fs::create_directories(W("unlisted/inner")); // the parent is new, so never listed
    fs::create_directory(W("gone"));
    ASSERT_TRUE(WaitForSeen(2));
    fs::remove(W("gone"));                // not asked for
    fs::create_directory(outside_ / "z"); // outside every listed folder
    registration_.reset();
    fs::create_directory(W("unseen"));
    Register(SHCNE_MKDIR);
    fs::create_directory(W("marker"));
    ASSERT_TRUE(WaitForSeen(3));
    EXPECT_EQ(seen_, (std::vector<Seen>{{SHCNE_MKDIR, W("unlisted"), ""},
                                        {SHCNE_MKDIR, W("gone"), ""},
                                        {SHCNE_MKDIR, W("marker"), ""}}));
}

TEST_F(ChangeWatch, AFolderIsWatchedOnlyWhileSomethingThatListedItHoldsOn) {
    fs::create_directory(W("a"));
    std::shared_ptr<ShellFolder> first = folder_->BindToObject(**folder_->ParseDisplayName("a"));
    std::shared_ptr<ShellFolder> second = folder_->BindToObject(**folder_->ParseDisplayName("a"));
    ASSERT_TRUE(first->EnumObjects(SHCONTF_FOLDERS));
    ASSERT_TRUE(second->EnumObjects(SHCONTF_FOLDERS));
    Register(SHCNE_MKDIR);
    const auto watches = [&](const std::string& path) {
        const auto* watcher = dynamic_cast<const ChangeWatcher*>(registration_.get());
        const std::vector<std::string> paths = watcher ? watcher->WatchedPaths() : std::vector<std::string>{};
        return std::count(paths.begin(), paths.end(), path);
    };
    EXPECT_EQ(watches(W("a")), 1);
    first.reset();
    ASSERT_EQ(mkdir(W("a/one").c_str(), 0755), 0);
    ASSERT_TRUE(WaitForSeen(1));
    second.reset(); // the last holder of the listing: the folder is no longer watched
    EXPECT_EQ(watches(W("a")), 0);
    ASSERT_EQ(mkdir(W("a/two").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(W("marker").c_str(), 0755), 0);
    ASSERT_TRUE(WaitForSeen(2));
    EXPECT_EQ(seen_, (std::vector<Seen>{{SHCNE_MKDIR, W("a/one"), ""}, {SHCNE_MKDIR, W("marker"), ""}}));

    // A later registration watches what is listed now, not everything that ever was.
    Register(SHCNE_MKDIR);
    EXPECT_EQ(watches(W("a")), 0);
    EXPECT_EQ(watches(watched_.string()), 1);
}

TEST_F(ChangeWatch, ChangesReadTogetherComeAsOneBurst) {
    std::vector<bool> moreFollow;
    registration_ = shell_->RegisterChangeNotify(
        SHCNE_MKDIR, [&](const ShellChange& change) { moreFollow.push_back(change.moreFollow); });
    for (int i = 0; i < 50; ++i)
        fs::create_directory(W("burst" + std::to_string(i)));
    ASSERT_TRUE(WaitFor([&] { return moreFollow.size() >= 50; }));
    // Made before the event loop ran, they are read at once: every change but the last says more follow.
    EXPECT_EQ(std::count(moreFollow.begin(), moreFollow.end(), false), 1);
    EXPECT_FALSE(moreFollow.back());
}

TEST_F(ChangeWatch, ReceiverMayDeregisterWhileDelivered) {
    int calls = 0;
    registration_ = shell_->RegisterChangeNotify(SHCNE_MKDIR, [&](const ShellChange&) {
        ++calls;
        registration_.reset();
    });
    fs::create_directory(W("one"));
    fs::create_directory(W("two"));
    ASSERT_TRUE(WaitFor([&] { return calls > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

TEST_F(ChangeWatch, LostChangesAreReportedOnceForTheWholeNamespace) {
    int queueLimit = 16384;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> queueLimit;
    Register(SHCNE_MKDIR); // lost changes come even when not asked for
    // Each rename of a file makes two events (files are queued, though only folders are reported); the
    // kernel drops what passes its queue and says so once.
    std::ofstream(W("a.txt")) << "a";
    for (int i = 0; i <= queueLimit / 4; ++i) {
        std::rename(W("a.txt").c_str(), W("b.txt").c_str());
        std::rename(W("b.txt").c_str(), W("a.txt").c_str());
    }
    const auto overflows = [&] {
        return std::count(seen_.begin(), seen_.end(), Seen{SHCNE_UPDATEDIR, LocateDesktopFolder(), ""});
    };
    ASSERT_TRUE(WaitFor([&] { return overflows() > 0; })); // with the desktop's empty list
    QCoreApplication::processEvents();
    EXPECT_EQ(overflows(), 1);
    EXPECT_EQ(seen_.size(), 1u);
}

// Mounting needs the superuser; the test mounts in a mount namespace of its own, so nothing of it is seen
// outside this process.
TEST_F(ChangeWatch, MountedAndUnmountedMediaAreReported) {
    if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0 ||
        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tsw-mnt", "/mnt", "tmpfs", 0, nullptr) != 0)
        GTEST_SKIP() << "cannot mount in a private mount namespace here";
    fs::create_directory("/mnt/stick");
    Register();
    ASSERT_EQ(mount("tsw-stick", "/mnt/stick", "tmpfs", 0, nullptr), 0);
    ASSERT_TRUE(WaitForSeen(1));
    ASSERT_EQ(umount("/mnt/stick"), 0);
    ASSERT_TRUE(WaitForSeen(2));
    umount("/mnt");
    ASSERT_TRUE(WaitForSeen(3));
    EXPECT_EQ(seen_, (std::vector<Seen>{{SHCNE_MEDIAINSERTED, "/mnt/stick", ""},
                                        {SHCNE_MEDIAREMOVED, "/mnt/stick", ""},
                                        {SHCNE_MEDIAREMOVED, "/mnt", ""}}));
}

} // namespace
