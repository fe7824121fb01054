// Change notification: folders created, removed and renamed, media inserted and removed, lost changes.
#include "DisplayNames.h"
#include "PathNames.h"
#include "TFolderTree.h"
#include "UpdateLock.h"

#include <QTreeWidgetItemIterator>
#include <stdexcept>
#include <unordered_set>

namespace {

constexpr std::uint32_t WatchedEvents = platform::SHCNE_MKDIR | platform::SHCNE_RMDIR |
                                        platform::SHCNE_MEDIAINSERTED | platform::SHCNE_MEDIAREMOVED |
                                        platform::SHCNE_RENAMEFOLDER | platform::SHCNE_UPDATEDIR;

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

TFolderTree::BusyScope::~BusyScope() {
    if (--tree_.busy_ > 0)
        return;
    ++tree_.busy_;
    while (!tree_.pending_.empty()) {
        PendingChange change = std::move(tree_.pending_.front());
        tree_.pending_.pop_front();
        try {
            tree_.HandleChange(change);
        } catch (...) {
            // A change that cannot be applied leaves the tree as it was.
        }
    }
    --tree_.busy_;
}

void TFolderTree::RegisterNotify() {
    registration_ = shell_.RegisterChangeNotify(
        WatchedEvents, [this](const platform::ShellChange& change) { NotifyWndProc(change); });
    if (!registration_)
        throw std::runtime_error("Could not register SHChangeNotify");
}

void TFolderTree::DeregisterNotify() {
    registration_.reset();
    pending_.clear();
}

void TFolderTree::NotifyWndProc(const platform::ShellChange& change) {
    // The lists belong to the namespace's message; the tree keeps copies only while it handles it.
    PendingChange copy;
    copy.hasFirst = static_cast<bool>(change.first);
    copy.hasSecond = static_cast<bool>(change.second);
    if (copy.hasFirst)
        copy.first = *change.first;
    if (copy.hasSecond)
        copy.second = *change.second;
    copy.event = change.event;
    pending_.push_back(std::move(copy));
    BusyScope busy(*this);
}

void TFolderTree::HandleChange(const PendingChange& change) {
    std::string path;
    if (change.hasFirst)
        path = NormalizeFolderPath(PathFromIDList(change.first)).value_or(std::string{});
    std::string newPath;
    if (change.hasSecond)
        newPath = NormalizeFolderPath(PathFromIDList(change.second)).value_or(std::string{});
    // A desktop folder can be open below its drive as well: both views follow the change.
    const auto created = [&](const std::string& folder, const platform::IdList& list, bool listOnTheWay) {
        FolderCreated(folder, list, listOnTheWay, true);
        if (ShownTwice(folder))
            FolderCreated(folder, list, false, false);
    };
    const auto removed = [&](const std::string& folder) {
        FolderRemoved(folder, true);
        if (ShownTwice(folder))
            FolderRemoved(folder, false);
    };
    const std::uint32_t event = change.event & ~platform::SHCNE_INTERRUPT;
    switch (event) {
    case platform::SHCNE_MKDIR:
        if (!path.empty())
            created(path, change.first, true);
        break;
    case platform::SHCNE_RMDIR:
        if (!path.empty())
            removed(path);
        break;
    case platform::SHCNE_RENAMEFOLDER:
        if (!path.empty())
            removed(path);
        // A folder moved into another listed folder shows up there as well.
        if (!newPath.empty())
            created(newPath, change.second, false);
        break;
    case platform::SHCNE_MEDIAINSERTED:
    case platform::SHCNE_MEDIAREMOVED:
        if (!path.empty())
            MediaChanged(path, event == platform::SHCNE_MEDIAINSERTED);
        break;
    case platform::SHCNE_UPDATEDIR:
        RefreshAllListed();
        break;
    default:
        break;
    }
}

bool TFolderTree::ShownTwice(const std::string& path) const {
    return !desktopPath_.empty() && IsPathWithin(path, desktopPath_) && !IsNetworkPath(path);
}

void TFolderTree::FolderCreated(const std::string& path, const platform::IdList& list, bool listOnTheWay,
                                bool viaDesktop) {
    // A creation lists the folders on the way, as a lookup of the path does; a folder moved in only
    // matters when its new parent is in the tree.
    TFolderNodeItem* target = listOnTheWay ? FindNodeFrom(path, false, viaDesktop)
                                           : FindNodeFrom(ParentPath(path), true, viaDesktop);
    if (!target || target->Node.Path == path)
        return;
    // A folder made and removed again before its event arrives (a tool's scratch folder) leaves the
    // listing as it is: relisting the parent would only take the selection and expansion of its siblings.
    if (!shell_.PathExists(path))
        return;
    if (target->Node.Path == ParentPath(path)) {
        if (target->childCount() == 0) {
            // Not listed yet (a lookup would have listed it): the next expansion does.
            if (!listOnTheWay)
                target->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            return;
        }
        // Only the new folder joins the listed parent: the siblings keep their listings, expansion and
        // the selection, and a burst of creations costs one node each instead of a listing each.
        if (std::optional<platform::IdList> item = ItemBelow(list, target->Node.IDList)) {
            MadeNode made = MakeFolderNode(*item, target, false);
            if (made.node && made.node->Node.Path == path) {
                InsertSorted(target, std::move(made.node));
                target->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
                return;
            }
        }
    }
    RefreshTarget(target);
}

void TFolderTree::FolderRemoved(const std::string& path, bool viaDesktop) {
    TFolderNodeItem* node = FindNodeFrom(path, true, viaDesktop);
    TFolderNodeItem* parent = node ? node->ParentNode() : nullptr;
    // The desktop has no parent to refresh, and drives come and go with the mount table.
    if (!parent || parent->Node.Kind == nkDrives)
        return;
    const QPersistentModelIndex kept = indexFromItem(parent);
    DeleteNode(node);
    if (kept.isValid() && parent->childCount() == 0) {
        parent->setExpanded(false);
        parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    }
}

void TFolderTree::RefreshTarget(TFolderNodeItem* target) {
    if (!target)
        return;
    UpdateLock lock(*this);
    const bool wasExpanded = target->isExpanded();
    if (wasExpanded)
        target->setExpanded(false);
    const QPersistentModelIndex kept = indexFromItem(target);
    ClearChildren(target);
    if (!kept.isValid())
        return; // whoever heard OnChange took the target away
    // The desktop keeps its special nodes through the clearing, so the expansion check would not list it.
    if (target == DesktopNode())
        FillChildren(target);
    FolderExpanding(target);
    if (wasExpanded)
        target->setExpanded(true);
}

void TFolderTree::RefreshComputer() {
    TFolderNodeItem* drives = DrivesNode();
    if (!drives || !drives->Node.ShellFolder)
        return;
    if (drives->childCount() == 0) {
        // Never listed: the next expansion lists the drives as they are then.
        drives->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        return;
    }
    std::unique_ptr<platform::EnumIdList> listing =
        drives->Node.ShellFolder->EnumObjects(platform::SHCONTF_FOLDERS | platform::SHCONTF_INCLUDEHIDDEN);
    if (!listing)
        return;
    WaitCursor cursor;
    UpdateLock lock(*this);
    listing->Reset();
    std::vector<std::unique_ptr<TFolderNodeItem>> fresh;
    std::unordered_set<std::string> mounted;
    while (std::optional<platform::AllocatedIdList> item = listing->Next()) {
        if (!*item)
            continue;
        MadeNode made = MakeFolderNode(**item, drives, false);
        item->Free();
        if (made.node && mounted.insert(made.node->Node.Path).second)
            fresh.push_back(std::move(made.node));
    }
    // Drives that stay keep their listings and the selection; only those that went are removed.
    const QPersistentModelIndex kept = indexFromItem(drives);
    for (int i = drives->childCount() - 1; i >= 0 && kept.isValid(); --i) {
        const TFolderNodeItem* drive = i < drives->childCount() ? drives->ChildNode(i) : nullptr;
        if (drive && !mounted.contains(drive->Node.Path))
            DeleteNode(drives->child(i));
    }
    if (!kept.isValid())
        return;
    int position = 0;
    for (auto& node : fresh) {
        int existing = -1;
        for (int i = 0; i < drives->childCount() && existing < 0; ++i)
            if (drives->ChildNode(i) && drives->ChildNode(i)->Node.Path == node->Node.Path)
                existing = i;
        if (existing >= 0) {
            position = existing + 1;
            continue;
        }
        drives->insertChild(position++, node.release());
    }
    drives->setChildIndicatorPolicy(drives->childCount() > 0 ? QTreeWidgetItem::ShowIndicator
                                                             : QTreeWidgetItem::DontShowIndicator);
}

void TFolderTree::MediaChanged(const std::string& mountPoint, bool inserted) {
    TFolderNodeItem* drives = DrivesNode();
    if (!drives)
        return;
    TFolderNodeItem* drive = nullptr;
    for (int i = 0; i < drives->childCount() && !drive; ++i)
        if (TFolderNodeItem* child = drives->ChildNode(i); child && child->Node.Path == mountPoint)
            drive = child;
    // Mounts come and go on Linux: a new mount point joins the computer, an unmounted one leaves it.
    bool stillMounted = true;
    if (!inserted && drive && drives->Node.ShellFolder) {
        std::optional<platform::AllocatedIdList> parsed =
            drives->Node.ShellFolder->ParseDisplayName(mountPoint);
        stillMounted = parsed && *parsed;
    }
    if (!drive || !stillMounted)
        RefreshComputer();
    else
        RefreshDrive(mountPoint, false);
}

void TFolderTree::RefreshDrive(const std::string& mountPoint, bool force) {
    BusyScope busy(*this);
    try {
        TFolderNodeItem* drives = DrivesNode();
        if (!drives)
            return;
        TFolderNodeItem* drive = nullptr;
        for (int i = 0; i < drives->childCount() && !drive; ++i)
            if (TFolderNodeItem* child = drives->ChildNode(i); child && child->Node.Path == mountPoint)
                drive = child;
        if (!drive)
            return;
        // A drive whose name cannot be parsed keeps its caption.
        std::optional<std::string> normalName;
        if (platform::ShellFolder* folder = drives->Node.ShellFolder.get()) {
            if (std::optional<platform::AllocatedIdList> list = folder->ParseDisplayName(mountPoint);
                list && *list) {
                normalName = GetFolderNames(**list, folder).NormalName;
                list->Free();
            }
        }
        const std::string oldCaption = ApplyDisplayModeTo(drive->Node.DisplayName, displayMode_);
        const bool renamed = normalName && ApplyDisplayModeTo(*normalName, displayMode_) != oldCaption;
        if (!renamed && !force)
            return;
        UpdateLock lock(*this);
        const QPersistentModelIndex kept = indexFromItem(drive);
        ClearChildren(drive);
        if (!kept.isValid())
            return;
        CollapseWithDescendants(drive);
        if (normalName) {
            drive->Node.DisplayName = *normalName;
            UpdateCaption(drive);
        }
    } catch (...) {
        // A drive that cannot be refreshed stays as it is.
    }
}

void TFolderTree::RefreshAllListed() {
    // Changes were lost: every listed folder that is open is listed afresh and stays open.
    std::vector<std::string> open;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        const TFolderNodeItem* node = AsFolderNode(*it);
        if (node && node->isExpanded() && node->childCount() > 0 && !IsSpecialKind(node->Node.Kind) &&
            !node->Node.Path.empty())
            open.push_back(node->Node.Path);
    }
    RefreshComputer();
    for (const std::string& path : open) {
        if (TFolderNodeItem* node = FindNode(path, true)) {
            // Whoever hears OnChange during the refresh may take the node away.
            const QPersistentModelIndex kept = indexFromItem(node);
            RefreshTarget(node);
            if (kept.isValid())
                node->setExpanded(true);
        }
    }
}
