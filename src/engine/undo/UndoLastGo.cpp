// The undo of the last Gos, one at a time from their records, alike for the window and the command line.

#include "engine/undo/UndoLastGo.h"

#include "engine/names/ShownName.h"
#include "engine/text/EngineText.h"
#include "engine/undo/UndoJournal.h"

namespace engine {
namespace {

UndoOutcome Refuse(std::string folder, std::string message) {
    UndoOutcome outcome;
    outcome.status = UndoOutcome::Status::Refused;
    outcome.folder = std::move(folder);
    outcome.message = Fill(ENGINE_TEXT("Undo", "%1 Nothing was renamed."), {message});
    return outcome;
}

// Keeps in the record only the rows that are still renamed and may go back on a later try.
void Spend(HeldRecord& record, const Journal& journal, const UndoResult& result) {
    if (result.left.empty()) {
        record.Discard();
        return;
    }
    std::vector<bool> done(journal.rows.size(), false);
    for (const std::size_t row : result.left) {
        done[row] = true;
    }
    // Should this fail, the record stays as it was: the rows put back then need nothing on the next try.
    record.Replace(EncodePlan(journal.folder, journal.identity, journal.rows) + EncodeOutcome(done));
}

std::string Message(const UndoResult& result, int left) {
    std::string message = result.stopped ? UndoStoppedMessage(result.renamed, left) : std::string();
    if (!result.failures.empty()) {
        if (!message.empty())
            message += '\n';
        message += UndoFailureReport(result.failures);
    }
    return message;
}

} // namespace

std::string NothingToUndo() {
    return ENGINE_TEXT("Undo", "Nothing to undo.");
}

std::string UndoStoppedMessage(int renamed, int left) {
    return Fill(ENGINE_TEXT("Undo", "Undo stopped. Files renamed back: %1. Files left as they were: %2."),
                {std::to_string(renamed), std::to_string(left)});
}

UndoOutcome UndoLastGo(JournalHistory& history, FileRenamer& files, BatchPrompts& prompts,
                       const LocalTime& now) {
    for (const JournalHistory::Entry& entry : history.List()) {
        const std::unique_ptr<HeldRecord> record = history.Take(entry.id);
        if (!record) {
            continue;
        }
        std::string error;
        const std::optional<std::string> bytes = record->Read(error);
        if (!bytes) {
            return Refuse(
                {}, Fill(ENGINE_TEXT("Undo", "The record of the last Go cannot be read: %1."), {error}));
        }
        DecodedJournal decoded = DecodeJournal(*bytes);
        if (!decoded.journal) {
            return Refuse({}, Fill(ENGINE_TEXT("Undo", "The record of the last Go cannot be used: %1."),
                                   {decoded.error}));
        }
        const Journal& journal = *decoded.journal;
        const std::unique_ptr<FolderRenamer> folder = files.OpenFolder(journal.folder);
        const std::string shown = ShownName(journal.folder);
        if (!folder) {
            return Refuse(
                journal.folder,
                Fill(ENGINE_TEXT("Undo", "The folder of the last Go, %1, is no longer there."), {shown}));
        }
        if (folder->Identity() != std::optional<FolderIdentity>(journal.identity)) {
            return Refuse(journal.folder,
                          Fill(ENGINE_TEXT("Undo", "%1 is no longer the folder of the last Go."), {shown}));
        }
        const std::optional<std::vector<std::string>> present = folder->EntryNames();
        if (!present) {
            return Refuse(
                journal.folder,
                Fill(ENGINE_TEXT("Undo", "The folder of the last Go, %1, cannot be read."), {shown}));
        }
        const UndoPlan plan = PlanUndo(journal, *present);
        if (plan.steps.empty() && plan.failures.empty()) {
            record->Discard();
            continue;
        }
        UndoOutcome outcome;
        outcome.folder = journal.folder;
        if (!plan.steps.empty() &&
            !prompts.Confirm(UndoQuestion(plan.steps.size(), journal.folder, entry.madeAt, now))) {
            outcome.status = UndoOutcome::Status::Declined;
            return outcome;
        }
        UndoResult result = RunUndo(journal, plan, *folder, prompts);
        Spend(*record, journal, result);
        outcome.status = UndoOutcome::Status::Done;
        outcome.renamed = result.renamed;
        outcome.failed = static_cast<int>(result.failures.size());
        outcome.stopped = result.stopped;
        outcome.message = Message(result, static_cast<int>(plan.steps.size()) - result.renamed);
        outcome.failures = std::move(result.failures);
        return outcome;
    }
    UndoOutcome nothing;
    nothing.message = NothingToUndo();
    return nothing;
}

} // namespace engine
