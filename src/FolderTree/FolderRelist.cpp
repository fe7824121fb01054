// Listing listed folders afresh in place: after lost changes, for a folder marked stale, or when a folder
// was replaced by a new one at the same path. Sub-folders still there keep their nodes, listings,
// expansion and the selection.
#include "TFolderTree.h"
#include "UpdateLock.h"

#include <QTreeWidgetItemIterator>

bool TFolderTree::SyncChildren(TFolderNodeItem* node) {
    BusyScope busy(queue_);
    FinishMerges();
    Relisting relisting;
    if (!StartRelisting(node, relisting))
        return false;
    ContinueRelisting(relisting, nullptr);
    const QPersistentModelIndex kept = relisting.node;
    FinishRelisting(relisting, true);
    return kept.isValid();
}

bool TFolderTree::StartRelisting(TFolderNodeItem* node, Relisting& relisting) {
    if (!node || !node->Node.ShellFolder)
        return false;
    relisting.listing =
        node->Node.ShellFolder->EnumObjects(platform::SHCONTF_FOLDERS | platform::SHCONTF_INCLUDEHIDDEN);
    if (!relisting.listing)
        return false;
    node->Stale = false;
    relisting.node = indexFromItem(node);
    relisting.listing->Reset();
    return true;
}

bool TFolderTree::ContinueRelisting(Relisting& relisting, const QElapsedTimer* clock) {
    TFolderNodeItem* node = relisting.node.isValid() ? AsFolderNode(itemFromIndex(relisting.node)) : nullptr;
    if (!node || !relisting.listing)
        return true; // the folder went meanwhile: nothing left to list
    WaitCursor cursor;
    int made = 0;
    while (std::optional<platform::AllocatedIdList> item = relisting.listing->Next()) {
        if (!*item)
            continue;
        MadeNode fresh = MakeFolderNode(**item, node, false);
        item->Free();
        if (fresh.node &&
            relisting.index->byPath.try_emplace(fresh.node->Node.Path, relisting.fresh.size()).second)
            relisting.fresh.push_back(std::move(fresh.node));
        if (clock && ++made % FolderChangeQueue::ItemsPerLook == 0 &&
            clock->elapsed() >= FolderChangeQueue::SliceMilliseconds)
            return false;
    }
    relisting.listing.reset();
    return true;
}

void TFolderTree::FinishRelisting(Relisting& relisting, bool atOnce) {
    TFolderNodeItem* node = relisting.node.isValid() ? AsFolderNode(itemFromIndex(relisting.node)) : nullptr;
    if (!node)
        return;
    UpdateLock lock(*this);
    std::vector<bool> kept(relisting.fresh.size());
    for (int i = node->childCount() - 1; i >= 0 && relisting.node.isValid(); --i) {
        TFolderNodeItem* child = i < node->childCount() ? node->ChildNode(i) : nullptr;
        if (!child || IsSpecialKind(child->Node.Kind))
            continue;
        // The index's keys are the fresh nodes' own paths: a node is let go only once every child is
        // looked up.
        const auto found = relisting.index->byPath.find(child->Node.Path);
        if (found == relisting.index->byPath.end() || kept[found->second]) {
            DeleteNode(child);
            continue;
        }
        kept[found->second] = true;
        // A sub-folder never listed may have gained or lost sub-folders of its own meanwhile; a question
        // about that still open goes with the answer it stands for.
        const std::unique_ptr<TFolderNodeItem>& fresh = relisting.fresh[found->second];
        if (child->childCount() == 0) {
            child->setChildIndicatorPolicy(fresh->childIndicatorPolicy());
            SubFolderChecks::TakeOver(*child, *fresh);
        }
    }
    if (!relisting.node.isValid())
        return; // whoever heard OnChange took the node away
    relisting.index.reset();
    std::vector<std::unique_ptr<TFolderNodeItem>> added = std::move(relisting.fresh);
    for (std::size_t i = 0; i < added.size(); ++i)
        if (kept[i])
            added[i].reset();
    std::erase(added, nullptr);
    if (added.empty() && node->childCount() == 0) {
        node->setExpanded(false);
        node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    } else if (atOnce) {
        MergeChildren(node, std::move(added));
    } else {
        StartMerge(node, std::move(added));
    }
}

bool TFolderTree::RelistAllListed(const QElapsedTimer& clock) {
    if (!relistAll_) {
        // Changes were lost: every listed folder that is open is listed afresh in place, so the selection
        // and what is open stay where they are; a listed folder that is folded up is listed afresh when it
        // is next opened.
        queue_.RelistRoundStarts();
        relistAll_ = RelistAll{};
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            TFolderNodeItem* node = AsFolderNode(*it);
            if (!node || node->childCount() == 0 || IsSpecialKind(node->Node.Kind) || node->Node.Path.empty())
                continue;
            if (node->isExpanded())
                relistAll_->open.push_back(node->Node.Path);
            else
                node->Stale = true;
        }
        RefreshComputer();
    }
    // Whoever hears OnChange may end the registration, and the round with it.
    while (relistAll_) {
        // The sub-folders new in the folder listed last join it before the next folder is looked up.
        if (!StepMerges(&clock))
            return false;
        RelistAll& round = *relistAll_;
        if (round.current) {
            // The nodes made join in a slice of their own.
            if (!ContinueRelisting(*round.current, &clock) ||
                clock.elapsed() >= FolderChangeQueue::SliceMilliseconds)
                return false;
            Relisting done = std::move(*round.current);
            round.current.reset();
            FinishRelisting(done, false);
            continue;
        }
        if (round.next >= round.open.size()) {
            relistAll_.reset();
            break;
        }
        if (clock.elapsed() >= FolderChangeQueue::SliceMilliseconds)
            return false;
        Relisting relisting;
        if (StartRelisting(FindNode(round.open[round.next++], true), relisting))
            round.current = std::move(relisting);
    }
    return true;
}
