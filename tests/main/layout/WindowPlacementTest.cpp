#include "main/layout/WindowPlacement.h"

#include "RowNames.h"

#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

struct PlacementCase {
    const char* label;
    QRect available;
    QSize window;
    QPoint topLeft;
};

class CentredOnScreenTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(CentredOnScreenTest, KeepsTheTitleBarOnTheScreen) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(layout::CentredOnScreen(c.available, c.window), c.topLeft);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Screens, CentredOnScreenTest,
    ::testing::Values(
        PlacementCase{"FitsAndIsCentred", {0, 0, 1280, 1024}, {700, 479}, {290, 272}},
        // Scale factor 2 on 1280x1024 leaves 640x512 with a panel of 30 at the top.
        PlacementCase{"WiderThanTheScreen", {0, 30, 640, 482}, {702, 479}, {0, 31}},
        PlacementCase{"TallerThanTheScreen", {0, 30, 800, 400}, {702, 510}, {49, 30}},
        PlacementCase{"LargerBothWays", {0, 30, 640, 482}, {702, 510}, {0, 30}},
        // A second screen to the right of the first, its panel on the left.
        PlacementCase{"LargerOnASecondScreen", {1328, 0, 592, 600}, {702, 700}, {1328, 0}},
        PlacementCase{"FitsOnASecondScreen", {1280, 0, 1920, 1080}, {700, 480}, {1890, 300}}),
    rownames::RowLabel());
// clang-format on

} // namespace
