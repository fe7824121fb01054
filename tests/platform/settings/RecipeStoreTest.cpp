// Saved recipes on a real temporary folder: what is written comes back, what could not name a plain file
// of the folder is refused, and the recipe used last outlives the store that remembered it.
#include "platform/settings/RecipeStore.h"

#include "RowNames.h"
#include "ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

std::vector<std::string> EntriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

using platform::RecipeNameProblem;
using platform::RecipeStore;

class RecipeStoreTest : public ::testing::Test {
protected:
    ScratchFolder scratch_;
    // The folder is made by the first save.
    RecipeStore store_{scratch_.Sub("recipes")};
};

TEST_F(RecipeStoreTest, SavedRecipeComesBackByteForByteUnderItsName) {
    const std::string text = "{\"steps\": [{\"case\": {\"to\": \"upper\"}}]}\n\xC3\xA9";
    ASSERT_EQ(store_.Save("Holiday été", text), "");
    std::string error;
    EXPECT_EQ(store_.Load("Holiday été", error), text);
    EXPECT_EQ(error, "");
    EXPECT_EQ(scratch_.Read("recipes/Holiday été.json"), text);
}

TEST_F(RecipeStoreTest, SavingAgainReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    ASSERT_EQ(store_.Save("a", std::string(5000, 'x')), "");
    ASSERT_EQ(store_.Save("a", "short"), "");
    std::string error;
    EXPECT_EQ(store_.Load("a", error), "short");
    EXPECT_EQ(EntriesOf(scratch_.Sub("recipes")), std::vector<std::string>{"a.json"});
}

TEST_F(RecipeStoreTest, NamesListsOnlyRecipeFilesInByteOrder) {
    ASSERT_EQ(store_.Save("b", "{}"), "");
    ASSERT_EQ(store_.Save("a", "{}"), "");
    scratch_.Write("recipes/notes.txt", "");
    scratch_.Write("recipes/.hidden.json", "{}");
    scratch_.AddFolder("recipes/folder.json");
    EXPECT_EQ(store_.Names(), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(RecipeStore(scratch_.Sub("nowhere")).Names().empty());
}

TEST_F(RecipeStoreTest, RemovedRecipeIsGoneAndRemovingItAgainSaysSo) {
    ASSERT_EQ(store_.Save("a", "{}"), "");
    EXPECT_EQ(store_.Remove("a"), "");
    EXPECT_TRUE(store_.Names().empty());
    EXPECT_NE(store_.Remove("a"), "");
    std::string error;
    EXPECT_FALSE(store_.Load("a", error));
    EXPECT_NE(error.find("\"a\" cannot be read"), std::string::npos) << error;
}

TEST_F(RecipeStoreTest, LastUsedOutlivesTheStoreAndForgetsARemovedRecipe) {
    ASSERT_EQ(store_.Save("numbers", "{}"), "");
    EXPECT_EQ(store_.LastUsed(), "");
    ASSERT_EQ(store_.SetLastUsed("numbers"), "");
    EXPECT_EQ(RecipeStore(scratch_.Sub("recipes")).LastUsed(), "numbers");
    ASSERT_EQ(store_.Remove("numbers"), "");
    EXPECT_EQ(store_.LastUsed(), "");
    ASSERT_EQ(store_.Save("numbers", "{}"), "");
    ASSERT_EQ(store_.SetLastUsed(""), "");
    EXPECT_EQ(store_.LastUsed(), "");
}

TEST_F(RecipeStoreTest, SaveWhereTheFolderCannotBeMadeFailsWithAMessage) {
    scratch_.Write("file", "");
    RecipeStore blocked(scratch_.Sub("file/recipes"));
    const std::string error = blocked.Save("a", "{}");
    EXPECT_NE(error.find("could not be saved"), std::string::npos) << error;
}

TEST(RecipeStoreFolder, FollowsTheConfigurationFolderElseHome) {
    const std::string home = std::getenv("HOME");
    const std::string config = std::getenv("XDG_CONFIG_HOME");
    setenv("XDG_CONFIG_HOME", "/elsewhere/config", 1);
    EXPECT_EQ(RecipeStore().Folder(), "/elsewhere/config/TitleShaperWorkshop/recipes");
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(RecipeStore().Folder(), home + "/.config/TitleShaperWorkshop/recipes");
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
}

struct NameCase {
    const char* label;
    std::string name;
    bool safe;
};

class RecipeNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(RecipeNames, OnlyPlainVisibleFileNamesAreSafe) {
    ScratchFolder scratch;
    RecipeStore store(scratch.Sub("recipes"));
    const NameCase& row = GetParam();
    EXPECT_EQ(RecipeNameProblem(row.name).empty(), row.safe);
    // An unsafe name is refused by every operation, and nothing lands outside the folder.
    EXPECT_EQ(store.Save(row.name, "{}").empty(), row.safe);
    // An empty name given as the last one used forgets it instead.
    if (!row.name.empty()) {
        EXPECT_EQ(store.SetLastUsed(row.name).empty(), row.safe);
    }
    std::string error;
    EXPECT_EQ(store.Load(row.name, error).has_value(), row.safe) << error;
    EXPECT_EQ(scratch.Entries(), row.safe ? std::vector<std::string>{"recipes"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, RecipeNames,
    ::testing::Values(NameCase{"Plain", "Holiday photos", true}, NameCase{"Accented", "Été à Paris", true},
                      NameCase{"InnerDots", "a.b..c", true}, NameCase{"Longest", std::string(250, 'x'), true},
                      NameCase{"Empty", "", false}, NameCase{"Slash", "a/b", false},
                      NameCase{"ParentFolder", "../escape", false}, NameCase{"Dot", ".", false},
                      NameCase{"DotDot", "..", false}, NameCase{"Hidden", ".hidden", false},
                      NameCase{"TooLong", std::string(251, 'x'), false},
                      NameCase{"LeadingSpace", " a", false}, NameCase{"TrailingSpace", "a ", false},
                      NameCase{"LineFeed", "a\nb", false}, NameCase{"Tab", "a\tb", false},
                      NameCase{"Nul", std::string("a\0b", 3), false}, NameCase{"Delete", "a\x7F", false},
                      NameCase{"NotUtf8", "caf\xE9", false}),
    rownames::RowLabel());

} // namespace
