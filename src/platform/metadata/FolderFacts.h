#pragma once

#include "platform/metadata/FileFactsReader.h"

#include <string>
#include <vector>

namespace platform::metadata {

// The wanted values of every named file of a folder, read on the pool; waits for the last. Element i
// belongs to names[i]. Nothing is read when nothing is wanted.
std::vector<FileFacts> ReadFolderFacts(FileFactsReader& reader, const std::string& folder,
                                       const std::vector<std::string>& names, FactSet wanted);

} // namespace platform::metadata
