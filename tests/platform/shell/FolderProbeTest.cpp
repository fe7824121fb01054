#include "platform/shell/FolderProbe.h"

#include "ScratchFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// The link count of a folder counts its real sub-folders only: links to folders must be looked for.
TEST(FolderProbe, FindsSubFoldersAndLinksToFolders) {
    const struct {
        const char* name;
        std::vector<std::string> folders; // made below the probed folder
        std::vector<std::string> files;
        std::vector<std::pair<std::string, std::string>> links; // name -> target below the scratch folder
        bool hasSubFolder;
    } cases[] = {
        {"files only", {}, {"a", "b"}, {}, false},
        {"one folder", {"sub"}, {"a"}, {}, true},
        {"only a link to a folder", {}, {"a"}, {{"link", "elsewhere/target"}}, true},
        {"link to a file", {}, {}, {{"link", "elsewhere/file"}}, false},
        {"dangling link", {}, {}, {{"link", "elsewhere/none"}}, false},
    };
    for (const auto& c : cases) {
        const ScratchFolder scratch;
        scratch.AddFolder("probed");
        scratch.AddFolder("elsewhere/target");
        scratch.Write("elsewhere/file", "x");
        for (const std::string& folder : c.folders)
            scratch.AddFolder("probed/" + folder);
        for (const std::string& file : c.files)
            scratch.Write("probed/" + file, "x");
        for (const auto& [name, target] : c.links)
            fs::create_symlink(scratch.Path() / target, scratch.Path() / "probed" / name);
        EXPECT_EQ(HasSubFolder(scratch.Sub("probed")), c.hasSubFolder) << c.name;
        // A folder this small needs no more than a quick look.
        EXPECT_EQ(HasSubFolderQuickly(scratch.Sub("probed")), std::optional<bool>(c.hasSubFolder)) << c.name;
    }
}

// A quick look reads a bounded number of entries: past them, only a full read can tell, unless the link
// count answers without reading at all.
struct QuickLookCase {
    const char* name;
    std::size_t files;
    bool withSubFolder;
    std::optional<bool> quick;
    bool full;
};

class FolderProbeQuickLook : public testing::TestWithParam<QuickLookCase> {};

TEST_P(FolderProbeQuickLook, AnswersWithinItsBoundOrPutsTheQuestionOff) {
    const QuickLookCase& c = GetParam();
    const ScratchFolder scratch;
    scratch.AddFolder("probed");
    if (c.withSubFolder)
        scratch.AddFolder("probed/sub");
    for (std::size_t i = 0; i < c.files; ++i)
        scratch.Write("probed/file" + std::to_string(i), "");
    EXPECT_EQ(HasSubFolderQuickly(scratch.Sub("probed")), c.quick);
    EXPECT_EQ(HasSubFolder(scratch.Sub("probed")), c.full);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FolderProbeQuickLook,
    testing::Values(QuickLookCase{"FilesWithinTheBound", QuickLookEntries - 24, false, false, false},
                    QuickLookCase{"FilesPastTheBound", QuickLookEntries + 24, false, std::nullopt, false},
                    QuickLookCase{"SubFolderAmongManyFiles", QuickLookEntries + 24, true, true, true}),
    [](const testing::TestParamInfo<QuickLookCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// The reader gives the sub-folders one at a time: every folder and link to a folder once, no file, no
// dangling link, and the same again after a rewind; a folder that cannot be read is not open.
TEST(SubFolderReader, GivesEachSubFolderOnceAndStartsOverOnRewind) {
    const ScratchFolder scratch;
    scratch.AddFolder("probed/one");
    scratch.AddFolder("probed/.hidden");
    scratch.AddFolder("elsewhere");
    scratch.Write("probed/file", "x");
    fs::create_symlink(scratch.Path() / "elsewhere", scratch.Path() / "probed" / "link");
    fs::create_symlink(scratch.Path() / "none", scratch.Path() / "probed" / "dangling");
    SubFolderReader reader(scratch.Sub("probed"));
    ASSERT_TRUE(reader.IsOpen());
    std::vector<std::string> first;
    while (std::optional<std::string> name = reader.Next())
        first.push_back(*name);
    EXPECT_EQ(reader.Next(), std::nullopt); // stays at the end
    reader.Rewind();
    std::vector<std::string> again;
    while (std::optional<std::string> name = reader.Next())
        again.push_back(*name);
    EXPECT_EQ(again, first);
    std::sort(first.begin(), first.end());
    EXPECT_EQ(first, (std::vector<std::string>{".hidden", "link", "one"}));
    EXPECT_EQ(ListSubFolders(scratch.Sub("probed")), std::optional<std::vector<std::string>>(again));

    SubFolderReader missing(scratch.Sub("missing"));
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Next(), std::nullopt);
}

} // namespace
