#include "BlobPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace layout {

namespace {

// All figures are given on an 80 x 80 grid, the size of the picture in the window.
constexpr qreal FigureGrid = 80.0;

QPainterPath BlobOutline() {
    QPainterPath path(QPointF(40, 5));
    path.cubicTo(60, 3, 76, 16, 75, 36);
    path.cubicTo(74, 55, 66, 74, 44, 75);
    path.cubicTo(24, 76, 5, 66, 6, 44);
    path.cubicTo(7, 24, 20, 7, 40, 5);
    path.closeSubpath();
    return path;
}

void PaintTag(QPainter& painter, const QRectF& tag, const QColor& face, const QRectF& writing,
              const QColor& ink) {
    painter.setPen(QPen(QColor(0x17, 0x59, 0x4f), 1.5));
    painter.setBrush(face);
    painter.drawRoundedRect(tag, 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawRect(writing);
}

} // namespace

void PaintBlob(QPainter& painter, int side) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / FigureGrid, side / FigureGrid);

    painter.setPen(QPen(QColor(0x1d, 0x6f, 0x65), 2.5));
    painter.setBrush(QColor(0x2a, 0x9d, 0x8f));
    painter.drawPath(BlobOutline());

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawEllipse(QPointF(27, 13), 10, 4);

    // The old name above, the new name below, and the arrow that turns one into the other.
    PaintTag(painter, QRectF(13, 20, 42, 15), Qt::white, QRectF(18, 26, 24, 3), QColor(0x8a, 0x8a, 0x8a));
    PaintTag(painter, QRectF(25, 45, 42, 15), QColor(0xff, 0xe0, 0x8a), QRectF(30, 51, 30, 3),
             QColor(0x5a, 0x3d, 0x00));

    QPainterPath shaft(QPointF(19, 36));
    shaft.lineTo(19, 52);
    shaft.lineTo(22, 52);
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shaft);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(21, 47.5), QPointF(26, 52), QPointF(21, 56.5)}));

    painter.restore();
}

QImage BlobImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintBlob(painter, side);
    return image;
}

QPixmap BlobPicture() {
    return QPixmap::fromImage(BlobImage(BlobSide));
}

QIcon WindowIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(BlobImage(side)));
    return icon;
}

} // namespace layout
