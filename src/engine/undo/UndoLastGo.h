#pragma once

#include "JournalStore.h"
#include "UndoPlan.h"
#include "engine/batch/FileRenamer.h"

#include <functional>
#include <string>

namespace engine {

struct UndoOutcome {
    enum class Status {
        Nothing,  // no journal, or nothing in it left to rename back
        Refused,  // the journal or its folder cannot be trusted; nothing renamed
        Declined, // the question was answered No
        Done,     // the renames back were tried
    };
    Status status = Status::Nothing;
    std::string folder;  // the journal's folder, once it was read
    std::string message; // what to tell the user; empty after a complete undo
    int renamed = 0;
    int failed = 0;
};

inline constexpr char NothingToUndo[] = "Nothing to undo.";

// Undoes the last batch recorded in the store: reads and checks the journal, opens its folder by its
// path and checks that it is still the same folder, works out the plan from the folder's names, asks
// `confirm` with the question (when there is anything to rename back), and renames back. Afterwards the
// journal is spent. A journal that is refused, or whose folder is gone or replaced, is kept, so the
// folder may still be brought back (a drive mounted again) and undone then.
UndoOutcome UndoLastGo(JournalStore& store, FileRenamer& files,
                       const std::function<bool(const std::string& question)>& confirm);

} // namespace engine
