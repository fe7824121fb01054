// Renaming on real folders, on the disk and in memory (tmpfs), as on file systems that refuse the
// no-replace flag (NFS, SMB, some FUSE mounts), while another program changes the folder between two of
// the renamer's system calls.

#include "RowNames.h"
#include "ScratchFolder.h"
#include "platform/files/PosixFolderRenamer.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using rownames::PrintTo;

using platform::FileIdentity;
using Names = std::vector<std::string>;

// The real calls on a real folder, but the flag is refused, one name cannot be removed, and a hook sees
// (and may act before) every call that would change the folder.
class InterposedCalls : public platform::FolderCalls {
public:
    explicit InterposedCalls(std::unique_ptr<FolderCalls> real) : real_(std::move(real)) {}

    bool flagRefused = true;
    std::set<std::string> unremovable; // Unlink of these names fails with EIO
    std::function<void(const std::string& from, const std::string& to)> before;

    int RenameNoReplace(const std::string& from, const std::string& to) override {
        return flagRefused ? EINVAL : Changing(from, to, [&] { return real_->RenameNoReplace(from, to); });
    }
    int RenameReplacing(const std::string& from, const std::string& to) override {
        return Changing(from, to, [&] { return real_->RenameReplacing(from, to); });
    }
    int Link(const std::string& from, const std::string& to) override {
        return Changing(from, to, [&] { return real_->Link(from, to); });
    }
    int Unlink(const std::string& name) override {
        return unremovable.count(name) != 0 ? EIO : Changing(name, {}, [&] { return real_->Unlink(name); });
    }
    int Identify(const std::string& name, FileIdentity& identity) override {
        return real_->Identify(name, identity);
    }

private:
    int Changing(const std::string& from, const std::string& to, const std::function<int()>& call) {
        if (before)
            before(from, to);
        return call();
    }
    std::unique_ptr<FolderCalls> real_;
};

struct Place {
    const char* label;
    const char* root;
};

class RenameFallback : public testing::TestWithParam<Place> {
protected:
    RenameFallback() : dir(GetParam().root) {
        auto calls = std::make_unique<InterposedCalls>(platform::OpenFolderCalls(dir.Name()));
        folder = calls.get();
        renamer = std::make_unique<platform::PosixFolderRenamer>(std::move(calls));
    }
    ScratchFolder dir;
    InterposedCalls* folder; // owned by the renamer
    std::unique_ptr<platform::PosixFolderRenamer> renamer;
};

TEST_P(RenameFallback, AFileAnotherProgramCreatesUnderTheNewNameIsNeverReplaced) {
    dir.Write("a", "mine");
    folder->before = [this](const std::string&, const std::string&) {
        if (!fs::exists(dir.Path() / "b"))
            dir.Write("b", "theirs");
    };
    EXPECT_FALSE(renamer->Rename("a", "b"));
    EXPECT_EQ(dir.Entries(), (Names{"a", "b"}));
    EXPECT_EQ(dir.Read("a"), "mine");
    EXPECT_EQ(dir.Read("b"), "theirs");
}

TEST_P(RenameFallback, RenamesAndKeepsASymbolicLinkALink) {
    dir.Write("a", "content");
    fs::create_symlink("a", dir.Path() / "link");
    EXPECT_TRUE(renamer->Rename("a", "b"));
    EXPECT_TRUE(renamer->Rename("link", "pointer"));
    EXPECT_EQ(dir.Entries(), (Names{"b", "pointer"}));
    EXPECT_EQ(fs::read_symlink(dir.Path() / "pointer"), "a");
    EXPECT_EQ(dir.Read("b"), "content");
}

TEST_P(RenameFallback, AnOldNameThatCannotBeRemovedKeepsTheFileUnderItAlone) {
    dir.Write("a", "content");
    folder->unremovable = {"a"};
    EXPECT_FALSE(renamer->Rename("a", "b"));
    EXPECT_EQ(dir.Entries(), Names{"a"});
    EXPECT_EQ(dir.Read("a"), "content");
}

// Neither name can be removed (a failing disk): the file keeps both, and the renamer says so.
TEST_P(RenameFallback, ANewNameThatCannotBeTakenAwayAgainIsReported) {
    dir.Write("a", "content");
    folder->unremovable = {"a", "b"};
    EXPECT_FALSE(renamer->Rename("a", "b"));
    EXPECT_EQ(dir.Entries(), (Names{"a", "b"}));
    EXPECT_EQ(renamer->StrandedName(), "b");
    EXPECT_TRUE(renamer->StrandedBesideOldName());
    // The next rename starts afresh.
    folder->unremovable.clear();
    EXPECT_TRUE(renamer->Rename("b", "c"));
    EXPECT_EQ(renamer->StrandedName(), "");
    EXPECT_EQ(dir.Entries(), (Names{"a", "c"}));
}

// Another hard link of the same file is a name of its own: with or without the flag the rename fails at
// once and never moves the file, so nothing can leave it under a temporary name.
TEST_P(RenameFallback, AHardLinkOfTheSameFileFailsWithoutMovingTheFile) {
    dir.Write("a", "shared");
    fs::create_hard_link(dir.Path() / "a", dir.Path() / "b");
    Names detours; // calls aimed at any other name than the one asked for
    folder->before = [&detours](const std::string& from, const std::string& to) {
        if (to != "b")
            detours.push_back(from + " -> " + to);
    };
    for (const bool flagRefused : {false, true}) {
        folder->flagRefused = flagRefused;
        EXPECT_FALSE(renamer->Rename("a", "b")) << "flag refused: " << flagRefused;
    }
    EXPECT_EQ(detours, Names{});
    EXPECT_EQ(dir.Entries(), (Names{"a", "b"}));
}

INSTANTIATE_TEST_SUITE_P(Places, RenameFallback,
                         testing::Values(Place{"Disk", "/var/tmp"}, Place{"Memory", "/dev/shm"}),
                         rownames::RowLabel());

} // namespace
