// Work that runs long or ends badly: a Go with its progress dialog and Stop, a folder read with its
// indicator and Cancel, the window that stays alive meanwhile, and a folder that cannot be read after a Go.
#include "FormFixture.h"
#include "Gate.h"
#include "InMemoryShellNamespace.h"
#include "PausingWork.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <functional>

namespace {

class LongWork : public FormTest {
protected:
    // Ten files f01.txt .. f10.txt, listed by a window whose renames stop before the fourth until the
    // test lets them go, with f replaced by g.
    void OpenTenFiles() {
        held_.pauseAt = 4;
        renamer_ = &held_;
        OpenTenFilesToRename();
    }
    // Lists a.txt and b.txt and types a new name for a.txt; the folder "big" will be held while read.
    void OpenWithTypedName() {
        folder_.AddFolder("big");
        folder_.Write("big/c.txt", "x");
        held_.heldFolder = folder_.Sub("big");
        held_.shownRead = 12345;
        lister_ = &held_;
        OpenListing({"a.txt", "b.txt"});
        EditNewName(1, "typed.txt");
    }
    fakes::PausingFiles held_{files_, files_};

    // Runs `start` (clicking Go, or selecting "big"), and `whileHeld` from the window's own event loop
    // once the work is held with the widget `shownName` on the screen; fails the test when that has not come
    // about within five seconds. The gate is released in every case.
    void WhileHeld(const char* shownName, const std::function<void()>& start,
                   const std::function<void(QWidget& shown)>& whileHeld) {
        QDeadlineTimer deadline(5000);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            // The window may still be in the making when `start` opens it.
            auto* shown = form_ ? form_->findChild<QWidget*>(QLatin1String(shownName)) : nullptr;
            const bool ready = held_.gate.Holding() && shown && shown->isVisible();
            if (!ready && !deadline.hasExpired())
                return;
            poll.stop();
            if (ready)
                whileHeld(*shown);
            else
                ADD_FAILURE() << "the work was never held with " << shownName << " on the screen";
            held_.gate.Release();
        });
        poll.start(10);
        start();
        held_.gate.Release();
    }
};

TEST_F(LongWork, StopHalfwayKeepsWhatWasDoneListsAgainAndSaysSo) {
    OpenTenFiles();
    QString shown;
    bool goLocked = false;
    WhileHeld(
        names::dlgProgress, [this] { Click(names::btnGo); },
        [&](QWidget& progress) {
            shown = progress.findChild<QLabel*>()->text();
            goLocked = !Find(names::btnGo)->isEnabled() && !Grid()->isEnabled();
            // Undo of the last Go waits for this one to end: it does nothing now.
            form_->findChild<QAction*>(QLatin1String(names::actUndoGo))->trigger();
            QTest::keyClick(&progress, Qt::Key_Escape);
        });
    EXPECT_EQ(shown, QStringLiteral("Renaming 3 of 10"));
    EXPECT_TRUE(goLocked) << "Go and the grid must be locked while the batch runs";
    // The rename in flight when Stop came is done; the batch ends before the next.
    const std::vector<std::string> left{"f05.txt", "f06.txt", "f07.txt", "f08.txt", "f09.txt",
                                        "f10.txt", "g01.txt", "g02.txt", "g03.txt", "g04.txt"};
    EXPECT_EQ(OnDisk(), std::set<std::string>(left.begin(), left.end()));
    EXPECT_EQ(OldNames(), left);
    EXPECT_EQ(NewNames(), std::vector<std::string>(10, ""));
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"Renaming stopped. Files renamed: 4. Files left as they were: 6."});
    EXPECT_TRUE(Find(names::btnGo)->isEnabled());
    EXPECT_FALSE(Find(names::btnCopy)->isEnabled()) << "a field its mode disables stays disabled";
}

// An undo renames back on the worker thread as Go renames: the window's event loop goes on, the progress
// dialog counts the renames back, and Stop leaves the rest for the next undo.
TEST_F(LongWork, UndoRunsLikeGoWithItsProgressAndStop) {
    OpenTenFiles();
    held_.pauseAt = 14; // the Go's ten renames go through; the undo's fourth is held
    Click(names::btnGo);
    ASSERT_EQ(OnDisk().count("g10.txt"), 1u);
    dialogs_.answers = {true, true};
    QString shown;
    bool goLocked = false;
    WhileHeld(
        names::dlgProgress,
        [this] { form_->findChild<QAction*>(QLatin1String(names::actUndoGo))->trigger(); },
        [&](QWidget& progress) {
            shown = progress.findChild<QLabel*>()->text();
            goLocked = !Find(names::btnGo)->isEnabled() && !Grid()->isEnabled();
            QTest::keyClick(&progress, Qt::Key_Escape);
        });
    EXPECT_EQ(shown, QStringLiteral("Renaming 3 of 10 back"));
    EXPECT_TRUE(goLocked) << "Go and the grid must be locked while the undo runs";
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"Undo stopped. Files renamed back: 4. Files left as they were: 6."});
    EXPECT_EQ(OnDisk().count("f10.txt"), 1u) << "the undo goes from the last rename to the first";
    EXPECT_EQ(OnDisk().count("g06.txt"), 1u);
    EXPECT_TRUE(Find(names::btnGo)->isEnabled());

    dialogs_.Clear();
    form_->findChild<QAction*>(QLatin1String(names::actUndoGo))->trigger();
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].rfind("Undo the renaming of 6 files in ", 0), 0u)
        << dialogs_.questions[0];
    EXPECT_TRUE(dialogs_.messages.empty());
    std::set<std::string> before;
    for (int i = 1; i <= 10; ++i)
        before.insert((i < 10 ? "f0" : "f") + std::to_string(i) + ".txt");
    EXPECT_EQ(OnDisk(), before);
}

TEST_F(LongWork, AFolderSelectedWhileTheBatchRunsIsListedAfterIt) {
    folder_.AddFolder("other");
    folder_.Write("other/o.txt", "x");
    OpenTenFiles();
    bool listedMeanwhile = true;
    WhileHeld(
        names::dlgProgress, [this] { Click(names::btnGo); },
        [&](QWidget&) {
            SelectFolder(folder_.Sub("other"));
            listedMeanwhile = OldNames() == std::vector<std::string>{"o.txt"};
        });
    EXPECT_FALSE(listedMeanwhile) << "the grid changed while the batch ran";
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(WaitUntil([&] { return OldNames() == std::vector<std::string>{"o.txt"}; }))
        << "the folder chosen meanwhile was not listed after the batch";
    EXPECT_EQ(OnDisk().count("g10.txt"), 1u);
}

TEST_F(LongWork, CancelOfAFolderReadKeepsTheGridAndItsNewNames) {
    OpenWithTypedName();
    QString shown;
    bool treeUsable = false;
    bool goLocked = false;
    WhileHeld(
        names::pnlListing, [this] { SelectFolder(folder_.Sub("big")); },
        [&](QWidget& indicator) {
            shown = indicator.findChild<QLabel*>()->text();
            treeUsable = Tree()->isEnabled();
            goLocked = !Find(names::btnGo)->isEnabled();
            QTest::mouseClick(indicator.findChild<QPushButton*>(QLatin1String(names::btnCancelListing)),
                              Qt::LeftButton);
        });
    EXPECT_EQ(shown, "Reading the folder: " + QLocale().toString(12345) + " files so far");
    EXPECT_TRUE(treeUsable);
    EXPECT_TRUE(goLocked);
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(NewNames(), (std::vector<std::string>{"typed.txt", ""}));
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(Find(names::btnGo)->isEnabled());
    EXPECT_FALSE(Find(names::pnlListing)->isVisible());
}

TEST_F(LongWork, AnotherFolderChosenDuringAReadIsListedInstead) {
    folder_.AddFolder("small");
    folder_.Write("small/s.txt", "x");
    OpenWithTypedName();
    WhileHeld(
        names::pnlListing, [this] { SelectFolder(folder_.Sub("big")); },
        [&](QWidget&) { SelectFolder(folder_.Sub("small")); });
    EXPECT_EQ(OldNames(), std::vector<std::string>{"s.txt"});
    EXPECT_TRUE(dialogs_.messages.empty());
}

// A remembered folder that takes long to read keeps the window from nothing: it shows first, and reads the
// folder with the listing's indicator on the screen.
TEST_F(LongWork, ARememberedFolderThatTakesLongIsReadWithTheWindowShown) {
    folder_.AddFolder("big");
    folder_.Write("big/c.txt", "x");
    held_.heldFolder = folder_.Sub("big");
    held_.shownRead = 12345;
    lister_ = &held_;
    bool windowShown = false;
    std::vector<std::string> listedMeanwhile{"not looked at"};
    WhileHeld(
        names::pnlListing, [this] { Open(folder_.Sub("big")); },
        [&](QWidget&) {
            windowShown = form_->isVisible();
            listedMeanwhile = OldNames();
        });
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(listedMeanwhile, std::vector<std::string>{""}) << "the grid's one blank row of the start";
    EXPECT_TRUE(WaitUntil([&] { return OldNames() == std::vector<std::string>{"c.txt"}; }));
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Sub("big"));
    EXPECT_TRUE(dialogs_.messages.empty());
}

// The tree's look into a folder of a million files runs off the user-interface thread: the window shows
// and lists the folder while it is under way, the folder with its expand button, which settles once the
// look has answered.
TEST_F(LongWork, TheTreesLookIntoTheStartFolderNeverHoldsUpTheWindow) {
    folder_.AddFolder("photos");
    folder_.Write("photos/p.jpg", "x");
    auto model = std::make_unique<fakes::InMemoryShellNamespace>(folder_.Name());
    const auto photos = model->AddFolder(model->Desktop(), "photos");
    const auto gate = std::make_shared<fakes::Gate>();
    model->PutOffSubFolderCheck(photos, gate);
    fakes::InMemoryShellNamespace& ns = *model;
    shell_ = std::move(model);

    Open(folder_.Sub("photos"));
    const TFolderNodeItem* node = Tree()->FindNode(folder_.Sub("photos"), true);
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return gate->Holding(); })) << "the look ran on the user-interface thread";
    EXPECT_EQ(OldNames(), std::vector<std::string>{"p.jpg"});
    EXPECT_EQ(node->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    Click(names::rdbManual);
    EXPECT_TRUE(Find<QRadioButton>(names::rdbManual)->isChecked());

    gate->Release();
    EXPECT_TRUE(
        WaitUntil([&] { return node->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicator; }));
    EXPECT_EQ(ns.SubFolderChecks(photos), 1);
    EXPECT_TRUE(dialogs_.messages.empty());
}

// A start folder that takes long to read is read once: the file list's read answers the tree's question
// about it, and the tree's own look never runs. The folder on disk holds a sub-folder that the tree's
// namespace does not know of, so the expand button tells whose answer it took.
TEST_F(LongWork, TheLongReadOfTheStartFolderAnswersTheTreesQuestion) {
    folder_.AddFolder("photos/inner");
    folder_.Write("photos/p.jpg", "x");
    auto model = std::make_unique<fakes::InMemoryShellNamespace>(folder_.Name());
    const auto photos = model->AddFolder(model->Desktop(), "photos");
    const auto treeGate = std::make_shared<fakes::Gate>();
    model->PutOffSubFolderCheck(photos, treeGate);
    shell_ = std::move(model);
    held_.heldFolder = folder_.Sub("photos");
    lister_ = &held_;
    bool askedMeanwhile = false;
    WhileHeld(
        names::pnlListing, [this] { Open(folder_.Sub("photos")); },
        [&](QWidget&) {
            const TFolderNodeItem* node = Tree()->FindNode(folder_.Sub("photos"), true);
            askedMeanwhile = node && SubFolderChecks::Asked(*node);
        });
    EXPECT_TRUE(askedMeanwhile) << "the question stays open while the folder is read";
    ASSERT_TRUE(WaitUntil([&] { return OldNames() == std::vector<std::string>{"p.jpg"}; }));
    const TFolderNodeItem* node = Tree()->FindNode(folder_.Sub("photos"), true);
    ASSERT_NE(node, nullptr);
    EXPECT_FALSE(SubFolderChecks::Asked(*node));
    EXPECT_EQ(node->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(treeGate->Passes(), 0) << "the tree read the folder as well";
    treeGate->Release();
    EXPECT_TRUE(dialogs_.messages.empty());
}

// The renamed rows show their new names as their names, the row that failed keeps its own, and no new
// name is left for a second Go to try again.
TEST_F(LongWork, AfterAGoWhoseFolderCannotBeReadTheGridShowsTheFilesAsTheBatchLeftThem) {
    lister_ = &held_;
    OpenListing({"a.txt", "b.txt", "c.txt"});
    EditNewName(1, "x.txt");
    EditNewName(3, "b.txt"); // b.txt is there already: this rename fails
    held_.refuse = true;
    Click(names::btnGo);
    const std::vector<std::string> afterGo{"x.txt", "b.txt", "c.txt"};
    EXPECT_EQ(OnDisk(), std::set<std::string>(afterGo.begin(), afterGo.end()));
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[0], "Error renaming file " + folder_.Sub("c.txt"));
    EXPECT_EQ(dialogs_.messages[1], platform::IoError(EACCES).what());
    EXPECT_EQ(OldNames(), afterGo);
    EXPECT_EQ(NewNames(), std::vector<std::string>(3, ""));

    dialogs_.Clear();
    Click(names::btnGo);
    EXPECT_EQ(OnDisk(), std::set<std::string>(afterGo.begin(), afterGo.end()));
    EXPECT_EQ(OldNames(), afterGo);
}

} // namespace
