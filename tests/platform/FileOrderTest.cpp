// The file list's order: alphabetical without regard to case, the same on every machine and for every
// order the folder's entries come in.

#include "engine/FileOrder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

struct OrderCase {
    const char* name;
    Names input;
    Names expected;
};

void PrintTo(const OrderCase& row, std::ostream* out) {
    *out << row.name;
}

class FileOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(FileOrder, SortsIntoTheExpectedOrderWhateverTheInputOrder) {
    Names names = GetParam().input;
    engine::SortFileNames(names);
    EXPECT_EQ(names, GetParam().expected);

    Names reversed(GetParam().input.rbegin(), GetParam().input.rend());
    engine::SortFileNames(reversed);
    EXPECT_EQ(reversed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileOrder,
    testing::Values(
        OrderCase{"AsciiIgnoresCase", {"Zeta", "alpha", "Beta"}, {"alpha", "Beta", "Zeta"}},
        OrderCase{"EqualKeysFallBackToTheBytes", {"b", "A", "a", "B"}, {"A", "a", "B", "b"}},
        OrderCase{"PunctuationAndDigitsByTheirCode", {"b", "_a", "1", "A-"}, {"1", "_a", "A-", "b"}},
        OrderCase{"PrefixFirst", {"File.txt", "file", "FILE.TXT.bak"}, {"file", "File.txt", "FILE.TXT.bak"}},
        // Accented letters fold to their small letter and sort after the plain alphabet.
        OrderCase{"Latin1", {"\xc3\xa9", "f", "\xc3\x89"}, {"f", "\xc3\x89", "\xc3\xa9"}},
        OrderCase{"Latin1CapitalBeforeLaterSmall",
                  {"\xc3\x96z", "\xc3\xb6"
                                "a"}, // "Öz", "öa"
                  {"\xc3\xb6"
                   "a",
                   "\xc3\x96z"}},
        OrderCase{"MultiplicationSignIsNoLetter",
                  {"\xc3\xb7"
                   "a",
                   "\xc3\x97"
                   "b"}, // "÷a", "×b"
                  {"\xc3\x97"
                   "b",
                   "\xc3\xb7"
                   "a"}},
        OrderCase{"LatinExtendedA",
                  {"\xc5\x81\xc3\xb3"
                   "d\xc5\xba",
                   "lato", "Zebra",
                   "\xc5\x82"
                   "ania"}, // "Łódź", "łania"
                  {"lato", "Zebra",
                   "\xc5\x82"
                   "ania",
                   "\xc5\x81\xc3\xb3"
                   "d\xc5\xba"}},
        OrderCase{"CapitalIWithDotIsI",
                  {"j", "\xc4\xb0stanbul", "h"}, // "İstanbul"
                  {"h", "\xc4\xb0stanbul", "j"}},
        OrderCase{"CapitalYWithDiaeresisPairsWithLatin1",
                  {"\xc5\xba",
                   "\xc3\xbf"
                   "a",
                   "\xc5\xb8"}, // "ź", "ÿa", "Ÿ"
                  {"\xc5\xb8",
                   "\xc3\xbf"
                   "a",
                   "\xc5\xba"}},
        OrderCase{"Greek",
                  {"\xce\xa9mega", "\xce\xb1lpha",
                   "\xce\x92"
                   "eta"}, // "Ωmega", "αlpha", "Βeta"
                  {"\xce\xb1lpha",
                   "\xce\x92"
                   "eta",
                   "\xce\xa9mega"}},
        OrderCase{"GreekAccentedCapital",
                  {"\xce\x88"
                   "b",
                   "\xce\xad"
                   "a"}, // "Έb", "έa"
                  {"\xce\xad"
                   "a",
                   "\xce\x88"
                   "b"}},
        OrderCase{
            "Cyrillic",
            {"\xd0\xaf", "\xd0\xb0\xd0\xb1", "\xd0\x91\xd0\xbe", "\xd0\x81\xd0\xb6"}, // "Я","аб","Бо","Ёж"
            {"\xd0\xb0\xd0\xb1", "\xd0\x91\xd0\xbe", "\xd0\xaf", "\xd0\x81\xd0\xb6"}},
        // A byte that is not valid UTF-8 keeps its own value and is never folded with what follows.
        OrderCase{"BytesThatAreNotUtf8",
                  {"\xff"
                   "b",
                   "\xc3"
                   "A",
                   "a", "B"},
                  {"a", "B",
                   "\xc3"
                   "A",
                   "\xff"
                   "b"}},
        OrderCase{"OverlongFormIsNotALetter", {"\xc1\x81x", "b"}, {"b", "\xc1\x81x"}},
        OrderCase{"CutOffSequenceAtTheEnd", {"a\xc3", "A", "a"}, {"A", "a", "a\xc3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileOrderTotal, CaseVariantsStandTogetherAndComeOutTheSameFromAnyStart) {
    Names names;
    for (const char* stem :
         {"alpha", "Alpha", "ALPHA", "beta", "Beta", "BETA", "\xc3\xa9t\xc3\xa9", "\xc3\x89T\xc3\x89"})
        for (const char* ending : {".txt", ".TXT", ".Txt"})
            names.push_back(std::string(stem) + ending);
    Names first = names;
    engine::SortFileNames(first);
    std::string initials;
    for (const auto& name : first)
        initials += static_cast<unsigned char>(name[0]) < 0x80 ? static_cast<char>(name[0] | 0x20) : '*';
    EXPECT_EQ(initials, std::string(9, 'a') + std::string(9, 'b') + std::string(6, '*'));

    for (int round = 0; round < 20; ++round) {
        std::next_permutation(names.begin(), names.end());
        std::rotate(names.begin(), names.begin() + round % static_cast<int>(names.size()), names.end());
        Names again = names;
        engine::SortFileNames(again);
        ASSERT_EQ(again, first) << "round " << round;
    }
}

} // namespace
