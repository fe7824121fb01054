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

// The place among parent's children of the one whose path is path (a drive by its mount point, a folder
// by its path); -1 when there is none.
int ChildIndexOfPath(const TFolderNodeItem* parent, std::string_view path) {
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (const TFolderNodeItem* child = parent->ChildNode(i); child && child->Node.Path == path)
            return i;
    return -1;
}

TFolderNodeItem* ChildOfPath(TFolderNodeItem* parent, std::string_view path) {
    const int index = ChildIndexOfPath(parent, path);
    return index >= 0 ? parent->ChildNode(index) : nullptr;
}

} // namespace

void TFolderTree::RegisterNotify() {
    registration_ = shell_.RegisterChangeNotify(
        WatchedEvents, [this](const platform::ShellChange& change) { queue_.Push(change); });
    if (!registration_)
        throw std::runtime_error(tr("Could not register SHChangeNotify").toStdString());
}

void TFolderTree::DeregisterNotify() {
    registration_.reset();
    queue_.Clear();
    relistAll_.reset();
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
        if (!path.empty() && !newPath.empty()) {
            FolderRenamed(path, newPath, change.second, true);
            if (ShownTwice(path) || ShownTwice(newPath))
                FolderRenamed(path, newPath, change.second, false);
        } else if (!path.empty()) {
            removed(path);
        }
        break;
    case platform::SHCNE_MEDIAINSERTED:
    case platform::SHCNE_MEDIAREMOVED:
        if (!path.empty())
            MediaChanged(path, event == platform::SHCNE_MEDIAINSERTED);
        break;
    default:
        break;
    }
}

bool TFolderTree::ShownTwice(const std::string& path) const {
    return !desktopPath_.empty() && IsPathWithin(path, desktopPath_) && !IsNetworkPath(path);
}

TFolderNodeItem* TFolderTree::NodeOfRemoved(const std::string& path, bool viaDesktop) {
    TFolderNodeItem* node = FindNodeFrom(path, true, viaDesktop);
    // A drive's own node comes and goes with the mount table; the folder it is mounted on can also be open
    // below the drive that holds it, and that node goes with the folder.
    if (node && node == DriveAncestor(node) && path != "/") {
        node = ChildOfPath(FindNodeFrom(ParentPath(path), true, viaDesktop), path);
    }
    return node;
}

TFolderNodeItem* TFolderTree::NearestExisting(TFolderNodeItem* node) {
    // Folders go deepest first when a whole branch is removed: the selection moves once, past every level
    // that is already gone. The desktop, drives and nodes without a path are never looked at on disk.
    for (; node; node = node->ParentNode()) {
        if (node == DesktopNode() || node == DriveAncestor(node) || NodePath(node).empty() ||
            IsNetworkPath(node->Node.Path) || shell_.PathExists(node->Node.Path))
            return node;
    }
    return nullptr;
}

void TFolderTree::FolderRemoved(const std::string& path, bool viaDesktop) {
    TFolderNodeItem* node = NodeOfRemoved(path, viaDesktop);
    TFolderNodeItem* parent = node ? node->ParentNode() : nullptr;
    // The desktop has no parent to refresh.
    if (!parent)
        return;
    const QPersistentModelIndex gone = indexFromItem(node);
    for (QTreeWidgetItem* walk = currentItem(); walk; walk = walk->parent()) {
        if (walk == node) {
            setCurrentItem(NearestExisting(parent));
            break;
        }
    }
    if (!gone.isValid())
        return; // whoever heard OnChange changed the tree
    parent = node->ParentNode();
    const QPersistentModelIndex kept = indexFromItem(parent);
    DeleteNode(node);
    if (kept.isValid() && parent->childCount() == 0) {
        parent->setExpanded(false);
        parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
    }
}

void TFolderTree::FolderRenamed(const std::string& path, const std::string& newPath,
                                const platform::IdList& list, bool viaDesktop) {
    // A rename is one change: the node under its new name joins its new parent before the old one goes, so
    // a parent whose only sub-folder was renamed never looks empty and stays open.
    TFolderNodeItem* node = FindNodeFrom(path, true, viaDesktop);
    const QPersistentModelIndex old = indexFromItem(node);
    const bool wasExpanded = node && node->isExpanded();
    std::string selectedBelow;
    bool selectionInside = false;
    for (QTreeWidgetItem* walk = currentItem(); node && walk; walk = walk->parent())
        if (walk == node) {
            selectionInside = true;
            selectedBelow = SelectedPath().substr(std::min(path.size(), SelectedPath().size()));
        }

    TFolderNodeItem* moved = InsertCreated(newPath, list, viaDesktop);
    if (moved) {
        const QPersistentModelIndex kept = indexFromItem(moved);
        if (wasExpanded)
            moved->setExpanded(true);
        if (selectionInside && kept.isValid()) {
            TFolderNodeItem* target = FindNodeFrom(newPath + selectedBelow, false, viaDesktop);
            RevealNode(target);
            setCurrentItem(target);
        }
    }
    if (old.isValid())
        FolderRemoved(path, viaDesktop);
    if (!moved)
        FolderCreated(newPath, list, false, viaDesktop);
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
        if (const int existing = ChildIndexOfPath(drives, node->Node.Path); existing >= 0) {
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
    TFolderNodeItem* drive = ChildOfPath(drives, mountPoint);
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
    BusyScope busy(queue_);
    try {
        TFolderNodeItem* drives = DrivesNode();
        if (!drives)
            return;
        TFolderNodeItem* drive = ChildOfPath(drives, mountPoint);
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
