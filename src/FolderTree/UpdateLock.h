#pragma once

#include <QGuiApplication>
#include <QWidget>

// Suspends the drawing of a widget while bulk changes run, so that it is repainted once. Like the window
// lock it stands for, it is not counted: an inner lock changes nothing and the first release ends it.
class UpdateLock {
public:
    explicit UpdateLock(QWidget& widget) : widget_(widget) { widget_.setUpdatesEnabled(false); }
    ~UpdateLock() { widget_.setUpdatesEnabled(true); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

private:
    QWidget& widget_;
};

// The busy cursor while a folder is listed; always restored, also when the listing ends in an error.
class WaitCursor {
public:
    WaitCursor() : shown_(qGuiApp != nullptr) {
        if (shown_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() {
        if (shown_)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_;
};
