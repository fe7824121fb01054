#include "FolderTreeFixture.h"

namespace {

using ::testing::ElementsAre;

class FolderTreeNotifyTest : public FolderTreeTest {
protected:
    // The root drive with /usr listed and expanded, and /usr/lib listed.
    TFolderNodeItem* OpenUsr() {
        ActiveTree().FindNode("/usr/lib/deep", false);
        TFolderNodeItem* usrNode = Child(RootDrive(), "usr");
        usrNode->setExpanded(true);
        return usrNode;
    }
    void MakeDir(Ns::Node parent, const std::string& name, const std::string& path) {
        ns.AddFolder(parent, name);
        ns.Notify(platform::SHCNE_MKDIR, path);
    }
    void RemoveDir(const std::string& path) {
        ns.Remove(*ns.FindByPath(path));
        ns.Notify(platform::SHCNE_RMDIR, path);
    }
};

TEST_F(FolderTreeNotifyTest, CreatedFolderJoinsSortedAndTheParentStaysOpen) {
    TFolderNodeItem* usrNode = OpenUsr();
    TFolderNodeItem* libNode = Child(usrNode, "lib");
    tree->setCurrentItem(libNode);
    changes.clear();

    MakeDir(usr, "Bin", "/usr/Bin");
    MakeDir(usr, "Man", "/usr/Man");
    ns.AddFolder(usr, "zz");
    ns.Notify(platform::SHCNE_MKDIR | platform::SHCNE_INTERRUPT, "/usr/zz");

    EXPECT_THAT(Captions(usrNode), ElementsAre("Bin", "lib", "Man", "share", "zz"));
    EXPECT_TRUE(usrNode->isExpanded());
    // The siblings keep their listing and the selection stays where it was.
    EXPECT_EQ(Child(usrNode, "lib"), libNode);
    EXPECT_EQ(libNode->childCount(), 1);
    EXPECT_EQ(tree->currentItem(), libNode);
    EXPECT_TRUE(changes.empty());

    // On the desktop a new folder joins among the special nodes, which stay as they are.
    tree->SetFolderOptions({foRecycleBin});
    TFolderNodeItem* drives = tree->DrivesNode();
    MakeDir(ns.Desktop(), "Gamma", "/home/tester/Desktop/Gamma");
    EXPECT_THAT(Captions(tree->DesktopNode()),
                ElementsAre("Computer", ".hidden", "alpha", "Beta", "Gamma", "Program Files", "Trash"));
    EXPECT_EQ(tree->DrivesNode(), drives);
    EXPECT_TRUE(drives->isExpanded());
}

TEST_F(FolderTreeNotifyTest, ChangesThatCannotBePlacedChangeNothing) {
    TFolderNodeItem* usrNode = OpenUsr();
    QTreeWidgetItem* deep = tree->SelectPath("/usr/lib/deep");
    changes.clear();
    ns.Remove(ns.AddFolder(usr, "scratch")); // gone before its creation arrives
    ns.Notify(platform::SHCNE_MKDIR, "/usr/scratch");
    ns.Notify(platform::SHCNE_MKDIR, "/usr/lib/deep/gone/deeper");
    ns.Notify(platform::SHCNE_MKDIR, "\\\\server\\docs\\x");
    ns.Notify(platform::SHCNE_RMDIR, "/nowhere/at/all");
    ns.Notify(platform::SHCNE_MKDIR, platform::IdList{});
    EXPECT_THAT(Captions(usrNode), ElementsAre("lib", "share"));
    EXPECT_EQ(tree->currentItem(), deep);
    EXPECT_TRUE(changes.empty());
}

TEST_F(FolderTreeNotifyTest, ChangeBelowAFolderNeverListedChangesNothingButACreationListsTheWay) {
    ActiveTree();
    RootDrive()->setExpanded(true);
    const std::size_t records = tree->LiveRecords();
    RemoveDir("/usr/lib/deep");
    ns.Notify(platform::SHCNE_RENAMEFOLDER, "/usr/share", "/usr/shared");
    EXPECT_EQ(tree->LiveRecords(), records);
    EXPECT_EQ(ns.Enumerations(lib), 0);

    TFolderNodeItem* tmpNode = Child(RootDrive(), "tmp");
    MakeDir(tmp, "new", "/tmp/new");
    EXPECT_THAT(Captions(tmpNode), ElementsAre("new"));
    EXPECT_FALSE(tmpNode->isExpanded());
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
}

TEST_F(FolderTreeNotifyTest, RemovedFolderDisappearsAndTakesTheSelectionUp) {
    TFolderNodeItem* usrNode = OpenUsr();
    ASSERT_TRUE(tree->SelectPath("/usr/lib/deep"));
    changes.clear();
    RemoveDir("/usr/share");
    EXPECT_THAT(Captions(usrNode), ElementsAre("lib"));
    EXPECT_TRUE(usrNode->isExpanded());
    EXPECT_TRUE(changes.empty());

    // The last sub-folder gone, with the selection inside it: no expand button, not expanded.
    RemoveDir("/usr/lib");
    EXPECT_EQ(usrNode->childCount(), 0);
    EXPECT_FALSE(usrNode->isExpanded());
    EXPECT_EQ(usrNode->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    EXPECT_EQ(tree->SelectedPath(), "/usr");
    EXPECT_THAT(changes, ElementsAre(usrNode));
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
    EXPECT_EQ(ns.LiveBlocks(), 0u);
}

TEST_F(FolderTreeNotifyTest, RenamedOrMovedFolderShowsUnderItsNewPath) {
    TFolderNodeItem* usrNode = OpenUsr();
    ns.Rename(lib, "lib64");
    ns.Notify(platform::SHCNE_RENAMEFOLDER, "/usr/lib", "/usr/lib64");
    EXPECT_THAT(Captions(usrNode), ElementsAre("lib64", "share"));
    EXPECT_EQ(tree->FindNode("/usr/lib64/deep", false)->Node.Path, "/usr/lib64/deep");

    // Into another listed folder.
    TFolderNodeItem* tmpNode = Child(RootDrive(), "tmp");
    ns.AddFolder(tmp, "keep");
    tmpNode->setExpanded(true);
    ns.Remove(*ns.FindByPath("/usr/share"));
    ns.AddFolder(tmp, "share");
    ns.Notify(platform::SHCNE_RENAMEFOLDER, "/usr/share", "/tmp/share");
    EXPECT_THAT(Captions(usrNode), ElementsAre("lib64"));
    EXPECT_THAT(Captions(tmpNode), ElementsAre("keep", "share"));
}

TEST_F(FolderTreeNotifyTest, DesktopFolderOpenBelowItsDriveFollowsToo) {
    // The desktop folder also lies on the root drive, where the user may have opened it.
    const auto onDrive = ns.AddFolder(ns.AddFolder(ns.AddFolder(root, "home"), "tester"), "Desktop");
    ns.AddFolder(onDrive, "alpha");
    TFolderTree& tree = ActiveTree();
    // Looked for through the desktop, its folders are not listed on the drive.
    QTreeWidgetItem* onDesktop = tree.SelectPath("/home/tester/Desktop/alpha");
    ASSERT_TRUE(onDesktop);
    EXPECT_EQ(onDesktop->parent(), tree.DesktopNode());
    EXPECT_EQ(RootDrive()->childCount(), 0);
    TFolderNodeItem* driveView = tree.FindNodeFrom("/home/tester/Desktop/alpha", false, false)->ParentNode();
    ASSERT_EQ(driveView->Node.Path, "/home/tester/Desktop");
    ASSERT_NE(driveView, tree.DesktopNode());

    ns.AddFolder(onDrive, "Gamma"); // the same folder, as the drive sees it
    MakeDir(ns.Desktop(), "Gamma", "/home/tester/Desktop/Gamma");
    EXPECT_TRUE(Child(tree.DesktopNode(), "Gamma"));
    EXPECT_THAT(Captions(driveView), ElementsAre("alpha", "Gamma"));

    RemoveDir("/home/tester/Desktop/alpha");
    EXPECT_FALSE(Child(tree.DesktopNode(), "alpha"));
    EXPECT_THAT(Captions(driveView), ElementsAre("Gamma"));
}

TEST_F(FolderTreeNotifyTest, MediaComeAndGo) {
    ActiveTree();
    TFolderNodeItem* drive = UsbDrive();
    ASSERT_TRUE(tree->SelectPath("/media/usb/photos"));
    changes.clear();
    // A medium under the same name leaves the drive open, a new drive joins without disturbing the others.
    ns.Notify(platform::SHCNE_MEDIAINSERTED, "/media/usb");
    ns.AddDrive("/media/cam", "CAM", true);
    ns.Notify(platform::SHCNE_MEDIAINSERTED, "/media/cam");
    EXPECT_THAT(Captions(tree->DrivesNode()), ElementsAre("File System", "USB", "CAM"));
    EXPECT_TRUE(drive->isExpanded());
    EXPECT_TRUE(changes.empty());

    // A medium with a new label collapses and renames the drive, taking the selection up.
    ns.SetName(usb, platform::SHGDN_NORMAL, "BACKUP");
    ns.Notify(platform::SHCNE_MEDIAINSERTED, "/media/usb");
    EXPECT_EQ(drive->text(0).toStdString(), "BACKUP");
    EXPECT_FALSE(drive->isExpanded());
    EXPECT_EQ(drive->childCount(), 0);
    EXPECT_EQ(drive->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_THAT(changes, ElementsAre(drive));

    changes.clear();
    ns.Remove(usb);
    ns.Notify(platform::SHCNE_MEDIAREMOVED, "/media/usb");
    EXPECT_THAT(Captions(tree->DrivesNode()), ElementsAre("File System", "CAM"));
    EXPECT_THAT(changes, ElementsAre(tree->DrivesNode()));
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
    EXPECT_EQ(ns.LiveBlocks(), 0u);
}

TEST_F(FolderTreeNotifyTest, LostChangesRelistEveryOpenFolder) {
    Child(OpenUsr(), "lib")->setExpanded(true);
    ns.AddFolder(usr, "bin");
    ns.AddFolder(lib, "more");
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    TFolderNodeItem* fresh = Child(RootDrive(), "usr");
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->isExpanded());
    EXPECT_THAT(Captions(fresh), ElementsAre("bin", "lib", "share"));
    EXPECT_TRUE(Child(fresh, "lib")->isExpanded());
    EXPECT_THAT(Captions(Child(fresh, "lib")), ElementsAre("deep", "more"));
}

TEST_F(FolderTreeNotifyTest, ChangeHandlerMayTearTheTreeDown) {
    // Whoever hears OnChange may deactivate the tree while a removal is under way.
    TFolderNodeItem* usrNode = OpenUsr();
    ASSERT_TRUE(tree->SelectPath("/usr/lib/deep"));
    QObject::connect(tree.get(), &TFolderTree::OnChange, [&](QTreeWidgetItem* node) {
        if (node == usrNode)
            tree->SetActive(false);
    });
    RemoveDir("/usr/lib");
    EXPECT_FALSE(tree->Active());
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(tree->LiveRecords(), 0u);
    EXPECT_EQ(tree->currentItem(), nullptr);
}

TEST_F(FolderTreeNotifyTest, ChangeHandlerMayTearTheTreeDownWhileLostChangesAreRelisted) {
    Child(OpenUsr(), "lib")->setExpanded(true);
    ASSERT_TRUE(tree->SelectPath("/usr/lib/deep"));
    // /usr/lib went unseen: relisting /usr moves the selection out of it; the handler takes the whole tree
    // away.
    ns.Remove(lib);
    QObject::connect(tree.get(), &TFolderTree::OnChange, [&](QTreeWidgetItem*) { tree->SetActive(false); });
    ns.Notify(platform::SHCNE_UPDATEDIR, platform::IdList{});
    EXPECT_FALSE(tree->Active());
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(tree->LiveRecords(), 0u);
}

TEST_F(FolderTreeNotifyTest, NotificationDuringAChangeHandlerWaitsForTheTree) {
    // A handler of OnChange may run a nested event loop (a message box) in which the namespace delivers
    // changes; they must not pull nodes away under the operation that raised the event.
    TFolderNodeItem* usrNode = OpenUsr();
    bool delivered = false;
    QObject::connect(tree.get(), &TFolderTree::OnChange, [&](QTreeWidgetItem* node) {
        if (delivered || node != usrNode)
            return;
        delivered = true;
        RemoveDir("/usr/share");
        EXPECT_TRUE(Child(usrNode, "share")) << "handled too early";
    });
    ASSERT_TRUE(tree->SelectPath("/usr/lib/deep"));
    RemoveDir("/usr/lib"); // moves the selection to /usr: the handler runs
    EXPECT_TRUE(delivered);
    EXPECT_EQ(usrNode->childCount(), 0);
    EXPECT_EQ(tree->currentItem(), usrNode);
    EXPECT_EQ(tree->LiveRecords(), NodesInTree());
}

} // namespace
