// The real file system on real temporary folders: what the file list sees, the error texts the user sees,
// and renames that must stay in their folder whatever happens to it.

#include "platform/PosixFileSystem.h"

#include "ScratchFolder.h"
#include "platform/IoError.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using platform::IoError;
using platform::PosixFileSystem;
using Names = std::vector<std::string>;

// The text of the IoError that listing the folder throws; empty when nothing was thrown.
std::string ListingError(const std::string& folder) {
    PosixFileSystem files;
    try {
        files.ListFiles(folder);
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
}

TEST(PosixListing, OrdersWithoutRegardToCase) {
    ScratchFolder dir;
    for (const char* name :
         {"Zeta.txt", "alpha.txt", "Beta.txt", "beta.TXT", "_under.txt", "10.txt", "9.txt"})
        dir.Write(name, "");
    EXPECT_EQ(PosixFileSystem().ListFiles(dir.Name()),
              (Names{"10.txt", "9.txt", "_under.txt", "alpha.txt", "Beta.txt", "beta.TXT", "Zeta.txt"}));
}

TEST(PosixListing, KeepsNamesThatAreNotUtf8AsTheirBytes) {
    ScratchFolder dir;
    const std::string latin1 = "caf\xe9.txt"; // "café" written by a Latin-1 system
    const std::string broken = "\xff\xfe";
    dir.Write(latin1, "");
    dir.Write(broken, "");
    dir.Write("Cafe.txt", "");
    EXPECT_EQ(PosixFileSystem().ListFiles(dir.Name()), (Names{"Cafe.txt", latin1, broken}));
}

TEST(PosixListing, AnEmptyFolderGivesNoNames) {
    ScratchFolder dir;
    fs::create_directory(dir.Path() / "only-a-folder");
    EXPECT_TRUE(PosixFileSystem().ListFiles(dir.Name()).empty());
}

TEST(PosixListing, FolderThatIsMissingIsFileNotFound) {
    ScratchFolder dir;
    EXPECT_EQ(ListingError((dir.Path() / "gone").string()), "File not found");
    EXPECT_EQ(ListingError(""), "File not found");
}

TEST(PosixListing, AFileGivenAsFolderIsInvalidFilename) {
    ScratchFolder dir;
    dir.Write("file.txt", "");
    EXPECT_EQ(ListingError((dir.Path() / "file.txt").string()), "Invalid filename");
    EXPECT_EQ(ListingError((dir.Path() / "file.txt" / "below").string()), "Invalid filename");
}

TEST(PosixListing, AFolderWithoutReadPermissionIsFileAccessDenied) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, which reads every folder whatever its permissions";
    ScratchFolder dir;
    fs::create_directory(dir.Path() / "locked");
    fs::permissions(dir.Path() / "locked", fs::perms::none);
    EXPECT_EQ(ListingError((dir.Path() / "locked").string()), "File access denied");
    fs::permissions(dir.Path() / "locked", fs::perms::owner_all);
}

struct ErrorTextCase {
    int error;
    const char* text;
};

class IoErrorTexts : public testing::TestWithParam<ErrorTextCase> {};

TEST_P(IoErrorTexts, MapsTheErrnoToTheUsersText) {
    EXPECT_EQ(platform::IoErrorText(GetParam().error), GetParam().text);
    EXPECT_STREQ(IoError(GetParam().error).what(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Errno, IoErrorTexts,
    testing::Values(ErrorTextCase{ENOENT, "File not found"}, ErrorTextCase{ENOTDIR, "Invalid filename"},
                    ErrorTextCase{EMFILE, "Too many open files"},
                    ErrorTextCase{ENFILE, "Too many open files"}, ErrorTextCase{EACCES, "File access denied"},
                    ErrorTextCase{EPERM, "File access denied"}, ErrorTextCase{ENOSPC, "Disk full"},
                    ErrorTextCase{EIO, "I/O error 5"}, ErrorTextCase{ENAMETOOLONG, "I/O error 36"},
                    // 101 is a network errno here, not the disk-full number of the old wording
                    ErrorTextCase{ENETUNREACH, "I/O error 101"}));

TEST(PosixRenaming, AFolderMovedWhileOpenStillRenamesInsideIt) {
    ScratchFolder dir;
    fs::create_directory(dir.Path() / "before");
    const fs::path before = dir.Path() / "before";
    std::ofstream(before / "a.txt") << "content";
    PosixFileSystem files;
    auto folder = files.OpenFolder(before.string());
    ASSERT_NE(folder, nullptr);
    fs::rename(before, dir.Path() / "after");
    fs::create_directory(before); // a new folder of the old name must not receive the file

    EXPECT_TRUE(folder->Rename("a.txt", "b.txt"));
    EXPECT_TRUE(fs::exists(dir.Path() / "after" / "b.txt"));
    EXPECT_TRUE(fs::is_empty(before));
}

TEST(PosixRenaming, HardLinksToOneFileAreTwoNamesAndNeitherIsLost) {
    ScratchFolder dir;
    dir.Write("a.txt", "shared");
    fs::create_hard_link(dir.Path() / "a.txt", dir.Path() / "b.txt");
    for (auto flag : {platform::NoReplaceFlag::Use, platform::NoReplaceFlag::Emulate}) {
        PosixFileSystem files(flag);
        auto folder = files.OpenFolder(dir.Name());
        ASSERT_NE(folder, nullptr);
        EXPECT_FALSE(folder->Rename("a.txt", "b.txt"));
        EXPECT_EQ(dir.Entries(), (Names{"a.txt", "b.txt"}));
    }
}

TEST(PosixRenaming, ADanglingLinkBlocksItsNameAsATarget) {
    ScratchFolder dir;
    dir.Write("a.txt", "kept");
    fs::create_symlink("nowhere", dir.Path() / "b.txt");
    for (auto flag : {platform::NoReplaceFlag::Use, platform::NoReplaceFlag::Emulate}) {
        PosixFileSystem files(flag);
        auto folder = files.OpenFolder(dir.Name());
        ASSERT_NE(folder, nullptr);
        EXPECT_FALSE(folder->Rename("a.txt", "b.txt"));
        EXPECT_TRUE(fs::is_symlink(dir.Path() / "b.txt"));
        EXPECT_EQ(dir.Read("a.txt"), "kept");
    }
}

TEST(PosixRenaming, AFileGivenAsFolderGivesNoRenamer) {
    ScratchFolder dir;
    dir.Write("file.txt", "");
    EXPECT_EQ(PosixFileSystem().OpenFolder((dir.Path() / "file.txt").string()), nullptr);
    EXPECT_EQ(PosixFileSystem().OpenFolder(dir.Name() + std::string("\0x", 2)), nullptr);
}

} // namespace
