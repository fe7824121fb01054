#include "platform/metadata/CachedFactsReader.h"

#include <functional>
#include <sys/stat.h>

namespace platform::metadata {

std::size_t CachedFactsReader::KeyHash::operator()(const FileKey& key) const {
    std::size_t hash = std::hash<unsigned long long>{}(key.inode);
    for (unsigned long long part :
         {static_cast<unsigned long long>(key.device), static_cast<unsigned long long>(key.size),
          static_cast<unsigned long long>(key.modifiedNs)})
        hash ^= std::hash<unsigned long long>{}(part) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    return hash;
}

FileFacts CachedFactsReader::Read(const std::string& path, FactSet wanted) {
    if (wanted.none())
        return {};
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return files_.Read(path, wanted); // gone or unreachable: nothing to remember it by
    const FileKey key{status.st_dev, status.st_ino, status.st_size,
                      status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
    FactSet unknown = wanted;
    {
        std::lock_guard lock(mutex_);
        auto found = known_.find(key);
        if (found != known_.end()) {
            unknown &= ~found->second.read;
            if (unknown.none())
                return found->second.facts;
        }
    }
    // Read outside the lock: other threads go on with other files meanwhile.
    const FileFacts fresh = files_.Read(path, unknown);
    std::lock_guard lock(mutex_);
    Known& known = known_[key];
    CopyFacts(fresh, unknown, known.facts);
    known.read |= unknown;
    return known.facts;
}

std::size_t CachedFactsReader::Size() const {
    std::lock_guard lock(mutex_);
    return known_.size();
}

} // namespace platform::metadata
