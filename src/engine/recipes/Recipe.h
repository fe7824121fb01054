#pragma once

// A recipe as a plain value: an ordered list of steps that every old name passes through in turn, and the
// counter that numbers the rows. Positions and counts are characters (UTF-8 code points; a byte that is
// not UTF-8 counts as one character).

#include <string>
#include <variant>
#include <vector>

namespace engine::recipes {

// What part of a name a step works on. The extension is what follows the last dot when that dot is neither
// the first nor the last character; a name without one has an empty extension and its name is the whole.
enum class Scope { Whole, Name, Extension };

enum class LetterCase { Lower, Upper, Title, Sentence };

// The order in which rows get their counter values. Grid: as listed. Natural: by name, digit runs compared
// as numbers. Modified: oldest first. Taken: by date taken, files without one last, by name.
enum class CounterOrder { Grid, Natural, Modified, Taken };

// Every occurrence (or the first only) of `find` becomes `with`. With `regex`, `with` may hold $1..$9,
// ${name} and $$. `with` may hold tokens ({n}, {name}, {ext}, file tokens).
struct ReplaceStep {
    std::string find;
    std::string with;
    bool regex = false;
    bool ignoreCase = false;
    bool all = true;
    Scope scope = Scope::Whole;
    bool operator==(const ReplaceStep&) const = default;
};

struct CaseStep {
    LetterCase to = LetterCase::Lower;
    Scope scope = Scope::Whole;
    bool operator==(const CaseStep&) const = default;
};

// Where an insert goes. Position: before the Nth character (1 = the start); a negative N counts from the
// end (-1 = before the last character); past either end clamps to that end.
struct InsertAt {
    enum class Kind { Start, End, Position };
    Kind kind = Kind::Start;
    int position = 1; // only for Kind::Position
    bool operator==(const InsertAt& other) const {
        return kind == other.kind && (kind != Kind::Position || position == other.position);
    }
};

struct InsertStep {
    std::string text; // may hold tokens
    InsertAt at;
    Scope scope = Scope::Whole;
    bool operator==(const InsertStep&) const = default;
};

// Removes `count` characters from position `from` (1 = the first). With fromEnd, `from` 1 is the last
// character and the removed characters run towards the start. What lies outside the text is ignored.
struct RemoveStep {
    int from = 1;
    int count = 0;
    bool fromEnd = false;
    Scope scope = Scope::Whole;
    bool operator==(const RemoveStep&) const = default;
};

using Step = std::variant<ReplaceStep, CaseStep, InsertStep, RemoveStep>;

struct Counter {
    long long start = 1;
    long long step = 1;
    int width = 1; // zero-padded to this many digits
    CounterOrder order = CounterOrder::Grid;
    bool operator==(const Counter&) const = default;
};

struct Recipe {
    Counter counter;
    std::vector<Step> steps;
    bool operator==(const Recipe&) const = default;
};

} // namespace engine::recipes
