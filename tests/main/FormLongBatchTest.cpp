// A Go that runs long: its progress dialog, Stop, and the window that stays alive meanwhile.
#include "FormFixture.h"
#include "PausingWork.h"
#include "WhileHeld.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

class LongBatch : public FormTest {
protected:
    // Ten files f01.txt .. f10.txt, listed by a window whose renames stop before the fourth until the
    // test lets it go.
    void OpenHeld() {
        renamer_ = &held_;
        std::vector<std::string> files;
        for (int i = 1; i <= 10; ++i)
            files.push_back((i < 10 ? "f0" : "f") + std::to_string(i) + ".txt");
        OpenListing(files);
        Click(names::rdbReplacer);
        Type(names::edtReplace, QStringLiteral("f"));
        Type(names::edtWith, QStringLiteral("g"));
    }
    // Clicks Go, and runs `whileHeld` once the fourth rename is held and the progress dialog is shown.
    void GoAndWhileHeld(const std::function<void(QWidget& progress)>& whileHeld) {
        StartAndWhileHeld(
            *form_, names::dlgProgress, held_.gate, [this] { Click(names::btnGo); }, whileHeld);
    }

    fakes::PausingRenamer held_{files_, 4};
};

TEST_F(LongBatch, StopHalfwayKeepsWhatWasDoneListsAgainAndSaysSo) {
    OpenHeld();
    QString shown;
    bool goLocked = false;
    GoAndWhileHeld([&](QWidget& progress) {
        shown = progress.findChild<QLabel*>()->text();
        goLocked = !Find(names::btnGo)->isEnabled() && !Grid()->isEnabled();
        // Undo of the last Go waits for this one to end: it does nothing now.
        form_->findChild<QAction*>(QLatin1String(names::actUndoGo))->trigger();
        QTest::keyClick(&progress, Qt::Key_Escape);
    });
    EXPECT_EQ(shown, QStringLiteral("Renaming 3 of 10"));
    EXPECT_TRUE(goLocked) << "Go and the grid must be locked while the batch runs";
    // The rename in flight when Stop came is done; the batch ends before the next.
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"f05.txt", "f06.txt", "f07.txt", "f08.txt", "f09.txt",
                                               "f10.txt", "g01.txt", "g02.txt", "g03.txt", "g04.txt"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"f05.txt", "f06.txt", "f07.txt", "f08.txt", "f09.txt",
                                                    "f10.txt", "g01.txt", "g02.txt", "g03.txt", "g04.txt"}));
    EXPECT_EQ(NewNames(), std::vector<std::string>(10, ""));
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"Renaming stopped. Files renamed: 4. Files left as they were: 6."});
    EXPECT_TRUE(Find(names::btnGo)->isEnabled());
    EXPECT_FALSE(Find(names::btnCopy)->isEnabled()) << "a field its mode disables stays disabled";
}

TEST_F(LongBatch, AFolderSelectedWhileTheBatchRunsIsListedAfterIt) {
    folder_.AddFolder("other");
    folder_.Write("other/o.txt", "x");
    OpenHeld();
    bool listedMeanwhile = true;
    GoAndWhileHeld([&](QWidget&) {
        SelectFolder(folder_.Sub("other"));
        listedMeanwhile = OldNames() == std::vector<std::string>{"o.txt"};
    });
    EXPECT_FALSE(listedMeanwhile) << "the grid changed while the batch ran";
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(WaitUntil([&] { return OldNames() == std::vector<std::string>{"o.txt"}; }))
        << "the folder chosen meanwhile was not listed after the batch";
    EXPECT_EQ(OnDisk().count("g10.txt"), 1u);
}

} // namespace
