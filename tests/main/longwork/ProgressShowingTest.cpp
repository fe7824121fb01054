// When a long work's progress dialog shows.
#include "main/longwork/ProgressShowing.h"

#include "RowNames.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

using namespace std::chrono_literals;
using std::chrono::milliseconds;

struct DueRow {
    const char* label;
    milliseconds worked;
    milliseconds renaming;
    int done;
    int total;
    bool due;
};

class ProgressDueTable : public ::testing::TestWithParam<DueRow> {};

TEST_P(ProgressDueTable, ShowsOnlyWorkThatHasAnotherHalfSecondToGo) {
    const DueRow& row = GetParam();
    EXPECT_EQ(ProgressDue(row.worked, row.renaming, row.done, row.total), row.due);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, ProgressDueTable,
    ::testing::Values(DueRow{"BeforeHalfASecond", 499ms, 499ms, 1, 1000000, false},
                      DueRow{"StillPreparing", 500ms, 0ms, 0, -1, true},
                      DueRow{"FirstRenameStillRunning", 600ms, 100ms, 0, 10, true},
                      // 100,000 renames, 90,000 of them in 0.5 s: 56 ms to go.
                      DueRow{"AlmostDone", 520ms, 500ms, 90000, 100000, false},
                      // Half done after 0.5 s of renames: another 0.5 s to go.
                      DueRow{"HalfDone", 600ms, 500ms, 50000, 100000, true},
                      DueRow{"JustShortOfHalfASecond", 600ms, 500ms, 50001, 100000, false},
                      // A long preparation says nothing about the renames' rate.
                      DueRow{"LongPreparationQuickRenames", 900ms, 100ms, 9000, 10000, false},
                      DueRow{"AllDone", 700ms, 700ms, 10, 10, false}),
    rownames::RowLabel());

// A clock the test moves by hand.
struct HandClock {
    ProgressShowing::Clock::time_point now{};
    void Advance(milliseconds by) { now += by; }
};

class Showing : public ::testing::Test {
protected:
    HandClock clock_;
    QDialog progress_;
    ProgressShowing showing_{progress_, [](milliseconds worked) { return worked >= 500ms; },
                             [this] { return clock_.now; }};
};

TEST_F(Showing, ABoxHidesTheDialogAndStopsTheClockUntilItCloses) {
    clock_.Advance(300ms);
    showing_.Tick();
    EXPECT_FALSE(progress_.isVisible());

    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    clock_.Advance(2000ms);
    showing_.Tick();
    EXPECT_FALSE(progress_.isVisible()) << "the dialog showed while a box waited for its answer";
    EXPECT_EQ(showing_.Worked(), 300ms);

    box.hide();
    clock_.Advance(150ms);
    showing_.Tick();
    EXPECT_FALSE(progress_.isVisible()) << "the time the box was open counted as work";
    clock_.Advance(50ms);
    showing_.Tick();
    EXPECT_TRUE(progress_.isVisible());
    EXPECT_EQ(showing_.Worked(), 500ms);

    // A box that opens once the dialog is shown takes its place.
    box.show();
    EXPECT_FALSE(progress_.isVisible());
    box.hide();
    showing_.Tick();
    EXPECT_TRUE(progress_.isVisible());
}

TEST_F(Showing, AWindowThatIsNotModalChangesNothing) {
    QWidget other;
    other.show();
    clock_.Advance(500ms);
    showing_.Tick();
    EXPECT_TRUE(progress_.isVisible());
}

} // namespace
