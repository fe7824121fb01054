// The tree's change queue: changes kept while the tree is busy and drained in slices of the event loop.
#include "FolderChangeQueue.h"

#include <QObject>
#include <QTimer>

namespace {

std::uint32_t EventOf(std::uint32_t event) {
    return event & ~platform::SHCNE_INTERRUPT;
}

} // namespace

FolderChangeQueue::FolderChangeQueue(QObject& context, FolderChangeHandler& handler)
    : context_(context), handler_(handler) {}

FolderChangeQueue::BusyScope::~BusyScope() {
    if (--queue_.busy_ > 0)
        return;
    ++queue_.busy_;
    queue_.Drain();
    --queue_.busy_;
}

void FolderChangeQueue::Push(const platform::ShellChange& change) {
    // Lost changes make every listed folder be looked at afresh: the single changes queued before them
    // would only repeat part of that work.
    if (EventOf(change.event) == platform::SHCNE_UPDATEDIR) {
        pending_.clear();
        gathered_.clear();
        ++relistsAsked_;
    }
    PendingChange copy;
    copy.hasFirst = static_cast<bool>(change.first);
    copy.hasSecond = static_cast<bool>(change.second);
    if (copy.hasFirst)
        copy.first = *change.first;
    if (copy.hasSecond)
        copy.second = *change.second;
    copy.event = change.event;
    pending_.push_back(std::move(copy));
    // The rest of a burst is on its way: it is handled together with this one.
    if (change.moreFollow) {
        ScheduleDrain();
        return;
    }
    BusyScope busy(*this);
}

void FolderChangeQueue::Clear() {
    pending_.clear();
    gathered_.clear();
}

void FolderChangeQueue::Drain() {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        // New folders still joining their parent come first: later changes may concern them.
        if (!handler_.ContinueMerges(clock)) {
            ScheduleDrain();
            return;
        }
        if (pending_.empty())
            return;
        if (clock.elapsed() >= FolderChangeQueue::SliceMilliseconds) {
            ScheduleDrain();
            return;
        }
        if (EventOf(pending_.front().event) == platform::SHCNE_MKDIR) {
            DrainCreations(clock);
            continue;
        }
        if (EventOf(pending_.front().event) == platform::SHCNE_UPDATEDIR) {
            if (!handler_.RelistAllListed(clock))
                continue; // the clock says when to go on
            // Lost again meanwhile: the lost changes queued anew start another round.
            if (relistsAsked_ == relistsStarted_ && !pending_.empty() &&
                EventOf(pending_.front().event) == platform::SHCNE_UPDATEDIR)
                pending_.pop_front();
            continue;
        }
        PendingChange change = std::move(pending_.front());
        pending_.pop_front();
        try {
            handler_.HandleChange(change);
        } catch (...) {
            // A change that cannot be applied leaves the tree as it was.
        }
    }
}

void FolderChangeQueue::ScheduleDrain() {
    if (drainScheduled_)
        return;
    drainScheduled_ = true;
    QTimer::singleShot(0, &context_, [this] {
        drainScheduled_ = false;
        if (busy_ == 0)
            BusyScope drain(*this); // handles what is queued as it goes
    });
}

void FolderChangeQueue::DrainCreations(const QElapsedTimer& clock) {
    // New folders of one listed parent are made first and join it together once the burst is over, so a
    // burst costs one merge into the view per parent instead of one insertion per folder. What is gathered
    // outlives a slice: the nodes wait until the last creation of the run is handled.
    int handled = 0;
    while (!pending_.empty() && EventOf(pending_.front().event) == platform::SHCNE_MKDIR) {
        if (++handled % FolderChangeQueue::ItemsPerLook == 0 && clock.elapsed() >= SliceMilliseconds)
            return;
        const PendingChange change = std::move(pending_.front());
        pending_.pop_front();
        handler_.GatherCreation(change, gathered_);
    }
    GatheredMap gathered = std::move(gathered_);
    gathered_.clear();
    handler_.FlushCreations(std::move(gathered));
}
