#include "PromptedWork.h"

#include "ProgressShowing.h"
#include "UserInterfaceThread.h"
#include "WorkerThread.h"
#include "engine/batch/BatchPrompts.h"
#include "main/Dialogs.h"

#include <QTimer>
#include <atomic>
#include <chrono>
#include <optional>

namespace {

// The dialog's figures are refreshed twenty times a second.
constexpr int ProgressTickMs = 50;

// The work's side of the window, called on the worker thread. Every box is shown on the user-interface
// thread, and the worker waits for its answer; progress and the stop request pass through atomics.
class WindowPrompts : public engine::BatchPrompts {
public:
    WindowPrompts(QObject* uiObject, Dialogs& dialogs, std::atomic<int>& tried, std::atomic<int>& total,
                  const std::atomic<bool>& stop)
        : uiObject_(uiObject), dialogs_(dialogs), tried_(tried), total_(total), stop_(stop) {}

    bool ConfirmClash(const std::string& text) override { return Confirm(text); }
    bool Confirm(const std::string& text) override {
        return OnThreadOf(uiObject_, [&] { return dialogs_.Confirm(text); });
    }
    void ReportFailure(const std::string& text) override {
        OnThreadOf(uiObject_, [&] { return dialogs_.ShowMessage(text), true; });
    }
    void ReportRenameFailure(const std::string& text, const std::string& reason) override {
        OnThreadOf(uiObject_, [&] { return dialogs_.ShowFailure(text, reason), true; });
    }
    engine::FailureAnswer AskAfterFailure(const std::string& text) override {
        return AskAfterRenameFailure(text, {});
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

void RunPromptedWork(QWidget* window, Dialogs& dialogs, BatchProgressDialog::Wording wording,
                     const std::function<void(engine::BatchPrompts& prompts)>& work) {
    std::atomic<int> tried{0};
    std::atomic<int> total{-1};
    std::atomic<bool> stop{false};

    BatchProgressDialog progress(window, wording);
    QObject::connect(&progress, &BatchProgressDialog::Stop, &progress, [&stop] { stop = true; });
    WindowPrompts prompts(&progress, dialogs, tried, total, stop);
    WorkerThread worker([&] { work(prompts); });

    // The rate counts from the first step: the preparation before it says nothing about the renames.
    std::optional<std::chrono::milliseconds> stepsFrom;
    ProgressShowing showing(progress, [&](std::chrono::milliseconds worked) {
        const int steps = total.load();
        if (steps >= 0 && !stepsFrom)
            stepsFrom = worked;
        return !worker.Finished() &&
               ProgressDue(worked, worked - stepsFrom.value_or(worked), tried.load(), steps);
    });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        progress.SetProgress(tried.load(), total.load());
        showing.Tick();
    });
    tick.start(ProgressTickMs);

    worker.WaitWithEvents();
    worker.RethrowError();
}
