#pragma once

// UTF-8 decoded the plain way, by code point value, for the fuzz targets to check the program's own
// table-driven stepping against: a character is one well-formed sequence (shortest form, no surrogates,
// nothing above U+10FFFF); a byte that starts none is a character of its own, "invalid".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

struct Character {
    std::size_t start = 0;
    std::size_t length = 0;
    std::uint32_t codePoint = 0; // the byte's value for an invalid byte
    bool valid = true;
};

inline Character DecodeAt(std::string_view s, std::size_t pos) {
    const auto byte = [&](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(s[k]));
    };
    const std::uint32_t lead = byte(pos);
    if (lead < 0x80)
        return {pos, 1, lead, true};
    std::size_t length = 0;
    std::uint32_t value = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, value = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, value = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, value = lead & 0x07;
    else
        return {pos, 1, lead, false};
    if (pos + length > s.size())
        return {pos, 1, lead, false};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(pos + k) & 0xC0) != 0x80)
            return {pos, 1, lead, false};
        value = (value << 6) | (byte(pos + k) & 0x3F);
    }
    const std::uint32_t shortest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (value < shortest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {pos, 1, lead, false};
    return {pos, length, value, true};
}

inline std::vector<Character> Characters(std::string_view s) {
    std::vector<Character> characters;
    for (std::size_t pos = 0; pos < s.size();) {
        characters.push_back(DecodeAt(s, pos));
        pos += characters.back().length;
    }
    return characters;
}

inline bool IsValid(std::string_view s) {
    for (const Character& c : Characters(s))
        if (!c.valid)
            return false;
    return true;
}

// The byte offset after the first `count` characters of s (s.size() when it has fewer).
inline std::size_t Boundary(std::string_view s, std::size_t count) {
    const std::vector<Character> characters = Characters(s);
    return count >= characters.size() ? s.size() : characters[count].start;
}

// The invalid bytes of s, in order.
inline std::string InvalidBytes(std::string_view s) {
    std::string bytes;
    for (const Character& c : Characters(s))
        if (!c.valid)
            bytes += s[c.start];
    return bytes;
}

// Whether every byte of part occurs in whole, in order (not necessarily side by side).
inline bool IsSubsequence(std::string_view part, std::string_view whole) {
    std::size_t at = 0;
    for (const char c : whole)
        if (at < part.size() && part[at] == c)
            ++at;
    return at == part.size();
}

} // namespace reference
