#pragma once

#include "IdList.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The items of the Linux namespace. Each item is one kind byte followed by the data that names it, so that
// a list resolves to its place and path without asking the disk: notifications name folders that are gone.
//   Folder   'F' + the folder's name (raw bytes), below the desktop, a drive, a share or a folder
//   Computer 'C', Trash 'T', Network 'N': below the desktop, no data
//   Drive    'D' + its mount point, below the computer
//   Server   'S' + the server's name, below the network
//   Share    'H' + its mount point, below a server
enum class ItemKind : char {
    Desktop = 0, // the empty list; never written into an item
    Folder = 'F',
    Computer = 'C',
    Trash = 'T',
    Network = 'N',
    Drive = 'D',
    Server = 'S',
    Share = 'H',
};

IdList MakeItem(ItemKind kind, std::string_view data = {});

// Where an absolute list leads.
struct ShellLocation {
    ItemKind kind = ItemKind::Desktop;
    std::string data;                // the item's data (folder name, mount point, server name)
    std::optional<std::string> path; // the file-system path; nullopt for a virtual item
    IdList absolute;
};

ShellLocation DesktopLocation(const std::string& desktopPath);
// The child of parent that payload names; nullopt when the payload is malformed or cannot stand there.
std::optional<ShellLocation> ChildLocation(const ShellLocation& parent, std::string_view payload);
// Walks a list relative to from; nullopt when any item does not resolve.
std::optional<ShellLocation> ResolveLocation(const ShellLocation& from, const IdList& relative);

// parent + "/" + name, without doubling the root's separator.
std::string JoinPath(std::string_view parent, std::string_view name);
// The last component of a path ("/" for the root).
std::string LastComponent(std::string_view path);
// The path up to its last separator ("/" for a folder of the root).
std::string ParentPath(std::string_view path);

} // namespace platform
