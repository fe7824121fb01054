#include "RowMarks.h"

#include "engine/text/EngineText.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>

namespace engine::recipes {
namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool IsRefused(std::string_view name) {
    return name.empty() || name == "." || name == ".." || name.size() > kMaxNameBytes ||
           name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos;
}

// A set of names by open addressing over one array of row numbers: a million names cost two arrays, not a
// million allocations. Each slot keeps 32 bits of the name's hash beside the row, so that a probe reads
// another row's name only when the hashes agree. The hashes are worked out beforehand, so that a slot can
// be fetched from memory well before it is probed: a million names wait on memory once, not one by one.
class NameSet {
public:
    explicit NameSet(std::size_t expected) {
        std::size_t capacity = 16;
        while (capacity < expected * 2) {
            capacity *= 2;
        }
        slots_.assign(capacity, kEmpty);
    }

    void Prefetch(std::size_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

    // The first row added under this name; adds row when the name is new. names[row] is row's name.
    template <class Names>
    std::size_t Add(std::string_view name, std::size_t hash, std::size_t row, const Names& names) {
        std::uint64_t& slot = Slot(name, hash, names);
        if (slot == kEmpty) {
            slot = (static_cast<std::uint64_t>(Tag(hash)) << 32) | static_cast<std::uint32_t>(row);
        }
        return static_cast<std::uint32_t>(slot);
    }

    template <class Names> bool Contains(std::string_view name, std::size_t hash, const Names& names) {
        return Slot(name, hash, names) != kEmpty;
    }

private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

    static std::uint32_t Tag(std::size_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

    template <class Names> std::uint64_t& Slot(std::string_view name, std::size_t hash, const Names& names) {
        const std::size_t mask = slots_.size() - 1;
        const std::uint32_t tag = Tag(hash);
        for (std::size_t k = hash & mask;; k = (k + 1) & mask) {
            const std::uint64_t slot = slots_[k];
            if (slot == kEmpty || (static_cast<std::uint32_t>(slot >> 32) == tag &&
                                   std::string_view(names[static_cast<std::uint32_t>(slot)]) == name)) {
                return slots_[k];
            }
        }
    }

    std::vector<std::uint64_t> slots_;
};

// How many rows ahead a slot is fetched: far enough for memory to answer, near enough to stay in cache.
constexpr std::size_t kLookAhead = 16;

// marks holds Unchanged, Missing or Refused for the rows that are not renamed and None for the others;
// adds Duplicate and TakenByUnrenamed among the renamed ones.
void MarkClashes(const std::vector<std::string>& oldNames, const std::vector<std::string_view>& newNames,
                 std::vector<RowMark>& marks, const ParallelJobs& parallel) {
    const std::size_t rows = marks.size();
    // The name each row is known by in the sets: its new name when renamed, else its old name.
    const auto nameOf = [&](std::size_t row) {
        return marks[row] == RowMark::None ? newNames[row] : std::string_view(oldNames[row]);
    };
    std::vector<std::size_t> hashes(rows);
    parallel.RunPieces(rows, parallel.Pieces(rows), [&](std::size_t, std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row) {
            hashes[row] = std::hash<std::string_view>{}(nameOf(row));
        }
    });
    const auto renamedRow = [&](std::size_t row) { return marks[row] == RowMark::None; };
    const auto stayingRow = [&](std::size_t row) { return marks[row] != RowMark::None; };
    const std::size_t stayingCount = static_cast<std::size_t>(
        std::count_if(marks.begin(), marks.end(), [](RowMark mark) { return mark != RowMark::None; }));
    // Calls visit(row) for every row that `take` accepts, fetching the slot of a row further on first.
    const auto walk = [&](const NameSet& set, auto take, auto visit) {
        for (std::size_t row = 0; row < rows; ++row) {
            if (row + kLookAhead < rows && take(row + kLookAhead)) {
                set.Prefetch(hashes[row + kLookAhead]);
            }
            if (take(row)) {
                visit(row);
            }
        }
    };

    NameSet renamed(rows - stayingCount);
    std::vector<std::uint32_t> uses(rows, 0);
    std::vector<std::size_t> firstOfName(rows, 0);
    walk(renamed, renamedRow, [&](std::size_t row) {
        firstOfName[row] = renamed.Add(newNames[row], hashes[row], row, newNames);
        ++uses[firstOfName[row]];
    });
    NameSet stay(stayingCount);
    walk(stay, stayingRow, [&](std::size_t row) { stay.Add(oldNames[row], hashes[row], row, oldNames); });
    walk(stay, renamedRow, [&](std::size_t row) {
        if (uses[firstOfName[row]] > 1) {
            marks[row] = RowMark::Duplicate;
        } else if (stayingCount > 0 && stay.Contains(newNames[row], hashes[row], oldNames)) {
            marks[row] = RowMark::TakenByUnrenamed;
        }
    });
}

} // namespace

std::vector<RowMark> MarkRows(const std::vector<std::string>& oldNames,
                              const std::vector<std::string>& newNames) {
    std::vector<RowMark> marks(oldNames.size(), RowMark::None);
    std::vector<std::string_view> names(oldNames.size());
    for (std::size_t row = 0; row < oldNames.size(); ++row) {
        names[row] = row < newNames.size() ? std::string_view(newNames[row]) : std::string_view();
        if (names[row].empty() || names[row] == oldNames[row]) {
            marks[row] = RowMark::Unchanged;
        } else if (IsRefused(names[row])) {
            marks[row] = RowMark::Refused;
        }
    }
    MarkClashes(oldNames, names, marks, {});
    return marks;
}

std::vector<RowMark> MarkResults(const std::vector<std::string>& oldNames,
                                 const std::vector<NameResult>& results, const ParallelJobs& parallel) {
    const std::size_t rows = oldNames.size();
    std::vector<RowMark> marks(rows, RowMark::None);
    std::vector<std::string_view> names(rows);
    parallel.RunPieces(rows, parallel.Pieces(rows), [&](std::size_t, std::size_t begin, std::size_t end) {
        for (std::size_t row = begin; row < end; ++row) {
            if (row >= results.size()) {
                marks[row] = RowMark::Unchanged;
                continue;
            }
            names[row] = results[row].name;
            if (!results[row].missing.empty()) {
                marks[row] = RowMark::Missing;
            } else if (names[row] == oldNames[row]) {
                marks[row] = RowMark::Unchanged;
            } else if (IsRefused(names[row])) {
                marks[row] = RowMark::Refused;
            }
        }
    });
    MarkClashes(oldNames, names, marks, parallel);
    return marks;
}

std::string MarkText(RowMark mark) {
    switch (mark) {
    case RowMark::None:
        return {};
    case RowMark::Unchanged:
        return ENGINE_TEXT("Recipe", "unchanged");
    case RowMark::Missing:
        return ENGINE_TEXT("Recipe", "missing value");
    case RowMark::Refused:
        return ENGINE_TEXT("Recipe", "name not allowed");
    case RowMark::Duplicate:
        return ENGINE_TEXT("Recipe", "duplicate name");
    case RowMark::TakenByUnrenamed:
        return ENGINE_TEXT("Recipe", "name taken by a file not renamed");
    }
    return {};
}

} // namespace engine::recipes
