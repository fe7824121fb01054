#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace layout {

// How a control follows a change of its parent's client size. The window is laid out in pixels at one
// design size; every other size is derived from that one, never from the previous size, so that repeated
// resizing cannot accumulate rounding errors.
enum class Anchor {
    LeftTop,    // keeps its distances to the left and top edges
    TopRight,   // keeps its distances to the top and right edges and its size
    AllEdges,   // keeps all four distances and stretches
    TopOnly,    // fixed distance to the top; its centre keeps its relative horizontal position
    BottomOnly, // fixed distance to the bottom; its centre keeps its relative horizontal position
    Fill,       // covers the parent's whole client area
};

// The left edge of a control whose centre keeps its relative horizontal position: the centre at design
// size is M = left + width div 2; at the new width it lies at M x newWidth / designWidth, taken to the
// nearest pixel (halves away from zero).
int CentredLeft(int designLeft, int width, int designParentWidth, int newParentWidth);

// The place of a control with the given design geometry in a parent that was designParent at design
// size and is now newParent. Stretched sizes never become negative.
QRect AnchoredGeometry(Anchor anchor, const QRect& design, const QSize& designParent, const QSize& newParent);

// Records controls of one parent at their design geometry and moves them for any later parent size.
class Anchoring {
public:
    // Design parent size is the client size every recorded geometry is relative to.
    explicit Anchoring(QSize designParent) : designParent_(designParent) {}

    // Records the control's present geometry as its design geometry.
    void Add(QWidget* control, Anchor anchor);

    // Places every recorded control that still exists for a parent client size of newParent.
    void Apply(const QSize& newParent) const;

    QSize DesignParent() const { return designParent_; }

private:
    struct Entry {
        QPointer<QWidget> control;
        Anchor anchor;
        QRect design;
    };
    QSize designParent_;
    std::vector<Entry> entries_;
};

} // namespace layout
