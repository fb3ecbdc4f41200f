// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/zone_rows.h"

#include "reading/time_zones.h"
#include "reading/zone_regions.h"

namespace quorvane {

std::optional<int> RowWithOffset(int secondsEast, std::string_view preferredAbbreviation, bool daylightKind,
                                 std::string_view zoneId, std::string_view countryCode) {
    std::optional<int> byAbbreviation, byKind, any;
    int count = 0;
    const auto& table = TimeZoneTable();
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZoneRow& zone = table[static_cast<std::size_t>(row)];
        if (-(zone.Hours * 3600 + zone.Minutes * 60) != secondsEast) continue;  // RowOffsetSeconds, inline
        ++count;
        if (!byAbbreviation && !preferredAbbreviation.empty() && zone.Abbreviation == preferredAbbreviation)
            byAbbreviation = row;
        if (!byKind && (zone.Kind != ZoneKind::Standard) == daylightKind) byKind = row;
        if (!any) any = row;
    }
    if (byAbbreviation) return byAbbreviation;
    // With one row of this offset or none there is nothing for the region to choose between.
    if (count <= 1) return any;
    if (const auto regional = RegionalZoneRow(countryCode, {}, zoneId, secondsEast, daylightKind)) return regional;
    return byKind ? byKind : any;
}

}  // namespace quorvane
