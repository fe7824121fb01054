// Renaming on real folders, on the disk and in memory (tmpfs), the way file systems behave that refuse the
// no-replace flag (NFS, SMB, some FUSE mounts) or hard links (vfat), while another program changes the
// folder between two of the renamer's system calls.

#include "ScratchFolder.h"
#include "platform/files/PosixFolderRenamer.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using platform::FileIdentity;
using platform::FolderCalls;
using Names = std::vector<std::string>;

// The real calls on a real folder, with the answers of a file system that refuses the flag or hard
// links, a name that cannot be removed, and a hook through which "another program" acts.
class InterposedCalls : public FolderCalls {
public:
    explicit InterposedCalls(std::unique_ptr<FolderCalls> real) : real_(std::move(real)) {}

    bool flagRefused = true;
    bool linksRefused = false;
    std::string unremovable; // Unlink of this name fails with EIO
    // Runs before each call that changes the folder: its name ("rename", "link", "unlink") and arguments.
    std::function<void(const std::string& call, const std::string& from, const std::string& to)> before;
    // Runs after each such call that succeeded.
    std::function<void(const std::string& call, const std::string& from, const std::string& to)> after;

    int RenameNoReplace(const std::string& from, const std::string& to) override {
        if (flagRefused)
            return EINVAL;
        return Changing("rename", from, to, [&] { return real_->RenameNoReplace(from, to); });
    }
    int RenameReplacing(const std::string& from, const std::string& to) override {
        return Changing("rename", from, to, [&] { return real_->RenameReplacing(from, to); });
    }
    int Link(const std::string& from, const std::string& to) override {
        if (linksRefused)
            return EPERM;
        return Changing("link", from, to, [&] { return real_->Link(from, to); });
    }
    int Unlink(const std::string& name) override {
        if (name == unremovable)
            return EIO;
        return Changing("unlink", name, {}, [&] { return real_->Unlink(name); });
    }
    int Identify(const std::string& name, FileIdentity& identity) override {
        return real_->Identify(name, identity);
    }
    int IdentifyFolder(FileIdentity& identity) override { return real_->IdentifyFolder(identity); }

private:
    int Changing(const std::string& call, const std::string& from, const std::string& to,
                 const std::function<int()>& real) {
        if (before)
            before(call, from, to);
        const int error = real();
        if (error == 0 && after)
            after(call, from, to);
        return error;
    }
    std::unique_ptr<FolderCalls> real_;
};

struct Place {
    const char* name;
    const char* root;
};

void PrintTo(const Place& place, std::ostream* out) {
    *out << place.name;
}

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
    folder->before = [this](const std::string&, const std::string&, const std::string&) {
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
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "pointer"));
    EXPECT_EQ(fs::read_symlink(dir.Path() / "pointer"), "a");
    EXPECT_EQ(dir.Read("b"), "content");
}

TEST_P(RenameFallback, AnOldNameThatCannotBeRemovedKeepsTheFileUnderItAlone) {
    dir.Write("a", "content");
    folder->unremovable = "a";
    EXPECT_FALSE(renamer->Rename("a", "b"));
    EXPECT_EQ(dir.Entries(), Names{"a"});
    EXPECT_EQ(dir.Read("a"), "content");
    EXPECT_TRUE(renamer->StrandedName().empty());
}

TEST_P(RenameFallback, WithoutHardLinksAFreeNameIsTakenAndATakenOneRefused) {
    dir.Write("a", "first");
    dir.Write("b", "second");
    folder->linksRefused = true;
    EXPECT_FALSE(renamer->Rename("a", "b"));
    EXPECT_TRUE(renamer->Rename("a", "c"));
    EXPECT_EQ(dir.Entries(), (Names{"b", "c"}));
    EXPECT_EQ(dir.Read("b"), "second");
    EXPECT_EQ(dir.Read("c"), "first");
}

// Another hard link of the same file is a name of its own: the rename fails at once, whatever the file
// system, and never moves the file, so nothing can leave it under a temporary name.
TEST_P(RenameFallback, AHardLinkOfTheSameFileFailsWithoutMovingTheFile) {
    for (const bool flagRefused : {false, true}) {
        ScratchFolder scratch(dir.Path());
        scratch.Write("a", "shared");
        fs::create_hard_link(scratch.Path() / "a", scratch.Path() / "b");
        auto calls = std::make_unique<InterposedCalls>(platform::OpenFolderCalls(scratch.Name()));
        calls->flagRefused = flagRefused;
        int changes = 0;
        // Another program takes the old name as soon as the file leaves it.
        calls->after = [&](const std::string&, const std::string& from, const std::string&) {
            ++changes;
            if (from == "a" && !fs::exists(scratch.Path() / "a"))
                scratch.Write("a", "intruder");
        };
        platform::PosixFolderRenamer renamer(std::move(calls));
        EXPECT_FALSE(renamer.Rename("a", "b")) << "flag refused: " << flagRefused;
        EXPECT_EQ(changes, 0) << "flag refused: " << flagRefused;
        EXPECT_EQ(scratch.Entries(), (Names{"a", "b"})) << "flag refused: " << flagRefused;
        EXPECT_EQ(scratch.Read("a"), "shared") << "flag refused: " << flagRefused;
    }
}

INSTANTIATE_TEST_SUITE_P(Places, RenameFallback,
                         testing::Values(Place{"Disk", "/var/tmp"}, Place{"Memory", "/dev/shm"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
