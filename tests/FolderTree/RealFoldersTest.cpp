// The tree on the real namespace, over real folders below the test's temporary home.
#include "FolderTreeFixture.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The inotify watches this process holds, as the kernel counts them.
std::size_t KernelWatches() {
    std::size_t watches = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc/self/fdinfo")) {
        std::ifstream info(entry.path());
        for (std::string line; std::getline(info, line);)
            watches += line.rfind("inotify wd:", 0) == 0 ? 1 : 0;
    }
    return watches;
}

class RealFoldersTest : public ::testing::Test {
protected:
    RealFoldersTest() {
        fs::remove_all(work);
        fs::create_directories(work / "a");
        shell = platform::CreateLinuxShellNamespace(); // finds the desktop as a user's session would
        tree = std::make_unique<TFolderTree>(*shell);
        tree->SetActive(true);
    }
    ~RealFoldersTest() override {
        tree.reset();
        std::error_code ignored;
        fs::remove_all(work, ignored);
    }

    const fs::path desktop = fs::path(getenv("HOME")) / "Desktop";
    const fs::path work = desktop / "work";
    std::unique_ptr<platform::ShellNamespace> shell;
    std::unique_ptr<TFolderTree> tree;
};

TEST_F(RealFoldersTest, FoldersMadeByOtherProgramsShowUpInAListedFolder) {
    QTreeWidgetItem* node = tree->SelectPath(work.string());
    ASSERT_TRUE(node);
    node->setExpanded(true);
    ASSERT_EQ(Captions(node), Names{"a"});

    // The event loop runs until the listing shows the names, for five seconds at most.
    auto showsSoon = [&](const Names& names) {
        return QTest::qWaitFor([&] { return Captions(node) == names; });
    };
    ASSERT_EQ(mkdir((work / "C").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((work / "b").c_str(), 0755), 0);
    EXPECT_TRUE(showsSoon({"a", "b", "C"})) << ::testing::PrintToString(Captions(node));
    ASSERT_EQ(rmdir((work / "a").c_str()), 0);
    EXPECT_TRUE(showsSoon({"b", "C"})) << ::testing::PrintToString(Captions(node));
    ASSERT_EQ(std::rename((work / "b").c_str(), (work / "d").c_str()), 0);
    EXPECT_TRUE(showsSoon({"C", "d"})) << ::testing::PrintToString(Captions(node));
    EXPECT_TRUE(node->isExpanded());
    EXPECT_EQ(tree->currentItem(), node);
}

TEST_F(RealFoldersTest, FoldersAreWatchedOnlyWhileTheTreeHoldsTheirListing) {
    const std::size_t built = KernelWatches();
    fs::create_directories(work / "a" / "b");
    ASSERT_TRUE(tree->SelectPath((work / "a" / "b").string())); // lists work and a on the way
    const std::size_t opened = KernelWatches();
    EXPECT_EQ(opened, built + 2);

    // The nodes below work go, and with them the watch on a.
    tree->ClearChildren(tree->FindNode(work.string(), true));
    EXPECT_EQ(KernelWatches(), opened - 1);

    // A rebuilt tree watches only what it lists again.
    tree->SetActive(false);
    tree->SetActive(true);
    EXPECT_EQ(KernelWatches(), built);
}

TEST_F(RealFoldersTest, RememberedFolderThatWasDeletedSelectsItsDeepestAncestor) {
    EXPECT_EQ(tree->DesktopPath(), desktop.string());
    fs::create_directories(work / "a" / "b" / "c");
    fs::remove_all(work / "a" / "b");
    // Through the desktop, and through the drive that holds the temporary home.
    ASSERT_TRUE(tree->SelectPath((work / "a" / "b" / "c").string()));
    EXPECT_EQ(tree->SelectedPath(), (work / "a").string());

    const fs::path outside = fs::path(getenv("HOME")) / "outside";
    fs::create_directories(outside / "kept");
    ASSERT_TRUE(tree->SelectPath((outside / "kept" / "gone" / "deeper").string()));
    EXPECT_EQ(tree->SelectedPath(), (outside / "kept").string());
    fs::remove_all(outside);
}

TEST_F(RealFoldersTest, BranchRemovedAboveTheSelectionMovesItOnce) {
    fs::create_directories(work / "a" / "b" / "c" / "d");
    std::vector<std::string> selected;
    QObject::connect(tree.get(), &TFolderTree::OnChange, [&] { selected.push_back(tree->SelectedPath()); });
    ASSERT_TRUE(tree->SelectPath((work / "a" / "b" / "c" / "d").string()));
    selected.clear();
    fs::remove_all(work / "a");
    // Every level is reported, deepest first; the tree settles when the last one is gone.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tree->FindNode((work / "a").string(), true); }));
    EXPECT_EQ(selected, Names{work.string()});
}

TEST_F(RealFoldersTest, DesktopRemovedAndMadeAgainShowsItsNewFolders) {
    ASSERT_TRUE(tree->SelectPath(work.string()));
    TFolderNodeItem* desktopNode = tree->DesktopNode();
    fs::remove_all(desktop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tree->FindNode(work.string(), true); }));
    EXPECT_EQ(tree->currentItem(), desktopNode);
    fs::create_directories(desktop / "first");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return tree->FindNode((desktop / "first").string(), true) != nullptr; }));
    // The new desktop folder is watched: a later folder shows up as well.
    fs::create_directory(desktop / "second");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return tree->FindNode((desktop / "second").string(), true) != nullptr; }));
    EXPECT_EQ(tree->currentItem(), desktopNode);
}

TEST_F(RealFoldersTest, BurstOfChangesShowsEveryFolderInOrder) {
    QTreeWidgetItem* node = tree->SelectPath(work.string());
    ASSERT_TRUE(node);
    node->setExpanded(true);
    Names expected{"a"};
    for (int i = 0; i < 400; ++i) {
        const std::string name = "n" + std::to_string(i);
        ASSERT_EQ(mkdir((work / name).c_str(), 0755), 0);
        if (i % 5 == 0)
            ASSERT_EQ(rmdir((work / name).c_str()), 0);
        else
            expected.push_back(name);
    }
    ASSERT_EQ(std::rename((work / "a").c_str(), (work / "zz").c_str()), 0);
    expected.erase(expected.begin());
    expected.push_back("zz");
    std::sort(expected.begin(), expected.end());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Captions(node) == expected; }, 10000))
        << Captions(node).size() << " shown";
    EXPECT_TRUE(node->isExpanded());
    EXPECT_EQ(tree->currentItem(), node);
}

TEST_F(RealFoldersTest, RenamingTheOnlySubFolderKeepsItsParentOpen) {
    fs::create_directories(work / "a" / "inner");
    QTreeWidgetItem* node = tree->SelectPath(work.string());
    ASSERT_TRUE(node);
    node->setExpanded(true);
    tree->FindNode((work / "a").string(), true)->setExpanded(true); // listed and watched as well
    ASSERT_EQ(std::rename((work / "a").c_str(), (work / "renamed").c_str()), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Captions(node) == Names{"renamed"}; }))
        << ::testing::PrintToString(Captions(node));
    EXPECT_TRUE(node->isExpanded());
    EXPECT_EQ(tree->currentItem(), node);
    TFolderNodeItem* renamed = tree->FindNode((work / "renamed").string(), true);
    ASSERT_TRUE(renamed);
    EXPECT_TRUE(renamed->isExpanded());
    EXPECT_EQ(Captions(renamed), Names{"inner"});
}

TEST_F(RealFoldersTest, EventQueueOverflowKeepsTheSelectionAndShowsWhatWasLost) {
    fs::create_directories(work / "a" / "selected");
    QTreeWidgetItem* selected = tree->SelectPath((work / "a" / "selected").string());
    ASSERT_TRUE(selected);
    tree->FindNode(work.string(), true)->setExpanded(true);
    int changes = 0;
    QObject::connect(tree.get(), &TFolderTree::OnChange, [&] { ++changes; });
    // Each rename of a file queues two events: past the kernel's queue the changes are lost, among them
    // the folder made first.
    int queueLimit = 16384;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> queueLimit;
    ASSERT_EQ(mkdir((work / "lost").c_str(), 0755), 0);
    std::ofstream(work / "a.txt") << "a";
    for (int i = 0; i <= queueLimit / 4; ++i) {
        std::rename((work / "a.txt").c_str(), (work / "b.txt").c_str());
        std::rename((work / "b.txt").c_str(), (work / "a.txt").c_str());
    }
    QTreeWidgetItem* workNode = tree->FindNode(work.string(), true);
    const auto shown = [&] { return Captions(workNode) == Names{"a", "lost"}; };
    EXPECT_TRUE(QTest::qWaitFor(shown, 10000)) << ::testing::PrintToString(Captions(workNode));
    EXPECT_EQ(tree->currentItem(), selected);
    EXPECT_EQ(changes, 0);
}

} // namespace
