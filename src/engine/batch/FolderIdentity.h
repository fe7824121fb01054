#pragma once

#include <cstdint>

namespace engine {

// Which folder an open folder is (device and inode): a folder put at the same path later is another one.
// A file system may give a new folder the inode number of one deleted before it (ext4 does), so the
// folder's birth time tells them apart where the file system keeps one.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    // Nanoseconds since 1970; 0 where the file system keeps no birth time.
    std::int64_t birth = 0;
    // Equal device and inode, and equal birth times where both sides know theirs.
    bool operator==(const FolderIdentity& other) const {
        return device == other.device && inode == other.inode &&
               (birth == 0 || other.birth == 0 || birth == other.birth);
    }
};

} // namespace engine
