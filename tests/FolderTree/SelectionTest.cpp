#include "FolderTreeFixture.h"
#include "RowNames.h"

#include <QTest>

namespace {

using rownames::PrintTo;

struct SelectCase {
    const char* label;
    const char* path;
    const char* selectedPath; // what SelectedPath reads afterwards; "" when the path cannot be placed
    bool rootDriveGone = false;
};

class SelectPathTest : public FolderTreeTest, public ::testing::WithParamInterface<SelectCase> {};

// A placed path selects its folder (or the deepest existing ancestor) and reveals it; a path that cannot be
// placed leaves nothing selected. Either way OnChange reports the new selection, and only once.
TEST_P(SelectPathTest, SelectsAndReports) {
    if (GetParam().rootDriveGone)
        ns.Remove(root);
    TFolderTree& tree = ActiveTree();
    ASSERT_TRUE(tree.SelectPath("/media/usb"));
    changes.clear();
    QTreeWidgetItem* node = tree.SelectPath(GetParam().path);
    EXPECT_EQ(tree.SelectedPath(), GetParam().selectedPath);
    EXPECT_EQ(node != nullptr, *GetParam().selectedPath != '\0');
    EXPECT_EQ(tree.currentItem(), node);
    EXPECT_EQ(tree.selectedItems().size(), node ? 1 : 0);
    for (QTreeWidgetItem* walk = node ? node->parent() : nullptr; walk; walk = walk->parent())
        EXPECT_TRUE(walk->isExpanded()) << walk->text(0).toStdString();
    // The same node again, by path or directly, is no change.
    EXPECT_EQ(tree.SelectPath(GetParam().path), node);
    tree.setCurrentItem(node);
    EXPECT_THAT(changes, ::testing::ElementsAre(node));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SelectPathTest,
    ::testing::Values(SelectCase{"TrailingSeparator", "/usr/lib/", "/usr/lib"},
                      SelectCase{"RootDrive", "/", "/"},
                      SelectCase{"LongestMountPointWins", "/media/usb/photos", "/media/usb/photos"},
                      SelectCase{"BelowTheDesktop", "/home/tester/Desktop/Program Files/Tools",
                                 "/home/tester/Desktop/Program Files/Tools"},
                      SelectCase{"DeletedFolderSelectsDeepestAncestor", "/usr/lib/gone/deeper", "/usr/lib"},
                      SelectCase{"Empty", "", ""}, SelectCase{"Relative", "usr/lib", ""},
                      SelectCase{"NetworkHidden", "\\\\server\\docs", ""},
                      SelectCase{"DriveNotListed", "/usr/lib", "", true}),
    rownames::RowLabel());

TEST_F(FolderTreeTest, FolderTooDeepForItsListStopsTheWalkAboveIt) {
    // Every level's item carries long names and the path, so the absolute list soon passes the 65535
    // bytes a node can hold: the folders below that point get no node.
    const std::string name(250, 'n');
    Ns::Node parent = tmp;
    std::string path = "/tmp";
    for (int depth = 0; depth < 40; ++depth) {
        parent = ns.AddFolder(parent, name);
        path += "/" + name;
    }
    TFolderTree& tree = ActiveTree();
    QTreeWidgetItem* reached = nullptr;
    ASSERT_NO_THROW(reached = tree.SelectPath(path));
    ASSERT_TRUE(reached);
    EXPECT_EQ(tree.currentItem(), reached);
    EXPECT_LT(tree.SelectedPath().size(), path.size());
    EXPECT_EQ(reached->childCount(), 0);
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());
}

TEST_F(FolderTreeTest, VanishedFolderRefreshesItsDrive) {
    TFolderTree& tree = ActiveTree();
    ASSERT_TRUE(tree.SelectPath("/usr/lib/deep"));
    tree.setCurrentItem(Child(RootDrive(), "tmp"));
    ns.Remove(lib); // gone without a notification: the listing is stale
    changes.clear();

    EXPECT_FALSE(tree.SelectPath("/usr/lib"));
    // The drive forgot its stale listing and collapsed; the selection moved to the drive itself.
    TFolderNodeItem* drive = RootDrive();
    EXPECT_EQ(drive->childCount(), 0);
    EXPECT_FALSE(drive->isExpanded());
    EXPECT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(tree.SelectedPath(), "/");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes.back(), drive);
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());

    // The next lookup lists the drive afresh.
    EXPECT_EQ(tree.SelectPath("/usr/lib")->text(0).toStdString(), "usr");
}

TEST_F(FolderTreeTest, VanishedDesktopFolderRefreshesTheDesktopAndKeepsItsSpecialNodes) {
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin});
    TFolderNodeItem* drives = tree.DrivesNode();
    ASSERT_TRUE(tree.SelectPath("/home/tester/Desktop/Beta"));
    ns.Remove(beta);
    EXPECT_FALSE(tree.SelectPath("/home/tester/Desktop/Beta"));
    // Relisted and sorted: the special nodes first.
    EXPECT_THAT(Captions(tree.DesktopNode()),
                ::testing::ElementsAre("Computer", "Trash", ".hidden", "alpha", "Program Files"));
    EXPECT_EQ(tree.currentItem(), tree.DesktopNode());
    EXPECT_TRUE(tree.DesktopNode()->isExpanded());
    EXPECT_EQ(tree.DrivesNode(), drives);
}

TEST_F(FolderTreeTest, DoubleClickRetriesADriveThatListedEmpty) {
    ns.Remove(*ns.FindByPath("/media/usb/photos"));
    TFolderTree& tree = ActiveTree();
    TFolderNodeItem* drive = UsbDrive();
    drive->setExpanded(true); // an empty medium: the button goes
    EXPECT_FALSE(drive->isExpanded());
    ASSERT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    ns.AddFolder(usb, "new"); // another medium, without a notification

    tree.resize(400, 300);
    tree.show();
    tree.setCurrentItem(drive);
    const QRect rect = tree.visualItemRect(drive);
    ASSERT_TRUE(rect.isValid());
    // What a window system delivers for a double-click: press, release, double-click, release.
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, rect.center());
    // The double-click gave the drive its button back, so the tree view's own double-click expanded it.
    EXPECT_TRUE(drive->isExpanded());
    EXPECT_THAT(Captions(drive), ::testing::ElementsAre("new"));
}

TEST_F(FolderTreeTest, EndOfSessionStopsNotificationsOnlyWhenAllowed) {
    TFolderTree& tree = ActiveTree();
    bool allow = false;
    tree.OnEndSessionQuery = [&](TFolderTree&, bool& canEnd) { canEnd = canEnd && allow; };
    EXPECT_FALSE(tree.QueryEndSession());
    EXPECT_EQ(ns.Registrations(), 1u);
    allow = true;
    EXPECT_TRUE(tree.QueryEndSession()); // the handler is asked with true
    EXPECT_EQ(ns.Registrations(), 0u);
    EXPECT_TRUE(tree.DesktopNode());
}

} // namespace
