#include "LinuxShellNamespace.h"

#include "ChangeWatcher.h"
#include "FolderProbe.h"
#include "LinuxItemInfo.h"
#include "LinuxShellFolder.h"
#include "LinuxShellState.h"
#include "ShellItems.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace platform {

namespace {

class LinuxShellNamespace final : public ShellNamespace {
public:
    explicit LinuxShellNamespace(const std::string& desktopPath)
        : state_(std::make_shared<LinuxShellState>(desktopPath)), desktop_(DesktopLocation(desktopPath)) {}

    std::shared_ptr<ShellFolder> GetDesktopFolder() override {
        return std::make_shared<LinuxShellFolder>(state_, desktop_);
    }

    std::optional<AllocatedIdList> GetSpecialFolderLocation(int csidl) override {
        switch (csidl) {
        case CSIDL_DESKTOP:
        case CSIDL_DESKTOPDIRECTORY:
            return AllocatedIdList(state_->Allocator(), IdList());
        case CSIDL_DRIVES:
            return AllocatedIdList(state_->Allocator(), MakeItem(ItemKind::Computer));
        case CSIDL_BITBUCKET:
            return AllocatedIdList(state_->Allocator(), MakeItem(ItemKind::Trash));
        case CSIDL_NETWORK:
            return AllocatedIdList(state_->Allocator(), MakeItem(ItemKind::Network));
        default:
            return std::nullopt;
        }
    }

    std::optional<std::string> GetPathFromIDList(const IdList& absolute) override {
        const auto location = ResolveLocation(desktop_, absolute);
        return location ? location->path : std::nullopt;
    }

    int GetFileInfo(const IdList& list, std::uint32_t flags, std::uint32_t* attributes) override {
        // A virtual item may be asked about with its list relative to its parent; its last item tells
        // its kind all the same, so an absolute list is tried first, then the last item alone.
        auto location = ResolveLocation(desktop_, list);
        if (!location && !list.IsEmpty())
            location = LastItemAlone(list);
        if (attributes) {
            // "Every bit" leaves the put-off sub-folder question out: it asks for the whole answer.
            const std::uint32_t wanted = (flags & SHGFI_ATTR_SPECIFIED) ? *attributes : ~SFGAO_ISSLOW;
            *attributes = location && (flags & SHGFI_ATTRIBUTES) ? ItemAttributes(*location, wanted) : 0;
        }
        if (!location)
            return (flags & SHGFI_OPENICON) ? iconFolderOpen : iconFolder;
        return ItemIcon(*location, flags & SHGFI_OPENICON);
    }

    TaskAllocator& Malloc() override { return state_->Allocator(); }

    std::function<bool()> SubFolderCheck(const IdList& absolute) override {
        const auto location = ResolveLocation(desktop_, absolute);
        if (!location || !location->path ||
            (location->kind != ItemKind::Folder && location->kind != ItemKind::Desktop))
            return {};
        // The path alone, copied: the check must not reach back into the namespace from another thread.
        return [path = *location->path] { return HasSubFolder(path); };
    }

    bool PathExists(std::string_view path) override { return Exists(std::string(path)); }

    std::unique_ptr<ChangeRegistration>
    RegisterChangeNotify(std::uint32_t events, std::function<void(const ShellChange&)> deliver) override {
        return ChangeWatcher::Create(state_, events, std::move(deliver));
    }

private:
    // The parent each kind of item stands below, for an item met without its parents.
    std::optional<ShellLocation> LastItemAlone(const IdList& list) const {
        const std::string_view payload = list.Payloads().back();
        if (payload.empty())
            return std::nullopt;
        ShellLocation parent = desktop_;
        switch (static_cast<ItemKind>(payload.front())) {
        case ItemKind::Drive:
            parent = ShellLocation{ItemKind::Computer, {}, std::nullopt, MakeItem(ItemKind::Computer)};
            break;
        case ItemKind::Server:
            parent = ShellLocation{ItemKind::Network, {}, std::nullopt, MakeItem(ItemKind::Network)};
            break;
        case ItemKind::Share:
            parent = ShellLocation{ItemKind::Server, {}, std::nullopt, MakeItem(ItemKind::Network)};
            break;
        default:
            break;
        }
        return ChildLocation(parent, payload);
    }

    std::shared_ptr<LinuxShellState> state_;
    ShellLocation desktop_;
};

} // namespace

std::string LocateDesktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QByteArray desktopBytes = QFile::encodeName(desktop);
    if (!desktop.isEmpty() && IsFolder(desktopBytes.toStdString()))
        return desktopBytes.toStdString();
    return QFile::encodeName(QDir::homePath()).toStdString();
}

std::unique_ptr<ShellNamespace> CreateLinuxShellNamespace() {
    return CreateLinuxShellNamespace(LocateDesktopFolder());
}

std::unique_ptr<ShellNamespace> CreateLinuxShellNamespace(const std::string& desktopPath) {
    return std::make_unique<LinuxShellNamespace>(desktopPath);
}

} // namespace platform
