// A batch renames only in the folder that was listed: when its path leads elsewhere by the time of Go
// (the folder moved away, another folder or a link to one in its place), nothing is renamed anywhere.

#include "ScratchFolder.h"
#include "engine/BatchRename.h"
#include "platform/files/PosixFileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

class RecordingPrompts : public engine::BatchPrompts {
public:
    bool ConfirmClash(const std::string&) override { return true; }
    void ReportFailure(const std::string& text) override { failures.push_back(text); }
    Names failures;
};

Names EntriesOf(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void Fill(const fs::path& folder) {
    fs::create_directory(folder);
    for (const char* name : {"a.jpg", "b.jpg"})
        std::ofstream(folder / name) << name;
}

struct Change {
    const char* name;
    // What happens to the listed folder "photos" between the listing and Go; "elsewhere" is where it went.
    std::function<void(const fs::path& photos, const fs::path& elsewhere, const fs::path& stranger)> happen;
    bool samePlace; // the path still leads to the listed folder
};

void PrintTo(const Change& change, std::ostream* out) {
    *out << change.name;
}

class ListedFolder : public testing::TestWithParam<Change> {};

TEST_P(ListedFolder, IsTheOnlyFolderAGoRenamesIn) {
    ScratchFolder dir;
    const fs::path photos = dir.Path() / "photos";
    const fs::path elsewhere = dir.Path() / "elsewhere";
    const fs::path stranger = dir.Path() / "stranger";
    Fill(photos);
    Fill(stranger);
    platform::PosixFileSystem files;
    engine::FolderIdentity identity;
    ASSERT_EQ(files.ListFiles(photos.string(), identity), (Names{"a.jpg", "b.jpg"}));
    GetParam().happen(photos, elsewhere, stranger);

    const engine::BatchSnapshot batch{photos.string(), {{"a.jpg", "1.jpg"}, {"b.jpg", "2.jpg"}}, identity};
    RecordingPrompts prompts;
    const auto result = engine::RunBatch(batch, files, prompts);

    EXPECT_TRUE(result.listAgain);
    EXPECT_EQ(EntriesOf(stranger), (Names{"a.jpg", "b.jpg"}));
    if (GetParam().samePlace) {
        EXPECT_EQ(result.renamed, 2);
        EXPECT_FALSE(result.folderMoved);
        EXPECT_TRUE(prompts.failures.empty());
        EXPECT_EQ(EntriesOf(photos), (Names{"1.jpg", "2.jpg"}));
        return;
    }
    EXPECT_EQ(result.renamed, 0);
    EXPECT_TRUE(result.folderMoved);
    EXPECT_EQ(prompts.failures, Names{engine::FolderMovedMessage(photos.string())});
    EXPECT_EQ(EntriesOf(elsewhere), (Names{"a.jpg", "b.jpg"}));
    if (fs::exists(photos)) {
        EXPECT_EQ(EntriesOf(photos), (Names{"a.jpg", "b.jpg"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, ListedFolder,
                         testing::Values(Change{"Unchanged", [](auto&, auto&, auto&) {}, true},
                                         Change{"MovedAway",
                                                [](auto& photos, auto& elsewhere, auto&) {
                                                    fs::rename(photos, elsewhere);
                                                },
                                                false},
                                         Change{"AnotherFolderInItsPlace",
                                                [](auto& photos, auto& elsewhere, auto&) {
                                                    fs::rename(photos, elsewhere);
                                                    Fill(photos);
                                                },
                                                false},
                                         Change{"ALinkToAnotherFolderInItsPlace",
                                                [](auto& photos, auto& elsewhere, auto& stranger) {
                                                    fs::rename(photos, elsewhere);
                                                    fs::create_directory_symlink(stranger, photos);
                                                },
                                                false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
