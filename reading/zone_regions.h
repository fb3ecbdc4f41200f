// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zone row a person born in a region would recognise, when several rows share the offset in force
// ("China Coast Time" rather than "Australian Western Standard Time" for Beijing).

#include <optional>
#include <string_view>

#include "reading/time_zones.h"

namespace quorvane {

// The row named for the region among the rows with `offsetSecondsEast` and of the wanted kind
// (standard when `daylight` is false, else a daylight or war row); nothing when the region has no row
// of its own at that offset. `countryCode` is the ISO 3166 two-letter code ("CN", "US"); `region` the
// state or province as the atlas names it ("Hawaii", "New South Wales"), possibly empty; `timeZoneId`
// the tz database's id ("Asia/Shanghai"), possibly empty.
std::optional<int> RegionalZoneRow(std::string_view countryCode, std::string_view region, std::string_view timeZoneId,
                                   int offsetSecondsEast, bool daylight);

}  // namespace quorvane
