#include "engine/names/Add.h"

#include "RowNames.h"
#include "engine/names/CheckChars.h"
#include "engine/names/ReadPosition.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using rownames::PrintTo;

struct NumberCase {
    const char* label;
    std::string text;
    std::optional<std::int32_t> value;
};

class ReadPositionTable : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadPositionTable, ReadsOrRefuses) {
    EXPECT_EQ(engine::ReadPosition(GetParam().text), GetParam().value);
}

const std::optional<std::int32_t> invalid;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadPositionTable,
    testing::Values(
        NumberCase{"Empty", "", 0}, NumberCase{"LeadingSpaces", "  12", 12},
        NumberCase{"TrailingSpace", "12 ", invalid}, NumberCase{"SpacesOnly", "   ", invalid},
        NumberCase{"LeadingTab", "\t12", invalid}, NumberCase{"Plus", "+5", 5}, NumberCase{"Minus", "-3", -3},
        NumberCase{"SignOnly", "-", invalid}, NumberCase{"DoubleSign", "+-3", invalid},
        NumberCase{"LeadingZeros", "0000000000012", 12}, NumberCase{"Largest", "2147483647", 2147483647},
        NumberCase{"TooLarge", "2147483648", invalid}, NumberCase{"Smallest", "-2147483648", INT32_MIN},
        NumberCase{"TooSmall", "-2147483649", invalid}, NumberCase{"Dollar", "$1F", 31},
        NumberCase{"LowerX", "x1f", 31}, NumberCase{"ZeroUpperX", "0X1F", 31},
        NumberCase{"SignedHex", "-$1", invalid}, NumberCase{"PrefixOnly", "$", invalid},
        NumberCase{"HexBadDigit", "$1G", invalid}, NumberCase{"HexAllOnes", "$FFFFFFFF", -1},
        NumberCase{"HexLeadingZeros", "$00000000FF", 255}, NumberCase{"HexTooWide", "$100000000", invalid},
        NumberCase{"Letters", "abc", invalid}, NumberCase{"DecimalPoint", "1.5", invalid}),
    rownames::RowLabel());

struct AddMidCase {
    const char* label;
    std::string name;
    std::int32_t position;
    std::string expected;
};

class AddMidTable : public testing::TestWithParam<AddMidCase> {};

TEST_P(AddMidTable, InsertsAfterThePositionCharacter) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::AddMid(c.name, "-", c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, AddMidTable,
                         testing::Values(AddMidCase{"Two", "song.mp3", 2, "so-ng.mp3"},
                                         AddMidCase{"Four", "song.mp3", 4, "song-.mp3"},
                                         AddMidCase{"Length", "song.mp3", 8, "song.mp3-"},
                                         AddMidCase{"Beyond", "song.mp3", 20, "song.mp3-"},
                                         AddMidCase{"Zero", "song.mp3", 0, "-song.mp3"},
                                         AddMidCase{"Negative", "song.mp3", -1, "-song.mp3"},
                                         AddMidCase{"Lowest", "song.mp3", INT32_MIN, "-song.mp3"},
                                         AddMidCase{"Highest", "song.mp3", INT32_MAX, "song.mp3-"},
                                         AddMidCase{"AfterAccent", "Café.txt", 4, "Café-.txt"},
                                         AddMidCase{"InvalidByte", "a\xFF", 2, "a\xFF-"}),
                         rownames::RowLabel());

TEST(CheckChars, NamesTheFirstRefusedCharacter) {
    for (const char refused : std::string("/\\;*?\"<>|"))
        EXPECT_EQ(engine::CheckChars(std::string("ab") + refused + "c"), 3) << refused;
    EXPECT_EQ(engine::CheckChars(""), 0);
    EXPECT_EQ(engine::CheckChars("a:b (1).txt"), 0); // the colon is allowed
    EXPECT_EQ(engine::CheckChars("ab|c*d"), 3);      // leftmost of two
    EXPECT_EQ(engine::CheckChars("é\xFF?"), 3);      // counts characters, valid or not
}

} // namespace
