#include "LinuxItemInfo.h"

#include "FolderProbe.h"
#include "ShellNamespace.h"

#include <QCoreApplication>
#include <filesystem>

namespace platform {

namespace {

const MountEntry* FindDrive(const std::vector<MountEntry>& drives, const std::string& mountPoint) {
    for (const MountEntry& drive : drives)
        if (drive.mountPoint == mountPoint)
            return &drive;
    return nullptr;
}

// A caption of the desktop's own places, in the program's language.
std::string Caption(const char* english) {
    return QCoreApplication::translate("LinuxShellNamespace", english).toStdString();
}

std::string DriveName(const LinuxShellState& state, const std::string& mountPoint) {
    const auto drives = state.Drives();
    if (const MountEntry* drive = FindDrive(drives, mountPoint))
        if (auto label = VolumeLabel(drive->source, state.LabelFolder()))
            return *label;
    return mountPoint == "/" ? Caption(QT_TRANSLATE_NOOP("LinuxShellNamespace", "File System"))
                             : LastComponent(mountPoint);
}

std::string ShareDisplayName(const LinuxShellState& state, const std::string& mountPoint) {
    const auto drives = state.Drives();
    if (const MountEntry* drive = FindDrive(drives, mountPoint))
        return ShareName(*drive);
    return LastComponent(mountPoint);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string ItemName(const LinuxShellState& state, const ShellLocation& location, std::uint32_t flags) {
    const bool parsing = flags & SHGDN_FORPARSING;
    switch (location.kind) {
    case ItemKind::Desktop:
        return parsing ? *location.path : LastComponent(*location.path);
    case ItemKind::Folder:
        // The in-folder parsing name of a folder is its own name; the full one is its path.
        return parsing && !(flags & SHGDN_INFOLDER) ? *location.path : location.data;
    case ItemKind::Computer:
        return parsing ? "computer:///" : Caption(QT_TRANSLATE_NOOP("LinuxShellNamespace", "Computer"));
    case ItemKind::Trash:
        return parsing ? "trash:///" : Caption(QT_TRANSLATE_NOOP("LinuxShellNamespace", "Trash"));
    case ItemKind::Network:
        return parsing ? "network:///" : Caption(QT_TRANSLATE_NOOP("LinuxShellNamespace", "Network"));
    case ItemKind::Drive:
        return parsing ? location.data : DriveName(state, location.data);
    case ItemKind::Server:
        return parsing ? "//" + location.data : location.data;
    case ItemKind::Share:
        return parsing ? location.data : ShareDisplayName(state, location.data);
    }
    return {};
}

std::uint32_t ItemAttributes(const ShellLocation& location, std::uint32_t mask) {
    std::uint32_t attributes = SFGAO_FOLDER;
    switch (location.kind) {
    case ItemKind::Desktop:
    case ItemKind::Folder:
        if (!IsFolder(*location.path))
            return 0;
        attributes |= SFGAO_FILESYSTEM;
        if ((mask & SFGAO_LINK) && IsSymbolicLink(*location.path))
            attributes |= SFGAO_LINK;
        if (mask & SFGAO_HASSUBFOLDER) {
            const std::optional<bool> known =
                (mask & SFGAO_ISSLOW) ? HasSubFolderQuickly(*location.path) : HasSubFolder(*location.path);
            if (!known)
                attributes |= SFGAO_ISSLOW;
            else if (*known)
                attributes |= SFGAO_HASSUBFOLDER;
        }
        break;
    case ItemKind::Drive:
    case ItemKind::Share:
        // A drive keeps its expand button whether or not a medium is in: listing it is the test.
        attributes |= SFGAO_FILESYSTEM | SFGAO_HASSUBFOLDER;
        break;
    case ItemKind::Computer:
    case ItemKind::Network:
    case ItemKind::Server:
        attributes |= SFGAO_HASSUBFOLDER;
        break;
    case ItemKind::Trash:
        break;
    }
    return attributes & mask;
}

int ItemIcon(const ShellLocation& location, bool open) {
    switch (location.kind) {
    case ItemKind::Desktop:
        return iconDesktop;
    case ItemKind::Computer:
        return iconComputer;
    case ItemKind::Trash:
        return iconTrash;
    case ItemKind::Network:
    case ItemKind::Server:
        return iconNetwork;
    case ItemKind::Drive:
        // A medium is mounted below /media, /run/media or /mnt, not on the folder itself.
        return IsRemovablePlace(ParentPath(location.data)) ? iconRemovableDrive : iconDrive;
    case ItemKind::Share:
        return iconNetworkFolder;
    case ItemKind::Folder:
        break;
    }
    return open ? iconFolderOpen : iconFolder;
}

std::string DecodeLabel(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && HexValue(name[i + 2]) >= 0 &&
            HexValue(name[i + 3]) >= 0) {
            out.push_back(static_cast<char>(HexValue(name[i + 2]) * 16 + HexValue(name[i + 3])));
            i += 3;
        } else {
            out.push_back(name[i]);
        }
    }
    return out;
}

std::optional<std::string> VolumeLabel(const std::string& source, const std::string& labelFolder) {
    if (!source.starts_with("/dev/"))
        return std::nullopt;
    std::error_code error;
    const auto device = std::filesystem::canonical(source, error);
    if (error)
        return std::nullopt;
    for (std::filesystem::directory_iterator it(labelFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (std::filesystem::canonical(it->path(), ignored) == device && !ignored)
            return DecodeLabel(it->path().filename().native());
    }
    return std::nullopt;
}

} // namespace platform
