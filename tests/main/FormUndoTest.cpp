// "Undo last Go" in the window: Ctrl+Z and the grid's context menu, while entry fields keep their own
// Ctrl+Z.
#include "FormFixture.h"

#include <QAction>

namespace {

using FormUndo = FormTest;

TEST_F(FormUndo, CtrlZAsksThenRenamesBackAndListsTheFolderAgain) {
    // keep.md keeps its name: renamed onto itself, it has nothing to undo.
    OpenListing({"a.txt", "b.txt", "keep.md"});
    Click(names::rdbReplacer);
    Type(names::edtReplace, ".txt");
    Type(names::edtWith, ".md");
    // In an entry field Ctrl+Z undoes the typing, and asks nothing.
    QTest::keyClick(Find(names::edtWith), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Find<QLineEdit>(names::edtWith)->text(), "");
    EXPECT_TRUE(dialogs_.None());
    Type(names::edtWith, ".md");
    Click(names::btnGo);
    ASSERT_EQ(OnDisk(), (std::set<std::string>{"a.md", "b.md", "keep.md"}));
    ASSERT_TRUE(dialogs_.None());

    dialogs_.answers = {true};
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.questions,
              std::vector<std::string>{"Undo the renaming of 2 files in " + folder_.Name() + "?"});
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{});
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a.txt", "b.txt", "keep.md"}));
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt", "keep.md"}));
    EXPECT_EQ(Tree()->SelectedPath(), folder_.Name());

    // The journal is spent: the grid's menu entry now has nothing to undo.
    dialogs_.Clear();
    auto* action = Find<QAction>(names::actUndoGo);
    ASSERT_TRUE(Grid()->actions().contains(action));
    EXPECT_EQ(action->text(), "Undo last Go");
    action->trigger();
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Nothing to undo."});
    EXPECT_TRUE(dialogs_.questions.empty());
}

} // namespace
