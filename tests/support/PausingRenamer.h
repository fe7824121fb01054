#pragma once

#include "engine/BatchRename.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

namespace fakes {

// Hands every rename on to another file system, but holds the n-th (counted from 1) until the test
// releases it: a batch on a worker thread can so be caught in the middle, without sleeps.
class PausingRenamer : public engine::FileRenamer {
public:
    PausingRenamer(engine::FileRenamer& files, int pauseAt) : files_(files), pauseAt_(pauseAt) {}

    std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string& folder) override {
        auto inner = files_.OpenFolder(folder);
        if (!inner)
            return nullptr;
        return std::make_unique<Folder>(*this, std::move(inner));
    }

    // True while the held rename waits.
    bool Paused() const {
        const std::lock_guard lock(mutex_);
        return paused_;
    }
    void Release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    class Folder : public engine::FolderRenamer {
    public:
        Folder(PausingRenamer& owner, std::unique_ptr<engine::FolderRenamer> inner)
            : owner_(owner), inner_(std::move(inner)) {}
        bool Rename(const std::string& oldName, const std::string& newName) override {
            owner_.HoldIfDue();
            return inner_->Rename(oldName, newName);
        }

    private:
        PausingRenamer& owner_;
        std::unique_ptr<engine::FolderRenamer> inner_;
    };

    void HoldIfDue() {
        std::unique_lock lock(mutex_);
        if (++count_ != pauseAt_)
            return;
        paused_ = true;
        changed_.wait(lock, [this] { return released_; });
        paused_ = false;
    }

    engine::FileRenamer& files_;
    const int pauseAt_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int count_ = 0;
    bool paused_ = false;
    bool released_ = false;
};

} // namespace fakes
