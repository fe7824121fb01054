// The order of a batch's renames: chains in any listing order, cycles left alone.

#include "engine/recipes/RenameOrder.h"

#include "RowNames.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using rownames::PrintTo;

using engine::recipes::OrderRenames;
using engine::recipes::RenameOrder;

struct OrderCase {
    const char* label;
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    std::vector<std::size_t> cycles;
    std::vector<std::size_t> blocked;
};

class RenameOrders : public testing::TestWithParam<OrderCase> {};

// Carries the renames out on a set of names as the batch would, never overwriting, and checks that every
// ordered row succeeds and every row appears once.
TEST_P(RenameOrders, RenameWithoutOverwriting) {
    const OrderCase& c = GetParam();
    const RenameOrder order = OrderRenames(c.oldNames, c.newNames);
    EXPECT_EQ(order.cycles, c.cycles);
    EXPECT_EQ(order.blocked, c.blocked);

    std::set<std::string> folder(c.oldNames.begin(), c.oldNames.end());
    folder.insert("untouched"); // a file of the folder outside the batch
    std::set<std::size_t> seen(order.cycles.begin(), order.cycles.end());
    seen.insert(order.blocked.begin(), order.blocked.end());
    for (const std::size_t row : order.order) {
        EXPECT_TRUE(seen.insert(row).second) << "row " << row << " twice";
        EXPECT_FALSE(folder.contains(c.newNames[row]))
            << "row " << row << " would overwrite " << c.newNames[row];
        folder.erase(c.oldNames[row]);
        folder.insert(c.newNames[row]);
    }
    for (std::size_t row = 0; row < c.oldNames.size(); ++row) {
        if (c.oldNames[row] != c.newNames[row]) {
            EXPECT_TRUE(seen.contains(row)) << "row " << row << " left out";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Batches, RenameOrders,
    testing::Values(
        OrderCase{"Independent", {"a", "b"}, {"x", "y"}, {}, {}},
        OrderCase{"ChainListedForwards", {"a", "b", "c"}, {"b", "c", "d"}, {}, {}},
        OrderCase{"ChainListedBackwards", {"c", "b", "a"}, {"d", "c", "b"}, {}, {}},
        OrderCase{"ChainListedShuffled", {"b", "d", "a", "c"}, {"c", "e", "b", "d"}, {}, {}},
        OrderCase{"TwoChainsJoinedByOrder", {"a1", "a2", "b1", "b2"}, {"a2", "a3", "b2", "b3"}, {}, {}},
        OrderCase{"Swap", {"a", "b"}, {"b", "a"}, {0, 1}, {}},
        OrderCase{"ThreeCycleBesideFreeRow", {"a", "x", "b", "c"}, {"b", "y", "c", "a"}, {0, 2, 3}, {}},
        OrderCase{"ChainEndingOutsideShuffled", {"c", "a", "b", "d"}, {"a", "b", "a2", "c"}, {}, {}},
        OrderCase{"UnchangedRowIsNoWork", {"a", "b"}, {"a", "c"}, {}, {}}),
    rownames::RowLabel());

TEST(RenameOrder, RowsWaitingOnACycleAreBlockedWhicheverComesFirst) {
    // t wants a's name, and a and b swap: t can never go.
    for (const bool tailFirst : {true, false}) {
        const std::vector<std::string> oldNames =
            tailFirst ? std::vector<std::string>{"t", "a", "b"} : std::vector<std::string>{"a", "b", "t"};
        const std::vector<std::string> newNames =
            tailFirst ? std::vector<std::string>{"a", "b", "a"} : std::vector<std::string>{"b", "a", "a"};
        const RenameOrder order = OrderRenames(oldNames, newNames);
        EXPECT_TRUE(order.order.empty());
        EXPECT_EQ(order.cycles,
                  tailFirst ? (std::vector<std::size_t>{1, 2}) : (std::vector<std::size_t>{0, 1}));
        EXPECT_EQ(order.blocked, tailFirst ? (std::vector<std::size_t>{0}) : (std::vector<std::size_t>{2}));
    }
}

TEST(RenameOrder, LongChainInReverseListing) {
    constexpr std::size_t kLength = 100000;
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    for (std::size_t k = kLength; k-- > 0;) {
        oldNames.push_back("f" + std::to_string(k));
        newNames.push_back("f" + std::to_string(k + 1));
    }
    const RenameOrder order = OrderRenames(oldNames, newNames);
    ASSERT_EQ(order.order.size(), kLength);
    EXPECT_EQ(order.order.front(), 0u); // the file at the end of the chain moves first
    EXPECT_EQ(order.order.back(), kLength - 1);
}

} // namespace
