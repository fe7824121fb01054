#include "TFolderTree.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSessionManager>

TFolderTree::TFolderTree(platform::ShellNamespace& shell, QWidget* owner)
    : QTreeWidget(owner), shell_(shell), images_(*style()) {
    clear();
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    // The column is as wide as its captions, so a folder deep in the tree can be scrolled to.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // A folder shown without an expand button may have gained sub-folders unseen: pointing at it looks.
    setMouseTracking(true);
    connect(this, &QTreeWidget::itemEntered, this, &TFolderTree::RecheckSubFolders);
    // Listing on the first expansion can be slow; expanding by double-click stays with the tree view.
    connect(this, &QTreeWidget::itemExpanded, this, &TFolderTree::OnItemExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this, &TFolderTree::OnCurrentItemChanged);
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { QueryEndSession(); });
}

TFolderTree::~TFolderTree() {
    // Whoever listens to OnChange may already be half gone while its children are destroyed.
    blockSignals(true);
    Deactivate();
}

void TFolderTree::SetActive(bool active) {
    BusyScope busy(queue_);
    if (active)
        Activate();
    else
        Deactivate();
}

void TFolderTree::SetFolderOptions(SFolderOption options) {
    BusyScope busy(queue_);
    folderOptions_ = options;
    if (active_) {
        UpdateRecycleBin();
        UpdateNetworkNeighborhood();
    }
}

void TFolderTree::SetDisplayMode(TDisplayMode mode) {
    BusyScope busy(queue_);
    displayMode_ = mode;
    if (active_)
        ApplyDisplayMode(DesktopNode());
}

std::string TFolderTree::SelectedPath() const {
    return NodePath(currentItem());
}

bool TFolderTree::QueryEndSession() {
    bool canEndSession = true;
    if (OnEndSessionQuery)
        OnEndSessionQuery(*this, canEndSession);
    if (canEndSession)
        DeregisterNotify();
    return canEndSession;
}

void TFolderTree::OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    // Selection and current item are one: the view may make an item current without selecting it (focus).
    if (current && !current->isSelected())
        current->setSelected(true);
    if (current != previous)
        emit OnChange(current);
}

QItemSelectionModel::SelectionFlags TFolderTree::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const {
    QItemSelectionModel::SelectionFlags command = QTreeWidget::selectionCommand(index, event);
    // A ctrl-click must not leave a current node that is not selected.
    if (index.isValid() && (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return command;
}

void TFolderTree::mouseDoubleClickEvent(QMouseEvent* event) {
    // After a repair another row lies under the pointer; the view would take the double-click for a new
    // press on it and select a folder the user never chose.
    if (RepairSelection()) {
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void TFolderTree::CollapseWithDescendants(QTreeWidgetItem* node) {
    if (!node)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        CollapseWithDescendants(node->child(i));
    node->setExpanded(false);
}

void TFolderTree::DeleteNode(QTreeWidgetItem* node) {
    if (!node)
        return;
    // The selection moves to the nearest surviving ancestor before the node goes, so OnChange fires once
    // with a node that stays, and never while a half-destroyed item is still current.
    for (QTreeWidgetItem* walk = currentItem(); walk; walk = walk->parent()) {
        if (walk == node) {
            // Whoever hears OnChange may change the tree itself; the node is deleted only if it is still
            // there.
            const QPersistentModelIndex index = indexFromItem(node);
            setCurrentItem(node->parent());
            if (!index.isValid())
                return;
            break;
        }
    }
    delete node;
}
