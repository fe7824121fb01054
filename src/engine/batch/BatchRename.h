#pragma once

#include "BatchJournal.h"
#include "BatchPrompts.h"
#include "FileRenamer.h"
#include "FolderIdentity.h"
#include "PlannedRenames.h"
#include "engine/grid/NameGrid.h"
#include "engine/text/EngineText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// A batch in rows of its own: the folder, its rows and the folder they were listed from. The window takes
// none; it runs its batch over the grid's own rows (the RunBatch below that takes the grid) and keeps the
// grid unchanged until the batch returns. A snapshot serves callers that hold their rows elsewhere.
struct BatchSnapshot {
    std::string folder;
    std::vector<RenameRow> rows; // the file rows 1..RowCount()-1, in order
    // The folder the rows were listed from; nullopt where that is not known. A batch renames nothing when
    // the path leads to another folder by now.
    std::optional<FolderIdentity> listed = std::nullopt;
};

BatchSnapshot TakeSnapshot(const std::string& folder, const NameGrid& grid,
                           std::optional<FolderIdentity> listed = std::nullopt);

struct BatchResult {
    bool listAgain = false; // false only when the clash question was answered No
    bool stopped = false;   // the user ended the batch before its last rename
    int total = 0;          // the renames the batch held: its rows with a new name
    int renamed = 0;
    int failed = 0;
    bool folderMoved = false; // the listed folder was no longer at its path: nothing was renamed
    // Which rows were renamed, by row of the batch (grid row r + 1 is batch row r); empty when none was.
    std::vector<bool> renamedRows;
};

// The number of rows with a new name: the renames a batch will try.
int CountRenames(const BatchSnapshot& batch);

// With a journal, the batch is recorded there before its first rename and completed after its last. A
// record that cannot be written is no reason to lose anything: the batch asks (Confirm) whether to rename
// without it, and a No ends the batch before anything is renamed or thrown away.
BatchResult RunBatch(const BatchSnapshot& batch, FileRenamer& files, BatchPrompts& prompts,
                     BatchJournal* journal = nullptr);
// The same batch over the grid's own rows, without copying a name: for a caller that keeps the grid
// unchanged until the batch returns (the window locks its controls and holds back changes of folder for
// so long). A million rows then cost no second copy of a million names.
BatchResult RunBatch(const std::string& folder, const std::optional<FolderIdentity>& listed,
                     const NameGrid& grid, FileRenamer& files, BatchPrompts& prompts,
                     BatchJournal* journal = nullptr);

// The clash question of a batch, asked once for every row whose new name is the old name of a later row
// (in row order, then later-row order). False as soon as one is answered No.
bool ConfirmClashes(const BatchSnapshot& batch, BatchPrompts& prompts);
std::string ClashMessage(const std::string& newName);
// The one report of the failures gathered after "Skip All": the first few texts, then the count of the rest.
std::string GatheredFailuresMessage(const std::vector<std::string>& firstTexts, int moreCount);
// A failure's line in that report: its text and, where known, its reason.
std::string GatheredFailureLine(const std::string& text, const std::string& reason);
// The message after a stopped batch: how many files were renamed and how many were left as they were.
std::string StoppedMessage(const BatchResult& result);
// How many failure texts the gathered report lists before it only counts.
inline constexpr std::size_t GatheredFailuresShown = 20;
// The question of a batch whose record for undo cannot be written, with the reason.
std::string WithoutUndoQuestion(const std::string& error);
// The report of a batch whose folder is no longer the one that was listed under that path.
std::string FolderMovedMessage(const std::string& folder);
// Where a failed rename left the file when that is not simply its old name, as "the file is now <path>"
// or "the file is also under <path>"; empty otherwise.
std::string StrandedNote(const std::string& folder, const FolderRenamer& renamer);
// The report of a failed rename; note is the StrandedNote, if any. The paths are shown as the grid shows
// names, so a line feed or a byte that is not UTF-8 stays visible.
std::string RenameFailedMessage(const std::string& folder, const std::string& oldName,
                                const std::string& note = {});

// A folder and a name joined with one '/' (none added when the folder already ends in one or is empty).
std::string JoinPath(const std::string& folder, const std::string& name);

// Why the batch itself refused a rename: the folder could not be opened, or a name is not renameable.
// English; their translations come from TranslatedText(RenamingTexts, ...).
inline constexpr char RenamingTexts[] = "Renaming";
inline constexpr char FolderNotOpenedReason[] = ENGINE_TEXT_NOOP("Renaming", "The folder cannot be opened.");
inline constexpr char NameRefusedReason[] = ENGINE_TEXT_NOOP(
    "Renaming", "A file name cannot be empty, \".\" or \"..\", and cannot hold \"/\" or a NUL byte.");

} // namespace engine
