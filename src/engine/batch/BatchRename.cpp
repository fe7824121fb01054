// "Go": the clash question, then the renames of the grid's rows or of a snapshot of them, row by row.

#include "engine/batch/BatchRename.h"

#include "engine/grid/NameIndex.h"
#include "engine/names/RenameableName.h"
#include "engine/names/ShownName.h"
#include "engine/text/EngineText.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace engine {

BatchSnapshot TakeSnapshot(const std::string& folder, const NameGrid& grid,
                           std::optional<FolderIdentity> listed) {
    BatchSnapshot batch;
    batch.folder = folder;
    batch.listed = listed;
    batch.rows.reserve(static_cast<std::size_t>(std::max(0, grid.RowCount() - 1)));
    for (int row = 1; row < grid.RowCount(); ++row) {
        batch.rows.push_back({grid.Cell(NameGrid::OldColumn, row), grid.Cell(NameGrid::NewColumn, row)});
    }
    return batch;
}

namespace {

// The rows a batch works through, numbered from 0: those of a snapshot, or those of a grid that its owner
// keeps unchanged until the batch returns (grid row r + 1 is batch row r).
struct SnapshotRows {
    const std::vector<RenameRow>& rows;
    std::size_t Count() const { return rows.size(); }
    const std::string& Old(std::size_t row) const { return rows[row].oldName; }
    const std::string& New(std::size_t row) const { return rows[row].newName; }
};

struct GridRows {
    const NameGrid& grid;
    std::size_t Count() const { return static_cast<std::size_t>(std::max(0, grid.RowCount() - 1)); }
    const std::string& Old(std::size_t row) const {
        return grid.Cell(NameGrid::OldColumn, static_cast<int>(row) + 1);
    }
    const std::string& New(std::size_t row) const {
        return grid.Cell(NameGrid::NewColumn, static_cast<int>(row) + 1);
    }
};

// The rows of a batch that have a new name, as the journal is told them: read in place through their
// row numbers, four bytes a rename rather than a copy of both names.
template <class Rows> class PlannedOf : public PlannedRenames {
public:
    PlannedOf(const Rows& rows, std::size_t renames) : rows_(rows) {
        indexes_.reserve(renames);
        for (std::size_t row = 0; row < rows.Count(); ++row) {
            if (!rows.New(row).empty()) {
                indexes_.push_back(static_cast<std::uint32_t>(row));
            }
        }
    }
    std::size_t Count() const override { return indexes_.size(); }
    const std::string& OldName(std::size_t rename) const override { return rows_.Old(indexes_[rename]); }
    const std::string& NewName(std::size_t rename) const override { return rows_.New(indexes_[rename]); }

private:
    const Rows& rows_;
    std::vector<std::uint32_t> indexes_;
};

template <class Rows> int CountRenamesIn(const Rows& rows) {
    int count = 0;
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        count += rows.New(row).empty() ? 0 : 1;
    }
    return count;
}

} // namespace

std::string ClashMessage(const std::string& newName) {
    return Fill(ENGINE_TEXT("Renaming",
                            "This rename batch will not work as %1 will be the same as a file not "
                            "renamed yet, to continue and face the error click yes."),
                {newName});
}

std::string WithoutUndoQuestion(const std::string& error) {
    return Fill(ENGINE_TEXT("Renaming",
                            "The record needed to undo this Go cannot be written (%1). Rename the "
                            "files anyway, without a way to undo it?"),
                {error});
}

std::string FolderMovedMessage(const std::string& folder) {
    return Fill(ENGINE_TEXT("Renaming", "Nothing was renamed: the folder shown is no longer at %1, so it is "
                                        "listed again."),
                {folder});
}

std::string StrandedNote(const std::string& folder, const FolderRenamer& renamer) {
    const std::string stranded = renamer.StrandedName();
    if (stranded.empty())
        return {};
    return Fill(renamer.StrandedBesideOldName() ? ENGINE_TEXT("Renaming", "the file is also under %1")
                                                : ENGINE_TEXT("Renaming", "the file is now %1"),
                {ShownName(JoinPath(folder, stranded))});
}

std::string RenameFailedMessage(const std::string& folder, const std::string& oldName,
                                const std::string& note) {
    const std::string path = ShownName(JoinPath(folder, oldName));
    return note.empty() ? Fill(ENGINE_TEXT("Renaming", "Error renaming file %1"), {path})
                        : Fill(ENGINE_TEXT("Renaming", "Error renaming file %1 (%2)"), {path, note});
}

namespace {

template <class Rows> bool ConfirmClashesIn(const Rows& batch, BatchPrompts& prompts) {
    // The rows of each old name form a chain in row order. As rows are visited in ascending order, the
    // head of a chain only ever moves forward past rows that can no longer be "later": so every pair (row,
    // later row) with new name == later old name is met in the order of a scan over all pairs, at a cost
    // that grows with the rows and the questions asked, not with the square of the rows.
    const std::size_t rows = batch.Count();
    constexpr std::uint32_t none = UINT32_MAX;
    const auto oldNameOf = [&batch](std::uint32_t row) -> const std::string& { return batch.Old(row); };
    NameIndex index(rows);
    // The chain of each old name starts at headOf[the row the index keeps for that name].
    std::vector<std::uint32_t> headOf(rows, none);
    std::vector<std::uint32_t> nextSameOld(rows, none);
    for (auto row = static_cast<std::uint32_t>(rows); row-- > 0;) {
        bool inserted = false;
        const std::size_t slot = index.Insert(batch.Old(row), row, oldNameOf, inserted);
        std::uint32_t& head = headOf[index.RowAt(slot)];
        if (!inserted) {
            nextSameOld[row] = head;
        }
        head = row;
    }
    for (std::uint32_t row = 0; row < rows; ++row) {
        const std::string& newName = batch.New(row);
        // A blank new name leaves its file alone, so it cannot collide with anything.
        if (newName.empty()) {
            continue;
        }
        const std::size_t found = index.Find(newName, oldNameOf);
        if (found == NameIndex::npos) {
            continue;
        }
        std::uint32_t& head = headOf[index.RowAt(found)];
        while (head != none && head <= row) {
            head = nextSameOld[head];
        }
        for (std::uint32_t later = head; later != none; later = nextSameOld[later]) {
            if (!prompts.ConfirmClash(ClashMessage(newName))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool ConfirmClashes(const BatchSnapshot& batch, BatchPrompts& prompts) {
    return ConfirmClashesIn(SnapshotRows{batch.rows}, prompts);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

int CountRenames(const BatchSnapshot& batch) {
    return CountRenamesIn(SnapshotRows{batch.rows});
}

std::string GatheredFailuresMessage(const std::vector<std::string>& firstTexts, int moreCount) {
    std::string message;
    for (const std::string& text : firstTexts) {
        message += text;
        message += '\n';
    }
    if (moreCount > 0) {
        message += Fill(ENGINE_TEXT("Renaming", "... and %1 more files could not be renamed."),
                        {std::to_string(moreCount)}) +
                   '\n';
    }
    if (!message.empty()) {
        message.pop_back();
    }
    return message;
}

std::string GatheredFailureLine(const std::string& text, const std::string& reason) {
    return reason.empty() ? text : Fill(ENGINE_TEXT("Renaming", "%1: %2"), {text, reason});
}

std::string StoppedMessage(const BatchResult& result) {
    return Fill(ENGINE_TEXT("Renaming", "Renaming stopped. Files renamed: %1. Files left as they were: %2."),
                {std::to_string(result.renamed), std::to_string(result.total - result.renamed)});
}

namespace {

// The failures met after "Skip All": only the texts the report will show are kept, so a batch in which
// every one of a million renames fails holds twenty texts and a count, not a million paths.
struct GatheredFailures {
    std::vector<std::string> shown;
    int more = 0;

    void Add(std::string text) {
        if (shown.size() < GatheredFailuresShown) {
            shown.push_back(std::move(text));
        } else {
            ++more;
        }
    }
};

template <class Rows>
BatchResult RunRows(const std::string& folderPath, const std::optional<FolderIdentity>& listed,
                    const Rows& rows, FileRenamer& files, BatchPrompts& prompts, BatchJournal* journal) {
    BatchResult result;
    // The folder is opened before the first question: its box runs a nested event loop in which the
    // folder may be moved, and the files renamed must still be those that were listed, not whatever a new
    // folder of the old name holds by then.
    const int total = CountRenamesIn(rows);
    const std::unique_ptr<FolderRenamer> folder = total > 0 ? files.OpenFolder(folderPath) : nullptr;
    // The path is opened afresh, possibly long after the listing: if it no longer leads to the listed
    // folder (moved away, or replaced by another folder or a link to one), its files are not the ones
    // shown and are left alone.
    const auto opened = folder ? folder->Identity() : std::nullopt;
    if (total > 0 && listed && (!folder || (opened && *opened != *listed))) {
        prompts.ReportFailure(FolderMovedMessage(folderPath));
        result.folderMoved = true;
        result.listAgain = true;
        return result;
    }
    if (!ConfirmClashesIn(rows, prompts)) {
        return result;
    }
    // Only a batch that can rename anything is recorded; the record is complete before the first rename,
    // so that a batch cut short by a crash can still be undone.
    std::vector<bool> journalDone;
    if (journal && folder) {
        const PlannedOf<Rows> planned(rows, static_cast<std::size_t>(total));
        const std::string error = journal->Begin(folderPath, opened, planned);
        if (!error.empty()) {
            if (!prompts.Confirm(WithoutUndoQuestion(error))) {
                return result;
            }
            journal = nullptr;
        }
        if (journal) {
            journalDone.reserve(planned.Count());
        }
    } else {
        journal = nullptr;
    }
    result.listAgain = true;
    result.total = total;
    bool gathering = false;
    GatheredFailures gathered;
    int tried = 0;
    for (std::size_t index = 0; index < rows.Count(); ++index) {
        const std::string& oldName = rows.Old(index);
        const std::string& newName = rows.New(index);
        if (newName.empty()) {
            continue;
        }
        if (!prompts.Proceed(tried, total)) {
            result.stopped = true;
            break;
        }
        ++tried;
        // Both names must name an entry of this one folder: an edited cell holding "/" or ".." would
        // otherwise move a file somewhere else, and a NUL byte would cut the name short.
        const bool renameable = folder && IsRenameableName(oldName) && IsRenameableName(newName);
        const bool done = renameable && folder->Rename(oldName, newName);
        if (journal) {
            journalDone.push_back(done);
        }
        if (done) {
            ++result.renamed;
            result.renamedRows.resize(rows.Count(), false);
            result.renamedRows[index] = true;
            continue;
        }
        ++result.failed;
        std::string text = RenameFailedMessage(
            folderPath, oldName, renameable ? StrandedNote(folderPath, *folder) : std::string());
        const std::string reason = !folder      ? TranslatedText(RenamingTexts, FolderNotOpenedReason)
                                   : renameable ? folder->FailureReason()
                                                : TranslatedText(RenamingTexts, NameRefusedReason);
        if (gathering) {
            gathered.Add(GatheredFailureLine(text, reason));
        } else if (tried == total) {
            prompts.ReportRenameFailure(text, reason);
        } else {
            const FailureAnswer answer = prompts.AskAfterRenameFailure(text, reason);
            if (answer == FailureAnswer::Stop) {
                result.stopped = true;
                break;
            }
            gathering = answer == FailureAnswer::SkipAll;
        }
    }
    if (!gathered.shown.empty()) {
        prompts.ReportFailure(GatheredFailuresMessage(gathered.shown, gathered.more));
    }
    if (journal) {
        // The rows a stop left untried were not renamed either.
        journalDone.resize(static_cast<std::size_t>(total), false);
        journal->Finish(journalDone);
    }
    return result;
}

} // namespace

BatchResult RunBatch(const BatchSnapshot& batch, FileRenamer& files, BatchPrompts& prompts,
                     BatchJournal* journal) {
    return RunRows(batch.folder, batch.listed, SnapshotRows{batch.rows}, files, prompts, journal);
}

BatchResult RunBatch(const std::string& folder, const std::optional<FolderIdentity>& listed,
                     const NameGrid& grid, FileRenamer& files, BatchPrompts& prompts, BatchJournal* journal) {
    return RunRows(folder, listed, GridRows{grid}, files, prompts, journal);
}

} // namespace engine
