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

// The numbers from 1 that comparing the names one pair at a time gives them, ties kept as listed.
std::vector<long long> PairwiseNumbers(const std::vector<std::string>& names) {
    std::vector<std::size_t> rows(names.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return NaturalLess(names[a], names[b]); });
    std::vector<long long> numbers(names.size());
    for (std::size_t rank = 0; rank < rows.size(); ++rank) {
        numbers[rows[rank]] = static_cast<long long>(rank) + 1;
    }
    return numbers;
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
