#pragma once

#include <cstdint>

namespace engine {

// Which file or folder a name stands for: two names with the same identity are the same entry (hard links,
// two spellings of one name on a file system that ignores case, or a folder reached by two paths).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

} // namespace engine
