#pragma once
// Which row of the zone list, and whether to tick "Daylight Saving Time", gives the right Universal
// Time for a place's clock on a given date, according to the system's time-zone database.

#include <string>
#include <string_view>

#include "common/civil_date_time.h"
#include "reading/zone_rows.h"  // UtcOffsetText

namespace quorvane {

struct ZoneSuggestion {
    bool Known = false;          // the zone id has data on this system
    int Row = -1;                // index into TimeZoneTable(); the nearest row when not exact
    bool DaylightSaving = false; // tick the box
    bool Exact = false;          // row and box give the clock's offset to the second
    int OffsetSeconds = 0;       // the clock's offset from UTC, east positive
    bool DaylightTime = false;   // the place kept daylight saving (summer or war) time
    std::string Abbreviation;    // the database's own, e.g. "CEST", "EWT", "+0545"
    std::string OffsetText;      // "UTC+1", "UTC-4", "UTC+5:45", "UTC+5:21:10"
    std::string Description;     // one line for the person entering the data
    bool Repeated = false;       // the clock time came twice as clocks went back; the first is taken
    bool Skipped = false;        // no such clock time: clocks went forward past it
};

// The row whose abbreviation and offset both match, box clear; else, in daylight time one hour ahead,
// the row of the standard offset with the box ticked; else a row of the whole offset, box clear; else
// the nearest row, marked not exact. `placeName` only enters the description.
ZoneSuggestion SuggestZone(std::string_view zoneId, const CivilDateTime& localClock, std::string_view placeName);

}  // namespace quorvane
