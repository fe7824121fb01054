#pragma once

#include "engine/recipes/FileFacts.h"

#include <string>

namespace platform::metadata {

using engine::recipes::Fact;
using engine::recipes::FactSet;
using engine::recipes::FileFacts;
using engine::recipes::WallTime;

// Reads the values a recipe asks for from inside one file. A file that cannot be read, or does not hold
// a value, gives that value empty; nothing is thrown. Read is called from several worker threads at once.
class FileFactsReader {
public:
    virtual ~FileFactsReader() = default;
    virtual FileFacts Read(const std::string& path, FactSet wanted) = 0;
};

// Which group of facts a set asks for: each group costs a different read of the file.
FactSet ImageFactSet();
FactSet AudioFactSet();
// Copies the values of `which` from one file's values into another's.
void CopyFacts(const FileFacts& from, FactSet which, FileFacts& to);
inline bool Wants(FactSet wanted, Fact fact) {
    return wanted.test(static_cast<std::size_t>(fact));
}

} // namespace platform::metadata
