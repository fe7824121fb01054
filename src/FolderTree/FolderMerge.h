#pragma once

#include "FolderNode.h"

#include <QPersistentModelIndex>
#include <cstddef>
#include <memory>
#include <vector>

// New nodes joining one listed parent in sibling order, a step at a time. A step either sorts one run of
// them or places the next of them among the parent's children, so that no step grows with their number: a
// hundred thousand new folders never hold up the window. The parent's children stay in order after every
// step.
class FolderMerge {
public:
    // keepGivenOrder: the nodes join in the order given, after the present children (drives, network
    // members).
    FolderMerge(QPersistentModelIndex parent, std::vector<std::unique_ptr<TFolderNodeItem>> nodes,
                bool keepGivenOrder);

    const QPersistentModelIndex& Parent() const { return parent_; }
    // One step into parent, the item of Parent(); true once every node has joined.
    bool Step(TFolderNodeItem& parent);

private:
    // The place in nodes_ of the next node in order; Npos when none is left.
    std::size_t TakeNext();
    bool Later(std::size_t a, std::size_t b) const;

    static constexpr std::size_t Npos = static_cast<std::size_t>(-1);

    QPersistentModelIndex parent_;
    std::vector<std::unique_ptr<TFolderNodeItem>> nodes_;
    bool keepGivenOrder_;
    std::size_t sorted_ = 0;                              // nodes_ before this are sorted, run by run
    std::vector<std::size_t> heads_;                      // a heap of the first node left of each sorted run
    std::size_t given_ = 0;                               // the next node when the given order is kept
    std::vector<std::unique_ptr<TFolderNodeItem>> ready_; // the next nodes in order, from readyNext_ on
    std::size_t readyNext_ = 0;
};
