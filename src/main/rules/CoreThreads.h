#pragma once

#include "engine/recipes/ParallelJobs.h"

namespace rules {

// Jobs at once on the machine's cores: each job beyond the first on a thread of its own, the first on the
// calling thread, which waits for the others. A job's exception reaches the caller once all have ended.
engine::recipes::ParallelJobs OnAllCores();

} // namespace rules
