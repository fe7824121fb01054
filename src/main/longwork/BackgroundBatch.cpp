#include "BackgroundBatch.h"

#include "BatchProgressDialog.h"
#include "ProgressShowing.h"
#include "UserInterfaceThread.h"
#include "main/Dialogs.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

namespace {

// The dialog's figures are refreshed twenty times a second.
constexpr int ProgressTickMs = 50;

// The batch's side of the window, called on the worker thread. Every box is shown on the user-interface
// thread, and the worker waits for its answer; progress and the stop request pass through atomics.
class WindowPrompts : public engine::BatchPrompts {
public:
    WindowPrompts(QObject* uiObject, Dialogs& dialogs, std::atomic<int>& tried, std::atomic<int>& total,
                  const std::atomic<bool>& stop)
        : uiObject_(uiObject), dialogs_(dialogs), tried_(tried), total_(total), stop_(stop) {}

    bool ConfirmClash(const std::string& text) override {
        return OnThreadOf(uiObject_, [&] { return dialogs_.Confirm(text); });
    }
    void ReportFailure(const std::string& text) override {
        OnThreadOf(uiObject_, [&] { return dialogs_.ShowMessage(text), true; });
    }
    void ReportRenameFailure(const std::string& text, const std::string& reason) override {
        OnThreadOf(uiObject_, [&] { return dialogs_.ShowFailure(text, reason), true; });
    }
    engine::FailureAnswer AskAfterRenameFailure(const std::string& text, const std::string& reason) override {
        return OnThreadOf(uiObject_, [&] { return dialogs_.AskAfterFailure(text, reason); });
    }
    bool Proceed(int tried, int total) override {
        total_.store(total, std::memory_order_relaxed);
        tried_.store(tried, std::memory_order_relaxed);
        return !stop_.load(std::memory_order_relaxed);
    }

private:
    QObject* uiObject_;
    Dialogs& dialogs_;
    std::atomic<int>& tried_;
    std::atomic<int>& total_;
    const std::atomic<bool>& stop_;
};

} // namespace

engine::BatchResult RunBatchInBackground(const std::string& folder,
                                         const std::optional<engine::FolderIdentity>& listed,
                                         const engine::NameGrid& grid, engine::FileRenamer& files,
                                         Dialogs& dialogs, QWidget* window, engine::BatchJournal* journal) {
    std::atomic<int> tried{0};
    std::atomic<int> total{-1};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    engine::BatchResult result;
    std::exception_ptr error;

    BatchProgressDialog progress(window);
    QObject::connect(&progress, &BatchProgressDialog::Stop, &progress, [&stop] { stop = true; });
    // The rate counts from the first rename: the preparation before it says nothing about the renames.
    std::optional<std::chrono::milliseconds> renamingFrom;
    ProgressShowing showing(progress, [&](std::chrono::milliseconds worked) {
        const int renames = total.load();
        if (renames >= 0 && !renamingFrom)
            renamingFrom = worked;
        return !finished &&
               ProgressDue(worked, worked - renamingFrom.value_or(worked), tried.load(), renames);
    });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        progress.SetProgress(tried.load(), total.load());
        showing.Tick();
    });
    tick.start(ProgressTickMs);

    WindowPrompts prompts(&progress, dialogs, tried, total, stop);
    std::thread worker([&] {
        try {
            result = engine::RunBatch(folder, listed, grid, files, prompts, journal);
        } catch (...) {
            error = std::current_exception();
        }
        finished = true;
        // Wakes the loop below, which may be waiting for an event that would otherwise never come.
        QMetaObject::invokeMethod(
            &progress, [] {}, Qt::QueuedConnection);
    });
    // Not a nested QEventLoop: a quit of the application must not end this wait while the worker still
    // needs the user-interface thread to answer a box.
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    worker.join();
    if (error)
        std::rethrow_exception(error);
    return result;
}
