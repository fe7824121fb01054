#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {

// Reads a position number: "" -> 0, an invalid text -> nullopt.
std::optional<std::int32_t> ReadPosition(std::string_view text);

} // namespace engine
