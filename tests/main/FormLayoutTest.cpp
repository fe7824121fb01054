// The main window's layout: every control at its place at the design size and after the window has
// grown, the smallest size, the columns, the keyboard order, the look and the information panel.
#include "FormFixture.h"
#include "RowNames.h"
#include "main/layout/InfoPanel.h"
#include "main/layout/WindowLook.h"

#include <QLabel>
#include <ostream>

namespace {

using rownames::PrintTo;

namespace info = layout::info_names;

// Widths that depend on the font: a label is as wide as its caption (CW); a radio button with free room
// to its right is at least as wide as its caption needs (RW).
constexpr int CW = -1;
constexpr int RW = -2;

struct PlaceRow {
    const char* name;
    const char* parent;
    const char* caption; // nullptr: the control has no caption
    QRect design;
    QRect wider;  // the window 100 pixels wider
    QRect taller; // the window 100 pixels taller
};

constexpr const char* F = names::Form1;
constexpr const char* P = names::Panel1;

// clang-format off
const PlaceRow kPlaces[] = {
    {names::Label1, F, "String To Delete", {564, 216, CW, 13}, {664, 216, CW, 13}, {564, 216, CW, 13}},
    {names::Label2, F, "Replace", {564, 112, CW, 13}, {664, 112, CW, 13}, {564, 112, CW, 13}},
    {names::Label3, F, "With", {564, 152, CW, 13}, {664, 152, CW, 13}, {564, 152, CW, 13}},
    {names::Label4, F, "Begining", {564, 280, CW, 13}, {664, 280, CW, 13}, {564, 280, CW, 13}},
    {names::Label5, F, "End", {564, 320, CW, 13}, {664, 320, CW, 13}, {564, 320, CW, 13}},
    {names::Label6, F, "Position", {564, 360, CW, 13}, {664, 360, CW, 13}, {564, 360, CW, 13}},
    // Centred between the tree (ending at 433) and the first radio button: 433 + gap div 2 - 40.
    {names::imgBlob, F, nullptr, {446, 61, 80, 80}, {496, 61, 80, 80}, {446, 61, 80, 80}},
    {names::shlDir, F, nullptr, {8, 8, 425, 145}, {8, 8, 425, 145}, {8, 8, 425, 145}},
    {names::memHid, F, nullptr, {464, 24, 65, 33}, {464, 24, 65, 33}, {464, 24, 65, 33}},
    {names::grdNames, F, nullptr, {8, 160, 522, 270}, {8, 160, 622, 270}, {8, 160, 522, 370}},
    {names::rdbRenamer, F, "Veze Zazedoz", {540, 16, RW, 17}, {640, 16, RW, 17}, {540, 16, RW, 17}},
    {names::rdbReplacer, F, "Part Replacer", {540, 96, RW, 17}, {640, 96, RW, 17}, {540, 96, RW, 17}},
    {names::rdbDeleter, F, "Substring Deleter", {540, 200, RW, 17}, {640, 200, RW, 17}, {540, 200, RW, 17}},
    {names::edtDelete, F, "", {564, 232, 121, 21}, {664, 232, 121, 21}, {564, 232, 121, 21}},
    {names::rdbManual, F, "Manual", {540, 72, 62, 17}, {640, 72, 62, 17}, {540, 72, 62, 17}},
    {names::btnCopyOver, F, "Duiplicate", {600, 72, 61, 17}, {700, 72, 61, 17}, {600, 72, 61, 17}},
    {names::edtReplace, F, "", {564, 128, 121, 21}, {664, 128, 121, 21}, {564, 128, 121, 21}},
    {names::edtWith, F, "", {564, 168, 121, 21}, {664, 168, 121, 21}, {564, 168, 121, 21}},
    {names::rdbAdd, F, "Substring Adder", {540, 264, RW, 17}, {640, 264, RW, 17}, {540, 264, RW, 17}},
    {names::edtBeg, F, "", {564, 296, 121, 21}, {664, 296, 121, 21}, {564, 296, 121, 21}},
    {names::edtEnd, F, "", {564, 336, 121, 21}, {664, 336, 121, 21}, {564, 336, 121, 21}},
    {names::edtPos, F, "", {564, 376, 25, 21}, {664, 376, 25, 21}, {564, 376, 25, 21}},
    {names::edtAfter, F, "", {596, 376, 89, 21}, {696, 376, 89, 21}, {596, 376, 89, 21}},
    {names::btnCopy, F, "Copy", {556, 40, 49, 17}, {656, 40, 49, 17}, {556, 40, 49, 17}},
    {names::btnPaste, F, "Paste", {612, 40, 49, 17}, {712, 40, 49, 17}, {612, 40, 49, 17}},
    // Centre 349 of 700 stays at the same share of the width: 349 x 800 / 700 = 398.86, so 399 - 155.
    {names::Panel1, F, nullptr, {194, 432, 311, 41}, {244, 432, 311, 41}, {194, 532, 311, 41}},
    {names::btnRefresh, P, "Refresh", {6, 8, 75, 25}, {6, 8, 75, 25}, {6, 8, 75, 25}},
    {names::btnView, P, "Preview", {118, 8, 75, 25}, {118, 8, 75, 25}, {118, 8, 75, 25}},
    {names::btnGo, P, "Go", {230, 8, 75, 25}, {230, 8, 75, 25}, {230, 8, 75, 25}},
    {names::btnHelp, F, "Help && Info", {446, 24, 80, 25}, {496, 24, 80, 25}, {446, 24, 80, 25}},
    {info::pnlInfo, F, nullptr, {0, 0, 700, 479}, {0, 0, 800, 479}, {0, 0, 700, 579}},
};
// clang-format on

QString CaptionOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    return {};
}

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
            if (expected.width() == CW)
                expected.setWidth(control->fontMetrics().horizontalAdvance(CaptionOf(control)));
            else if (expected.width() == RW)
                expected.setWidth(std::max(113, control->sizeHint().width()));
            EXPECT_EQ(control->geometry(), expected);
            EXPECT_EQ(control->parentWidget()->objectName(), row.parent);
            if (row.caption) {
                EXPECT_EQ(CaptionOf(control), QString::fromUtf8(row.caption));
            }
        }
    }
};

// Each size is reached by way of a much larger one, so that a layout drifting from resize to resize shows.
TEST_F(FormLayout, EveryControlAtItsPlaceAsTheWindowGrowsAndShrinks) {
    TForm1& form = Open();
    EXPECT_EQ(form.windowTitle(), "Title Shaper Workshop");
    EXPECT_EQ(form.size(), QSize(700, 479));
    ExpectPlaces(&PlaceRow::design);
    for (const auto& [size, column] : {std::pair{QSize(800, 479), &PlaceRow::wider},
                                       {QSize(700, 579), &PlaceRow::taller},
                                       {QSize(700, 479), &PlaceRow::design}}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        ResizeTo({913, 701});
        ResizeTo(size);
        ExpectPlaces(column);
    }
}

TEST_F(FormLayout, NeverSmallerThanTheDesignSizeInEitherDirection) {
    TForm1& form = Open();
    EXPECT_EQ(form.minimumSize(), QSize(700, 479));
    form.resize(640, 400);
    EXPECT_TRUE(WaitUntil([&] { return form.size() == QSize(700, 479); }));
    form.resize(650, 600);
    EXPECT_TRUE(WaitUntil([&] { return form.size() == QSize(700, 600); }));
}

// The grid keeps 178 pixels of the window beside it; each column is its width div 2 - 3.
TEST_F(FormLayout, ColumnsShareTheGridWidth) {
    Open();
    for (const auto& [window, column] : {std::pair{700, 258}, {701, 258}, {702, 259}, {800, 308}}) {
        ResizeTo({window, 479});
        EXPECT_EQ(Grid()->columnWidth(0), column) << window;
        EXPECT_EQ(Grid()->columnWidth(1), column) << window;
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

// Every walk goes from the tree to the checked radio button, through what its mode enables, and on to the
// four buttons below.
struct TabRow {
    const char* label; // the mode's radio button
    std::vector<std::string> enabled;
};

class FormTabOrder : public FormLayout, public testing::WithParamInterface<TabRow> {};

// Of the radio buttons only the checked one is visited, and the grid never. The mouse still reaches
// every radio button.
TEST_P(FormTabOrder, FollowsTheTableAndPassesTheGrid) {
    Open();
    Click(GetParam().label);
    EXPECT_TRUE(Find(GetParam().label)->hasFocus());
    std::vector<std::string> walk{names::shlDir, GetParam().label};
    walk.insert(walk.end(), GetParam().enabled.begin(), GetParam().enabled.end());
    walk.insert(walk.end(), {names::btnRefresh, names::btnView, names::btnGo, names::btnHelp});
    EXPECT_EQ(TabWalk(Tree()), walk);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FormTabOrder,
    testing::Values(TabRow{names::rdbRenamer, {names::btnCopy, names::btnPaste}},
                    TabRow{names::rdbManual, {names::btnCopyOver}},
                    TabRow{names::rdbReplacer, {names::edtReplace, names::edtWith}},
                    TabRow{names::rdbDeleter, {names::edtDelete}},
                    TabRow{names::rdbAdd, {names::edtBeg, names::edtEnd, names::edtPos, names::edtAfter}}),
    rownames::RowLabel());

TEST_F(FormLayout, HelpAndInfoOpensThePanelOverTheWholeWindow) {
    TForm1& form = Open();
    auto* panel = Find(info::pnlInfo);
    EXPECT_FALSE(panel->isVisible());
    Click(names::btnHelp);
    ASSERT_TRUE(panel->isVisible());
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

// The panel hides the window behind it, so the keyboard must not reach what lies there: a Tab walk
// that wandered on to "Go" would let a key press rename files nobody can see. Closing gives the focus back
// to "Help & Info", where it was, rather than to whatever control follows the panel in the window's order.
TEST_F(FormLayout, KeyboardStaysOnTheOpenPanelAndReturnsToHelpAndInfo) {
    Open();
    auto* panel = Find(info::pnlInfo);
    Click(names::btnHelp);
    ASSERT_TRUE(panel->isVisible());
    std::set<std::string> visited;
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        for (int step = 0; step < 25; ++step) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            ASSERT_TRUE(panel->isAncestorOf(focus))
                << "focus behind the panel on " << focus->objectName().toStdString();
            visited.insert(focus->objectName().toStdString());
            QTest::keyClick(focus, key);
        }
    }
    EXPECT_EQ(visited, (std::set<std::string>{info::btnInfoHelp, info::btnInfoAbout, info::btnInfoPro,
                                              info::btnInfoPay, info::memInfoHelp, info::btnInfoDone}));

    Click(info::btnInfoDone);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(Find(names::btnHelp)->hasFocus());
}

TEST_F(FormLayout, CarriesItsLookPictureAndIcon) {
    TForm1& form = Open();
    EXPECT_EQ(form.font().family(), layout::WindowFont().family());
    EXPECT_EQ(Find(names::btnGo)->font().family(), layout::WindowFont().family());
    EXPECT_EQ(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(Find<QLabel>(names::imgBlob)->pixmap().size(), QSize(80, 80));
    EXPECT_EQ(Grid()->rowHeight(0), 15);
}

} // namespace
