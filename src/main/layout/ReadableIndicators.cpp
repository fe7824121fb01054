#include "ReadableIndicators.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <cmath>

namespace layout {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](float a, float b) { return a + (b - a) * share; };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

constexpr double RingContrast = 3.0;

} // namespace

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(const QPalette& palette) {
    return Luminance(palette.color(QPalette::WindowText)) > Luminance(palette.color(QPalette::Window));
}

QColor IndicatorRing(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    // In tenths, from half-way to the text colour itself, which has the most contrast there is.
    for (int tenths = 5; tenths < 10; ++tenths) {
        const QColor ring = Mix(window, text, tenths / 10.0);
        if (Contrast(ring, window) >= RingContrast)
            return ring;
    }
    return text;
}

ReadableIndicatorStyle::ReadableIndicatorStyle() : QProxyStyle(QApplication::style()->name()) {}

void ReadableIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                           QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorRadioButton || !IsDark(option->palette))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(IndicatorRing(option->palette), 1.0));
    const QRectF square = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const double side = std::min(square.width(), square.height());
    painter->drawEllipse(QRectF(square.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
    painter->restore();
}

} // namespace layout
