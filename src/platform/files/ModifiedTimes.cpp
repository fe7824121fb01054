#include "ModifiedTimes.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::vector<engine::recipes::FileFacts> ReadModifiedTimes(const std::string& folder,
                                                          const std::vector<std::string>& names) {
    std::vector<engine::recipes::FileFacts> facts(names.size());
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return facts;
    for (std::size_t i = 0; i < names.size(); ++i) {
        struct stat info {};
        std::tm local{};
        // A link's own time: the file listed is the link, not what it points at.
        if (::fstatat(dir, names[i].c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !::localtime_r(&info.st_mtim.tv_sec, &local))
            continue;
        facts[i].modified = engine::recipes::WallTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                                      local.tm_hour,        local.tm_min,     local.tm_sec};
    }
    ::close(dir);
    return facts;
}

} // namespace platform
