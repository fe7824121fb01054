#pragma once

#include "Gate.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Starts background work that will be held at `gate`, and runs `whileHeld` from the window's own event
// loop once the work is held and the window's widget `shownName` is on the screen; then lets the work go
// on. Returns when `start` has returned. Fails the test, and lets the work go, when that has not come
// about within five seconds.
inline void StartAndWhileHeld(QWidget& window, const char* shownName, fakes::Gate& gate,
                              const std::function<void()>& start,
                              const std::function<void(QWidget& shown)>& whileHeld) {
    QDeadlineTimer deadline(5000);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* shown = window.findChild<QWidget*>(QLatin1String(shownName));
        const bool ready = gate.Holding() && shown && shown->isVisible();
        if (!ready && !deadline.hasExpired())
            return;
        poll.stop();
        if (ready)
            whileHeld(*shown);
        else
            ADD_FAILURE() << "the work was never held with " << shownName << " on the screen";
        gate.Release();
    });
    poll.start(10);
    start();
    // Work that ended without reaching the gate must not leave a later arrival waiting.
    gate.Release();
}
