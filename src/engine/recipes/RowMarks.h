#pragma once

// What the Rules preview and the command line mark on each row of a recipe's result.

#include "CompiledRecipe.h"
#include "ParallelJobs.h"

#include <string>
#include <vector>

namespace engine::recipes {

enum class RowMark {
    None,            // renamed, nothing to say
    Unchanged,       // the recipe leaves the name as it is: the row stays blank
    Missing,         // a file token has no value
    Refused,         // empty, holds '/', is "." or "..", holds a NUL byte, or longer than 255 bytes
    Duplicate,       // another row gets the same new name
    TakenByUnrenamed // the new name is the old name of a file that is not being renamed
};

// newNames[i] empty (or equal to oldNames[i]) = row i is not renamed.
std::vector<RowMark> MarkRows(const std::vector<std::string>& oldNames,
                              const std::vector<std::string>& newNames);

// The same from Apply's results, which also tells missing values and names a step made empty. The names
// of a large listing are hashed in parallel jobs.
std::vector<RowMark> MarkResults(const std::vector<std::string>& oldNames,
                                 const std::vector<NameResult>& results, const ParallelJobs& parallel = {});

// Short English words for a mark, used by the dialog and the command line ("" for None).
std::string MarkText(RowMark mark);

} // namespace engine::recipes
