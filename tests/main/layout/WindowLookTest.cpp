#include "main/layout/WindowLook.h"

#include "RowNames.h"
#include "WaitUntil.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

struct FontCase {
    const char* label;
    QStringList installed;
    QString system;
    QString family;
    int pointSize;
    int pixelSize;
};

class ChooseWindowFontTest : public testing::TestWithParam<FontCase> {};

TEST_P(ChooseWindowFontTest, PrefersTheClassicFace) {
    const FontCase& row = GetParam();
    const QFont font = layout::ChooseWindowFont(row.installed, row.system);
    EXPECT_EQ(font.family(), row.family);
    EXPECT_EQ(font.pointSize(), row.pointSize);
    EXPECT_EQ(font.pixelSize(), row.pixelSize);
}

INSTANTIATE_TEST_SUITE_P(
    Families, ChooseWindowFontTest,
    testing::Values(
        FontCase{"Installed", {"DejaVu Sans", "MS Sans Serif"}, "DejaVu Sans", "MS Sans Serif", 8, -1},
        FontCase{"InstalledOtherCase", {"ms sans serif"}, "Cantarell", "MS Sans Serif", 8, -1},
        FontCase{"Missing", {"DejaVu Sans", "Microsoft Sans Serif"}, "Cantarell", "Cantarell", -1, 11},
        FontCase{"NoSystemFace", {}, "", "Sans Serif", -1, 11}),
    rownames::RowLabel());

class GridLookTest : public testing::Test {
protected:
    GridLookTest() : model_(40, 2) {
        window_.resize(400, 300);
        layout::ApplyWindowLook(&window_);
        grid_ = new QTableView(&window_);
        grid_->setModel(&model_);
        grid_->setGeometry(0, 30, 330, 200);
        // Somewhere for Tab to go.
        (new QPushButton("after", &window_))->setGeometry(0, 240, 100, 20);
        layout::ApplyGridLook(grid_);
        grid_->setColumnWidth(0, 147);
        grid_->setColumnWidth(1, 147);
        window_.show();
        window_.activateWindow();
        QCoreApplication::processEvents();
    }

    QStandardItemModel model_;
    QWidget window_;
    QTableView* grid_;
};

TEST_F(GridLookTest, RowsAreFifteenPixelsAndOnlyScrollVertically) {
    EXPECT_FALSE(grid_->verticalHeader()->isVisible());
    EXPECT_EQ(grid_->rowHeight(39), 15);
    EXPECT_EQ(grid_->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(grid_->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(grid_->verticalScrollBar()->isVisible());
    EXPECT_TRUE(grid_->verticalScrollBar()->hasTracking());
}

TEST_F(GridLookTest, TabLeavesTheGridEnteredByTheMouse) {
    // Tab leaves the grid instead of walking its cells.
    grid_->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(WaitUntil([this] { return grid_->hasFocus(); }));
    QTest::keyClick(grid_, Qt::Key_Tab);
    EXPECT_TRUE(WaitUntil([this] { return !grid_->hasFocus(); }));
}

// Column lines run through every row; no line separates two ordinary rows.
TEST_F(GridLookTest, DrawsColumnLinesButNoRowLines) {
    const QImage image = grid_->viewport()->grab().toImage();
    const QColor background = image.pixelColor(60, 7);
    const QColor line = image.pixelColor(146, 7);
    EXPECT_NE(line, background);
    for (int y : {3, 14, 15, 29, 30, 100})
        EXPECT_EQ(image.pixelColor(146, y), line) << "column line at y " << y;
    for (int y : {14, 15, 29, 30, 44})
        EXPECT_EQ(image.pixelColor(60, y), background) << "row boundary at y " << y;
    const int lastLine = grid_->columnViewportPosition(1) + grid_->columnWidth(1) - 1;
    ASSERT_LT(lastLine, image.width());
    EXPECT_EQ(image.pixelColor(lastLine, 40), line);
}

} // namespace
