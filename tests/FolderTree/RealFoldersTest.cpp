// The tree on the real namespace, over real folders below the test's temporary home.
#include "FolderTree/TFolderTree.h"
#include "platform/LinuxShellNamespace.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

// Runs the event loop until done() holds or five seconds have passed.
bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::vector<std::string> Captions(const QTreeWidgetItem* node) {
    std::vector<std::string> captions;
    for (int i = 0; node && i < node->childCount(); ++i)
        captions.push_back(node->child(i)->text(0).toStdString());
    return captions;
}

class RealFoldersTest : public ::testing::Test {
protected:
    RealFoldersTest() {
        desktop = fs::path(getenv("HOME")) / "Desktop";
        work = desktop / "work";
        fs::remove_all(work);
        fs::create_directories(work / "a");
        shell = platform::CreateLinuxShellNamespace(); // finds the desktop as a user's session would
        tree = std::make_unique<TFolderTree>(*shell);
        QObject::connect(tree.get(), &TFolderTree::OnChange,
                         [this](QTreeWidgetItem* node) { changes.push_back(node); });
        tree->SetActive(true);
    }
    ~RealFoldersTest() override {
        tree.reset();
        std::error_code ignored;
        fs::remove_all(work, ignored);
    }

    fs::path desktop, work;
    std::unique_ptr<platform::ShellNamespace> shell;
    std::unique_ptr<TFolderTree> tree;
    std::vector<QTreeWidgetItem*> changes;
};

TEST_F(RealFoldersTest, TheDesktopIsTheTestHomesDesktop) {
    ASSERT_TRUE(tree->DesktopNode());
    EXPECT_EQ(tree->DesktopPath(), desktop.string());
    ASSERT_TRUE(tree->DrivesNode());
    EXPECT_GT(tree->DrivesNode()->childCount(), 0);
    EXPECT_EQ(tree->SelectPath(desktop.string() + "/"), tree->DesktopNode());
}

TEST_F(RealFoldersTest, FoldersMadeByOtherProgramsShowUpInAListedFolder) {
    QTreeWidgetItem* node = tree->SelectPath(work.string());
    ASSERT_TRUE(node);
    node->setExpanded(true);
    ASSERT_THAT(Captions(node), ElementsAre("a"));
    changes.clear();

    ASSERT_EQ(mkdir((work / "C").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((work / "b").c_str(), 0755), 0);
    EXPECT_TRUE(WaitFor([&] {
        return Captions(node) == std::vector<std::string>{"a", "b", "C"};
    })) << ::testing::PrintToString(Captions(node));

    ASSERT_EQ(rmdir((work / "a").c_str()), 0);
    EXPECT_TRUE(WaitFor([&] {
        return Captions(node) == std::vector<std::string>{"b", "C"};
    })) << ::testing::PrintToString(Captions(node));

    ASSERT_EQ(std::rename((work / "b").c_str(), (work / "d").c_str()), 0);
    EXPECT_TRUE(WaitFor([&] {
        return Captions(node) == std::vector<std::string>{"C", "d"};
    })) << ::testing::PrintToString(Captions(node));

    EXPECT_TRUE(node->isExpanded());
    EXPECT_EQ(tree->currentItem(), node);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(tree->FindNode((work / "d").string(), true)->Node.Path, (work / "d").string());
}

TEST_F(RealFoldersTest, RemovingTheSelectedFolderMovesTheSelection) {
    fs::create_directories(work / "a" / "inner");
    QTreeWidgetItem* inner = tree->SelectPath((work / "a" / "inner").string());
    ASSERT_TRUE(inner);
    QTreeWidgetItem* parent = inner->parent();
    changes.clear();
    ASSERT_EQ(rmdir((work / "a" / "inner").c_str()), 0);
    EXPECT_TRUE(WaitFor([&] { return tree->currentItem() == parent; }));
    EXPECT_EQ(tree->SelectedPath(), (work / "a").string());
    EXPECT_THAT(changes, ElementsAre(parent));
}

TEST_F(RealFoldersTest, RememberedFolderThatWasDeletedSelectsItsDeepestAncestor) {
    fs::create_directories(work / "a" / "b" / "c");
    fs::remove_all(work / "a" / "b");
    // Through the desktop, and through the drive that holds the temporary home.
    QTreeWidgetItem* node = tree->SelectPath((work / "a" / "b" / "c").string());
    ASSERT_TRUE(node);
    EXPECT_EQ(tree->SelectedPath(), (work / "a").string());

    const fs::path outside = fs::path(getenv("HOME")) / "outside";
    fs::create_directories(outside / "kept");
    node = tree->SelectPath((outside / "kept" / "gone" / "deeper").string());
    ASSERT_TRUE(node);
    EXPECT_EQ(tree->SelectedPath(), (outside / "kept").string());
    fs::remove_all(outside);
}

} // namespace
