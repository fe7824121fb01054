// Many new folders join a listed folder in steps from the event loop: the order and the selection hold
// after every step, and later changes wait until every new folder has joined.
#include "FolderTreeFixture.h"
#include "WaitUntil.h"

#include <QCoreApplication>
#include <algorithm>
#include <string>

namespace {

// Sibling order by caption with a-z folded, as the tree sorts.
bool InOrder(const std::vector<std::string>& captions) {
    return std::is_sorted(captions.begin(), captions.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
}

class SlicedMergeTest : public FolderTreeTest {
protected:
    // /tmp listed and open with the selection on "keep", then `count` new folders made at once, more than
    // one step of the merge takes, and the changes lost, so that /tmp is listed afresh.
    void BurstInto(int count) {
        ns.AddFolder(tmp, "keep");
        ActiveTree().SetMergeSlice(0); // every step a slice of its own
        ASSERT_TRUE(tree->SelectPath("/tmp/keep"));
        tmpNode = tree->FindNode("/tmp", true);
        tmpNode->setExpanded(true);
        for (int i = 0; i < count; ++i)
            ns.AddFolder(tmp, (i % 2 ? "new " : "New ") + std::to_string(count - i));
        changes.clear();
        ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    }
    // One slice of the event loop at a time until some of the new folders have joined.
    bool StepUntilSomeJoined() {
        for (int slice = 0; slice < 100 && tmpNode->childCount() <= 1; ++slice)
            QCoreApplication::processEvents();
        return tmpNode->childCount() > 1;
    }
    TFolderNodeItem* tmpNode = nullptr;
};

TEST_F(SlicedMergeTest, OrderAndSelectionHoldAfterEveryStep) {
    const int count = 10000;
    BurstInto(count);
    QTreeWidgetItem* selected = tree->currentItem();
    ASSERT_EQ(TFolderTree::NodePath(selected), "/tmp/keep");
    int steps = 0;
    bool ordered = true;
    bool kept = true;
    std::vector<int> seen;
    while (tmpNode->childCount() < count + 1 && steps < 1000) {
        QCoreApplication::processEvents();
        ++steps;
        seen.push_back(tmpNode->childCount());
        ordered = ordered && InOrder(Captions(tmpNode));
        kept = kept && tree->currentItem() == selected;
    }
    EXPECT_EQ(tmpNode->childCount(), count + 1);
    EXPECT_TRUE(ordered) << "the order broke between two steps";
    EXPECT_TRUE(kept) << "the selection moved";
    EXPECT_TRUE(changes.empty());
    // The burst came in more than one slice, each adding some.
    EXPECT_GT(std::count_if(seen.begin(), seen.end(), [&](int n) { return n > 1 && n < count + 1; }), 1);
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
}

// A change heard while the merge is under way is applied after it, to the tree as the merge left it.
TEST_F(SlicedMergeTest, ChangesHeardMeanwhileWaitBehindTheMerge) {
    const int count = 10000;
    BurstInto(count);
    ASSERT_TRUE(StepUntilSomeJoined());
    ASSERT_LT(tmpNode->childCount(), count + 1) << "the merge was not sliced";
    const std::string gone = "/tmp/new " + std::to_string(count - 1);
    ns.Remove(*ns.FindByPath(gone));
    ns.Notify(platform::SHCNE_RMDIR, gone);
    ns.AddFolder(tmp, "zzz late");
    ns.Notify(platform::SHCNE_MKDIR, "/tmp/zzz late");

    ASSERT_TRUE(WaitUntil([&] { return Child(tmpNode, "zzz late") != nullptr; }));
    EXPECT_EQ(tmpNode->childCount(), count + 1); // one more, one less
    EXPECT_EQ(Child(tmpNode, "new " + std::to_string(count - 1)), nullptr);
    EXPECT_EQ(Captions(tmpNode).back(), "zzz late");
    EXPECT_TRUE(InOrder(Captions(tmpNode)));
    EXPECT_EQ(TFolderTree::NodePath(tree->currentItem()), "/tmp/keep");
}

// A lookup while the merge is under way finishes it first and finds the new folders.
TEST_F(SlicedMergeTest, ALookupMeanwhileFindsTheNewFolders) {
    BurstInto(10000);
    ASSERT_TRUE(StepUntilSomeJoined());
    const TFolderNodeItem* found = tree->FindNode("/tmp/New 2", true);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Node.Path, "/tmp/New 2");
    EXPECT_EQ(tmpNode->childCount(), 10001);
}

// Listing /tmp afresh keeps the very nodes of the folders still there, with their listing, expansion and
// the selection, drops the folders gone, and adds each new one once, in order.
TEST_F(SlicedMergeTest, ListingAfreshKeepsTheNodesStillThereAndDropsTheGone) {
    ns.AddFolder(ns.AddFolder(tmp, "open"), "inside");
    const Ns::Node gone = ns.AddFolder(tmp, "gone");
    ActiveTree().SetMergeSlice(0);
    ASSERT_TRUE(tree->SelectPath("/tmp/open/inside"));
    tmpNode = tree->FindNode("/tmp", true);
    TFolderNodeItem* open = tree->FindNode("/tmp/open", true);
    ASSERT_NE(open, nullptr);
    tmpNode->setExpanded(true);
    open->setExpanded(true);
    QTreeWidgetItem* inside = tree->currentItem();
    const int count = 3000;
    for (int i = 0; i < count; ++i)
        ns.AddFolder(tmp, "new " + std::to_string(i));
    ns.Remove(gone);
    changes.clear();
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});

    ASSERT_TRUE(WaitUntil([&] {
        return Child(tmpNode, "gone") == nullptr && tmpNode->childCount() == count + 1;
    })) << tmpNode->childCount()
        << " shown";
    EXPECT_EQ(tree->FindNode("/tmp/open", true), open);
    EXPECT_TRUE(open->isExpanded());
    EXPECT_EQ(Captions(open), std::vector<std::string>{"inside"});
    EXPECT_EQ(tree->currentItem(), inside);
    const std::vector<std::string> captions = Captions(tmpNode);
    EXPECT_TRUE(InOrder(captions));
    EXPECT_EQ(std::adjacent_find(captions.begin(), captions.end()), captions.end()) << "a folder shown twice";
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
}

} // namespace
