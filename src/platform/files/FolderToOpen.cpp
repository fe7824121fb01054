#include "FolderToOpen.h"

#include <filesystem>

std::string FolderToOpen(const std::string& given, const std::string& currentFolder) {
    namespace fs = std::filesystem;
    if (given.empty())
        return {};
    fs::path path(given);
    if (path.is_relative())
        path = fs::path(currentFolder) / path;
    path = path.lexically_normal();
    // "a/b/" normalises to "a/b/" with an empty last part; the tree wants no trailing separator.
    if (!path.has_filename() && path.has_parent_path() && path != path.root_path())
        path = path.parent_path();

    std::error_code error;
    if (fs::is_directory(path, error))
        return path.string();
    // A file, a broken link, a device: open the folder it lies in.
    if (fs::exists(fs::symlink_status(path, error)))
        return path.parent_path().string();
    return path.string();
}
