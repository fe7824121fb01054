#pragma once

#include <QObject>
#include <optional>
#include <string>

class NameGridModel;
class QKeyEvent;
class QTableView;

// The name grid's keys, beyond moving around and typing: Delete and Backspace blank the selected new
// names (the files are then left alone; old names are never blanked), Ctrl+C copies the selected cells'
// text, and F2 opens the current cell's editor as Return does.
class GridKeys : public QObject {
    Q_OBJECT
public:
    GridKeys(QTableView* grid, NameGridModel* model);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Handle(const QKeyEvent& key);
    void BlankSelectedNewNames();
    // The selected cells, a line per row that has any and a tab between two cells of a row; none when
    // no cell is selected.
    std::optional<std::string> SelectedText() const;

    QTableView* grid_;
    NameGridModel* model_;
};
