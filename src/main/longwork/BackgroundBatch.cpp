#include "BackgroundBatch.h"

#include "BatchProgressDialog.h"
#include "UserInterfaceThread.h"
#include "main/Dialogs.h"

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

namespace {

// The dialog appears only for a batch that lasts: a short one finishes without a flash on the screen.
constexpr int ShowProgressAfterMs = 500;
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
    engine::FailureAnswer AskAfterFailure(const std::string& text) override {
        return OnThreadOf(uiObject_, [&] { return dialogs_.AskAfterFailure(text); });
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
    QTimer showLater;
    showLater.setSingleShot(true);
    QObject::connect(&showLater, &QTimer::timeout, &progress, [&] {
        if (!finished)
            progress.show();
    });
    showLater.start(ShowProgressAfterMs);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress,
                     [&] { progress.SetProgress(tried.load(), total.load()); });
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
