#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStyledItemDelegate>

// The name grid is ruled like a ledger: a line after every column, none between rows, and a frame of
// lines around each header cell. Qt's own grid draws both kinds of lines or neither, so the cells draw
// their column line themselves.
namespace layout {

QColor GridLineColour(const QPalette& palette);

// Style sheet for the header: button-face cells with a line at their right and bottom edges; the view's
// frame closes them at the top and left.
QString HeaderRulesStyleSheet(const QColor& lines);

class VerticalLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace layout
