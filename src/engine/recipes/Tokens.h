#pragma once

// The text of an insert and the `with` of a replace, parsed once: literal text, tokens in braces and, for a
// regular expression, references to its groups. Internal to the recipe engine.
//
//   {n}                   the counter, zero-padded to the counter's width ({n:4}: to four digits)
//   {name} {ext}          the old name without its extension, the old extension without its dot
//   {taken} {modified}    a date; {taken:%Y%m%d} formats it (strftime), default %Y-%m-%d %H.%M.%S
//   {width} {height} {track} {year}       numbers; {track:2} pads with zeros
//   {camera} {artist} {album} {title} {genre}   text from the file; '/' and NUL become '_'
//   {taken|modified}      a fallback: the next token when the first has no value
//   {artist|Unknown}      a last fallback that is not a token name is literal text
//   {{ }}                 a brace
//   $1..$9 ${group} $$    with a regular expression only: a group's text, a dollar

#include "FileFacts.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine::recipes {

// The groups of a regular expression that `with` may name.
struct RegexGroups {
    int count = 0;                    // numbered groups
    std::map<std::string, int> names; // named groups and their numbers
};

// What a token draws on for one row.
struct TokenValues {
    long long number = 0;
    int counterWidth = 1;
    std::string_view oldStem;
    std::string_view oldExtension;
    const FileFacts* facts = nullptr;
};

class TextTemplate {
public:
    // groups null: '$' is an ordinary character. On a fault, nullopt and `error` completes a sentence that
    // begins with the key's name, e.g. "has an unknown token {foo}".
    static std::optional<TextTemplate> Parse(std::string_view text, const RegexGroups* groups,
                                             std::string& error);

    FactSet FactsNeeded() const { return facts_; }
    bool IsLiteral() const; // no tokens, no groups: the text as it stands
    // The highest group number the text refers to ($0 the whole match); -1 when it refers to none.
    int HighestGroup() const;

    // Appends the text for one row (and one match: groups[k] is group k's text) to out. When a file value
    // is missing and has no fallback, returns false and sets `missing` ("no date taken").
    bool Expand(const TokenValues& values, std::span<const std::string_view> groups, std::string& out,
                std::string& missing) const;

    enum class Kind {
        Counter,
        Stem,
        Ext,
        Taken,
        Modified,
        Camera,
        Artist,
        Album,
        Title,
        Genre,
        Width,
        Height,
        Track,
        Year
    };
    struct Alternative {
        bool literal = false; // a last fallback of plain text
        Kind kind = Kind::Counter;
        std::string format; // a date's format or a number's width as written; empty: the default
        std::string text;   // the literal fallback
    };
    struct Piece {
        enum class Type { Literal, Group, Token };
        Type type = Type::Literal;
        std::string text;                      // Literal
        int group = 0;                         // Group
        std::vector<Alternative> alternatives; // Token
        // Token: the mark of a name for which no alternative has a value, worded once for every name.
        std::string missing;
    };

private:
    std::vector<Piece> pieces_;
    FactSet facts_;
};

// A date in a strftime format (checked by Parse); also used by the tests.
std::string FormatWallTime(const WallTime& time, const std::string& format);

} // namespace engine::recipes
