#pragma once

#include "engine/recipes/FileFacts.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace platform::metadata {

// A date as a camera writes it into EXIF ("2024:07:14 09:03:27") or as XMP writes it
// ("2024-07-14T09:03:27+02:00", "2024-07-14"): the wall-clock time as written, any time zone
// ignored. A date without a day, a blank date ("0000:00:00 00:00:00") or an impossible one is no date.
std::optional<engine::recipes::WallTime> ParseMetadataDate(std::string_view text);

// A time stamp of the file system as the local wall-clock time.
std::optional<engine::recipes::WallTime> LocalWallTime(std::time_t seconds);

// Tag text as a name may use it: without the spaces and NUL bytes that tag writers pad with; empty
// text is no value.
std::optional<std::string> TagText(std::string_view text);

// The number at the start of a tag's text ("3/12" is track 3, "1965-05-01" is year 1965); none when
// the text does not start with a digit or the number is zero.
std::optional<long long> LeadingNumber(std::string_view text);

} // namespace platform::metadata
