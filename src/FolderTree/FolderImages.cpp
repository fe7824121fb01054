#include "FolderImages.h"

#include "platform/shell/ShellNamespace.h"

#include <QFileIconProvider>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int IconSize = 16;
}

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
    linkOverlay_ = style.standardIcon(QStyle::SP_FileLinkIcon);
}

QIcon TFolderImages::Base(int index) const {
    if (index < 0 || index >= Count() || icons_[index].isNull())
        return icons_[platform::iconFolder];
    return icons_[index];
}

QPixmap TFolderImages::Compose(const QIcon& base, int overlay, QIcon::Mode mode) const {
    QPixmap pixmap = base.pixmap(IconSize, IconSize, mode);
    const QIcon& mark = overlay == 0 ? shareOverlay_ : linkOverlay_;
    if (pixmap.isNull() || mark.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    const int side = IconSize / 2;
    painter.drawPixmap(0, IconSize - side, mark.pixmap(side, side));
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
