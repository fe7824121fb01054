#include "engine/names/Replace.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

struct ReplaceCase {
    const char* label;
    std::string oldName, search, replacement, expected;
};

class ReplacerTable : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplacerTable, GivesTheNewName) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::Replacer(c.oldName, c.search, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ReplacerTable,
                         testing::Values(ReplaceCase{"EveryA", "banana.txt", "a", "o", "bonono.txt"},
                                         ReplaceCase{"Extension", "note.txt", ".txt", ".bak", "note.bak"},
                                         ReplaceCase{"CaseMatters", "x.txt", "A", "b", "x.txt"},
                                         ReplaceCase{"DeleteDigit", "Track01.mp3", "0", "", "Track1.mp3"},
                                         ReplaceCase{"DeleteSkipsMovedUp", "aab.txt", "a", "", "ab.txt"},
                                         ReplaceCase{"DeleteUnderscores", "a__b.txt", "_", "", "a_b.txt"},
                                         ReplaceCase{"DeleteAdjacentPairs", "abab.txt", "ab", "", "ab.txt"},
                                         ReplaceCase{"DeleteFourLeavesTwo", "aaaa", "a", "", "aa"},
                                         ReplaceCase{"DeleteThreeLeavesOne", "aaa", "a", "", "a"},
                                         ReplaceCase{"LongerReplacement", "aa.txt", "a", "bb", "bbbb.txt"},
                                         ReplaceCase{"RunsOutOfReplacement", "abb.txt", "ab", "xa",
                                                     "xxa.txt"},
                                         ReplaceCase{"WholeNameDeleted", "abc", "abc", "", ""},
                                         ReplaceCase{"SearchLongerThanName", "abc", "abcd", "x", "abc"}),
                         rownames::RowLabel());

// Pairs whose replacement holds the search text from its second character on would search without end;
// they resume after the inserted replacement.
INSTANTIATE_TEST_SUITE_P(EndlessPairs, ReplacerTable,
                         testing::Values(ReplaceCase{"PrefixReplacement", "banana", "a", "ba", "bbanbanba"},
                                         ReplaceCase{"InsideLongerReplacement", "aXa", "a", "xya", "xyaXxya"},
                                         ReplaceCase{"MultiCharacterSearch", "abab", "ab", "xab", "xabxab"},
                                         ReplaceCase{"RunsOnIntoTheName", "aaa", "aa", "xaa", "xaaa"}),
                         rownames::RowLabel());

// "é" is two bytes but one character; 0xFF is no UTF-8 at all and counts as one character.
INSTANTIATE_TEST_SUITE_P(
    Characters, ReplacerTable,
    testing::Values(ReplaceCase{"DeleteSkipsWholeCharacter", "aéa", "a", "", "é"},
                    ReplaceCase{"NeverStartsInsideACharacter", "Caf\xC3\xA9", "\xC3", "e", "Caf\xC3\xA9"},
                    ReplaceCase{"NeverEndsInsideACharacter", "\xE2\x82\xAC", "\xE2\x82", "x", "\xE2\x82\xAC"},
                    ReplaceCase{"MultiByteFirstCharacter", "aa", "a", "éb", "ébéb"},
                    ReplaceCase{"PendingTailMultiByte", "éxx", "éx", "aé", "aaé"},
                    ReplaceCase{"InvalidByteReplaced", "a\xFF", "\xFF", "-", "a-"},
                    ReplaceCase{"LoneContinuationMatched", "a\x80\x80", "\x80", "", "a\x80"}),
    rownames::RowLabel());

TEST(Replacer, StartPositionAndEmptySearch) {
    EXPECT_EQ(engine::Replacer("éaéa", "a", "o", 3), "éaéo");
    EXPECT_EQ(engine::Replacer("abc", "c", "o", 4), "abc");
    EXPECT_EQ(engine::Replacer("abc", "", "x"), "abc");
}

TEST(Replacer, ManyMatchesInALongNameDoNotRecurse) {
    // One level of recursion per match would overflow the stack here.
    const std::string name(2'000'000, 'a');
    EXPECT_EQ(engine::Replacer(name, "a", "b"), std::string(name.size(), 'b'));
    EXPECT_EQ(engine::Replacer(name, "a", ""), std::string(name.size() / 2, 'a'));
}

// The rules as first written: recursive, rebuilding the name for each match, over whole characters
// (a name is a list of characters, so the model needs no decoding of its own).
using Chars = std::vector<std::string>;

std::size_t Find(const Chars& text, const Chars& part, std::size_t from) {
    for (std::size_t i = from; i + part.size() <= text.size(); ++i)
        if (std::equal(part.begin(), part.end(), text.begin() + static_cast<long>(i)))
            return i;
    return text.size();
}

Chars Model(Chars name, const Chars& search, const Chars& replacement, std::size_t start, bool afterEnd) {
    const std::size_t i = Find(name, search, start);
    if (i == name.size())
        return name;
    const auto at = name.begin() + static_cast<long>(i);
    name.insert(name.erase(at, at + static_cast<long>(search.size())), replacement.begin(),
                replacement.end());
    return Model(name, search, replacement, afterEnd ? i + replacement.size() : i + 1, afterEnd);
}

TEST(Replacer, AgreesWithTheRecursiveRulesOnRandomNames) {
    const Chars alphabet{"a", "b", ".", "é", "\xFF"};
    std::mt19937 random(20261208);
    auto make = [&](std::size_t minLength, std::size_t maxLength) {
        Chars text(std::uniform_int_distribution<std::size_t>(minLength, maxLength)(random));
        for (auto& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        return text;
    };
    const auto join = [](const Chars& c) { return std::accumulate(c.begin(), c.end(), std::string()); };
    int endless = 0;
    for (int round = 0; round < 20000; ++round) {
        const Chars name = make(0, 10), search = make(1, 3), replacement = make(0, 4);
        const bool afterEnd = Find(replacement, search, 1) != replacement.size();
        endless += afterEnd;
        ASSERT_EQ(engine::Replacer(join(name), join(search), join(replacement)),
                  join(Model(name, search, replacement, 0, afterEnd)))
            << "name " << join(name) << " search " << join(search) << " replacement " << join(replacement);
    }
    EXPECT_GT(endless, 0); // the random pairs did reach both rules
}

TEST(CheckWhole, ComparesEveryCharacterAtThePosition) {
    EXPECT_FALSE(engine::CheckWhole("abc", "ab", 1));
    EXPECT_TRUE(engine::CheckWhole("abc", "ac", 1));  // last differs
    EXPECT_TRUE(engine::CheckWhole("abc", "xb", 1));  // first differs
    EXPECT_FALSE(engine::CheckWhole("éab", "ab", 2)); // counts characters
    EXPECT_TRUE(engine::CheckWhole("é", "\xC3", 1));  // part of a character
    EXPECT_TRUE(engine::CheckWhole("ab", "bc", 2));   // runs past the end
}

TEST(Replace, SplicesByCharacterPositions) {
    EXPECT_EQ(engine::Replace("banana", "an", "X", 2), "bXana");
    EXPECT_EQ(engine::Replace("éxé", "x", "--", 2), "é--é");
    EXPECT_EQ(engine::Replace("\xFFxy", "xy", "z", 2), "\xFFz");
}

} // namespace
