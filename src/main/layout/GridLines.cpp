#include "GridLines.h"

#include <QPainter>

namespace layout {

QColor GridLineColour(const QPalette& palette) {
    return palette.color(QPalette::Mid);
}

QString HeaderRulesStyleSheet(const QColor& lines) {
    return QStringLiteral("QHeaderView::section { background-color: palette(button); border: 0px;"
                          " border-right: 1px solid %1; border-bottom: 1px solid %1; padding-left: 2px; }")
        .arg(lines.name());
}

void VerticalLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(GridLineColour(option.palette));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
}

} // namespace layout
