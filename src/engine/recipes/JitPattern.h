#pragma once

// A regular expression compiled by PCRE2's just-in-time compiler, searched under a limit on its work that
// grows with the text's length. PCRE2 backtracks: on most patterns it finds groups many times faster than
// RE2, but a pattern that makes it try too many ways gives up at the limit rather than run on. Only for
// patterns that keep to the syntax RE2 and PCRE2 read alike (CommonRegexSyntax.h), so that its answers are
// RE2's. Searches may run on several threads at once.

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace engine::recipes {

class JitPattern {
public:
    // Nothing when PCRE2 does not compile the pattern, or cannot compile it to machine code here.
    static std::optional<JitPattern> Compile(std::string_view pattern);

    enum class Outcome {
        Match,
        NoMatch,
        NotUtf8, // the text is not well-formed UTF-8: not searched
        GaveUp   // the limit was reached: no answer
    };

    // Searches text from byte `start` (at a character's start) to its end, the text before start still
    // counting for `\b`. On a match, groups[0] is the whole match and groups[k] group k, for k < count; a
    // group that took no part is a string_view without data, an empty one that did points into text.
    Outcome Search(std::string_view text, std::size_t start, std::string_view* groups, int count) const;

    JitPattern(JitPattern&&) noexcept;
    JitPattern& operator=(JitPattern&&) noexcept;
    ~JitPattern();

private:
    struct Code;
    explicit JitPattern(std::unique_ptr<Code> code);
    std::unique_ptr<Code> code_;
};

} // namespace engine::recipes
