#include "engine/grid/ClipboardText.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::NameGrid;
using Lines = std::vector<std::string>;

NameGrid Listed(Lines names) {
    NameGrid grid;
    grid.List(std::move(names));
    return grid;
}

Lines NewNames(const NameGrid& grid) {
    Lines names;
    for (int row = 1; row < grid.RowCount(); ++row)
        names.push_back(grid.Cell(NameGrid::NewColumn, row));
    return names;
}

TEST(CopyText, EndsEveryOldNameWithCrLf) {
    EXPECT_EQ(engine::CopyText(Listed({"a.txt", "Café \xFF"})), "a.txt\r\nCafé \xFF\r\n");
    EXPECT_EQ(engine::CopyText(Listed({})), "");
}

TEST(CopyText, ANameWithALineBreakIsFound) {
    // Copied, it would become two lines and shift every later row's new name by one.
    EXPECT_EQ(engine::NameWithLineBreak(Listed({"a", "b"})), std::nullopt);
    EXPECT_EQ(engine::NameWithLineBreak(Listed({"a", "b\nc", "d\re"})), "b\nc");
    EXPECT_EQ(engine::NameWithLineBreak(Listed({"a", "x\ry"})), "x\ry");
    EXPECT_EQ(engine::LineBreakMessage("b\nc"),
              "The file name b\\nc holds a line break and cannot be copied to the clipboard.");
}

struct LineBreakCase {
    const char* label;
    std::string name;
    std::string shownInMessage;
};

void PrintTo(const LineBreakCase& row, std::ostream* out) {
    *out << row.label;
}

class LineBreakMessageTest : public testing::TestWithParam<LineBreakCase> {};

// The message names the file as the grid shows it: a raw line feed would break the box's line there, and
// a byte that is not UTF-8 would be lost on the way to the screen.
TEST_P(LineBreakMessageTest, ShowsTheNameWithItsStandIns) {
    EXPECT_EQ(engine::LineBreakMessage(GetParam().name),
              "The file name " + GetParam().shownInMessage +
                  " holds a line break and cannot be copied to the clipboard.");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Names, LineBreakMessageTest,
    testing::Values(
        LineBreakCase{"LineFeed", "two\nlines.txt", "two\\nlines.txt"},
        LineBreakCase{"CarriageReturnAndTab", "a\r\tb", "a\\r\\tb"},
        LineBreakCase{"ByteThatIsNotUtf8", "caf\xE9\n", "caf\\xE9\\n"},
        LineBreakCase{"PlaceholderInTheName", "%1\n%2", "%1\\n%2"},
        LineBreakCase{"RightToLeftOverride", "a\xE2\x80\xAE\nb", "a\\u202E\\nb"}),
    [](const testing::TestParamInfo<LineBreakCase>& info) { return std::string(info.param.label); });
// clang-format on

struct PasteCase {
    const char* label;
    std::string text;
    Lines lines;
};

class PasteLinesTable : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteLinesTable, SplitsAtEveryKindOfBreak) {
    EXPECT_EQ(engine::PasteLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteLinesTable,
                         testing::Values(PasteCase{"Empty", "", {}},
                                         PasteCase{"FinalBreakAddsNothing", "a\r\nb\r\n", {"a", "b"}},
                                         PasteCase{"LastLineWithoutBreak", "a\r\nb", {"a", "b"}},
                                         PasteCase{"EmptyLineBetween", "a\r\n\r\nb\r\n", {"a", "", "b"}},
                                         PasteCase{"BreakOnly", "\r\n", {""}},
                                         PasteCase{"LoneLf", "a\nb\n", {"a", "b"}},
                                         PasteCase{"LoneCr", "a\rb\r", {"a", "b"}},
                                         PasteCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                                         PasteCase{"BytesKept", "\xFF\t x \r\n", {"\xFF\t x "}}),
                         rownames::RowLabel());

TEST(PasteLines, CutsLongLinesAt4096Characters) {
    EXPECT_EQ(engine::PasteLines(std::string(5000, 'a') + "\r\nb"), (Lines{std::string(4096, 'a'), "b"}));
    EXPECT_EQ(engine::PasteLines(std::string(4096, 'a')), Lines{std::string(4096, 'a')});
    // The 4096th character is two bytes long: it is kept whole.
    EXPECT_EQ(engine::PasteLines(std::string(4095, 'a') + "éz"), Lines{std::string(4095, 'a') + "é"});
}

TEST(ApplyPaste, FillsEveryRowOrNone) {
    const struct {
        std::size_t files;
        Lines lines;
        bool applied;
        Lines newNames; // "typed" where the row kept its name
    } cases[] = {
        {2, {"x", "y"}, true, {"x", "y"}},
        {2, {"x", "y", "1", "2", "3", "4", "5"}, true, {"x", "y"}}, // lines after the last file are ignored
        {3, {"x", "y"}, false, {"typed", "typed", "typed"}},        // too few lines change nothing
        {2, {"", "y"}, true, {"", "y"}},                            // an empty line blanks the name
        {0, {"x"}, false, {}}};
    for (const auto& c : cases) {
        NameGrid grid = Listed(Lines(c.files, "old"));
        for (int row = 1; row < grid.RowCount(); ++row)
            grid.SetCell(NameGrid::NewColumn, row, "typed");
        EXPECT_EQ(engine::ApplyPaste(grid, c.lines), c.applied);
        EXPECT_EQ(NewNames(grid), c.newNames);
    }
}

TEST(CopyThenPaste, MakesEveryNewNameItsOldNameAsDoesCopyOldNamesOver) {
    NameGrid grid = Listed({"a.txt", "b c", "Müller.mp3"});
    ASSERT_TRUE(engine::ApplyPaste(grid, engine::PasteLines(engine::CopyText(grid))));
    EXPECT_EQ(NewNames(grid), (Lines{"a.txt", "b c", "Müller.mp3"}));
    grid.BlankNewNames();
    engine::CopyOldNamesOver(grid);
    EXPECT_EQ(NewNames(grid), (Lines{"a.txt", "b c", "Müller.mp3"}));
    EXPECT_EQ(grid.Cell(NameGrid::NewColumn, 0), "New Name");
}

} // namespace
