#pragma once

#include "platform/metadata/FileFactsReader.h"

#include <cstddef>
#include <mutex>
#include <sys/types.h>
#include <unordered_map>

namespace platform::metadata {

// Reads each file once: remembers what another reader found, by the file's device, inode, size and
// modification time, so that a file changed or replaced since is read again. Keeps the few values per
// file, not the file's metadata. A later read that wants more facts reads only the ones not yet known.
// Safe to call from several threads at once.
class CachedFactsReader : public FileFactsReader {
public:
    explicit CachedFactsReader(FileFactsReader& files) : files_(files) {}
    FileFacts Read(const std::string& path, FactSet wanted) override;
    std::size_t Size() const;

private:
    struct FileKey {
        dev_t device;
        ino_t inode;
        off_t size;
        long long modifiedNs;
        friend bool operator==(const FileKey&, const FileKey&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const FileKey& key) const;
    };
    struct Known {
        FactSet read;
        FileFacts facts;
    };

    FileFactsReader& files_;
    mutable std::mutex mutex_;
    std::unordered_map<FileKey, Known, KeyHash> known_;
};

} // namespace platform::metadata
