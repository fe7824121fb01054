#pragma once

#include "FolderIdentity.h"
#include "PlannedRenames.h"

#include <optional>
#include <string>
#include <vector>

namespace engine {

// Records a batch so that it can be undone: told the rows it is about to try before the first rename, and
// which of them were renamed after the last.
class BatchJournal {
public:
    virtual ~BatchJournal() = default;
    // renames: the rows with a new name, in order, valid only during the call. Answers why the record
    // could not be written, empty once it is; the batch then asks whether to rename without it.
    virtual std::string Begin(const std::string& folder, const std::optional<FolderIdentity>& identity,
                              const PlannedRenames& renames) = 0;
    // done[i] tells whether rename i of Begin was renamed.
    virtual void Finish(const std::vector<bool>& done) = 0;
};

} // namespace engine
