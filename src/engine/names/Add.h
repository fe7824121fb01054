#pragma once

// The additions to one name: a text at a numbered position, in front, and behind.

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// Positions count characters: the text never lands inside a multi-byte character.

// Inserts text after character `position` of name (at the front for 0 or less, at the end past the end).
std::string AddMid(std::string_view name, std::string_view text, std::int32_t position);
// The same insertion appended to out, for a caller that builds a longer name around it.
void AppendMid(std::string& out, std::string_view name, std::string_view text, std::int32_t position);
std::string AddBeg(std::string_view name, std::string_view text);
std::string AddEnd(std::string_view name, std::string_view text);

} // namespace engine
