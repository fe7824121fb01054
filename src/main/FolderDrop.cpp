#include "FolderDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// Only the path is taken: a move would tell the file manager that it may delete its side.
Qt::DropAction SafeAction(Qt::DropActions possible) {
    return possible & Qt::LinkAction ? Qt::LinkAction : Qt::CopyAction;
}

} // namespace

FolderDrop::FolderDrop(QWidget* window) : QObject(window) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->acceptDrops())
            control->installEventFilter(this);
    }
}

std::optional<std::string> FolderDrop::DroppedPath(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile() || url.path().isEmpty())
            continue;
        // The URL carries a name's bytes percent-encoded; decoding them as such keeps a name that is not
        // UTF-8 intact, where the decoded text would not.
        return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toUtf8()).toStdString();
    }
    return std::nullopt;
}

bool FolderDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData() || !DroppedPath(*drag->mimeData()))
            return false;
        drag->setDropAction(SafeAction(drag->possibleActions()));
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const auto path = drop->mimeData() ? DroppedPath(*drop->mimeData()) : std::nullopt;
        if (!path)
            return false;
        drop->setDropAction(SafeAction(drop->possibleActions()));
        drop->accept();
        emit Dropped(*path);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
