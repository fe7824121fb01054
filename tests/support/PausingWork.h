#pragma once

#include "engine/BatchRename.h"
#include "platform/files/FolderLister.h"
#include "platform/files/IoError.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace fakes {

// Holds a worker thread at one point until the test lets it go: a test can so catch background work in
// the middle, without sleeps.
class Gate {
public:
    // Called on the worker: waits until Release.
    void Hold() {
        std::unique_lock lock(mutex_);
        held_ = true;
        changed_.wait(lock, [this] { return released_; });
        held_ = false;
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
};

// Hands every rename on to another file system, but holds the n-th (counted from 1) at its gate until the
// test releases it.
class PausingRenamer : public engine::FileRenamer {
public:
    PausingRenamer(engine::FileRenamer& files, int pauseAt) : files_(files), pauseAt_(pauseAt) {}

    std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string& folder) override {
        auto inner = files_.OpenFolder(folder);
        if (!inner)
            return nullptr;
        return std::make_unique<Folder>(*this, std::move(inner));
    }

    Gate gate;

private:
    class Folder : public engine::FolderRenamer {
    public:
        Folder(PausingRenamer& owner, std::unique_ptr<engine::FolderRenamer> inner)
            : owner_(owner), inner_(std::move(inner)) {}
        bool Rename(const std::string& oldName, const std::string& newName) override {
            if (++owner_.count_ == owner_.pauseAt_)
                owner_.gate.Hold();
            return inner_->Rename(oldName, newName);
        }

    private:
        PausingRenamer& owner_;
        std::unique_ptr<engine::FolderRenamer> inner_;
    };

    engine::FileRenamer& files_;
    const int pauseAt_;
    std::atomic<int> count_{0};
};

// Hands every listing on to another lister, but holds the listing of `heldFolder` at its gate, after
// counting `shownRead` names as read, until the test releases it; and once `refuse` is set, refuses every
// listing, as a folder whose permissions were taken away would.
class PausingLister : public platform::FolderLister {
public:
    explicit PausingLister(platform::FolderLister& lister, std::string heldFolder = {},
                           std::size_t shownRead = 0)
        : lister_(lister), heldFolder_(std::move(heldFolder)), shownRead_(shownRead) {}

    std::vector<std::string> ListFiles(const std::string& folder) override {
        Check();
        return lister_.ListFiles(folder);
    }
    std::vector<std::string> ListFiles(const std::string& folder, engine::FolderIdentity& identity) override {
        Check();
        return lister_.ListFiles(folder, identity);
    }
    std::vector<std::string> ListFilesWatched(const std::string& folder, engine::FolderIdentity& identity,
                                              platform::ListingControl& control) override {
        Check();
        if (folder == heldFolder_) {
            control.read = shownRead_;
            gate.Hold();
        }
        return lister_.ListFilesWatched(folder, identity, control);
    }

    Gate gate;
    bool refuse = false;

private:
    void Check() const {
        if (refuse)
            throw platform::IoError(EACCES);
    }
    platform::FolderLister& lister_;
    const std::string heldFolder_;
    const std::size_t shownRead_;
};

} // namespace fakes
