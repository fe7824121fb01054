#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <initializer_list>
#include <vector>

// Disables a window's controls while long work runs in the background, so that nothing can change the
// grid or start other work meanwhile, and then gives back exactly the controls it took: a field that its
// mode had disabled stays disabled. The controls named in `keep` stay usable.
//
// A disabled control loses the keyboard focus; the lock gives it back to the control that had it, unless
// the user has put the focus somewhere else of the window meanwhile (into the tree, during a listing).
class ControlsLock {
public:
    explicit ControlsLock(QWidget* window, std::initializer_list<const QWidget*> keep = {})
        : window_(window) {
        if (QWidget* focus = QApplication::focusWidget(); focus && window->isAncestorOf(focus))
            focus_ = focus;
        for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || !child->isEnabled() ||
                std::find(keep.begin(), keep.end(), child) != keep.end())
                continue;
            child->setEnabled(false);
            taken_.emplace_back(child);
        }
        focusAfterLock_ = QApplication::focusWidget();
    }
    ~ControlsLock() {
        for (const QPointer<QWidget>& child : taken_)
            if (child)
                child->setEnabled(true);
        QWidget* now = QApplication::focusWidget();
        const bool moved = now && now != focusAfterLock_ && window_ && window_->isAncestorOf(now);
        if (focus_ && !moved && focus_->isEnabled() && focus_->isVisible())
            focus_->setFocus(Qt::OtherFocusReason);
    }
    ControlsLock(const ControlsLock&) = delete;
    ControlsLock& operator=(const ControlsLock&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;          // the focus before the lock
    QPointer<QWidget> focusAfterLock_; // where disabling the controls moved it
    std::vector<QPointer<QWidget>> taken_;
};
