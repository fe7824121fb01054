// Reading the position number of "Substring Adder": a signed 32-bit whole number, decimal or hexadecimal.

#include "engine/names/ReadPosition.h"

#include <cstdint>

namespace engine {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsDecimal(char c) {
    return c >= '0' && c <= '9';
}

// Digits after a hexadecimal prefix; the value is a 32-bit pattern, so eight F digits read as -1.
std::optional<std::int32_t> ReadHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        // Leading zeros keep the value small, so only the value itself can overflow the pattern.
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ReadDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDecimal(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::optional<std::int32_t> ReadPosition(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    // Only the space character is skipped, and only in front; a text of spaces alone is no number.
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(first);
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return ReadHex(text.substr(1));
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ReadHex(text.substr(2));
    }
    return ReadDecimal(text);
}

} // namespace engine
