#pragma once

// The counter value of every row: start + step * (the row's rank in the counter's order).

#include "FileFacts.h"
#include "ParallelJobs.h"
#include "Recipe.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine::recipes {

// facts[i] belongs to oldNames[i]; it may be empty unless the order is Modified or Taken (then a missing
// vector or a null entry counts as a file without that date). By date: oldest first, equal dates as
// listed, files without the date last in natural order. Natural: names that compare equal keep the order
// of their bytes, then the listed order. A value beyond the range of long long stops at its end. The
// natural order of a large listing is worked out in parallel jobs; the values do not depend on them.
std::vector<long long> CounterValues(const Counter& counter, const std::vector<std::string>& oldNames,
                                     const std::vector<const FileFacts*>& facts,
                                     const ParallelJobs& parallel = {});

// The counter value of the row at `rank` in the counter's order (0 the first): start + step * rank, stopping
// at the end of the range of long long rather than running past it.
long long CounterAt(const Counter& counter, long long rank);

// Natural order of two names: digit runs compare as numbers (a2 before a10), letters without regard to
// case; true when a sorts before b.
bool NaturalLess(std::string_view a, std::string_view b);

// The counter value as text, zero-padded to width digits (a minus sign precedes the digits).
std::string CounterText(long long value, int width);

// The same, appended to out.
void AppendCounterText(long long value, int width, std::string& out);

} // namespace engine::recipes
