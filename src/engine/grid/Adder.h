#pragma once

#include "NameGrid.h"

#include <cstdint>
#include <string_view>

namespace engine {

// New name of every file row := the old name with `after` inserted at position, then `beginning` in front
// and `end` behind; an empty text is not added.
void Adder(NameGrid& grid, std::int32_t position, std::string_view after, std::string_view beginning,
           std::string_view end);

} // namespace engine
