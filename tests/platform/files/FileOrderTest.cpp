// The file list's order: alphabetical without regard to case, the same on every machine and for every
// order the folder's entries come in.

#include "engine/FileOrder.h"

#include <gtest/gtest.h>
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
        OrderCase{"CutOffSequenceAtTheEnd", {"a\xc3", "A", "a"}, {"A", "a", "a\xc3"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
