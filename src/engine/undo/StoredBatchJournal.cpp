// The record a Go writes for its undo, one record a Go.

#include "engine/undo/StoredBatchJournal.h"

#include "engine/undo/UndoJournal.h"

namespace engine {

std::string StoredBatchJournal::Begin(const std::string& folder,
                                      const std::optional<FolderIdentity>& identity,
                                      const PlannedRenames& renames) {
    changes_.assign(renames.Count(), false);
    for (std::size_t i = 0; i < renames.Count(); ++i) {
        changes_[i] = renames.OldName(i) != renames.NewName(i);
    }
    std::string error;
    record_ = history_.Create(
        [&](const std::function<void(std::string_view)>& put) {
            EncodePlanPieces(folder, identity.value_or(FolderIdentity{}), renames, put);
        },
        error);
    return record_ ? std::string() : error;
}

void StoredBatchJournal::Finish(const std::vector<bool>& done) {
    if (!record_) {
        return;
    }
    const std::unique_ptr<HeldRecord> record = std::move(record_);
    // A file renamed onto its own name counts as done, yet changed nothing.
    bool changed = false;
    for (std::size_t i = 0; i < done.size() && i < changes_.size() && !changed; ++i) {
        changed = done[i] && changes_[i];
    }
    if (!changed) {
        record->Discard();
        return;
    }
    // An outcome that cannot be added is no loss: the plan alone is undone as the disk then decides.
    record->Append(EncodeOutcome(done));
    history_.Prune(UndoHistoryLength);
}

} // namespace engine
