#pragma once

#include "engine/recipes/FileFacts.h"

#include <string>
#include <vector>

namespace platform {

// The facts of each named file of a folder that the file system itself holds: the local wall-clock time
// of its last change. A file that cannot be read (gone since the listing) gets no time.
std::vector<engine::recipes::FileFacts> ReadModifiedTimes(const std::string& folder,
                                                          const std::vector<std::string>& names);

} // namespace platform
