#include "AnswerYes.h"
#include "FakeFileSystem.h"
#include "MemoryJournalHistory.h"
#include "RowNames.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoLastGo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::Journal;
using engine::RenameRow;
using engine::UndoOutcome;
using Names = std::vector<std::string>;

// A plan shown as text: first each step as "new>old", then each failure as "name: reason".
Names Show(const Journal& journal, const engine::UndoPlan& plan) {
    Names shown;
    for (const std::size_t step : plan.steps)
        shown.push_back(journal.rows[step].newName + ">" + journal.rows[step].oldName);
    for (const auto& failure : plan.failures)
        shown.push_back(failure.name + ": " + failure.reason);
    return shown;
}

struct PlanCase {
    const char* label;
    std::vector<RenameRow> rows;
    std::optional<std::vector<bool>> done;
    Names present;
    Names expected;
};

class UndoPlanning : public ::testing::TestWithParam<PlanCase> {};

TEST_P(UndoPlanning, DecidesFromTheJournalAndTheDisk) {
    const PlanCase& c = GetParam();
    const Journal journal{"/f", {}, c.rows, c.done};
    EXPECT_EQ(Show(journal, engine::PlanUndo(journal, c.present)), c.expected);
}

const auto yes = std::vector<bool>{true};
const auto no = std::vector<bool>{false};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Plans, UndoPlanning,
    ::testing::Values(
        PlanCase{"Renamed", {{"a", "b"}}, yes, {"b"}, {"b>a"}},
        PlanCase{"FailedRowNeedsNothing", {{"a", "b"}}, no, {"a", "b"}, {}},
        PlanCase{"BackUnderItsOldName", {{"a", "b"}}, yes, {"a"}, {}},
        PlanCase{"RenamedAgainBySomeoneElse", {{"a", "b"}}, yes, {"c"}, {"b: it is no longer there"}},
        PlanCase{"OldNameTakenSince", {{"a", "b"}}, yes, {"a", "b"}, {"b: a file of the old name exists"}},
        PlanCase{"OntoItsOwnName", {{"a", "a"}}, yes, {"a"}, {}},
        // A chain is undone from its end: the file now named b must leave before c can take b back.
        PlanCase{"ChainInReverse", {{"b", "c"}, {"a", "b"}}, std::vector<bool>{true, true}, {"b", "c"},
                 {"b>a", "c>b"}},
        PlanCase{"RotationOfThree", {{"a", "t"}, {"b", "a"}, {"c", "b"}, {"t", "c"}},
                 std::vector<bool>{true, true, true, true}, {"a", "b", "c"}, {"c>t", "b>c", "a>b", "t>a"}},
        // Cut short: what is plainly renamed goes back; the rest was never reached and is no failure.
        PlanCase{"CutShort", {{"a", "x"}, {"b", "y"}, {"c", "z"}}, std::nullopt, {"x", "b", "c", "z"}, {"x>a"}},
        PlanCase{"CutShortLeavesUnclearRowsAlone", {{"a", "x"}, {"b", "y"}}, std::nullopt, {"a", "x"}, {}},
        PlanCase{"RefusedNames", {{"a", "../x"}, {"b", "c"}, {"", "d"}}, std::vector<bool>{true, true, true},
                 {"../x", "c", "d"}, {"c>b", "../x: its name is not allowed", "d: its name is not allowed"}},
        PlanCase{"FailuresInRowOrder", {{"a", "b"}, {"c", "d"}}, std::vector<bool>{true, true}, {"a", "b", "c", "d"},
                 {"b: a file of the old name exists", "d: a file of the old name exists"}}),
    rownames::RowLabel());
// clang-format on

TEST(UndoTexts, QuestionAndFailureReport) {
    const engine::LocalTime today{2026, 12, 9, 14, 3};
    EXPECT_EQ(engine::UndoQuestion(3, "/home/u/p", today, today),
              "Undo the renaming of 3 files in /home/u/p, made at 14:03?");
    EXPECT_EQ(engine::UndoQuestion(1, "/x", today, today),
              "Undo the renaming of 1 file in /x, made at 14:03?");
    EXPECT_EQ(engine::UndoFailureReport({{"x.txt", "a file of the old name exists"}}),
              "1 file could not be renamed back: x.txt (a file of the old name exists).");
    // A line break or a byte that is not UTF-8 must not garble the one-line message.
    EXPECT_EQ(engine::UndoFailureReport({{"two\nlines\xff", "it is no longer there"}}),
              "1 file could not be renamed back: two\\nlines\\xFF (it is no longer there).");
    EXPECT_EQ(engine::UndoQuestion(2, "/odd\tfolder", today, today),
              "Undo the renaming of 2 files in /odd\\tfolder, made at 14:03?");
    std::vector<engine::UndoFailure> many;
    for (int i = 1; i <= 23; ++i)
        many.push_back({"f" + std::to_string(i), "it is no longer there"});
    const std::string report = engine::UndoFailureReport(many);
    EXPECT_EQ(report.rfind("23 files could not be renamed back: f1 (it is no longer there), f2 (", 0), 0u)
        << report;
    EXPECT_NE(report.find("f20 (it is no longer there) and 3 more."), std::string::npos) << report;
    EXPECT_EQ(report.find("f21"), std::string::npos) << report;
}

// A batch recorded by the journal, then undone, against the in-memory file system.
class UndoLastGoTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c"})
            files_.AddFile("/f", name, std::string("content ") + name);
    }
    engine::BatchResult Go(std::vector<RenameRow> rows, std::string folder = "/f") {
        engine::StoredBatchJournal journal(history_);
        return engine::RunBatch({std::move(folder), std::move(rows)}, files_, prompts_, &journal);
    }
    UndoOutcome Undo() { return engine::UndoLastGo(history_, files_, prompts_, history_.clock); }

    // Records every question and answers it with `answer`.
    struct Asking : fakes::AnswerYes {
        explicit Asking(UndoLastGoTest& test) : test_(test) {}
        bool Confirm(const std::string& text) override {
            test_.asked_.push_back(text);
            return test_.answer_;
        }
        UndoLastGoTest& test_;
    };

    fakes::FakeFileSystem files_;
    fakes::MemoryJournalHistory history_;
    Asking prompts_{*this};
    Names asked_;
    bool answer_ = true;
};

TEST_F(UndoLastGoTest, AnsweringNoRenamesNothingAndKeepsTheJournal) {
    Go({{"a", "x"}});
    answer_ = false;
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Declined);
    EXPECT_EQ(files_.Files("/f"), (Names{"b", "c", "x"}));
    EXPECT_EQ(history_.Count(), 1u);
}

// Nothing is renamed where the folder cannot be trusted, and the journal stays for a later try.
TEST_F(UndoLastGoTest, RefusesAFolderThatIsGoneOrAnotherOne) {
    Go({{"a", "x"}});
    files_.RemoveFolder("/f");
    UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Refused);
    EXPECT_EQ(outcome.message, "The folder of the last Go, /f, is no longer there. Nothing was renamed.");

    files_.AddFile("/f", "x");
    outcome = Undo();
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Refused);
    EXPECT_EQ(outcome.message, "/f is no longer the folder of the last Go. Nothing was renamed.");
    EXPECT_EQ(files_.Files("/f"), Names{"x"});
    EXPECT_EQ(history_.Count(), 1u);
    EXPECT_TRUE(asked_.empty());
}

TEST_F(UndoLastGoTest, AJournalThatCannotBeWrittenAsksBeforeRenaming) {
    Go({{"a", "x"}});
    history_.failWrite = "disk full";
    answer_ = false;
    const auto batch = Go({{"b", "y"}});
    EXPECT_FALSE(batch.listAgain);
    EXPECT_EQ(asked_, Names{engine::WithoutUndoQuestion("disk full")});
    EXPECT_EQ(files_.Files("/f"), (Names{"b", "c", "x"}));
    // Declined, the Go threw nothing away: the earlier Go can still be undone.
    EXPECT_EQ(history_.Count(), 1u);
    answer_ = true;
    EXPECT_EQ(Go({{"b", "y"}}).renamed, 1);
    // Renamed without a record, that Go adds none; the earlier one is still there for its own files.
    history_.failWrite.clear();
    EXPECT_EQ(history_.Count(), 1u);
    asked_.clear();
    EXPECT_EQ(Undo().renamed, 1);
    EXPECT_EQ(asked_, Names{"Undo the renaming of 1 file in /f, made at 14:03?"});
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "c", "y"}));
}

// A batch that asks nothing of the disk, or whose rows are all blank, leaves no journal behind.
TEST_F(UndoLastGoTest, NothingToRenameWritesNoJournal) {
    Go({{"a", ""}});
    Go({{"a", "x"}}, "/missing");
    EXPECT_EQ(history_.Count(), 0u);
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Nothing);
}

} // namespace
