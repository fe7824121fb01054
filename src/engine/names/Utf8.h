#pragma once

// Stepping through names character by character. File names are the bytes the file system returns: mostly
// UTF-8, but any byte may occur. A character is one well-formed UTF-8 sequence; a byte that does not start
// one counts as a character of its own. Internal to the engine.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace engine::utf8 {

inline bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Bytes of the character that starts at pos (pos < s.size()): the length of a well-formed sequence
// (no overlong forms, no surrogates, nothing above U+10FFFF), else 1.
inline std::size_t CharLength(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead == 0xE0) {
        length = 3;
        low = 0xA0;
    } else if (lead == 0xED) {
        length = 3;
        high = 0x9F;
    } else if (lead >= 0xE1 && lead <= 0xEF) {
        length = 3;
    } else if (lead == 0xF0) {
        length = 4;
        low = 0x90;
    } else if (lead >= 0xF1 && lead <= 0xF3) {
        length = 4;
    } else if (lead == 0xF4) {
        length = 4;
        high = 0x8F;
    } else {
        return 1;
    }
    if (s.size() - pos < length) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(s[pos + 1]);
    if (second < low || second > high) {
        return 1;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(s[pos + k]))) {
            return 1;
        }
    }
    return length;
}

// The code point of the character of `length` bytes at pos, length as CharLength gives it; for a byte that
// does not start a well-formed sequence (length 1), the byte's own value.
inline std::uint32_t CodePoint(std::string_view s, std::size_t pos, std::size_t length) {
    const auto byte = [&](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(s[pos + k]));
    };
    switch (length) {
    case 2:
        return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
        return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4:
        return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
               (byte(3) & 0x3F);
    default:
        return byte(0);
    }
}

// Byte offset of the character after the one at pos.
inline std::size_t Next(std::string_view s, std::size_t pos) {
    return pos + CharLength(s, pos);
}

inline std::size_t Count(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < s.size(); pos = Next(s, pos)) {
        ++count;
    }
    return count;
}

// Byte offset after the first `chars` characters of s, or s.size() when s has fewer.
inline std::size_t Skip(std::string_view s, std::size_t chars) {
    std::size_t pos = 0;
    for (; chars > 0 && pos < s.size(); --chars) {
        pos = Next(s, pos);
    }
    return pos;
}

// True when a character of s starts at pos (or pos is the end). Decided from the bytes around pos alone:
// a byte that is not a continuation byte always starts a character, and a continuation byte lies inside
// one only when a lead byte at most three bytes before it starts a well-formed sequence that reaches it.
inline bool IsBoundary(std::string_view s, std::size_t pos) {
    if (pos == 0 || pos >= s.size() || !IsContinuation(static_cast<unsigned char>(s[pos]))) {
        return true;
    }
    for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
        if (!IsContinuation(static_cast<unsigned char>(s[pos - back]))) {
            return CharLength(s, pos - back) <= back;
        }
    }
    return true;
}

} // namespace engine::utf8
