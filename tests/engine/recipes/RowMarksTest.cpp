// The marks of the Rules preview and the command line.

#include "engine/recipes/RowMarks.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using namespace engine::recipes;

struct MarkCase {
    const char* label;
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames; // empty: not renamed
    std::vector<RowMark> expected;
};

class RowMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(RowMarks, MarkEachRow) {
    EXPECT_EQ(MarkRows(GetParam().oldNames, GetParam().newNames), GetParam().expected);
}

using enum RowMark;

INSTANTIATE_TEST_SUITE_P(
    Names, RowMarks,
    testing::Values(MarkCase{"PlainRename", {"a"}, {"b"}, {None}},
                    MarkCase{"BlankAndSameAreUnchanged", {"a", "b"}, {"", "b"}, {Unchanged, Unchanged}},
                    MarkCase{"Dot", {"a"}, {"."}, {Refused}}, MarkCase{"DotDot", {"a"}, {".."}, {Refused}},
                    MarkCase{"ThreeDotsAllowed", {"a"}, {"..."}, {None}},
                    MarkCase{"Slash", {"a"}, {"x/y"}, {Refused}},
                    MarkCase{"NulByte", {"a"}, {std::string("x\0y", 3)}, {Refused}},
                    MarkCase{"Bytes255Allowed", {"a"}, {std::string(255, 'x')}, {None}},
                    MarkCase{"Bytes256Refused", {"a"}, {std::string(256, 'x')}, {Refused}},
                    MarkCase{
                        "TwoRowsOneName", {"a", "b", "c"}, {"x", "x", "y"}, {Duplicate, Duplicate, None}},
                    MarkCase{"DuplicateIsExact", {"a", "b"}, {"X", "x"}, {None, None}},
                    MarkCase{"TakenByUnrenamed", {"a", "b"}, {"b", ""}, {TakenByUnrenamed, Unchanged}},
                    MarkCase{"SwapIsNotAClash", {"a", "b"}, {"b", "a"}, {None, None}},
                    MarkCase{"ChainIsNotAClash", {"a", "b", "c"}, {"b", "c", "d"}, {None, None, None}},
                    MarkCase{"TakenByRefusedRow", {"a", "b"}, {"b", "x/y"}, {TakenByUnrenamed, Refused}}),
    rownames::RowLabel());

TEST(RowMarkResults, MissingAndEmptyResultsAreNotRenamed) {
    const std::vector<std::string> oldNames{"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
    const std::vector<NameResult> results{{"", "no date taken"}, {"", ""}, {"a.jpg", ""}, {"b.jpg", ""}};
    EXPECT_EQ(MarkResults(oldNames, results),
              (std::vector<RowMark>{Missing, Refused, TakenByUnrenamed, TakenByUnrenamed}));
}

TEST(RowMarkResults, EveryMarkHasWordsButNone) {
    EXPECT_EQ(MarkText(None), "");
    std::vector<std::string> words;
    for (const RowMark mark : {Unchanged, Missing, Refused, Duplicate, TakenByUnrenamed}) {
        EXPECT_FALSE(MarkText(mark).empty());
        words.push_back(MarkText(mark));
    }
    std::sort(words.begin(), words.end());
    EXPECT_EQ(std::unique(words.begin(), words.end()), words.end());
}

} // namespace

namespace {

TEST(RowMarkResults, ManyRowsFindEveryPairAndEveryTakenName) {
    // Rows 0..4999 are renamed in pairs onto one name; rows 5000..9999 stay, and each of the last 1000
    // renamed rows of a second batch asks for the name of one of them.
    constexpr std::size_t kRows = 10000;
    std::vector<std::string> oldNames(kRows);
    std::vector<std::string> newNames(kRows);
    for (std::size_t row = 0; row < kRows; ++row) {
        oldNames[row] = "old" + std::to_string(row);
    }
    for (std::size_t row = 0; row < 4000; ++row) {
        newNames[row] = "pair" + std::to_string(row / 2);
    }
    for (std::size_t row = 4000; row < 5000; ++row) {
        newNames[row] = "old" + std::to_string(row + 1000);
    }
    const std::vector<RowMark> marks = MarkRows(oldNames, newNames);
    for (std::size_t row = 0; row < kRows; ++row) {
        const RowMark expected = row < 4000 ? Duplicate : row < 5000 ? TakenByUnrenamed : Unchanged;
        ASSERT_EQ(marks[row], expected) << "row " << row;
    }
}

} // namespace
