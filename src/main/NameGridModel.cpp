#include "NameGridModel.h"

#include "engine/names/ShownName.h"
#include "main/longwork/FreedMemory.h"

#include <QStringList>

NameGridModel::NameGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void NameGridModel::Reset(const std::function<void(engine::NameGrid&)>& change) {
    beginResetModel();
    change(grid_);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    ReturnFreedMemory();
}

void NameGridModel::ChangeNewNames(const std::function<void(engine::NameGrid&)>& change) {
    change(grid_);
    const int rows = rowCount();
    if (rows > 0)
        emit dataChanged(index(0, engine::NameGrid::NewColumn), index(rows - 1, engine::NameGrid::NewColumn),
                         {Qt::DisplayRole, Qt::EditRole});
    ReturnFreedMemory();
}

int NameGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount() - 1;
}

int NameGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant NameGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const std::string& cell = grid_.Cell(index.column(), index.row() + 1);
    switch (role) {
    case Qt::EditRole:
        return QString::fromUtf8(cell);
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromUtf8(engine::ShownName(cell));
    case ShownPartsRole:
        return ShownParts(cell);
    default:
        return {};
    }
}

QVariant NameGridModel::ShownParts(const std::string& name) {
    if (engine::ShowsAsItIs(name))
        return {};
    QStringList parts;
    for (const engine::ShownPart& part : engine::ShownParts(name)) {
        // Keeps plain text at even places and stand-ins at odd ones.
        if (part.standIn == (parts.size() % 2 == 0))
            parts.append(QString());
        parts.append(QString::fromUtf8(part.text));
    }
    return parts;
}

QVariant NameGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(grid_.Cell(section, 0));
}

Qt::ItemFlags NameGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool NameGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int row = index.row() + 1;
    const QString text = value.toString();
    // An editor closed without a change hands back the displayed text, which for a name that is not valid
    // UTF-8 holds replacement marks: keeping the bytes is the only way such a file keeps its name.
    if (text == QString::fromUtf8(grid_.Cell(index.column(), row)))
        return true;
    grid_.SetCell(index.column(), row, text.toUtf8().toStdString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}
