#include "CounterValues.h"

#include "engine/names/Utf8.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <span>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace engine::recipes {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A key whose byte order is the natural order: letters case-folded (Unicode simple folding), and every digit
// run written as '0', the count of its significant digits in two bytes, then those digits, so that a
// shorter number sorts first and equal lengths compare digit by digit. Built once per name, so sorting
// a million names compares plain bytes. Appended to `key`, in one pass over the name.
//
// The key takes at most four bytes a byte of the name (a lone digit becomes four bytes, a character of
// two or more bytes folds to one of at most four): room for that is made first and the rest given back.
void AppendNaturalKey(std::string_view name, std::string& key) {
    const std::size_t start = key.size();
    key.resize(start + 4 * name.size());
    char* const begin = key.data() + start;
    char* out = begin;
    std::size_t pos = 0;
    while (pos < name.size()) {
        const char c = name[pos];
        if (static_cast<unsigned char>(c) < 0x80 && !IsDigit(c)) {
            *out++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
            ++pos;
            continue;
        }
        if (IsDigit(c)) {
            std::size_t end = pos + 1;
            while (end < name.size() && IsDigit(name[end])) {
                ++end;
            }
            std::size_t first = pos;
            while (first + 1 < end && name[first] == '0') {
                ++first;
            }
            const std::size_t digits = std::min<std::size_t>(end - first, 0xFFFF);
            *out++ = '0';
            *out++ = static_cast<char>(digits >> 8);
            *out++ = static_cast<char>(digits & 0xFF);
            std::memcpy(out, name.data() + first, end - first);
            out += end - first;
            pos = end;
            continue;
        }
        const std::size_t length = utf8::CharLength(name, pos);
        if (length == 1) {
            *out++ = c; // a byte that is not UTF-8 stands for itself
        } else {
            std::size_t written = 0;
            U8_APPEND_UNSAFE(
                out, written,
                u_foldCase(static_cast<UChar32>(utf8::CodePoint(name, pos, length)), U_FOLD_CASE_DEFAULT));
            out += written;
        }
        pos += length;
    }
    key.resize(start + static_cast<std::size_t>(out - begin));
}

std::string NaturalKey(std::string_view name) {
    std::string key;
    AppendNaturalKey(name, key);
    return key;
}

// One row's key, with eight of its bytes (from the depth being sorted on) as a number. Every key lies in a
// buffer that goes on for eight bytes past its end, so that eight bytes can be read from any key at once.
struct Keyed {
    std::uint64_t head;
    const char* key;
    std::uint32_t length;
    std::uint32_t row; // a listing holds far fewer than four thousand million names
};

std::uint64_t HeadAt(const Keyed& keyed, std::size_t depth) {
    if (depth >= keyed.length) {
        return 0;
    }
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, keyed.key + depth, sizeof bytes);
    std::uint64_t head = bytes; // the first byte the most significant
    if constexpr (std::endian::native == std::endian::little) {
        head = __builtin_bswap64(bytes);
    }
    if (const std::size_t left = keyed.length - depth; left < 8) {
        head &= ~std::uint64_t{0} << (8 * (8 - left)); // bytes past the key's end count as zero
    }
    return head;
}

// The order the counter gives: by natural key, then by the bytes of the name ("a01" and "a1" share a key),
// then as listed. No two rows are equal in it.
bool KeyedLess(const Keyed& a, const Keyed& b, const std::vector<std::string>& names) {
    if (const int c = std::string_view(a.key, a.length).compare(std::string_view(b.key, b.length)); c != 0) {
        return c < 0;
    }
    if (const int c = names[a.row].compare(names[b.row]); c != 0) {
        return c < 0;
    }
    return a.row < b.row;
}

// Sorts keys in the order of KeyedLess, eight bytes at a time: a range is sorted by the eight bytes at its
// depth, and each run that agrees on them and goes on is sorted again on the next eight. Comparisons stay
// within an array of small records, and each key's bytes are read once per depth rather than once per
// comparison, which keeps a million names from waiting on memory.
void SortKeys(std::span<Keyed> keyed, const std::vector<std::string>& names) {
    struct Range {
        std::size_t begin, end, depth;
    };
    std::vector<Range> pending{{0, keyed.size(), 0}};
    while (!pending.empty()) {
        const Range range = pending.back();
        pending.pop_back();
        const auto first = keyed.begin() + static_cast<std::ptrdiff_t>(range.begin);
        const auto last = keyed.begin() + static_cast<std::ptrdiff_t>(range.end);
        for (auto it = first; it != last; ++it) {
            it->head = HeadAt(*it, range.depth);
        }
        const std::size_t window = range.depth + 8;
        // A key that ends inside the window and agrees with another on it is a prefix of the other, so the
        // shorter goes first; two that end alike are the same key, ordered by the name's bytes, then as
        // listed.
        std::sort(first, last, [&](const Keyed& a, const Keyed& b) {
            if (a.head != b.head) {
                return a.head < b.head;
            }
            if (a.length > window && b.length > window) {
                return false; // decided deeper down
            }
            if (a.length != b.length) {
                return a.length < b.length;
            }
            if (const int c = names[a.row].compare(names[b.row]); c != 0) {
                return c < 0;
            }
            return a.row < b.row;
        });
        for (std::size_t k = range.begin; k < range.end;) {
            std::size_t runEnd = k + 1;
            while (runEnd < range.end && keyed[runEnd].head == keyed[k].head) {
                ++runEnd;
            }
            std::size_t goesOn = k;
            while (goesOn < runEnd && keyed[goesOn].length <= window) {
                ++goesOn;
            }
            if (runEnd - goesOn > 1) {
                pending.push_back({goesOn, runEnd, window});
            }
            k = runEnd;
        }
    }
}

// The natural keys of rows[first, last) in one buffer, and their records in keyed[first, last).
void BuildKeys(const std::vector<std::string>& names, const std::vector<std::size_t>& rows, std::size_t first,
               std::size_t last, std::string& keys, std::vector<Keyed>& keyed) {
    // Room for every key, as most names have a digit run's marker or two, and for one name's key at its
    // longest while it is being built.
    std::size_t bytes = 8;
    std::size_t longest = 0;
    for (std::size_t k = first; k < last; ++k) {
        bytes += names[rows[k]].size() + 8;
        longest = std::max(longest, names[rows[k]].size());
    }
    keys.reserve(bytes + 4 * longest);
    for (std::size_t k = first; k < last; ++k) {
        const std::size_t offset = keys.size();
        AppendNaturalKey(names[rows[k]], keys);
        // The offset waits in head until the buffer has stopped growing.
        keyed[k] = {offset, nullptr, static_cast<std::uint32_t>(keys.size() - offset),
                    static_cast<std::uint32_t>(rows[k])};
    }
    keys.append(8, '\0');
    for (std::size_t k = first; k < last; ++k) {
        keyed[k].key = keys.data() + keyed[k].head;
    }
}

// Sorts keyed as SortKeys does, in `pieces` parts at once: splitters drawn from a sample cut the rows into
// contiguous buckets of about equal size, each of which holds only rows that go before those of the next,
// so that sorting every bucket on its own sorts the whole.
void SortInPieces(std::vector<Keyed>& keyed, const std::vector<std::string>& names, std::size_t pieces,
                  const ParallelJobs& parallel) {
    const auto less = [&names](const Keyed& a, const Keyed& b) { return KeyedLess(a, b, names); };
    constexpr std::size_t kSamplesPerPiece = 256;
    std::vector<Keyed> sample;
    const std::size_t stride = std::max<std::size_t>(1, keyed.size() / (kSamplesPerPiece * pieces));
    for (std::size_t k = stride / 2; k < keyed.size(); k += stride) {
        sample.push_back(keyed[k]);
    }
    std::sort(sample.begin(), sample.end(), less);
    std::vector<Keyed> splitters;
    for (std::size_t p = 1; p < pieces; ++p) {
        splitters.push_back(sample[sample.size() * p / pieces]);
    }
    // Bucket of each row: how many splitters go before it or are it.
    std::vector<std::uint8_t> bucket(keyed.size());
    parallel.RunPieces(keyed.size(), pieces, [&](std::size_t, std::size_t begin, std::size_t end) {
        for (std::size_t k = begin; k < end; ++k) {
            bucket[k] = static_cast<std::uint8_t>(
                std::upper_bound(splitters.begin(), splitters.end(), keyed[k], less) - splitters.begin());
        }
    });
    std::vector<std::size_t> begins(pieces + 1, 0);
    for (const std::uint8_t b : bucket) {
        ++begins[b + 1];
    }
    for (std::size_t p = 1; p <= pieces; ++p) {
        begins[p] += begins[p - 1];
    }
    std::vector<Keyed> sorted(keyed.size());
    std::vector<std::size_t> next(begins.begin(), begins.end() - 1);
    for (std::size_t k = 0; k < keyed.size(); ++k) {
        sorted[next[bucket[k]]++] = keyed[k];
    }
    parallel.Run(pieces, [&](std::size_t piece) {
        SortKeys(std::span<Keyed>(sorted).subspan(begins[piece], begins[piece + 1] - begins[piece]), names);
    });
    keyed = std::move(sorted);
}

// Rows ordered by natural key, then by the bytes of the name, then as listed.
std::vector<std::size_t> NaturalRanks(const std::vector<std::string>& names, std::vector<std::size_t> rows,
                                      const ParallelJobs& parallel) {
    // At most 256 pieces, so that a row's bucket fits a byte.
    const std::size_t pieces = std::min<std::size_t>(parallel.Pieces(rows.size()), 256);
    std::vector<std::string> keys(pieces);
    std::vector<Keyed> keyed(rows.size());
    parallel.RunPieces(rows.size(), pieces, [&](std::size_t piece, std::size_t begin, std::size_t end) {
        BuildKeys(names, rows, begin, end, keys[piece], keyed);
    });
    if (pieces == 1) {
        SortKeys(keyed, names);
    } else {
        SortInPieces(keyed, names, pieces, parallel);
    }
    for (std::size_t k = 0; k < keyed.size(); ++k) {
        rows[k] = keyed[k].row;
    }
    return rows;
}

// Rows with the date first, oldest first (ties as listed); then rows without one in natural order.
std::vector<std::size_t> DateOrder(const std::vector<std::string>& names,
                                   const std::vector<const FileFacts*>& facts, bool taken,
                                   const ParallelJobs& parallel) {
    const auto dateOf = [&](std::size_t row) -> const std::optional<WallTime>* {
        if (row >= facts.size() || facts[row] == nullptr) {
            return nullptr;
        }
        const std::optional<WallTime>& date = taken ? facts[row]->taken : facts[row]->modified;
        return date ? &date : nullptr;
    };
    std::vector<std::size_t> dated;
    std::vector<std::size_t> undated;
    for (std::size_t row = 0; row < names.size(); ++row) {
        (dateOf(row) ? dated : undated).push_back(row);
    }
    std::stable_sort(dated.begin(), dated.end(),
                     [&](std::size_t a, std::size_t b) { return **dateOf(a) < **dateOf(b); });
    const std::vector<std::size_t> rest = NaturalRanks(names, std::move(undated), parallel);
    dated.insert(dated.end(), rest.begin(), rest.end());
    return dated;
}

} // namespace

long long CounterAt(const Counter& counter, long long rank) {
    // start + step * rank is at most 2^63 + 2^126 in magnitude, well inside 128 bits.
    const __int128 value = static_cast<__int128>(counter.start) + static_cast<__int128>(counter.step) * rank;
    constexpr auto low = std::numeric_limits<long long>::min();
    constexpr auto high = std::numeric_limits<long long>::max();
    return value < low ? low : value > high ? high : static_cast<long long>(value);
}

bool NaturalLess(std::string_view a, std::string_view b) {
    if (const int c = NaturalKey(a).compare(NaturalKey(b)); c != 0) {
        return c < 0;
    }
    return a < b;
}

std::string CounterText(long long value, int width) {
    std::string text;
    AppendCounterText(value, width, text);
    return text;
}

void AppendCounterText(long long value, int width, std::string& out) {
    // The magnitude of the smallest long long does not fit a long long; unsigned arithmetic holds it.
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    char digits[20]; // the most a 64-bit magnitude takes
    std::size_t count = 0;
    do {
        digits[sizeof digits - ++count] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        out.push_back('-');
    }
    if (width > 0 && static_cast<std::size_t>(width) > count) {
        out.append(static_cast<std::size_t>(width) - count, '0');
    }
    out.append(digits + sizeof digits - count, count);
}

std::vector<long long> CounterValues(const Counter& counter, const std::vector<std::string>& oldNames,
                                     const std::vector<const FileFacts*>& facts,
                                     const ParallelJobs& parallel) {
    std::vector<std::size_t> order;
    switch (counter.order) {
    case CounterOrder::Grid:
        order.resize(oldNames.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        break;
    case CounterOrder::Natural: {
        std::vector<std::size_t> rows(oldNames.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        order = NaturalRanks(oldNames, std::move(rows), parallel);
        break;
    }
    case CounterOrder::Modified:
        order = DateOrder(oldNames, facts, false, parallel);
        break;
    case CounterOrder::Taken:
        order = DateOrder(oldNames, facts, true, parallel);
        break;
    }
    std::vector<long long> values(oldNames.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        values[order[rank]] = CounterAt(counter, static_cast<long long>(rank));
    }
    return values;
}

} // namespace engine::recipes
