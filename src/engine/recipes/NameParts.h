#pragma once

// Where a name's extension begins. Internal to the recipe engine.

#include <cstddef>
#include <string_view>

namespace engine::recipes {

// The byte offset of the dot before the extension: the last dot, when it is neither the first nor the last
// character (".bashrc", "notes." and "README" have none). npos when the name has no extension.
inline std::size_t ExtensionDot(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) {
        return std::string_view::npos;
    }
    return dot;
}

// The name without its extension, and the extension without its dot (empty when there is none).
inline std::string_view Stem(std::string_view name) {
    const std::size_t dot = ExtensionDot(name);
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

inline std::string_view Extension(std::string_view name) {
    const std::size_t dot = ExtensionDot(name);
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

} // namespace engine::recipes
