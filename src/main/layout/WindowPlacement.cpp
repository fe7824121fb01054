#include "WindowPlacement.h"

#include <algorithm>

namespace layout {

QPoint CentredOnScreen(const QRect& available, const QSize& window) {
    const QPoint centred = available.topLeft() + QPoint((available.width() - window.width()) / 2,
                                                        (available.height() - window.height()) / 2);
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

} // namespace layout
