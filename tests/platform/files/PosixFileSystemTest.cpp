// The real file system on real temporary folders: what the file list sees, the error texts the user sees,
// and renames that must stay in their folder whatever happens to it.

#include "platform/files/PosixFileSystem.h"

#include "AnswerYes.h"
#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"
#include "platform/files/IoError.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using platform::IoError;
using platform::PosixFileSystem;
using Names = std::vector<std::string>;

// The text of the IoError that listing the folder throws; empty when nothing was thrown.
std::string ListingError(const fs::path& folder) {
    try {
        PosixFileSystem().ListFiles(folder.string());
    } catch (const IoError& error) {
        return error.what();
    }
    return {};
}

TEST(PosixListing, ListsEveryEntryThatIsNotAFolder) {
    ScratchFolder dir;
    dir.Write("plain.txt", "");
    dir.Write(".hidden", "");
    dir.Write("..double-dot", "");
    fs::create_directory(dir.Path() / "sub");
    fs::create_directory(dir.Path() / ".hidden-folder");
    fs::create_directory_symlink(dir.Path() / "sub", dir.Path() / "link-to-sub");
    fs::create_symlink(dir.Path() / "nowhere", dir.Path() / "dangling");
    ASSERT_EQ(mkfifo((dir.Path() / "pipe").c_str(), 0600), 0);
    fs::permissions(dir.Path() / "plain.txt", fs::perms::none);

    EXPECT_EQ(PosixFileSystem().ListFiles(dir.Name()),
              (Names{"..double-dot", ".hidden", "dangling", "link-to-sub", "pipe", "plain.txt"}));
    EXPECT_TRUE(PosixFileSystem().ListFiles((dir.Path() / "sub").string()).empty());
}

// The file list's read tells the folder tree whether the folder has a sub-folder, as the tree counts one:
// a folder, hidden or not, or a link that leads to a folder; never a file, a link to a file or a dangling
// link. A read called off tells nothing.
struct SubFoldersSeenCase {
    const char* name;
    std::vector<std::string> folders;
    std::vector<std::pair<std::string, std::string>> links; // name -> target below the scratch folder
    bool cancelled;
    platform::SubFoldersSeen seen;
};

class PosixListingSubFolders : public testing::TestWithParam<SubFoldersSeenCase> {};

TEST_P(PosixListingSubFolders, TellsWhatTheTreeWouldFind) {
    const SubFoldersSeenCase& c = GetParam();
    ScratchFolder dir;
    dir.AddFolder("listed");
    dir.AddFolder("elsewhere/target");
    dir.Write("elsewhere/file", "");
    for (int i = 0; i < 3; ++i)
        dir.Write("listed/file " + std::to_string(i), "");
    for (const std::string& folder : c.folders)
        dir.AddFolder("listed/" + folder);
    for (const auto& [name, target] : c.links)
        fs::create_symlink(dir.Path() / target, dir.Path() / "listed" / name);
    platform::ListingControl control;
    control.cancelled = c.cancelled;
    engine::FolderIdentity identity;
    const Names names = PosixFileSystem().ListFilesWatched(dir.Sub("listed"), identity, control);
    EXPECT_EQ(control.subFolders.load(), c.seen);
    if (!c.cancelled) {
        EXPECT_EQ(names.size(), 3 + c.links.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PosixListingSubFolders,
    testing::Values(
        SubFoldersSeenCase{"FilesOnly", {}, {}, false, platform::SubFoldersSeen::None},
        SubFoldersSeenCase{"AFolder", {"sub"}, {}, false, platform::SubFoldersSeen::Some},
        SubFoldersSeenCase{"AHiddenFolder", {".sub"}, {}, false, platform::SubFoldersSeen::Some},
        SubFoldersSeenCase{
            "ALinkToAFolder", {}, {{"link", "elsewhere/target"}}, false, platform::SubFoldersSeen::Some},
        SubFoldersSeenCase{
            "ALinkToAFile", {}, {{"link", "elsewhere/file"}}, false, platform::SubFoldersSeen::None},
        SubFoldersSeenCase{
            "ADanglingLink", {}, {{"link", "elsewhere/none"}}, false, platform::SubFoldersSeen::None},
        SubFoldersSeenCase{"CalledOff", {"sub"}, {}, true, platform::SubFoldersSeen::Unknown}),
    [](const testing::TestParamInfo<SubFoldersSeenCase>& info) { return std::string(info.param.name); });

TEST(PosixListing, OrdersWithoutRegardToCaseAndKeepsNamesThatAreNotUtf8) {
    ScratchFolder dir;
    const std::string latin1 = "caf\xe9.txt"; // "café" written by a Latin-1 system
    for (const auto& name : Names{"Zeta.txt", "alpha.txt", "beta.TXT", "Beta.txt", "10.txt", "9.txt", latin1})
        dir.Write(name, "");
    EXPECT_EQ(PosixFileSystem().ListFiles(dir.Name()),
              (Names{"10.txt", "9.txt", "alpha.txt", "Beta.txt", "beta.TXT", latin1, "Zeta.txt"}));
}

TEST(PosixListing, FailuresCarryTheUsersErrorTexts) {
    ScratchFolder dir;
    dir.Write("file.txt", "");
    EXPECT_EQ(ListingError(dir.Path() / "gone"), "File not found");
    EXPECT_EQ(ListingError(""), "File not found");
    EXPECT_EQ(ListingError(dir.Path() / "file.txt"), "Invalid filename");
    EXPECT_EQ(ListingError(dir.Path() / "file.txt" / "below"), "Invalid filename");
}

TEST(PosixListing, AFolderWithoutReadPermissionIsFileAccessDenied) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, which reads every folder whatever its permissions";
    ScratchFolder dir;
    fs::create_directory(dir.Path() / "locked");
    fs::permissions(dir.Path() / "locked", fs::perms::none);
    EXPECT_EQ(ListingError(dir.Path() / "locked"), "File access denied");
    fs::permissions(dir.Path() / "locked", fs::perms::owner_all);
}

TEST(IoErrorTexts, MapTheErrnoToTheUsersText) {
    const std::pair<int, const char*> cases[] = {
        {ENOENT, "File not found"},
        {ENOTDIR, "Invalid filename"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {ENOSPC, "Disk full"},
        {EIO, "I/O error 5"},
        // 101 is a network errno here, not the disk-full number of the old wording
        {ENETUNREACH, "I/O error 101"}};
    for (const auto& [error, text] : cases) {
        EXPECT_EQ(platform::IoErrorText(error), text);
        EXPECT_STREQ(IoError(error).what(), text);
    }
}

TEST(PosixRenaming, AFolderMovedWhileOpenStillRenamesInsideIt) {
    ScratchFolder dir;
    const fs::path before = dir.Path() / "before";
    fs::create_directory(before);
    std::ofstream(before / "a.txt") << "content";
    auto folder = PosixFileSystem().OpenFolder(before.string());
    ASSERT_NE(folder, nullptr);
    fs::rename(before, dir.Path() / "after");
    fs::create_directory(before); // a new folder of the old name must not receive the file

    EXPECT_TRUE(folder->Rename("a.txt", "b.txt"));
    EXPECT_TRUE(fs::exists(dir.Path() / "after" / "b.txt"));
    EXPECT_TRUE(fs::is_empty(before));
}

// A hard link to the same file, and a dangling link, are names of their own and are never replaced.
TEST(PosixRenaming, TargetsThatAreLinksAreNeverReplaced) {
    ScratchFolder dir;
    dir.Write("a.txt", "shared");
    fs::create_hard_link(dir.Path() / "a.txt", dir.Path() / "hard.txt");
    fs::create_symlink("nowhere", dir.Path() / "dangling.txt");
    for (auto flag : {platform::NoReplaceFlag::Use, platform::NoReplaceFlag::Emulate}) {
        auto folder = PosixFileSystem(flag).OpenFolder(dir.Name());
        ASSERT_NE(folder, nullptr);
        EXPECT_FALSE(folder->Rename("a.txt", "hard.txt"));
        EXPECT_FALSE(folder->Rename("a.txt", "dangling.txt"));
        EXPECT_EQ(dir.Entries(), (Names{"a.txt", "dangling.txt", "hard.txt"}));
        EXPECT_TRUE(fs::is_symlink(dir.Path() / "dangling.txt"));
        EXPECT_EQ(dir.Read("a.txt"), "shared");
    }
}

// A question's box runs a nested event loop, in which the folder may be moved; the batch still renames
// the files the grid listed, in the folder they moved with, and nothing in a new folder of the old name.
TEST(PosixRenaming, ABatchStaysInItsFolderWhenItMovesWhileAQuestionIsOpen) {
    class MovingPrompts : public engine::BatchPrompts {
    public:
        explicit MovingPrompts(const fs::path& from, const fs::path& to) : from_(from), to_(to) {}
        bool ConfirmClash(const std::string&) override {
            fs::rename(from_, to_);
            fs::create_directory(from_);
            std::ofstream(from_ / "b.txt") << "stranger";
            return true;
        }
        void ReportFailure(const std::string& text) override { failures.push_back(text); }
        Names failures;

    private:
        fs::path from_, to_;
    };
    ScratchFolder dir;
    const fs::path before = dir.Path() / "before";
    const fs::path after = dir.Path() / "after";
    fs::create_directory(before);
    for (const char* name : {"a.txt", "b.txt", "x.txt"})
        std::ofstream(before / name) << name;
    // Row 1 asks, as b.txt is the old name of row 2; its own rename then fails, as b.txt is still there.
    const engine::BatchSnapshot batch{before.string(),
                                      {{"a.txt", "b.txt"}, {"b.txt", "c.txt"}, {"x.txt", "y.txt"}}};
    MovingPrompts prompts(before, after);
    PosixFileSystem files;
    const auto result = engine::RunBatch(batch, files, prompts);
    EXPECT_EQ(result.renamed, 2);
    EXPECT_EQ(prompts.failures, Names{"Error renaming file " + (before / "a.txt").string()});
    Names moved;
    for (const auto& entry : fs::directory_iterator(after))
        moved.push_back(entry.path().filename().string());
    std::sort(moved.begin(), moved.end());
    EXPECT_EQ(moved, (Names{"a.txt", "c.txt", "y.txt"}));
    EXPECT_TRUE(fs::exists(before / "b.txt"));
    EXPECT_FALSE(fs::exists(before / "c.txt"));
}

// Go opens the listed path afresh, maybe minutes after the listing. When the path leads to another folder
// by then (the listed one moved away, another folder or a link to one in its place), nothing is renamed.
TEST(PosixRenaming, ABatchRenamesOnlyInTheFolderThatWasListed) {
    enum Change { None, MovedAway, AnotherFolder, LinkToAnother };
    for (const Change change : {None, MovedAway, AnotherFolder, LinkToAnother}) {
        ScratchFolder dir;
        const fs::path listed = dir.Path() / "listed";
        const fs::path stranger = dir.Path() / "stranger";
        for (const fs::path& folder : {listed, stranger}) {
            fs::create_directory(folder);
            std::ofstream(folder / "a.txt") << "a";
        }
        PosixFileSystem files;
        engine::FolderIdentity identity;
        ASSERT_EQ(files.ListFiles(listed.string(), identity), Names{"a.txt"});
        if (change != None)
            fs::rename(listed, dir.Path() / "moved");
        if (change == AnotherFolder)
            fs::create_directory(listed), std::ofstream(listed / "a.txt") << "a";
        if (change == LinkToAnother)
            fs::create_directory_symlink(stranger, listed);

        fakes::AnswerYes prompts;
        const auto result =
            engine::RunBatch({listed.string(), {{"a.txt", "b.txt"}}, identity}, files, prompts);
        EXPECT_TRUE(result.listAgain) << change;
        EXPECT_EQ(result.folderMoved, change != None) << change;
        EXPECT_EQ(prompts.failures,
                  change == None ? Names{} : Names{engine::FolderMovedMessage(listed.string())})
            << change;
        const fs::path renamedIn = change == None ? listed : dir.Path() / "moved";
        EXPECT_EQ(fs::exists(renamedIn / "b.txt"), change == None) << change;
        EXPECT_TRUE(fs::exists(stranger / "a.txt")) << change;
    }
}

TEST(PosixRenaming, AFileGivenAsFolderGivesNoRenamer) {
    ScratchFolder dir;
    dir.Write("file.txt", "");
    EXPECT_EQ(PosixFileSystem().OpenFolder((dir.Path() / "file.txt").string()), nullptr);
    EXPECT_EQ(PosixFileSystem().OpenFolder(dir.Name() + std::string("\0x", 2)), nullptr);
}

} // namespace

// A failed rename tells why in the system's words, which the failure box shows under its details; a
// rename that worked leaves no reason behind.
TEST(PosixRenaming, AFailedRenameGivesTheSystemsReason) {
    ScratchFolder dir;
    dir.Write("a.txt", "a");
    dir.Write("b.txt", "b");
    const struct {
        const char* name;
        std::string from;
        std::string to;
        std::string reason;
    } cases[] = {
        {"NameTooLong", "a.txt", std::string(300, 'n'), "File name too long"},
        {"SourceGone", "gone.txt", "c.txt", "No such file or directory"},
        {"TargetTaken", "a.txt", "b.txt", "File exists"},
        {"Renamed", "a.txt", "c.txt", ""},
    };
    PosixFileSystem files;
    const auto folder = files.OpenFolder(dir.Name());
    ASSERT_NE(folder, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(folder->Rename(c.from, c.to), c.reason.empty());
        EXPECT_EQ(folder->FailureReason(), c.reason);
    }
}
