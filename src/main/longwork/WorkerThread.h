#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

// Work on a worker thread while the window's event loop runs: the one way the window waits for long work
// (a folder read, a batch, an undo) without freezing. Made and waited for on the user-interface thread.
class WorkerThread {
public:
    // Starts the work at once.
    explicit WorkerThread(std::function<void()> work);
    // Waits for the work to end.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    bool Finished() const { return finished_.load(); }
    // Waits for the work for at most `quiet`, the window's events held; true once it has ended. Most
    // work ends within a few milliseconds, and then the window never notices it.
    bool WaitQuietly(std::chrono::milliseconds quiet);
    // Handles the window's events until the work has ended, or until `giveUp` answers true (it is asked
    // after every event). Not a nested QEventLoop: a quit of the application must not end this wait
    // while the work still needs the user-interface thread to answer a box.
    void WaitWithEvents(const std::function<bool()>& giveUp = {});
    // Raises again here an error that the work raised.
    void RethrowError() const;

private:
    // Receives the worker's last word, which wakes the event loop from its wait for more events.
    QObject waker_;
    std::mutex mutex_;
    std::condition_variable ended_;
    std::atomic<bool> finished_{false};
    std::exception_ptr error_;
    std::thread thread_;
};
