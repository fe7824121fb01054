#pragma once

#include "engine/grid/NameGrid.h"

#include <QAbstractTableModel>
#include <functional>

// The name grid as the table view sees it: grid row 0 is the horizontal header, grid rows 1..N are the
// table's rows 0..N-1. Cells keep their bytes; the view only converts them for display, and a cell is
// rewritten only when the user really changes its text.
//
// A name, old or new, is shown with visible stand-ins for what would otherwise be invisible or ambiguous
// (a line feed, a byte that is not UTF-8); the tooltip role holds the whole name as shown, for cells too
// narrow or altered. The editor gets the cell's text itself.
class NameGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // For a name shown with stand-ins: its shown parts as a string list, plain text at even places
    // and stand-ins at odd ones (the first part may be empty). No value for a name shown as it is.
    static constexpr int ShownPartsRole = Qt::UserRole + 1;

    explicit NameGridModel(QObject* parent = nullptr);

    const engine::NameGrid& Grid() const { return grid_; }

    // A change may drop a million names: each hands the memory it freed back to the system afterwards.
    // Changes that may alter the rows or the header (a listing).
    void Reset(const std::function<void(engine::NameGrid&)>& change);
    // Changes to the new-name column only (modes, transformations, paste); the rows stay as they are.
    void ChangeNewNames(const std::function<void(engine::NameGrid&)>& change);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    static QVariant ShownParts(const std::string& name);

    engine::NameGrid grid_;
};
