#include "RowNames.h"
#include "engine/grid/Adder.h"
#include "engine/grid/NameGrid.h"
#include "engine/grid/WorkOut.h"

#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::NameGrid;
using Names = std::vector<std::string>;

Names NewNames(const NameGrid& grid) {
    Names names;
    for (int row = 1; row < grid.RowCount(); ++row)
        names.push_back(grid.Cell(NameGrid::NewColumn, row));
    return names;
}

NameGrid Listed(Names oldNames, const Names& newNames = {}) {
    NameGrid grid;
    grid.List(std::move(oldNames));
    for (std::size_t i = 0; i < newNames.size(); ++i)
        grid.SetCell(NameGrid::NewColumn, static_cast<int>(i + 1), newNames[i]);
    return grid;
}

TEST(NameGrid, ListingWritesTheHeaderAndBlanksEveryNewName) {
    EXPECT_EQ(NameGrid().RowCount(), 2);
    EXPECT_EQ(NameGrid().Cell(0, 0), "");
    NameGrid grid = Listed({"a", "b", "c"}, {"", "edited"});
    grid.BlankNewNames(); // Refresh: the old names stay
    EXPECT_EQ(NewNames(grid), Names(3, ""));
    EXPECT_EQ(grid.Cell(0, 2), "b");
    grid.List({"x\xFF.txt"});
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(0, 0), "Filename");
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
    EXPECT_EQ(grid.Cell(0, 1), "x\xFF.txt");
    EXPECT_EQ(grid.Cell(1, 1), "");
    grid.List({});
    EXPECT_EQ(grid.RowCount(), 1);
    grid.SetRowCount(0); // the header row stays
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
    EXPECT_THROW(grid.Cell(0, 1), std::out_of_range);
    EXPECT_THROW(grid.Cell(2, 0), std::out_of_range);
    EXPECT_THROW(grid.SetCell(0, -1, "x"), std::out_of_range);
}

// A listing takes the names as they come and hands back the rows listed before, new names left out; a
// header renamed by hand is written afresh.
TEST(NameGrid, ListingHandsBackTheNamesListedBefore) {
    NameGrid grid = Listed({"a", "b"}, {"x", "y"});
    grid.SetCell(NameGrid::OldColumn, 0, "edited header");
    EXPECT_EQ(grid.List({"c"}), (Names{"a", "b"}));
    EXPECT_EQ(grid.Cell(NameGrid::OldColumn, 0), "Filename");
    EXPECT_EQ(grid.Cell(NameGrid::OldColumn, 1), "c");
    EXPECT_EQ(NewNames(grid), Names{""});
    EXPECT_EQ(grid.List({}), Names{"c"});
    EXPECT_EQ(NameGrid().List({"d"}), Names{""}); // the blank row before the first listing
}

// A batch that renamed nothing hands over no rows: the names stay, every new name is blanked.
TEST(NameGrid, SettlingNoRenamesKeepsTheNamesAndBlanksTheNewOnes) {
    NameGrid grid = Listed({"a", "b"}, {"x", "y"});
    grid.SettleRenames({});
    EXPECT_EQ(grid.Cell(NameGrid::OldColumn, 1) + grid.Cell(NameGrid::OldColumn, 2), "ab");
    EXPECT_EQ(NewNames(grid), Names(2, ""));
    EXPECT_EQ(grid.Cell(NameGrid::NewColumn, 0), "New Name");
}

// The new-name column holds strings only once a new name is written; rows beyond them read blank, and
// rows cut off and added again come back blank.
TEST(NameGrid, NewNamesWrittenIntoABlankColumnStayWhereTheyWereWritten) {
    NameGrid grid = Listed({"a", "b", "c", "d"});
    grid.SetCell(NameGrid::NewColumn, 3, "");
    EXPECT_EQ(NewNames(grid), Names(4, ""));
    grid.SetCell(NameGrid::NewColumn, 2, "two");
    grid.SetCell(NameGrid::NewColumn, 4, "four");
    EXPECT_EQ(NewNames(grid), (Names{"", "two", "", "four"}));
    grid.SetRowCount(3);
    grid.SetRowCount(6);
    EXPECT_EQ(NewNames(grid), (Names{"", "two", "", "", ""}));
    EXPECT_THROW(grid.Cell(NameGrid::NewColumn, 6), std::out_of_range);
    grid.BlankNewNames();
    grid.SetRowCount(1);
    grid.SetRowCount(3);
    EXPECT_EQ(NewNames(grid), Names(2, ""));
    EXPECT_EQ(grid.Cell(NameGrid::NewColumn, 0), "New Name");
}

// Rules hands the window a whole column: it replaces the new names held before, which come back to be
// freed elsewhere; a count of names other than the rows' changes nothing.
TEST(NameGrid, ANewNameColumnTakenWholeReplacesTheOneBefore) {
    NameGrid grid = Listed({"a", "b", "c"}, {"x", "", "z"});
    EXPECT_EQ(grid.SetNewNames({"", "two", "three"}), (Names{"x", "", "z"}));
    EXPECT_EQ(NewNames(grid), (Names{"", "two", "three"}));
    EXPECT_THROW(grid.SetNewNames({"one"}), std::invalid_argument);
    EXPECT_EQ(NewNames(grid), (Names{"", "two", "three"}));
    EXPECT_EQ(grid.Cell(NameGrid::NewColumn, 0), "New Name");
    EXPECT_EQ(grid.Cell(NameGrid::OldColumn, 2), "b");
}

TEST(AllReplace, WritesEveryRowIncludingUnchangedOnes) {
    NameGrid grid = Listed({"banana.txt", "kiwi.txt", "abc"}, {"old", "old", "old"});
    engine::AllReplace(grid, "a", "");
    EXPECT_EQ(NewNames(grid), (Names{"bnn.txt", "kiwi.txt", "bc"}));
    // A grid of the header row alone is left untouched.
    grid.List({});
    engine::AllReplace(grid, "F", "x");
    engine::Adder(grid, 1, "x", "y", "z");
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), "Filename");
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
}

TEST(Adder, InsertsThenAddsInFrontAndBehind) {
    // A position beyond a short name appends there, while longer names of the batch get the text inside.
    NameGrid grid = Listed({"song.mp3", "ab", "Café.txt"});
    engine::Adder(grid, 4, "_x", "A-", "!");
    EXPECT_EQ(NewNames(grid), (Names{"A-song_x.mp3!", "A-ab_x!", "A-Café_x.txt!"}));
    engine::Adder(grid, 2, "", "", ".bak");
    EXPECT_EQ(NewNames(grid), (Names{"song.mp3.bak", "ab.bak", "Café.txt.bak"}));
    engine::Adder(grid, 0, "-", "A", "");
    EXPECT_EQ(NewNames(grid), (Names{"A-song.mp3", "A-ab", "A-Café.txt"}));
}

struct DuplicateCase {
    const char* label;
    Names newNames;
    std::optional<std::string> duplicate;
};

class DuplicateTable : public testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateTable, ReportsTheFirstPair) {
    const NameGrid grid = Listed(Names(GetParam().newNames.size(), "old"), GetParam().newNames);
    EXPECT_EQ(engine::FindDuplicateNewName(grid), GetParam().duplicate);
}

INSTANTIATE_TEST_SUITE_P(Columns, DuplicateTable,
                         testing::Values(DuplicateCase{"AllDifferent", {"a", "b", "c"}, std::nullopt},
                                         DuplicateCase{"CaseOnly", {"A.txt", "a.txt"}, std::nullopt},
                                         DuplicateCase{"BlanksNeverCount", {"", "x", ""}, std::nullopt},
                                         DuplicateCase{"LowestFirstRowWins", {"x", "y", "y", "x"}, "x"},
                                         DuplicateCase{"ThenLowestLaterRow", {"q", "y", "x", "y", "x"}, "y"}),
                         rownames::RowLabel());

TEST(FindDuplicateNewName, AgreesWithAScanOfEveryPair) {
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        Names names(std::uniform_int_distribution<std::size_t>(0, 12)(random));
        for (auto& name : names) {
            const int pick = std::uniform_int_distribution<int>(0, 14)(random);
            name = pick == 0 ? std::string() : "n" + std::to_string(pick);
        }
        std::optional<std::string> expected;
        for (std::size_t i = 0; i < names.size() && !expected; ++i)
            for (std::size_t j = i + 1; j < names.size() && !expected; ++j)
                if (!names[i].empty() && names[i] == names[j])
                    expected = names[i];
        ASSERT_EQ(engine::FindDuplicateNewName(Listed(names, names)), expected);
    }
}

} // namespace
