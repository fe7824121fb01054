#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Sorts file names alphabetically without regard to case, independent of the installed locale. Each
// name's key is folded once, not at every comparison.
void SortFileNames(std::vector<std::string>& names);

// The key a name sorts by: the name with its case folded, compared byte by byte. Names whose keys are
// equal sort by their own bytes.
std::string SortKey(std::string_view name);

} // namespace engine
