#pragma once

#include "Gate.h"
#include "engine/batch/FileRenamer.h"
#include "engine/batch/FolderIdentity.h"
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

// Hands every listing and rename on to another file system, but holds one piece of work at its gate until
// the test releases it: the `pauseAt`-th rename (counted from 1), or the listing of `heldFolder` after
// counting `shownRead` names as read. The `failAt`-th rename fails, once let go, with `failReason`. Once
// `refuse` is set it refuses every listing, as a folder whose permissions were taken away would. Set these
// before the work starts.
class PausingFiles : public platform::FolderLister, public engine::FileRenamer {
public:
    PausingFiles(platform::FolderLister& lister, engine::FileRenamer& renamer)
        : lister_(lister), renamer_(renamer) {}

    std::vector<std::string> ListFilesWatched(const std::string& folder, engine::FolderIdentity& identity,
                                              platform::ListingControl& control) override {
        Check();
        if (folder == heldFolder) {
            control.read = shownRead;
            gate.Hold();
        }
        return lister_.ListFilesWatched(folder, identity, control);
    }
    std::unique_ptr<engine::FolderRenamer> OpenFolder(const std::string& folder) override {
        auto inner = renamer_.OpenFolder(folder);
        if (!inner)
            return nullptr;
        return std::make_unique<Folder>(*this, std::move(inner));
    }

    Gate gate;
    int pauseAt = 0;
    int failAt = 0;
    std::string failReason;
    std::string heldFolder;
    std::size_t shownRead = 0;
    bool refuse = false;

private:
    class Folder : public engine::FolderRenamer {
    public:
        Folder(PausingFiles& owner, std::unique_ptr<engine::FolderRenamer> inner)
            : owner_(owner), inner_(std::move(inner)) {}
        bool Rename(const std::string& oldName, const std::string& newName) override {
            const int number = ++owner_.renames_;
            if (number == owner_.pauseAt)
                owner_.gate.Hold();
            failedHere_ = number == owner_.failAt;
            return !failedHere_ && inner_->Rename(oldName, newName);
        }
        std::string FailureReason() const override {
            return failedHere_ ? owner_.failReason : inner_->FailureReason();
        }
        std::string StrandedName() const override { return inner_->StrandedName(); }
        std::optional<engine::FolderIdentity> Identity() override { return inner_->Identity(); }
        std::optional<std::vector<std::string>> EntryNames() override { return inner_->EntryNames(); }

    private:
        PausingFiles& owner_;
        std::unique_ptr<engine::FolderRenamer> inner_;
        bool failedHere_ = false;
    };

    void Check() const {
        if (refuse)
            throw platform::IoError(EACCES);
    }
    platform::FolderLister& lister_;
    engine::FileRenamer& renamer_;
    std::atomic<int> renames_{0};
};

} // namespace fakes
