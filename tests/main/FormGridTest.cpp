// The name grid as the user sees and works it: its keys, and names that hold invisible characters.
#include "FormFixture.h"
#include "main/ShownNameDelegate.h"

#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>

namespace {

class GridTest : public FormTest {
protected:
    // Selects the given cells alone; rows count files from 1.
    void SelectCells(const std::vector<std::pair<int, int>>& cells) {
        QTableView* grid = Grid();
        grid->setFocus();
        grid->selectionModel()->clearSelection();
        for (const auto& [row, column] : cells)
            grid->selectionModel()->select(grid->model()->index(row - 1, column),
                                           QItemSelectionModel::Select);
    }
    static QByteArray Held() {
        return QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
    }
};

TEST_F(GridTest, DeleteAndBackspaceBlankTheSelectedNewNamesAndCtrlCCopiesTheCellsAsTheirBytes) {
    OpenListing({"a.txt", "b.txt", "caf\xE9.txt"});
    Click(names::rdbManual);
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
        SCOPED_TRACE(key == Qt::Key_Delete ? "Delete" : "Backspace");
        Click(names::btnCopyOver);
        SelectCells({{1, 1}, {3, 1}, {2, 0}});
        QTest::keyClick(Grid(), key);
        EXPECT_EQ(NewNames(), (std::vector<std::string>{"", "b.txt", ""}));
        EXPECT_EQ(OldNames(), (std::vector<std::string>{"a.txt", "b.txt", "caf\xE9.txt"}));
    }
    // A row whose selected cell is blank still counts as a line.
    SelectCells({{1, 1}, {2, 0}, {2, 1}, {3, 0}});
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Held(), "\nb.txt\tb.txt\ncaf\xE9.txt");
    // Nothing selected: the clipboard keeps what it had.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    SelectCells({});
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");

    // The blanked files are left alone by Go.
    EditNewName(2, "bee.txt");
    Click(names::btnGo);
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"bee.txt", "a.txt", "caf\xE9.txt"}));
    EXPECT_TRUE(dialogs_.None());
}

TEST_F(GridTest, F2OpensTheCellEditor) {
    OpenListing({"a.txt"});
    QTableView* grid = Grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "typed.txt");
    // Keys typed in the editor stay in it: Backspace takes one character, not the cell.
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(WaitUntil([&] { return NewNames() == std::vector<std::string>{"typed.tx"}; }));
}

// Old names that would look alike or cut their cell short are shown with distinct, dimmed stand-ins and
// a tooltip; the bytes behind the cells stay as they are.
TEST_F(GridTest, InvisibleCharactersAndForeignBytesShowAsStandIns) {
    const std::string longName(200, 'n');
    OpenListing({"caf\xE8", "caf\xE9", "line\nfeed", "plain.txt", longName});
    ASSERT_EQ(OldNames(),
              (std::vector<std::string>{"caf\xE8", "caf\xE9", "line\nfeed", longName, "plain.txt"}));
    const struct {
        int row;
        QString shown;
        QStringList parts;
        bool tooltip;
    } rows[] = {
        {1, "caf\\xE8", {"caf", "\\xE8"}, true},
        {2, "caf\\xE9", {"caf", "\\xE9"}, true},
        {3, "line\\nfeed", {"line", "\\n", "feed"}, true},
        {4, QString::fromStdString(longName), {}, true},
        {5, "plain.txt", {}, false},
    };
    QTableView* grid = Grid();
    auto* delegate = dynamic_cast<ShownNameDelegate*>(grid->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        const QModelIndex cell = grid->model()->index(r.row - 1, 0);
        EXPECT_EQ(cell.data().toString(), r.shown);
        EXPECT_EQ(cell.data(NameGridModel::ShownPartsRole).toStringList(), r.parts);
        QStyleOptionViewItem option;
        option.initFrom(grid->viewport());
        option.rect = grid->visualRect(cell);
        option.widget = grid;
        const QString tip = delegate->ToolTip(option, cell);
        EXPECT_EQ(tip, r.tooltip ? r.shown : QString());
    }
}

} // namespace
