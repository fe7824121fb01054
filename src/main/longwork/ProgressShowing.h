#pragma once

#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>
#include <vector>

class QWidget;

// Whether long work deserves its progress dialog: once it has worked half a second, and only when,
// judged from its rate so far, it has at least another half second to go. `renaming` is the part of
// `worked` spent on the items themselves, `done` of `total` (a total below 0 while the work is still
// being prepared); without a rate yet the work is taken to be long.
bool ProgressDue(std::chrono::milliseconds worked, std::chrono::milliseconds renaming, int done, int total);

// Puts a long work's progress dialog on the screen when it is due, and keeps it out of the way of the
// boxes the work asks meanwhile: while any modal box is open the dialog is hidden and the work's clock
// stands still, so the time a box waits for its answer never counts as work. Watches every window of the
// program while it lives.
class ProgressShowing : public QObject {
public:
    using Clock = std::chrono::steady_clock;
    // `due` tells from the time worked so far whether the dialog belongs on the screen; `now` is the
    // clock, replaceable in tests.
    ProgressShowing(QWidget& dialog, std::function<bool(std::chrono::milliseconds worked)> due,
                    std::function<Clock::time_point()> now = Clock::now);
    ~ProgressShowing() override;

    // The time worked so far, less the time boxes were open.
    std::chrono::milliseconds Worked() const;
    // Shows the dialog when it is due and no box is open; called on every tick of the work.
    void Tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& dialog_;
    std::function<bool(std::chrono::milliseconds)> due_;
    std::function<Clock::time_point()> now_;
    Clock::time_point since_;             // when the present stretch of work began
    Clock::duration before_{};            // the work done before it
    std::vector<QPointer<QObject>> open_; // the boxes open now
};
