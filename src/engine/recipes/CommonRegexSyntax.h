#pragma once

// The part of the regular-expression language that RE2 and PCRE2 (in UTF mode, with `$` at the very end
// only) read alike and match alike, group for group: literal characters, `.`, `^` `$` `\A` `\z` `\b`,
// `\d` `\w` and their negations, escaped punctuation, `\t` `\n` `\r` `\f`, plain character classes,
// alternation, groups (plain, `(?:`, `(?P<name>`), and greedy or lazy quantifiers on a single character,
// class or `.`. Left out, because the two differ or might: `\s` (PCRE2 counts the vertical tab), `\v`,
// `\B` (RE2 finds it between the bytes of one character), `\p`, `\x`, flags such as `(?i)`, POSIX
// classes, braces that are not a repetition, and a quantifier on a group (the two disagree on what a
// repeated group that matched empty captures).

#include <string_view>

namespace engine::recipes {

// Whether the pattern keeps to that common part. A pattern that does not may still be valid for RE2.
bool InCommonRegexSyntax(std::string_view pattern);

} // namespace engine::recipes
