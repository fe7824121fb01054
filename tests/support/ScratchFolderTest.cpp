// The scratch folder that tests and benchmarks share: made fresh, on the memory file system when asked,
// and gone with everything in it at the end.
#include "ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ScratchFolder, IsRemovedWithItsFilesAndFoldersAtTheEnd) {
    std::filesystem::path where;
    {
        const ScratchFolder folder;
        where = folder.Path();
        folder.AddFolder("inner/deeper");
        folder.Write("inner/deeper/a.txt", "text");
        folder.AddEmptyFile("b.txt");
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"b.txt", "inner"}));
        EXPECT_EQ(folder.Read("inner/deeper/a.txt"), "text");
    }
    EXPECT_FALSE(std::filesystem::exists(where));
}

TEST(ScratchFolder, TwoAreNeverTheSame) {
    const ScratchFolder one;
    const ScratchFolder two;
    EXPECT_NE(one.Path(), two.Path());
}

TEST(ScratchFolder, AnEmptyFileIsNeverMadeOverAnother) {
    const ScratchFolder folder;
    folder.Write("a.txt", "kept");
    EXPECT_THROW(folder.AddEmptyFile("a.txt"), std::runtime_error);
    EXPECT_EQ(folder.Read("a.txt"), "kept");
}

TEST(ScratchFolder, InMemoryIsOnTmpfsWhereThereIsOne) {
    const ScratchFolder folder{ScratchFolder::InMemory()};
    EXPECT_EQ(folder.OnTmpfs(), ScratchFolder::OnTmpfs("/dev/shm"));
}

TEST(ScratchFolder, AFolderThatCannotBeMadeIsAnError) {
    EXPECT_THROW(ScratchFolder("/nonexistent/place"), std::runtime_error);
}

} // namespace
