// The name grid as the user sees and works it: its keys, and names that hold invisible characters.
#include "FormFixture.h"
#include "main/ClipboardBytes.h"
#include "main/ShownNameDelegate.h"

#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QScrollBar>
#include <functional>

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

// A name an editor gave back with U+FFFD for a byte it could not read is refused, by the row it is in, and
// the new names show their stand-ins as the old names do.
TEST_F(GridTest, ANameThatLostACharacterIsRefusedAndShownWithItsRow) {
    OpenListing({"bad\xFF"
                 "byte.txt",
                 "ok.txt"});
    // The names as an editor gives them back after a Copy: the bad byte has become U+FFFD.
    clipboard_bytes::Put("bad\xEF\xBF\xBD"
                         "byte.txt\nok2.txt");
    Click(names::btnPaste);
    const QModelIndex first = Grid()->model()->index(0, 1);
    EXPECT_EQ(first.data(Qt::DisplayRole).toString(), QString::fromUtf8("bad\xEF\xBF\xBD"
                                                                        "byte.txt"));
    Click(names::btnGo);
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{
                                     "The new name of bad\\xFFbyte.txt holds the character U+FFFD where the "
                                     "file's name has none: a character was lost, please correct the new "
                                     "name."});
    EXPECT_EQ(OnDisk(), (std::set<std::string>{"bad\xFF"
                                               "byte.txt",
                                               "ok.txt"}));
    EXPECT_EQ(Grid()->selectionModel()->selectedRows(), QModelIndexList{Grid()->model()->index(0, 0)});
    EXPECT_EQ(Grid()->currentIndex(), first);
}

TEST_F(GridTest, NewNamesShowStandInsAndEditTheirOwnText) {
    OpenListing({"a.txt"});
    Click(names::rdbManual);
    const QModelIndex cell = Grid()->model()->index(0, 1);
    Grid()->model()->setData(cell, QStringLiteral("a\nb.txt"));
    EXPECT_EQ(cell.data(Qt::DisplayRole).toString(), QStringLiteral("a\\nb.txt"));
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("a\\nb.txt"));
    EXPECT_EQ(cell.data(NameGridModel::ShownPartsRole).toStringList(),
              (QStringList{QStringLiteral("a"), QStringLiteral("\\n"), QStringLiteral("b.txt")}));
    EXPECT_EQ(cell.data(Qt::EditRole).toString(), QStringLiteral("a\nb.txt"));
}

TEST_F(GridTest, AfterTheDuplicateMessageItsFirstRowIsSelectedAndInView) {
    std::vector<std::string> files;
    for (int i = 10; i < 70; ++i)
        files.push_back("f" + std::to_string(i) + ".txt");
    OpenListing(files);
    Click(names::rdbManual);
    QAbstractItemModel* model = Grid()->model();
    for (const int row : {50, 55, 58})
        model->setData(model->index(row - 1, 1), QStringLiteral("same.txt"));
    model->setData(model->index(40 - 1, 1), QStringLiteral("other.txt"));
    Click(names::btnView);
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"The result of this will mean that 2 files will be called same.txt"});
    EXPECT_EQ(Grid()->selectionModel()->selectedRows(), QModelIndexList{model->index(49, 0)});
    EXPECT_EQ(Grid()->currentIndex(), model->index(49, 1));
    EXPECT_TRUE(Grid()->viewport()->rect().contains(Grid()->visualRect(model->index(49, 1))))
        << "the row is not in view";
    EXPECT_EQ(QApplication::focusWidget(), Find(names::btnView)) << "the focus moved";
}

// The grid never slides sideways, whatever brings a New Name cell into view.
TEST_F(GridTest, TheGridNeverScrollsSideways) {
    std::vector<std::string> files{".hidden-config"};
    for (int i = 10; i < 60; ++i)
        files.push_back("a-rather-long-file-name-number-" + std::to_string(i) + ".txt");
    OpenListing(files);
    Click(names::rdbManual);
    Click(names::btnCopyOver);
    QTableView* grid = Grid();
    const auto cellCentre = [grid](int row, int column) {
        return grid->visualRect(grid->model()->index(row, column)).center();
    };
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"ClickOnANewName",
         [&] { QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(0, 1)); }},
        {"ArrowIntoTheNewNames",
         [&] {
             grid->setFocus();
             grid->setCurrentIndex(grid->model()->index(3, 0));
             QTest::keyClick(grid, Qt::Key_Right);
             QTest::keyClick(grid, Qt::Key_Down);
         }},
        {"EditANewName",
         [&] {
             grid->setFocus();
             grid->setCurrentIndex(grid->model()->index(45, 1));
             QTest::keyClick(grid, Qt::Key_F2);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
         }},
        {"DragAcrossTheRight",
         [&] {
             QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(1, 0));
             QTest::mouseMove(grid->viewport(), QPoint(grid->viewport()->width() - 1, cellCentre(1, 0).y()));
             QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                                 QPoint(grid->viewport()->width() - 1, cellCentre(1, 0).y()));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
        EXPECT_EQ(grid->visualRect(grid->model()->index(0, 0)).left(), 0) << "the old names are cut off";
    }
}

} // namespace
