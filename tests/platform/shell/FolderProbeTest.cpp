#include "platform/shell/FolderProbe.h"

#include "ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

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
