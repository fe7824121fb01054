// "Undo last Go" in the window: Ctrl+Z and the grid's context menu, while entry fields keep their own
// Ctrl+Z.
#include "FormFixture.h"

#include <QAction>
#include <cstdio>

namespace {

class FormUndo : public FormTest {
protected:
    // ", made at HH:MM" of the newest record, as the question of a Go made today ends.
    std::string MadeAt() {
        const auto entries = journal_.List();
        if (entries.empty())
            return "(no record)";
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d", entries[0].madeAt.hour, entries[0].madeAt.minute);
        return std::string(", made at ") + text;
    }
    void TypeReplace(const char* what, const char* with) {
        Click(names::rdbReplacer);
        Type(names::edtReplace, QString::fromUtf8(what));
        Type(names::edtWith, QString::fromUtf8(with));
    }
    void UndoByKey() {
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    }
};

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
    const std::string madeAt = MadeAt();
    UndoByKey();
    EXPECT_EQ(dialogs_.questions,
              std::vector<std::string>{"Undo the renaming of 2 files in " + folder_.Name() + madeAt + "?"});
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

// A second Go that finds nothing to rename leaves the first Go's undo; two Gos are undone one after the
// other, the later first.
TEST_F(FormUndo, GosAreUndoneOneAfterTheOtherAndAnEmptyGoKeepsThem) {
    OpenListing({"a.txt", "b.txt"});
    TypeReplace("a.txt", "c.txt");
    Click(names::btnGo);
    Click(names::btnGo);
    TypeReplace("b.txt", "d.txt");
    Click(names::btnGo);
    Click(names::btnGo);
    ASSERT_EQ(OnDisk(), (std::set<std::string>{"c.txt", "d.txt"}));
    ASSERT_TRUE(dialogs_.None());
    EXPECT_EQ(journal_.List().size(), 2u);

    dialogs_.answers = {true, true};
    UndoByKey();
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"c.txt", "b.txt"}));
    UndoByKey();
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"a.txt", "b.txt"}));
    ASSERT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(
        dialogs_.questions[0].rfind("Undo the renaming of 1 file in " + folder_.Name() + ", made at ", 0),
        0u);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

} // namespace
