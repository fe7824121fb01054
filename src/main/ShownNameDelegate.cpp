#include "ShownNameDelegate.h"

#include "NameGridModel.h"
#include "ToolTipText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

namespace {

// The text's place inside the cell, as the style lays it out, less the style's own text margin.
QRect TextRect(const QStyleOptionViewItem& option) {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget)
        .adjusted(margin, 0, -margin, 0);
}

} // namespace

void ShownNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QVariant parts = index.data(NameGridModel::ShownPartsRole);
    if (!parts.isValid()) {
        VerticalLineDelegate::paint(painter, option, index);
        return;
    }
    // The cell's background, selection and focus as usual, then the text part by part.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    initStyleOption(&cell, index);
    PaintParts(painter, cell, parts.toStringList());
    // The column line last, over everything, as for every other cell.
    painter->save();
    painter->setPen(layout::GridLineColour(option.palette));
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
}

void ShownNameDelegate::PaintParts(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QStringList& parts) const {
    const QRect area = TextRect(option);
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QColor dimmed = text;
    dimmed.setAlphaF(0.55F);

    painter->save();
    painter->setClipRect(area);
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);
    const QString ellipsis(QChar(0x2026));
    const int right = area.right() + 1;
    // A name too long for its cell keeps room for an ellipsis after the last part that still fits.
    const bool fits = metrics.horizontalAdvance(parts.join(QString())) <= area.width();
    const int limit = fits ? right : right - metrics.horizontalAdvance(ellipsis);
    int x = area.left();
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QString& part = parts.at(k);
        const int width = metrics.horizontalAdvance(part);
        const bool cut = x + width > limit;
        QString shown = part;
        if (cut) {
            shown = metrics.elidedText(part, Qt::ElideRight, limit - x);
            if (!shown.endsWith(ellipsis))
                shown += ellipsis;
        }
        painter->setPen(k % 2 == 1 ? dimmed : text);
        painter->drawText(QRect(x, area.top(), right - x, area.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        if (cut)
            break;
        x += width;
    }
    painter->restore();
}

QString ShownNameDelegate::ToolTip(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const bool altered = index.data(NameGridModel::ShownPartsRole).isValid();
    const bool cut = cell.fontMetrics.horizontalAdvance(cell.text) > TextRect(cell).width();
    return altered || cut ? index.data(Qt::ToolTipRole).toString() : QString();
}

bool ShownNameDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return VerticalLineDelegate::helpEvent(event, view, option, index);
    const QString tip = ToolTip(option, index);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    // The tooltip's own frame and margins take a little of the screen's width.
    constexpr int frame = 24;
    const QScreen* screen = view->screen();
    const int width = (screen ? screen->availableGeometry().width() : 1024) - frame;
    QToolTip::showText(event->globalPos(), WrappedToolTip(tip, QToolTip::font(), width), view, option.rect);
    return true;
}
