#include "FolderImages.h"

#include "platform/shell/ShellNamespace.h"

#include <QFileIconProvider>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

constexpr int IconSize = 16;
// The link mark's side: large enough for its arrow to read at a glance.
constexpr int LinkSide = 9;

// The link mark: a white box with a dark frame holding a bent arrow that points up and to the right, drawn
// at the size it is shown in, so that it stays crisp.
void DrawLinkMark(QPainter& painter, const QRect& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(32, 32, 32), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));

    const QColor arrow(0, 70, 190);
    const QRectF inner = QRectF(box).adjusted(2, 2, -2, -2);
    QPen shaft(arrow, 1.5);
    shaft.setCapStyle(Qt::RoundCap);
    painter.setPen(shaft);
    painter.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(inner.left(), inner.bottom());
    bend.quadTo(inner.left(), inner.top() + inner.height() * 0.3, inner.right() - 1, inner.top() + 1);
    painter.drawPath(bend);
    QPolygonF head;
    head << QPointF(inner.right() + 0.5, inner.top() - 0.5)
         << QPointF(inner.right() - inner.width() * 0.6, inner.top())
         << QPointF(inner.right(), inner.top() + inner.height() * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrow);
    painter.drawPolygon(head);
    painter.restore();
}

} // namespace

TFolderImages::TFolderImages(const QStyle& style) {
    QFileIconProvider provider;
    icons_.resize(platform::iconCount);
    icons_[platform::iconFolder] = provider.icon(QFileIconProvider::Folder);
    icons_[platform::iconFolderOpen] = style.standardIcon(QStyle::SP_DirOpenIcon);
    icons_[platform::iconDesktop] = provider.icon(QFileIconProvider::Desktop);
    icons_[platform::iconComputer] = provider.icon(QFileIconProvider::Computer);
    icons_[platform::iconDrive] = provider.icon(QFileIconProvider::Drive);
    icons_[platform::iconRemovableDrive] = style.standardIcon(QStyle::SP_DriveFDIcon);
    icons_[platform::iconTrash] = provider.icon(QFileIconProvider::Trashcan);
    icons_[platform::iconNetwork] = provider.icon(QFileIconProvider::Network);
    icons_[platform::iconNetworkFolder] = style.standardIcon(QStyle::SP_DriveNetIcon);
    shareOverlay_ = style.standardIcon(QStyle::SP_DriveNetIcon);
}

QIcon TFolderImages::Base(int index) const {
    if (index < 0 || index >= Count() || icons_[index].isNull())
        return icons_[platform::iconFolder];
    return icons_[index];
}

QPixmap TFolderImages::Compose(const QIcon& base, int overlay, QIcon::Mode mode) const {
    QPixmap pixmap = base.pixmap(IconSize, IconSize, mode);
    if (pixmap.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    if (overlay == 1) {
        DrawLinkMark(painter, QRect(0, IconSize - LinkSide, LinkSide, LinkSide));
    } else if (!shareOverlay_.isNull()) {
        const int side = IconSize / 2;
        painter.drawPixmap(0, IconSize - side, shareOverlay_.pixmap(side, side));
    }
    return pixmap;
}

QIcon TFolderImages::Icon(int image, int selected, int overlay) {
    if (overlay != 0 && overlay != 1)
        overlay = -1;
    const auto key = std::make_tuple(image, selected, overlay);
    if (auto found = cache_.find(key); found != cache_.end())
        return found->second;

    QIcon icon;
    const QIcon normal = Base(image);
    const QIcon open = Base(selected);
    if (overlay < 0 && image == selected) {
        icon = normal;
    } else {
        // The view draws a selected item's decoration in the Selected mode, which shows the open-state icon.
        auto draw = [&](const QIcon& base) {
            return overlay < 0 ? base.pixmap(IconSize, IconSize) : Compose(base, overlay, QIcon::Normal);
        };
        icon.addPixmap(draw(normal), QIcon::Normal);
        icon.addPixmap(draw(normal), QIcon::Active);
        icon.addPixmap(draw(open), QIcon::Selected);
    }
    cache_.emplace(key, icon);
    return icon;
}
