// The engine's texts: templates filled in one pass, and translated part by part through the function the
// program hands in, with names and numbers going in untouched.
#include "engine/text/EngineText.h"

#include "../recipes/RecipeRun.h"
#include "engine/batch/BatchRename.h"
#include "engine/recipes/RecipeJson.h"
#include "engine/recipes/RowMarks.h"
#include "engine/undo/UndoPlan.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct FillCase {
    const char* name;
    std::string pattern;
    std::vector<std::string> arguments;
    std::string filled;
};

void PrintTo(const FillCase& row, std::ostream* out) {
    *out << row.name;
}

class FillTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillTest, ReplacesEachNumberedPlaceOnce) {
    const FillCase& row = GetParam();
    std::vector<std::string_view> views(row.arguments.begin(), row.arguments.end());
    std::string filled;
    switch (views.size()) {
    case 0:
        filled = engine::Fill(row.pattern, {});
        break;
    case 1:
        filled = engine::Fill(row.pattern, {views[0]});
        break;
    case 2:
        filled = engine::Fill(row.pattern, {views[0], views[1]});
        break;
    default:
        filled = engine::Fill(row.pattern, {views[0], views[1], views[2]});
        break;
    }
    EXPECT_EQ(filled, row.filled);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Patterns, FillTest,
    testing::Values(
        FillCase{"InOrder", "Error renaming file %1 (%2)", {"/a/b", "Disk full"}, "Error renaming file /a/b (Disk full)"},
        FillCase{"ReorderedByATranslation", "(%2) %1", {"first", "second"}, "(second) first"},
        FillCase{"UsedTwice", "%1 and %1", {"x"}, "x and x"},
        FillCase{"PlaceholderInsideAnArgumentStays", "%1 in %2", {"100%2 of %1", "/tmp"}, "100%2 of %1 in /tmp"},
        FillCase{"PercentWithoutANumber", "100% of %1", {"it"}, "100% of it"},
        FillCase{"NumberBeyondTheArguments", "%1 %3", {"a", "b"}, "a %3"},
        FillCase{"ZeroIsNoPlace", "%0%1", {"a"}, "%0a"},
        FillCase{"PercentAtTheEnd", "%1%", {"a"}, "a%"},
        FillCase{"BytesThatAreNotUtf8", "%1.", {"\xFF\xFE"}, "\xFF\xFE."},
        FillCase{"NoArguments", "Nothing to undo.", {}, "Nothing to undo."}),
    [](const testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });
// clang-format on

// A translation of a few templates into another order of words, and of nothing else.
std::string Reordering(const char*, const char* source) {
    static const std::map<std::string, std::string, std::less<>> table = {
        {"Undo the renaming of %1 in %2, %3?", "In %2 das Umbenennen von %1 %3 zurück?"},
        {"%1 files", "%1 Dateien"},
        {"made on %1 at %2", "am %1 um %2"},
        {"Error renaming file %1 (%2)", "(%2) %1: Fehler"},
        {"the file is now %1", "jetzt %1"},
        {"Step %1 (%2): ", "Schritt %1 (%2): "},
        {"must be one of %1", "muss eines sein von: %1"},
        {"duplicate name", "doppelter Name"},
        {"no date taken", "kein Aufnahmedatum"},
    };
    const auto found = table.find(source);
    return found != table.end() ? found->second : std::string(source);
}

// A folder whose rename left the file under a second name.
class StrandedFolder : public engine::FolderRenamer {
public:
    bool Rename(const std::string&, const std::string&) override { return false; }
    std::string StrandedName() const override { return "b%1.tmp"; }
};

struct TranslatedCase {
    const char* name;
    std::function<std::string()> make;
    std::string translated;
};

void PrintTo(const TranslatedCase& row, std::ostream* out) {
    *out << row.name;
}

class TranslatedTest : public testing::TestWithParam<TranslatedCase> {
protected:
    void SetUp() override { engine::SetTextTranslation(&Reordering); }
    void TearDown() override { engine::SetTextTranslation(nullptr); }
};

TEST_P(TranslatedTest, EachPartIsTranslatedAndTheNamesGoInAsTheyAre) {
    EXPECT_EQ(GetParam().make(), GetParam().translated);
}

TEST_F(TranslatedTest, WithoutATranslationTheTextIsTheEnglishTemplate) {
    engine::SetTextTranslation(nullptr);
    EXPECT_EQ(engine::UndoQuestion(3, "/p", {2026, 12, 7, 14, 3}, {2026, 12, 9, 8, 0}),
              "Undo the renaming of 3 files in /p, made on 2026-12-07 at 14:03?");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, TranslatedTest,
    testing::Values(
        TranslatedCase{"UndoQuestionOfAnotherDay",
                       [] { return engine::UndoQuestion(3, "/home/u/%1", {2026, 12, 7, 14, 3}, {2026, 12, 9, 8, 0}); },
                       "In /home/u/%1 das Umbenennen von 3 Dateien am 2026-12-07 um 14:03 zurück?"},
        TranslatedCase{"RenameFailureWithWhereTheFileIs",
                       [] {
                           const StrandedFolder folder;
                           return engine::RenameFailedMessage("/f", "a%2", engine::StrandedNote("/f", folder));
                       },
                       "(jetzt /f/b%1.tmp) /f/a%2: Fehler"},
        TranslatedCase{"RecipeRefusalNamingStepAndKey",
                       [] { return engine::recipes::ParseRecipe(R"({"steps": [{"case": {"to": 3}}]})").error; },
                       R"(Schritt 1 (case): "to" muss eines sein von: lower, upper, title, sentence.)"},
        TranslatedCase{"MissingValueOfAName",
                       [] {
                           const auto run = recipe_test::RunRecipe(
                               R"({"steps": [{"insert": {"text": "{taken} ", "at": "start"}}]})", {"a.jpg"});
                           return run.results.empty() ? std::string() : run.results.front().missing;
                       },
                       "kein Aufnahmedatum"},
        TranslatedCase{"RowMark",
                       [] { return engine::recipes::MarkText(engine::recipes::RowMark::Duplicate); },
                       "doppelter Name"}),
    [](const testing::TestParamInfo<TranslatedCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
