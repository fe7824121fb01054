// Shell items made into nodes: the record, attributes, icons and caption of each node, and special folders.
#include "DisplayNames.h"
#include "TFolderTree.h"
#include "engine/names/ShownName.h"

#include <limits>

namespace {

// Captions longer than this (in bytes) get a tooltip with the whole name.
constexpr std::size_t LongCaption = 60;

constexpr std::uint32_t AttributeMask =
    platform::SFGAO_HASSUBFOLDER | platform::SFGAO_FILESYSTEM | platform::SFGAO_SHARE | platform::SFGAO_LINK;

} // namespace

std::optional<TPathInfo> TFolderTree::GetSpecialFolder(int csidl) {
    std::optional<platform::AllocatedIdList> location = shell_.GetSpecialFolderLocation(csidl);
    if (!location || !*location)
        return std::nullopt;
    TPathInfo info;
    info.IDList = std::move(*location);
    info.Path = PathFromIDList(*info.IDList);
    const std::uint32_t flags = platform::SHGFI_SYSICONINDEX | platform::SHGFI_PIDL;
    info.ImageIndex = shell_.GetFileInfo(*info.IDList, flags, nullptr);
    info.SelectedIndex = shell_.GetFileInfo(*info.IDList, flags | platform::SHGFI_OPENICON, nullptr);
    return info;
}

std::string TFolderTree::PathFromIDList(const platform::IdList& list) {
    std::optional<std::string> path = shell_.GetPathFromIDList(list);
    if (!path)
        return {};
    return path->substr(0, path->find('\0'));
}

TFolderTree::MadeNode TFolderTree::MakeFolderNode(const platform::IdList& item, TFolderNodeItem* parent,
                                                  bool force) {
    platform::ShellFolder* folder = parent ? parent->Node.ShellFolder.get() : desktopFolder_.get();
    TFilePathList names = GetFolderNames(item, folder);

    // A folder too large to look into at once gets its expand button now and the answer later.
    std::uint32_t attributes = 0;
    if (parent && folder) {
        std::uint32_t mask = AttributeMask | platform::SFGAO_ISSLOW;
        if (folder->GetAttributesOf(item, mask))
            attributes = mask & (AttributeMask | platform::SFGAO_ISSLOW);
    }
    bool isVirtual = (attributes & platform::SFGAO_FILESYSTEM) == 0;
    // Everything below the network root counts as real: its members are not file-system folders.
    if (parent && (parent->Node.Kind == nkNetworkNeighborhood || parent->Node.Kind == nkNetworkItem))
        isVirtual = false;
    if (isVirtual && !force)
        return {};

    // The record keeps the list's size in 16 bits: a longer list cannot be held.
    const platform::IdList& parentList = parent ? parent->Node.IDList : platform::IdList{};
    const platform::IdList own = item.First();
    if (parentList.Size() + own.Size() > std::numeric_limits<std::uint16_t>::max())
        return {};
    platform::IdList absolute = parentList + own;

    const platform::IdList& iconList = isVirtual ? item : absolute;
    // Only whether it is a folder is asked here: the sub-folder question was answered above.
    std::uint32_t iconAttributes = platform::SFGAO_FOLDER;
    const std::uint32_t iconFlags = platform::SHGFI_SYSICONINDEX | platform::SHGFI_PIDL;
    const int image = shell_.GetFileInfo(
        iconList, iconFlags | platform::SHGFI_ATTRIBUTES | platform::SHGFI_ATTR_SPECIFIED, &iconAttributes);
    const int selected = (iconAttributes & platform::SFGAO_FOLDER)
                             ? shell_.GetFileInfo(iconList, iconFlags | platform::SHGFI_OPENICON, nullptr)
                             : image;

    TFolderNode record;
    record.Path = names.ParsingName;
    record.DisplayName = names.InFolderName;
    record.HasParentNode = parent != nullptr;
    record.Kind = nkFolder;
    record.IDList = std::move(absolute);
    if (parent) {
        record.ShellFolder = folder ? folder->BindToObject(item) : nullptr;
        if (parent->Node.Kind == nkNetworkNeighborhood) {
            record.Kind = nkNetworkItem;
            record.Path = "\\\\" + names.InFolderName;
        }
    } else {
        record.ShellFolder = desktopFolder_;
    }

    MadeNode made;
    made.isVirtual = isVirtual;
    made.node = std::make_unique<TFolderNodeItem>(std::move(record), liveRecords_);
    TFolderNodeItem* node = made.node.get();
    node->ImageIndex = image;
    node->SelectedIndex = selected;
    // A shared folder shows only the share mark even when it is a link as well.
    if (attributes & platform::SFGAO_SHARE)
        node->OverlayIndex = 0;
    else if (attributes & platform::SFGAO_LINK)
        node->OverlayIndex = 1;
    node->setIcon(0, images_.Icon(node->ImageIndex, node->SelectedIndex, node->OverlayIndex));
    const bool putOff = attributes & platform::SFGAO_ISSLOW;
    node->setChildIndicatorPolicy((attributes & platform::SFGAO_HASSUBFOLDER) || putOff
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicator);
    if (putOff)
        AskSubFolders(*node);
    UpdateCaption(node);
    return made;
}

void TFolderTree::AskSubFolders(TFolderNodeItem& node) {
    if (SubFolderChecks::Asked(node))
        return;
    if (!answerExpected_.empty() && node.Node.Path == answerExpected_)
        checks_.AskLater(node, shell_.SubFolderCheck(node.Node.IDList));
    else
        checks_.Ask(node, shell_.SubFolderCheck(node.Node.IDList));
}

void TFolderTree::ExpectSubFolderAnswer(const std::string& path) {
    answerExpected_ = path;
    // A node made before (a folder on the desktop) keeps its question aside too, unless its check has begun.
    if (TFolderNodeItem* node = path.empty() ? nullptr : FindNode(path, true);
        node && SubFolderChecks::Asked(*node))
        checks_.AskLater(*node, nullptr);
}

void TFolderTree::AnswerSubFolders(const std::string& path, std::optional<bool> hasSubFolder) {
    answerExpected_.clear();
    checks_.Tell([&path](const TFolderNodeItem& node) { return node.Node.Path == path; }, hasSubFolder);
}

void TFolderTree::SettleSubFolders(TFolderNodeItem& node, bool hasSubFolder) {
    // A folder listed meanwhile was told by its listing.
    if (node.childCount() > 0)
        return;
    node.setChildIndicatorPolicy(hasSubFolder ? QTreeWidgetItem::ShowIndicator
                                              : QTreeWidgetItem::DontShowIndicator);
}

TFolderNodeItem* TFolderTree::AddFolderNode(const platform::IdList& item, TFolderNodeItem* parent,
                                            bool force) {
    MadeNode made = MakeFolderNode(item, parent, force);
    if (!made.node)
        return nullptr;
    TFolderNodeItem* node = made.node.release();
    if (!parent)
        insertTopLevelItem(0, node);
    else if (made.isVirtual && folderOptions_.Contains(foVirtualFirst))
        parent->insertChild(0, node);
    else
        parent->addChild(node);
    return node;
}

void TFolderTree::UpdateCaption(TFolderNodeItem* node) {
    // Bytes that are not UTF-8 and invisible characters show as stand-ins, so that two names never look
    // alike and a line feed cannot cut a caption short.
    const std::string caption = ApplyDisplayModeTo(node->Node.DisplayName, displayMode_);
    node->setText(0, QString::fromStdString(engine::ShownName(caption)));
    // An altered or long caption tells the whole name, with the folder it lies in, when pointed at.
    const bool altered = !engine::ShowsAsItIs(caption);
    const bool longCaption = caption.size() > LongCaption;
    const std::string& full = node->Node.Path.empty() ? caption : node->Node.Path;
    node->setToolTip(0, altered || longCaption ? QString::fromStdString(engine::ShownName(full)) : QString());
}

void TFolderTree::ApplyDisplayMode(TFolderNodeItem* node) {
    if (!node)
        return;
    UpdateCaption(node);
    for (int i = 0; i < node->childCount(); ++i)
        ApplyDisplayMode(node->ChildNode(i));
}
