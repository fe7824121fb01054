#pragma once

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <initializer_list>
#include <vector>

// Disables a window's controls while long work runs in the background, so that nothing can change the
// grid or start other work meanwhile, and then gives back exactly the controls it took: a field that its
// mode had disabled stays disabled. The controls named in `keep` stay usable.
class ControlsLock {
public:
    explicit ControlsLock(QWidget* window, std::initializer_list<const QWidget*> keep = {}) {
        for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || !child->isEnabled() ||
                std::find(keep.begin(), keep.end(), child) != keep.end())
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
