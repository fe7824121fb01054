// The tree on the real namespace, over real folders below the test's temporary home.
#include "FolderTreeFixture.h"
#include "platform/shell/LinuxShellNamespace.h"

#include <QTest>
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

} // namespace
