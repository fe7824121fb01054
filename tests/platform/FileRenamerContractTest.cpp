// One set of cases for every engine::FileRenamer: the in-memory fake the batch and window tests rely on
// must behave as the real file system does, on real folders, with and without the no-replace flag.

#include "FakeFileSystem.h"
#include "ScratchFolder.h"
#include "engine/BatchRename.h"
#include "platform/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class FakeHarness {
public:
    FakeHarness() { files_.AddFolder(folder_); }
    engine::FileRenamer& Files() { return files_; }
    const std::string& Folder() const { return folder_; }
    std::string MissingFolder() const { return folder_ + "-gone"; }
    void Add(const std::string& name, const std::string& content) { files_.AddFile(folder_, name, content); }
    std::vector<std::string> Names() const { return files_.Files(folder_); }
    std::string Content(const std::string& name) const { return files_.Content(folder_, name); }

private:
    fakes::FakeFileSystem files_;
    std::string folder_ = "/fake/photos";
};

template <platform::NoReplaceFlag Flag> class PosixHarness {
public:
    engine::FileRenamer& Files() { return files_; }
    const std::string& Folder() const { return folder_; }
    std::string MissingFolder() const { return folder_ + "/gone"; }
    void Add(const std::string& name, const std::string& content) { scratch_.Write(name, content); }
    std::vector<std::string> Names() const { return scratch_.Entries(); }
    std::string Content(const std::string& name) const { return scratch_.Read(name); }

private:
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Name();
    platform::PosixFileSystem files_{Flag};
};

using Harnesses = testing::Types<FakeHarness, PosixHarness<platform::NoReplaceFlag::Use>,
                                 PosixHarness<platform::NoReplaceFlag::Emulate>>;

class HarnessNames {
public:
    template <typename T> static std::string GetName(int index) {
        const char* names[] = {"Fake", "Posix", "PosixWithoutFlag"};
        return names[index];
    }
};

template <typename H> class FileRenamerContract : public testing::Test {
protected:
    H disk;
};
TYPED_TEST_SUITE(FileRenamerContract, Harnesses, HarnessNames);

TYPED_TEST(FileRenamerContract, RenameOntoAnExistingFileFailsAndKeepsBoth) {
    this->disk.Add("a.txt", "first");
    this->disk.Add("b.txt", "second");
    auto folder = this->disk.Files().OpenFolder(this->disk.Folder());
    ASSERT_NE(folder, nullptr);
    EXPECT_FALSE(folder->Rename("a.txt", "b.txt"));
    EXPECT_EQ(this->disk.Names(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(this->disk.Content("a.txt"), "first");
    EXPECT_EQ(this->disk.Content("b.txt"), "second");
}

TYPED_TEST(FileRenamerContract, RenameOntoADifferentCaseIsAnotherName) {
    this->disk.Add("a.txt", "lower");
    this->disk.Add("B.txt", "upper");
    auto folder = this->disk.Files().OpenFolder(this->disk.Folder());
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->Rename("a.txt", "A.txt"));
    EXPECT_FALSE(folder->Rename("A.txt", "B.txt"));
    EXPECT_EQ(this->disk.Names(), (std::vector<std::string>{"A.txt", "B.txt"}));
    EXPECT_EQ(this->disk.Content("A.txt"), "lower");
}

TYPED_TEST(FileRenamerContract, RenameOntoTheOwnNameSucceedsAndChangesNothing) {
    this->disk.Add("same.txt", "kept");
    auto folder = this->disk.Files().OpenFolder(this->disk.Folder());
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->Rename("same.txt", "same.txt"));
    EXPECT_EQ(this->disk.Names(), std::vector<std::string>{"same.txt"});
    EXPECT_EQ(this->disk.Content("same.txt"), "kept");
}

TYPED_TEST(FileRenamerContract, RenameOfAMissingFileFailsAndCreatesNothing) {
    this->disk.Add("present.txt", "x");
    auto folder = this->disk.Files().OpenFolder(this->disk.Folder());
    ASSERT_NE(folder, nullptr);
    EXPECT_FALSE(folder->Rename("missing.txt", "new.txt"));
    EXPECT_FALSE(folder->Rename("missing.txt", "missing.txt"));
    EXPECT_EQ(this->disk.Names(), std::vector<std::string>{"present.txt"});
}

TYPED_TEST(FileRenamerContract, NamesThatCouldLeaveTheFolderAreRefused) {
    this->disk.Add("a.txt", "x");
    auto folder = this->disk.Files().OpenFolder(this->disk.Folder());
    ASSERT_NE(folder, nullptr);
    const std::string nul("a\0b", 3);
    const std::vector<std::string> refused = {"", ".", "..", "../a.txt", "sub/a.txt", "/tmp/a.txt", nul};
    for (const auto& name : refused) {
        EXPECT_FALSE(folder->Rename("a.txt", name)) << "new name " << name;
        EXPECT_FALSE(folder->Rename(name, "b.txt")) << "old name " << name;
    }
    EXPECT_EQ(this->disk.Names(), std::vector<std::string>{"a.txt"});
}

TYPED_TEST(FileRenamerContract, AFolderThatCannotBeOpenedGivesNoRenamer) {
    EXPECT_EQ(this->disk.Files().OpenFolder(this->disk.MissingFolder()), nullptr);
}

// Records the questions and reports of a batch, and answers every question with Yes.
class YesPrompts : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string& text) override {
        questions.push_back(text);
        return true;
    }
    void ReportFailure(const std::string& text) override { failures.push_back(text); }
    std::vector<std::string> questions;
    std::vector<std::string> failures;
};

TYPED_TEST(FileRenamerContract, ABatchFailingInTheMiddleLeavesEveryFileUnderItsOldOrNewName) {
    this->disk.Add("a.jpg", "A");
    this->disk.Add("b.jpg", "B");
    this->disk.Add("c.jpg", "C");
    this->disk.Add("taken.jpg", "T");
    const engine::BatchSnapshot batch{this->disk.Folder(),
                                      {{"a.jpg", "01.jpg"}, {"b.jpg", "taken.jpg"}, {"c.jpg", "03.jpg"}}};
    YesPrompts prompts;
    const auto result = engine::RunBatch(batch, this->disk.Files(), prompts);
    EXPECT_EQ(result.renamed, 2);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(prompts.failures, std::vector<std::string>{"Error renaming file " +
                                                         engine::JoinPath(this->disk.Folder(), "b.jpg")});
    EXPECT_EQ(this->disk.Names(), (std::vector<std::string>{"01.jpg", "03.jpg", "b.jpg", "taken.jpg"}));
    EXPECT_EQ(this->disk.Content("01.jpg"), "A");
    EXPECT_EQ(this->disk.Content("b.jpg"), "B");
    EXPECT_EQ(this->disk.Content("03.jpg"), "C");
    EXPECT_EQ(this->disk.Content("taken.jpg"), "T");
}

TYPED_TEST(FileRenamerContract, ASwapAnsweredYesFailsTwiceAndChangesNothing) {
    this->disk.Add("a", "A");
    this->disk.Add("b", "B");
    const engine::BatchSnapshot batch{this->disk.Folder(), {{"a", "b"}, {"b", "a"}}};
    YesPrompts prompts;
    const auto result = engine::RunBatch(batch, this->disk.Files(), prompts);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(result.failed, 2);
    EXPECT_EQ(this->disk.Content("a"), "A");
    EXPECT_EQ(this->disk.Content("b"), "B");
}

TYPED_TEST(FileRenamerContract, AChainInOrderRenamesEveryFile) {
    this->disk.Add("a", "A");
    this->disk.Add("b", "B");
    const engine::BatchSnapshot batch{this->disk.Folder(), {{"b", "c"}, {"a", "b"}}};
    YesPrompts prompts;
    const auto result = engine::RunBatch(batch, this->disk.Files(), prompts);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(result.renamed, 2);
    EXPECT_EQ(this->disk.Names(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(this->disk.Content("b"), "A");
    EXPECT_EQ(this->disk.Content("c"), "B");
}

// The knobs other suites rely on to script failures.
TEST(FakeFileSystemScript, FailsTheChosenRenamesAndRecordsEveryAttempt) {
    fakes::FakeFileSystem files;
    files.AddFile("/f", "a", "A");
    files.AddFile("/f", "b", "B");
    files.AddFolder("/locked");
    files.FailOpen("/locked");
    files.FailRenameNumber(2);
    EXPECT_EQ(files.OpenFolder("/locked"), nullptr);
    auto folder = files.OpenFolder("/f");
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->Rename("a", "x"));
    EXPECT_FALSE(folder->Rename("b", "y"));
    EXPECT_TRUE(folder->Rename("b", "y"));
    EXPECT_EQ(files.Files("/f"), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(files.Content("/f", "y"), "B");
    ASSERT_EQ(files.Attempts().size(), 3u);
    EXPECT_FALSE(files.Attempts()[1].succeeded);
    ASSERT_EQ(files.Renames().size(), 2u);
    EXPECT_EQ(files.Renames()[1].newName, "y");
    EXPECT_EQ(files.OpenCount(), 2);
}

} // namespace
