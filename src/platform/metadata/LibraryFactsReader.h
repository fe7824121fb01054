#pragma once

#include "platform/metadata/FileFactsReader.h"

namespace platform::metadata {

// The real reader: image metadata with Exiv2, audio tags with TagLib, the modification time from the
// file system. Each library is asked only when a wanted fact is one it gives; a set without facts reads
// nothing. Safe to call from several threads at once.
class LibraryFactsReader : public FileFactsReader {
public:
    LibraryFactsReader();
    FileFacts Read(const std::string& path, FactSet wanted) override;
};

} // namespace platform::metadata
