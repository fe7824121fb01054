// The batch's journal written to its store: the plan before the first rename, the outcome after the last.

#include "engine/undo/StoredBatchJournal.h"

#include "engine/undo/UndoJournal.h"

namespace engine {

bool StoredBatchJournal::Begin(const std::string& folder, const std::optional<FolderIdentity>& identity,
                               const PlannedRenames& renames) {
    std::string error = store_.WritePieces([&](const std::function<void(std::string_view)>& put) {
        EncodePlanPieces(folder, identity.value_or(FolderIdentity{}), renames, put);
    });
    written_ = error.empty();
    if (written_) {
        return true;
    }
    // A journal of an earlier batch must not stay behind as if it were this one's.
    store_.Discard();
    return goOnWithoutUndo_(WithoutUndoQuestion(error));
}

void StoredBatchJournal::Finish(const std::vector<bool>& done) {
    if (written_) {
        store_.Append(EncodeOutcome(done));
    }
}

std::string StoredBatchJournal::WithoutUndoQuestion(const std::string& error) {
    return "The record needed to undo this Go cannot be written (" + error +
           "). Rename the files anyway, without a way to undo it?";
}

} // namespace engine
