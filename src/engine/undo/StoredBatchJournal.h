#pragma once

#include "JournalStore.h"
#include "engine/batch/BatchJournal.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace engine {

// The batch's journal kept in a store. When the plan cannot be written, the user is asked whether to
// rename without a way back; an outcome that cannot be added is no loss, as the disk then decides.
class StoredBatchJournal : public BatchJournal {
public:
    using Question = std::function<bool(const std::string& text)>;
    StoredBatchJournal(JournalStore& store, Question goOnWithoutUndo)
        : store_(store), goOnWithoutUndo_(std::move(goOnWithoutUndo)) {}

    bool Begin(const std::string& folder, const std::optional<FolderIdentity>& identity,
               const PlannedRenames& renames) override;
    void Finish(const std::vector<bool>& done) override;

    static std::string WithoutUndoQuestion(const std::string& error);

private:
    JournalStore& store_;
    Question goOnWithoutUndo_;
    bool written_ = false;
};

} // namespace engine
