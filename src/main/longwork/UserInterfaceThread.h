#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

// Runs `work` on the thread of `uiObject`, the user-interface thread, and returns its answer: at once when
// called there, else by having that thread run it and waiting for it. Message boxes asked for by work on
// a worker thread are so shown where they must be.
template <class Work> auto OnThreadOf(QObject* uiObject, Work work) -> decltype(work()) {
    if (QThread::currentThread() == uiObject->thread())
        return work();
    decltype(work()) answer{};
    QMetaObject::invokeMethod(
        uiObject, [&] { answer = work(); }, Qt::BlockingQueuedConnection);
    return answer;
}
