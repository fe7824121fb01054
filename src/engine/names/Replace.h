#pragma once

// Search and replace within one name.

#include <string>
#include <string_view>

namespace engine {

// Positions count characters from 1; a character is one UTF-8 code point, and a byte that is not part of
// valid UTF-8 counts as one character. No operation splits a character.

// Replaces every occurrence of search in oldName, resuming one character after the start of each inserted
// replacement (see the implementation for the one case that resumes after its end).
std::string Replacer(std::string_view oldName, std::string_view search, std::string_view replacement,
                     int start = 1);
// False when the whole search text stands at position in name, true when any character differs.
bool CheckWhole(std::string_view name, std::string_view search, int position);
// Characters 1..position-1 of name, then replacement, then name from position + length(search) on.
std::string Replace(std::string_view name, std::string_view search, std::string_view replacement,
                    int position);

} // namespace engine
