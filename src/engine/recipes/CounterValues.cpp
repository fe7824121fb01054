#include "engine/recipes/CounterValues.h"

#include "engine/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <unicode/uchar.h>

namespace engine::recipes {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void AppendUtf8(std::uint32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// A key whose byte order is the natural order: letters case-folded (Unicode simple folding), and every digit
// run written as '0', the count of its significant digits in two bytes, then those digits, so that a
// shorter number sorts first and equal lengths compare digit by digit. Built once per name, so sorting
// a million names compares plain bytes.
std::string NaturalKey(std::string_view name) {
    std::string key;
    key.reserve(name.size() + 4);
    std::size_t pos = 0;
    while (pos < name.size()) {
        if (IsDigit(name[pos])) {
            std::size_t end = pos;
            while (end < name.size() && IsDigit(name[end])) {
                ++end;
            }
            std::size_t first = pos;
            while (first + 1 < end && name[first] == '0') {
                ++first;
            }
            const std::size_t digits = std::min<std::size_t>(end - first, 0xFFFF);
            key.push_back('0');
            key.push_back(static_cast<char>(digits >> 8));
            key.push_back(static_cast<char>(digits & 0xFF));
            key.append(name.substr(first, end - first));
            pos = end;
            continue;
        }
        const std::size_t length = utf8::CharLength(name, pos);
        const auto lead = static_cast<unsigned char>(name[pos]);
        if (lead < 0x80) {
            key.push_back(lead >= 'A' && lead <= 'Z' ? static_cast<char>(lead + 0x20) : name[pos]);
        } else if (length == 1) {
            key.push_back(name[pos]); // a byte that is not UTF-8 stands for itself
        } else {
            AppendUtf8(static_cast<std::uint32_t>(u_foldCase(
                           static_cast<UChar32>(utf8::CodePoint(name, pos, length)), U_FOLD_CASE_DEFAULT)),
                       key);
        }
        pos += length;
    }
    return key;
}

struct Keyed {
    std::string key;
    std::size_t row;
};

// Rows ordered by natural key, then by the bytes of the name ("a01" and "a1" share a key), then as listed.
std::vector<std::size_t> NaturalRanks(const std::vector<std::string>& names, std::vector<std::size_t> rows) {
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (const std::size_t row : rows) {
        keyed.push_back({NaturalKey(names[row]), row});
    }
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (const int c = a.key.compare(b.key); c != 0) {
            return c < 0;
        }
        if (const int c = names[a.row].compare(names[b.row]); c != 0) {
            return c < 0;
        }
        return a.row < b.row;
    });
    for (std::size_t k = 0; k < keyed.size(); ++k) {
        rows[k] = keyed[k].row;
    }
    return rows;
}

// Rows with the date first, oldest first (ties as listed); then rows without one in natural order.
std::vector<std::size_t> DateOrder(const std::vector<std::string>& names,
                                   const std::vector<const FileFacts*>& facts, bool taken) {
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
    const std::vector<std::size_t> rest = NaturalRanks(names, std::move(undated));
    dated.insert(dated.end(), rest.begin(), rest.end());
    return dated;
}

long long Saturate(__int128 value) {
    constexpr auto low = std::numeric_limits<long long>::min();
    constexpr auto high = std::numeric_limits<long long>::max();
    return value < low ? low : value > high ? high : static_cast<long long>(value);
}

} // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    if (const int c = NaturalKey(a).compare(NaturalKey(b)); c != 0) {
        return c < 0;
    }
    return a < b;
}

std::string CounterText(long long value, int width) {
    const bool negative = value < 0;
    // The magnitude of the smallest long long does not fit a long long; unsigned arithmetic holds it.
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
}

std::vector<long long> CounterValues(const Counter& counter, const std::vector<std::string>& oldNames,
                                     const std::vector<const FileFacts*>& facts) {
    std::vector<std::size_t> order;
    switch (counter.order) {
    case CounterOrder::Grid:
        order.resize(oldNames.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        break;
    case CounterOrder::Natural: {
        std::vector<std::size_t> rows(oldNames.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
        order = NaturalRanks(oldNames, std::move(rows));
        break;
    }
    case CounterOrder::Modified:
        order = DateOrder(oldNames, facts, false);
        break;
    case CounterOrder::Taken:
        order = DateOrder(oldNames, facts, true);
        break;
    }
    std::vector<long long> values(oldNames.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        values[order[rank]] =
            Saturate(static_cast<__int128>(counter.start) + static_cast<__int128>(counter.step) * rank);
    }
    return values;
}

} // namespace engine::recipes
