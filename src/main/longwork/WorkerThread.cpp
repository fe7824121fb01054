#include "WorkerThread.h"

#include <QCoreApplication>

WorkerThread::WorkerThread(std::function<void()> work) {
    thread_ = std::thread([this, work = std::move(work)] {
        try {
            work();
        } catch (...) {
            error_ = std::current_exception();
        }
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        ended_.notify_all();
        QMetaObject::invokeMethod(
            &waker_, [] {}, Qt::QueuedConnection);
    });
}

WorkerThread::~WorkerThread() {
    thread_.join();
}

bool WorkerThread::WaitQuietly(std::chrono::milliseconds quiet) {
    std::unique_lock lock(mutex_);
    return ended_.wait_for(lock, quiet, [this] { return finished_.load(); });
}

void WorkerThread::WaitWithEvents(const std::function<bool()>& giveUp) {
    while (!finished_ && !(giveUp && giveUp()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WorkerThread::RethrowError() const {
    if (error_)
        std::rethrow_exception(error_);
}
