// Building the tree, listing folders on their first expansion, the options and the sibling order.
#include "DisplayNames.h"
#include "TFolderTree.h"
#include "UpdateLock.h"

#include <QTreeWidgetItemIterator>
#include <stdexcept>
#include <vector>

void TFolderTree::Activate() {
    if (active_)
        return;
    active_ = true;
    CreateRoots();
    SetFolderOptions(folderOptions_);
    SetDisplayMode(displayMode_);
    RegisterNotify();
}

void TFolderTree::Deactivate() {
    DeregisterNotify();
    merges_.clear();
    if (QTreeWidgetItem* desktop = topLevelItem(0))
        DeleteNode(desktop);
    active_ = false;
}

TFolderNodeItem* TFolderTree::AddSpecialNode(int csidl, TFolderNodeKind kind, std::string path) {
    TFolderNodeItem* parent = DesktopNode();
    if (!parent)
        return nullptr;
    std::optional<TPathInfo> folder = GetSpecialFolder(csidl);
    if (!folder)
        return nullptr;
    TFolderNodeItem* node = AddFolderNode(*folder->IDList, parent, true);
    if (node) {
        node->Node.DisplayName = GetFolderNames(*folder->IDList, parent->Node.ShellFolder.get()).NormalName;
        node->Node.Path = std::move(path);
        node->Node.Kind = kind;
        UpdateCaption(node);
    }
    return node;
}

void TFolderTree::CreateRoots() {
    UpdateLock lock(*this);
    desktopFolder_ = shell_.GetDesktopFolder();
    std::optional<TPathInfo> desktop = GetSpecialFolder(platform::CSIDL_DESKTOP);
    if (!desktop)
        return;
    desktopPath_ = desktop->Path;
    TFolderNodeItem* root = AddFolderNode(*desktop->IDList, nullptr, true);
    if (!root)
        return;
    root->Node.DisplayName = GetFolderNames(*desktop->IDList, root->Node.ShellFolder.get()).NormalName;
    root->Node.Path = desktopPath_;
    root->Node.Kind = nkDesktop;
    UpdateCaption(root);
    desktop->IDList.Free();

    TFolderNodeItem* drives = AddSpecialNode(platform::CSIDL_DRIVES, nkDrives, {});
    FillChildren(root);
    root->setChildIndicatorPolicy(root->childCount() > 0 ? QTreeWidgetItem::ShowIndicator
                                                         : QTreeWidgetItem::DontShowIndicator);
    root->setExpanded(true);
    if (drives)
        drives->setExpanded(true);
}

void TFolderTree::UpdateRecycleBin() {
    TFolderNodeItem* bin = RecycleBinNode();
    if (!folderOptions_.Contains(foRecycleBin))
        DeleteNode(bin);
    else if (!bin)
        AddSpecialNode(platform::CSIDL_BITBUCKET, nkRecycleBin, {});
}

void TFolderTree::UpdateNetworkNeighborhood() {
    TFolderNodeItem* network = NetworkNode();
    if (!folderOptions_.Contains(foNetworkNeighborhood))
        DeleteNode(network);
    else if (!network)
        AddSpecialNode(platform::CSIDL_NETWORK, nkNetworkNeighborhood, "\\\\");
}

bool TFolderTree::FillChildren(TFolderNodeItem* node) {
    if (!node)
        return false;
    BusyScope busy(queue_);
    FinishMerges();
    WaitCursor cursor;
    UpdateLock lock(*this);
    bool hasChildren = true;
    bool result = false;

    std::unique_ptr<platform::EnumIdList> children;
    if (node->Node.ShellFolder)
        children =
            node->Node.ShellFolder->EnumObjects(platform::SHCONTF_FOLDERS | platform::SHCONTF_INCLUDEHIDDEN);
    // A folder that refuses to be listed keeps its expand button, so that a later expansion tries again.
    if (children) {
        hasChildren = false;
        children->Reset();
        std::vector<std::unique_ptr<TFolderNodeItem>> first;
        std::vector<std::unique_ptr<TFolderNodeItem>> last;
        while (std::optional<platform::AllocatedIdList> item = children->Next()) {
            if (!*item)
                continue;
            MadeNode made = MakeFolderNode(**item, node, false);
            item->Free();
            if (!made.node)
                continue;
            hasChildren = true;
            result = true;
            if (made.isVirtual && folderOptions_.Contains(foVirtualFirst))
                first.push_back(std::move(made.node));
            else
                last.push_back(std::move(made.node));
        }
        // Each forced virtual node goes in front of the ones before it; all nodes are inserted at once.
        QList<QTreeWidgetItem*> front;
        for (auto it = first.rbegin(); it != first.rend(); ++it)
            front.append(it->release());
        QList<QTreeWidgetItem*> back;
        for (auto& made : last)
            back.append(made.release());
        node->insertChildren(0, front);
        node->addChildren(back);
    }
    node->setChildIndicatorPolicy(hasChildren ? QTreeWidgetItem::ShowIndicator
                                              : QTreeWidgetItem::DontShowIndicator);
    // Drives and network members stay in the order the namespace lists them.
    if (hasChildren && node->Node.Kind != nkNetworkNeighborhood && node->Node.Kind != nkDrives)
        node->sortChildren(0, Qt::AscendingOrder);
    return result;
}

bool TFolderTree::FolderExpanding(TFolderNodeItem* node) {
    if (!node || node->childCount() > 0)
        return true;
    UpdateLock lock(*this);
    try {
        return FillChildren(node);
    } catch (...) {
        return false;
    }
}

void TFolderTree::OnItemExpanded(QTreeWidgetItem* item) {
    // The view has no veto before an expansion: a listing that adds nothing takes the expansion back.
    BusyScope busy(queue_);
    TFolderNodeItem* node = AsFolderNode(item);
    if (node && node->Stale && node->childCount() > 0) {
        SyncChildren(node);
        return;
    }
    if (!FolderExpanding(node))
        collapseItem(item);
}

void TFolderTree::RecheckSubFolders(QTreeWidgetItem* item) {
    TFolderNodeItem* node = AsFolderNode(item);
    if (!node || node->Node.Kind != nkFolder || node->childCount() > 0 ||
        node->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator)
        return;
    const TFolderNodeItem* parent = node->ParentNode();
    const std::vector<std::string_view> items = node->Node.IDList.Items();
    if (!parent || !parent->Node.ShellFolder || items.empty())
        return;
    try {
        std::uint32_t mask = platform::SFGAO_HASSUBFOLDER | platform::SFGAO_ISSLOW;
        if (!parent->Node.ShellFolder->GetAttributesOf(platform::IdList::FromBytes(items.back()), mask))
            return;
        // A folder too large to look into at once keeps its look until the answer comes.
        if (mask & platform::SFGAO_ISSLOW)
            AskSubFolders(*node);
        else if (mask & platform::SFGAO_HASSUBFOLDER)
            node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    } catch (const std::exception&) {
        // A list the namespace cannot read leaves the node as it is.
    }
}

void TFolderTree::ClearChildren(TFolderNodeItem* node) {
    if (!node)
        return;
    BusyScope busy(queue_);
    FinishMerges();
    auto kept = [node](int i) {
        const TFolderNodeItem* child = node->ChildNode(i);
        return child && IsSpecialKind(child->Node.Kind);
    };
    bool anyKept = false;
    for (int i = 0; i < node->childCount() && !anyKept; ++i)
        anyKept = kept(i);
    if (anyKept) {
        const QPersistentModelIndex self = indexFromItem(node);
        for (int i = node->childCount() - 1; i >= 0 && self.isValid(); --i)
            if (i < node->childCount() && !kept(i))
                DeleteNode(node->child(i));
        if (!self.isValid())
            return;
    } else {
        // All children go: the selection moves once, then they leave the view in one step, which keeps
        // the clearing of a folder with thousands of sub-folders quick.
        for (QTreeWidgetItem* walk = currentItem(); walk; walk = walk->parent())
            if (walk->parent() == node) {
                const QPersistentModelIndex index = indexFromItem(node);
                setCurrentItem(node);
                if (!index.isValid())
                    return; // whoever heard OnChange took the node away
                break;
            }
        const QList<QTreeWidgetItem*> children = node->takeChildren();
        qDeleteAll(children);
    }
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

TFolderNodeItem* TFolderTree::DesktopNode() const {
    return AsFolderNode(topLevelItem(0));
}
TFolderNodeItem* TFolderTree::DrivesNode() const {
    return FindKindNode(nkDrives);
}
TFolderNodeItem* TFolderTree::NetworkNode() const {
    return FindKindNode(nkNetworkNeighborhood);
}
TFolderNodeItem* TFolderTree::RecycleBinNode() const {
    return FindKindNode(nkRecycleBin);
}

TFolderNodeItem* TFolderTree::FindKindNode(TFolderNodeKind kind) const {
    TFolderNodeItem* desktop = DesktopNode();
    if (!desktop)
        return nullptr;
    if (kind == nkDesktop)
        return desktop;
    // The special kinds are only ever stamped onto children of the desktop, so the first one in tree order
    // is a desktop child; this keeps frequent lookups off a walk through a large tree.
    if (IsSpecialKind(kind)) {
        for (int i = 0; i < desktop->childCount(); ++i)
            if (TFolderNodeItem* child = desktop->ChildNode(i); child && child->Node.Kind == kind)
                return child;
        return nullptr;
    }
    for (QTreeWidgetItemIterator it(desktop); *it; ++it)
        if (TFolderNodeItem* node = AsFolderNode(*it); node && node->Node.Kind == kind)
            return node;
    return nullptr;
}
