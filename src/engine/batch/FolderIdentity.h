#pragma once

#include <cstdint>

namespace engine {

// Which folder an open folder is (device and inode): a folder put at the same path later is another one.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderIdentity&) const = default;
};

} // namespace engine
