#include "engine/RenameEngine.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

struct ReplaceCase {
    const char* label;
    std::string oldName;
    std::string search;
    std::string replacement;
    std::string expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << c.label;
}

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
                                         ReplaceCase{"MatchRunsOutOfReplacement", "abb.txt", "ab", "xa",
                                                     "xxa.txt"},
                                         ReplaceCase{"WholeNameDeleted", "abc", "abc", "", ""},
                                         ReplaceCase{"SearchLongerThanName", "abc", "abcd", "x", "abc"},
                                         ReplaceCase{"AcrossTheDot", "a.b.c", "b.c", "z", "a.z"},
                                         ReplaceCase{"RunIntoFollowingText", "aaa", "aa", "ba", "bba"}),
                         [](const auto& info) { return info.param.label; });

// Pairs whose replacement holds the search text from its second character on would search without end;
// they resume after the inserted replacement.
INSTANTIATE_TEST_SUITE_P(EndlessPairs, ReplacerTable,
                         testing::Values(ReplaceCase{"PrefixReplacement", "banana", "a", "ba", "bbanbanba"},
                                         ReplaceCase{"Doubling", "aa.txt", "a", "aa", "aaaa.txt"},
                                         ReplaceCase{"InsideLongerReplacement", "aXa", "a", "xya", "xyaXxya"},
                                         ReplaceCase{"MultiCharacterSearch", "abab", "ab", "xab", "xabxab"},
                                         ReplaceCase{"NoOccurrence", "hello", "a", "ba", "hello"}),
                         [](const auto& info) { return info.param.label; });

// "é" is two bytes but one character; 0xFF is no UTF-8 at all and counts as one character.
INSTANTIATE_TEST_SUITE_P(
    Characters, ReplacerTable,
    testing::Values(ReplaceCase{"AccentReplaced", "Café.txt", "é", "e", "Cafe.txt"},
                    ReplaceCase{"AccentDeletedEverySecond", "ééé", "é", "", "é"},
                    ReplaceCase{"DeleteSkipsWholeCharacter", "aéa", "a", "", "é"},
                    ReplaceCase{"NeverInsideACharacter", "Caf\xC3\xA9", "\xC3", "e", "Caf\xC3\xA9"},
                    ReplaceCase{"NeverEndsInsideACharacter", "\xE2\x82\xAC", "\xE2\x82", "x", "\xE2\x82\xAC"},
                    ReplaceCase{"MultiByteFirstCharacter", "aa", "a", "éb", "ébéb"},
                    ReplaceCase{"PendingTailMultiByte", "éxx", "éx", "aé", "aaé"},
                    ReplaceCase{"InvalidByteKept", "x\xFFy\xFF", "y", "Y", "x\xFFY\xFF"},
                    ReplaceCase{"InvalidByteReplaced",
                                "a\xFF"
                                "b",
                                "\xFF", "-", "a-b"},
                    ReplaceCase{"LoneContinuationMatched", "a\x80\x80", "\x80", "", "a\x80"}),
    [](const auto& info) { return info.param.label; });

TEST(Replacer, StartsAtTheGivenPosition) {
    EXPECT_EQ(engine::Replacer("aXa", "a", "o", 2), "aXo");
    EXPECT_EQ(engine::Replacer("éaéa", "a", "o", 3), "éaéo");
    EXPECT_EQ(engine::Replacer("abc", "c", "o", 4), "abc");
}

TEST(Replacer, EmptySearchLeavesTheNameAlone) {
    EXPECT_EQ(engine::Replacer("abc", "", "x"), "abc");
}

TEST(Replacer, ManyMatchesInALongNameDoNotRecurse) {
    // One level of recursion per match would overflow the stack here.
    const std::string name(2'000'000, 'a');
    EXPECT_EQ(engine::Replacer(name, "a", "b"), std::string(name.size(), 'b'));
    EXPECT_EQ(engine::Replacer(name, "a", ""), std::string(name.size() / 2, 'a'));
}

// The rules as first written: recursive, rebuilding the name for each match, over whole characters.
// Here a name is a list of characters so the model needs no decoding of its own.
using Chars = std::vector<std::string>;

Chars ModelReplacer(const Chars& name, const Chars& search, const Chars& replacement, std::size_t start,
                    bool resumeAfterEnd) {
    for (std::size_t i = start; i + search.size() <= name.size(); ++i) {
        if (std::equal(search.begin(), search.end(), name.begin() + static_cast<long>(i))) {
            Chars next(name.begin(), name.begin() + static_cast<long>(i));
            next.insert(next.end(), replacement.begin(), replacement.end());
            next.insert(next.end(), name.begin() + static_cast<long>(i + search.size()), name.end());
            return ModelReplacer(next, search, replacement, resumeAfterEnd ? i + replacement.size() : i + 1,
                                 resumeAfterEnd);
        }
    }
    return name;
}

bool Contains(const Chars& text, const Chars& part, std::size_t from) {
    for (std::size_t i = from; i + part.size() <= text.size(); ++i) {
        if (std::equal(part.begin(), part.end(), text.begin() + static_cast<long>(i))) {
            return true;
        }
    }
    return false;
}

std::string Join(const Chars& chars) {
    std::string text;
    for (const auto& c : chars) {
        text += c;
    }
    return text;
}

TEST(Replacer, AgreesWithTheRecursiveRulesOnRandomNames) {
    const Chars alphabet{"a", "b", ".", "é", "\xFF"};
    std::mt19937 random(20261208);
    auto make = [&](std::size_t minLength, std::size_t maxLength) {
        Chars text(std::uniform_int_distribution<std::size_t>(minLength, maxLength)(random));
        for (auto& c : text) {
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        }
        return text;
    };
    int endless = 0;
    for (int round = 0; round < 20000; ++round) {
        const Chars name = make(0, 10);
        const Chars search = make(1, 3);
        const Chars replacement = make(0, 4);
        const bool resumeAfterEnd = Contains(replacement, search, 1);
        endless += resumeAfterEnd;
        const std::string expected = Join(ModelReplacer(name, search, replacement, 0, resumeAfterEnd));
        ASSERT_EQ(engine::Replacer(Join(name), Join(search), Join(replacement)), expected)
            << "name " << Join(name) << " search " << Join(search) << " replacement " << Join(replacement);
    }
    EXPECT_GT(endless, 0); // the random pairs did reach both rules
}

struct PositionCase {
    const char* label;
    std::string name;
    std::string search;
    int position;
    bool differs;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << c.label;
}

class CheckWholeTable : public testing::TestWithParam<PositionCase> {};

TEST_P(CheckWholeTable, ComparesEveryCharacter) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::CheckWhole(c.name, c.search, c.position), c.differs);
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckWholeTable,
                         testing::Values(PositionCase{"WholeAtStart", "abc", "ab", 1, false},
                                         PositionCase{"WholeAtEnd", "abc", "bc", 2, false},
                                         PositionCase{"LastDiffers", "abc", "ac", 1, true},
                                         PositionCase{"FirstDiffers", "abc", "xb", 1, true},
                                         PositionCase{"CaseDiffers", "abc", "B", 2, true},
                                         PositionCase{"CountsCharacters", "éab", "ab", 2, false},
                                         PositionCase{"PartOfCharacter", "é", "\xC3", 1, true},
                                         PositionCase{"RunsPastTheEnd", "ab", "bc", 2, true}),
                         [](const auto& info) { return info.param.label; });

TEST(Replace, SplicesByCharacterPositions) {
    EXPECT_EQ(engine::Replace("banana", "an", "X", 2), "bXana");
    EXPECT_EQ(engine::Replace("banana", "na", "", 5), "bana");
    EXPECT_EQ(engine::Replace("éxé", "x", "--", 2), "é--é");
    EXPECT_EQ(engine::Replace("\xFFxy", "xy", "z", 2), "\xFFz");
}

} // namespace
