#include "PathNames.h"

bool IsNetworkPath(std::string_view path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

std::optional<std::string> NormalizeFolderPath(std::string_view path) {
    if (IsNetworkPath(path)) {
        std::string result(path);
        while (result.size() > 2 && result.back() == '\\')
            result.pop_back();
        return result;
    }
    if (path.empty() || path.front() != '/')
        return std::nullopt;
    // "." and ".." are resolved by the text alone, as a path typed or remembered elsewhere may hold them.
    const std::vector<std::string> given = ComponentsBelow(path, "/", '/');
    std::vector<std::string_view> components;
    for (std::string_view component : given) {
        if (component == ".")
            continue;
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
            continue;
        }
        components.push_back(component);
    }
    std::string result;
    result.reserve(path.size());
    for (std::string_view component : components)
        result.append("/").append(component);
    return result.empty() ? std::string("/") : result;
}

bool IsPathWithin(std::string_view path, std::string_view base) {
    if (base.empty() || path.size() < base.size() || path.substr(0, base.size()) != base)
        return false;
    // A backslash is an ordinary character of a Linux name; it separates only the parts of a network path.
    const char separator = IsNetworkPath(base) ? '\\' : '/';
    if (path.size() == base.size() || base.back() == separator)
        return true;
    return path[base.size()] == separator;
}

std::vector<std::string> ComponentsBelow(std::string_view path, std::string_view base, char separator) {
    std::vector<std::string> components;
    std::string_view rest = path.substr(std::min(base.size(), path.size()));
    while (!rest.empty()) {
        const std::size_t next = rest.find(separator);
        const std::string_view component = rest.substr(0, next);
        if (!component.empty())
            components.emplace_back(component);
        if (next == std::string_view::npos)
            break;
        rest.remove_prefix(next + 1);
    }
    return components;
}

std::string JoinPath(std::string_view base, std::string_view component, char separator) {
    std::string result(base);
    if (result.empty() || result.back() != separator)
        result.push_back(separator);
    result.append(component);
    return result;
}

std::string ParentPath(std::string_view path) {
    const std::size_t last = path.rfind('/');
    if (last == std::string_view::npos || path == "/")
        return {};
    if (last == 0)
        return "/";
    return std::string(path.substr(0, last));
}
