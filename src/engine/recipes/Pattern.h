#pragma once

// What a replace step searches for: a regular expression, or a literal text found without regard to case.
//
// RE2 reads the pattern, refuses a bad one and is the measure of every answer: it matches in time linear in
// the text whatever the pattern, so no pattern can hang the program. Its search for groups, though, is
// slow next to a backtracking matcher's. A regular expression that keeps to the syntax both read alike
// (CommonRegexSyntax.h) is therefore also compiled with PCRE2's JIT, which answers first; a search it gives
// up on (its work is limited in proportion to the text) or a text that is not UTF-8 goes to RE2. When
// PCRE2 gives up again and again on one pattern, the pattern is left to RE2 alone from then on.

#include "JitPattern.h"

#include <atomic>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace re2 {
class RE2;
}

namespace engine::recipes {

class Pattern {
public:
    Pattern(const std::string& pattern, bool literal, bool ignoreCase);
    ~Pattern();
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;

    bool Ok() const;
    const std::string& Error() const; // RE2's words for a bad pattern
    int NumberOfCapturingGroups() const;
    const std::map<std::string, int>& NamedCapturingGroups() const;
    bool HasJit() const; // whether PCRE2 searches first

    // Searches text from byte `start` (at a character's start) to its end, the text before start still
    // counting for `\b`. On a match, groups[0] is the whole match and groups[k] group k, for k < count; a
    // group that took no part is a string_view without data. Safe on several threads at once.
    bool Match(std::string_view text, std::size_t start, std::string_view* groups, int count) const;

private:
    std::unique_ptr<re2::RE2> re2_;
    std::optional<JitPattern> jit_;
    mutable std::atomic<int> jitGaveUp_ = 0;
};

} // namespace engine::recipes
