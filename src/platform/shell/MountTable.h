#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One line of the kernel's mount table (/proc/self/mounts), fields unescaped.
struct MountEntry {
    std::string source;     // device, "server:/export", "//server/share" ...
    std::string mountPoint; // where it is mounted
    std::string fsType;
    bool operator==(const MountEntry&) const = default;
};

// The lines of a mount table text, in their order; malformed lines are skipped. The kernel writes a space,
// tab, newline or backslash inside a field as a backslash and three octal digits.
std::vector<MountEntry> ParseMountTable(std::string_view text);

// True for a mount that a user would see as a drive: a file system on a block device or a network file
// system (or a memory file system mounted at a removable place), not a pseudo file system and not below
// the system's own trees (/proc, /sys, /dev, /run ...).
bool IsUserDrive(const MountEntry& entry);

// Whether a mount point lies where removable media and hand-made mounts go (/media, /run/media, /mnt).
bool IsRemovablePlace(std::string_view mountPoint);

// The drives of a mount table: "/" always, then every user drive in table order, each mount point once.
std::vector<MountEntry> UserDrives(const std::vector<MountEntry>& table);

// For a network file system, the server named by its source ("host:/path", "user@host:/path",
// "//host/share"); nullopt for anything else.
std::optional<std::string> NetworkServer(const MountEntry& entry);
// The remote part a share is known by: the share of "//host/share", the last part of "host:/a/b".
std::string ShareName(const MountEntry& entry);

// The mount points of before that are gone in after, and those of after that are new.
struct DriveChanges {
    std::vector<std::string> inserted;
    std::vector<std::string> removed;
};
DriveChanges CompareDrives(const std::vector<MountEntry>& before, const std::vector<MountEntry>& after);

// Reads /proc/self/mounts; empty when it cannot be read.
std::vector<MountEntry> ReadMountTable();

} // namespace platform
