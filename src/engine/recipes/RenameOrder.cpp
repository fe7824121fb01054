#include "RenameOrder.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace engine::recipes {
namespace {

enum class State : unsigned char { Unvisited, OnPath, Ordered, Cycle, Blocked };

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

} // namespace

RenameOrder OrderRenames(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames) {
    const std::size_t rows = std::min(oldNames.size(), newNames.size());
    std::unordered_map<std::string_view, std::size_t> rowOfOld;
    rowOfOld.reserve(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        rowOfOld.emplace(oldNames[row], row);
    }
    const auto moves = [&](std::size_t row) { return newNames[row] != oldNames[row]; };
    // The row whose file must move away before this row's rename can take its name.
    std::vector<std::size_t> waitsFor(rows, kNone);
    for (std::size_t row = 0; row < rows; ++row) {
        if (!moves(row)) {
            continue;
        }
        const auto found = rowOfOld.find(newNames[row]);
        if (found != rowOfOld.end() && found->second != row && moves(found->second)) {
            waitsFor[row] = found->second;
        }
    }

    RenameOrder result;
    result.order.reserve(rows);
    std::vector<State> state(rows, State::Unvisited);
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < rows; ++start) {
        if (!moves(start) || state[start] != State::Unvisited) {
            continue;
        }
        // Follow the waits from start until a row that is settled, free, or already on this path.
        path.clear();
        std::size_t row = start;
        while (row != kNone && state[row] == State::Unvisited) {
            state[row] = State::OnPath;
            path.push_back(row);
            row = waitsFor[row];
        }
        std::size_t firstStuck = path.size(); // rows of the path from here on wait on a cycle or form one
        if (row != kNone && state[row] == State::OnPath) {
            const auto cycleStart = std::find(path.begin(), path.end(), row);
            for (auto it = cycleStart; it != path.end(); ++it) {
                state[*it] = State::Cycle;
                result.cycles.push_back(*it);
            }
            firstStuck = 0;
            for (auto it = path.begin(); it != cycleStart; ++it) {
                state[*it] = State::Blocked;
                result.blocked.push_back(*it);
            }
        } else if (row != kNone && (state[row] == State::Cycle || state[row] == State::Blocked)) {
            firstStuck = 0;
            for (const std::size_t stuck : path) {
                state[stuck] = State::Blocked;
                result.blocked.push_back(stuck);
            }
        }
        // The deepest row goes first: each row's file moves before the row that wants its name.
        for (std::size_t k = firstStuck; k-- > 0;) {
            state[path[k]] = State::Ordered;
            result.order.push_back(path[k]);
        }
    }
    std::sort(result.cycles.begin(), result.cycles.end());
    std::sort(result.blocked.begin(), result.blocked.end());
    return result;
}

} // namespace engine::recipes
