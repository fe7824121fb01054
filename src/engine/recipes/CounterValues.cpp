#include "CounterValues.h"

#include "engine/names/Utf8.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <numeric>
#include <span>
#include <unicode/uchar.h>
#include <unicode/utf8.h>
#include <utility>

namespace engine::recipes {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr std::uint64_t kEveryByte = 0x0101010101010101;

// The top bit of each byte of `bytes` (every one below 0x80) that is `low` or more.
std::uint64_t AtLeast(std::uint64_t bytes, unsigned char low) {
    return (bytes + kEveryByte * (0x80 - low)) & kEveryByte * 0x80;
}

// Eight bytes of a name at once: writes them to out with the capitals A to Z made small, and returns how
// many of them, from the first, are ASCII other than digits, which is all a key takes of them.
std::size_t FoldPlainAscii(const char* in, char* out) {
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, in, sizeof bytes);
    const std::uint64_t beyondAscii = bytes & kEveryByte * 0x80;
    const std::uint64_t low = bytes & ~beyondAscii; // no sum below carries into the next byte
    const std::uint64_t digits = AtLeast(low, '0') & ~AtLeast(low, '9' + 1);
    const std::uint64_t capitals = AtLeast(low, 'A') & ~AtLeast(low, 'Z' + 1);
    bytes |= capitals >> 2; // 0x80 >> 2 is the bit between a capital and its small letter
    std::memcpy(out, &bytes, sizeof bytes);
    const std::uint64_t stops = beyondAscii | digits;
    if (stops == 0) {
        return sizeof bytes;
    }
    // The name's first byte is the lowest of the number on a little-endian machine.
    const int bits =
        std::endian::native == std::endian::little ? std::countr_zero(stops) : std::countl_zero(stops);
    return static_cast<std::size_t>(bits) / 8;
}

// The most bytes the key of a name of `nameBytes` bytes takes: a lone digit becomes four bytes, and a
// character of two or more bytes folds to one of at most four.
std::size_t MostKeyBytes(std::size_t nameBytes) {
    return 4 * nameBytes;
}

// Writes the key of `name` from out and returns its end; there must be room for MostKeyBytes. The key's
// byte order is the natural order: letters case-folded (Unicode simple folding), and every digit run
// written as '0', the count of its significant digits in two bytes, then those digits, so that a shorter
// number sorts first and equal lengths compare digit by digit. Built once per name, so sorting a million
// names compares plain bytes.
char* WriteNaturalKey(std::string_view name, char* out) {
    std::size_t pos = 0;
    while (pos < name.size()) {
        // Runs of plain ASCII eight bytes at a time; each byte consumed has left room for four, so the
        // eight bytes written stay within the room.
        if (name.size() - pos >= 8) {
            const std::size_t plain = FoldPlainAscii(name.data() + pos, out);
            out += plain;
            pos += plain;
            if (plain == 8) {
                continue;
            }
        }
        const char c = name[pos];
        if (static_cast<unsigned char>(c) < 0x80 && !IsDigit(c)) {
            *out++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
            ++pos;
            continue;
        }
        if (IsDigit(c)) {
            // Leading zeros add nothing to the number; a run of zeros keeps its last. The digits are copied
            // as they are found, after the three bytes that will count them.
            while (name[pos] == '0' && pos + 1 < name.size() && IsDigit(name[pos + 1])) {
                ++pos;
            }
            char* const digits = out + 3;
            std::size_t count = 0;
            while (pos < name.size() && IsDigit(name[pos])) {
                digits[count++] = name[pos++];
            }
            const std::size_t counted = std::min<std::size_t>(count, 0xFFFF);
            out[0] = '0';
            out[1] = static_cast<char>(counted >> 8);
            out[2] = static_cast<char>(counted & 0xFF);
            out = digits + count;
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
    return out;
}

std::string NaturalKey(std::string_view name) {
    std::string key(MostKeyBytes(name.size()), '\0');
    key.resize(static_cast<std::size_t>(WriteNaturalKey(name, key.data()) - key.data()));
    return key;
}

// Sixteen bytes of a key, from the depth being sorted on, as one number: the first byte the most
// significant, bytes past the key's end zero.
using Head = unsigned __int128;
constexpr std::size_t kHeadBytes = sizeof(Head);

// One row's key, with its head at the depth being sorted on. Every key lies in a buffer that goes on for
// kHeadBytes past its end, so that a head can be read from any key at once.
struct Keyed {
    Head head;
    const char* key;
    std::uint32_t length;
    std::uint32_t row; // a listing holds far fewer than four thousand million names
};

std::uint64_t BigEndianAt(const char* bytes) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::little) {
        value = __builtin_bswap64(value);
    }
    return value;
}

Head HeadAt(const Keyed& keyed, std::size_t depth) {
    if (depth >= keyed.length) {
        return 0;
    }
    Head head = Head{BigEndianAt(keyed.key + depth)} << 64 | BigEndianAt(keyed.key + depth + 8);
    if (const std::size_t left = keyed.length - depth; left < kHeadBytes) {
        head &= ~Head{0} << (8 * (kHeadBytes - left));
    }
    return head;
}

// The order of rows whose keys are the same ("a01" and "a1" share one): by the bytes of the name, then as
// listed.
bool SameKeyLess(const Keyed& a, const Keyed& b, const std::vector<std::string>& names) {
    if (const int c = names[a.row].compare(names[b.row]); c != 0) {
        return c < 0;
    }
    return a.row < b.row;
}

// The order the counter gives: by natural key, then as SameKeyLess. No two rows are equal in it.
bool KeyedLess(const Keyed& a, const Keyed& b, const std::vector<std::string>& names) {
    if (const int c = std::string_view(a.key, a.length).compare(std::string_view(b.key, b.length)); c != 0) {
        return c < 0;
    }
    return SameKeyLess(a, b, names);
}

// Loads the head of every row at depth. The rows lie far apart in the buffer of keys; each key is asked
// for some rows ahead, so that many wait on memory at once rather than one after another.
void LoadHeads(std::span<Keyed> rows, std::size_t depth) {
    constexpr std::size_t kAhead = 16;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k + kAhead < rows.size()) {
            __builtin_prefetch(rows[k + kAhead].key + depth);
        }
        rows[k].head = HeadAt(rows[k], depth);
    }
}

// KeyedLess for rows whose heads hold the bytes of their keys at the same depth, and that agree on the bytes
// before it: by head, and on a tie by whole keys.
bool HeadFirst(const Keyed& a, const Keyed& b, const std::vector<std::string>& names) {
    return a.head != b.head ? a.head < b.head : KeyedLess(a, b, names);
}

// A few rows, heads loaded, sorted by moving each back past the rows that go after it.
void InsertionSort(std::span<Keyed> keyed, const std::vector<std::string>& names) {
    for (std::size_t k = 1; k < keyed.size(); ++k) {
        const Keyed row = keyed[k];
        std::size_t to = k;
        for (; to > 0 && HeadFirst(row, keyed[to - 1], names); --to) {
            keyed[to] = keyed[to - 1];
        }
        keyed[to] = row;
    }
}

Head MedianOfThree(Head a, Head b, Head c) {
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

// The pivot: the median of the heads at the ends and the middle, and of a large range the median of three
// such medians, so that a split seldom leaves most rows on one side.
Head PivotHead(std::span<const Keyed> rows) {
    const auto medianAround = [&rows](std::size_t at, std::size_t step) {
        return MedianOfThree(rows[at - step].head, rows[at].head, rows[at + step].head);
    };
    const std::size_t last = rows.size() - 1;
    if (rows.size() < 256) {
        return medianAround(last / 2, last / 2);
    }
    const std::size_t step = rows.size() / 8;
    return MedianOfThree(medianAround(step, step), medianAround(last / 2, step),
                         medianAround(last - step, step));
}

// Moves the rows whose head is below `pivot` to the front and those above it to the back; returns where
// the rows equal to it begin and end. Rows that stand on the wrong side are swapped in pairs, and rows
// equal to the pivot are set aside at both ends and brought to the middle at the close, so that few rows
// move however many are alike.
std::pair<std::size_t, std::size_t> PartitionOnHead(std::span<Keyed> rows, Head pivot) {
    // [0, leftEqual) and [rightEqual, size) equal the pivot, [leftEqual, low) lies below it and
    // [high, rightEqual) above it; [low, high) is yet to be looked at.
    std::size_t leftEqual = 0;
    std::size_t low = 0;
    std::size_t high = rows.size();
    std::size_t rightEqual = rows.size();
    for (;;) {
        for (; low < high && rows[low].head <= pivot; ++low) {
            if (rows[low].head == pivot) {
                std::swap(rows[leftEqual++], rows[low]);
            }
        }
        for (; low < high && rows[high - 1].head >= pivot; --high) {
            if (rows[high - 1].head == pivot) {
                std::swap(rows[--rightEqual], rows[high - 1]);
            }
        }
        if (low == high) {
            break;
        }
        std::swap(rows[low++], rows[--high]);
    }
    // The rows below now lie in [leftEqual, low), those above in [low, rightEqual): the equal ones at
    // both ends change places with as many of them as lie next to the middle.
    const std::size_t below = low - leftEqual;
    const std::size_t above = rightEqual - low;
    std::swap_ranges(rows.begin(), rows.begin() + std::min(leftEqual, below),
                     rows.begin() + low - std::min(leftEqual, below));
    const std::size_t rightCount = rows.size() - rightEqual;
    std::swap_ranges(rows.begin() + low, rows.begin() + low + std::min(rightCount, above),
                     rows.end() - std::min(rightCount, above));
    return {below, rows.size() - above};
}

// Sorts keys in the order of KeyedLess, a head at a time: a range is split three ways on the heads at its
// depth, as a quicksort does, and the rows equal to the pivot whose keys go on are split again on the
// next sixteen bytes. Comparisons stay within an array of small records, and each key's bytes are read
// once per depth rather than once per comparison, which keeps a million names from waiting on memory;
// names that share a long beginning cost a pass over them for each head they share.
void SortKeys(std::span<Keyed> keyed, const std::vector<std::string>& names) {
    // A range of rows that agree on their first `depth` key bytes; `splits` counts down the three-way
    // splits left at this depth before a range that keeps splitting badly is sorted by std::sort.
    struct Range {
        std::size_t begin, end, depth;
        bool headsLoaded;
        std::size_t splits;
    };
    constexpr std::size_t kFewRows = 24;
    const auto splitsFor = [](std::size_t rows) { return std::size_t{2} * std::bit_width(rows); };
    std::vector<Range> pending{{0, keyed.size(), 0, true, splitsFor(keyed.size())}};
    while (!pending.empty()) {
        const Range range = pending.back();
        pending.pop_back();
        const std::span<Keyed> rows = keyed.subspan(range.begin, range.end - range.begin);
        if (!range.headsLoaded) {
            LoadHeads(rows, range.depth);
        }
        if (rows.size() <= kFewRows) {
            InsertionSort(rows, names);
            continue;
        }
        if (range.splits == 0) {
            std::sort(rows.begin(), rows.end(),
                      [&names](const Keyed& a, const Keyed& b) { return HeadFirst(a, b, names); });
            continue;
        }
        const auto [equalBegin, equalEnd] = PartitionOnHead(rows, PivotHead(rows));
        if (equalBegin > 1) {
            pending.push_back({range.begin, range.begin + equalBegin, range.depth, true, range.splits - 1});
        }
        if (rows.size() - equalEnd > 1) {
            pending.push_back({range.begin + equalEnd, range.end, range.depth, true, range.splits - 1});
        }
        // A key that ends inside the window and agrees with another on it is a prefix of the other, so the
        // shorter goes first; two that end alike are the same key, ordered by the name's bytes, then as
        // listed. The keys that go on are decided deeper down.
        const std::size_t window = range.depth + kHeadBytes;
        const std::span<Keyed> equal = rows.subspan(equalBegin, equalEnd - equalBegin);
        const auto goesOn = std::partition(equal.begin(), equal.end(),
                                           [window](const Keyed& row) { return row.length <= window; });
        std::sort(equal.begin(), goesOn, [&names](const Keyed& a, const Keyed& b) {
            if (a.length != b.length) {
                return a.length < b.length;
            }
            return SameKeyLess(a, b, names);
        });
        if (const auto deeper = static_cast<std::size_t>(equal.end() - goesOn); deeper > 1) {
            const std::size_t begin = range.begin + equalEnd - deeper;
            pending.push_back({begin, range.begin + equalEnd, window, false, splitsFor(deeper)});
        }
    }
}

// The natural keys of rows[first, last) in one buffer, which it returns, and their records with the heads
// at depth 0 in keyed[first, last). The buffer has room for every key at its longest; the system hands out
// its memory page by page as the keys fill it, so room never written costs nothing.
std::unique_ptr<char[]> BuildKeys(const std::vector<std::string>& names, const std::vector<std::size_t>& rows,
                                  std::size_t first, std::size_t last, std::span<Keyed> keyed) {
    std::size_t room = kHeadBytes;
    for (std::size_t k = first; k < last; ++k) {
        room += MostKeyBytes(names[rows[k]].size());
    }
    auto keys = std::make_unique_for_overwrite<char[]>(room);
    char* out = keys.get();
    for (std::size_t k = first; k < last; ++k) {
        char* const end = WriteNaturalKey(names[rows[k]], out);
        // Zeros after the key until the next one is written over them, so that its head can be read now.
        std::memset(end, 0, kHeadBytes);
        keyed[k] = {0, out, static_cast<std::uint32_t>(end - out), static_cast<std::uint32_t>(rows[k])};
        keyed[k].head = HeadAt(keyed[k], 0);
        out = end;
    }
    return keys;
}

// Moves every row to the bucket its number in `bucket` names, buckets one after another from `begins`, in
// place: a row that stands in another bucket is swapped into the next free place of its own until the row
// that comes back belongs where it stands.
void GatherBuckets(std::span<Keyed> keyed, std::vector<std::uint8_t>& bucket,
                   const std::vector<std::size_t>& begins) {
    std::vector<std::size_t> next(begins.begin(), begins.end() - 1);
    for (std::size_t piece = 0; piece < next.size(); ++piece) {
        while (next[piece] < begins[piece + 1]) {
            const std::size_t k = next[piece];
            const std::uint8_t to = bucket[k];
            if (to == piece) {
                ++next[piece];
                continue;
            }
            const std::size_t place = next[to]++;
            std::swap(keyed[k], keyed[place]);
            std::swap(bucket[k], bucket[place]);
        }
    }
}

// Sorts keyed as SortKeys does, in `pieces` parts at once: splitters drawn from a sample cut the rows into
// contiguous buckets of about equal size, each of which holds only rows that go before those of the next,
// so that sorting every bucket on its own sorts the whole.
void SortInPieces(std::span<Keyed> keyed, const std::vector<std::string>& names, std::size_t pieces,
                  const ParallelJobs& parallel) {
    // Every head holds the first bytes of its key.
    const auto less = [&names](const Keyed& a, const Keyed& b) { return HeadFirst(a, b, names); };
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
    GatherBuckets(keyed, bucket, begins);
    parallel.Run(pieces, [&](std::size_t piece) {
        SortKeys(keyed.subspan(begins[piece], begins[piece + 1] - begins[piece]), names);
    });
}

// Rows ordered by natural key, then by the bytes of the name, then as listed.
std::vector<std::size_t> NaturalRanks(const std::vector<std::string>& names, std::vector<std::size_t> rows,
                                      const ParallelJobs& parallel) {
    // At most 256 pieces, so that a row's bucket fits a byte.
    const std::size_t pieces = std::min<std::size_t>(parallel.Pieces(rows.size()), 256);
    std::vector<std::unique_ptr<char[]>> keys(pieces);
    // Each record is first written by the job that builds its key.
    const auto records = std::make_unique_for_overwrite<Keyed[]>(rows.size());
    const std::span<Keyed> keyed(records.get(), rows.size());
    parallel.RunPieces(rows.size(), pieces, [&](std::size_t piece, std::size_t begin, std::size_t end) {
        keys[piece] = BuildKeys(names, rows, begin, end, keyed);
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
