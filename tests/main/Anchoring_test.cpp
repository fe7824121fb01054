#include "main/Anchoring.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

using layout::Anchor;
using layout::AnchoredGeometry;

const QSize kDesign{700, 479};

struct AnchorCase {
    const char* name;
    Anchor anchor;
    QRect design;
    QSize parent;
    QRect expected;
};

void PrintTo(const AnchorCase& row, std::ostream* out) {
    *out << row.name;
}

class AnchoredGeometryTest : public testing::TestWithParam<AnchorCase> {};

TEST_P(AnchoredGeometryTest, PlacesControlForNewParentSize) {
    const AnchorCase& row = GetParam();
    EXPECT_EQ(AnchoredGeometry(row.anchor, row.design, kDesign, row.parent), row.expected);
}

// Controls of the main window and of the information panel at the design size, 100 pixels wider and
// 100 pixels taller.
INSTANTIATE_TEST_SUITE_P(
    WindowControls, AnchoredGeometryTest,
    testing::Values(
        AnchorCase{
            "TopRightWiderMovesRight", Anchor::TopRight, {564, 216, 77, 13}, {800, 479}, {664, 216, 77, 13}},
        AnchorCase{
            "TopRightTallerStays", Anchor::TopRight, {564, 216, 77, 13}, {700, 579}, {564, 216, 77, 13}},
        AnchorCase{
            "LeftTopWiderAndTallerStays", Anchor::LeftTop, {8, 8, 425, 145}, {800, 579}, {8, 8, 425, 145}},
        AnchorCase{
            "AllEdgesWiderStretches", Anchor::AllEdges, {8, 160, 522, 270}, {800, 479}, {8, 160, 622, 270}},
        AnchorCase{
            "AllEdgesTallerStretches", Anchor::AllEdges, {8, 160, 522, 270}, {700, 579}, {8, 160, 522, 370}},
        AnchorCase{"AllEdgesNeverNegative", Anchor::AllEdges, {65, 88, 569, 337}, {100, 100}, {65, 88, 0, 0}},
        AnchorCase{"BottomOnlyAtDesignSize",
                   Anchor::BottomOnly,
                   {194, 432, 311, 41},
                   {700, 479},
                   {194, 432, 311, 41}},
        AnchorCase{"BottomOnlyTallerMovesDown",
                   Anchor::BottomOnly,
                   {194, 432, 311, 41},
                   {700, 579},
                   {194, 532, 311, 41}},
        // Centre 349 x 800 / 700 = 398.86, so 399 - 155.
        AnchorCase{"BottomOnlyWiderKeepsCentre",
                   Anchor::BottomOnly,
                   {194, 432, 311, 41},
                   {800, 479},
                   {244, 432, 311, 41}},
        AnchorCase{
            "TopOnlyAtDesignSize", Anchor::TopOnly, {172, 24, 356, 41}, {700, 479}, {172, 24, 356, 41}},
        AnchorCase{
            "TopOnlyWiderKeepsCentre", Anchor::TopOnly, {172, 24, 356, 41}, {800, 479}, {222, 24, 356, 41}},
        // Centre 488 x 800 / 700 = 557.71, so 558 - 40.
        AnchorCase{"TopOnlyRoundsUp", Anchor::TopOnly, {448, 24, 80, 25}, {800, 479}, {518, 24, 80, 25}},
        // Centre 349 x 710 / 700 = 353.99, so 354 - 37; and 349 x 1000 / 700 = 498.57, so 499 - 37.
        AnchorCase{
            "BottomOnlyDoneButton", Anchor::BottomOnly, {312, 440, 75, 25}, {710, 500}, {317, 461, 75, 25}},
        AnchorCase{"BottomOnlyDoneButtonWide",
                   Anchor::BottomOnly,
                   {312, 440, 75, 25},
                   {1000, 479},
                   {462, 440, 75, 25}},
        AnchorCase{"TopOnlyTallerStays", Anchor::TopOnly, {448, 24, 80, 25}, {700, 979}, {448, 24, 80, 25}},
        AnchorCase{"FillCoversParent", Anchor::Fill, {0, 0, 700, 479}, {812, 590}, {0, 0, 812, 590}}),
    [](const testing::TestParamInfo<AnchorCase>& info) { return std::string(info.param.name); });

struct CentreCase {
    int left, width, designWidth, newWidth, expected;
};

class CentredLeftTest : public testing::TestWithParam<CentreCase> {};

TEST_P(CentredLeftTest, RoundsTheCentreToTheNearestPixel) {
    const CentreCase& row = GetParam();
    EXPECT_EQ(layout::CentredLeft(row.left, row.width, row.designWidth, row.newWidth), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, CentredLeftTest,
    testing::Values(CentreCase{0, 2, 2, 3, 1},      // centre 1.5 goes up to 2
                    CentreCase{0, 4, 4, 5, 1},      // centre 2.5 goes up to 3, minus 2
                    CentreCase{0, 6, 6, 5, 0},      // centre 2.5 again, from a narrower parent
                    CentreCase{10, 3, 30, 20, 6},   // odd width: centre 11 -> 7.33 -> 7, minus 1 (3 div 2)
                    CentreCase{10, 21, 100, 50, 0}, // centre 20 -> 10, minus 10
                    CentreCase{5, 10, 0, 50, 5},    // no design width: stays where it was
                    CentreCase{100000, 2, 200000, 400000, 200001}));

TEST(Anchoring, DerivesEveryPlaceFromTheDesignSoResizingDoesNotDrift) {
    QWidget parent;
    parent.resize(700, 479);
    auto* centred = new QWidget(&parent);
    centred->setGeometry(194, 432, 311, 41);
    auto* stretched = new QWidget(&parent);
    stretched->setGeometry(8, 160, 522, 270);
    layout::Anchoring anchoring(kDesign);
    anchoring.Add(centred, Anchor::BottomOnly);
    anchoring.Add(stretched, Anchor::AllEdges);

    for (const QSize size : {QSize(703, 479), QSize(709, 481), QSize(1013, 777), QSize(705, 500)})
        anchoring.Apply(size);
    anchoring.Apply({800, 579});
    EXPECT_EQ(centred->geometry(), QRect(244, 532, 311, 41));
    EXPECT_EQ(stretched->geometry(), QRect(8, 160, 622, 370));

    anchoring.Apply(kDesign);
    EXPECT_EQ(centred->geometry(), QRect(194, 432, 311, 41));
    EXPECT_EQ(stretched->geometry(), QRect(8, 160, 522, 270));
}

TEST(Anchoring, SkipsControlsThatNoLongerExist) {
    QWidget parent;
    auto gone = std::make_unique<QWidget>(&parent);
    gone->setGeometry(564, 216, 77, 13);
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
