#include "engine/WorkOut.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using engine::EntryField;
using engine::EntryTexts;
using engine::Mode;
using engine::NameGrid;
using Names = std::vector<std::string>;

// Every row lists a.txt and b.txt, with typedNames already in the new-name column before Preview.
struct WorkOutCase {
    const char* label;
    Mode mode;
    EntryTexts texts;
    Names typedNames;
    std::string message; // empty: every check passed
    EntryField focus;
    Names newNames; // after Preview
};

void PrintTo(const WorkOutCase& c, std::ostream* os) {
    *os << c.label;
}

class WorkOutTable : public testing::TestWithParam<WorkOutCase> {};

TEST_P(WorkOutTable, ChecksFillsAndReports) {
    const auto& c = GetParam();
    NameGrid grid;
    grid.List({"a.txt", "b.txt"});
    for (std::size_t i = 0; i < c.typedNames.size(); ++i)
        grid.SetCell(NameGrid::NewColumn, static_cast<int>(i + 1), c.typedNames[i]);
    const auto result = engine::WorkOut(c.mode, c.texts, grid);
    EXPECT_EQ(result.passed, c.message.empty());
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.focus, c.focus);
    EXPECT_EQ((Names{grid.Cell(NameGrid::NewColumn, 1), grid.Cell(NameGrid::NewColumn, 2)}), c.newNames);
}

EntryTexts Replace(std::string search, std::string with) {
    return EntryTexts{std::move(search), std::move(with), {}, {}, {}, {}, {}};
}
EntryTexts Delete(std::string text) {
    return EntryTexts{{}, {}, std::move(text), {}, {}, {}, {}};
}
EntryTexts Add(std::string position, std::string after, std::string beginning, std::string end) {
    return EntryTexts{
        {}, {}, {}, std::move(position), std::move(after), std::move(beginning), std::move(end)};
}

const std::string duplicate = "The result of this will mean that 2 files will be called ";
const std::string badPosition = "Please make sure that a non decimal number is entered for the position.";
const Names typed{"x", "y"};

INSTANTIATE_TEST_SUITE_P(
    Modes, WorkOutTable,
    testing::Values(
        WorkOutCase{"ReplacerEmptySearch", Mode::Replacer, Replace("", "z"), typed,
                    "The length of the text to replace has to be at least one character", EntryField::Replace,
                    typed},
        WorkOutCase{"ReplacerWritesEveryRow",
                    Mode::Replacer,
                    Replace("a.", "c."),
                    typed,
                    "",
                    EntryField::None,
                    {"c.txt", "b.txt"}},
        WorkOutCase{"ReplacerMakesDuplicate",
                    Mode::Replacer,
                    Replace("a", "b"),
                    typed,
                    duplicate + "b.txt",
                    EntryField::None,
                    {"b.txt", "b.txt"}},
        WorkOutCase{"DeleterEmptyText", Mode::Deleter, Delete(""), typed,
                    "The length of the text to delete has to be at least one character", EntryField::Delete,
                    typed},
        WorkOutCase{"DeleterRemoves", Mode::Deleter, Delete(".txt"), typed, "", EntryField::None, {"a", "b"}},
        WorkOutCase{"AdderTrailingSpace", Mode::Adder, Add("12 ", "-", "", ""), typed, badPosition,
                    EntryField::Position, typed},
        WorkOutCase{"AdderPositionCheckedFirst", Mode::Adder, Add("x", "", "", ""), typed, badPosition,
                    EntryField::Position, typed},
        WorkOutCase{"AdderNothingToAdd", Mode::Adder, Add("3", "", "", ""), typed,
                    "Please enter text to add to at least one place.", EntryField::Beginning, typed},
        WorkOutCase{"AdderLeadingSpaces",
                    Mode::Adder,
                    Add("  1", "-", "", ""),
                    typed,
                    "",
                    EntryField::None,
                    {"a-.txt", "b-.txt"}},
        WorkOutCase{"AdderEmptyPosition",
                    Mode::Adder,
                    Add("", "-", "", "!"),
                    typed,
                    "",
                    EntryField::None,
                    {"-a.txt!", "-b.txt!"}},
        WorkOutCase{"ManualKeepsTypedNames", Mode::Manual, Replace("a", "b"), typed, "", EntryField::None,
                    typed},
        WorkOutCase{"RenamerDuplicate",
                    Mode::Renamer,
                    {},
                    {"same", "same"},
                    duplicate + "same",
                    EntryField::None,
                    {"same", "same"}}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
