#pragma once

#include "FolderTypes.h"
#include "platform/shell/IdList.h"
#include "platform/shell/ShellNamespace.h"

#include <QTreeWidgetItem>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct SubFolderQuestion;

// What the tree knows of the shell item behind one node.
struct TFolderNode {
    std::string Path;        // parsing name: the file-system path of a folder, a drive's mount point
    std::string DisplayName; // the stored name the caption is derived from (raw bytes)
    bool HasParentNode = false;
    std::shared_ptr<platform::ShellFolder> ShellFolder; // lists the node's children; none when binding failed
    TFolderNodeKind Kind = nkFolder;
    platform::IdList IDList; // absolute (relative to the desktop), the node's own copy

    std::uint16_t IDListSize() const { return static_cast<std::uint16_t>(IDList.Size()); }
};

// A tree node that owns its record, so that deleting a node with its subtree frees every record in it. The
// counter, shared with the tree, lets the owner see how many records are alive.
class TFolderNodeItem : public QTreeWidgetItem {
public:
    static constexpr int ItemType = QTreeWidgetItem::UserType + 41;

    TFolderNodeItem(TFolderNode node, std::shared_ptr<std::size_t> liveRecords);
    ~TFolderNodeItem() override;
    TFolderNodeItem(const TFolderNodeItem&) = delete;
    TFolderNodeItem& operator=(const TFolderNodeItem&) = delete;

    TFolderNode Node;
    int ImageIndex = 0;
    int SelectedIndex = 0;
    int OverlayIndex = -1; // 0 shared, 1 link, -1 none
    // Listed, but changes to its sub-folders may have been lost: listed afresh when next opened.
    bool Stale = false;
    // Whether the folder holds sub-folders is being found out off the user-interface thread; the expand
    // button shows meanwhile. See SubFolderChecks.
    std::shared_ptr<SubFolderQuestion> SubFolderAsked;

    TFolderNodeItem* ParentNode() const;
    TFolderNodeItem* ChildNode(int index) const;

    // Sibling order for QTreeWidgetItem::sortChildren, which keeps expansion and selection intact.
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    std::shared_ptr<std::size_t> liveRecords_;
};

// The node record of an item of the folder tree; nullptr for none or a foreign item.
TFolderNodeItem* AsFolderNode(QTreeWidgetItem* item);
const TFolderNodeItem* AsFolderNode(const QTreeWidgetItem* item);

// Sibling order: the special nodes first, then the captions with a-z folded to A-Z.
int CompareFolderNodes(const TFolderNodeItem& a, const TFolderNodeItem& b);
