#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace layout {

// Where a window of the given outer size goes on a screen's free area: centred, but never above or left
// of the area, so that its title bar stays on the screen where the window is larger than the screen (a
// large scale factor on a small screen) and the user can still grab and move it.
QPoint CentredOnScreen(const QRect& available, const QSize& window);

} // namespace layout
