// The history of Gos that can be undone, one after the other, and undos that fail in part.
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

using engine::RenameRow;
using engine::UndoOutcome;
using Names = std::vector<std::string>;

// Answers every question Yes and records it; Proceed says No from the `stopAt`-th rename on.
struct Recording : fakes::AnswerYes {
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        return true;
    }
    bool Proceed(int tried, int) override { return tried < stopAt; }
    Names questions;
    int stopAt = 1 << 30;
};

class UndoHistory : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c", "d"})
            files_.AddFile("/f", name, name);
    }
    engine::BatchResult Go(std::vector<RenameRow> rows) {
        engine::StoredBatchJournal journal(history_);
        return engine::RunBatch({"/f", std::move(rows)}, files_, prompts_, &journal);
    }
    UndoOutcome Undo() { return engine::UndoLastGo(history_, files_, prompts_, now_); }

    fakes::FakeFileSystem files_;
    fakes::MemoryJournalHistory history_;
    Recording prompts_;
    engine::LocalTime now_{2026, 12, 9, 18, 30};
};

// A second Go that finds nothing to rename, or whose every rename fails, leaves the first Go's undo alone.
TEST_F(UndoHistory, AGoThatRenamesNothingKeepsTheUndo) {
    Go({{"a", "x"}});
    EXPECT_EQ(Go({{"x", ""}}).renamed, 0);
    // A second click on Go in "Part Replacer" gives every file its own name again.
    EXPECT_EQ(Go({{"x", "x"}, {"b", "b"}}).renamed, 2);
    files_.FailRenameNumber(4);
    EXPECT_EQ(Go({{"b", "y"}}).failed, 1);
    EXPECT_EQ(history_.Count(), 1u);
    EXPECT_EQ(Undo().renamed, 1);
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "b", "c", "d"}));
}

// Each undo takes the most recent Go not undone yet; the question names when it ran, with the date for a
// Go of another day.
TEST_F(UndoHistory, UndoesTheGosOneAfterTheOtherNewestFirst) {
    history_.clock = {2026, 12, 7, 9, 5};
    Go({{"a", "x"}, {"b", "y"}});
    history_.clock = {2026, 12, 9, 14, 3};
    Go({{"x", "z"}});
    EXPECT_EQ(Undo().renamed, 1);
    EXPECT_EQ(files_.Files("/f"), (Names{"c", "d", "x", "y"}));
    EXPECT_EQ(Undo().renamed, 2);
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Nothing);
    EXPECT_EQ(prompts_.questions,
              (Names{"Undo the renaming of 1 file in /f, made at 14:03?",
                     "Undo the renaming of 2 files in /f, made on 2026-12-07 at 09:05?"}));
}

// A Go whose files stand as before already (renamed back by hand) is spent on the way to the one before.
TEST_F(UndoHistory, AGoUndoneByHandIsPassedOver) {
    Go({{"a", "x"}});
    Go({{"b", "y"}});
    files_.OpenFolder("/f")->Rename("y", "b");
    const UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_EQ(prompts_.questions, Names{"Undo the renaming of 1 file in /f, made at 14:03?"});
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(history_.Count(), 0u);
}

TEST_F(UndoHistory, KeepsTheLastTwentyGos) {
    for (int i = 0; i < 22; ++i)
        Go({{i % 2 == 0 ? "a" : "x", i % 2 == 0 ? "x" : "a"}});
    EXPECT_EQ(history_.Count(), engine::UndoHistoryLength);
}

// A record another window holds (its Go still running, or its undo) is neither pruned nor undone here.
TEST_F(UndoHistory, ARecordHeldElsewhereIsLeftAlone) {
    Go({{"a", "x"}});
    const auto entries = history_.List();
    const auto held = history_.Take(entries.front().id);
    ASSERT_TRUE(held);
    history_.Prune(0);
    EXPECT_EQ(history_.Count(), 1u);
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Nothing);
    EXPECT_EQ(files_.Files("/f"), (Names{"b", "c", "d", "x"}));
}

// Two Gos at once, as from two windows: each writes its own record, and both are undone.
TEST_F(UndoHistory, TwoGosAtOnceKeepTheirOwnRecords) {
    engine::StoredBatchJournal first(history_);
    engine::StoredBatchJournal second(history_);
    const std::vector<RenameRow> rowsA{{"a", "x"}};
    const std::vector<RenameRow> rowsB{{"b", "y"}};
    ASSERT_EQ(first.Begin("/f", files_.OpenFolder("/f")->Identity(), engine::PlannedRows(rowsA)), "");
    ASSERT_EQ(second.Begin("/f", files_.OpenFolder("/f")->Identity(), engine::PlannedRows(rowsB)), "");
    files_.OpenFolder("/f")->Rename("a", "x");
    files_.OpenFolder("/f")->Rename("b", "y");
    second.Finish({true});
    first.Finish({true});
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Done);
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Done);
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(prompts_.questions.size(), 2u);
}

// Renames back that fail stay in the record, with the system's reason in the message; the next undo
// puts them back, and only then is the record spent.
TEST_F(UndoHistory, AFailedUndoKeepsTheRowsItDidNotPutBack) {
    Go({{"a", "x"}, {"b", "y"}, {"c", "z"}});
    const int renamesSoFar = static_cast<int>(files_.Attempts().size());
    // The undo goes from the last row to the first: z back to c fails, y back to b succeeds, x fails.
    files_.FailRenameNumber(renamesSoFar + 1);
    files_.FailRenameNumber(renamesSoFar + 3);
    UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Done);
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_EQ(outcome.message,
              "2 files could not be renamed back: z (Read-only file system), x (Read-only file "
              "system).");
    EXPECT_EQ(files_.Files("/f"), (Names{"b", "d", "x", "z"}));
    ASSERT_EQ(history_.Count(), 1u);

    outcome = Undo();
    EXPECT_EQ(outcome.renamed, 2);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(prompts_.questions.back(), "Undo the renaming of 2 files in /f, made at 14:03?");
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "b", "c", "d"}));
    EXPECT_EQ(history_.Count(), 0u);
}

// A stopped undo says how far it came, and the renames it did not reach are undone by the next one.
TEST_F(UndoHistory, AStoppedUndoKeepsTheRestForLater) {
    Go({{"a", "x"}, {"b", "y"}, {"c", "z"}});
    prompts_.stopAt = 1;
    UndoOutcome outcome = Undo();
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_EQ(outcome.message, "Undo stopped. Files renamed back: 1. Files left as they were: 2.");
    prompts_.stopAt = 1 << 30;
    outcome = Undo();
    EXPECT_EQ(outcome.renamed, 2);
    EXPECT_EQ(files_.Files("/f"), (Names{"a", "b", "c", "d"}));
}

// A folder deleted and made again at the same path, even with the same inode number, is not the folder
// of the Go: neither Go nor undo renames in it.
TEST_F(UndoHistory, AFolderMadeAgainAtThePathIsAnotherFolder) {
    const auto listed = files_.OpenFolder("/f")->Identity();
    Go({{"a", "x"}});
    files_.RecreateFolder("/f");
    files_.AddFile("/f", "x", "another x");
    const auto opened = files_.OpenFolder("/f")->Identity();
    ASSERT_EQ(opened->inode, listed->inode);
    EXPECT_NE(opened, listed);

    EXPECT_EQ(Undo().message, "/f is no longer the folder of the last Go. Nothing was renamed.");
    const auto batch = engine::RunBatch({"/f", {{"x", "y"}}, listed}, files_, prompts_);
    EXPECT_TRUE(batch.folderMoved);
    EXPECT_EQ(files_.Files("/f"), Names{"x"});
}

struct IdentityCase {
    const char* label;
    engine::FolderIdentity a;
    engine::FolderIdentity b;
    bool same;
};

class FolderIdentities : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(FolderIdentities, CompareBirthTimesWhereBothAreKnown) {
    EXPECT_EQ(GetParam().a == GetParam().b, GetParam().same);
    EXPECT_EQ(GetParam().b == GetParam().a, GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Identities, FolderIdentities,
                         ::testing::Values(IdentityCase{"SameBirth", {1, 2, 5}, {1, 2, 5}, true},
                                           IdentityCase{"OtherBirth", {1, 2, 5}, {1, 2, 6}, false},
                                           IdentityCase{"BirthUnknownOnOneSide", {1, 2, 0}, {1, 2, 6}, true},
                                           IdentityCase{"OtherInode", {1, 2, 5}, {1, 3, 5}, false},
                                           IdentityCase{"OtherDevice", {1, 2, 0}, {2, 2, 0}, false}),
                         rownames::RowLabel());

} // namespace
