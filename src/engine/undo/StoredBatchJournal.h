#pragma once

#include "JournalHistory.h"
#include "engine/batch/BatchJournal.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// A batch's journal kept as a record of its own in the history, held from its plan to its outcome. A Go
// that changed no name (every rename failed, or gave a file its own name) leaves no record, so that it pushes
// no earlier Go out of the history; one that renamed something is kept, and only the records older than the
// last UndoHistoryLength go.
class StoredBatchJournal : public BatchJournal {
public:
    explicit StoredBatchJournal(JournalHistory& history) : history_(history) {}

    std::string Begin(const std::string& folder, const std::optional<FolderIdentity>& identity,
                      const PlannedRenames& renames) override;
    void Finish(const std::vector<bool>& done) override;

private:
    JournalHistory& history_;
    std::unique_ptr<HeldRecord> record_;
    std::vector<bool> changes_; // which renames of Begin change a name
};

} // namespace engine
