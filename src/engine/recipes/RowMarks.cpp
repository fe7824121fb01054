#include "RowMarks.h"

#include "engine/text/EngineText.h"

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
// another row's name only when the hashes agree, sparing a million names as many misses of the cache.
class NameSet {
public:
    explicit NameSet(std::size_t expected) {
        std::size_t capacity = 16;
        while (capacity < expected * 2) {
            capacity *= 2;
        }
        slots_.assign(capacity, kEmpty);
    }

    // The first row added under this name; adds row when the name is new.
    std::size_t Add(std::string_view name, std::size_t row, const std::vector<std::string_view>& names) {
        const std::size_t hash = std::hash<std::string_view>{}(name);
        std::uint64_t& slot = Slot(name, hash, names);
        if (slot == kEmpty) {
            slot = (static_cast<std::uint64_t>(Tag(hash)) << 32) | static_cast<std::uint32_t>(row);
        }
        return static_cast<std::uint32_t>(slot);
    }

    bool Contains(std::string_view name, const std::vector<std::string_view>& names) {
        return Slot(name, std::hash<std::string_view>{}(name), names) != kEmpty;
    }

private:
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

    static std::uint32_t Tag(std::size_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

    std::uint64_t& Slot(std::string_view name, std::size_t hash, const std::vector<std::string_view>& names) {
        const std::size_t mask = slots_.size() - 1;
        const std::uint32_t tag = Tag(hash);
        for (std::size_t k = hash & mask;; k = (k + 1) & mask) {
            const std::uint64_t slot = slots_[k];
            if (slot == kEmpty || (static_cast<std::uint32_t>(slot >> 32) == tag &&
                                   names[static_cast<std::uint32_t>(slot)] == name)) {
                return slots_[k];
            }
        }
    }

    std::vector<std::uint64_t> slots_;
};

// marks holds Unchanged, Missing or Refused for the rows that are not renamed and None for the others;
// adds Duplicate and TakenByUnrenamed among the renamed ones.
void MarkClashes(const std::vector<std::string>& oldNames, const std::vector<std::string_view>& newNames,
                 std::vector<RowMark>& marks) {
    NameSet renamed(marks.size());
    std::vector<std::uint32_t> uses(marks.size(), 0);
    std::vector<std::size_t> firstOfName(marks.size(), 0);
    std::vector<std::string_view> staying(marks.size());
    std::size_t stayingCount = 0;
    for (std::size_t row = 0; row < marks.size(); ++row) {
        if (marks[row] == RowMark::None) {
            firstOfName[row] = renamed.Add(newNames[row], row, newNames);
            ++uses[firstOfName[row]];
        } else {
            staying[row] = oldNames[row];
            ++stayingCount;
        }
    }
    NameSet stay(stayingCount);
    for (std::size_t row = 0; row < marks.size(); ++row) {
        if (marks[row] != RowMark::None) {
            stay.Add(staying[row], row, staying);
        }
    }
    for (std::size_t row = 0; row < marks.size(); ++row) {
        if (marks[row] != RowMark::None) {
            continue;
        }
        if (uses[firstOfName[row]] > 1) {
            marks[row] = RowMark::Duplicate;
        } else if (stayingCount > 0 && stay.Contains(newNames[row], staying)) {
            marks[row] = RowMark::TakenByUnrenamed;
        }
    }
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
    MarkClashes(oldNames, names, marks);
    return marks;
}

std::vector<RowMark> MarkResults(const std::vector<std::string>& oldNames,
                                 const std::vector<NameResult>& results) {
    std::vector<RowMark> marks(oldNames.size(), RowMark::None);
    std::vector<std::string_view> names(oldNames.size());
    for (std::size_t row = 0; row < oldNames.size(); ++row) {
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
    MarkClashes(oldNames, names, marks);
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
