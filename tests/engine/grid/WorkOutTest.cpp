#include "engine/grid/WorkOut.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::EntryField;
using engine::EntryTexts;
using engine::Mode;
using engine::NameGrid;
using Names = std::vector<std::string>;

// Every row lists a.txt and b.txt, with `typed` in the new-name column before Preview.
struct WorkOutCase {
    const char* label;
    Mode mode;
    EntryTexts texts;
    Names typed;
    std::string message; // empty: every check passed
    EntryField focus;
    Names newNames; // after Preview
};

class WorkOutTable : public testing::TestWithParam<WorkOutCase> {};

TEST_P(WorkOutTable, ChecksFillsAndReports) {
    const auto& c = GetParam();
    NameGrid grid;
    grid.List({"a.txt", "b.txt"});
    grid.SetCell(NameGrid::NewColumn, 1, c.typed[0]);
    grid.SetCell(NameGrid::NewColumn, 2, c.typed[1]);
    const auto result = engine::WorkOut(c.mode, c.texts, grid);
    EXPECT_EQ(result.passed, c.message.empty());
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.focus, c.focus);
    EXPECT_EQ((Names{grid.Cell(NameGrid::NewColumn, 1), grid.Cell(NameGrid::NewColumn, 2)}), c.newNames);
}

const Names typed{"x", "y"};

// A check that stops Preview: the typed names stay.
WorkOutCase Stop(const char* label, Mode mode, EntryTexts texts, std::string message, EntryField focus) {
    return {label, mode, std::move(texts), typed, std::move(message), focus, typed};
}
WorkOutCase Pass(const char* label, Mode mode, EntryTexts texts, Names newNames) {
    return {label, mode, std::move(texts), typed, "", EntryField::None, std::move(newNames)};
}
EntryTexts Replace(std::string search, std::string with) {
    return {std::move(search), std::move(with), {}, {}, {}, {}, {}};
}
EntryTexts Delete(std::string text) {
    return {{}, {}, std::move(text), {}, {}, {}, {}};
}
EntryTexts Add(std::string position, std::string after, std::string end = "") {
    return {{}, {}, {}, std::move(position), std::move(after), {}, std::move(end)};
}

const std::string duplicate = "The result of this will mean that 2 files will be called ";
const std::string badPosition = "Please make sure that a non decimal number is entered for the position.";

INSTANTIATE_TEST_SUITE_P(
    Modes, WorkOutTable,
    testing::Values(
        Stop("ReplacerEmptySearch", Mode::Replacer, Replace("", "z"),
             "The length of the text to replace has to be at least one character", EntryField::Replace),
        Pass("ReplacerWritesEveryRow", Mode::Replacer, Replace("a.", "c."), {"c.txt", "b.txt"}),
        WorkOutCase{"ReplacerMakesDuplicate",
                    Mode::Replacer,
                    Replace("a", "b"),
                    typed,
                    duplicate + "b.txt",
                    EntryField::None,
                    {"b.txt", "b.txt"}},
        Stop("DeleterEmptyText", Mode::Deleter, Delete(""),
             "The length of the text to delete has to be at least one character", EntryField::Delete),
        Pass("DeleterRemoves", Mode::Deleter, Delete(".txt"), {"a", "b"}),
        Stop("AdderTrailingSpace", Mode::Adder, Add("12 ", "-"), badPosition, EntryField::Position),
        Stop("AdderPositionCheckedFirst", Mode::Adder, Add("x", ""), badPosition, EntryField::Position),
        Stop("AdderNothingToAdd", Mode::Adder, Add("3", ""),
             "Please enter text to add to at least one place.", EntryField::Beginning),
        Pass("AdderLeadingSpaces", Mode::Adder, Add("  1", "-"), {"a-.txt", "b-.txt"}),
        Pass("AdderEmptyPosition", Mode::Adder, Add("", "-", "!"), {"-a.txt!", "-b.txt!"}),
        Pass("ManualKeepsTypedNames", Mode::Manual, Replace("a", "b"), typed),
        WorkOutCase{"RenamerDuplicate",
                    Mode::Renamer,
                    {},
                    {"same", "same"},
                    duplicate + "same",
                    EntryField::None,
                    {"same", "same"}}),
    rownames::RowLabel());

// Many rows drawn from a few names, against a scan of every pair: the first row whose name a later row
// repeats is the one reported.
TEST(FindDuplicateNewName, ReportsWhatAScanOfEveryPairFinds) {
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        engine::NameGrid grid;
        const int rows = std::uniform_int_distribution<int>(0, 40)(random);
        grid.SetRowCount(rows + 1);
        for (int row = 1; row <= rows; ++row) {
            const int n = std::uniform_int_distribution<int>(0, 60)(random);
            grid.SetCell(engine::NameGrid::NewColumn, row, n == 0 ? std::string() : "n" + std::to_string(n));
        }
        std::optional<std::string> expected;
        for (int i = 1; i <= rows && !expected; ++i)
            for (int j = i + 1; j <= rows && !expected; ++j)
                if (!grid.Cell(1, i).empty() && grid.Cell(1, i) == grid.Cell(1, j))
                    expected = grid.Cell(1, i);
        ASSERT_EQ(engine::FindDuplicateNewName(grid), expected);
    }
}

// The checks that name a row: the first row whose new name lost a character to an editor (U+FFFD where
// its old name has none), and otherwise the first row of a duplicate name.
struct RowCheckCase {
    const char* label;
    Names oldNames;
    Names newNames;
    std::string message; // empty: every check passed
    int row;
};

class RowChecks : public testing::TestWithParam<RowCheckCase> {};

TEST_P(RowChecks, NameTheRowTheyStopAt) {
    const auto& c = GetParam();
    NameGrid grid;
    grid.List(c.oldNames);
    for (std::size_t i = 0; i < c.newNames.size(); ++i)
        grid.SetCell(NameGrid::NewColumn, static_cast<int>(i) + 1, c.newNames[i]);
    const auto result = engine::WorkOut(Mode::Renamer, {}, grid);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.passed, c.message.empty());
    EXPECT_EQ(result.row, c.row);
}

const std::string fffd = "\xEF\xBF\xBD";
std::string Lost(const std::string& shownOld) {
    return "The new name of " + shownOld +
           " holds the character U+FFFD where the file's name has none: a character was lost, please correct "
           "the new name.";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowChecks,
    testing::Values(
        RowCheckCase{"ByteTurnedIntoReplacement",
                     {"a.txt", "bad\xFF.txt"},
                     {"a.txt", "bad" + fffd + ".txt"},
                     Lost("bad\\xFF.txt"),
                     2},
        RowCheckCase{"ReplacementAlreadyInTheOldName", {"x" + fffd}, {"y" + fffd}, "", 0},
        RowCheckCase{
            "ReplacementAddedToAValidName", {"a.txt", "b.txt"}, {"", "b" + fffd + ".txt"}, Lost("b.txt"), 2},
        RowCheckCase{"LostCharacterBeforeDuplicates",
                     {"a", "b\xFE", "c\xFF"},
                     {"a", "b" + fffd, "b" + fffd},
                     Lost("b\\xFE"),
                     2},
        RowCheckCase{
            "DuplicateNamesItsFirstRow", {"a", "b", "c", "d"}, {"x", "d", "y", "d"}, duplicate + "d", 2},
        RowCheckCase{"DuplicateShownWithStandIns", {"a", "b"}, {"n\nm", "n\nm"}, duplicate + "n\\nm", 1}),
    rownames::RowLabel());

} // namespace
