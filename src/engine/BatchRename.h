#pragma once

#include "NameGrid.h"
#include "PlannedRenames.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// Which folder an open folder is (device and inode): a folder put at the same path later is another one.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderIdentity&) const = default;
};

// One folder opened for renaming; names are relative to it.
class FolderRenamer {
public:
    virtual ~FolderRenamer() = default;
    // Renames oldName to newName without ever overwriting a file; false when the rename failed.
    virtual bool Rename(const std::string& oldName, const std::string& newName) = 0;
    // After a failed Rename: the name the file was left under when that is neither its old nor its new
    // name (a step through a temporary name that could not be undone); empty otherwise.
    virtual std::string StrandedName() const { return {}; }
    // The identity of the folder that was opened; nullopt where it cannot be told.
    virtual std::optional<FolderIdentity> Identity() { return std::nullopt; }
    // The names of every entry of the open folder, folders included; nullopt when it cannot be read.
    virtual std::optional<std::vector<std::string>> EntryNames() { return std::nullopt; }
};

// The file system as the batch sees it.
class FileRenamer {
public:
    virtual ~FileRenamer() = default;
    // nullptr when the folder cannot be opened; every rename of the batch then fails.
    virtual std::unique_ptr<FolderRenamer> OpenFolder(const std::string& folder) = 0;
};

// What the user answers to a failed rename while the batch has more renames to go.
enum class FailureAnswer {
    GoOn,    // OK: report the next failure the same way
    SkipAll, // go on, and gather every further failure into one report at the end
    Stop,    // end the batch here
};

// The questions and reports of a batch; the window answers them with message boxes and shows its progress.
class BatchPrompts {
public:
    virtual ~BatchPrompts() = default;
    // The clash question; true (Yes) goes on, false (No) ends the batch before anything is renamed.
    virtual bool ConfirmClash(const std::string& text) = 0;
    virtual void ReportFailure(const std::string& text) = 0;
    // A failed rename while more renames are to come. Reported like any other failure unless the
    // window offers more than OK.
    virtual FailureAnswer AskAfterFailure(const std::string& text) {
        ReportFailure(text);
        return FailureAnswer::GoOn;
    }
    // Called before each rename with the number of renames tried so far and the number the batch holds;
    // false ends the batch before that rename, so a stop always falls between two renames.
    virtual bool Proceed(int /*tried*/, int /*total*/) { return true; }
};

// What a batch works from: taken before its first question, so that a re-listing or a change of folder
// while a message box is open changes nothing about which files are renamed, to what, or where.
struct BatchSnapshot {
    std::string folder;
    std::vector<RenameRow> rows; // the file rows 1..RowCount()-1, in order
    // The folder the rows were listed from; nullopt where that is not known. A batch renames nothing when
    // the path leads to another folder by now.
    std::optional<FolderIdentity> listed = std::nullopt;
};

BatchSnapshot TakeSnapshot(const std::string& folder, const NameGrid& grid,
                           std::optional<FolderIdentity> listed = std::nullopt);

// Records a batch so that it can be undone: told the rows it is about to try before the first rename, and
// which of them were renamed after the last.
class BatchJournal {
public:
    virtual ~BatchJournal() = default;
    // renames: the rows with a new name, in order, valid only during the call. False ends the batch before
    // anything is renamed.
    virtual bool Begin(const std::string& folder, const std::optional<FolderIdentity>& identity,
                       const PlannedRenames& renames) = 0;
    // done[i] tells whether rename i of Begin was renamed.
    virtual void Finish(const std::vector<bool>& done) = 0;
};

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

// With a journal, the batch is recorded there before its first rename and completed after its last.
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
// The message after a stopped batch: how many files were renamed and how many were left as they were.
std::string StoppedMessage(const BatchResult& result);
// How many failure texts the gathered report lists before it only counts.
inline constexpr std::size_t GatheredFailuresShown = 20;
// The report of a batch whose folder is no longer the one that was listed under that path.
std::string FolderMovedMessage(const std::string& folder);
// The report of a failed rename; stranded is the name the file was left under, if any (see StrandedName).
std::string RenameFailedMessage(const std::string& folder, const std::string& oldName,
                                const std::string& stranded = {});
// Whether a name can be handed to the folder's rename as it stands: not blank, not "." or "..", and
// without "/" or a NUL byte, so that it names an entry of that folder and nothing outside it.
bool IsRenameableName(const std::string& name);

// A folder and a name joined with one '/' (none added when the folder already ends in one or is empty).
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace engine
