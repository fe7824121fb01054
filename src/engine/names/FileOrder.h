#pragma once

#include <string>
#include <vector>

namespace engine {

// Sorts file names alphabetically without regard to case, independent of the installed locale. Each
// name's key is folded once, not at every comparison.
void SortFileNames(std::vector<std::string>& names);

} // namespace engine
