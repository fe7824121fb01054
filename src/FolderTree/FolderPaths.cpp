// Mapping between nodes and paths: the selected folder, path lookup and the repair of vanished folders.
#include "PathNames.h"
#include "TFolderTree.h"

#include <QScrollBar>
#include <algorithm>

std::string TFolderTree::NodePath(const QTreeWidgetItem* item) {
    const TFolderNodeItem* node = AsFolderNode(item);
    if (!node)
        return {};
    switch (node->Node.Kind) {
    case nkNetworkNeighborhood:
    case nkRecycleBin:
    case nkDrives:
    case nkNetworkItem:
        return {};
    default:
        return node->Node.Path;
    }
}

QTreeWidgetItem* TFolderTree::SelectPath(const std::string& path) {
    BusyScope busy(queue_);
    TFolderNodeItem* node = FindNode(path, false);
    // Reveal the node before it becomes current, so that whoever hears OnChange sees it in place.
    RevealNode(node);
    const QPersistentModelIndex kept = indexFromItem(node);
    setCurrentItem(node);
    if (!node || !kept.isValid())
        return nullptr;
    ScrollToCaption(node);

    const std::string& stored = node->Node.Path;
    const bool driveRoot = DriveAncestor(node) == node;
    if (!NodePath(node).empty() && !driveRoot && !IsNetworkPath(stored) && !shell_.PathExists(stored)) {
        CheckSelection();
        return nullptr;
    }
    return node;
}

void TFolderTree::RevealNode(QTreeWidgetItem* node) {
    std::vector<QTreeWidgetItem*> ancestors;
    for (QTreeWidgetItem* walk = node ? node->parent() : nullptr; walk; walk = walk->parent())
        ancestors.push_back(walk);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        (*it)->setExpanded(true);
}

void TFolderTree::ScrollToCaption(QTreeWidgetItem* node) {
    scrollToItem(node);
    // A folder deep in the tree lies far to the right: its caption is brought into view as well, with the
    // expand button just before it.
    executeDelayedItemsLayout();
    resizeColumnToContents(0);
    updateGeometries();
    const QRect caption = visualItemRect(node);
    const int width = viewport()->width();
    if (caption.isValid() &&
        (caption.left() < 0 || caption.left() + std::min(caption.width(), width) > width)) {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() + caption.left() - indentation());
    }
}

TFolderNodeItem* TFolderTree::DriveOfPath(std::string_view path) {
    TFolderNodeItem* drives = DrivesNode();
    if (!drives)
        return nullptr;
    if (drives->childCount() == 0)
        drives->setExpanded(true);
    TFolderNodeItem* best = nullptr;
    for (int i = 0; i < drives->childCount(); ++i) {
        TFolderNodeItem* drive = drives->ChildNode(i);
        if (!drive || !IsPathWithin(path, drive->Node.Path))
            continue;
        if (!best || drive->Node.Path.size() > best->Node.Path.size())
            best = drive;
    }
    return best;
}

TFolderNodeItem* TFolderTree::DriveAncestor(const TFolderNodeItem* node) const {
    for (TFolderNodeItem* walk = const_cast<TFolderNodeItem*>(node); walk; walk = walk->ParentNode()) {
        const TFolderNodeItem* parent = walk->ParentNode();
        if (parent && parent->Node.Kind == nkDrives)
            return walk;
    }
    return nullptr;
}

TFolderNodeItem* TFolderTree::FindNode(const std::string& path, bool existingOnly) {
    return FindNodeFrom(path, existingOnly, true);
}

TFolderNodeItem* TFolderTree::FindNodeFrom(const std::string& path, bool existingOnly, bool viaDesktop) {
    FinishMerges();
    TFolderNodeItem* desktop = DesktopNode();
    const std::optional<std::string> lookup = NormalizeFolderPath(path);
    if (!desktop || !lookup)
        return nullptr;

    TFolderNodeItem* current = nullptr;
    char separator = '/';
    if (IsNetworkPath(*lookup)) {
        current = NetworkNode();
        separator = '\\';
    } else if (viaDesktop && !desktopPath_.empty() && IsPathWithin(*lookup, desktopPath_)) {
        // The desktop's folders are reached through the desktop, not through the drive that holds them.
        current = desktop;
    } else {
        current = DriveOfPath(*lookup);
    }
    if (!current)
        return nullptr;

    std::string walked = current->Node.Path;
    for (const std::string& component : ComponentsBelow(*lookup, walked, separator)) {
        if (current->childCount() == 0 && !existingOnly)
            FillChildren(current);
        else if (current->Stale && !existingOnly)
            SyncChildren(current);
        walked = JoinPath(walked, component, separator);
        TFolderNodeItem* next = nullptr;
        for (int i = 0; i < current->childCount() && !next; ++i)
            if (TFolderNodeItem* child = current->ChildNode(i); child && child->Node.Path == walked)
                next = child;
        if (!next)
            return existingOnly ? nullptr : current;
        current = next;
    }
    return current;
}

void TFolderTree::CheckSelection() {
    RepairSelection();
}

bool TFolderTree::RepairSelection() {
    BusyScope busy(queue_);
    TFolderNodeItem* node = AsFolderNode(currentItem());
    if (!node)
        return false;
    const std::string& stored = node->Node.Path;
    // A drive root, a node without a path or a network path: the next expansion lists it again, so a drive
    // whose medium was missing can be retried.
    if (NodePath(node).empty() || DriveAncestor(node) == node || IsNetworkPath(stored)) {
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        return false;
    }
    if (shell_.PathExists(stored))
        return false;
    RepairVanished(node);
    return true;
}

void TFolderTree::RepairVanished(TFolderNodeItem* node) {
    if (TFolderNodeItem* drive = DriveAncestor(node)) {
        RefreshDrive(drive->Node.Path, true);
        return;
    }
    for (TFolderNodeItem* walk = node; walk; walk = walk->ParentNode()) {
        if (walk->Node.Kind == nkNetworkNeighborhood) {
            node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            return;
        }
    }
    // A folder below the desktop: the desktop is to its folders what a drive is to its own.
    RefreshTarget(DesktopNode());
}
