#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

namespace layout {

// Contrast of two colours as accessibility guidelines measure it: from 1 (the same) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b);

// A palette whose text is lighter than its window: a dark desktop.
bool IsDark(const QPalette& palette);

// The radio buttons' ring on a dark window: the window's text colour mixed into the window colour, just
// enough for 3:1 against the window, so it follows the desktop's own colours.
QColor IndicatorRing(const QPalette& palette);

// The toolkit's own look for radio buttons, which on a dark palette draws the empty indicator in shades that
// nearly vanish against the window; there it gets a ring in IndicatorRing. A light palette keeps every pixel.
class ReadableIndicatorStyle : public QProxyStyle {
    Q_OBJECT
public:
    // A fresh copy of the style the application uses.
    ReadableIndicatorStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace layout
