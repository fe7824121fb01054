#pragma once

#include "FolderNode.h"
#include "platform/shell/IdList.h"
#include "platform/shell/ShellNamespace.h"

#include <QElapsedTimer>
#include <QPersistentModelIndex>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QObject;

// A change of the namespace, kept until the tree is no longer in the middle of another operation. The
// lists belong to the namespace's message; the queue keeps copies only while the change waits.
struct PendingChange {
    platform::IdList first;
    platform::IdList second;
    bool hasFirst = false;
    bool hasSecond = false;
    std::uint32_t event = 0;
};

// New folders of one parent, made and waiting to join it at the end of a burst; parent is invalid when the
// parent is not listed.
struct GatheredCreations {
    QPersistentModelIndex parent;
    std::vector<std::unique_ptr<TFolderNodeItem>> made;
};
// Gathered creations by parent path and view (true: below the desktop).
using GatheredMap = std::map<std::pair<std::string, bool>, GatheredCreations>;

// What the queue asks of the tree as it drains.
class FolderChangeHandler {
public:
    // One change on its own.
    virtual void HandleChange(const PendingChange& change) = 0;
    // One creation of a burst: its node is made and gathered for its parent, or it is handled on its own.
    virtual void GatherCreation(const PendingChange& change, GatheredMap& gathered) = 0;
    // What was gathered starts joining the parents.
    virtual void FlushCreations(GatheredMap gathered) = 0;
    // The next steps of the new nodes joining their parents; false while some are left for the event loop.
    // Changes wait until every node has joined.
    virtual bool ContinueMerges(const QElapsedTimer& clock) = 0;
    // One slice of the round that lists every open folder afresh after lost changes; false when the clock
    // says to go on from the event loop.
    virtual bool RelistAllListed(const QElapsedTimer& clock) = 0;

protected:
    ~FolderChangeHandler() = default;
};

// The tree's queue of changes: changes wait while the tree is busy (an OnChange handler may run a nested
// event loop, which can deliver a notification while nodes are being deleted or walked) and are handled in
// slices of the event loop, so that a burst of thousands of changes never freezes the window.
class FolderChangeQueue {
public:
    // Work on queued changes stops after this long and goes on from the event loop.
    static constexpr qint64 SliceMilliseconds = 40;
    // How many changes or entries are handled between two looks at the clock.
    static constexpr int ItemsPerLook = 32;

    // context owns the queue and outlives every timer it starts.
    FolderChangeQueue(QObject& context, FolderChangeHandler& handler);

    // A change heard: handled at once unless the tree is busy or the rest of its burst is on its way.
    void Push(const platform::ShellChange& change);
    // Forgets every change waiting and every creation gathered.
    void Clear();
    // A round that lists every open folder afresh begins: lost changes heard from now on ask for another.
    void RelistRoundStarts() { relistsStarted_ = relistsAsked_; }

    // Marks the tree as busy; the last one to go handles the changes that arrived meanwhile.
    class BusyScope {
    public:
        explicit BusyScope(FolderChangeQueue& queue) : queue_(queue) { ++queue_.busy_; }
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        FolderChangeQueue& queue_;
    };

private:
    void Drain();
    void ScheduleDrain();
    void DrainCreations(const QElapsedTimer& clock);

    QObject& context_;
    FolderChangeHandler& handler_;
    int busy_ = 0;
    std::deque<PendingChange> pending_;
    bool drainScheduled_ = false;
    GatheredMap gathered_;
    std::uint64_t relistsAsked_ = 0;   // lost changes heard
    std::uint64_t relistsStarted_ = 0; // value of relistsAsked_ when the running round began
};
