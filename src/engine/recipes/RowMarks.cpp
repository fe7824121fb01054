#include "engine/recipes/RowMarks.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace engine::recipes {
namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool IsRefused(std::string_view name) {
    return name.empty() || name == "." || name == ".." || name.size() > kMaxNameBytes ||
           name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos;
}

// marks holds Unchanged, Missing or Refused for the rows that are not renamed and None for the others;
// adds Duplicate and TakenByUnrenamed among the renamed ones.
void MarkClashes(const std::vector<std::string>& oldNames, const std::vector<std::string_view>& newNames,
                 std::vector<RowMark>& marks) {
    std::unordered_map<std::string_view, std::size_t> uses;
    std::unordered_set<std::string_view> staying;
    uses.reserve(newNames.size());
    for (std::size_t row = 0; row < marks.size(); ++row) {
        if (marks[row] == RowMark::None) {
            ++uses[newNames[row]];
        } else {
            staying.insert(oldNames[row]);
        }
    }
    for (std::size_t row = 0; row < marks.size(); ++row) {
        if (marks[row] != RowMark::None) {
            continue;
        }
        if (uses[newNames[row]] > 1) {
            marks[row] = RowMark::Duplicate;
        } else if (staying.contains(newNames[row])) {
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
        return "unchanged";
    case RowMark::Missing:
        return "missing value";
    case RowMark::Refused:
        return "name not allowed";
    case RowMark::Duplicate:
        return "duplicate name";
    case RowMark::TakenByUnrenamed:
        return "name taken by a file not renamed";
    }
    return {};
}

} // namespace engine::recipes
