#include "FolderNode.h"

#include "DisplayNames.h"

TFolderNodeItem::TFolderNodeItem(TFolderNode node, std::shared_ptr<std::size_t> liveRecords)
    : QTreeWidgetItem(ItemType), Node(std::move(node)), liveRecords_(std::move(liveRecords)) {
    if (liveRecords_)
        ++*liveRecords_;
}

TFolderNodeItem::~TFolderNodeItem() {
    if (liveRecords_)
        --*liveRecords_;
}

TFolderNodeItem* TFolderNodeItem::ParentNode() const {
    return AsFolderNode(parent());
}

TFolderNodeItem* TFolderNodeItem::ChildNode(int index) const {
    return AsFolderNode(child(index));
}

bool TFolderNodeItem::operator<(const QTreeWidgetItem& other) const {
    const TFolderNodeItem* node = AsFolderNode(&other);
    if (!node)
        return QTreeWidgetItem::operator<(other);
    return CompareFolderNodes(*this, *node) < 0;
}

TFolderNodeItem* AsFolderNode(QTreeWidgetItem* item) {
    return item && item->type() == TFolderNodeItem::ItemType ? static_cast<TFolderNodeItem*>(item) : nullptr;
}

const TFolderNodeItem* AsFolderNode(const QTreeWidgetItem* item) {
    return item && item->type() == TFolderNodeItem::ItemType ? static_cast<const TFolderNodeItem*>(item)
                                                             : nullptr;
}

int CompareFolderNodes(const TFolderNodeItem& a, const TFolderNodeItem& b) {
    const bool specialA = IsSpecialKind(a.Node.Kind);
    const bool specialB = IsSpecialKind(b.Node.Kind);
    if (specialA != specialB)
        return specialA ? -1 : 1;
    // The caption is the stored name under the display mode, and the mode only changes what the folding
    // erases anyway.
    return CompareCaptions(a.Node.DisplayName, b.Node.DisplayName);
}
