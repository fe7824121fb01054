#include "FileList.h"

#include "main/ControlNames.h"
#include "platform/files/FolderLister.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

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
    std::exception_ptr error;
    std::atomic<bool> finished{false};
    std::mutex mutex;
    std::condition_variable ended;
    std::thread worker;

    bool WaitQuietly() {
        std::unique_lock lock(mutex);
        return ended.wait_for(lock, QuietWait, [this] { return finished.load(); });
    }
};

FileList::FileList(platform::FolderLister& lister, QObject* parent) : QObject(parent), lister_(lister) {
    setObjectName(QLatin1String(names::lstFiles));
}

FileList::~FileList() {
    for (const auto& job : jobs_) {
        job->control.cancelled = true;
        job->worker.join();
    }
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
    std::erase_if(jobs_, [](const std::shared_ptr<Job>& job) {
        if (!job->finished)
            return false;
        job->worker.join();
        return true;
    });
}

void FileList::Read(const std::string& folder) {
    Prune();
    Cancel();
    auto job = std::make_shared<Job>();
    job->folder = folder;
    current_ = job;
    job->worker = std::thread([this, work = job.get()] {
        try {
            work->names = lister_.ListFilesWatched(work->folder, work->identity, work->control);
        } catch (...) {
            work->error = std::current_exception();
        }
        {
            const std::lock_guard lock(work->mutex);
            work->finished = true;
        }
        work->ended.notify_all();
        // Wakes the wait below. The list joins every worker before it goes, so it is still there.
        QMetaObject::invokeMethod(
            this, [] {}, Qt::QueuedConnection);
    });
    jobs_.push_back(job);
    if (!job->WaitQuietly())
        WaitWithEvents(*job);
    if (current_ == job)
        current_.reset();
    if (job->control.cancelled)
        return;
    // A folder that cannot be read throws before anything here changes, so the list, and the grid filled
    // from it, stay as they were.
    if (job->error)
        std::rethrow_exception(job->error);
    folder_ = folder;
    names_ = std::move(job->names);
    identity_ = job->identity;
    emit Change();
}

void FileList::WaitWithEvents(Job& job) {
    if (reading_++ == 0)
        emit Busy(true);
    const auto ended = qScopeGuard([this] {
        if (--reading_ == 0)
            emit Busy(false);
    });
    // Not a nested QEventLoop: a quit of the application must not end the wait early. Another folder chosen
    // here (by the user, or by the tree after a change notification) cancels this read.
    while (!job.finished && !job.control.cancelled)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
