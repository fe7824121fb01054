#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform {

// One inotify event as read from the kernel.
struct WatchEvent {
    int wd = -1;
    std::uint32_t mask = 0;
    std::uint32_t cookie = 0;
    std::string name;
};

// A change of the namespace in paths: an SHCNE_ event, the folder's path and, for a rename, its new path.
// SHCNE_UPDATEDIR carries no path: changes were lost and the whole namespace is to be refreshed.
struct FolderChange {
    std::uint32_t event = 0;
    std::string path;
    std::string newPath;
    bool operator==(const FolderChange&) const = default;
};

// Splits a buffer read from an inotify descriptor into its events; a cut-off event at the end is dropped.
std::vector<WatchEvent> ParseWatchEvents(const char* data, std::size_t size);

// Turns one read's worth of events into folder changes. watched maps each watch descriptor to the folder
// paths it watches (one folder may be listed under two paths). Only folders matter: a folder created or
// moved in becomes SHCNE_MKDIR, removed or moved out SHCNE_RMDIR, and a move whose both ends are in the
// batch (same cookie) SHCNE_RENAMEFOLDER. A watched folder that goes itself while its parent is not
// watched becomes SHCNE_RMDIR of its own path. A queue overflow gives one SHCNE_UPDATEDIR.
std::vector<FolderChange> TranslateWatchEvents(const std::vector<WatchEvent>& events,
                                               const std::map<int, std::vector<std::string>>& watched);

} // namespace platform
