#include "FolderTreeFixture.h"

#include <stdexcept>

namespace {

using ::testing::ElementsAre;

TEST_F(FolderTreeTest, ActivationBuildsTheFixedTop) {
    TFolderTree& tree = ActiveTree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    TFolderNodeItem* desktop = tree.DesktopNode();
    ASSERT_TRUE(desktop);
    EXPECT_EQ(desktop->Node.Kind, nkDesktop);
    EXPECT_EQ(desktop->Node.Path, "/home/tester/Desktop");
    EXPECT_EQ(desktop->text(0).toStdString(), "Desktop");
    EXPECT_FALSE(desktop->Node.HasParentNode);
    EXPECT_EQ(desktop->Node.IDListSize(), 0);
    EXPECT_EQ(desktop->Node.IDList.Terminated(), std::string(2, '\0'));
    EXPECT_TRUE(desktop->isExpanded());

    // The computer first, then the desktop's folders (hidden ones too) with a-z folded to A-Z.
    EXPECT_THAT(Captions(desktop), ElementsAre("Computer", ".hidden", "alpha", "Beta", "Program Files"));
    TFolderNodeItem* drives = tree.DrivesNode();
    ASSERT_TRUE(drives);
    EXPECT_EQ(drives->Node.Path, "");
    EXPECT_TRUE(drives->isExpanded());
    EXPECT_THAT(Captions(drives), ElementsAre("File System", "USB"));
    EXPECT_EQ(RootDrive()->Node.Path, "/");
    EXPECT_EQ(RootDrive()->Node.IDList, ns.AbsoluteList(root));
    EXPECT_TRUE(RootDrive()->Node.HasParentNode);

    // Nothing below is listed before it is expanded; the expand buttons come from the attributes.
    EXPECT_EQ(RootDrive()->childCount(), 0);
    EXPECT_EQ(Child(desktop, "Program Files")->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(Child(desktop, "alpha")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_EQ(ns.Enumerations(programFiles), 0);

    EXPECT_EQ(ns.Registrations(), 1u);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(ns.LiveBlocks(), 0u);
}

TEST_F(FolderTreeTest, ActivatingTwiceChangesNothingAndReactivationStartsCollapsed) {
    TFolderTree& tree = ActiveTree();
    TFolderNodeItem* desktop = tree.DesktopNode();
    tree.SetActive(true);
    EXPECT_EQ(tree.DesktopNode(), desktop);
    EXPECT_EQ(ns.Registrations(), 1u);

    RootDrive()->setExpanded(true);
    ASSERT_TRUE(RootDrive()->isExpanded());
    tree.SetActive(false);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.LiveRecords(), 0u);
    EXPECT_EQ(ns.Registrations(), 0u);

    tree.SetActive(true);
    EXPECT_TRUE(tree.DesktopNode()->isExpanded());
    EXPECT_TRUE(tree.DrivesNode()->isExpanded());
    EXPECT_FALSE(RootDrive()->isExpanded());
    EXPECT_EQ(RootDrive()->childCount(), 0);
}

TEST_F(FolderTreeTest, EveryRecordAndEveryListGoesWithTheTree) {
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin, foNetworkNeighborhood});
    ASSERT_TRUE(tree.SelectPath("/usr/lib/deep"));
    Child(tree.DesktopNode(), "Program Files")->setExpanded(true);
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());

    // Deleting a subtree frees the records of nodes never shown as well.
    const std::size_t before = tree.LiveRecords();
    const int usrNodes = 1 + 2 + 1; // usr, lib and share, deep
    delete Child(RootDrive(), "usr");
    EXPECT_EQ(tree.LiveRecords(), before - usrNodes);

    std::shared_ptr<const std::size_t> records = tree.RecordCounter();
    this->tree.reset();
    EXPECT_EQ(*records, 0u);
    EXPECT_EQ(ns.LiveBlocks(), 0u);
    EXPECT_EQ(ns.Registrations(), 0u);
}

TEST_F(FolderTreeTest, FailedRegistrationLeavesTheTreeBuilt) {
    ns.FailRegistration();
    try {
        Tree().SetActive(true);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Could not register SHChangeNotify");
    }
    EXPECT_TRUE(tree->Active());
    EXPECT_TRUE(tree->DesktopNode());
    EXPECT_TRUE(tree->DrivesNode());
}

TEST_F(FolderTreeTest, ExpandingAFolderWithoutSubfoldersTakesItsButtonAway) {
    ns.AddFolder(tmp, "x");
    TFolderTree& tree = ActiveTree();
    RootDrive()->setExpanded(true);
    TFolderNodeItem* tmpNode = Child(RootDrive(), "tmp");
    ASSERT_TRUE(tmpNode);
    ns.Remove(*ns.FindByPath("/tmp/x"));

    tmpNode->setExpanded(true);
    EXPECT_FALSE(tmpNode->isExpanded());
    EXPECT_EQ(tmpNode->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());
}

TEST_F(FolderTreeTest, RefusedExpansionKeepsTheButtonAndIsRetried) {
    ns.SetMediumPresent(usb, false);
    ActiveTree();
    TFolderNodeItem* drive = Child(tree->DrivesNode(), "USB");
    drive->setExpanded(true);
    EXPECT_FALSE(drive->isExpanded());
    EXPECT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

    ns.SetMediumPresent(usb, true);
    drive->setExpanded(true);
    EXPECT_TRUE(drive->isExpanded());
    EXPECT_THAT(Captions(drive), ElementsAre("photos"));
}

TEST_F(FolderTreeTest, UnboundFolderIsRefusedLikeAnEmptyDrive) {
    ns.FailBind(programFiles);
    ActiveTree();
    TFolderNodeItem* node = Child(tree->DesktopNode(), "Program Files");
    ASSERT_TRUE(node);
    EXPECT_FALSE(node->Node.ShellFolder);
    node->setExpanded(true);
    EXPECT_FALSE(node->isExpanded());
    EXPECT_EQ(node->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
}

TEST_F(FolderTreeTest, VirtualChildrenOnlyBelowTheNetwork) {
    testsupport::InMemoryShellNamespace::Item virtualItem;
    virtualItem.name = "Printers";
    ns.Add(programFiles, virtualItem);
    ns.FailAttributes(alpha); // unknown attributes count as virtual as well
    const auto member = ns.AddNetworkMember("server");
    ns.AddShare(member, "docs", "/mnt/docs");

    TFolderTree& tree = ActiveTree();
    EXPECT_FALSE(Child(tree.DesktopNode(), "alpha"));
    TFolderNodeItem* files = Child(tree.DesktopNode(), "Program Files");
    files->setExpanded(true);
    EXPECT_THAT(Captions(files), ElementsAre("Tools"));

    tree.SetFolderOptions({foNetworkNeighborhood});
    TFolderNodeItem* network = tree.NetworkNode();
    ASSERT_TRUE(network);
    EXPECT_EQ(network->Node.Path, "\\\\");
    network->setExpanded(true);
    TFolderNodeItem* server = Child(network, "server");
    ASSERT_TRUE(server);
    EXPECT_EQ(server->Node.Kind, nkNetworkItem);
    EXPECT_EQ(server->Node.Path, "\\\\server");
    server->setExpanded(true);
    TFolderNodeItem* share = Child(server, "docs");
    ASSERT_TRUE(share);
    EXPECT_EQ(TFolderTree::NodePath(server), "");
    EXPECT_EQ(TFolderTree::NodePath(share), "/mnt/docs");
}

struct OverlayCase {
    const char* label;
    std::uint32_t attributes;
    int overlay;
};

class OverlayTest : public FolderTreeTest, public ::testing::WithParamInterface<OverlayCase> {};

TEST_P(OverlayTest, ShareWinsOverLink) {
    ns.AddFolder(ns.Desktop(), "marked", GetParam().attributes);
    ActiveTree();
    TFolderNodeItem* node = Child(tree->DesktopNode(), "marked");
    ASSERT_TRUE(node);
    EXPECT_EQ(node->OverlayIndex, GetParam().overlay);
    EXPECT_FALSE(node->icon(0).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Overlays, OverlayTest,
    ::testing::Values(OverlayCase{"None", 0, -1}, OverlayCase{"Link", platform::SFGAO_LINK, 1},
                      OverlayCase{"Share", platform::SFGAO_SHARE, 0},
                      OverlayCase{"Both", platform::SFGAO_SHARE | platform::SFGAO_LINK, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FolderTreeTest, OptionsAddAndRemoveTheSpecialNodes) {
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin});
    TFolderNodeItem* bin = tree.RecycleBinNode();
    ASSERT_TRUE(bin);
    EXPECT_EQ(tree.DesktopNode()->child(tree.DesktopNode()->childCount() - 1), bin);
    EXPECT_EQ(bin->Node.Kind, nkRecycleBin);
    EXPECT_EQ(bin->text(0).toStdString(), "Trash");
    EXPECT_EQ(TFolderTree::NodePath(bin), "");

    tree.SetFolderOptions({foRecycleBin});
    EXPECT_EQ(tree.RecycleBinNode(), bin);

    tree.SetFolderOptions({});
    EXPECT_FALSE(tree.RecycleBinNode());
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());

    tree.SetFolderOptions({foVirtualFirst, foNetworkNeighborhood, foRecycleBin});
    EXPECT_EQ(Captions(tree.DesktopNode()).front(), "Network");
    EXPECT_EQ(tree.DesktopNode()->child(1), tree.RecycleBinNode());
}

TEST_F(FolderTreeTest, OptionsOfAnInactiveTreeApplyOnActivation) {
    Tree().SetFolderOptions({foRecycleBin});
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    tree->SetActive(true);
    EXPECT_TRUE(tree->RecycleBinNode());
    EXPECT_FALSE(tree->NetworkNode());
}

TEST_F(FolderTreeTest, MissingSpecialFoldersMakeNoNode) {
    ns.FailSpecialFolder(platform::CSIDL_BITBUCKET);
    ns.FailSpecialFolder(platform::CSIDL_DRIVES);
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin});
    EXPECT_FALSE(tree.RecycleBinNode());
    EXPECT_FALSE(tree.DrivesNode());
    EXPECT_THAT(Captions(tree.DesktopNode()), ElementsAre(".hidden", "alpha", "Beta", "Program Files"));
    EXPECT_FALSE(tree.SelectPath("/usr"));
}

TEST_F(FolderTreeTest, DisplayModeOfAnInactiveTreeWaitsForActivation) {
    Tree().SetDisplayMode(dmUppercase);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    tree->SetActive(true);
    EXPECT_THAT(Captions(tree->DesktopNode()),
                ElementsAre("COMPUTER", ".HIDDEN", "ALPHA", "BETA", "PROGRAM FILES"));
}

TEST_F(FolderTreeTest, DisplayModeOfAnActiveTreeReachesCollapsedNodes) {
    TFolderTree& tree = ActiveTree();
    ASSERT_TRUE(tree.SelectPath("/usr/lib"));
    TFolderNodeItem* drive = RootDrive();
    QTreeWidgetItem* usrNode = Child(drive, "usr");
    usrNode->setExpanded(false);
    tree.SetDisplayMode(dmLowercase);
    EXPECT_THAT(Captions(usrNode), ElementsAre("lib", "share"));
    EXPECT_EQ(drive->text(0).toStdString(), "file system");
    tree.SetDisplayMode(dmUppercase);
    EXPECT_THAT(Captions(usrNode), ElementsAre("LIB", "SHARE"));
    tree.SetDisplayMode(dmAsis);
    EXPECT_EQ(drive->text(0).toStdString(), "File System");
    // The stored names never change, only their captions.
    EXPECT_EQ(drive->Node.DisplayName, "File System");
}

TEST_F(FolderTreeTest, ClearChildrenKeepsTheSpecialNodes) {
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin, foNetworkNeighborhood});
    tree.ClearChildren(tree.DesktopNode());
    EXPECT_THAT(Captions(tree.DesktopNode()), ElementsAre("Computer", "Trash", "Network"));
    EXPECT_EQ(tree.DesktopNode()->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());
}

TEST_F(FolderTreeTest, NamesThatAreNotUtf8KeepTheirBytes) {
    const std::string raw = "caf\xE9";
    ns.AddFolder(ns.Desktop(), raw);
    ActiveTree();
    TFolderNodeItem* node = nullptr;
    for (int i = 0; i < tree->DesktopNode()->childCount(); ++i)
        if (tree->DesktopNode()->ChildNode(i)->Node.DisplayName == raw)
            node = tree->DesktopNode()->ChildNode(i);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->Node.Path, "/home/tester/Desktop/" + raw);
    EXPECT_EQ(node->text(0), QString::fromUtf8(raw));
    EXPECT_EQ(tree->SelectPath("/home/tester/Desktop/" + raw), node);
}

} // namespace
