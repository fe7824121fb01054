// The records of the last Gos as files: one a Go, each held under a lock by the Go or the undo that has
// it, so that two windows never mix or take each other's records.
#include "platform/files/JournalFolder.h"

#include "AnswerYes.h"
#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"
#include "engine/undo/StoredBatchJournal.h"
#include "engine/undo/UndoLastGo.h"
#include "platform/files/PosixFileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class JournalFolderTest : public ::testing::Test {
protected:
    std::unique_ptr<engine::HeldRecord> Create(platform::JournalFolder& journal, const std::string& bytes) {
        std::string error;
        auto record = journal.Create([&](const auto& put) { put(bytes); }, error);
        EXPECT_TRUE(record) << error;
        return record;
    }
    std::string ReadNewest(platform::JournalFolder& journal) {
        const auto record = journal.Take(journal.List().at(0).id);
        std::string error;
        return record ? record->Read(error).value_or(error) : "held";
    }

    ScratchFolder state_;
    // Two windows of the program, each with its own view of the same folder.
    platform::JournalFolder first_{state_.Sub("TitleShaperWorkshop")};
    platform::JournalFolder second_{state_.Sub("TitleShaperWorkshop")};
};

// Two Gos at once on real files: each Go's record is its own, and both undos rename back.
TEST_F(JournalFolderTest, TwoGosAtOnceAreBothUndone) {
    ScratchFolder files;
    for (const char* name : {"a", "b"})
        files.Write(name, name);
    platform::PosixFileSystem disk;
    fakes::AnswerYes yes;
    engine::StoredBatchJournal goA(first_);
    engine::StoredBatchJournal goB(second_);
    const auto identity = disk.OpenFolder(files.Name())->Identity();
    const std::vector<engine::RenameRow> rowsA{{"a", "x"}};
    const std::vector<engine::RenameRow> rowsB{{"b", "y"}};
    ASSERT_EQ(goA.Begin(files.Name(), identity, engine::PlannedRows(rowsA)), "");
    ASSERT_EQ(goB.Begin(files.Name(), identity, engine::PlannedRows(rowsB)), "");
    ASSERT_TRUE(disk.OpenFolder(files.Name())->Rename("a", "x"));
    ASSERT_TRUE(disk.OpenFolder(files.Name())->Rename("b", "y"));
    goB.Finish({true});
    goA.Finish({true});
    EXPECT_EQ(first_.List().size(), 2u);

    for (int undo = 0; undo < 2; ++undo) {
        const auto outcome = engine::UndoLastGo(first_, disk, yes, platform::LocalNow());
        EXPECT_EQ(outcome.status, engine::UndoOutcome::Status::Done) << outcome.message;
        EXPECT_EQ(outcome.renamed, 1);
    }
    EXPECT_EQ(files.Entries(), (Names{"a", "b"}));
    EXPECT_TRUE(first_.List().empty());
}

// While one window holds a record, the other can neither take it nor prune it; once it is let go, it can.
TEST_F(JournalFolderTest, AHeldRecordIsLeftToItsHolder) {
    auto held = Create(first_, "plan");
    const std::string id = first_.List().at(0).id;
    EXPECT_FALSE(second_.Take(id));
    second_.Prune(0);
    EXPECT_EQ(second_.List().size(), 1u);
    // Rewritten, the record is still held.
    ASSERT_EQ(held->Replace("rewritten"), "");
    EXPECT_FALSE(second_.Take(id));
    held.reset();
    EXPECT_EQ(ReadNewest(second_), "rewritten");
    second_.Prune(0);
    EXPECT_TRUE(second_.List().empty());
}

// Records list newest first, pruning keeps the newest, and no temporary file stays behind.
TEST_F(JournalFolderTest, ListsNewestFirstAndPrunesTheOldest) {
    for (const char* bytes : {"one", "two", "three"})
        Create(first_, bytes)->Append("+");
    ASSERT_EQ(first_.List().size(), 3u);
    EXPECT_EQ(ReadNewest(first_), "three+");
    first_.Prune(2);
    const auto entries = first_.List();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(ReadNewest(first_), "three+");
    first_.Take(entries[0].id)->Discard();
    EXPECT_EQ(ReadNewest(first_), "two+");
    for (const auto& entry : std::filesystem::directory_iterator(first_.Folder()))
        EXPECT_EQ(entry.path().extension(), ".journal") << entry.path();
}

// The one record of earlier versions of the program still counts, as the oldest when it is older.
TEST_F(JournalFolderTest, TheEarlierSingleRecordCounts) {
    state_.AddFolder("TitleShaperWorkshop");
    state_.Write("TitleShaperWorkshop/last-go.journal", "earlier");
    std::filesystem::last_write_time(state_.Sub("TitleShaperWorkshop/last-go.journal"),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(ReadNewest(first_), "earlier");
    Create(first_, "newer");
    const auto entries = first_.List();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].id, "last-go.journal");
    // Only records of the history are taken, never another file of the folder.
    EXPECT_FALSE(first_.Take("../etc"));
}

// A folder made again at the same path is told from the one listed there by its birth time, where the
// file system keeps one; the listing and the renamer report the same identity for the same folder.
TEST(FolderBirth, TheListingAndTheRenamerAgreeAndAFolderMadeAgainDiffers) {
    ScratchFolder root;
    root.AddFolder("f");
    platform::PosixFileSystem disk;
    engine::FolderIdentity listed;
    disk.ListFiles(root.Sub("f"), listed);
    const auto opened = disk.OpenFolder(root.Sub("f"))->Identity();
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->birth, listed.birth);
    std::filesystem::remove(root.Sub("f"));
    root.AddFolder("f");
    engine::FolderIdentity again;
    disk.ListFiles(root.Sub("f"), again);
    EXPECT_NE(again, listed);
    if (listed.birth == 0)
        GTEST_SKIP() << "this file system keeps no birth time";
    EXPECT_NE(again.birth, listed.birth);
}

} // namespace
