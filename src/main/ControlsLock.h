#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

// Disables a window's controls while long work runs in the background, so that nothing can change the
// grid or start other work meanwhile, and then gives back exactly the controls it took: a field that its
// mode had disabled stays disabled.
class ControlsLock {
public:
    explicit ControlsLock(QWidget* window) {
        for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || !child->isEnabled())
                continue;
            child->setEnabled(false);
            taken_.emplace_back(child);
        }
    }
    ~ControlsLock() {
        for (const QPointer<QWidget>& child : taken_)
            if (child)
                child->setEnabled(true);
    }
    ControlsLock(const ControlsLock&) = delete;
    ControlsLock& operator=(const ControlsLock&) = delete;

private:
    std::vector<QPointer<QWidget>> taken_;
};
