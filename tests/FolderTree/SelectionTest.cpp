#include "FolderTreeFixture.h"

#include <QTest>

namespace {

struct SelectCase {
    const char* label;
    const char* path;
    const char* selectedPath; // what SelectedPath reads afterwards
};

class SelectPathTest : public FolderTreeTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectPathTest, FindsTheFolderAndRevealsIt) {
    TFolderTree& tree = ActiveTree();
    QTreeWidgetItem* node = tree.SelectPath(GetParam().path);
    ASSERT_TRUE(node);
    EXPECT_EQ(tree.currentItem(), node);
    EXPECT_TRUE(node->isSelected());
    EXPECT_EQ(tree.SelectedPath(), GetParam().selectedPath);
    for (QTreeWidgetItem* walk = node->parent(); walk; walk = walk->parent())
        EXPECT_TRUE(walk->isExpanded()) << walk->text(0).toStdString();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.front(), node);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SelectPathTest,
    ::testing::Values(SelectCase{"Plain", "/usr/lib", "/usr/lib"},
                      SelectCase{"TrailingSeparator", "/usr/lib/", "/usr/lib"},
                      SelectCase{"DoubledSeparator", "/usr//lib", "/usr/lib"},
                      SelectCase{"RootDrive", "/", "/"},
                      SelectCase{"OtherDriveRoot", "/media/usb/", "/media/usb"},
                      SelectCase{"LongestMountPointWins", "/media/usb/photos", "/media/usb/photos"},
                      SelectCase{"Desktop", "/home/tester/Desktop", "/home/tester/Desktop"},
                      SelectCase{"BelowTheDesktop", "/home/tester/Desktop/Program Files/Tools",
                                 "/home/tester/Desktop/Program Files/Tools"},
                      SelectCase{"DeletedFolderSelectsDeepestAncestor", "/usr/lib/gone/deeper", "/usr/lib"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FolderTreeTest, DesktopFoldersAreFoundThroughTheDesktop) {
    // The desktop folder also lies on the root drive; its folders must not be looked for there.
    const auto home = ns.AddFolder(root, "home");
    const auto tester = ns.AddFolder(home, "tester");
    ns.AddFolder(tester, "Desktop");
    TFolderTree& tree = ActiveTree();
    QTreeWidgetItem* node = tree.SelectPath("/home/tester/Desktop/alpha");
    ASSERT_TRUE(node);
    EXPECT_EQ(node->parent(), tree.DesktopNode());
    EXPECT_EQ(RootDrive()->childCount(), 0);
}

struct UnplacedCase {
    const char* label;
    const char* path;
};

class UnplacedPathTest : public FolderTreeTest, public ::testing::WithParamInterface<UnplacedCase> {};

TEST_P(UnplacedPathTest, ClearsTheSelection) {
    TFolderTree& tree = ActiveTree();
    QTreeWidgetItem* before = tree.SelectPath("/usr");
    ASSERT_TRUE(before);
    EXPECT_FALSE(tree.SelectPath(GetParam().path));
    EXPECT_FALSE(tree.currentItem());
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    EXPECT_EQ(tree.SelectedPath(), "");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes.back(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Paths, UnplacedPathTest,
                         ::testing::Values(UnplacedCase{"Empty", ""}, UnplacedCase{"Relative", "usr/lib"},
                                           UnplacedCase{"DriveLetter", "c:\\"},
                                           UnplacedCase{"NetworkHidden", "\\\\server\\docs"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(SelectPathWithoutRootDriveTest, PathOnADriveNotListedIsNotPlaced) {
    testsupport::InMemoryShellNamespace ns("/home/tester/Desktop");
    ns.AddDrive("/media/usb", "USB");
    TFolderTree tree(ns);
    tree.SetActive(true);
    EXPECT_FALSE(tree.SelectPath("/usr/lib"));
    EXPECT_FALSE(tree.currentItem());
    EXPECT_TRUE(tree.SelectPath("/media/usb"));
}

TEST_F(FolderTreeTest, NetworkPathsGoThroughTheNetworkNode) {
    const auto member = ns.AddNetworkMember("server");
    ns.AddShare(member, "docs", "/mnt/docs");
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foNetworkNeighborhood});
    QTreeWidgetItem* node = tree.SelectPath("\\\\server\\");
    ASSERT_TRUE(node);
    EXPECT_EQ(AsFolderNode(node)->Node.Kind, nkNetworkItem);
    EXPECT_EQ(tree.SelectedPath(), "");
    EXPECT_EQ(tree.SelectPath("\\\\"), tree.NetworkNode());
}

TEST_F(FolderTreeTest, SelectingTheSameNodeAgainRaisesNoChange) {
    TFolderTree& tree = ActiveTree();
    QTreeWidgetItem* node = tree.SelectPath("/usr");
    EXPECT_EQ(tree.SelectPath("/usr/"), node);
    tree.setCurrentItem(node);
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(FolderTreeTest, NodesWithoutAFileSystemPathReadEmpty) {
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin, foNetworkNeighborhood});
    for (QTreeWidgetItem* node : {static_cast<QTreeWidgetItem*>(tree.DrivesNode()),
                                  static_cast<QTreeWidgetItem*>(tree.RecycleBinNode()),
                                  static_cast<QTreeWidgetItem*>(tree.NetworkNode())}) {
        tree.setCurrentItem(node);
        EXPECT_EQ(tree.SelectedPath(), "") << node->text(0).toStdString();
        EXPECT_EQ(changes.back(), node);
    }
    EXPECT_EQ(changes.size(), 3u);
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
    EXPECT_EQ(tree.currentItem(), drive);
    EXPECT_EQ(tree.SelectedPath(), "/");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes.back(), drive);
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());

    // The next lookup lists the drive afresh.
    EXPECT_EQ(tree.SelectPath("/usr/lib")->text(0).toStdString(), "usr");
}

TEST_F(FolderTreeTest, VanishedDesktopFolderRefreshesTheDesktop) {
    TFolderTree& tree = ActiveTree();
    ASSERT_TRUE(tree.SelectPath("/home/tester/Desktop/Beta"));
    ns.Remove(beta);
    EXPECT_FALSE(tree.SelectPath("/home/tester/Desktop/Beta"));
    EXPECT_FALSE(Child(tree.DesktopNode(), "Beta"));
    EXPECT_EQ(tree.currentItem(), tree.DesktopNode());
    EXPECT_TRUE(tree.DesktopNode()->isExpanded());
    EXPECT_EQ(Child(tree.DesktopNode(), "Computer"), tree.DrivesNode());
}

TEST_F(FolderTreeTest, DoubleClickRetriesADriveThatListedEmpty) {
    ns.Remove(*ns.FindByPath("/media/usb/photos"));
    TFolderTree& tree = ActiveTree();
    TFolderNodeItem* drive = Child(tree.DrivesNode(), "USB");
    drive->setExpanded(true); // an empty medium: the button goes
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
    EXPECT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_TRUE(drive->isExpanded());
    EXPECT_THAT(Captions(drive), ::testing::ElementsAre("new"));
}

TEST_F(FolderTreeTest, CheckSelectionLeavesAnExistingFolderAlone) {
    TFolderTree& tree = ActiveTree();
    QTreeWidgetItem* node = tree.SelectPath("/usr/lib");
    const std::size_t records = tree.LiveRecords();
    tree.CheckSelection();
    EXPECT_EQ(tree.currentItem(), node);
    EXPECT_EQ(tree.LiveRecords(), records);
}

TEST_F(FolderTreeTest, FindNodeWithExistingOnlyListsNothing) {
    TFolderTree& tree = ActiveTree();
    EXPECT_FALSE(tree.FindNode("/usr/lib", true));
    EXPECT_EQ(RootDrive()->childCount(), 0);
    EXPECT_EQ(tree.FindNode("/usr/lib", false)->Node.Path, "/usr/lib");
    EXPECT_EQ(tree.FindNode("/usr/lib", true)->Node.Path, "/usr/lib");
    EXPECT_FALSE(tree.FindNode("/usr/lib/none", true));
    EXPECT_FALSE(tree.currentItem());
}

TEST_F(FolderTreeTest, EndOfSessionStopsNotificationsWhenAllowed) {
    TFolderTree& tree = ActiveTree();
    int asked = 0;
    bool answer = false;
    tree.OnEndSessionQuery = [&](TFolderTree& sender, bool& canEnd) {
        EXPECT_EQ(&sender, &tree);
        EXPECT_TRUE(canEnd);
        canEnd = answer;
        ++asked;
    };
    EXPECT_FALSE(tree.QueryEndSession());
    EXPECT_EQ(ns.Registrations(), 1u);
    answer = true;
    EXPECT_TRUE(tree.QueryEndSession());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(ns.Registrations(), 0u);
    EXPECT_TRUE(tree.Active());
    EXPECT_TRUE(tree.DesktopNode());
}

} // namespace
