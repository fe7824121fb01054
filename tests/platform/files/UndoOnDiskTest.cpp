// Go and Undo on real folders, with the journal in a real file: names and contents come back, a batch
// killed in its middle is undone exactly, and nothing is ever overwritten.
#include "AnswerYes.h"
#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoLastGo.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using engine::RenameRow;
using engine::UndoOutcome;
using Names = std::vector<std::string>;

class UndoOnDisk : public ::testing::Test {
protected:
    // Every file holds its own first name, so a test can tell which file a name stands for.
    void Files(const Names& names) {
        for (const auto& name : names)
            folder_.Write(name, "content of " + name);
    }
    engine::BatchResult Go(std::vector<RenameRow> rows, engine::BatchPrompts* prompts = nullptr) {
        fakes::AnswerYes yes;
        engine::StoredBatchJournal journal(journal_);
        return engine::RunBatch({folder_.Name(), std::move(rows)}, files_, prompts ? *prompts : yes,
                                &journal);
    }
    UndoOutcome Undo() {
        struct Asking : fakes::AnswerYes {
            explicit Asking(Names& questions) : questions_(questions) {}
            bool Confirm(const std::string& text) override {
                questions_.push_back(text);
                return true;
            }
            Names& questions_;
        } asking(questions_);
        return engine::UndoLastGo(journal_, files_, asking, platform::LocalNow());
    }
    // The file of the newest record.
    std::string RecordPath() { return journal_.PathOf(journal_.List().at(0).id); }
    // ", made at HH:MM" for the newest record, as the question of today's Go ends.
    std::string MadeAt() {
        const engine::LocalTime made = journal_.List().at(0).madeAt;
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d", made.hour, made.minute);
        return std::string(", made at ") + text;
    }

    ScratchFolder folder_;
    ScratchFolder state_;
    platform::PosixFileSystem files_;
    platform::JournalFolder journal_{state_.Sub("TitleShaperWorkshop")};
    Names questions_;
};

TEST_F(UndoOnDisk, GoThenUndoRestoresEveryNameAndContent) {
    const Names names{"IMG_1.JPG", "IMG_2.JPG", "odd \n\xff name", "untouched"};
    Files(names);
    Go({{"IMG_1.JPG", "Holiday 1.jpg"},
        {"IMG_2.JPG", "Holiday 2.jpg"},
        {"odd \n\xff name", "plain"},
        {"untouched", ""}});
    EXPECT_EQ(folder_.Entries(), (Names{"Holiday 1.jpg", "Holiday 2.jpg", "plain", "untouched"}));
    // The journal is the user's alone, and no temporary file of it is left.
    const std::string record = RecordPath();
    const std::string madeAt = MadeAt();
    struct stat info {};
    ASSERT_EQ(::stat(record.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_FALSE(std::filesystem::exists(record + ".new"));

    const UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Done);
    EXPECT_EQ(outcome.renamed, 3);
    EXPECT_EQ(questions_, Names{"Undo the renaming of 3 files in " + folder_.Name() + madeAt + "?"});
    EXPECT_EQ(folder_.Entries(), (Names{"IMG_1.JPG", "IMG_2.JPG", "odd \n\xff name", "untouched"}));
    for (const auto& name : names)
        EXPECT_EQ(folder_.Read(name), "content of " + name);
    EXPECT_FALSE(std::filesystem::exists(record));
    EXPECT_EQ(Undo().status, UndoOutcome::Status::Nothing);
}

TEST_F(UndoOnDisk, OnlyTheDoneRowsAreUndoneAndAChainInReverse) {
    Files({"a", "b", "p", "q"});
    // b->c then a->b is a chain; p->q fails, as q is there.
    const auto batch = Go({{"b", "c"}, {"a", "b"}, {"p", "q"}});
    EXPECT_EQ(batch.failed, 1);
    EXPECT_EQ(folder_.Read("c"), "content of b");
    EXPECT_EQ(folder_.Read("b"), "content of a");

    const UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.renamed, 2);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(folder_.Entries(), (Names{"a", "b", "p", "q"}));
    for (const char* name : {"a", "b", "p", "q"})
        EXPECT_EQ(folder_.Read(name), std::string("content of ") + name);
}

TEST_F(UndoOnDisk, ATornJournalIsRefusedAndNothingRenamed) {
    Files({"a", "b"});
    Go({{"a", "x"}, {"b", "y"}});
    std::filesystem::resize_file(RecordPath(), 30);
    const UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Refused);
    EXPECT_EQ(outcome.message,
              "The record of the last Go cannot be used: it is cut short. Nothing was renamed.");
    EXPECT_EQ(folder_.Entries(), (Names{"x", "y"}));
}

// Kills the batch at its first failure, as a program stopped in the middle of a batch.
struct KilledAtFirstFailure : fakes::AnswerYes {
    void ReportFailure(const std::string&) override { ::raise(SIGKILL); }
};

TEST_F(UndoOnDisk, ABatchKilledHalfwayIsUndoneExactly) {
    std::vector<RenameRow> rows;
    Names before;
    for (int i = 0; i < 10; ++i) {
        before.push_back("file" + std::to_string(i));
        rows.push_back({before.back(), "renamed" + std::to_string(i)});
    }
    Files(before);
    // Someone else's file of a new name halfway: that row fails, the batch is killed there, and the row is
    // not the batch's to undo.
    folder_.Write("renamed5", "not ours");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        KilledAtFirstFailure prompts;
        Go(rows, &prompts);
        ::_exit(3); // never reached
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    const UndoOutcome outcome = Undo();
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Done);
    EXPECT_EQ(outcome.renamed, 5);
    EXPECT_EQ(outcome.failed, 0);
    before.push_back("renamed5");
    EXPECT_EQ(folder_.Entries(), before);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(folder_.Read(before[i]), "content of " + before[i]);
    EXPECT_EQ(folder_.Read("renamed5"), "not ours");
}

TEST(StateFolder, FollowsXdgStateHomeElseTheHomeFolder) {
    const std::string saved = std::getenv("XDG_STATE_HOME") ? std::getenv("XDG_STATE_HOME") : "";
    ::setenv("XDG_STATE_HOME", "/s/state", 1);
    EXPECT_EQ(platform::StateFolder(), "/s/state/TitleShaperWorkshop");
    // A relative value is not a state folder by the desktop's rules.
    ::setenv("XDG_STATE_HOME", "relative", 1);
    EXPECT_EQ(platform::StateFolder(),
              std::string(std::getenv("HOME")) + "/.local/state/TitleShaperWorkshop");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(platform::StateFolder(),
              std::string(std::getenv("HOME")) + "/.local/state/TitleShaperWorkshop");
    if (!saved.empty())
        ::setenv("XDG_STATE_HOME", saved.c_str(), 1);
}

} // namespace
