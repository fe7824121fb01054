#include "engine/RenameEngine.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct NumberCase {
    const char* label;
    std::string text;
    std::optional<std::int32_t> value;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.label;
}

class ReadPositionTable : public testing::TestWithParam<NumberCase> {};

TEST_P(ReadPositionTable, ReadsOrRefuses) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::ReadPosition(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadPositionTable,
    testing::Values(
        NumberCase{"Empty", "", 0}, NumberCase{"Plain", "12", 12}, NumberCase{"LeadingSpaces", "  12", 12},
        NumberCase{"TrailingSpace", "12 ", std::nullopt}, NumberCase{"SpacesOnly", "   ", std::nullopt},
        NumberCase{"LeadingTab", "\t12", std::nullopt}, NumberCase{"Plus", "+5", 5},
        NumberCase{"Minus", "-3", -3}, NumberCase{"Zero", "0", 0},
        NumberCase{"LeadingZeros", "0000000000012", 12}, NumberCase{"SignOnly", "-", std::nullopt},
        NumberCase{"SpaceAfterSign", "- 3", std::nullopt}, NumberCase{"DoubleSign", "+-3", std::nullopt},
        NumberCase{"Largest", "2147483647", 2147483647}, NumberCase{"TooLarge", "2147483648", std::nullopt},
        NumberCase{"Smallest", "-2147483648", INT32_MIN}, NumberCase{"TooSmall", "-2147483649", std::nullopt},
        NumberCase{"ManyDigits", "99999999999999999999", std::nullopt}, NumberCase{"Dollar", "$1F", 31},
        NumberCase{"LowerX", "x1f", 31}, NumberCase{"UpperX", "X1F", 31}, NumberCase{"ZeroX", "0x1f", 31},
        NumberCase{"ZeroUpperX", "0X1F", 31}, NumberCase{"SpacesBeforeHex", " $10", 16},
        NumberCase{"SignedHex", "-$1", std::nullopt}, NumberCase{"PlusHex", "+0x1", std::nullopt},
        NumberCase{"PrefixOnly", "$", std::nullopt}, NumberCase{"ZeroXOnly", "0x", std::nullopt},
        NumberCase{"HexBadDigit", "$1G", std::nullopt}, NumberCase{"HexAllOnes", "$FFFFFFFF", -1},
        NumberCase{"HexHighBit", "$80000000", INT32_MIN}, NumberCase{"HexLeadingZeros", "$00000000FF", 255},
        NumberCase{"HexTooWide", "$100000000", std::nullopt}, NumberCase{"Letters", "abc", std::nullopt},
        NumberCase{"DecimalPoint", "1.5", std::nullopt}, NumberCase{"Exponent", "1e3", std::nullopt}),
    [](const auto& info) { return info.param.label; });

struct AddMidCase {
    const char* label;
    std::string name;
    std::int32_t position;
    std::string expected;
};

void PrintTo(const AddMidCase& c, std::ostream* os) {
    *os << c.label;
}

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
                                         AddMidCase{"BeforeAccent", "Café.txt", 3, "Caf-é.txt"},
                                         AddMidCase{"AccentLength", "Café", 4, "Café-"},
                                         AddMidCase{"InvalidByte",
                                                    "a\xFF"
                                                    "b",
                                                    2, "a\xFF-b"},
                                         AddMidCase{"EmptyName", "", 3, "-"}),
                         [](const auto& info) { return info.param.label; });

struct CharCase {
    const char* label;
    std::string text;
    int position;
};

void PrintTo(const CharCase& c, std::ostream* os) {
    *os << c.label;
}

class CheckCharsTable : public testing::TestWithParam<CharCase> {};

TEST_P(CheckCharsTable, NamesTheFirstRefusedCharacter) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::CheckChars(c.text), c.position);
}

INSTANTIATE_TEST_SUITE_P(Texts, CheckCharsTable,
                         testing::Values(CharCase{"Empty", "", 0}, CharCase{"Clean", "My file (1).txt", 0},
                                         CharCase{"ColonAllowed", "a:b", 0}, CharCase{"Semicolon", "a;b", 2},
                                         CharCase{"Slash", "/", 1}, CharCase{"Backslash", "a\\", 2},
                                         CharCase{"Asterisk", "**", 1}, CharCase{"Question", "ab?", 3},
                                         CharCase{"Quote", "\"", 1}, CharCase{"Less", "x<", 2},
                                         CharCase{"Greater", "x>", 2}, CharCase{"Bar", "x|", 2},
                                         CharCase{"LeftmostOfTwo", "ab|c*d", 3},
                                         CharCase{"CountsCharacters", "éé?", 3},
                                         CharCase{"AfterInvalidByte", "\xFF\xFE;", 3}),
                         [](const auto& info) { return info.param.label; });

} // namespace
