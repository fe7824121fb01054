#include "FileList.h"

#include "WorkerThread.h"
#include "main/ControlNames.h"
#include "platform/files/FolderLister.h"

#include <QScopeGuard>
#include <chrono>
#include <memory>

namespace {

// Most folders are read in a few milliseconds: for so long the read is simply waited for, as a read in
// place would be, and only a longer one lets the window's events in (well below the tenth of a second
// that a user notices as a stall).
constexpr std::chrono::milliseconds QuietWait{50};

} // namespace

struct FileList::Job {
    std::string folder;
    platform::ListingControl control;
    std::vector<std::string> names;
    engine::FolderIdentity identity;
    std::unique_ptr<WorkerThread> worker;
    bool outlastedQuietWait = false;
};

FileList::FileList(platform::FolderLister& lister, QObject* parent) : QObject(parent), lister_(lister) {
    setObjectName(QLatin1String(names::lstFiles));
}

FileList::~FileList() {
    for (const auto& job : jobs_)
        job->control.cancelled = true;
    // Each worker is waited for as its job goes.
    jobs_.clear();
}

void FileList::SetFolder(const std::string& folder) {
    // Linux names compare exactly, so only the very same path is the folder already held.
    if (folder.empty() || folder == folder_)
        return;
    Read(folder);
}

void FileList::Reread() {
    if (!folder_.empty())
        Read(folder_);
}

std::size_t FileList::ReadSoFar() const {
    return current_ ? current_->control.read.load() : 0;
}

void FileList::Cancel() {
    if (current_)
        current_->control.cancelled = true;
}

void FileList::Prune() {
    std::erase_if(jobs_, [](const std::shared_ptr<Job>& job) { return job->worker->Finished(); });
}

void FileList::Read(const std::string& folder) {
    Prune();
    Cancel();
    auto job = std::make_shared<Job>();
    job->folder = folder;
    current_ = job;
    job->worker = std::make_unique<WorkerThread>([this, work = job.get()] {
        work->names = lister_.ListFilesWatched(work->folder, work->identity, work->control);
    });
    jobs_.push_back(job);
    if (!job->worker->WaitQuietly(QuietWait)) {
        job->outlastedQuietWait = true;
        if (holdLongReads_) {
            held_ = job;
            return;
        }
        WaitWithEvents(*job);
    }
    Complete(job);
}

void FileList::FinishHeldRead() {
    const std::shared_ptr<Job> job = std::move(held_);
    held_.reset();
    if (!job || job->control.cancelled)
        return;
    if (!job->worker->Finished())
        WaitWithEvents(*job);
    Complete(job);
}

void FileList::Complete(const std::shared_ptr<Job>& job) {
    if (current_ == job)
        current_.reset();
    if (job->control.cancelled)
        return;
    // A folder that cannot be read throws before anything here changes, so the list, and the grid filled
    // from it, stay as they were.
    job->worker->RethrowError();
    folder_ = job->folder;
    names_ = std::move(job->names);
    identity_ = job->identity;
    // A folder read within the quiet wait is as quickly looked at again by the tree itself.
    subFolders_ =
        job->outlastedQuietWait ? job->control.subFolders.load() : platform::SubFoldersSeen::Unknown;
    emit Change();
}

void FileList::WaitWithEvents(Job& job) {
    if (reading_++ == 0)
        emit Busy(true);
    const auto ended = qScopeGuard([this] {
        if (--reading_ == 0)
            emit Busy(false);
    });
    // Another folder chosen here (by the user, or by the tree after a change notification) cancels this
    // read.
    job.worker->WaitWithEvents([&job] { return job.control.cancelled.load(); });
}
