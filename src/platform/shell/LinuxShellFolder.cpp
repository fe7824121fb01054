#include "LinuxShellFolder.h"

#include "FolderProbe.h"
#include "LinuxItemInfo.h"

#include <algorithm>

namespace platform {

namespace {

// The children of the computer, the network and a server, gathered when the enumeration is made; Reset starts
// them over without gathering again.
class SnapshotEnum final : public EnumIdList {
public:
    SnapshotEnum(std::shared_ptr<LinuxShellState> state, std::vector<IdList> items)
        : state_(std::move(state)), items_(std::move(items)) {}
    void Reset() override { next_ = 0; }
    std::optional<AllocatedIdList> Next() override {
        if (next_ >= items_.size())
            return std::nullopt;
        return AllocatedIdList(state_->Allocator(), items_[next_++]);
    }

private:
    std::shared_ptr<LinuxShellState> state_;
    std::vector<IdList> items_;
    std::size_t next_ = 0;
};

// A file-system folder's sub-folders, read as they are asked for: a caller that lists in slices never waits
// for a whole folder of a hundred thousand of them.
class FolderEnum final : public EnumIdList {
public:
    FolderEnum(std::shared_ptr<LinuxShellState> state, SubFolderReader reader, std::uint32_t flags)
        : state_(std::move(state)), reader_(std::move(reader)), flags_(flags) {}
    void Reset() override { reader_.Rewind(); }
    std::optional<AllocatedIdList> Next() override {
        if (!(flags_ & SHCONTF_FOLDERS))
            return std::nullopt;
        while (std::optional<std::string> name = reader_.Next())
            if ((flags_ & SHCONTF_INCLUDEHIDDEN) || name->front() != '.')
                return AllocatedIdList(state_->Allocator(), MakeItem(ItemKind::Folder, *name));
        return std::nullopt;
    }

private:
    std::shared_ptr<LinuxShellState> state_;
    SubFolderReader reader_;
    std::uint32_t flags_;
};

std::vector<std::string> Servers(const std::vector<MountEntry>& drives) {
    std::vector<std::string> servers;
    for (const MountEntry& drive : drives)
        if (auto server = NetworkServer(drive);
            server && std::find(servers.begin(), servers.end(), *server) == servers.end())
            servers.push_back(*server);
    return servers;
}

std::string WithoutTrailingSeparator(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return std::string(path);
}

} // namespace

LinuxShellFolder::LinuxShellFolder(std::shared_ptr<LinuxShellState> state, ShellLocation location)
    : state_(std::move(state)), location_(std::move(location)) {}

StrRet LinuxShellFolder::GetDisplayNameOf(const IdList& item, std::uint32_t flags) {
    const auto location = ResolveLocation(location_, item);
    if (!location)
        return {};
    StrRet name;
    name.wstr = ItemName(*state_, *location, flags);
    return name;
}

bool LinuxShellFolder::GetAttributesOf(const IdList& item, std::uint32_t& mask) {
    const auto location = ResolveLocation(location_, item);
    if (!location)
        return false;
    if ((location->kind == ItemKind::Folder || location->kind == ItemKind::Desktop) &&
        !IsFolder(*location->path))
        return false; // gone, or never a folder
    mask = ItemAttributes(*location, mask);
    return true;
}

std::shared_ptr<ShellFolder> LinuxShellFolder::BindToObject(const IdList& item) {
    auto location = ResolveLocation(location_, item);
    if (!location)
        return nullptr;
    return std::make_shared<LinuxShellFolder>(state_, std::move(*location));
}

std::unique_ptr<EnumIdList> LinuxShellFolder::EnumObjects(std::uint32_t flags) {
    switch (location_.kind) {
    case ItemKind::Desktop:
    case ItemKind::Folder:
    case ItemKind::Drive:
    case ItemKind::Share: {
        SubFolderReader reader(*location_.path);
        if (!reader.IsOpen())
            return nullptr;
        listing_ = state_->Listed(*location_.path, location_.absolute);
        return std::make_unique<FolderEnum>(state_, std::move(reader), flags);
    }
    default:
        break;
    }
    auto children = Children(flags);
    if (!children)
        return nullptr;
    return std::make_unique<SnapshotEnum>(state_, std::move(*children));
}

std::optional<std::vector<IdList>> LinuxShellFolder::Children(std::uint32_t flags) {
    std::vector<IdList> items;
    const bool folders = flags & SHCONTF_FOLDERS;
    switch (location_.kind) {
    case ItemKind::Computer:
        for (const MountEntry& drive : state_->Drives())
            if (folders)
                items.push_back(MakeItem(ItemKind::Drive, drive.mountPoint));
        break;
    case ItemKind::Network:
        for (const std::string& server : Servers(state_->Drives()))
            if (folders)
                items.push_back(MakeItem(ItemKind::Server, server));
        break;
    case ItemKind::Server:
        for (const MountEntry& drive : state_->Drives())
            if (folders && NetworkServer(drive) == location_.data)
                items.push_back(MakeItem(ItemKind::Share, drive.mountPoint));
        break;
    case ItemKind::Trash:
        break; // the trash is shown, its contents are not
    default:
        break; // file-system folders are read as they are enumerated
    }
    return items;
}

std::optional<AllocatedIdList> LinuxShellFolder::ParseDisplayName(std::string_view name) {
    auto item = ParseChild(name);
    if (!item)
        return std::nullopt;
    return AllocatedIdList(state_->Allocator(), std::move(*item));
}

std::optional<IdList> LinuxShellFolder::ParseChild(std::string_view name) const {
    const std::string wanted = WithoutTrailingSeparator(name);
    switch (location_.kind) {
    case ItemKind::Computer:
        for (const MountEntry& drive : state_->Drives())
            if (drive.mountPoint == wanted)
                return MakeItem(ItemKind::Drive, wanted);
        return std::nullopt;
    case ItemKind::Network: {
        const auto servers = Servers(state_->Drives());
        if (std::find(servers.begin(), servers.end(), wanted) != servers.end())
            return MakeItem(ItemKind::Server, wanted);
        return std::nullopt;
    }
    case ItemKind::Server:
        for (const MountEntry& drive : state_->Drives())
            if (drive.mountPoint == wanted && NetworkServer(drive) == location_.data)
                return MakeItem(ItemKind::Share, wanted);
        return std::nullopt;
    case ItemKind::Desktop:
    case ItemKind::Folder:
    case ItemKind::Drive:
    case ItemKind::Share: {
        // A sub-folder's own name.
        auto child = ChildLocation(location_, std::string(1, static_cast<char>(ItemKind::Folder)) + wanted);
        if (child && IsFolder(*child->path))
            return MakeItem(ItemKind::Folder, wanted);
        return std::nullopt;
    }
    case ItemKind::Trash:
        break;
    }
    return std::nullopt;
}

} // namespace platform
