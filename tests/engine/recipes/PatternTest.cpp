// A replace step's pattern answers with PCRE2 where the pattern keeps to the syntax PCRE2 and RE2 read
// alike, and with RE2 otherwise. The answers must be RE2's, group for group, from every starting point;
// what is outside that syntax must be recognised as such; and a search PCRE2 gives up on, or a text that
// is not UTF-8, must still be answered, by RE2.

#include "engine/recipes/Pattern.h"

#include "engine/names/Utf8.h"
#include "engine/recipes/CommonRegexSyntax.h"
#include "engine/recipes/JitPattern.h"

#include <gtest/gtest.h>
#include <optional>
#include <re2/re2.h>
#include <string>
#include <vector>

namespace {

using engine::recipes::InCommonRegexSyntax;
using engine::recipes::JitPattern;
using engine::recipes::Pattern;

struct SyntaxCase {
    const char* name;
    const char* pattern;
};

void PrintTo(const SyntaxCase& syntax, std::ostream* out) {
    *out << syntax.name;
}

const SyntaxCase kCommon[] = {
    {"CapturesAroundLiterals", R"(^(.*) - (\d+) - (.*)$)"},
    {"WordsAroundADot", R"((\w+)\.(\w+))"},
    {"AlternativesInOrder", "a|ab|abc"},
    {"AlternativesInGroups", "(a|ab)(c|bcd)(d*)"},
    {"GroupsOfTheAlternativeNotTaken", "(x)|(b)"},
    {"StarThatMatchesEmpty", "x*"},
    {"LazyThenDigits", R"((.*?)(\d+))"},
    {"EmptyText", "^$"},
    {"WordBoundaries", R"(\bfoo\b)"},
    {"NegatedRange", "[^a-c]+"},
    {"NamedGroupAndCounts", R"((?P<y>\d{4})-(\d{2}))"},
    {"RangeOfAccentedLetters", "[é-ü]+"},
    {"AnyCharacter", "."},
    {"OneOrTwoCharacters", "..?"},
    {"NonCapturingGroupOfAlternatives", R"((\d+)(?:px|em))"},
    {"WholeTextAnchors", R"(\A(a*)(b*)\z)"},
    {"ClassWithEscapedDashAndDot", R"([\-.]+)"},
    {"NegatedClassEscapes", R"((\W)(\D))"},
    {"LazyCount", "a{2,3}?"},
    {"EmptyAlternativeFirst", "(|a)(b)"},
    {"EmptyGroup", "()"},
    {"DotBeforeEnd", R"(\.$)"},
    {"DashLastInClass", "[a-]x"},
    {"LettersOutsideAscii", "É|ß|日本"},
    {"OpenCount", "[0-9]{2,}"},
    {"EscapedPunctuation", R"(\(\d\)|\[|\$|\\)"},
    {"TabAndNewlineEscapes", R"(\t|\n)"},
};

const SyntaxCase kNotCommon[] = {
    {"SpaceClassCountsVerticalTabInPcre", R"(\s+)"},
    {"VerticalSpaceEscape", R"(\v)"},
    {"NotWordBoundaryWhichRe2FindsInsideACharacter", R"(\Ba)"},
    {"RepeatedGroup", "(a+)+$"},
    {"StarredGroup", "(ab)*"},
    {"OptionalNonCapturingGroup", "(?:ab)?"},
    {"OptionalGroup", "(x)?b"},
    {"CaseFlag", "(?i)abc"},
    {"PosixClass", "[[:alpha:]]"},
    {"PosixClassOutsideAClass", "[:alpha:]"},
    {"CountWithoutLowerBound", "a{,3}"},
    {"UnclosedCount", "a{1,2"},
    {"BraceAsLiteral", "a{b}"},
    {"UnicodeProperty", R"(\pL)"},
    {"HexEscape", R"(\x41)"},
    {"QuantifiedQuantifier", "a**"},
    {"PossessiveQuantifier", "a*+"},
    {"BackReference", R"((a)\1)"},
    {"LeadingBracketInClass", "[]a]"},
    {"RangeAfterRange", "[a-b-c]"},
    {"RangeFromClassEscape", R"([\d-z])"},
    {"QuotedText", R"(\Qa.b\E)"},
    {"AngleNamedGroup", "(?<n>a)"},
    {"EndBeforeNewline", R"(a\Z)"},
    {"ControlCharacter", "a\tb"},
    {"ByteThatIsNotUtf8", "a\xff"},
    {"QuantifiedAnchor", "^*a"},
    {"StartOfPatternOption", "(*UTF)a"},
    {"UnbalancedGroup", "(a"},
    {"UnopenedGroup", "a)"},
    {"TrailingBackslash", "a\\"},
};

class CommonSyntax : public testing::TestWithParam<SyntaxCase> {};
class NotCommonSyntax : public testing::TestWithParam<SyntaxCase> {};

TEST_P(CommonSyntax, IsSearchedByPcre2First) {
    EXPECT_TRUE(InCommonRegexSyntax(GetParam().pattern));
    const Pattern pattern(GetParam().pattern, false, false);
    ASSERT_TRUE(pattern.Ok()) << pattern.Error();
    EXPECT_TRUE(pattern.HasJit());
}

TEST_P(NotCommonSyntax, IsLeftToRe2) {
    EXPECT_FALSE(InCommonRegexSyntax(GetParam().pattern));
    EXPECT_FALSE(Pattern(GetParam().pattern, false, false).HasJit());
}

INSTANTIATE_TEST_SUITE_P(Patterns, CommonSyntax, testing::ValuesIn(kCommon),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Patterns, NotCommonSyntax, testing::ValuesIn(kNotCommon),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PatternSyntax, CaseInsensitiveAndLiteralFindsAreLeftToRe2) {
    EXPECT_FALSE(Pattern("abc", false, true).HasJit());
    EXPECT_FALSE(Pattern("a.c", true, false).HasJit());
}

// RE2's answer with every group asked for, as offsets into text (-1 for a group that took no part).
struct Answer {
    bool matched = false;
    std::vector<std::pair<long, long>> groups;
    bool operator==(const Answer&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Answer& answer) {
    out << (answer.matched ? "match" : "no match");
    for (const auto& [begin, length] : answer.groups) {
        out << " (" << begin << "," << length << ")";
    }
    return out;
}

template <typename Piece>
Answer AnswerOf(bool matched, const std::string& text, const std::vector<Piece>& groups) {
    Answer answer;
    answer.matched = matched;
    if (!matched) {
        return answer;
    }
    for (const Piece& group : groups) {
        answer.groups.emplace_back(group.data() == nullptr ? -1L
                                                           : static_cast<long>(group.data() - text.data()),
                                   static_cast<long>(group.size()));
    }
    return answer;
}

Answer Re2Answer(const RE2& re, const std::string& text, std::size_t start) {
    std::vector<re2::StringPiece> groups(static_cast<std::size_t>(1 + re.NumberOfCapturingGroups()));
    const bool matched =
        re.Match(text, start, text.size(), RE2::UNANCHORED, groups.data(), static_cast<int>(groups.size()));
    return AnswerOf(matched, text, groups);
}

const std::vector<std::string> kTexts = {
    "",
    "a",
    "ab",
    "abcd",
    "abbcd",
    "b",
    "xxb",
    "aab",
    "Artist - 01 - Song Title",
    "A - B - C - 12 - D - 3 - E",
    "foo bar.foo foofoo",
    "2024-05 and 1999-12-31",
    "ÉTÉ à Paris",
    "a\nb",
    "line\n",
    "end.\n",
    "tab\there",
    "straße",
    "img_0001.jpeg",
    "naïve-12px",
    "日本語テキスト.txt",
    "a.b.c.",
    "(1)[x]$\\",
    "üéüé-é",
    "aaa",
};

// Character starts of text, and its end.
std::vector<std::size_t> Starts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < text.size(); pos += engine::utf8::CharLength(text, pos)) {
        starts.push_back(pos);
    }
    starts.push_back(text.size());
    return starts;
}

TEST_P(CommonSyntax, Pcre2AnswersAsRe2FromEveryStart) {
    const std::string source = GetParam().pattern;
    const RE2 re(source);
    ASSERT_TRUE(re.ok()) << re.error();
    const std::optional<JitPattern> jit = JitPattern::Compile(source);
    ASSERT_TRUE(jit.has_value());
    const Pattern pattern(source, false, false);
    const auto count = static_cast<std::size_t>(1 + re.NumberOfCapturingGroups());
    for (const std::string& text : kTexts) {
        for (const std::size_t start : Starts(text)) {
            const Answer expected = Re2Answer(re, text, start);
            std::vector<std::string_view> groups(count);
            const JitPattern::Outcome outcome =
                jit->Search(text, start, groups.data(), static_cast<int>(count));
            ASSERT_NE(outcome, JitPattern::Outcome::GaveUp) << '"' << text << "\" from " << start;
            ASSERT_NE(outcome, JitPattern::Outcome::NotUtf8) << '"' << text << "\" from " << start;
            EXPECT_EQ(AnswerOf(outcome == JitPattern::Outcome::Match, text, groups), expected)
                << '"' << text << "\" from " << start;
            std::vector<std::string_view> combined(count);
            EXPECT_EQ(AnswerOf(pattern.Match(text, start, combined.data(), static_cast<int>(count)), text,
                               combined),
                      expected)
                << '"' << text << "\" from " << start;
        }
    }
}

TEST(PatternFallback, TextThatIsNotUtf8IsAnsweredByRe2) {
    const std::string source = "(.)([b-z])";
    const RE2 re(source);
    const std::optional<JitPattern> jit = JitPattern::Compile(source);
    ASSERT_TRUE(jit.has_value());
    const Pattern pattern(source, false, false);
    ASSERT_TRUE(pattern.HasJit());
    for (const std::string text : {"\xff", "a\xff", "\xffz", "a\xc3(b", "\xed\xa0\x80x"}) {
        std::vector<std::string_view> groups(3);
        EXPECT_EQ(jit->Search(text, 0, groups.data(), 3), JitPattern::Outcome::NotUtf8);
        for (std::size_t start = 0; start <= text.size(); ++start) {
            EXPECT_EQ(AnswerOf(pattern.Match(text, start, groups.data(), 3), text, groups),
                      Re2Answer(re, text, start))
                << "from " << start;
        }
    }
}

// A pattern that makes a backtracking search try every way of splitting a long run: PCRE2 gives up at
// its limit, RE2 answers; after many such give-ups the pattern is searched by RE2 alone, still rightly.
TEST(PatternFallback, SearchesPcre2GivesUpOnAreAnsweredByRe2) {
    const std::string source = "(.*)_(.*)_(.*)_(.*)y";
    const RE2 re(source);
    const std::optional<JitPattern> jit = JitPattern::Compile(source);
    ASSERT_TRUE(jit.has_value());
    const std::string heavy = "y" + std::string(250, '_');
    std::vector<std::string_view> groups(5);
    EXPECT_EQ(jit->Search(heavy, 0, groups.data(), 5), JitPattern::Outcome::GaveUp);

    const Pattern pattern(source, false, false);
    ASSERT_TRUE(pattern.HasJit());
    const std::string light = "a_b_c_dy";
    for (int round = 0; round < 100; ++round) {
        EXPECT_EQ(AnswerOf(pattern.Match(heavy, 0, groups.data(), 5), heavy, groups),
                  Re2Answer(re, heavy, 0));
        EXPECT_EQ(AnswerOf(pattern.Match(light, 0, groups.data(), 5), light, groups),
                  Re2Answer(re, light, 0));
    }
    EXPECT_TRUE(Re2Answer(re, light, 0).matched);
}

TEST(PatternFallback, FewerGroupsThanThePatternHasAreFilled) {
    const std::string text = "2024-05-31-7";
    const Pattern pattern(R"((\d+)-(\d+)-(\d+))", false, false);
    ASSERT_TRUE(pattern.HasJit());
    std::vector<std::string_view> groups(2, std::string_view("untouched"));
    ASSERT_TRUE(pattern.Match(text, 0, groups.data(), 2));
    EXPECT_EQ(groups[0], "2024-05-31");
    EXPECT_EQ(groups[1], "2024");
    ASSERT_TRUE(pattern.Match(text, 5, groups.data(), 1));
    EXPECT_EQ(groups[0], "05-31-7") << "a search from the middle must not reach back";
}

} // namespace
