// New nodes joining a listed parent in sibling order: at once, or a step at a time from the change queue.
#include "FolderMerge.h"

#include "TFolderTree.h"
#include "UpdateLock.h"

#include <algorithm>

namespace {

// A step sorts one run of this many nodes, or places at most NodesPerStep nodes in at most PlacesPerStep
// places among the present children (each place is one insertion into the view's model).
constexpr std::size_t RunLength = 4096;
constexpr std::size_t NodesPerStep = 2048;
constexpr std::size_t PlacesPerStep = 64;

using Nodes = std::vector<std::unique_ptr<TFolderNodeItem>>;
using Runs = std::vector<std::pair<int, QList<QTreeWidgetItem*>>>;

bool KeepsNamespaceOrder(const TFolderNodeItem& parent) {
    // Drives and the members of the network keep the order the namespace gives them.
    return parent.Node.Kind == nkDrives || parent.Node.Kind == nkNetworkNeighborhood;
}

bool IsSpecialChild(const TFolderNodeItem& parent, int i) {
    const TFolderNodeItem* sibling = parent.ChildNode(i);
    return !sibling || IsSpecialKind(sibling->Node.Kind);
}

// Takes nodes from next on into runs of nodes that go to the same place among parent's present children,
// as many as one step places; returns where the next step begins. The present folders stand in sibling
// order between the special nodes that lead and those an option added after them; a new folder goes after
// the last folder that does not sort after it.
std::size_t TakeStep(const TFolderNodeItem& parent, Nodes& nodes, std::size_t next, Runs& runs) {
    std::size_t end = next;
    if (KeepsNamespaceOrder(parent)) {
        runs.emplace_back(parent.childCount(), QList<QTreeWidgetItem*>{});
        for (; end < nodes.size(); ++end)
            runs.back().second.append(nodes[end].release());
        return end;
    }
    int lead = 0;
    while (lead < parent.childCount() && IsSpecialChild(parent, lead))
        ++lead;
    int tail = parent.childCount();
    while (tail > lead && IsSpecialChild(parent, tail - 1))
        --tail;
    // The first place by halving, the rest walking on from there.
    int position = lead;
    for (int high = tail; position < high;) {
        const int middle = position + (high - position) / 2;
        if (CompareFolderNodes(*parent.ChildNode(middle), *nodes[next]) <= 0)
            position = middle + 1;
        else
            high = middle;
    }
    for (; end < nodes.size(); ++end) {
        while (position < tail && CompareFolderNodes(*parent.ChildNode(position), *nodes[end]) <= 0)
            ++position;
        if (runs.empty() || runs.back().first != position) {
            if (runs.size() == PlacesPerStep)
                break;
            runs.emplace_back(position, QList<QTreeWidgetItem*>{});
        }
        runs.back().second.append(nodes[end].release());
    }
    return end;
}

} // namespace

FolderMerge::FolderMerge(QPersistentModelIndex parent, Nodes nodes, bool keepGivenOrder)
    : parent_(std::move(parent)), nodes_(std::move(nodes)), keepGivenOrder_(keepGivenOrder) {}

bool FolderMerge::Later(std::size_t a, std::size_t b) const {
    // Equal captions keep the order they came in, as a stable sort keeps it.
    const int order = CompareFolderNodes(*nodes_[a], *nodes_[b]);
    return order > 0 || (order == 0 && a > b);
}

std::size_t FolderMerge::TakeNext() {
    if (keepGivenOrder_)
        return given_ < nodes_.size() ? given_++ : Npos;
    if (heads_.empty())
        return Npos;
    const auto later = [this](std::size_t a, std::size_t b) { return Later(a, b); };
    std::pop_heap(heads_.begin(), heads_.end(), later);
    const std::size_t taken = heads_.back();
    heads_.pop_back();
    const std::size_t next = taken + 1;
    if (next < nodes_.size() && next % RunLength != 0) {
        heads_.push_back(next);
        std::push_heap(heads_.begin(), heads_.end(), later);
    }
    return taken;
}

bool FolderMerge::Step(TFolderNodeItem& parent) {
    if (!keepGivenOrder_ && sorted_ < nodes_.size()) {
        const std::size_t end = std::min(sorted_ + RunLength, nodes_.size());
        std::stable_sort(nodes_.begin() + static_cast<std::ptrdiff_t>(sorted_),
                         nodes_.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const auto& a, const auto& b) { return CompareFolderNodes(*a, *b) < 0; });
        heads_.push_back(sorted_);
        std::push_heap(heads_.begin(), heads_.end(),
                       [this](std::size_t a, std::size_t b) { return Later(a, b); });
        sorted_ = end;
        return false;
    }
    if (readyNext_ == ready_.size()) {
        ready_.clear();
        readyNext_ = 0;
        for (std::size_t next; ready_.size() < NodesPerStep && (next = TakeNext()) != Npos;)
            ready_.push_back(std::move(nodes_[next]));
    }
    if (readyNext_ < ready_.size()) {
        Runs runs;
        readyNext_ = TakeStep(parent, ready_, readyNext_, runs);
        // From the back, so that the places of the runs ahead stay true.
        for (auto run = runs.rbegin(); run != runs.rend(); ++run)
            parent.insertChildren(run->first, run->second);
        parent.setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    return readyNext_ == ready_.size() && (keepGivenOrder_ ? given_ == nodes_.size() : heads_.empty());
}

void TFolderTree::StartMerge(TFolderNodeItem* parent, std::vector<std::unique_ptr<TFolderNodeItem>> nodes) {
    if (parent && !nodes.empty())
        merges_.emplace_back(indexFromItem(parent), std::move(nodes), KeepsNamespaceOrder(*parent));
}

void TFolderTree::MergeChildren(TFolderNodeItem* parent,
                                std::vector<std::unique_ptr<TFolderNodeItem>> nodes) {
    StartMerge(parent, std::move(nodes));
    FinishMerges();
}

bool TFolderTree::ContinueMerges(const QElapsedTimer& clock) {
    return StepMerges(&clock);
}

void TFolderTree::FinishMerges() {
    StepMerges(nullptr);
}

bool TFolderTree::StepMerges(const QElapsedTimer* clock) {
    if (merges_.empty())
        return true;
    UpdateLock lock(*this);
    while (!merges_.empty()) {
        FolderMerge& merge = merges_.front();
        TFolderNodeItem* parent =
            merge.Parent().isValid() ? AsFolderNode(itemFromIndex(merge.Parent())) : nullptr;
        // A parent gone meanwhile takes the nodes still waiting for it along.
        if (!parent || merge.Step(*parent))
            merges_.pop_front();
        if (clock && !merges_.empty() && clock->elapsed() >= mergeSlice_)
            return false;
    }
    return true;
}
