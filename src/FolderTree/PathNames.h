#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Path rules of the tree. '/' separates the components of a file-system path; a network path starts with
// two backslashes and separates its components with backslashes, as the network neighbourhood names them.

// Starts with two backslashes.
bool IsNetworkPath(std::string_view path);

// The form a path is looked up in: repeated separators merged and a trailing one dropped ("/" stays).
// nullopt for a path the tree cannot place: empty or relative.
std::optional<std::string> NormalizeFolderPath(std::string_view path);

// True when path is base or lies below it ("/" holds every absolute path).
bool IsPathWithin(std::string_view path, std::string_view base);

// The components of path after base (path must lie within base), first to last.
std::vector<std::string> ComponentsBelow(std::string_view path, std::string_view base, char separator);

// base and one more component.
std::string JoinPath(std::string_view base, std::string_view component, char separator);

// The folder that holds path: "/a/b" -> "/a", "/a" -> "/", "/" -> "".
std::string ParentPath(std::string_view path);
