// Creations: folders made in a burst gathered per parent and merged into it, and a folder made on its own.
#include "PathNames.h"
#include "TFolderTree.h"

#include <QTimer>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace {

// The one item that list has below base, when base is where list starts.
std::optional<platform::IdList> ItemBelow(const platform::IdList& list, const platform::IdList& base) {
    const std::string_view bytes = list.Bytes();
    const std::string_view prefix = base.Bytes();
    if (bytes.size() <= prefix.size() || bytes.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    try {
        platform::IdList rest = platform::IdList::FromBytes(bytes.substr(prefix.size()));
        if (rest.Items().size() != 1)
            return std::nullopt;
        return rest;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

void TFolderTree::GatherCreation(const PendingChange& change, GatheredMap& gathered) {
    const std::string path = change.hasFirst
                                 ? NormalizeFolderPath(PathFromIDList(change.first)).value_or(std::string{})
                                 : std::string{};
    if (path.empty())
        return;
    // A desktop folder can be open below its drive as well: both views follow the change.
    for (const bool viaDesktop : {true, false}) {
        if (!viaDesktop && !ShownTwice(path))
            continue;
        const std::string parentPath = ParentPath(path);
        auto found = gathered.find({parentPath, viaDesktop});
        if (found == gathered.end()) {
            GatheredCreations batch;
            TFolderNodeItem* parent = FindNodeFrom(parentPath, true, viaDesktop);
            if (parent && parent->childCount() > 0 && parent->Node.Path == parentPath)
                batch.parent = indexFromItem(parent);
            found = gathered.emplace(std::make_pair(parentPath, viaDesktop), std::move(batch)).first;
        }
        GatheredCreations& batch = found->second;
        TFolderNodeItem* parent =
            batch.parent.isValid() ? AsFolderNode(itemFromIndex(batch.parent)) : nullptr;
        if (parent) {
            if (!shell_.PathExists(path))
                continue; // made and gone again before its event arrived
            if (std::optional<platform::IdList> item = ItemBelow(change.first, parent->Node.IDList)) {
                MadeNode made = MakeFolderNode(*item, parent, false);
                if (made.node && made.node->Node.Path == path) {
                    batch.made.push_back(std::move(made.node));
                    continue;
                }
            }
        }
        // Anything else (a parent not listed, a list the parent cannot place) goes the single way. It may
        // list the parent, so the next creation there looks at it again; what was gathered for other
        // parents stays gathered (a flush looks for each parent afresh and leaves out what it shows).
        if (!parent)
            gathered.erase(found);
        FolderCreated(path, change.first, viaDesktop, viaDesktop);
    }
}

void TFolderTree::FlushCreations(GatheredMap gathered) {
    for (auto& [key, batch] : gathered) {
        TFolderNodeItem* parent =
            batch.parent.isValid() ? AsFolderNode(itemFromIndex(batch.parent)) : nullptr;
        if (!parent || batch.made.empty())
            continue;
        // A folder shown meanwhile (a listing on the way took it in) or reported twice joins once.
        std::unordered_set<std::string> shown;
        for (int i = 0; i < parent->childCount(); ++i)
            if (const TFolderNodeItem* child = parent->ChildNode(i))
                shown.insert(child->Node.Path);
        std::vector<std::unique_ptr<TFolderNodeItem>> fresh;
        for (auto& node : batch.made)
            if (shown.insert(node->Node.Path).second)
                fresh.push_back(std::move(node));
        StartMerge(parent, std::move(fresh));
    }
}

TFolderNodeItem* TFolderTree::InsertCreated(const std::string& path, const platform::IdList& list,
                                            bool viaDesktop) {
    const std::string parentPath = ParentPath(path);
    TFolderNodeItem* parent = FindNodeFrom(parentPath, true, viaDesktop);
    if (!parent || parent->childCount() == 0 || parent->Node.Path != parentPath || !shell_.PathExists(path))
        return nullptr;
    for (int i = 0; i < parent->childCount(); ++i)
        if (TFolderNodeItem* child = parent->ChildNode(i); child && child->Node.Path == path)
            return child;
    const std::optional<platform::IdList> item = ItemBelow(list, parent->Node.IDList);
    if (!item)
        return nullptr;
    MadeNode made = MakeFolderNode(*item, parent, false);
    if (!made.node || made.node->Node.Path != path)
        return nullptr;
    TFolderNodeItem* node = made.node.get();
    std::vector<std::unique_ptr<TFolderNodeItem>> one;
    one.push_back(std::move(made.node));
    MergeChildren(parent, std::move(one));
    return node;
}

void TFolderTree::FolderCreated(const std::string& path, const platform::IdList& list, bool listOnTheWay,
                                bool viaDesktop) {
    // A creation lists the folders on the way, as a lookup of the path does; a folder moved in only
    // matters when its new parent is in the tree.
    TFolderNodeItem* target = listOnTheWay ? FindNodeFrom(path, false, viaDesktop)
                                           : FindNodeFrom(ParentPath(path), true, viaDesktop);
    if (!target)
        return;
    if (target->Node.Path == path) {
        // Shown already: a listed folder that was removed and made again (the desktop, whose own parent is
        // not watched) is listed afresh, which also watches the new folder.
        if (target->childCount() > 0 && shell_.PathExists(path))
            SyncChildren(target);
        return;
    }
    // A folder made and removed again before its event arrives (a tool's scratch folder) leaves the
    // listing as it is.
    if (!shell_.PathExists(path))
        return;
    if (target->Node.Path == ParentPath(path) && target->childCount() == 0) {
        // Not listed yet (a lookup would have listed it): the next expansion does.
        if (!listOnTheWay)
            target->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        return;
    }
    // Only the new folder joins the listed parent: the siblings keep their listings, expansion and the
    // selection.
    if (!InsertCreated(path, list, viaDesktop))
        SyncChildren(target);
}
