// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which row of the zone list stands for a clock offset. Shared by the zone suggestion (from the tz
// database) and the births files (from the file's own zone); offsets as text are in reading/utc_offset.h.

#include <optional>
#include <string_view>

namespace quorvane {

// The first row with this offset, preferring the given abbreviation, then the row named for the place's
// country or tz zone (either may be empty), then rows of the wanted kind (daylight or standard); nothing
// when no row has the offset.
std::optional<int> RowWithOffset(int secondsEast, std::string_view preferredAbbreviation, bool daylightKind,
                                 std::string_view zoneId, std::string_view countryCode = {});

}  // namespace quorvane
