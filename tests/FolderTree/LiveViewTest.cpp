// The tree stays true and calm under changes whose order and timing are scripted: whole branches removed,
// renames, lost changes, mount points, folders that vanished unnoticed, and how deep or odd names show.
#include "FolderTreeFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

using ::testing::ElementsAre;

class FolderTreeLiveTest : public FolderTreeTest {
protected:
    // The tree shown at the window's size, with every row laid out.
    TFolderTree& ShownTree(QSize size = {425, 145}) {
        TFolderTree& shown = ActiveTree();
        shown.resize(size);
        shown.show();
        QApplication::processEvents();
        return shown;
    }
    void SendMouse(QEvent::Type type, QTreeWidgetItem* over) {
        const QPoint at = tree->visualItemRect(over).center();
        QMouseEvent event(type, at, tree->viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &event);
    }
};

TEST_F(FolderTreeLiveTest, BranchRemovedAboveTheSelectionMovesItOnceToTheNearestFolderLeft) {
    // Removal events arrive one per level, deepest first; only /tmp is left on disk.
    const auto a = ns.AddFolder(tmp, "a");
    ns.AddFolder(ns.AddFolder(ns.AddFolder(a, "b"), "c"), "d");
    ASSERT_TRUE(ActiveTree().SelectPath("/tmp/a/b/c/d"));
    TFolderNodeItem* tmpNode = Child(RootDrive(), "tmp");
    changes.clear();
    ns.Remove(a);
    for (const char* level : {"/tmp/a/b/c/d", "/tmp/a/b/c", "/tmp/a/b", "/tmp/a"})
        ns.Notify(platform::SHCNE_RMDIR, level);
    EXPECT_THAT(changes, ElementsAre(tmpNode));
    EXPECT_EQ(tree->SelectedPath(), "/tmp");
    EXPECT_EQ(tmpNode->childCount(), 0);
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
}

TEST_F(FolderTreeLiveTest, DesktopFoldersRemovedAboveTheSelectionMoveItOnceToTheDesktop) {
    const auto inner = ns.AddFolder(alpha, "inner");
    ASSERT_TRUE(ActiveTree().SelectPath("/home/tester/Desktop/alpha/inner"));
    changes.clear();
    ns.Remove(inner);
    ns.Remove(alpha);
    ns.Notify(platform::SHCNE_RMDIR, "/home/tester/Desktop/alpha/inner");
    ns.Notify(platform::SHCNE_RMDIR, "/home/tester/Desktop/alpha");
    EXPECT_THAT(changes, ElementsAre(tree->DesktopNode()));
}

TEST_F(FolderTreeLiveTest, RenamingTheOnlySubFolderKeepsItsParentOpen) {
    const auto renamed = ns.AddFolder(tmp, "renamed");
    ns.AddFolder(renamed, "inside");
    ASSERT_TRUE(ActiveTree().SelectPath("/tmp/renamed/inside"));
    TFolderNodeItem* tmpNode = Child(RootDrive(), "tmp");
    ASSERT_TRUE(tmpNode->isExpanded());
    changes.clear();

    ns.Rename(renamed, "renamed2");
    ns.Notify(platform::SHCNE_RENAMEFOLDER, "/tmp/renamed", "/tmp/renamed2");
    EXPECT_TRUE(tmpNode->isExpanded());
    EXPECT_THAT(Captions(tmpNode), ElementsAre("renamed2"));
    // The selection follows the folder it was in, once.
    EXPECT_EQ(tree->SelectedPath(), "/tmp/renamed2/inside");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.front(), tree->currentItem());
    EXPECT_TRUE(Child(tmpNode, "renamed2")->isExpanded());
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
}

TEST_F(FolderTreeLiveTest, LostChangesKeepTheSelectionAndMarkFoldedListingsForAFreshLook) {
    ASSERT_TRUE(ActiveTree().FindNode("/usr/lib/deep", false));
    ASSERT_TRUE(tree->SelectPath("/usr/share"));
    TFolderNodeItem* libNode = tree->FindNode("/usr/lib", true);
    ASSERT_TRUE(libNode);
    ASSERT_EQ(libNode->childCount(), 1); // listed on the way to deep, folded
    ASSERT_FALSE(libNode->isExpanded());
    TFolderNodeItem* shareNode = AsFolderNode(tree->currentItem());
    changes.clear();

    ns.AddFolder(usr, "bin");
    ns.AddFolder(lib, "more");
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    // The selected folder still exists: it stays selected, and the grid is not listed again for it.
    EXPECT_EQ(tree->currentItem(), shareNode);
    EXPECT_TRUE(changes.empty());
    EXPECT_THAT(Captions(shareNode->ParentNode()), ElementsAre("bin", "lib", "share"));

    // The folded listing is looked at afresh when opened, and when a lookup walks through it.
    libNode->setExpanded(true);
    EXPECT_THAT(Captions(libNode), ElementsAre("deep", "more"));
    ns.AddFolder(lib, "most");
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    libNode->setExpanded(false);
    ns.AddFolder(lib, "zeta");
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    EXPECT_EQ(tree->FindNode("/usr/lib/zeta", false)->Node.Path, "/usr/lib/zeta");
    EXPECT_TRUE(changes.empty());
}

TEST_F(FolderTreeLiveTest, MountPointRemovedGoesFromTheFolderThatHeldItToo) {
    const auto media = ns.AddFolder(root, "media");
    ns.AddFolder(media, "stick");
    ns.AddFolder(media, "other");
    ns.AddDrive("/media/stick", "STICK", true);
    ASSERT_TRUE(ActiveTree().SelectPath("/media"));
    TFolderNodeItem* mediaNode = AsFolderNode(tree->currentItem());
    ASSERT_EQ(mediaNode->Node.Path, "/media");
    mediaNode->setExpanded(true);
    ASSERT_THAT(Captions(mediaNode), ElementsAre("other", "stick"));

    // The folder goes before the mount table tells of the unmount: the drive is still known.
    ns.Remove(*ns.FindByPath("/media/stick"));
    ns.Notify(platform::SHCNE_RMDIR, "/media/stick");
    EXPECT_THAT(Captions(mediaNode), ElementsAre("other"));
}

TEST_F(FolderTreeLiveTest, DoubleClickOnAVanishedFolderSelectsNothingElse) {
    TFolderTree& shown = ShownTree({425, 600});
    ASSERT_TRUE(shown.SelectPath("/usr/lib"));
    QTreeWidgetItem* libNode = shown.currentItem();
    changes.clear();
    ns.Remove(lib); // unseen: no notification
    SendMouse(QEvent::MouseButtonDblClick, libNode);
    // The drive was repaired and holds the selection; the row that slid under the pointer was left alone.
    EXPECT_EQ(shown.currentItem(), RootDrive());
    EXPECT_THAT(changes, ElementsAre(RootDrive()));
}

TEST_F(FolderTreeLiveTest, PointingAtAFolderShowsTheButtonOfSubFoldersMadeUnseen) {
    TFolderTree& shown = ShownTree({425, 600});
    RootDrive()->setExpanded(true);
    TFolderNodeItem* tmpNode = Child(RootDrive(), "tmp");
    ASSERT_TRUE(tmpNode);
    QTreeWidgetItem* selected = shown.currentItem();
    ASSERT_EQ(tmpNode->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    // tmp was never listed, so no change reaches the tree.
    ns.AddFolder(tmp, "new");
    SendMouse(QEvent::MouseMove, tmpNode);
    EXPECT_EQ(tmpNode->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(tmpNode->childCount(), 0); // looked at, not listed
    EXPECT_EQ(shown.currentItem(), selected);
}

TEST_F(FolderTreeLiveTest, DeepSelectionIsScrolledIntoViewWithItsCaption) {
    auto level = ns.Desktop();
    std::string path = "/home/tester/Desktop";
    for (int i = 1; i <= 20; ++i) {
        level = ns.AddFolder(level, "level" + std::to_string(i));
        path += "/level" + std::to_string(i);
    }
    TFolderTree& shown = ShownTree();
    QTreeWidgetItem* node = shown.SelectPath(path);
    ASSERT_TRUE(node);
    QApplication::processEvents();
    const QRect caption = shown.visualItemRect(node);
    const int width = shown.viewport()->width();
    EXPECT_GT(shown.horizontalScrollBar()->maximum(), 0);
    EXPECT_GE(caption.left(), 0);
    EXPECT_LE(caption.right(), width); // the whole caption can be read
    EXPECT_GE(shown.columnWidth(0), caption.right() + shown.horizontalScrollBar()->value());
}

struct NameCase {
    const char* label;
    std::string name;
    std::string caption;
    bool tooltip;
};

void PrintTo(const NameCase& name, std::ostream* out) {
    *out << name.label;
}

class FolderTreeNameTest : public FolderTreeTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(FolderTreeNameTest, CaptionShowsEveryByteDistinctly) {
    ns.AddFolder(tmp, GetParam().name);
    TFolderNodeItem* node = ActiveTree().FindNode("/tmp/" + GetParam().name, false);
    ASSERT_TRUE(node);
    ASSERT_EQ(node->Node.DisplayName, GetParam().name);
    EXPECT_EQ(node->text(0).toStdString(), GetParam().caption);
    EXPECT_EQ(!node->toolTip(0).isEmpty(), GetParam().tooltip) << node->toolTip(0).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, FolderTreeNameTest,
                         ::testing::Values(NameCase{"Plain", "plain", "plain", false},
                                           NameCase{"LatinOneE8", "caf\xe8", "caf\\xE8", true},
                                           NameCase{"LatinOneE9", "caf\xe9", "caf\\xE9", true},
                                           NameCase{"LineFeed", "line\nfeed", "line\\nfeed", true},
                                           NameCase{"Accented", "caf\xc3\xa9", "caf\xc3\xa9", false},
                                           NameCase{"Long", std::string(80, 'x'), std::string(80, 'x'),
                                                    true}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace

namespace {

TEST(FolderImagesTest, LinkMarkIsAClearArrowAtTheBottomLeftOnly) {
    TFolderImages images(*QApplication::style());
    const QImage plain = images.Icon(platform::iconFolder, platform::iconFolder, -1).pixmap(16, 16).toImage();
    const QImage link = images.Icon(platform::iconFolder, platform::iconFolder, 1).pixmap(16, 16).toImage();
    ASSERT_EQ(link.size(), QSize(16, 16));
    int changedOutside = 0, white = 0, arrow = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor pixel = link.pixelColor(x, y);
            if (x >= 9 || y < 7) {
                changedOutside += pixel != plain.pixelColor(x, y) ? 1 : 0;
                continue;
            }
            white += pixel == Qt::white ? 1 : 0;
            arrow += pixel.blue() > 120 && pixel.red() < 100 ? 1 : 0;
        }
    EXPECT_EQ(changedOutside, 0);
    EXPECT_GE(white, 10);
    EXPECT_GE(arrow, 5);
    EXPECT_LT(link.pixelColor(0, 15).lightness(), 80); // the frame
}

} // namespace
