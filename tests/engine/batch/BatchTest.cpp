#include "FakeFileSystem.h"
#include "MemoryJournalHistory.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoJournal.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using engine::BatchSnapshot;
using engine::NameGrid;
using Texts = std::vector<std::string>;

// Answers the clash questions from a script (Yes when the script has run out) and records every text.
class ScriptedPrompts : public engine::BatchPrompts {
public:
    std::deque<bool> answers;
    std::function<void()> whileAsking; // runs inside the question, as the nested loop of a modal box would
    Texts questions;
    Texts failures;

    bool ConfirmClash(const std::string& text) override {
        questions.push_back(text);
        if (whileAsking)
            whileAsking();
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ReportFailure(const std::string& text) override { failures.push_back(text); }
    // The reasons of the failed renames' boxes, in order.
    Texts reasons;
    void ReportRenameFailure(const std::string& text, const std::string& reason) override {
        reasons.push_back(reason);
        ReportFailure(text);
    }
    engine::FailureAnswer AskAfterRenameFailure(const std::string& text, const std::string& reason) override {
        reasons.push_back(reason);
        return AskAfterFailure(text);
    }

    // The failure box that offers "Skip All" and "Stop": answered from its own script (OK when it has run
    // out); its texts join the failures, and `offered` counts how many of them offered the choice.
    std::deque<engine::FailureAnswer> failureAnswers;
    int offered = 0;
    engine::FailureAnswer AskAfterFailure(const std::string& text) override {
        failures.push_back(text);
        ++offered;
        if (failureAnswers.empty())
            return engine::FailureAnswer::GoOn;
        const auto answer = failureAnswers.front();
        failureAnswers.pop_front();
        return answer;
    }

    // Every progress call as (tried, total); the batch is stopped at the call whose `tried` is stopAt.
    std::vector<std::pair<int, int>> progress;
    int stopAt = -1;
    bool Proceed(int tried, int total) override {
        progress.emplace_back(tried, total);
        return tried != stopAt;
    }
};

std::string Clash(const std::string& name) {
    return "This rename batch will not work as " + name +
           " will be the same as a file not renamed yet, to continue and face the error click yes.";
}

BatchSnapshot Batch(std::vector<engine::RenameRow> rows, std::string folder = "/f") {
    return BatchSnapshot{std::move(folder), std::move(rows)};
}

TEST(ConfirmClashes, AsksOnceForEveryNewNameThatALaterRowStillHolds) {
    const struct {
        BatchSnapshot batch;
        Texts questions;
    } cases[] = {
        {Batch({{"a", "b"}, {"b", "a"}}), {Clash("b")}}, // a swap asks for its first row only
        {Batch({{"b", "c"}, {"a", "b"}}), {}},           // the clash is with an earlier row
        {Batch({{"a", "a.TXT"}, {"a.txt", "y"}}), {}},   // letter case makes another name
        {Batch({{"a", ""}, {"", "x"}}), {}},             // a blank new name is no clash
        // Old names can be edited in the grid, so one name may stand in several later rows.
        {Batch({{"q", "b"}, {"b", "a"}, {"a", ""}, {"b", "z"}}), {Clash("b"), Clash("b"), Clash("a")}},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        EXPECT_TRUE(engine::ConfirmClashes(c.batch, prompts));
        EXPECT_EQ(prompts.questions, c.questions);
    }
}

TEST(ConfirmClashes, AsksWhatAScanOfEveryPairWouldAsk) {
    std::mt19937 random(11);
    auto pick = [&] {
        const int n = std::uniform_int_distribution<int>(0, 6)(random);
        return n == 0 ? std::string() : std::string(1, static_cast<char>('a' + n));
    };
    for (int round = 0; round < 300; ++round) {
        BatchSnapshot batch;
        batch.rows.resize(std::uniform_int_distribution<std::size_t>(0, 9)(random));
        for (auto& row : batch.rows)
            row = {pick(), pick()};
        Texts expected;
        for (std::size_t i = 0; i < batch.rows.size(); ++i)
            for (std::size_t j = i + 1; j < batch.rows.size(); ++j)
                if (!batch.rows[i].newName.empty() && batch.rows[i].newName == batch.rows[j].oldName)
                    expected.push_back(Clash(batch.rows[i].newName));
        ScriptedPrompts prompts;
        ASSERT_TRUE(engine::ConfirmClashes(batch, prompts));
        ASSERT_EQ(prompts.questions, expected);
    }
}

class BatchTest : public testing::Test {
protected:
    void SetUp() override {
        files.AddFolder("/f");
        for (const char* name : {"a", "b", "a.txt"})
            files.AddFile("/f", name, std::string("content of ") + name);
    }
    engine::BatchResult Run(const BatchSnapshot& batch) { return engine::RunBatch(batch, files, prompts); }

    fakes::FakeFileSystem files;
    ScriptedPrompts prompts;
};

TEST_F(BatchTest, SwapAnsweredYesFacesTwoErrorsAndLosesNothing) {
    const auto result = Run(Batch({{"a", "b"}, {"b", "a"}}));
    EXPECT_EQ(prompts.failures, (Texts{"Error renaming file /f/a", "Error renaming file /f/b"}));
    EXPECT_TRUE(result.listAgain);
    EXPECT_EQ(result.failed, 2);
    EXPECT_EQ(files.Content("/f", "a"), "content of a");
    EXPECT_EQ(files.Content("/f", "b"), "content of b");
}

TEST_F(BatchTest, NoToAnyQuestionRenamesNothingAndListsNothing) {
    for (const auto& answers : {std::deque<bool>{false}, std::deque<bool>{true, false}}) {
        prompts.answers = answers;
        const auto result = Run(Batch({{"a", "b"}, {"b", "a.txt"}, {"a.txt", "c"}}));
        EXPECT_FALSE(result.listAgain);
        EXPECT_TRUE(files.Attempts().empty());
        EXPECT_TRUE(prompts.failures.empty());
    }
}

TEST_F(BatchTest, AChainInOrderRenamesEveryFileAndAnOwnNameIsHandedOn) {
    const auto result = Run(Batch({{"b", "c"}, {"a", "b"}, {"a.txt", "a.txt"}}));
    EXPECT_EQ(result.renamed, 3);
    EXPECT_EQ(files.Attempts().size(), 3u);
    EXPECT_EQ(files.Content("/f", "c"), "content of b");
    EXPECT_EQ(files.Content("/f", "b"), "content of a");
}

TEST_F(BatchTest, BlankNewNamesAreSkipped) {
    // Row 2 names no file at all, so it fails without reaching the file system.
    const auto result = Run(Batch({{"a", ""}, {"", "x"}, {"b", ""}}));
    EXPECT_TRUE(files.Attempts().empty());
    EXPECT_EQ(prompts.failures, Texts{"Error renaming file /f/"});
    EXPECT_TRUE(result.listAgain);
}

TEST_F(BatchTest, AFailureIsReportedAndTheBatchGoesOn) {
    files.FailRenameNumber(1);
    const auto result = Run(Batch({{"a", "x"}, {"missing", "y"}, {"b", "z"}}));
    EXPECT_EQ(prompts.failures, (Texts{"Error renaming file /f/a", "Error renaming file /f/missing"}));
    EXPECT_EQ(result.renamed, 1);
    EXPECT_EQ(result.failed, 2);
    EXPECT_TRUE(files.HasFile("/f", "z"));
    EXPECT_EQ(files.OpenCount(), 1);
}

TEST_F(BatchTest, NamesThatLeaveTheFolderAreRefusedWithoutRenaming) {
    std::vector<engine::RenameRow> rows;
    for (const auto& name : Texts{".", "..", "x/y", "/b", std::string("a\0b", 3)})
        rows.push_back({"a", name});
    rows.push_back({"../a", "c"});
    rows.push_back({"b", "ok"});
    const auto result = Run(Batch(rows));
    ASSERT_EQ(files.Attempts().size(), 1u);
    EXPECT_EQ(files.Attempts()[0].newName, "ok");
    EXPECT_EQ(result.failed, 6);
    EXPECT_EQ(prompts.failures.front(), "Error renaming file /f/a");
    EXPECT_EQ(prompts.failures.back(), "Error renaming file /f/../a");
}

TEST_F(BatchTest, AFolderThatCannotBeOpenedFailsEveryRow) {
    files.FailOpen("/f");
    const auto result = Run(Batch({{"a", "x"}, {"b", ""}, {"a.txt", "y"}}));
    EXPECT_EQ(prompts.failures, (Texts{"Error renaming file /f/a", "Error renaming file /f/a.txt"}));
    EXPECT_EQ(result.failed, 2);
    EXPECT_TRUE(result.listAgain);
}

TEST_F(BatchTest, RootFolderJoinsWithOneSlash) {
    files.AddFolder("/");
    Run(Batch({{"gone", "x"}}, "/"));
    EXPECT_EQ(prompts.failures, Texts{"Error renaming file /gone"});
}

TEST_F(BatchTest, WorksFromTheSnapshotWhileTheGridIsListedAgain) {
    NameGrid grid;
    grid.List({"a", "b"});
    grid.SetCell(NameGrid::NewColumn, 1, "b");
    grid.SetCell(NameGrid::NewColumn, 2, "c");
    const BatchSnapshot batch = engine::TakeSnapshot("/f", grid);
    // A change notification handled inside the question's loop lists another folder into the grid.
    prompts.whileAsking = [&] {
        grid.List({"other1", "other2", "other3"});
        grid.SetCell(NameGrid::NewColumn, 1, "zzz");
    };
    const auto result = Run(batch);
    EXPECT_EQ(prompts.questions, Texts{Clash("b")});
    EXPECT_EQ(result.failed, 1); // a -> b, while b is still there
    ASSERT_EQ(files.Attempts().size(), 2u);
    EXPECT_EQ(files.Attempts()[0].folder, "/f");
    EXPECT_EQ(files.Attempts()[1].oldName, "b");
    EXPECT_EQ(files.Attempts()[1].newName, "c");
}

// A fresh disk for each row of a table: the folder "/f" holding the files named.
fakes::FakeFileSystem DiskWith(std::initializer_list<const char*> names) {
    fakes::FakeFileSystem disk;
    disk.AddFolder("/f");
    for (const char* name : names)
        disk.AddFile("/f", name);
    return disk;
}

// A stopped batch still lists the folder again, so that the grid shows what was done, and completes its
// journal with the rows it never tried marked as not renamed, so that an undo puts back exactly that.
TEST_F(BatchTest, ProgressCountsTheRenamesAndAStopFallsBetweenTwo) {
    struct Recorder : engine::BatchJournal {
        std::string Begin(const std::string&, const std::optional<engine::FolderIdentity>&,
                          const engine::PlannedRenames&) override {
            return {};
        }
        void Finish(const std::vector<bool>& outcome) override { done = outcome; }
        std::vector<bool> done;
    };
    // Row 2 has no new name: it is neither counted nor reported.
    const auto rows = std::vector<engine::RenameRow>{{"a", "x"}, {"b", ""}, {"a.txt", "y"}, {"b", "z"}};
    const struct {
        const char* name;
        int stopAt;
        std::vector<std::pair<int, int>> progress;
        std::vector<bool> done;
    } cases[] = {
        {"runs to the end", -1, {{0, 3}, {1, 3}, {2, 3}}, {true, true, true}},
        {"stopped before the first", 0, {{0, 3}}, {false, false, false}},
        {"stopped halfway", 2, {{0, 3}, {1, 3}, {2, 3}}, {true, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::FakeFileSystem disk = DiskWith({"a", "b", "a.txt"});
        ScriptedPrompts script;
        script.stopAt = c.stopAt;
        Recorder journal;
        const auto result = engine::RunBatch(Batch(rows), disk, script, &journal);
        EXPECT_EQ(script.progress, c.progress);
        EXPECT_EQ(journal.done, c.done);
        const auto renamed = static_cast<int>(std::count(c.done.begin(), c.done.end(), true));
        EXPECT_EQ(result.renamed, renamed);
        EXPECT_EQ(static_cast<int>(disk.Attempts().size()), renamed);
        EXPECT_EQ(result.stopped, c.stopAt >= 0);
        EXPECT_EQ(result.total, 3);
        EXPECT_TRUE(result.listAgain);
    }
}

TEST_F(BatchTest, FailureBoxAnswersGoOnGatherOrStop) {
    using engine::FailureAnswer;
    // Five renames; the first, the second and the last fail.
    const auto rows =
        std::vector<engine::RenameRow>{{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}, {"e", "E"}};
    const Texts each = {"Error renaming file /f/a", "Error renaming file /f/b", "Error renaming file /f/e"};
    const struct {
        const char* name;
        std::deque<FailureAnswer> answers;
        Texts failures; // every box, in order
        int offered;    // boxes that offered Skip All and Stop
        int tried;
        bool stopped;
    } cases[] = {
        // The last rename has nothing after it, so its box is the plain one.
        {"OK to each", {}, each, 2, 5, false},
        {"Skip All at the first", {FailureAnswer::SkipAll}, {each[0], each[1] + "\n" + each[2]}, 1, 5, false},
        {"Stop at the first", {FailureAnswer::Stop}, {each[0]}, 1, 1, true},
        {"OK, then Stop", {FailureAnswer::GoOn, FailureAnswer::Stop}, {each[0], each[1]}, 2, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::FakeFileSystem disk = DiskWith({"a", "b", "c", "d", "e"});
        for (const int failing : {1, 2, 5})
            disk.FailRenameNumber(failing);
        ScriptedPrompts script;
        script.failureAnswers = c.answers;
        const auto result = engine::RunBatch(Batch(rows), disk, script);
        EXPECT_EQ(script.failures, c.failures);
        EXPECT_EQ(script.offered, c.offered);
        EXPECT_EQ(static_cast<int>(disk.Attempts().size()), c.tried);
        EXPECT_EQ(result.stopped, c.stopped);
        EXPECT_TRUE(result.listAgain);
    }
}

TEST_F(BatchTest, GatheredFailuresShowTheFirstTwentyAndCountTheRest) {
    // A folder that cannot be opened fails all 31 renames: one box, then one report of the other 30.
    files.FailOpen("/f");
    std::vector<engine::RenameRow> rows;
    for (int i = 0; i < 31; ++i)
        rows.push_back({"f" + std::to_string(i), "g" + std::to_string(i)});
    prompts.failureAnswers = {engine::FailureAnswer::SkipAll};
    const auto result = Run(Batch(rows));
    ASSERT_EQ(prompts.failures.size(), 2u);
    EXPECT_EQ(prompts.offered, 1);
    EXPECT_EQ(result.failed, 31);
    // Each gathered line gives its reason.
    std::string expected;
    for (int i = 1; i <= 20; ++i)
        expected += "Error renaming file /f/f" + std::to_string(i) + ": The folder cannot be opened.\n";
    expected += "... and 10 more files could not be renamed.";
    EXPECT_EQ(prompts.failures[1], expected);
}

// Every failure tells why: the file system's own reason, or the batch's where it refused the rename
// itself; the box shows it apart from its text, the gathered report on the file's line. Names are shown
// with the grid's stand-ins, so a line feed cannot break a report's lines.
TEST_F(BatchTest, FailuresGiveTheirReasonsAndShowNamesWithStandIns) {
    fakes::FakeFileSystem disk = DiskWith({"a\nb", "c\xFF", "d", "e"});
    disk.FailRenameNumber(1, "File name too long");
    disk.FailRenameNumber(2, "Read-only file system");
    disk.FailRenameNumber(3, "No such file or directory"); // d's rename is refused before it is tried
    const auto rows =
        std::vector<engine::RenameRow>{{"a\nb", "x"}, {"c\xFF", "y"}, {"d", "../d"}, {"e", "z"}};
    const struct {
        const char* name;
        std::deque<engine::FailureAnswer> answers;
        Texts failures;
        Texts reasons; // of the boxes
    } cases[] = {
        {"EachInItsBox",
         {},
         {"Error renaming file /f/a\\nb", "Error renaming file /f/c\\xFF", "Error renaming file /f/d",
          "Error renaming file /f/e"},
         {"File name too long", "Read-only file system", engine::NameRefusedReason,
          "No such file or directory"}},
        {"GatheredAfterSkipAll",
         {engine::FailureAnswer::SkipAll},
         {"Error renaming file /f/a\\nb",
          "Error renaming file /f/c\\xFF: Read-only file system\nError renaming file /f/d: " +
              std::string(engine::NameRefusedReason) +
              "\nError renaming file /f/e: No such file or directory"},
         {"File name too long"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fakes::FakeFileSystem files = disk;
        ScriptedPrompts script;
        script.failureAnswers = c.answers;
        engine::RunBatch(Batch(rows), files, script);
        EXPECT_EQ(script.failures, c.failures);
        EXPECT_EQ(script.reasons, c.reasons);
    }
}

// Up to seven rows of one-letter names, some blank, over the files b, c and d: clashes, chains, own names,
// missing files and blank new names all turn up within a few hundred grids.
NameGrid RandomGrid(std::mt19937& random) {
    auto pick = [&] {
        const int n = std::uniform_int_distribution<int>(0, 5)(random);
        return n == 0 ? std::string() : std::string(1, static_cast<char>('a' + n));
    };
    NameGrid grid;
    grid.SetRowCount(std::uniform_int_distribution<int>(1, 8)(random));
    for (int row = 1; row < grid.RowCount(); ++row) {
        grid.SetCell(NameGrid::OldColumn, row, pick());
        grid.SetCell(NameGrid::NewColumn, row, pick());
    }
    return grid;
}

// The batch over the grid's own rows does what the batch over a snapshot of it does: the same questions,
// renames, failures and journal. The journal is written from the rows in place: its bytes are those of the
// rows with a new name copied out in order, and it marks as many done as were renamed.
TEST(RunBatchOnTheGrid, DoesAndJournalsWhatTheSnapshotDoes) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        const NameGrid grid = RandomGrid(random);
        struct Run {
            fakes::FakeFileSystem disk = DiskWith({"b", "c", "d"});
            ScriptedPrompts prompts;
            fakes::MemoryJournalHistory history;
            engine::StoredBatchJournal journal{history};
        } fromSnapshot, fromGrid;
        const auto a = engine::RunBatch(engine::TakeSnapshot("/f", grid), fromSnapshot.disk,
                                        fromSnapshot.prompts, &fromSnapshot.journal);
        const auto b =
            engine::RunBatch("/f", std::nullopt, grid, fromGrid.disk, fromGrid.prompts, &fromGrid.journal);
        ASSERT_EQ(fromGrid.prompts.questions, fromSnapshot.prompts.questions);
        ASSERT_EQ(fromGrid.prompts.failures, fromSnapshot.prompts.failures);
        ASSERT_EQ(fromGrid.disk.Files("/f"), fromSnapshot.disk.Files("/f"));
        ASSERT_EQ(std::tie(b.renamed, b.failed, b.total, b.renamedRows),
                  std::tie(a.renamed, a.failed, a.total, a.renamedRows));

        std::vector<engine::RenameRow> planned;
        for (int row = 1; row < grid.RowCount(); ++row) {
            if (!grid.Cell(NameGrid::NewColumn, row).empty())
                planned.push_back({grid.Cell(NameGrid::OldColumn, row), grid.Cell(NameGrid::NewColumn, row)});
        }
        // Only a Go that changed a name leaves a record; a file renamed onto its own name changes none.
        bool changedName = false;
        for (std::size_t row = 0; row < b.renamedRows.size(); ++row) {
            const int gridRow = static_cast<int>(row) + 1;
            changedName = changedName || (b.renamedRows[row] && grid.Cell(NameGrid::OldColumn, gridRow) !=
                                                                    grid.Cell(NameGrid::NewColumn, gridRow));
        }
        for (Run* run : {&fromSnapshot, &fromGrid}) {
            ASSERT_EQ(run->history.Count(), changedName ? 1u : 0u);
            if (!changedName)
                continue;
            const std::string plan =
                engine::EncodePlan("/f", *run->disk.OpenFolder("/f")->Identity(), planned);
            const std::string bytes = *run->history.Newest();
            ASSERT_EQ(bytes.substr(0, plan.size()), plan);
            const auto decoded = engine::DecodeJournal(bytes);
            ASSERT_TRUE(decoded.journal && decoded.journal->done) << decoded.error;
            const auto& done = *decoded.journal->done;
            EXPECT_EQ(std::count(done.begin(), done.end(), true), b.renamed);
        }
    }
}

} // namespace
