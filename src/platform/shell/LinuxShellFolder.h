#pragma once

#include "LinuxShellState.h"
#include "ShellItems.h"
#include "ShellNamespace.h"

#include <memory>

namespace platform {

// One folder of the Linux namespace: the desktop, the computer, a drive, a folder, the trash, the network,
// a server or a share.
class LinuxShellFolder final : public ShellFolder {
public:
    LinuxShellFolder(std::shared_ptr<LinuxShellState> state, ShellLocation location);

    StrRet GetDisplayNameOf(const IdList& item, std::uint32_t flags) override;
    bool GetAttributesOf(const IdList& item, std::uint32_t& mask) override;
    std::shared_ptr<ShellFolder> BindToObject(const IdList& item) override;
    std::unique_ptr<EnumIdList> EnumObjects(std::uint32_t flags) override;
    std::optional<AllocatedIdList> ParseDisplayName(std::string_view name) override;

private:
    // The children of the computer, the network, a server and the trash as one-item lists (file-system
    // folders are read as they are enumerated); nullopt when they cannot be listed.
    std::optional<std::vector<IdList>> Children(std::uint32_t flags);
    std::optional<IdList> ParseChild(std::string_view name) const;

    std::shared_ptr<LinuxShellState> state_;
    ShellLocation location_;
    std::shared_ptr<ListingHold> listing_; // the folder stays watched while the one who listed it holds it
};

} // namespace platform
