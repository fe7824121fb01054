#include "main/layout/Anchoring.h"

#include "RowNames.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

using rownames::PrintTo;

using layout::Anchor;
using layout::AnchoredGeometry;

const QSize kDesign{700, 479};

struct AnchorCase {
    const char* label;
    Anchor anchor;
    QRect design;
    QSize parent;
    QRect expected;
};

class AnchoredGeometryTest : public testing::TestWithParam<AnchorCase> {};

TEST_P(AnchoredGeometryTest, PlacesControlForNewParentSize) {
    const AnchorCase& row = GetParam();
    EXPECT_EQ(AnchoredGeometry(row.anchor, row.design, kDesign, row.parent), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WindowControls, AnchoredGeometryTest,
    testing::Values(
        AnchorCase{"TopRightWider", Anchor::TopRight, {564, 216, 77, 13}, {800, 479}, {664, 216, 77, 13}},
        AnchorCase{"TopRightTaller", Anchor::TopRight, {564, 216, 77, 13}, {700, 579}, {564, 216, 77, 13}},
        AnchorCase{"LeftTopStays", Anchor::LeftTop, {8, 8, 425, 145}, {800, 579}, {8, 8, 425, 145}},
        AnchorCase{"AllEdges", Anchor::AllEdges, {8, 160, 522, 270}, {800, 579}, {8, 160, 622, 370}},
        AnchorCase{"NeverNegative", Anchor::AllEdges, {65, 88, 569, 337}, {100, 100}, {65, 88, 0, 0}},
        // Centre 349 x 800 / 700 = 398.86, so 399 - 155; the bottom distance is kept.
        AnchorCase{"BottomOnly", Anchor::BottomOnly, {194, 432, 311, 41}, {800, 579}, {244, 532, 311, 41}},
        // Centre 488 x 800 / 700 = 557.71, so 558 - 40; the top stays.
        AnchorCase{"TopOnly", Anchor::TopOnly, {448, 24, 80, 25}, {800, 979}, {518, 24, 80, 25}},
        AnchorCase{"Fill", Anchor::Fill, {0, 0, 700, 479}, {812, 590}, {0, 0, 812, 590}}),
    rownames::RowLabel());
// clang-format on

struct CentreCase {
    const char* label;
    int left, width, designWidth, newWidth, expected;
};

class CentredLeftTest : public testing::TestWithParam<CentreCase> {};

TEST_P(CentredLeftTest, RoundsTheCentreToTheNearestPixel) {
    const CentreCase& row = GetParam();
    EXPECT_EQ(layout::CentredLeft(row.left, row.width, row.designWidth, row.newWidth), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, CentredLeftTest,
    testing::Values(CentreCase{"HalfGoesUp", 0, 4, 4, 5, 1},      // centre 2.5 goes up to 3, minus 2
                    CentreCase{"OddWidth", 10, 3, 30, 20, 6},     // centre 11 -> 7.33 -> 7, minus 1 (3 div 2)
                    CentreCase{"NoDesignWidth", 5, 10, 0, 50, 5}, // stays where it was
                    CentreCase{"LargeWindow", 100000, 2, 200000, 400000, 200001}),
    rownames::RowLabel());

TEST(Anchoring, SkipsControlsThatNoLongerExist) {
    QWidget parent;
    auto gone = std::make_unique<QWidget>(&parent);
    auto* kept = new QWidget(&parent);
    kept->setGeometry(564, 112, 40, 13);
    layout::Anchoring anchoring(kDesign);
    anchoring.Add(gone.get(), Anchor::TopRight);
    anchoring.Add(kept, Anchor::TopRight);

    gone.reset();
    anchoring.Apply({800, 479});
    EXPECT_EQ(kept->geometry(), QRect(664, 112, 40, 13));
}

} // namespace
