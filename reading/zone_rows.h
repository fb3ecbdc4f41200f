#pragma once
// Which row of the zone list stands for a clock offset, and how an offset is written for people.
// Shared by the zone suggestion (from the tz database) and the births files (from the file's own zone).

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The first row with this offset, preferring the given abbreviation, then the row named for the place's
// country or tz zone (either may be empty), then rows of the wanted kind (daylight or standard); nothing
// when no row has the offset.
std::optional<int> RowWithOffset(int secondsEast, std::string_view preferredAbbreviation, bool daylightKind,
                                 std::string_view zoneId, std::string_view countryCode = {});

// "UTC+5:30" for 19800 seconds, "UTC-0:25:21" for -1521, "UTC+1" for 3600.
std::string UtcOffsetText(int secondsEast);

}  // namespace quorvane
