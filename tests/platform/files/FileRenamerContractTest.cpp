// One set of cases for every engine::FileRenamer: the in-memory fake the batch and window tests rely on
// must behave as the real file system does, on real folders, with and without the no-replace flag.

#include "AnswerYes.h"
#include "FakeFileSystem.h"
#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"
#include "platform/files/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class FakeHarness {
public:
    FakeHarness() { files_.AddFolder(folder_); }
    engine::FileRenamer& Files() { return files_; }
    const std::string& Folder() const { return folder_; }
    std::string MissingFolder() const { return folder_ + "-gone"; }
    void Add(const std::string& name, const std::string& content) { files_.AddFile(folder_, name, content); }
    Names Entries() const { return files_.Files(folder_); }
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
    Names Entries() const { return scratch_.Entries(); }
    std::string Content(const std::string& name) const { return scratch_.Read(name); }

private:
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Name();
    platform::PosixFileSystem files_{Flag};
};

using Harnesses = testing::Types<FakeHarness, PosixHarness<platform::NoReplaceFlag::Use>,
                                 PosixHarness<platform::NoReplaceFlag::Emulate>>;

template <typename H> class FileRenamerContract : public testing::Test {
protected:
    // The folder opened for renaming, after the given files were written into it.
    std::unique_ptr<engine::FolderRenamer>
    OpenWith(const std::vector<std::pair<std::string, std::string>>& files) {
        for (const auto& [name, content] : files)
            disk.Add(name, content);
        auto folder = disk.Files().OpenFolder(disk.Folder());
        EXPECT_NE(folder, nullptr);
        return folder;
    }
    H disk;
};
TYPED_TEST_SUITE(FileRenamerContract, Harnesses);

TYPED_TEST(FileRenamerContract, RenameOntoAnExistingFileFailsAndKeepsBoth) {
    auto folder = this->OpenWith({{"a.txt", "first"}, {"b.txt", "second"}, {"C.txt", "upper"}});
    ASSERT_NE(folder, nullptr);
    EXPECT_FALSE(folder->Rename("a.txt", "b.txt"));
    EXPECT_EQ(this->disk.Content("a.txt"), "first");
    EXPECT_EQ(this->disk.Content("b.txt"), "second");
    // Letter case makes another name, and a case variant of an existing name is still refused.
    EXPECT_TRUE(folder->Rename("a.txt", "A.txt"));
    EXPECT_FALSE(folder->Rename("A.txt", "C.txt"));
    EXPECT_EQ(this->disk.Entries(), (Names{"A.txt", "C.txt", "b.txt"}));
    EXPECT_EQ(this->disk.Content("A.txt"), "first");
}

TYPED_TEST(FileRenamerContract, RenameOntoTheOwnNameSucceedsOnlyForAFileThatIsThere) {
    auto folder = this->OpenWith({{"same.txt", "kept"}});
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->Rename("same.txt", "same.txt"));
    EXPECT_FALSE(folder->Rename("missing.txt", "missing.txt"));
    EXPECT_FALSE(folder->Rename("missing.txt", "new.txt"));
    EXPECT_EQ(this->disk.Entries(), Names{"same.txt"});
    EXPECT_EQ(this->disk.Content("same.txt"), "kept");
}

TYPED_TEST(FileRenamerContract, NamesThatCouldLeaveTheFolderAreRefused) {
    auto folder = this->OpenWith({{"a.txt", "x"}});
    ASSERT_NE(folder, nullptr);
    for (const auto& name :
         Names{"", ".", "..", "../a.txt", "sub/a.txt", "/tmp/a.txt", std::string("a\0b", 3)}) {
        EXPECT_FALSE(folder->Rename("a.txt", name)) << "new name " << name;
        EXPECT_FALSE(folder->Rename(name, "b.txt")) << "old name " << name;
    }
    EXPECT_EQ(this->disk.Entries(), Names{"a.txt"});
}

TYPED_TEST(FileRenamerContract, AFolderThatCannotBeOpenedGivesNoRenamer) {
    EXPECT_EQ(this->disk.Files().OpenFolder(this->disk.MissingFolder()), nullptr);
}

TYPED_TEST(FileRenamerContract, ABatchFailingInTheMiddleLeavesEveryFileUnderItsOldOrNewName) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "taken.jpg"})
        this->disk.Add(name, std::string("content of ") + name);
    const engine::BatchSnapshot batch{this->disk.Folder(),
                                      {{"a.jpg", "01.jpg"}, {"b.jpg", "taken.jpg"}, {"c.jpg", "03.jpg"}}};
    fakes::AnswerYes prompts;
    const auto result = engine::RunBatch(batch, this->disk.Files(), prompts);
    EXPECT_EQ(result.renamed, 2);
    EXPECT_EQ(prompts.failures,
              Names{"Error renaming file " + engine::JoinPath(this->disk.Folder(), "b.jpg")});
    EXPECT_EQ(this->disk.Entries(), (Names{"01.jpg", "03.jpg", "b.jpg", "taken.jpg"}));
    EXPECT_EQ(this->disk.Content("01.jpg"), "content of a.jpg");
    EXPECT_EQ(this->disk.Content("b.jpg"), "content of b.jpg");
    EXPECT_EQ(this->disk.Content("03.jpg"), "content of c.jpg");
    EXPECT_EQ(this->disk.Content("taken.jpg"), "content of taken.jpg");
}

} // namespace
