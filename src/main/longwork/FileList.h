#pragma once

#include "engine/batch/FolderIdentity.h"
#include "platform/files/FolderLister.h"

#include <QObject>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// lstFiles: the names of one folder's files in their sorted order. It never shows itself; the grid is
// filled from it whenever a read completes.
//
// A folder is read on a worker thread while the window's event loop goes on, so that a slow mount or a
// folder of a million files freezes nothing; a read still returns only once it has ended, as a read in
// place would. A read can be cancelled, and a new read (another folder chosen meanwhile) cancels the one
// under way; a cancelled read changes nothing.
class FileList : public QObject {
    Q_OBJECT
public:
    FileList(platform::FolderLister& lister, QObject* parent = nullptr);
    ~FileList() override;

    // The folder whose files are held; empty before the first successful read.
    const std::string& Folder() const { return folder_; }
    // The names of the last complete read, handed over once to the grid that lists them: a folder of a
    // million files is then held once, not twice.
    std::vector<std::string> TakeNames() { return std::move(names_); }
    // What the last complete read saw of the folder's sub-folders, for the folder tree, which then need not
    // read a large folder a second time; Unknown when the read was quick (within the quiet wait).
    platform::SubFoldersSeen SubFolders() const { return subFolders_; }
    // Which folder the names were read from; nullopt before the first successful read.
    const std::optional<engine::FolderIdentity>& Identity() const { return identity_; }

    // Switches to a folder and reads it. An empty path and the folder already held change nothing.
    void SetFolder(const std::string& folder);
    // Reads the held folder again; nothing when no folder is held.
    void Reread();

    // The read under way: how many names it has read so far; and calling it off.
    std::size_t ReadSoFar() const;
    void Cancel();

    // While a window is being built it is not shown yet, and waiting for a long read with its events would
    // keep it hidden until the read ends. While reads are held, a read that does not end within the quiet
    // wait is left going; FinishHeldRead, called once the window shows, waits for it (with the window's
    // events) and completes it. A new read meanwhile cancels the held one.
    void HoldLongReads(bool hold) { holdLongReads_ = hold; }
    bool HoldsRead() const { return held_ != nullptr; }
    void FinishHeldRead();

signals:
    // Raised after every complete read.
    void Change();
    // True when a read begins while none is under way, false when the last one has ended.
    void Busy(bool busy);

private:
    struct Job;
    void Read(const std::string& folder);
    // Keeps the names of a read that has ended, unless it was cancelled.
    void Complete(const std::shared_ptr<Job>& job);
    // Waits for a read that takes long with the window's events handled, the window told it is busy.
    void WaitWithEvents(Job& job);
    // Joins the workers whose reads have ended.
    void Prune();

    platform::FolderLister& lister_;
    std::string folder_;
    std::vector<std::string> names_;
    std::vector<std::shared_ptr<Job>> jobs_; // every worker not yet joined, cancelled ones included
    std::shared_ptr<Job> current_;           // the read whose result will be kept
    int reading_ = 0;                        // reads waiting on the stack (a new folder chosen meanwhile)
    std::optional<engine::FolderIdentity> identity_;
    platform::SubFoldersSeen subFolders_ = platform::SubFoldersSeen::Unknown;
    bool holdLongReads_ = false;
    std::shared_ptr<Job> held_; // a read left going while reads are held
};
