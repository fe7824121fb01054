#include "engine/RenameEngine.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using engine::NameGrid;

std::vector<std::string> NewNames(const NameGrid& grid) {
    std::vector<std::string> names;
    for (int row = 1; row < grid.RowCount(); ++row) {
        names.push_back(grid.Cell(NameGrid::NewColumn, row));
    }
    return names;
}

NameGrid Listed(std::vector<std::string> names) {
    NameGrid grid;
    grid.List(std::move(names));
    return grid;
}

void SetNewNames(NameGrid& grid, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        grid.SetCell(NameGrid::NewColumn, static_cast<int>(i + 1), names[i]);
    }
}

TEST(NameGrid, StartsWithABlankHeaderAndOneBlankRow) {
    const NameGrid grid;
    ASSERT_EQ(grid.RowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(grid.Cell(0, row), "");
        EXPECT_EQ(grid.Cell(1, row), "");
    }
}

TEST(NameGrid, ListingWritesTheHeaderAndBlanksEveryNewName) {
    NameGrid grid = Listed({"a", "b", "c"});
    grid.SetCell(NameGrid::NewColumn, 2, "edited");
    grid.List({"x\xFF.txt"});
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(0, 0), "Filename");
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
    EXPECT_EQ(grid.Cell(0, 1), "x\xFF.txt");
    EXPECT_EQ(grid.Cell(1, 1), "");

    grid.List({});
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), "Filename");
}

TEST(NameGrid, KeepsTheHeaderThroughRowCountChanges) {
    NameGrid grid = Listed({"a"});
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
    grid.SetRowCount(3);
    EXPECT_EQ(grid.Cell(0, 2), "");
}

TEST(NameGrid, RefusesCellsOutsideTheGrid) {
    NameGrid grid;
    EXPECT_THROW(grid.Cell(2, 0), std::out_of_range);
    EXPECT_THROW(grid.Cell(0, 2), std::out_of_range);
    EXPECT_THROW(grid.Cell(-1, 0), std::out_of_range);
    EXPECT_THROW(grid.SetCell(0, -1, "x"), std::out_of_range);
}

TEST(NameGrid, BlankNewNamesLeavesOldNamesAndHeader) {
    NameGrid grid = Listed({"a", "b"});
    SetNewNames(grid, {"x", "y"});
    grid.BlankNewNames();
    EXPECT_EQ(NewNames(grid), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(grid.Cell(0, 2), "b");
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
}

TEST(AllReplace, WritesEveryRowIncludingUnchangedOnes) {
    NameGrid grid = Listed({"banana.txt", "kiwi.txt", "abc"});
    SetNewNames(grid, {"old", "old", "old"});
    engine::AllReplace(grid, "a", "");
    EXPECT_EQ(NewNames(grid), (std::vector<std::string>{"bnn.txt", "kiwi.txt", "bc"}));
    engine::AllReplace(grid, "abc", "");
    EXPECT_EQ(NewNames(grid), (std::vector<std::string>{"banana.txt", "kiwi.txt", ""}));
}

TEST(AllReplace, LeavesAHeaderOnlyGridUntouched) {
    NameGrid grid = Listed({});
    engine::AllReplace(grid, "F", "x");
    engine::Adder(grid, 1, "x", "y", "z");
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), "Filename");
    EXPECT_EQ(grid.Cell(1, 0), "New Name");
}

TEST(Adder, InsertsThenAddsInFrontAndBehind) {
    NameGrid grid = Listed({"song.mp3", "ab", "Café.txt"});
    engine::Adder(grid, 4, "_x", "A-", "!");
    EXPECT_EQ(NewNames(grid), (std::vector<std::string>{"A-song_x.mp3!", "A-ab_x!", "A-Café_x.txt!"}));
}

TEST(Adder, LeavesOutEmptyTexts) {
    NameGrid grid = Listed({"song.mp3"});
    engine::Adder(grid, 2, "", "", ".bak");
    EXPECT_EQ(NewNames(grid), std::vector<std::string>{"song.mp3.bak"});
    engine::Adder(grid, 0, "-", "A", "");
    EXPECT_EQ(NewNames(grid), std::vector<std::string>{"A-song.mp3"});
    engine::Adder(grid, 3, "", "", "");
    EXPECT_EQ(NewNames(grid), std::vector<std::string>{"song.mp3"});
}

struct DuplicateCase {
    const char* label;
    std::vector<std::string> newNames;
    std::optional<std::string> duplicate;
};

void PrintTo(const DuplicateCase& c, std::ostream* os) {
    *os << c.label;
}

class DuplicateTable : public testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateTable, ReportsTheFirstPair) {
    NameGrid grid = Listed(std::vector<std::string>(GetParam().newNames.size(), "old"));
    SetNewNames(grid, GetParam().newNames);
    EXPECT_EQ(engine::FindDuplicateNewName(grid), GetParam().duplicate);
}

INSTANTIATE_TEST_SUITE_P(Columns, DuplicateTable,
                         testing::Values(DuplicateCase{"NoFiles", {}, std::nullopt},
                                         DuplicateCase{"AllDifferent", {"a", "b", "c"}, std::nullopt},
                                         DuplicateCase{"CaseOnly", {"A.txt", "a.txt"}, std::nullopt},
                                         DuplicateCase{"BlanksNeverCount", {"", "x", ""}, std::nullopt},
                                         DuplicateCase{"Adjacent", {"a", "b", "b"}, "b"},
                                         DuplicateCase{"LowestFirstRowWins", {"x", "y", "y", "x"}, "x"},
                                         DuplicateCase{"ThenLowestLaterRow", {"q", "y", "x", "y", "x"}, "y"},
                                         DuplicateCase{"RawBytes", {"\xFF", "\xFE", "\xFF"}, "\xFF"}),
                         [](const auto& info) { return info.param.label; });

TEST(FindDuplicateNewName, AgreesWithAScanOfEveryPair) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        const int rows = std::uniform_int_distribution<int>(0, 12)(random);
        std::vector<std::string> names(static_cast<std::size_t>(rows));
        for (auto& name : names) {
            const int pick = std::uniform_int_distribution<int>(0, 14)(random);
            name = pick == 0 ? std::string() : "n" + std::to_string(pick);
        }
        std::optional<std::string> expected;
        for (std::size_t i = 0; i < names.size() && !expected; ++i) {
            for (std::size_t j = i + 1; j < names.size() && !expected; ++j) {
                if (!names[i].empty() && names[i] == names[j]) {
                    expected = names[i];
                }
            }
        }
        NameGrid grid = Listed(names);
        SetNewNames(grid, names);
        ASSERT_EQ(engine::FindDuplicateNewName(grid), expected);
    }
}

} // namespace
