// The undo of the last batch, from its journal, alike for the window and the command line.

#include "engine/undo/UndoLastGo.h"

#include "engine/names/ShownName.h"
#include "engine/undo/UndoJournal.h"

namespace engine {
namespace {

UndoOutcome Refuse(std::string folder, std::string message) {
    return {UndoOutcome::Status::Refused, std::move(folder), std::move(message) + " Nothing was renamed.", 0,
            0};
}

} // namespace

UndoOutcome UndoLastGo(JournalStore& store, FileRenamer& files,
                       const std::function<bool(const std::string& question)>& confirm) {
    std::string error;
    const std::optional<std::string> bytes = store.Read(error);
    if (!bytes) {
        if (error.empty()) {
            return {UndoOutcome::Status::Nothing, {}, NothingToUndo, 0, 0};
        }
        return Refuse({}, "The record of the last Go cannot be read: " + error + ".");
    }
    DecodedJournal decoded = DecodeJournal(*bytes);
    if (!decoded.journal) {
        return Refuse({}, "The record of the last Go cannot be used: " + decoded.error + ".");
    }
    const Journal& journal = *decoded.journal;
    const std::unique_ptr<FolderRenamer> folder = files.OpenFolder(journal.folder);
    const std::string shown = ShownName(journal.folder);
    if (!folder) {
        return Refuse(journal.folder, "The folder of the last Go, " + shown + ", is no longer there.");
    }
    if (folder->Identity() != std::optional<FolderIdentity>(journal.identity)) {
        return Refuse(journal.folder, shown + " is no longer the folder of the last Go.");
    }
    const std::optional<std::vector<std::string>> present = folder->EntryNames();
    if (!present) {
        return Refuse(journal.folder, "The folder of the last Go, " + shown + ", cannot be read.");
    }
    const UndoPlan plan = PlanUndo(journal, *present);
    if (plan.steps.empty() && plan.failures.empty()) {
        store.Discard();
        return {UndoOutcome::Status::Nothing, journal.folder, NothingToUndo, 0, 0};
    }
    if (!plan.steps.empty() && !confirm(UndoQuestion(plan.steps.size(), journal.folder))) {
        return {UndoOutcome::Status::Declined, journal.folder, {}, 0, 0};
    }
    const UndoResult result = RunUndo(journal, plan, *folder);
    store.Discard();
    const int failed = static_cast<int>(result.failures.size());
    return {UndoOutcome::Status::Done, journal.folder,
            result.failures.empty() ? std::string() : UndoFailureReport(result.failures), result.renamed,
            failed};
}

} // namespace engine
