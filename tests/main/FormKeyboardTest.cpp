// The keyboard alone: Enter and Return press the focused button, Escape leaves the information pages.
#include "FormFixture.h"
#include "RowNames.h"
#include "main/layout/InfoPanel.h"

#include <QPushButton>

namespace {

using rownames::PrintTo;

namespace info = layout::info_names;

struct KeyRow {
    const char* label;
    const char* button;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    // The button lies on the information panel, which is opened first.
    bool onPanel;
    int presses;
};

class KeyOnFocusedButton : public FormTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyOnFocusedButton, PressesItOnceOrNotAtAll) {
    const KeyRow& row = GetParam();
    Open();
    if (row.onPanel)
        Click(names::btnHelp);
    auto* button = Find<QPushButton>(row.button);
    ASSERT_NE(button, nullptr);
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus()) << row.button << " cannot take the focus";
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });

    QTest::keyClick(button, row.key, row.modifiers);
    EXPECT_EQ(presses, row.presses);
    // A button that lists, previews or renames with nothing listed may say so; that is not this test's.
    dialogs_.Clear();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Buttons, KeyOnFocusedButton,
    ::testing::Values(
        KeyRow{"CopyByReturn", names::btnCopy, Qt::Key_Return, Qt::NoModifier, false, 1},
        KeyRow{"PasteByEnter", names::btnPaste, Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        KeyRow{"RefreshByReturn", names::btnRefresh, Qt::Key_Return, Qt::NoModifier, false, 1},
        KeyRow{"PreviewByEnter", names::btnView, Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        KeyRow{"GoByReturn", names::btnGo, Qt::Key_Return, Qt::NoModifier, false, 1},
        KeyRow{"HelpByReturn", names::btnHelp, Qt::Key_Return, Qt::NoModifier, false, 1},
        KeyRow{"InfoHelpByReturn", info::btnInfoHelp, Qt::Key_Return, Qt::NoModifier, true, 1},
        KeyRow{"InfoAboutByEnter", info::btnInfoAbout, Qt::Key_Enter, Qt::KeypadModifier, true, 1},
        KeyRow{"InfoProgrammingByReturn", info::btnInfoPro, Qt::Key_Return, Qt::NoModifier, true, 1},
        KeyRow{"InfoPayUpByReturn", info::btnInfoPay, Qt::Key_Return, Qt::NoModifier, true, 1},
        KeyRow{"InfoDoneByReturn", info::btnInfoDone, Qt::Key_Return, Qt::NoModifier, true, 1},
        // Space still presses, and a modifier makes another key that presses nothing.
        KeyRow{"GoBySpace", names::btnGo, Qt::Key_Space, Qt::NoModifier, false, 1},
        KeyRow{"NotByCtrlReturn", names::btnView, Qt::Key_Return, Qt::ControlModifier, false, 0},
        KeyRow{"NotByShiftEnter", info::btnInfoAbout, Qt::Key_Enter, Qt::ShiftModifier, true, 0}),
    rownames::RowLabel());
// clang-format on

TEST_F(FormTest, ReturnOnHelpOpensThePagesAndEscapeClosesThemFromAnywhereOnThePanel) {
    Open();
    for (const char* focus : {info::btnInfoPay, info::memInfoAbout, info::btnInfoDone}) {
        SCOPED_TRACE(focus);
        auto* help = Find<QPushButton>(names::btnHelp);
        help->setFocus(Qt::TabFocusReason);
        QTest::keyClick(help, Qt::Key_Return);
        QWidget* panel = Find(info::pnlInfo);
        ASSERT_TRUE(panel->isVisible());
        if (focus == info::memInfoAbout)
            QTest::keyClick(Find(info::btnInfoAbout), Qt::Key_Return);
        QWidget* control = Find(focus);
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus());

        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_FALSE(panel->isVisible());
        // As after Done, the focus is back where the pages were opened from.
        EXPECT_EQ(QApplication::focusWidget(), help);
    }
}

} // namespace
