#pragma once

#include "FolderChangeQueue.h"
#include "FolderImages.h"
#include "FolderMerge.h"
#include "FolderNode.h"
#include "FolderTypes.h"
#include "SubFolderChecks.h"
#include "platform/shell/ShellNamespace.h"

#include <QElapsedTimer>
#include <QTreeWidget>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The folder tree: the desktop, the computer with its drives, the folders below them and, by option, the
// recycle bin and the network neighbourhood. A folder's sub-folders are listed the first time it is
// expanded; change notifications of the namespace keep listed folders current. The selected node is the
// current item, and OnChange reports every change of it.
class TFolderTree : public QTreeWidget, private FolderChangeHandler {
    Q_OBJECT
public:
    explicit TFolderTree(platform::ShellNamespace& shell, QWidget* owner = nullptr);
    ~TFolderTree() override;

    // Building the tree and registering for change notification; throws
    // std::runtime_error("Could not register SHChangeNotify") when registration fails (the tree stays built).
    bool Active() const { return active_; }
    void SetActive(bool active);
    SFolderOption FolderOptions() const { return folderOptions_; }
    void SetFolderOptions(SFolderOption options);
    TDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TDisplayMode mode);

    // The current folder: the selected node's file-system path; "" when none is selected or it has none.
    std::string SelectedPath() const;
    // Selects the folder of an absolute path (or its deepest existing ancestor), listing folders on the way;
    // nullptr with no selection when the tree cannot place the path, and nullptr when the folder found has
    // vanished from disk (the tree then repairs its view of it).
    QTreeWidgetItem* SelectPath(const std::string& path);

    // Asked when the session ends; CanEndSession starts true. An accepted end stops change notification.
    std::function<void(TFolderTree& sender, bool& canEndSession)> OnEndSessionQuery;
    bool QueryEndSession();

    // Nodes and their paths.
    TFolderNodeItem* DesktopNode() const;
    TFolderNodeItem* DrivesNode() const;
    TFolderNodeItem* NetworkNode() const;
    TFolderNodeItem* RecycleBinNode() const;
    TFolderNodeItem* FindKindNode(TFolderNodeKind kind) const;
    static std::string NodePath(const QTreeWidgetItem* node);
    // The node of path; with existingOnly false the deepest node reached (listing folders on the way),
    // with existingOnly true the node of the whole path or nullptr. Never changes the selection.
    TFolderNodeItem* FindNode(const std::string& path, bool existingOnly);
    // The same; viaDesktop false looks for a desktop folder below its drive instead of below the desktop.
    TFolderNodeItem* FindNodeFrom(const std::string& path, bool existingOnly, bool viaDesktop);
    const std::string& DesktopPath() const { return desktopPath_; }

    // Repairs: a drive given by its mount point; the selection after a double-click.
    void RefreshDrive(const std::string& mountPoint, bool force);
    void CheckSelection();

    // Whoever reads a folder in full anyway (the window, for its file list) may answer that folder's
    // sub-folder question in the tree's stead, so that a folder of a million files is read once, not
    // twice. From ExpectSubFolderAnswer on, a question of path's node that would read the whole folder
    // waits for AnswerSubFolders; no answer, or an answer about another folder, sends it to the tree's own
    // worker after all.
    void ExpectSubFolderAnswer(const std::string& path);
    void AnswerSubFolders(const std::string& path, std::optional<bool> hasSubFolder);

    // Listing and the sibling order.
    bool FillChildren(TFolderNodeItem* node);
    void ClearChildren(TFolderNodeItem* node);
    // Many new folders join a listed folder in steps, between which the event loop runs once a slice of
    // this many milliseconds (40) is spent. At 0 every step is a slice of its own, which lets a test look
    // at the tree between them.
    void SetMergeSlice(qint64 milliseconds) { mergeSlice_ = milliseconds; }

    // Records alive (one per node); the counter outlives the tree, so a test can see every record go.
    std::size_t LiveRecords() const { return *liveRecords_; }
    std::shared_ptr<const std::size_t> RecordCounter() const { return liveRecords_; }
    // The image list the icons come from.
    TFolderImages& Images() { return images_; }

signals:
    void OnChange(QTreeWidgetItem* node);

protected:
    // A double-click on a folder that vanished unnoticed repairs the view and does nothing else.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    using BusyScope = FolderChangeQueue::BusyScope;

    // The index lives in an arena of its own, so that a hundred thousand entries go at once, not one by one.
    struct FreshIndex {
        std::pmr::monotonic_buffer_resource arena;
        std::pmr::unordered_map<std::string_view, std::size_t> byPath{&arena};
    };
    // A folder being listed afresh, in steps: the nodes are made as the entries come and join the folder
    // when the listing is complete.
    struct Relisting {
        QPersistentModelIndex node;
        std::unique_ptr<platform::EnumIdList> listing;
        // The nodes in the order listed, and where each stands by the path it holds itself.
        std::vector<std::unique_ptr<TFolderNodeItem>> fresh;
        std::unique_ptr<FreshIndex> index = std::make_unique<FreshIndex>();
    };
    // Every open folder listed afresh after lost changes, over as many slices as it takes.
    struct RelistAll {
        std::vector<std::string> open;
        std::size_t next = 0;
        std::optional<Relisting> current;
    };

    struct MadeNode {
        std::unique_ptr<TFolderNodeItem> node;
        bool isVirtual = false;
    };

    // The tree itself: selection, expansion and deleting nodes (TFolderTree.cpp).
    void OnCurrentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void CollapseWithDescendants(QTreeWidgetItem* node);
    void DeleteNode(QTreeWidgetItem* node);

    // Shell items made into nodes, and their captions (ShellItemToNode.cpp).
    std::optional<TPathInfo> GetSpecialFolder(int csidl);
    std::string PathFromIDList(const platform::IdList& list);
    MadeNode MakeFolderNode(const platform::IdList& item, TFolderNodeItem* parent, bool force);
    TFolderNodeItem* AddFolderNode(const platform::IdList& item, TFolderNodeItem* parent, bool force);
    void UpdateCaption(TFolderNodeItem* node);
    void ApplyDisplayMode(TFolderNodeItem* node);
    // The sub-folder question put off by the namespace, asked off the user-interface thread, and its answer.
    void AskSubFolders(TFolderNodeItem& node);
    static void SettleSubFolders(TFolderNodeItem& node, bool hasSubFolder);

    // Population (FolderPopulation.cpp).
    void Activate();
    void Deactivate();
    void CreateRoots();
    void UpdateRecycleBin();
    void UpdateNetworkNeighborhood();
    TFolderNodeItem* AddSpecialNode(int csidl, TFolderNodeKind kind, std::string path);
    bool FolderExpanding(TFolderNodeItem* node);
    void OnItemExpanded(QTreeWidgetItem* item);
    void RecheckSubFolders(QTreeWidgetItem* item);

    // Listing listed folders afresh (FolderRelist.cpp).
    // Lists a listed folder afresh in place: the sub-folders still there keep their nodes, listings,
    // expansion and the selection. False when the folder cannot be listed.
    bool SyncChildren(TFolderNodeItem* node);
    bool StartRelisting(TFolderNodeItem* node, Relisting& relisting);
    bool ContinueRelisting(Relisting& relisting, const QElapsedTimer* clock);
    // The new sub-folders join at once, or else in steps from the queue.
    void FinishRelisting(Relisting& relisting, bool atOnce);
    bool RelistAllListed(const QElapsedTimer& clock) override;

    // Paths and repairs (FolderPaths.cpp).
    TFolderNodeItem* DriveOfPath(std::string_view path);
    TFolderNodeItem* DriveAncestor(const TFolderNodeItem* node) const;
    void RevealNode(QTreeWidgetItem* node);
    void ScrollToCaption(QTreeWidgetItem* node);
    bool RepairSelection();
    void RepairVanished(TFolderNodeItem* node);

    // Change notification (FolderNotify.cpp); the changes wait in queue_.
    void RegisterNotify();
    void DeregisterNotify();
    void HandleChange(const PendingChange& change) override;
    void FolderRemoved(const std::string& path, bool viaDesktop);
    void FolderRenamed(const std::string& path, const std::string& newPath, const platform::IdList& list,
                       bool viaDesktop);
    TFolderNodeItem* NodeOfRemoved(const std::string& path, bool viaDesktop);
    TFolderNodeItem* NearestExisting(TFolderNodeItem* node);
    bool ShownTwice(const std::string& path) const;
    void RefreshTarget(TFolderNodeItem* target);
    void RefreshComputer();
    void MediaChanged(const std::string& mountPoint, bool inserted);

    // Folders created, alone or in a burst (FolderBatch.cpp).
    void GatherCreation(const PendingChange& change, GatheredMap& gathered) override;
    void FlushCreations(GatheredMap gathered) override;
    void FolderCreated(const std::string& path, const platform::IdList& list, bool listOnTheWay,
                       bool viaDesktop);
    TFolderNodeItem* InsertCreated(const std::string& path, const platform::IdList& list, bool viaDesktop);

    // New nodes joining their parent in sibling order (FolderMerge.cpp): at once, or in steps from the
    // queue, whose later changes wait for them. Every other look at the tree finishes the steps first.
    void MergeChildren(TFolderNodeItem* parent, std::vector<std::unique_ptr<TFolderNodeItem>> nodes);
    void StartMerge(TFolderNodeItem* parent, std::vector<std::unique_ptr<TFolderNodeItem>> nodes);
    bool ContinueMerges(const QElapsedTimer& clock) override;
    void FinishMerges();
    // Steps until the clock (none: until done) says to go on from the event loop; true when done.
    bool StepMerges(const QElapsedTimer* clock);

    platform::ShellNamespace& shell_;
    std::shared_ptr<platform::ShellFolder> desktopFolder_;
    TFolderImages images_;
    std::string desktopPath_;
    TDisplayMode displayMode_ = dmAsis;
    SFolderOption folderOptions_;
    bool active_ = false;
    std::unique_ptr<platform::ChangeRegistration> registration_;
    std::shared_ptr<std::size_t> liveRecords_ = std::make_shared<std::size_t>(0);
    std::optional<RelistAll> relistAll_;
    std::deque<FolderMerge> merges_;
    qint64 mergeSlice_ = FolderChangeQueue::SliceMilliseconds;
    FolderChangeQueue queue_{*this, *this};
    SubFolderChecks checks_{&TFolderTree::SettleSubFolders};
    std::string answerExpected_; // the folder whose sub-folder question someone else answers
};
