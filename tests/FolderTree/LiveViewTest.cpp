// The tree stays true and calm under changes whose order and timing are scripted: lost changes, mount
// points, folders that vanished unnoticed, and how deep or odd names show.
#include "FolderTreeFixture.h"
#include "RowNames.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

using rownames::PrintTo;

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

// Lost changes relist what is open; a folded folder that was listed is looked at afresh when opened, and
// when a lookup walks through it.
TEST_F(FolderTreeLiveTest, LostChangesMarkFoldedListingsForAFreshLook) {
    ASSERT_TRUE(ActiveTree().FindNode("/usr/lib/deep", false));
    TFolderNodeItem* libNode = tree->FindNode("/usr/lib", true);
    ASSERT_FALSE(libNode->isExpanded());
    changes.clear();

    ns.AddFolder(lib, "more");
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
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
                         ::testing::Values(NameCase{"LatinOneE8", "caf\xe8", "caf\\xE8", true},
                                           NameCase{"LineFeed", "line\nfeed", "line\\nfeed", true},
                                           NameCase{"Accented", "caf\xc3\xa9", "caf\xc3\xa9", false},
                                           NameCase{"Long", std::string(80, 'x'), std::string(80, 'x'),
                                                    true}),
                         rownames::RowLabel());

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
