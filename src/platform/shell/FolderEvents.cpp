#include "FolderEvents.h"

#include "ShellItems.h"
#include "ShellNamespace.h"

#include <cstring>
#include <set>
#include <sys/inotify.h>
#include <unordered_map>

namespace platform {

std::vector<WatchEvent> ParseWatchEvents(const char* data, std::size_t size) {
    std::vector<WatchEvent> events;
    std::size_t at = 0;
    while (size - at >= sizeof(inotify_event)) {
        inotify_event header;
        std::memcpy(&header, data + at, sizeof header);
        const std::size_t whole = sizeof header + header.len;
        if (size - at < whole)
            break;
        const char* name = data + at + sizeof header;
        events.push_back(
            {header.wd, header.mask, header.cookie, std::string(name, strnlen(name, header.len))});
        at += whole;
    }
    return events;
}

std::vector<FolderChange> TranslateWatchEvents(const std::vector<WatchEvent>& events,
                                               const std::map<int, std::vector<std::string>>& watched) {
    std::vector<FolderChange> changes;
    std::set<std::string> watchedPaths;
    for (const auto& [wd, paths] : watched)
        watchedPaths.insert(paths.begin(), paths.end());
    const auto pathsOf = [&](int wd) -> const std::vector<std::string>* {
        const auto found = watched.find(wd);
        return found == watched.end() ? nullptr : &found->second;
    };

    std::set<std::size_t> pairedMoves; // MOVED_TO events already reported with their MOVED_FROM
    // The first MOVED_TO of each cookie, so that pairing a burst of moves stays linear.
    std::unordered_map<std::uint32_t, std::size_t> movedTo;
    for (std::size_t i = events.size(); i-- > 0;)
        if ((events[i].mask & IN_MOVED_TO) && events[i].cookie != 0)
            movedTo[events[i].cookie] = i;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const WatchEvent& event = events[i];
        if (event.mask & IN_Q_OVERFLOW) {
            // Changes were lost: everything is looked at afresh, which makes the changes before it moot.
            changes.assign(1, {SHCNE_UPDATEDIR, {}, {}});
            continue;
        }
        const auto* paths = pathsOf(event.wd);
        if (!paths)
            continue;
        if (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
            for (const std::string& path : *paths)
                if (!watchedPaths.count(ParentPath(path)))
                    changes.push_back({SHCNE_RMDIR, path, {}});
            continue;
        }
        if (!(event.mask & IN_ISDIR) || event.name.empty())
            continue;
        if (event.mask & IN_CREATE) {
            for (const std::string& path : *paths)
                changes.push_back({SHCNE_MKDIR, JoinPath(path, event.name), {}});
        } else if (event.mask & IN_DELETE) {
            for (const std::string& path : *paths)
                changes.push_back({SHCNE_RMDIR, JoinPath(path, event.name), {}});
        } else if (event.mask & IN_MOVED_FROM) {
            const auto pair = event.cookie != 0 ? movedTo.find(event.cookie) : movedTo.end();
            const std::size_t to = pair != movedTo.end() && pair->second > i ? pair->second : events.size();
            const auto* newPaths = to < events.size() ? pathsOf(events[to].wd) : nullptr;
            if (newPaths && !newPaths->empty()) {
                pairedMoves.insert(to);
                const std::string newPath = JoinPath(newPaths->front(), events[to].name);
                for (const std::string& path : *paths)
                    changes.push_back({SHCNE_RENAMEFOLDER, JoinPath(path, event.name), newPath});
            } else {
                for (const std::string& path : *paths)
                    changes.push_back({SHCNE_RMDIR, JoinPath(path, event.name), {}});
            }
        } else if ((event.mask & IN_MOVED_TO) && !pairedMoves.count(i)) {
            for (const std::string& path : *paths)
                changes.push_back({SHCNE_MKDIR, JoinPath(path, event.name), {}});
        }
    }
    return changes;
}

} // namespace platform
