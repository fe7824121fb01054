// A replace step's pattern searched by PCRE2 and by RE2. Patterns are put together from pieces of the
// syntax both read alike (and a few from outside it), texts from a small alphabet that makes matches
// likely, or any bytes. Rules: a pattern RE2 takes and the common syntax admits is compiled by PCRE2; from
// every starting point PCRE2's answer (when it gives one) is RE2's, the whole match and every group; and
// the step's own search, which asks PCRE2 first, always answers as RE2 does.

#include "FuzzCheck.h"
#include "engine/names/Utf8.h"
#include "engine/recipes/CommonRegexSyntax.h"
#include "engine/recipes/JitPattern.h"
#include "engine/recipes/Pattern.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fuzzer/FuzzedDataProvider.h>
#include <re2/re2.h>
#include <string>
#include <vector>

namespace {

const char* const kPieces[] = {
    "a",
    "b",
    "é",
    ".",
    "-",
    "_",
    "\\d",
    "\\w",
    "\\W",
    "\\D",
    "[a-c]",
    "[^b]",
    "[é-ü]",
    "[\\-_]",
    "(",
    ")",
    "(?:",
    "(?P<n>",
    "|",
    "*",
    "+",
    "?",
    "*?",
    "+?",
    "??",
    "{2}",
    "{1,3}",
    "{2,}",
    "^",
    "$",
    "\\b",
    "\\B",
    "\\A",
    "\\z",
    "\\.",
    " ",
    // outside the common syntax: the scanner must keep these from PCRE2
    "\\s",
    "(?i)",
    "[[:alpha:]]",
    "{,2}",
    "\\pL",
    "\\x41",
};

const char* const kLetters[] = {"a", "b", "c", "é", "ü", "1", "2", "_", "-", " ", ".", "\n", "日"};

std::string MakePattern(FuzzedDataProvider& input) {
    std::string pattern;
    const int pieces = input.ConsumeIntegralInRange(0, 12);
    for (int k = 0; k < pieces; ++k) {
        pattern += input.PickValueInArray(kPieces);
    }
    return pattern;
}

std::string MakeText(FuzzedDataProvider& input) {
    if (input.ConsumeIntegralInRange(0, 3) == 0) {
        return input.ConsumeRandomLengthString(64);
    }
    std::string text;
    const int letters = input.ConsumeIntegralInRange(0, 40);
    for (int k = 0; k < letters; ++k) {
        text += input.PickValueInArray(kLetters);
    }
    return text;
}

struct Answer {
    bool matched = false;
    std::vector<std::pair<long, long>> groups; // offset (-1: took no part) and length
    bool operator==(const Answer&) const = default;
};

template <typename Piece>
Answer AnswerOf(bool matched, const std::string& text, const std::vector<Piece>& groups) {
    Answer answer{matched, {}};
    if (matched) {
        for (const Piece& group : groups) {
            answer.groups.emplace_back(group.data() == nullptr ? -1L : group.data() - text.data(),
                                       static_cast<long>(group.size()));
        }
    }
    return answer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string source = MakePattern(input);
    const std::string text = MakeText(input);
    RE2::Options options;
    options.set_log_errors(false);
    const RE2 re(source, options);
    if (!re.ok()) {
        return 0;
    }
    const engine::recipes::Pattern pattern(source, false, false);
    const std::optional<engine::recipes::JitPattern> jit = engine::recipes::InCommonRegexSyntax(source)
                                                               ? engine::recipes::JitPattern::Compile(source)
                                                               : std::nullopt;
    FUZZ_CHECK(pattern.HasJit() == jit.has_value());
    const int count = 1 + re.NumberOfCapturingGroups();
    std::vector<re2::StringPiece> expected(static_cast<std::size_t>(count));
    std::vector<std::string_view> groups(static_cast<std::size_t>(count));
    for (std::size_t start = 0; start <= text.size();
         start += start < text.size() ? engine::utf8::CharLength(text, start) : 1) {
        const Answer answer = AnswerOf(
            re.Match(text, start, text.size(), RE2::UNANCHORED, expected.data(), count), text, expected);
        const bool same = AnswerOf(pattern.Match(text, start, groups.data(), count), text, groups) == answer;
        if (!same) {
            std::fprintf(stderr, "pattern \"%s\", text \"%s\", from %zu\n", source.c_str(), text.c_str(),
                         start);
        }
        FUZZ_CHECK(same);
        if (!jit) {
            continue;
        }
        using Outcome = engine::recipes::JitPattern::Outcome;
        const Outcome outcome = jit->Search(text, start, groups.data(), count);
        if (outcome == Outcome::Match || outcome == Outcome::NoMatch) {
            const bool alike = AnswerOf(outcome == Outcome::Match, text, groups) == answer;
            if (!alike) {
                std::fprintf(stderr, "pattern \"%s\", text \"%s\", from %zu\n", source.c_str(), text.c_str(),
                             start);
            }
            FUZZ_CHECK(alike);
        }
    }
    return 0;
}
