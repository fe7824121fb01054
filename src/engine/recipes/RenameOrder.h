#pragma once

// The order in which to carry out a batch of renames inside one folder so that a rename whose new name is
// the old name of another row waits until that row has moved: chains succeed in any listed order. Rows
// that form a cycle (a to b, b to a) cannot be done without a temporary name; they are reported and left
// alone, as are rows that wait on a cycle.

#include <cstddef>
#include <string>
#include <vector>

namespace engine::recipes {

struct RenameOrder {
    std::vector<std::size_t> order;   // rows to rename, in this order
    std::vector<std::size_t> cycles;  // rows on a cycle, ascending
    std::vector<std::size_t> blocked; // rows waiting on a cycle row, ascending
};

// oldNames[i] is renamed to newNames[i]. Old names are distinct (one folder). A row whose new name equals
// its old name has nothing to do and appears nowhere.
RenameOrder OrderRenames(const std::vector<std::string>& oldNames, const std::vector<std::string>& newNames);

} // namespace engine::recipes
