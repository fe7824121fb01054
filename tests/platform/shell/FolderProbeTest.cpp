#include "platform/shell/FolderProbe.h"

#include "ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

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
    }
}

} // namespace
