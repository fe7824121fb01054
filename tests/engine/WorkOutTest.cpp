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

struct WorkOutCase {
    const char* label;
    Mode mode;
    EntryTexts texts;
    std::vector<std::string> oldNames;
    std::vector<std::string> typedNames; // new names in the grid before Preview
    bool passed;
    std::string message;
    EntryField focus;
    std::vector<std::string> newNames; // after Preview
};

void PrintTo(const WorkOutCase& c, std::ostream* os) {
    *os << c.label;
}

class WorkOutTable : public testing::TestWithParam<WorkOutCase> {};

TEST_P(WorkOutTable, ChecksFillsAndReports) {
    const auto& c = GetParam();
    NameGrid grid;
    grid.List(c.oldNames);
    for (std::size_t i = 0; i < c.typedNames.size(); ++i) {
        grid.SetCell(NameGrid::NewColumn, static_cast<int>(i + 1), c.typedNames[i]);
    }
    const auto result = engine::WorkOut(c.mode, c.texts, grid);
    EXPECT_EQ(result.passed, c.passed);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.focus, c.focus);
    std::vector<std::string> newNames;
    for (int row = 1; row < grid.RowCount(); ++row) {
        newNames.push_back(grid.Cell(NameGrid::NewColumn, row));
    }
    EXPECT_EQ(newNames, c.newNames);
}

EntryTexts Replace(std::string search, std::string with) {
    EntryTexts texts;
    texts.replace = std::move(search);
    texts.with = std::move(with);
    return texts;
}

EntryTexts Delete(std::string text) {
    EntryTexts texts;
    texts.remove = std::move(text);
    return texts;
}

EntryTexts Add(std::string position, std::string after, std::string beginning, std::string end) {
    return EntryTexts{
        {}, {}, {}, std::move(position), std::move(after), std::move(beginning), std::move(end)};
}

const std::string duplicate = "The result of this will mean that 2 files will be called ";
const std::vector<std::string> two{"a.txt", "b.txt"};
const std::vector<std::string> typed{"x", "y"};

INSTANTIATE_TEST_SUITE_P(
    Modes, WorkOutTable,
    testing::Values(
        WorkOutCase{"ReplacerEmptySearch", Mode::Replacer, Replace("", "z"), two, typed, false,
                    "The length of the text to replace has to be at least one character", EntryField::Replace,
                    typed},
        WorkOutCase{"ReplacerWritesEveryRow",
                    Mode::Replacer,
                    Replace(".txt", ".md"),
                    two,
                    typed,
                    true,
                    "",
                    EntryField::None,
                    {"a.md", "b.md"}},
        WorkOutCase{"ReplacerMakesDuplicate",
                    Mode::Replacer,
                    Replace("a", "b"),
                    two,
                    typed,
                    false,
                    duplicate + "b.txt",
                    EntryField::None,
                    {"b.txt", "b.txt"}},
        WorkOutCase{"DeleterEmptyText", Mode::Deleter, Delete(""), two, typed, false,
                    "The length of the text to delete has to be at least one character", EntryField::Delete,
                    typed},
        WorkOutCase{"AdderBadPosition", Mode::Adder, Add("12 ", "-", "", ""), two, typed, false,
                    "Please make sure that a non decimal number is entered for the position.",
                    EntryField::Position, typed},
        WorkOutCase{"AdderPositionCheckedFirst", Mode::Adder, Add("x", "", "", ""), two, typed, false,
                    "Please make sure that a non decimal number is entered for the position.",
                    EntryField::Position, typed},
        WorkOutCase{"AdderNothingToAdd", Mode::Adder, Add("3", "", "", ""), two, typed, false,
                    "Please enter text to add to at least one place.", EntryField::Beginning, typed},
        WorkOutCase{"AdderLeadingSpaces",
                    Mode::Adder,
                    Add("  1", "-", "", ""),
                    two,
                    typed,
                    true,
                    "",
                    EntryField::None,
                    {"a-.txt", "b-.txt"}},
        WorkOutCase{"AdderEmptyPosition",
                    Mode::Adder,
                    Add("", "-", "", "!"),
                    two,
                    typed,
                    true,
                    "",
                    EntryField::None,
                    {"-a.txt!", "-b.txt!"}},
        WorkOutCase{"ManualKeepsTypedNames", Mode::Manual, Replace("a", "b"), two, typed, true, "",
                    EntryField::None, typed},
        WorkOutCase{"ManualDuplicate",
                    Mode::Manual,
                    {},
                    two,
                    {"same", "same"},
                    false,
                    duplicate + "same",
                    EntryField::None,
                    {"same", "same"}},
        WorkOutCase{
            "RenamerBlankNames", Mode::Renamer, {}, two, {"", ""}, true, "", EntryField::None, {"", ""}},
        WorkOutCase{"NoFiles", Mode::Replacer, Replace("a", "b"), {}, {}, true, "", EntryField::None, {}}),
    [](const auto& info) { return info.param.label; });

} // namespace
