// The main window's layout: every control at its place at the design size and after the window has
// grown, the smallest size, the columns, the centred decorations, the keyboard order, the look and the
// information panel inside the window.
#include "FormFixture.h"
#include "main/InfoPanel.h"
#include "main/WindowLook.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <ostream>

namespace {

namespace info = layout::info_names;

// A label is as wide as its caption in the window's font; its row gives -1 as its width.
constexpr int kCaptionWidth = -1;
// A radio button with free room to its right is at least as wide as its caption needs; its row gives -2.
constexpr int kRadioWidth = -2;

struct PlaceRow {
    const char* name;
    QRect design;
    QRect wider;  // the window 100 pixels wider
    QRect taller; // the window 100 pixels taller
};

const PlaceRow kPlaces[] = {
    {names::Label1,
     {564, 216, kCaptionWidth, 13},
     {664, 216, kCaptionWidth, 13},
     {564, 216, kCaptionWidth, 13}},
    {names::Label2,
     {564, 112, kCaptionWidth, 13},
     {664, 112, kCaptionWidth, 13},
     {564, 112, kCaptionWidth, 13}},
    {names::Label3,
     {564, 152, kCaptionWidth, 13},
     {664, 152, kCaptionWidth, 13},
     {564, 152, kCaptionWidth, 13}},
    {names::Label4,
     {564, 280, kCaptionWidth, 13},
     {664, 280, kCaptionWidth, 13},
     {564, 280, kCaptionWidth, 13}},
    {names::Label5,
     {564, 320, kCaptionWidth, 13},
     {664, 320, kCaptionWidth, 13},
     {564, 320, kCaptionWidth, 13}},
    {names::Label6,
     {564, 360, kCaptionWidth, 13},
     {664, 360, kCaptionWidth, 13},
     {564, 360, kCaptionWidth, 13}},
    // Centred between the tree (ending at 433) and the first radio button: 433 + gap div 2 - 40.
    {names::imgBlob, {446, 61, 80, 80}, {496, 61, 80, 80}, {446, 61, 80, 80}},
    {names::shlDir, {8, 8, 425, 145}, {8, 8, 425, 145}, {8, 8, 425, 145}},
    {names::memHid, {464, 24, 65, 33}, {464, 24, 65, 33}, {464, 24, 65, 33}},
    {names::grdNames, {8, 160, 522, 270}, {8, 160, 622, 270}, {8, 160, 522, 370}},
    {names::rdbRenamer, {540, 16, kRadioWidth, 17}, {640, 16, kRadioWidth, 17}, {540, 16, kRadioWidth, 17}},
    {names::rdbReplacer, {540, 96, kRadioWidth, 17}, {640, 96, kRadioWidth, 17}, {540, 96, kRadioWidth, 17}},
    {names::rdbDeleter,
     {540, 200, kRadioWidth, 17},
     {640, 200, kRadioWidth, 17},
     {540, 200, kRadioWidth, 17}},
    {names::edtDelete, {564, 232, 121, 21}, {664, 232, 121, 21}, {564, 232, 121, 21}},
    {names::rdbManual, {540, 72, 62, 17}, {640, 72, 62, 17}, {540, 72, 62, 17}},
    {names::btnCopyOver, {600, 72, 61, 17}, {700, 72, 61, 17}, {600, 72, 61, 17}},
    {names::edtReplace, {564, 128, 121, 21}, {664, 128, 121, 21}, {564, 128, 121, 21}},
    {names::edtWith, {564, 168, 121, 21}, {664, 168, 121, 21}, {564, 168, 121, 21}},
    {names::rdbAdd, {540, 264, kRadioWidth, 17}, {640, 264, kRadioWidth, 17}, {540, 264, kRadioWidth, 17}},
    {names::edtBeg, {564, 296, 121, 21}, {664, 296, 121, 21}, {564, 296, 121, 21}},
    {names::edtEnd, {564, 336, 121, 21}, {664, 336, 121, 21}, {564, 336, 121, 21}},
    {names::edtPos, {564, 376, 25, 21}, {664, 376, 25, 21}, {564, 376, 25, 21}},
    {names::edtAfter, {596, 376, 89, 21}, {696, 376, 89, 21}, {596, 376, 89, 21}},
    {names::btnCopy, {556, 40, 49, 17}, {656, 40, 49, 17}, {556, 40, 49, 17}},
    {names::btnPaste, {612, 40, 49, 17}, {712, 40, 49, 17}, {612, 40, 49, 17}},
    // Centre 349 of 700 stays at the same share of the width: 349 x 800 / 700 = 398.86, so 399 - 155.
    {names::Panel1, {194, 432, 311, 41}, {244, 432, 311, 41}, {194, 532, 311, 41}},
    {names::btnRefresh, {6, 8, 75, 25}, {6, 8, 75, 25}, {6, 8, 75, 25}},
    {names::btnView, {118, 8, 75, 25}, {118, 8, 75, 25}, {118, 8, 75, 25}},
    {names::btnGo, {230, 8, 75, 25}, {230, 8, 75, 25}, {230, 8, 75, 25}},
    {names::btnHelp, {446, 24, 80, 25}, {496, 24, 80, 25}, {446, 24, 80, 25}},
    {info::pnlInfo, {0, 0, 700, 479}, {0, 0, 800, 479}, {0, 0, 700, 579}},
};

class FormLayout : public FormTest {
protected:
    // Resizes the window and waits until the layout has followed.
    void ResizeTo(const QSize& size) {
        form_->resize(size);
        EXPECT_TRUE(WaitUntil([&] { return form_->size() == size; }));
        QCoreApplication::processEvents();
    }

    void ExpectPlaces(QRect PlaceRow::*column) {
        for (const PlaceRow& row : kPlaces) {
            SCOPED_TRACE(row.name);
            const QWidget* control = Find(row.name);
            ASSERT_NE(control, nullptr);
            QRect expected = row.*column;
            if (expected.width() == kCaptionWidth) {
                const auto* label = qobject_cast<const QLabel*>(control);
                ASSERT_NE(label, nullptr);
                expected.setWidth(label->fontMetrics().horizontalAdvance(label->text()));
            } else if (expected.width() == kRadioWidth) {
                // As wide as the design gives it, or wider where the caption needs more room.
                expected.setWidth(std::max(113, control->sizeHint().width()));
            }
            EXPECT_EQ(control->geometry(), expected);
        }
    }
};

TEST_F(FormLayout, EveryControlAtItsDesignPlace) {
    Open();
    ExpectPlaces(&PlaceRow::design);
}

TEST_F(FormLayout, WideningByAHundredMovesTheRightHandSideAndWidensTheGrid) {
    Open();
    ResizeTo({800, 479});
    ExpectPlaces(&PlaceRow::wider);
    EXPECT_EQ(Grid()->columnWidth(0), 308);
    EXPECT_EQ(Grid()->columnWidth(1), 308);
}

TEST_F(FormLayout, HeighteningByAHundredLowersTheButtonsAndHeightensTheGrid) {
    Open();
    ResizeTo({700, 579});
    ExpectPlaces(&PlaceRow::taller);
}

TEST_F(FormLayout, ReturningToTheDesignSizeRestoresEveryPlace) {
    Open();
    ResizeTo({913, 701});
    ResizeTo({701, 480});
    ResizeTo({700, 479});
    ExpectPlaces(&PlaceRow::design);
}

TEST_F(FormLayout, NeverSmallerThanTheDesignSize) {
    TForm1& form = Open();
    EXPECT_EQ(form.minimumSize(), QSize(700, 479));
    form.resize(640, 400);
    EXPECT_TRUE(WaitUntil([&] { return form.size() == QSize(700, 479); }));
    ExpectPlaces(&PlaceRow::design);
}

TEST_F(FormLayout, ColumnsShareTheGridWidth) {
    Open();
    for (const int width : {700, 701, 702, 703, 1000}) {
        ResizeTo({width, 479});
        const int expected = (width - 178) / 2 - 3; // the grid keeps 178 pixels of the window beside it
        EXPECT_EQ(Grid()->columnWidth(0), expected) << width;
        EXPECT_EQ(Grid()->columnWidth(1), expected) << width;
    }
}

// The controls Tab visits from the tree, until it comes back there.
std::vector<std::string> TabWalk(QWidget* start) {
    start->setFocus();
    std::vector<std::string> visited;
    for (int step = 0; step < 40; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || (step > 0 && focus == start))
            break;
        visited.push_back(focus->objectName().toStdString());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

struct TabRow {
    const char* mode;
    std::vector<std::string> walk;
};

void PrintTo(const TabRow& row, std::ostream* out) {
    *out << row.mode;
}

class FormTabOrder : public FormLayout, public testing::WithParamInterface<TabRow> {};

// Disabled and hidden controls are passed by, so each mode has its own walk; of the radio buttons only
// the checked one is visited, and the grid never.
TEST_P(FormTabOrder, FollowsTheTableAndPassesTheGrid) {
    Open();
    Click(GetParam().mode);
    EXPECT_EQ(TabWalk(Tree()), GetParam().walk);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FormTabOrder,
    testing::Values(TabRow{names::rdbRenamer,
                           {names::shlDir, names::rdbRenamer, names::btnCopy, names::btnPaste,
                            names::btnRefresh, names::btnView, names::btnGo, names::btnHelp}},
                    TabRow{names::rdbManual,
                           {names::shlDir, names::rdbManual, names::btnCopyOver, names::btnRefresh,
                            names::btnView, names::btnGo, names::btnHelp}},
                    TabRow{names::rdbReplacer,
                           {names::shlDir, names::rdbReplacer, names::edtReplace, names::edtWith,
                            names::btnRefresh, names::btnView, names::btnGo, names::btnHelp}},
                    TabRow{names::rdbDeleter,
                           {names::shlDir, names::rdbDeleter, names::edtDelete, names::btnRefresh,
                            names::btnView, names::btnGo, names::btnHelp}},
                    TabRow{names::rdbAdd,
                           {names::shlDir, names::rdbAdd, names::edtBeg, names::edtEnd, names::edtPos,
                            names::edtAfter, names::btnRefresh, names::btnView, names::btnGo,
                            names::btnHelp}}),
    [](const testing::TestParamInfo<TabRow>& info) { return std::string(info.param.mode); });

TEST_F(FormLayout, HelpAndInfoOpensThePanelOverTheWholeWindow) {
    TForm1& form = Open();
    auto* panel = Find(info::pnlInfo);
    EXPECT_FALSE(panel->isVisible());
    Click(names::btnHelp);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), form.rect());
    EXPECT_TRUE(Find(info::memInfoHelp)->isVisible());
    // Whatever lies under any point of the window now belongs to the panel.
    for (const QPoint point : {QPoint(100, 100), QPoint(600, 24), QPoint(300, 450), QPoint(699, 478)}) {
        QWidget* seen = form.childAt(point);
        EXPECT_TRUE(seen == panel || panel->isAncestorOf(seen)) << point.x() << "," << point.y();
    }

    ResizeTo({850, 600});
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 850, 600));
    EXPECT_EQ(Find(info::memInfoHelp)->geometry(), QRect(65, 88, 719, 458));

    Click(info::btnInfoDone);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(Find(names::btnGo)->isVisible());
}

TEST_F(FormLayout, CarriesItsLookPictureAndIcon) {
    TForm1& form = Open();
    EXPECT_EQ(form.font().family(), layout::WindowFont().family());
    EXPECT_EQ(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
    EXPECT_FALSE(form.windowIcon().isNull());
    const QPixmap picture = Find<QLabel>(names::imgBlob)->pixmap();
    EXPECT_EQ(picture.size(), QSize(80, 80));
    EXPECT_FALSE(Grid()->showGrid());
    EXPECT_EQ(Grid()->verticalHeader()->defaultSectionSize(), 15);
    EXPECT_EQ(Grid()->focusPolicy(), Qt::ClickFocus);
}

} // namespace
