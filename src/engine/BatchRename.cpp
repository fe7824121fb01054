// "Go": the clash question, then the renames of one snapshot of the grid, row by row.

#include "engine/BatchRename.h"

#include <algorithm>
#include <iterator>
#include <memory_resource>
#include <string_view>
#include <unordered_map>

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

std::string ClashMessage(const std::string& newName) {
    return "This rename batch will not work as " + newName +
           " will be the same as a file not renamed yet, to continue and face the error click yes.";
}

std::string FolderMovedMessage(const std::string& folder) {
    return "Nothing was renamed: the folder shown is no longer at " + folder + ", so it is listed again.";
}

std::string RenameFailedMessage(const std::string& folder, const std::string& oldName,
                                const std::string& stranded) {
    std::string text = "Error renaming file " + JoinPath(folder, oldName);
    if (!stranded.empty())
        text += " (the file is now " + JoinPath(folder, stranded) + ")";
    return text;
}

bool ConfirmClashes(const BatchSnapshot& batch, BatchPrompts& prompts) {
    // The rows of each old name form a chain in row order. As rows are visited in ascending order, the
    // head of a chain only ever moves forward past rows that can no longer be "later": so every pair (row,
    // later row) with new name == later old name is met in the order of a scan over all pairs, at a cost
    // that grows with the rows and the questions asked, not with the square of the rows.
    const std::size_t rows = batch.rows.size();
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::vector<std::size_t> nextSameOld(rows, none);
    std::pmr::monotonic_buffer_resource arena;
    std::pmr::unordered_map<std::string_view, std::size_t> chainHead(&arena);
    chainHead.reserve(rows);
    for (std::size_t row = rows; row-- > 0;) {
        const auto [entry, inserted] = chainHead.try_emplace(batch.rows[row].oldName, row);
        if (!inserted) {
            nextSameOld[row] = entry->second;
            entry->second = row;
        }
    }
    for (std::size_t row = 0; row < rows; ++row) {
        const std::string& newName = batch.rows[row].newName;
        // A blank new name leaves its file alone, so it cannot collide with anything.
        if (newName.empty()) {
            continue;
        }
        const auto found = chainHead.find(newName);
        if (found == chainHead.end()) {
            continue;
        }
        std::size_t& head = found->second;
        while (head != none && head <= row) {
            head = nextSameOld[head];
        }
        for (std::size_t later = head; later != none; later = nextSameOld[later]) {
            if (!prompts.ConfirmClash(ClashMessage(newName))) {
                return false;
            }
        }
    }
    return true;
}

bool IsRenameableName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

BatchResult RunBatch(const BatchSnapshot& batch, FileRenamer& files, BatchPrompts& prompts,
                     BatchJournal* journal) {
    BatchResult result;
    // The folder is opened before the first question: its box runs a nested event loop in which the
    // folder may be moved, and the files renamed must still be those that were listed, not whatever a new
    // folder of the old name holds by then.
    const bool renamesAny = std::any_of(batch.rows.begin(), batch.rows.end(),
                                        [](const RenameRow& row) { return !row.newName.empty(); });
    const std::unique_ptr<FolderRenamer> folder = renamesAny ? files.OpenFolder(batch.folder) : nullptr;
    // The path is opened afresh, possibly long after the listing: if it no longer leads to the listed
    // folder (moved away, or replaced by another folder or a link to one), its files are not the ones
    // shown and are left alone.
    const auto opened = folder ? folder->Identity() : std::nullopt;
    if (renamesAny && batch.listed && (!folder || (opened && *opened != *batch.listed))) {
        prompts.ReportFailure(FolderMovedMessage(batch.folder));
        result.folderMoved = true;
        result.listAgain = true;
        return result;
    }
    if (!ConfirmClashes(batch, prompts)) {
        return result;
    }
    // Only a batch that can rename anything is recorded; the record is complete before the first rename,
    // so that a batch cut short by a crash can still be undone.
    std::vector<bool> journalDone;
    if (journal && folder) {
        std::vector<RenameRow> tried;
        std::copy_if(batch.rows.begin(), batch.rows.end(), std::back_inserter(tried),
                     [](const RenameRow& row) { return !row.newName.empty(); });
        if (!journal->Begin(batch.folder, opened, tried)) {
            return result;
        }
        journalDone.reserve(tried.size());
    } else {
        journal = nullptr;
    }
    result.listAgain = true;
    for (const RenameRow& row : batch.rows) {
        if (row.newName.empty()) {
            continue;
        }
        // Both names must name an entry of this one folder: an edited cell holding "/" or ".." would
        // otherwise move a file somewhere else, and a NUL byte would cut the name short.
        const bool renameable = folder && IsRenameableName(row.oldName) && IsRenameableName(row.newName);
        const bool done = renameable && folder->Rename(row.oldName, row.newName);
        if (journal) {
            journalDone.push_back(done);
        }
        if (done) {
            ++result.renamed;
        } else {
            ++result.failed;
            prompts.ReportFailure(RenameFailedMessage(batch.folder, row.oldName,
                                                      renameable ? folder->StrandedName() : std::string()));
        }
    }
    if (journal) {
        journal->Finish(journalDone);
    }
    return result;
}

} // namespace engine
