#include "platform/shell/FolderProbe.h"

#include "ScratchFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

struct ProbeCase {
    const char* name;
    std::vector<std::string> folders; // made below the probed folder
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> links; // name -> target below the scratch folder
    bool hasSubFolder;
};

void PrintTo(const ProbeCase& probe, std::ostream* out) {
    *out << probe.name;
}

class FolderProbe : public testing::TestWithParam<ProbeCase> {};

// The link count of a folder counts its real sub-folders only: links to folders must be looked for.
TEST_P(FolderProbe, FindsSubFoldersAndLinksToFolders) {
    const ScratchFolder scratch;
    scratch.AddFolder("probed");
    scratch.AddFolder("elsewhere/target");
    scratch.Write("elsewhere/file", "x");
    for (const std::string& folder : GetParam().folders)
        scratch.AddFolder("probed/" + folder);
    for (const std::string& file : GetParam().files)
        scratch.Write("probed/" + file, "x");
    for (const auto& [name, target] : GetParam().links)
        fs::create_symlink(scratch.Path() / target, scratch.Path() / "probed" / name);
    EXPECT_EQ(HasSubFolder(scratch.Sub("probed")), GetParam().hasSubFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Probes, FolderProbe,
    testing::Values(ProbeCase{"FilesOnly", {}, {"a", "b"}, {}, false},
                    ProbeCase{"OneFolder", {"sub"}, {"a"}, {}, true},
                    ProbeCase{"OnlyALinkToAFolder", {}, {"a"}, {{"link", "elsewhere/target"}}, true},
                    ProbeCase{"LinkToAFile", {}, {}, {{"link", "elsewhere/file"}}, false},
                    ProbeCase{"DanglingLink", {}, {}, {{"link", "elsewhere/none"}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
