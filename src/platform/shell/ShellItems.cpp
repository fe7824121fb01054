#include "ShellItems.h"

#include <stdexcept>

namespace platform {

namespace {

bool IsFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

// A mount point as the kernel reports it: absolute, no empty, "." or ".." components, no NUL.
bool IsCleanAbsolutePath(std::string_view path) {
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos)
        return false;
    if (path == "/")
        return true;
    std::string_view rest = path.substr(1);
    while (true) {
        const auto slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        if (part.empty() || part == "." || part == "..")
            return false;
        if (slash == std::string_view::npos)
            return true;
        rest.remove_prefix(slash + 1);
    }
}

bool HoldsFolders(ItemKind kind) {
    return kind == ItemKind::Desktop || kind == ItemKind::Folder || kind == ItemKind::Drive ||
           kind == ItemKind::Share;
}

} // namespace

IdList MakeItem(ItemKind kind, std::string_view data) {
    std::string payload(1, static_cast<char>(kind));
    payload.append(data);
    return IdList::FromItem(payload);
}

ShellLocation DesktopLocation(const std::string& desktopPath) {
    return ShellLocation{ItemKind::Desktop, desktopPath, desktopPath, IdList()};
}

std::optional<ShellLocation> ChildLocation(const ShellLocation& parent, std::string_view payload) {
    if (payload.empty())
        return std::nullopt;
    const auto kind = static_cast<ItemKind>(payload.front());
    const std::string_view data = payload.substr(1);
    ShellLocation child{kind, std::string(data), std::nullopt, {}};
    switch (kind) {
    case ItemKind::Folder:
        if (!HoldsFolders(parent.kind) || !parent.path || !IsFolderName(data))
            return std::nullopt;
        child.path = JoinPath(*parent.path, data);
        break;
    case ItemKind::Computer:
    case ItemKind::Trash:
    case ItemKind::Network:
        if (parent.kind != ItemKind::Desktop || !data.empty())
            return std::nullopt;
        break;
    case ItemKind::Drive:
        if (parent.kind != ItemKind::Computer || !IsCleanAbsolutePath(data))
            return std::nullopt;
        child.path = child.data;
        break;
    case ItemKind::Server:
        if (parent.kind != ItemKind::Network || !IsFolderName(data))
            return std::nullopt;
        break;
    case ItemKind::Share:
        if (parent.kind != ItemKind::Server || !IsCleanAbsolutePath(data))
            return std::nullopt;
        child.path = child.data;
        break;
    default:
        return std::nullopt;
    }
    try {
        child.absolute = parent.absolute + IdList::FromItem(payload);
    } catch (const std::exception&) {
        return std::nullopt; // past the 16-bit size of a list
    }
    return child;
}

std::optional<ShellLocation> ResolveLocation(const ShellLocation& from, const IdList& relative) {
    ShellLocation current = from;
    for (std::string_view payload : relative.Payloads()) {
        auto child = ChildLocation(current, payload);
        if (!child)
            return std::nullopt;
        current = std::move(*child);
    }
    return current;
}

std::string JoinPath(std::string_view parent, std::string_view name) {
    std::string path(parent);
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    path.append(name);
    return path;
}

std::string LastComponent(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    if (path == "/" || slash == std::string_view::npos)
        return std::string(path);
    return std::string(path.substr(slash + 1));
}

std::string ParentPath(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    return slash == 0 ? std::string("/") : std::string(path.substr(0, slash));
}

} // namespace platform
