#include "FileOrder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace engine {
namespace {

// The file list must sort the same on every machine, including one with only the C.UTF-8 locale, so the
// case folding is done here by fixed rules rather than by the locale's collator. The rules cover the
// capitals users meet in file names: ASCII, Latin-1, Latin Extended-A, Greek and basic Cyrillic.
char32_t FoldCodePoint(char32_t c) {
    if (c < 0x80)
        return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Latin-1 capitals; U+00D7 is the multiplication sign
        return c + 0x20;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) // capital I with dot above lowers to a plain i
            return U'i';
        if (c == 0x178) // capital Y with diaeresis pairs with U+00FF in Latin-1
            return 0xFF;
        // Upper case sits on even code points in two runs and on odd ones in two others; U+0138 and
        // U+0149 are lower-case letters without a capital and break the pattern.
        const bool evenUpper = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1))
            return c + 1;
        return c;
    }
    if (c >= 0x370 && c <= 0x3FF) {
        if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
            return c + 0x20;
        if (c == 0x386)
            return 0x3AC;
        if (c >= 0x388 && c <= 0x38A)
            return c + 0x25;
        if (c == 0x38C)
            return 0x3CC;
        if (c == 0x38E || c == 0x38F)
            return c + 0x3F;
        if (c == 0x3C2) // final sigma sorts with sigma
            return 0x3C3;
        return c;
    }
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    return c;
}

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the byte there does not start one
// (stray continuation bytes, overlong forms, surrogates, values beyond U+10FFFF, cut-off sequences).
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& out) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const std::uint8_t next = byte(i + k);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    out = c;
    return length;
}

// Writes c as UTF-8 at out and moves out past it.
void PutUtf8(char*& out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The folded key is again UTF-8, so comparing keys byte by byte orders them by code point; a byte that
// is not valid UTF-8 is copied unchanged and takes its place by its own value. No folding rule makes a
// character longer, so the key fits in the name's length. Written at out, which it moves past the key.
void FoldKey(std::string_view name, char*& out) {
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<std::uint8_t>(name[i]);
        if (lead < 0x80) {
            *out++ = static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + 0x20 : lead);
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(name, i, c);
        if (length == 0) {
            *out++ = name[i];
            ++i;
            continue;
        }
        PutUtf8(out, FoldCodePoint(c));
        i += length;
    }
}

// Eight bytes of a key from `from` on as one number that orders as the bytes do; a shorter key is padded
// with zero bytes, which can only make two keys look equal here, never put them in the wrong order.
std::uint64_t KeyPrefix(std::string_view key, std::size_t from) {
    std::uint64_t prefix = 0;
    for (std::size_t i = from; i < from + sizeof prefix; ++i)
        prefix = (prefix << 8) | (i < key.size() ? static_cast<std::uint8_t>(key[i]) : 0u);
    return prefix;
}

// A name's place in the sort: the first sixteen bytes of its key inline, so that most comparisons touch
// no other memory (file names of one folder often share a long beginning, "IMG_2026..."), and where the
// rest of a longer key lies in the one buffer that holds every such rest, each after its length. 24 bytes a
// name.
struct SortEntry {
    std::uint64_t prefix;
    std::uint64_t prefix2;
    std::uint32_t index;
    std::uint32_t restStart; // NoRest for a key of sixteen bytes or fewer
};

constexpr std::size_t InlineKeyBytes = 16;
constexpr std::uint32_t NoRest = UINT32_MAX;

std::size_t FoldedLength(std::string_view name, std::string& scratch) {
    scratch.resize(name.size());
    char* out = scratch.data();
    FoldKey(name, out);
    return static_cast<std::size_t>(out - scratch.data());
}

// The order spelt out plainly, each name with its whole key: for lists whose keys' rests would not fit
// the compact entries' offsets (gigabytes of names).
std::vector<std::size_t> PlainOrder(const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        keyed.emplace_back(SortKey(names[i]), i);
    std::sort(keyed.begin(), keyed.end(), [&names](const auto& a, const auto& b) {
        if (const int order = a.first.compare(b.first); order != 0)
            return order < 0;
        return names[a.second] < names[b.second];
    });
    std::vector<std::size_t> order;
    order.reserve(names.size());
    for (const auto& entry : keyed)
        order.push_back(entry.second);
    return order;
}

// The names' entries in their order: their keys compared byte by byte, and names whose keys are equal
// (they differ only in case) by their raw bytes, so the order is total and the same on every run.
std::vector<SortEntry> CompactOrder(const std::vector<std::string>& names, std::size_t restBytes) {
    std::string rests;
    rests.reserve(restBytes);
    std::string key;
    std::vector<SortEntry> entries;
    entries.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The length first: folding resizes the key, which may move its bytes elsewhere.
        const std::size_t length = FoldedLength(names[i], key);
        const std::string_view folded(key.data(), length);
        std::uint32_t restStart = NoRest;
        if (folded.size() > InlineKeyBytes) {
            restStart = static_cast<std::uint32_t>(rests.size());
            const auto restLength = static_cast<std::uint32_t>(folded.size() - InlineKeyBytes);
            rests.append(reinterpret_cast<const char*>(&restLength), sizeof restLength);
            rests.append(folded.substr(InlineKeyBytes));
        }
        entries.push_back(
            {KeyPrefix(folded, 0), KeyPrefix(folded, 8), static_cast<std::uint32_t>(i), restStart});
    }
    const auto restOf = [&rests](const SortEntry& entry) {
        if (entry.restStart == NoRest)
            return std::string_view();
        std::uint32_t length = 0;
        rests.copy(reinterpret_cast<char*>(&length), sizeof length, entry.restStart);
        return std::string_view(rests).substr(entry.restStart + sizeof length, length);
    };
    std::string scratch;
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (a.prefix2 != b.prefix2)
            return a.prefix2 < b.prefix2;
        // Equal inline bytes, zero-padded: where one key goes on past them, its rest decides.
        if (const int order = restOf(a).compare(restOf(b)); order != 0)
            return order < 0;
        // Both keys fit inline and differ at most by trailing NUL bytes (names alike but for their case,
        // as a rule): the shorter key first, found by folding again, which only such pairs need.
        if (a.restStart == NoRest) {
            const std::size_t lengthA = FoldedLength(names[a.index], scratch);
            const std::size_t lengthB = FoldedLength(names[b.index], scratch);
            if (lengthA != lengthB)
                return lengthA < lengthB;
        }
        return names[a.index] < names[b.index];
    });
    return entries;
}

} // namespace

std::string SortKey(std::string_view name) {
    std::string key;
    key.resize(FoldedLength(name, key));
    return key;
}

void SortFileNames(std::vector<std::string>& names) {
    // Only the rests of the longer keys are kept, all in one buffer rather than one string each: at a
    // million names that is one allocation instead of a million, and most names need no rest at all.
    std::size_t restBytes = 0;
    for (const std::string& name : names)
        restBytes += name.size() > InlineKeyBytes ? sizeof(std::uint32_t) + name.size() - InlineKeyBytes : 0;
    std::vector<std::size_t> plain;
    std::vector<SortEntry> compact;
    if (restBytes < NoRest && names.size() < NoRest)
        compact = CompactOrder(names, restBytes);
    else
        plain = PlainOrder(names);
    const auto sourceOf = [&](std::size_t at) {
        return compact.empty() ? plain[at] : std::size_t{compact[at].index};
    };
    // The names move into their places along the cycles of the permutation, in the vector they are in: a
    // second vector of a million names would be one more copy of their bookkeeping at the peak.
    std::vector<bool> placed(names.size(), false);
    for (std::size_t start = 0; start < names.size(); ++start) {
        if (placed[start])
            continue;
        std::string carried = std::move(names[start]);
        std::size_t at = start;
        for (;;) {
            placed[at] = true;
            const std::size_t from = sourceOf(at);
            if (from == start) {
                names[at] = std::move(carried);
                break;
            }
            names[at] = std::move(names[from]);
            at = from;
        }
    }
}

} // namespace engine
