#pragma once

#include "JournalHistory.h"
#include "UndoJournal.h"
#include "engine/batch/BatchPrompts.h"
#include "engine/batch/FileRenamer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace engine {

// A file of the last batch that cannot be renamed back, by the name it was given, and why.
struct UndoFailure {
    std::string name;
    std::string reason;
};

// What undoing a journal in its folder's present state will do: the rows to rename back, from the last
// to the first, and the renamed files that cannot be.
struct UndoPlan {
    std::vector<std::size_t> steps; // indexes into the journal's rows, in the order they are undone
    std::vector<UndoFailure> failures;
};

// Works out the undo from the names present in the folder (files and folders alike). A row is renamed
// back only when its new name is there and its old name is not, counting the renames back of later rows
// (a chain b->c, a->b is undone as b->a, then c->b). A row that was not renamed, or whose file stands
// under its old name again, needs nothing. Without an outcome in the journal (a batch cut short), every
// row that is not plainly renamed is taken as never reached and left alone.
UndoPlan PlanUndo(const Journal& journal, const std::vector<std::string>& present);

struct UndoResult {
    int renamed = 0;
    std::vector<UndoFailure> failures; // the plan's, then those of renames that failed
    // The rows still renamed that a later undo may bring back: those whose rename back failed, and
    // those a stop left untried.
    std::vector<std::size_t> left;
    bool stopped = false;
};

// Renames back, in the plan's order, with the folder's no-replace rename. prompts.Proceed is asked before
// each rename back (with the renames tried so far and the plan's count); false stops the undo there.
UndoResult RunUndo(const Journal& journal, const UndoPlan& plan, FolderRenamer& folder,
                   BatchPrompts& prompts);

// "Undo the renaming of N files in <folder>, made at 14:03?"; for a Go of another day than `now`,
// "..., made on 2026-12-07 at 14:03?".
std::string UndoQuestion(std::size_t files, const std::string& folder, const LocalTime& madeAt,
                         const LocalTime& now);
// One message for all failures: how many, then at most `shown` of them by name with their reason. Names
// and the folder are shown with stand-ins for what would garble a one-line message (line breaks, bytes
// that are not UTF-8).
std::string UndoFailureReport(const std::vector<UndoFailure>& failures, std::size_t shown = 20);

} // namespace engine
