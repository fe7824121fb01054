#include "FakeFileSystem.h"
#include "engine/BatchRename.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
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

} // namespace
