#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

// Processes events until the condition holds or two seconds have passed; true when it holds.
template <class Condition> bool WaitUntil(Condition condition) {
    QDeadlineTimer deadline(2000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
