#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;

// The program's emblem: a rounded blob carrying an old name tag, an arrow and a new name tag. It is drawn
// in code, so the picture beside the radio buttons, the window icon and the icon files of the desktop
// entry all come from one drawing and stay alike at every size. data/titleshaperworkshop.svg repeats the
// same figures for desktops that prefer a scalable icon.
namespace layout {

// Side of the picture shown in the window, in pixels.
inline constexpr int BlobSide = 80;

// Draws the emblem into the square (0, 0, side, side) of the painter's present coordinates.
void PaintBlob(QPainter& painter, int side);

// The emblem on a transparent square image of the given side.
QImage BlobImage(int side);

// The 80 x 80 picture of imgBlob.
QPixmap BlobPicture();

// The window icon, with hand-rendered sizes so that small sizes are not scaled down from a large one.
QIcon WindowIcon();

} // namespace layout
