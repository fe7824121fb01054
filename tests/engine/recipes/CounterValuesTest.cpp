// The counter's orders: which row gets which number.

#include "engine/recipes/CounterValues.h"

#include "RowNames.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using rownames::PrintTo;

using namespace engine::recipes;

struct OrderCase {
    const char* label;
    std::vector<std::string> names;
    std::vector<long long> expected; // counter values with start 1, step 1
};

class NaturalOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(NaturalOrder, NumbersRowsByName) {
    const Counter counter{1, 1, 1, CounterOrder::Natural};
    EXPECT_EQ(CounterValues(counter, GetParam().names, {}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NaturalOrder,
    testing::Values(
        OrderCase{"DigitRunsAsNumbers", {"a10", "a2", "a1"}, {3, 2, 1}},
        OrderCase{"LettersWithoutRegardToCase", {"b", "A", "a", "B"}, {4, 1, 2, 3}},
        OrderCase{"LeadingZerosTieThenBytes", {"a1", "a01", "a001"}, {3, 2, 1}},
        OrderCase{"NumberLongerThanLongLong", {"x100000000000000000000001", "x99999999999999999999"}, {2, 1}},
        OrderCase{"DigitsBeforeLetters", {"a-b", "1", "a"}, {3, 1, 2}},
        OrderCase{"SeveralRuns", {"v1.10.txt", "v1.9.txt", "v1.10.2.txt"}, {3, 1, 2}},
        OrderCase{"AccentedCapitalFolds", {"Éb", "éa"}, {2, 1}},
        OrderCase{"SameNameTwiceKeepsListing", {"x", "x"}, {1, 2}},
        OrderCase{"BadBytesDoNotStopOrdering", {"b\xFF", "a\xFF", "a"}, {3, 2, 1}}),
    rownames::RowLabel());

// `count` names, each one of the stems followed by one to `mostParts` of the tails, drawn at random.
std::vector<std::string> StemsAndTails(const std::vector<std::string>& stems,
                                       const std::vector<std::string>& tails, int count, int mostParts,
                                       unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> stem(0, stems.size() - 1);
    std::uniform_int_distribution<std::size_t> tail(0, tails.size() - 1);
    std::uniform_int_distribution<int> parts(1, mostParts);
    std::vector<std::string> names;
    for (int k = 0; k < count; ++k) {
        std::string name = stems[stem(random)];
        for (int p = parts(random); p > 0; --p) {
            name += tails[tail(random)];
        }
        names.push_back(std::move(name));
    }
    return names;
}

// The numbers from 1 that comparing the names one pair at a time by `less` gives them, ties kept as listed.
template <typename Less>
std::vector<long long> NumbersInOrder(const std::vector<std::string>& names, Less less) {
    std::vector<std::size_t> rows(names.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return less(names[a], names[b]); });
    std::vector<long long> numbers(names.size());
    for (std::size_t rank = 0; rank < rows.size(); ++rank) {
        numbers[rows[rank]] = static_cast<long long>(rank) + 1;
    }
    return numbers;
}

// The numbers from 1 that comparing the names one pair at a time gives them, ties kept as listed.
std::vector<long long> PairwiseNumbers(const std::vector<std::string>& names) {
    return NumbersInOrder(names, NaturalLess);
}

// Long names that agree on their first bytes, differ in case, in digit runs and in length: the sort of
// a folder, which works on eight bytes of each key at a time, agrees with comparing names one pair at a
// time, ties kept as listed.
TEST(NaturalOrderAtLength, AgreesWithPairwiseComparison) {
    const std::vector<std::string> stems{"Track ", "track ", "TRACK 0", "Track 00", "Trackér ", "Track ", ""};
    const std::vector<std::string> tails{"",    "1",      "01", "9",    "10",      "a",
                                         "A b", " 2 - x", "ß",  "\xFF", "12345678"};
    const std::vector<std::string> names = StemsAndTails(stems, tails, 3000, 5, 1234);
    EXPECT_EQ(CounterValues({1, 1, 1, CounterOrder::Natural}, names, {}), PairwiseNumbers(names));
}

// A large folder, sorted in long runs of rows that agree on their first eight bytes and again deeper down,
// where long names share a beginning that differs only in case: the numbers agree with comparing names
// one pair at a time, ties kept as listed.
TEST(NaturalOrderAtLength, ALargeFolderAgreesWithPairwiseComparison) {
    const std::vector<std::string> stems{"Holiday in the mountains 2026 - ",
                                         "HOLIDAY IN THE MOUNTAINS 2026 - ",
                                         "Holiday in the mountains 2026 -",
                                         "IMG_",
                                         "img_",
                                         ""};
    const std::vector<std::string> tails{"",  "1", "01", "9",    "10",         "0042",
                                         "a", "B", "é",  "\xFF", "12345678901"};
    const std::vector<std::string> names = StemsAndTails(stems, tails, 60000, 4, 4321);
    EXPECT_EQ(CounterValues({1, 1, 1, CounterOrder::Natural}, names, {}), PairwiseNumbers(names));
}

// Names of a large folder, with the ties that decide deep in the order: the same key in other bytes
// ("a01", "a1", "A1"), the very same name twice, digit runs of every length, case and accents.
std::vector<std::string> VariedNames(std::size_t count) {
    const std::vector<std::string> parts{"a", "A",    "01", "1",   "10", " - ", "é",     "É",
                                         "ß", "\xFF", "0",  "007", "",   "b",   "track", "99999999999"};
    std::mt19937 random(99);
    std::uniform_int_distribution<std::size_t> part(0, parts.size() - 1);
    std::uniform_int_distribution<int> length(1, 6);
    std::vector<std::string> names;
    for (std::size_t k = 0; k < count; ++k) {
        if (k % 17 == 5) {
            names.push_back(names[k / 2]); // a name listed twice
            continue;
        }
        std::string name;
        for (int p = length(random); p > 0; --p) {
            name += parts[part(random)];
        }
        names.push_back(std::move(name));
    }
    return names;
}

// Jobs on threads of their own, as the window and the command line run them.
ParallelJobs OnThreads(std::size_t width) {
    ParallelJobs jobs;
    jobs.width = width;
    jobs.smallest = 1;
    jobs.run = [](std::size_t count, const std::function<void(std::size_t)>& job) {
        std::vector<std::thread> threads;
        for (std::size_t k = 0; k < count; ++k) {
            threads.emplace_back(job, k);
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
    };
    return jobs;
}

struct PiecesCase {
    const char* label;
    std::size_t names;
    std::size_t width;
};

void PrintTo(const PiecesCase& row, std::ostream* out) {
    *out << row.label;
}

class NaturalOrderInPieces : public testing::TestWithParam<PiecesCase> {};

// Sorted in pieces at once, the names get the very numbers that one thread gives them.
TEST_P(NaturalOrderInPieces, NumbersAsOneThreadDoes) {
    const std::vector<std::string> names = VariedNames(GetParam().names);
    for (const CounterOrder order : {CounterOrder::Natural, CounterOrder::Modified}) {
        const Counter counter{5, 3, 1, order};
        EXPECT_EQ(CounterValues(counter, names, {}, OnThreads(GetParam().width)),
                  CounterValues(counter, names, {}))
            << "order " << static_cast<int>(order);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, NaturalOrderInPieces,
                         testing::Values(PiecesCase{"TwoPieces", 5000, 2}, PiecesCase{"SevenPieces", 5000, 7},
                                         PiecesCase{"MorePiecesThanSamples", 300, 64},
                                         PiecesCase{"OneNamePerPiece", 5, 8}, PiecesCase{"NoNames", 0, 4}),
                         [](const auto& info) { return std::string(info.param.label); });

// The natural order of two names worked out a character at a time, without a key, for names whose only
// letters beyond ASCII are É, é and ß (É taken as é) and whose other bytes above 0x7F stand for themselves:
// two digit runs compare by their significant digits, fewer first, then digit by digit, and go on when
// equal; a digit run against any other character compares as a '0'; other bytes compare with A to Z
// made small; a name that ends first goes first. Names equal in that order compare by their bytes.
bool ReferenceLess(std::string a, std::string b) {
    const auto foldAccent = [](std::string& name) {
        for (std::size_t at = name.find("\xC3\x89"); at != std::string::npos;
             at = name.find("\xC3\x89", at)) {
            name[at + 1] = '\xA9';
        }
    };
    const std::string rawA = a;
    const std::string rawB = b;
    foldAccent(a);
    foldAccent(b);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto runEnd = [&](const std::string& name, std::size_t pos) {
        while (pos < name.size() && isDigit(name[pos])) {
            ++pos;
        }
        return pos;
    };
    const auto significant = [](std::string_view run) {
        while (run.size() > 1 && run.front() == '0') {
            run.remove_prefix(1);
        }
        return run;
    };
    const auto folded = [&](char c) -> unsigned char {
        if (isDigit(c)) {
            return '0';
        }
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::size_t endA = runEnd(a, i);
            const std::size_t endB = runEnd(b, j);
            const std::string_view runA = significant(std::string_view(a).substr(i, endA - i));
            const std::string_view runB = significant(std::string_view(b).substr(j, endB - j));
            if (runA.size() != runB.size()) {
                return runA.size() < runB.size();
            }
            if (runA != runB) {
                return runA < runB;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (folded(a[i]) != folded(b[j])) {
            return folded(a[i]) < folded(b[j]);
        }
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j) {
        return i == a.size();
    }
    return rawA < rawB;
}

// Names that put every kind of byte at every place of the eight and sixteen bytes the sort reads at once:
// single bytes either side of A to Z, a to z and the digits, NUL among them; digit runs with leading zeros
// and longer than sixteen bytes; letters beyond ASCII and bytes that are not UTF-8; long shared beginnings
// in other case; the same name twice and names equal to another but for case.
std::vector<std::string> NamesOfEveryByte(std::size_t count, unsigned seed) {
    std::vector<std::string> parts{"00", "09", "0042", "10", "é", "É", "ß", "\xFF", "\xC3", ""};
    parts.insert(parts.end(), {"123456789012345678901234567890", "Holiday Photos ", "HOLIDAY photos "});
    for (const char c :
         {'a', 'Z', 'm', 'M', '@', '[', '`', '{', '/', ':', '~', '\x7F', ' ', '\x01', '\0', '0', '7', '9'}) {
        parts.emplace_back(1, c);
    }
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> part(0, parts.size() - 1);
    std::uniform_int_distribution<int> length(0, 14);
    std::vector<std::string> names;
    for (std::size_t k = 0; k < count; ++k) {
        if (k % 13 == 7) {
            names.push_back(names[random() % k]);
            continue;
        }
        std::string name = k % 3 == 0 ? "Holiday Photos 2026 - " : "";
        for (int p = length(random); p > 0; --p) {
            name += parts[part(random)];
        }
        if (k % 11 == 4) {
            name = names[random() % k];
            std::transform(name.begin(), name.end(), name.begin(), [](char c) {
                return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
            });
        }
        names.push_back(std::move(name));
    }
    return names;
}

class NaturalOrderOfEveryByte : public testing::TestWithParam<PiecesCase> {};

// The sort, which reads keys many bytes at a time and splits rows three ways on them, numbers the names
// as comparing them a character at a time does, ties kept as listed, on one thread or in pieces.
TEST_P(NaturalOrderOfEveryByte, AgreesWithCharacterByCharacterComparison) {
    const std::vector<std::string> names = NamesOfEveryByte(GetParam().names, 2026);
    const ParallelJobs jobs = GetParam().width > 1 ? OnThreads(GetParam().width) : ParallelJobs{};
    EXPECT_EQ(CounterValues({1, 1, 1, CounterOrder::Natural}, names, {}, jobs),
              NumbersInOrder(names, ReferenceLess));
}

INSTANTIATE_TEST_SUITE_P(Widths, NaturalOrderOfEveryByte,
                         testing::Values(PiecesCase{"OneThread", 20000, 1},
                                         PiecesCase{"ThreePieces", 20000, 3}, PiecesCase{"FewNames", 40, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

FileFacts Dated(std::optional<WallTime> taken, std::optional<WallTime> modified) {
    FileFacts facts;
    facts.taken = taken;
    facts.modified = modified;
    return facts;
}

TEST(CounterOrders, ByDateOldestFirstUndatedLastByName) {
    const std::vector<std::string> names{"z.jpg", "b10.jpg", "late.jpg", "b9.jpg", "early.jpg", "same.jpg"};
    const std::vector<FileFacts> facts{
        Dated(WallTime{2024, 5, 1, 12, 0, 0}, WallTime{2020, 1, 1, 0, 0, 0}),
        Dated(std::nullopt, WallTime{2030, 1, 1, 0, 0, 0}),
        Dated(WallTime{2024, 5, 1, 12, 0, 1}, WallTime{2019, 1, 1, 0, 0, 0}),
        Dated(std::nullopt, std::nullopt),
        Dated(WallTime{2023, 12, 31, 23, 59, 59}, std::nullopt),
        Dated(WallTime{2024, 5, 1, 12, 0, 0}, WallTime{2020, 1, 1, 0, 0, 0}),
    };
    std::vector<const FileFacts*> pointers;
    for (const FileFacts& f : facts) {
        pointers.push_back(&f);
    }
    // Taken: early, then z and same at the same second (as listed), late, then b9 and b10 by name.
    EXPECT_EQ(CounterValues({1, 1, 1, CounterOrder::Taken}, names, pointers),
              (std::vector<long long>{2, 6, 4, 5, 1, 3}));
    // Modified: late (2019), z and same (2020), b10 (2030), then b9 and early without a date, by name.
    EXPECT_EQ(CounterValues({1, 1, 1, CounterOrder::Modified}, names, pointers),
              (std::vector<long long>{2, 4, 1, 5, 6, 3}));
    // Without facts every file lacks the date: natural order.
    EXPECT_EQ(CounterValues({1, 1, 1, CounterOrder::Taken}, names, {}),
              (std::vector<long long>{6, 2, 4, 1, 3, 5}));
}

TEST(CounterOrders, GridStartStepAndLimits) {
    const std::vector<std::string> names{"c", "a", "b"};
    EXPECT_EQ(CounterValues({10, -3, 1, CounterOrder::Grid}, names, {}), (std::vector<long long>{10, 7, 4}));
    constexpr long long kMax = std::numeric_limits<long long>::max();
    EXPECT_EQ(CounterValues({kMax - 1, kMax, 1, CounterOrder::Grid}, names, {}),
              (std::vector<long long>{kMax - 1, kMax, kMax}));
}

TEST(CounterText, PadsDigitsNotTheSign) {
    EXPECT_EQ(CounterText(7, 3), "007");
    EXPECT_EQ(CounterText(1234, 2), "1234");
    EXPECT_EQ(CounterText(-7, 3), "-007");
    EXPECT_EQ(CounterText(std::numeric_limits<long long>::min(), 1), "-9223372036854775808");
}

} // namespace
