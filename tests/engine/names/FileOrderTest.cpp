// The file list's order: alphabetical without regard to case, the same on every machine and for every
// order the folder's entries come in.

#include "engine/names/FileOrder.h"

#include "RowNames.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using rownames::PrintTo;

using Names = std::vector<std::string>;

struct OrderCase {
    const char* label;
    Names input;
    Names expected;
};

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
        OrderCase{"Latin1", {"Öz", "f", "öa"}, {"f", "öa", "Öz"}},
        OrderCase{"MultiplicationSignIsNoLetter", {"÷a", "×b"}, {"×b", "÷a"}},
        OrderCase{"LatinExtendedA", {"Łódź", "lato", "Zebra", "łania"}, {"lato", "Zebra", "łania", "Łódź"}},
        OrderCase{"CapitalIWithDotIsI", {"j", "İstanbul", "h"}, {"h", "İstanbul", "j"}},
        OrderCase{"CapitalYWithDiaeresisPairsWithLatin1", {"ź", "ÿa", "Ÿ"}, {"Ÿ", "ÿa", "ź"}},
        OrderCase{"Greek", {"Ωmega", "αlpha", "Βeta", "Έb", "έa"}, {"έa", "Έb", "αlpha", "Βeta", "Ωmega"}},
        OrderCase{"Cyrillic", {"Я", "аб", "Бо", "Ёж"}, {"аб", "Бо", "Я", "Ёж"}},
        // A byte that is not valid UTF-8 keeps its own value and is never folded with what follows.
        OrderCase{"BytesThatAreNotUtf8", {"\xffz", "\xc3Z", "a", "B"}, {"a", "B", "\xc3Z", "\xffz"}},
        OrderCase{"OverlongFormIsNotALetter", {"\xc1\x81x", "b"}, {"b", "\xc1\x81x"}},
        OrderCase{"CutOffSequenceAtTheEnd", {"a\xc3", "A", "a"}, {"A", "a", "a\xc3"}},
        // Names alike in their first eight bytes, but for case, are told apart by the rest of their keys.
        OrderCase{"AlikeInTheFirstEightBytes",
                  {"IMG_0001b.JPG", "img_0001", "IMG_0001A.jpg", "img_00010"},
                  {"img_0001", "img_00010", "IMG_0001A.jpg", "IMG_0001b.JPG"}},
        // Each name's key is longer than any before it, so folding it needs more room than the last one.
        OrderCase{"EachKeyLongerThanTheLast",
                  {"IMG_20261208_0001.jpg", "IMG_20261208_holiday_at_the_sea_0002.jpg", "b"},
                  {"b", "IMG_20261208_0001.jpg", "IMG_20261208_holiday_at_the_sea_0002.jpg"}}),
    rownames::RowLabel());

// Random names that share their first sixteen bytes or fewer, end there or just after, or differ only in
// case or by a NUL byte, past the bytes a sort key holds inline; against a plain comparison of the folded
// names byte by byte, then of the raw bytes.
TEST(FileOrderAtRandom, AgreesWithAPlainComparisonOfFoldedNames) {
    const auto fold = [](std::string name) {
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return name;
    };
    const std::string letters = std::string("aAbB_.0") + '\0';
    std::mt19937 random(11);
    Names names;
    for (int i = 0; i < 3000; ++i) {
        std::string name = std::string("IMG_20260101_12").substr(0, static_cast<std::size_t>(i % 16));
        for (int k = std::uniform_int_distribution<int>(0, 5)(random); k > 0; --k)
            name += letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
        names.push_back(name);
    }
    Names expected = names;
    std::sort(expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
        return std::pair(fold(a), a) < std::pair(fold(b), b);
    });
    engine::SortFileNames(names);
    EXPECT_EQ(names, expected);
}

} // namespace
