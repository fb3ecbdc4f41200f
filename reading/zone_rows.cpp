#include "reading/zone_rows.h"

#include <cstdio>
#include <cstdlib>

#include "reading/time_zones.h"
#include "reading/zone_regions.h"

namespace quorvane {

std::optional<int> RowWithOffset(int secondsEast, std::string_view preferredAbbreviation, bool daylightKind,
                                 std::string_view zoneId, std::string_view countryCode) {
    std::optional<int> byAbbreviation, byKind, any;
    const auto& table = TimeZoneTable();
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZoneRow& zone = table[static_cast<std::size_t>(row)];
        if (-(zone.Hours * 3600 + zone.Minutes * 60) != secondsEast) continue;  // RowOffsetSeconds, inline
        if (!byAbbreviation && !preferredAbbreviation.empty() && zone.Abbreviation == preferredAbbreviation)
            byAbbreviation = row;
        if (!byKind && (zone.Kind != ZoneKind::Standard) == daylightKind) byKind = row;
        if (!any) any = row;
    }
    if (byAbbreviation) return byAbbreviation;
    if (const auto regional = RegionalZoneRow(countryCode, {}, zoneId, secondsEast, daylightKind)) return regional;
    return byKind ? byKind : any;
}

std::string UtcOffsetText(int secondsEast) {
    const int magnitude = std::abs(secondsEast);
    const int hours = magnitude / 3600, minutes = magnitude / 60 % 60, seconds = magnitude % 60;
    const char sign = secondsEast < 0 ? '-' : '+';
    char text[32];
    if (seconds != 0)
        std::snprintf(text, sizeof text, "UTC%c%d:%02d:%02d", sign, hours, minutes, seconds);
    else if (minutes != 0)
        std::snprintf(text, sizeof text, "UTC%c%d:%02d", sign, hours, minutes);
    else
        std::snprintf(text, sizeof text, "UTC%c%d", sign, hours);
    return text;
}

}  // namespace quorvane
