// The boxes a long Go asks, shown by the real message boxes: each belongs to the main window and is never
// covered by the progress dialog; and the keyboard focus that a Go takes away comes back.
#include "FormFixture.h"
#include "PausingWork.h"

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

// A box as it was seen while it was open.
struct SeenBox {
    QString text;
    QString details;
    bool ownedByWindow = false;
    bool modal = false;
    bool progressShown = false;
};

class Questions : public FormTest {
protected:
    // Ten files f01.txt .. f10.txt, f replaced by g; the window shows real boxes.
    void OpenTenFiles() {
        renamer_ = &held_;
        boxes_ = &real_;
        OpenTenFilesToRename();
    }
    QWidget* Progress() const { return form_->findChild<QWidget*>(QLatin1String(names::dlgProgress)); }

    // From the window's event loop: lets the held rename go once the progress dialog is on the screen,
    // records every box that opens, and answers it with the button captioned by the next of `answers`
    // (OK when they have run out). Runs while `start` runs.
    std::vector<SeenBox> Answering(std::deque<QString> answers, const std::function<void()>& start) {
        std::vector<SeenBox> seen;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* progress = Progress();
            if (held_.gate.Holding() && progress && progress->isVisible())
                held_.gate.Release();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.push_back({box->text(), box->detailedText(), box->parentWidget() == form_.get(),
                            box->windowModality() == Qt::ApplicationModal,
                            progress && progress->isVisible()});
            const QString answer = answers.empty() ? QString() : answers.front();
            if (!answers.empty())
                answers.pop_front();
            Answer(*box, answer);
        });
        poll.start(10);
        start();
        held_.gate.Release();
        return seen;
    }

    fakes::PausingFiles held_{files_, files_};
    MessageBoxDialogs real_{QStringLiteral("Quillmap")};
};

// The failure comes after the progress dialog has shown; the box takes its place, and the summary after
// Stop belongs to the window too.
TEST_F(Questions, AFailureBoxAndTheStopSummaryBelongToTheWindowAndHideTheProgress) {
    OpenTenFiles();
    held_.pauseAt = 4;
    held_.failAt = 4;
    held_.failReason = "File name too long";
    const auto seen = Answering({QStringLiteral("Stop")}, [this] { Click(names::btnGo); });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text.toStdString(), "Error renaming file " + folder_.Sub("f04.txt"));
    EXPECT_EQ(seen[0].details, "File name too long");
    EXPECT_EQ(seen[1].text, "Renaming stopped. Files renamed: 3. Files left as they were: 7.");
    for (const SeenBox& box : seen) {
        SCOPED_TRACE(box.text.toStdString());
        EXPECT_TRUE(box.ownedByWindow) << "the box is not the main window's";
        EXPECT_TRUE(box.modal);
        EXPECT_FALSE(box.progressShown) << "the progress dialog stayed on the screen with the box";
    }
    EXPECT_TRUE(OnDisk().count("f04.txt") == 1 && OnDisk().count("g03.txt") == 1);
}

TEST_F(Questions, TheClashQuestionBelongsToTheWindow) {
    OpenTenFiles();
    Click(names::rdbManual);
    EditNewName(1, "f02.txt");
    const auto seen = Answering({QStringLiteral("&No")}, [this] { Click(names::btnGo); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.startsWith("This rename batch will not work as f02.txt"));
    EXPECT_TRUE(seen[0].ownedByWindow);
    EXPECT_FALSE(seen[0].progressShown);
    EXPECT_EQ(OnDisk().count("f01.txt"), 1u) << "No must rename nothing";
}

// The control that had the keyboard focus before a Go, a long listing or a Preview has it afterwards, so
// a keyboard user goes on from where they were.
TEST_F(Questions, TheFocusComesBackAfterWork) {
    const struct {
        const char* name;
        const char* button; // pressed with the space bar
        bool holdListing;   // the listing that follows is held until its indicator shows
    } cases[] = {
        {"Go", names::btnGo, false},
        {"GoWithALongListingAfterIt", names::btnGo, true},
        {"Preview", names::btnView, false},
        {"LongRefresh", names::btnRefresh, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::PausingFiles lister(files_, files_);
        lister_ = &lister;
        // Each case lists a.txt and b.txt afresh, beside what the cases before it renamed.
        OpenListing({"a.txt", "b.txt"});
        EditNewName(1, QStringLiteral("z-%1.txt").arg(QLatin1String(c.name)));
        if (c.holdListing)
            lister.heldFolder = folder_.Name();
        auto* button = Find<QPushButton>(c.button);
        button->setFocus();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* indicator = Find(names::pnlListing);
            if (lister.gate.Holding() && indicator->isVisible())
                lister.gate.Release();
        });
        poll.start(10);
        QTest::keyClick(button, Qt::Key_Space);
        lister.gate.Release();
        EXPECT_EQ(QApplication::focusWidget(), button);
        // Shift+Tab walks back from there through the window's controls, "Copy" among them.
        bool reachedCopy = false;
        for (int step = 0; step < 30 && !reachedCopy; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            reachedCopy = QApplication::focusWidget() == Find(names::btnCopy);
        }
        EXPECT_TRUE(reachedCopy);
        Close();
    }
}

} // namespace
