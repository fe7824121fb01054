#include "GridKeys.h"

#include "ClipboardBytes.h"
#include "NameGridModel.h"

#include <QApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <array>
#include <vector>

namespace {

// Which cells are selected, column by column, as one flag per row. Walking the selection's ranges keeps
// this linear in the rows, however many a Ctrl+A selects.
std::array<std::vector<bool>, 2> SelectedCells(const QTableView& grid, int rows) {
    std::array<std::vector<bool>, 2> selected{std::vector<bool>(static_cast<std::size_t>(rows)),
                                              std::vector<bool>(static_cast<std::size_t>(rows))};
    for (const QItemSelectionRange& range : grid.selectionModel()->selection()) {
        for (int column = std::max(range.left(), 0); column <= std::min(range.right(), 1); ++column) {
            for (int row = std::max(range.top(), 0); row <= std::min(range.bottom(), rows - 1); ++row)
                selected[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = true;
        }
    }
    return selected;
}

} // namespace

GridKeys::GridKeys(QTableView* grid, NameGridModel* model) : QObject(grid), grid_(grid), model_(model) {
    grid_->installEventFilter(this);
}

bool GridKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grid_ || event->type() != QEvent::KeyPress)
        return false;
    // Keys that an open cell editor passes on to the grid still belong to the editor.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus != grid_ && grid_->isAncestorOf(focus))
        return false;
    return Handle(static_cast<const QKeyEvent&>(*event));
}

bool GridKeys::Handle(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Copy)) {
        if (const auto text = SelectedText())
            clipboard_bytes::Put(*text);
        return true;
    }
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        BlankSelectedNewNames();
        return true;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (grid_->currentIndex().isValid())
            grid_->edit(grid_->currentIndex());
        return true;
    default:
        return false;
    }
}

void GridKeys::BlankSelectedNewNames() {
    const int rows = model_->rowCount();
    const std::vector<bool> blank = SelectedCells(*grid_, rows)[engine::NameGrid::NewColumn];
    model_->ChangeNewNames([&blank](engine::NameGrid& grid) {
        for (std::size_t row = 0; row < blank.size(); ++row) {
            if (blank[row])
                grid.SetCell(engine::NameGrid::NewColumn, static_cast<int>(row) + 1, {});
        }
    });
}

std::optional<std::string> GridKeys::SelectedText() const {
    const int rows = model_->rowCount();
    const auto selected = SelectedCells(*grid_, rows);
    const engine::NameGrid& names = model_->Grid();
    std::string text;
    bool anyRow = false;
    for (int row = 0; row < rows; ++row) {
        bool anyCell = false;
        for (int column = 0; column < 2; ++column) {
            if (!selected[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)])
                continue;
            if (anyCell)
                text += '\t';
            else if (anyRow)
                text += '\n';
            text += names.Cell(column, row + 1);
            anyCell = anyRow = true;
        }
    }
    if (!anyRow)
        return std::nullopt;
    return text;
}
