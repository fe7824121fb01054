#pragma once

#include "JournalHistory.h"
#include "UndoPlan.h"
#include "engine/batch/BatchPrompts.h"
#include "engine/batch/FileRenamer.h"

#include <string>
#include <vector>

namespace engine {

struct UndoOutcome {
    enum class Status {
        Nothing,  // no record, or nothing in any left to rename back
        Refused,  // the record or its folder cannot be trusted; nothing renamed
        Declined, // the question was answered No
        Done,     // the renames back were tried
    };
    Status status = Status::Nothing;
    std::string folder;  // the record's folder, once it was read
    std::string message; // what to tell the user; empty after a complete undo
    int renamed = 0;
    int failed = 0;
    bool stopped = false;              // Proceed ended the undo before its last rename back
    std::vector<UndoFailure> failures; // every file not renamed back, with its reason
};

// "Nothing to undo."
std::string NothingToUndo();

// Undoes the most recent Go of the history that is not undone yet: reads and checks its record, opens its
// folder by its path and checks that it is still the same folder, works out the plan from the folder's
// names, asks (prompts.Confirm) with the question that names when that Go ran (`now` tells whether that
// was today), and renames back, asking prompts.Proceed before each rename. Afterwards the record keeps
// only the rows whose rename back was tried and failed, or never reached after a stop, for a later try;
// a record with none left is spent. A record whose files all stand as before is spent on the way to the
// one before it. A record that is refused, or whose folder is gone or replaced, is kept, so the folder
// may still be brought back (a drive mounted again) and undone then. A record that another Go or undo
// holds (a second window) is passed over.
UndoOutcome UndoLastGo(JournalHistory& history, FileRenamer& files, BatchPrompts& prompts,
                       const LocalTime& now);

// "Undo stopped. Files renamed back: k. Files left as they were: m."
std::string UndoStoppedMessage(int renamed, int left);

} // namespace engine
