#include "MountTable.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>

namespace platform {

namespace {

std::string Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](std::size_t at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                            (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

// The part of rest before the first separator; rest keeps what follows that separator.
std::string_view CutAt(std::string_view& rest, char separator) {
    const std::size_t at = std::min(rest.find(separator), rest.size());
    const std::string_view part = rest.substr(0, at);
    rest.remove_prefix(std::min(at + 1, rest.size()));
    return part;
}

constexpr std::array kNetworkTypes = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs"};

// File systems that never hold a user's files, whatever their source says.
constexpr std::array kPseudoTypes = {
    "proc",     "sysfs",   "devpts",   "mqueue",    "tmpfs",           "devtmpfs",    "overlay",
    "squashfs", "bpf",     "tracefs",  "debugfs",   "securityfs",      "pstore",      "efivarfs",
    "autofs",   "fusectl", "configfs", "hugetlbfs", "binfmt_misc",     "ramfs",       "rpc_pipefs",
    "nsfs",     "cgroup",  "cgroup2",  "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal", "nfsd",
};

// Types that hold user files although their source names no device.
constexpr std::array kSourcelessDiskTypes = {"zfs", "fuseblk", "btrfs"};

template <typename List> bool Contains(const List& list, std::string_view value) {
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

bool IsAtOrBelow(std::string_view path, std::string_view root) {
    return path == root ||
           (path.size() > root.size() && path.substr(0, root.size()) == root && path[root.size()] == '/');
}

// The colon between host and remote path of "host:/path", past a bracketed IPv6 address.
std::size_t RemoteSeparator(std::string_view source) {
    std::size_t from = 0;
    if (const auto at = source.find('@'); at != std::string_view::npos && at < source.find(':'))
        from = at + 1;
    if (from < source.size() && source[from] == '[') {
        const auto close = source.find(']', from);
        return close == std::string_view::npos ? std::string_view::npos : source.find(':', close);
    }
    return source.find(':', from);
}

} // namespace

bool IsRemovablePlace(std::string_view mountPoint) {
    for (std::string_view root : {"/media", "/run/media", "/mnt"})
        if (IsAtOrBelow(mountPoint, root))
            return true;
    return false;
}

namespace {

bool IsNetworkType(std::string_view type) {
    return Contains(kNetworkTypes, type);
}

} // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
    // The kernel separates the fields by one space and escapes only space, tab, newline and backslash
    // inside them; any other byte, a carriage return or form feed among them, is part of the field.
    std::vector<MountEntry> entries;
    while (!text.empty()) {
        std::string_view line = CutAt(text, '\n');
        std::array<std::string_view, 3> fields;
        bool complete = true;
        for (std::string_view& field : fields) {
            field = CutAt(line, ' ');
            complete = complete && !field.empty();
        }
        if (complete)
            entries.push_back({Unescape(fields[0]), Unescape(fields[1]), Unescape(fields[2])});
    }
    return entries;
}

bool IsUserDrive(const MountEntry& entry) {
    const std::string_view point = entry.mountPoint;
    if (point.empty() || point.front() != '/')
        return false;
    if (point == "/")
        return true;
    for (std::string_view hidden : {"/proc", "/sys", "/dev", "/snap", "/boot/efi"})
        if (IsAtOrBelow(point, hidden))
            return false;
    if (IsAtOrBelow(point, "/run") && !IsAtOrBelow(point, "/run/media"))
        return false;
    const std::string_view type = entry.fsType;
    if (IsNetworkType(type))
        return true;
    // A memory file system that someone mounted where media go is meant to be seen; elsewhere (/tmp) not.
    if (type == "tmpfs" && IsRemovablePlace(point))
        return true;
    if (Contains(kPseudoTypes, type) || type.starts_with("cgroup"))
        return false;
    return entry.source.starts_with("/dev/") || Contains(kSourcelessDiskTypes, type);
}

std::vector<MountEntry> UserDrives(const std::vector<MountEntry>& table) {
    // "/" stands first even when the table does not name it. A mount point mounted over again keeps its
    // place, and the last line, the one in effect, tells its source.
    std::vector<MountEntry> drives{MountEntry{"", "/", ""}};
    std::map<std::string, std::size_t> placeOf{{"/", 0}};
    for (const MountEntry& entry : table) {
        if (!IsUserDrive(entry))
            continue;
        const auto [place, added] = placeOf.emplace(entry.mountPoint, drives.size());
        if (added)
            drives.push_back(entry);
        else
            drives[place->second] = entry;
    }
    return drives;
}

std::optional<std::string> NetworkServer(const MountEntry& entry) {
    if (!IsNetworkType(entry.fsType))
        return std::nullopt;
    std::string_view source = entry.source;
    std::string_view server;
    if (source.starts_with("//")) {
        source.remove_prefix(2);
        server = source.substr(0, source.find('/'));
    } else {
        const auto colon = RemoteSeparator(source);
        if (colon == std::string_view::npos)
            return std::nullopt;
        server = source.substr(0, colon);
        if (const auto at = server.rfind('@'); at != std::string_view::npos)
            server.remove_prefix(at + 1);
        // An IPv6 address is written in brackets in these sources.
        if (server.size() > 2 && server.front() == '[' && server.back() == ']')
            server = server.substr(1, server.size() - 2);
    }
    if (server.empty())
        return std::nullopt;
    return std::string(server);
}

std::string ShareName(const MountEntry& entry) {
    std::string_view remote = entry.source;
    if (remote.starts_with("//")) {
        remote.remove_prefix(2);
        const auto slash = remote.find('/');
        remote = slash == std::string_view::npos ? std::string_view() : remote.substr(slash + 1);
    } else if (const auto colon = RemoteSeparator(remote); colon != std::string_view::npos) {
        remote.remove_prefix(colon + 1);
    }
    while (remote.size() > 1 && remote.back() == '/')
        remote.remove_suffix(1);
    if (const auto slash = remote.rfind('/'); slash != std::string_view::npos && remote.size() > 1)
        remote.remove_prefix(slash + 1);
    if (remote.empty() || remote == "/") {
        const std::string_view point = entry.mountPoint;
        const auto slash = point.rfind('/');
        return std::string(point.size() > 1 && slash != std::string_view::npos ? point.substr(slash + 1)
                                                                               : point);
    }
    return std::string(remote);
}

DriveChanges CompareDrives(const std::vector<MountEntry>& before, const std::vector<MountEntry>& after) {
    const auto has = [](const std::vector<MountEntry>& drives, const std::string& point) {
        return std::any_of(drives.begin(), drives.end(),
                           [&](const MountEntry& e) { return e.mountPoint == point; });
    };
    DriveChanges changes;
    for (const MountEntry& entry : after)
        if (!has(before, entry.mountPoint))
            changes.inserted.push_back(entry.mountPoint);
    for (const MountEntry& entry : before)
        if (!has(after, entry.mountPoint))
            changes.removed.push_back(entry.mountPoint);
    return changes;
}

std::vector<MountEntry> ReadMountTable() {
    std::ifstream file("/proc/self/mounts");
    if (!file)
        return {};
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return ParseMountTable(text);
}

} // namespace platform
