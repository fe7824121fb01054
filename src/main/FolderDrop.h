#pragma once

#include <QObject>
#include <optional>
#include <string>

class QMimeData;
class QWidget;

// Folders dropped from a file manager onto a window, anywhere on it, entry fields included: the window
// takes the drop instead of the control under the pointer. Other drops are left to the controls.
class FolderDrop : public QObject {
    Q_OBJECT
public:
    // Watches the window and every control in it that takes drops of its own.
    explicit FolderDrop(QWidget* window);

    // The path of the first local file or folder in the dropped data, as bytes; none when it holds none.
    static std::optional<std::string> DroppedPath(const QMimeData& data);

signals:
    void Dropped(const std::string& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
