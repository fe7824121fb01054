#include "Anchoring.h"

#include <algorithm>
#include <cstdint>

namespace layout {

namespace {

// Rounds numerator / denominator to the nearest integer, halves away from zero; the product is taken in
// 64 bits so that large screens cannot overflow it.
int RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded =
        numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
    return static_cast<int>(rounded);
}

} // namespace

int CentredLeft(int designLeft, int width, int designParentWidth, int newParentWidth) {
    const int centre = designLeft + width / 2;
    if (designParentWidth == 0)
        return designLeft;
    return RoundedQuotient(std::int64_t{centre} * newParentWidth, designParentWidth) - width / 2;
}

QRect AnchoredGeometry(Anchor anchor, const QRect& design, const QSize& designParent,
                       const QSize& newParent) {
    const int dx = newParent.width() - designParent.width();
    const int dy = newParent.height() - designParent.height();
    switch (anchor) {
    case Anchor::LeftTop:
        return design;
    case Anchor::TopRight:
        return design.translated(dx, 0);
    case Anchor::AllEdges:
        return QRect(design.left(), design.top(), std::max(0, design.width() + dx),
                     std::max(0, design.height() + dy));
    case Anchor::TopOnly:
        return QRect(
            QPoint(CentredLeft(design.left(), design.width(), designParent.width(), newParent.width()),
                   design.top()),
            design.size());
    case Anchor::BottomOnly:
        return QRect(
            QPoint(CentredLeft(design.left(), design.width(), designParent.width(), newParent.width()),
                   design.top() + dy),
            design.size());
    case Anchor::Fill:
        return QRect(QPoint(0, 0), newParent);
    }
    return design;
}

void Anchoring::Add(QWidget* control, Anchor anchor) {
    entries_.push_back(Entry{control, anchor, control->geometry()});
}

void Anchoring::Apply(const QSize& newParent) const {
    for (const Entry& entry : entries_) {
        if (entry.control)
            entry.control->setGeometry(
                AnchoredGeometry(entry.anchor, entry.design, designParent_, newParent));
    }
}

} // namespace layout
