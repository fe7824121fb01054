#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace fakes {

// Holds a worker thread at one point until the test lets it go: a test can so catch background work in
// the middle, without sleeps.
class Gate {
public:
    // Called on the worker: waits until Release.
    void Hold() {
        std::unique_lock lock(mutex_);
        ++passes_;
        held_ = true;
        changed_.wait(lock, [this] { return released_; });
        held_ = false;
    }
    // The same, for at most `bound`: work that wrongly runs on the test's own thread then ends the test
    // with a failure instead of hanging it. True when released.
    bool HoldFor(std::chrono::milliseconds bound) {
        std::unique_lock lock(mutex_);
        ++passes_;
        held_ = true;
        const bool released = changed_.wait_for(lock, bound, [this] { return released_; });
        held_ = false;
        return released;
    }
    // How many times a worker came to Hold or HoldFor.
    int Passes() const {
        const std::lock_guard lock(mutex_);
        return passes_;
    }
    // True while a worker waits in Hold.
    bool Holding() const {
        const std::lock_guard lock(mutex_);
        return held_;
    }
    void Release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = false;
    bool released_ = false;
    int passes_ = 0;
};

} // namespace fakes
