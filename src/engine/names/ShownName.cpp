#include "engine/names/ShownName.h"

#include "engine/names/Utf8.h"

#include <cstdint>
#include <cstring>

namespace engine {

namespace {

// Characters that show nothing, break the line or reorder the text around them.
bool IsInvisible(std::uint32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string Hex(std::uint32_t value, int digits) {
    static constexpr char digitsOf[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int k = digits - 1; k >= 0; --k, value >>= 4) {
        text[static_cast<std::size_t>(k)] = digitsOf[value & 0xF];
    }
    return text;
}

std::string StandIn(std::uint32_t c, bool undecodable) {
    if (undecodable || c < 0x80) {
        switch (c) {
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            return "\\x" + Hex(c, 2);
        }
    }
    return "\\u" + Hex(c, 4);
}

// True when each of the eight bytes is printable ASCII (0x20 to 0x7E). For every byte b at once:
// (b | 0x80) - 0x20 keeps the high bit when the low seven bits are at least 0x20, and (b & 0x7F) + 1 sets
// it when they are 0x7F; no borrow or carry reaches the next byte.
bool AllPrintableAscii(std::uint64_t bytes) {
    constexpr std::uint64_t high = 0x8080808080808080ULL;
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    const std::uint64_t fromSpace = (bytes | high) - 0x20 * ones;
    const std::uint64_t isDelete = (bytes & ~high) + ones;
    return (~bytes & fromSpace & ~isDelete & high) == high;
}

// Calls part(text, standIn) for every stretch of the name, in order.
template <class Sink> void WalkParts(std::string_view name, Sink&& part) {
    std::size_t plainStart = 0;
    for (std::size_t pos = 0; pos < name.size();) {
        // Printable ASCII, what most names are made of, shows as it is: stepped over eight bytes at a
        // time (the last eight of a name at least that long read at once too), then a byte at a time.
        std::uint64_t eight = 0;
        if (pos + sizeof eight <= name.size() &&
            (std::memcpy(&eight, name.data() + pos, sizeof eight), AllPrintableAscii(eight))) {
            pos += sizeof eight;
            continue;
        }
        if (pos + sizeof eight > name.size() && name.size() >= sizeof eight &&
            (std::memcpy(&eight, name.data() + name.size() - sizeof eight, sizeof eight),
             AllPrintableAscii(eight))) {
            break;
        }
        if (const auto byte = static_cast<unsigned char>(name[pos]); byte >= 0x20 && byte < 0x7F) {
            ++pos;
            continue;
        }
        const std::size_t length = utf8::CharLength(name, pos);
        const auto lead = static_cast<unsigned char>(name[pos]);
        const bool undecodable = length == 1 && lead >= 0x80;
        const std::uint32_t c = undecodable ? lead : utf8::CodePoint(name, pos, length);
        if (undecodable || IsInvisible(c)) {
            if (pos > plainStart) {
                part(name.substr(plainStart, pos - plainStart), false);
            }
            part(StandIn(c, undecodable), true);
            plainStart = pos + length;
        }
        pos += length;
    }
    if (plainStart < name.size()) {
        part(name.substr(plainStart), false);
    }
}

} // namespace

std::vector<ShownPart> ShownParts(std::string_view name) {
    std::vector<ShownPart> parts;
    WalkParts(name, [&](std::string_view text, bool standIn) {
        if (!parts.empty() && parts.back().standIn == standIn) {
            parts.back().text += text;
        } else {
            parts.push_back({std::string(text), standIn});
        }
    });
    return parts;
}

std::string ShownName(std::string_view name) {
    std::string shown;
    shown.reserve(name.size());
    AppendShownName(name, shown);
    return shown;
}

void AppendShownName(std::string_view name, std::string& out) {
    WalkParts(name, [&](std::string_view text, bool) { out += text; });
}

bool ShowsAsItIs(std::string_view name) {
    bool asItIs = true;
    WalkParts(name, [&](std::string_view, bool standIn) { asItIs = asItIs && !standIn; });
    return asItIs;
}

} // namespace engine
