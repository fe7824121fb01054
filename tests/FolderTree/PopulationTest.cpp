#include "FolderTreeFixture.h"

#include <stdexcept>

namespace {

using ::testing::ElementsAre;

TEST_F(FolderTreeTest, ActivationBuildsTheFixedTopAndDeactivationTearsItDown) {
    TFolderTree& tree = ActiveTree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    TFolderNodeItem* desktop = tree.DesktopNode();
    EXPECT_TRUE(desktop->isExpanded());
    // The computer first, then the desktop's folders (hidden ones too) with a-z folded to A-Z.
    EXPECT_THAT(Captions(desktop), ElementsAre("Computer", ".hidden", "alpha", "Beta", "Program Files"));
    EXPECT_TRUE(tree.DrivesNode()->isExpanded());
    EXPECT_THAT(Captions(tree.DrivesNode()), ElementsAre("File System", "USB"));
    EXPECT_EQ(RootDrive()->Node.IDList, ns.AbsoluteList(root));

    // Nothing below is listed before it is expanded; the expand buttons come from the attributes.
    EXPECT_EQ(RootDrive()->childCount(), 0);
    EXPECT_EQ(Child(desktop, "Program Files")->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(Child(desktop, "alpha")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_EQ(ns.Enumerations(programFiles), 0);
    EXPECT_TRUE(changes.empty());

    // Activating twice changes nothing; deactivation frees everything and a new activation starts collapsed.
    tree.SetActive(true);
    EXPECT_EQ(tree.DesktopNode(), desktop);
    EXPECT_EQ(ns.Registrations(), 1u);

    RootDrive()->setExpanded(true);
    tree.SetActive(false);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.LiveRecords(), 0u);
    EXPECT_EQ(ns.Registrations(), 0u);

    tree.SetActive(true);
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
    delete Child(RootDrive(), "usr"); // usr, lib, share, deep
    EXPECT_EQ(tree.LiveRecords(), before - 4);

    std::shared_ptr<const std::size_t> records = tree.RecordCounter();
    this->tree.reset();
    EXPECT_EQ(*records, 0u);
    EXPECT_EQ(ns.LiveBlocks(), 0u);
    EXPECT_EQ(ns.Registrations(), 0u);
}

TEST_F(FolderTreeTest, FailedRegistrationLeavesTheTreeBuilt) {
    ns.FailRegistration();
    EXPECT_THAT([&] { Tree().SetActive(true); }, ::testing::ThrowsMessage<std::runtime_error>(
                                                     ::testing::StrEq("Could not register SHChangeNotify")));
    EXPECT_TRUE(tree->Active());
    EXPECT_TRUE(tree->DrivesNode());
}

TEST_F(FolderTreeTest, RefusedExpansionKeepsTheButtonAndIsRetried) {
    ns.SetMediumPresent(usb, false);
    ns.FailBind(programFiles);
    ActiveTree();
    for (TFolderNodeItem* node : {UsbDrive(), Child(tree->DesktopNode(), "Program Files")}) {
        node->setExpanded(true);
        EXPECT_FALSE(node->isExpanded()) << node->text(0).toStdString();
        EXPECT_EQ(node->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    }

    ns.SetMediumPresent(usb, true);
    UsbDrive()->setExpanded(true);
    EXPECT_TRUE(UsbDrive()->isExpanded());
    EXPECT_THAT(Captions(UsbDrive()), ElementsAre("photos"));
}

TEST_F(FolderTreeTest, VirtualChildrenOnlyBelowTheNetwork) {
    Ns::Item printers;
    printers.name = "Printers";
    ns.Add(programFiles, printers);
    ns.FailAttributes(alpha); // unknown attributes count as virtual as well
    ns.AddShare(ns.AddNetworkMember("server"), "docs", "/mnt/docs");

    TFolderTree& tree = ActiveTree();
    EXPECT_FALSE(Child(tree.DesktopNode(), "alpha"));
    TFolderNodeItem* files = Child(tree.DesktopNode(), "Program Files");
    files->setExpanded(true);
    EXPECT_THAT(Captions(files), ElementsAre("Tools"));

    // Network paths are found through the network node.
    tree.SetFolderOptions({foNetworkNeighborhood});
    TFolderNodeItem* server = AsFolderNode(tree.SelectPath("\\\\server\\"));
    ASSERT_TRUE(server);
    EXPECT_EQ(server->Node.Kind, nkNetworkItem);
    EXPECT_EQ(tree.SelectedPath(), "");
    server->setExpanded(true);
    ASSERT_TRUE(Child(server, "docs"));
    EXPECT_EQ(TFolderTree::NodePath(Child(server, "docs")), "/mnt/docs");
    EXPECT_EQ(tree.SelectPath("\\\\"), tree.NetworkNode());
}

TEST_F(FolderTreeTest, ShareOverlayWinsOverLink) {
    ns.AddFolder(ns.Desktop(), "link", platform::SFGAO_LINK);
    ns.AddFolder(ns.Desktop(), "both", platform::SFGAO_SHARE | platform::SFGAO_LINK);
    TFolderNodeItem* desktop = ActiveTree().DesktopNode();
    EXPECT_EQ(Child(desktop, "alpha")->OverlayIndex, -1);
    EXPECT_EQ(Child(desktop, "link")->OverlayIndex, 1);
    EXPECT_EQ(Child(desktop, "both")->OverlayIndex, 0);
    EXPECT_FALSE(Child(desktop, "both")->icon(0).isNull());
}

TEST_F(FolderTreeTest, OptionsAddAndRemoveTheSpecialNodes) {
    Tree().SetFolderOptions({foRecycleBin}); // an inactive tree applies them on activation
    TFolderTree& tree = ActiveTree();
    TFolderNodeItem* bin = tree.RecycleBinNode();
    ASSERT_TRUE(bin);
    EXPECT_FALSE(tree.NetworkNode());
    EXPECT_EQ(tree.DesktopNode()->child(tree.DesktopNode()->childCount() - 1), bin);
    EXPECT_EQ(bin->text(0).toStdString(), "Trash");

    tree.SetFolderOptions({foRecycleBin});
    EXPECT_EQ(tree.RecycleBinNode(), bin);

    tree.SetFolderOptions({});
    EXPECT_FALSE(tree.RecycleBinNode());
    EXPECT_EQ(tree.LiveRecords(), NodesInTree());

    tree.SetFolderOptions({foVirtualFirst, foNetworkNeighborhood, foRecycleBin});
    EXPECT_EQ(Captions(tree.DesktopNode()).front(), "Network");
    EXPECT_EQ(tree.DesktopNode()->child(1), tree.RecycleBinNode());
}

TEST_F(FolderTreeTest, MissingSpecialFoldersMakeNoNode) {
    ns.FailSpecialFolder(platform::CSIDL_BITBUCKET);
    ns.FailSpecialFolder(platform::CSIDL_DRIVES);
    TFolderTree& tree = ActiveTree();
    tree.SetFolderOptions({foRecycleBin});
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
    tree.SetDisplayMode(dmAsis);
    // The stored names never change, only their captions.
    EXPECT_EQ(drive->text(0).toStdString(), "File System");
}

TEST_F(FolderTreeTest, NamesThatAreNotUtf8KeepTheirBytes) {
    const std::string path = "/home/tester/Desktop/caf\xE9";
    ns.AddFolder(ns.Desktop(), "caf\xE9");
    TFolderNodeItem* node = AsFolderNode(ActiveTree().SelectPath(path));
    ASSERT_TRUE(node);
    EXPECT_EQ(node->parent(), tree->DesktopNode());
    EXPECT_EQ(node->Node.Path, path);
    EXPECT_EQ(node->Node.DisplayName, "caf\xE9");
}

} // namespace
