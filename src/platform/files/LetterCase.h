#pragma once

#include <string_view>

namespace platform {

// True when two different names would be one name to a file system that ignores letter case (vfat, exFAT,
// SMB shares, case-folding folders): the same characters in the same order, some in the other case. Names
// are UTF-8; a byte that is not part of valid UTF-8 matches only itself.
bool DifferInLetterCaseOnly(std::string_view a, std::string_view b);

} // namespace platform
