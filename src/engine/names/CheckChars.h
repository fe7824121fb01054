#pragma once

#include <string_view>

namespace engine {

// 1-based position of the first character refused in names (/ \ ; * ? " < > |), 0 if none.
int CheckChars(std::string_view text);

} // namespace engine
