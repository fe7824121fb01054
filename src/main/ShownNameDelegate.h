#pragma once

#include "main/layout/GridLines.h"

// Paints the name grid's cells: a name with stand-ins shows them dimmed, so that "\n" in a name
// reads differently from a backslash and an n typed by someone. A cell shows its tooltip, the whole name
// as shown, only where the cell's text is cut off or altered by stand-ins; a long one is broken into lines
// that fit the screen.
class ShownNameDelegate : public layout::VerticalLineDelegate {
public:
    using layout::VerticalLineDelegate::VerticalLineDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The tooltip the cell shows in this place; empty when its text is shown whole and unaltered.
    QString ToolTip(const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    void PaintParts(QPainter* painter, const QStyleOptionViewItem& option, const QStringList& parts) const;
};
