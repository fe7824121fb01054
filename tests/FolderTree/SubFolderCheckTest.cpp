// A sub-folder question that would read a whole folder (a million files) is answered off the
// user-interface thread: the node shows its expand button at once and settles when the answer comes.
#include "FolderTreeFixture.h"
#include "Gate.h"
#include "WaitUntil.h"

#include <memory>
#include <optional>
#include <string>

namespace {

constexpr const char* DesktopPath = "/home/tester/Desktop";

class SubFolderCheckTest : public FolderTreeTest {
protected:
    // The question about a desktop folder waits at the gate until the test releases it.
    Ns::Node PutOff(const std::string& name) {
        const Ns::Node node = *ns.FindByPath(std::string(DesktopPath) + "/" + name);
        ns.PutOffSubFolderCheck(node, gate);
        return node;
    }
    TFolderNodeItem* DesktopChild(const std::string& caption) { return Child(tree->DesktopNode(), caption); }
    static bool Settled(const TFolderNodeItem* node) { return node && !SubFolderChecks::Asked(*node); }
    // The tree did not wait for the check: it is held on another thread while the tree goes on.
    bool HeldElsewhere() {
        return WaitUntil([&] { return gate->Holding(); });
    }

    std::shared_ptr<fakes::Gate> gate = std::make_shared<fakes::Gate>();
};

struct SettleCase {
    const char* name;
    const char* folder;
    QTreeWidgetItem::ChildIndicatorPolicy settled;
};

class SubFolderAnswer : public SubFolderCheckTest, public ::testing::WithParamInterface<SettleCase> {};

TEST_P(SubFolderAnswer, ShowsTheButtonAtOnceAndSettlesOnTheAnswer) {
    const Ns::Node node = PutOff(GetParam().folder);
    ActiveTree();
    TFolderNodeItem* item = DesktopChild(GetParam().folder);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    ASSERT_TRUE(HeldElsewhere()) << "the check must run off the user-interface thread";
    EXPECT_FALSE(Settled(item));
    EXPECT_EQ(item->childCount(), 0);

    gate->Release();
    ASSERT_TRUE(WaitUntil([&] { return Settled(item); }));
    EXPECT_EQ(item->childIndicatorPolicy(), GetParam().settled);
    EXPECT_EQ(item->childCount(), 0) << "an answer lists nothing";
    EXPECT_EQ(ns.SubFolderChecks(node), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SubFolderAnswer,
    ::testing::Values(SettleCase{"WithoutSubFolders", "alpha", QTreeWidgetItem::DontShowIndicator},
                      SettleCase{"WithASubFolder", "Program Files", QTreeWidgetItem::ShowIndicator}),
    [](const ::testing::TestParamInfo<SettleCase>& info) { return std::string(info.param.name); });

// Questions are answered in the order asked; the answer for a node deleted meanwhile is dropped.
TEST_F(SubFolderCheckTest, TheAnswerForAFolderGoneMeanwhileIsDropped) {
    const Ns::Node gone = PutOff("alpha");
    PutOff("Beta");
    ActiveTree();
    ASSERT_TRUE(HeldElsewhere());
    const std::size_t records = tree->LiveRecords();
    ns.Remove(gone);
    ns.Notify(platform::SHCNE_RMDIR, std::string(DesktopPath) + "/alpha");
    ASSERT_EQ(DesktopChild("alpha"), nullptr);

    gate->Release();
    TFolderNodeItem* beta = DesktopChild("Beta");
    ASSERT_TRUE(WaitUntil([&] { return Settled(beta); }));
    EXPECT_EQ(beta->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_EQ(tree->LiveRecords(), records - 1);
    EXPECT_EQ(NodesInTree(), tree->LiveRecords());
}

// A folder expanded before the answer comes was told by its listing; the older answer changes nothing.
TEST_F(SubFolderCheckTest, AListingMeanwhileOutranksTheAnswer) {
    const Ns::Node alphaNode = PutOff("alpha"); // empty when asked: the answer will be "none"
    ActiveTree();
    ASSERT_TRUE(HeldElsewhere());
    ns.AddFolder(alphaNode, "made later");
    TFolderNodeItem* item = DesktopChild("alpha");
    item->setExpanded(true);
    ASSERT_THAT(Captions(item), ::testing::ElementsAre("made later"));

    gate->Release();
    ASSERT_TRUE(WaitUntil([&] { return Settled(item); }));
    EXPECT_TRUE(item->isExpanded());
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_THAT(Captions(item), ::testing::ElementsAre("made later"));
}

// Listing the parent afresh keeps the folder's node, which takes over the newer question.
TEST_F(SubFolderCheckTest, ARelistedParentKeepsTheNodeAndItsQuestion) {
    const Ns::Node node = PutOff("alpha");
    ActiveTree();
    TFolderNodeItem* item = DesktopChild("alpha");
    ASSERT_TRUE(HeldElsewhere());
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    ASSERT_EQ(DesktopChild("alpha"), item) << "the relisting replaced the node";
    EXPECT_EQ(ns.SubFolderChecks(node), 2);
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

    gate->Release();
    ASSERT_TRUE(WaitUntil([&] { return Settled(item); }));
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

// Pointing at a folder shown without a button looks again, and a large one is looked into off the thread.
TEST_F(SubFolderCheckTest, PointingAtAFolderLooksAgainOffTheThread) {
    ActiveTree();
    TFolderNodeItem* item = DesktopChild("alpha");
    ASSERT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    const Ns::Node node = PutOff("alpha");
    ns.AddFolder(node, "made later");

    emit tree->itemEntered(item, 0);
    ASSERT_TRUE(HeldElsewhere());
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator) << "no guess while asked";
    emit tree->itemEntered(item, 0);
    EXPECT_EQ(ns.SubFolderChecks(node), 1) << "a question already open is not asked twice";

    gate->Release();
    ASSERT_TRUE(WaitUntil([&] { return Settled(item); }));
    EXPECT_EQ(item->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
}

// A tree that goes while a check runs waits for it and leaves nothing behind.
TEST_F(SubFolderCheckTest, ATreeDestroyedDuringACheckWaitsForIt) {
    PutOff("alpha");
    ActiveTree();
    ASSERT_TRUE(HeldElsewhere());
    const auto records = tree->RecordCounter();
    gate->Release();
    tree.reset();
    EXPECT_EQ(*records, 0u);
}

// The window's file list reads the folder it lists in full and answers the tree's question about it, which
// then reads that folder no more: alpha's question waits aside. Beta and "Program Files" are asked the
// usual way, before and after alpha; once both are answered, a check of alpha sent to the worker would
// have come to its gate.
struct AnswerCase {
    const char* name;
    const char* answeredFolder;
    std::optional<bool> answer;
    bool settledAtOnce;
    QTreeWidgetItem::ChildIndicatorPolicy settled;
    int checksOfAlpha;
};

class AnswerFromElsewhere : public SubFolderCheckTest, public ::testing::WithParamInterface<AnswerCase> {
protected:
    std::string Path(const std::string& name) const { return std::string(DesktopPath) + "/" + name; }
    // Lets every check through and waits until the one asked last is answered.
    void AnswerTheRest() {
        gate->Release();
        alphaGate->Release();
        TFolderNodeItem* last = DesktopChild("Program Files");
        ASSERT_TRUE(WaitUntil([&] { return Settled(last) && Settled(DesktopChild("Beta")); }));
    }
    std::shared_ptr<fakes::Gate> alphaGate = std::make_shared<fakes::Gate>();
};

TEST_P(AnswerFromElsewhere, SettlesTheQuestionKeptAsideOrSendsItToTheWorker) {
    const AnswerCase& c = GetParam();
    PutOff("Beta");
    PutOff("Program Files");
    ns.PutOffSubFolderCheck(*ns.FindByPath(Path("alpha")), alphaGate);
    Tree().ExpectSubFolderAnswer(Path("alpha"));
    ActiveTree();
    TFolderNodeItem* alphaItem = DesktopChild("alpha");
    ASSERT_NE(alphaItem, nullptr);
    EXPECT_FALSE(Settled(alphaItem));

    tree->AnswerSubFolders(Path(c.answeredFolder), c.answer);
    EXPECT_EQ(Settled(alphaItem), c.settledAtOnce);
    AnswerTheRest();
    ASSERT_TRUE(WaitUntil([&] { return Settled(alphaItem); }));
    EXPECT_EQ(alphaItem->childIndicatorPolicy(), c.settled);
    EXPECT_EQ(alphaGate->Passes(), c.checksOfAlpha);
    // Beta's own question never waited aside: an answer naming it is not taken for its check's.
    EXPECT_EQ(DesktopChild("Beta")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
}

// "alpha" is empty: an answer of sub-folders can only have come from the answer.
INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerFromElsewhere,
    ::testing::Values(
        AnswerCase{"AnswerGiven", "alpha", true, true, QTreeWidgetItem::ShowIndicator, 0},
        AnswerCase{"NoAnswer", "alpha", std::nullopt, false, QTreeWidgetItem::DontShowIndicator, 1},
        AnswerCase{"AnswerAboutAnotherFolder", "Beta", true, false, QTreeWidgetItem::DontShowIndicator, 1}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

// A question asked before the answer was expected, still waiting for the worker, is taken aside as well.
TEST_F(AnswerFromElsewhere, AQuestionStillQueuedIsTakenAside) {
    PutOff("Beta");
    PutOff("Program Files");
    ns.PutOffSubFolderCheck(*ns.FindByPath(Path("alpha")), alphaGate);
    ActiveTree();
    ASSERT_TRUE(HeldElsewhere()) << "Beta's check, asked first, holds the worker";
    tree->ExpectSubFolderAnswer(Path("alpha"));
    tree->AnswerSubFolders(Path("alpha"), true);
    TFolderNodeItem* alphaItem = DesktopChild("alpha");
    EXPECT_TRUE(Settled(alphaItem));
    EXPECT_EQ(alphaItem->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    AnswerTheRest();
    EXPECT_EQ(alphaGate->Passes(), 0);
}

} // namespace
