// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which row of the zone list, and whether to tick "Daylight Saving Time", gives the right Universal
// Time for a place's clock on a given date, according to the tz database (the system's unless given).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/birth_data.h"
#include "common/civil_date_time.h"
#include "l10n/sentence.h"
#include "reading/time_window.h"  // ClockFold, ClockPeriod
#include "reading/utc_offset.h"   // UtcOffsetText

namespace quorvane::zones {
class ZoneDatabase;
}

namespace quorvane {

struct ZoneSuggestion {
    bool Known = false;           // the zone id has data on this system
    int Row = -1;                 // index into TimeZoneTable(), or -1 when no row has the offset
    bool DaylightSaving = false;  // tick the box
    bool Exact = false;           // a row and the box give the clock's offset to the second
    // When no row has it: the clock's offset to the second (daylight saving included, box clear).
    std::optional<ZoneOffset> ExactOffset;
    // The place kept local mean time then: the offset is the birthplace's own, from its longitude.
    bool LocalMeanTime = false;
    int OffsetSeconds = 0;      // the clock's offset from UTC, east positive
    bool DaylightTime = false;  // the place kept daylight saving (summer or war) time
    std::string Abbreviation;   // the database's own, e.g. "CEST", "EWT", "+0545"
    std::string OffsetText;     // "UTC+1", "UTC-4", "UTC+5:45", "UTC+5:21:10"
    // One line for the person entering the data (l10n::Render writes it in their language); Clock is the
    // same without what it adds when no row has the offset.
    l10n::Sentence Description, Clock;
    bool Repeated = false;  // the clock time came twice as clocks went back; the first is taken
    bool Skipped = false;   // no such clock time: clocks went forward past it
    // A repeated clock time: the offsets of its first and second passes (east positive), and which
    // the suggestion took. A skipped one: the clock times (minutes of the day) the clocks went from and to.
    int FirstPassSeconds = 0, SecondPassSeconds = 0;
    ClockFold Fold = ClockFold::None;
    int SkippedFromMinute = 0, SkippedToMinute = 0;
};

// The row whose abbreviation and offset both match, box clear; else, in daylight time one hour ahead,
// the row of the standard offset with the box ticked; else a row of the whole offset, box clear; else
// the exact offset, never a nearby row. Where the database says the place kept local mean time and the
// birthplace's longitude (east positive) is given, the offset is that longitude's local mean time rather
// than the database's for its reference city. `placeName` only enters the description.
// A clock time that came twice is taken in its first pass unless `fold` asks for the second.
ZoneSuggestion SuggestZone(std::string_view zoneId, const CivilDateTime& localClock, std::string_view placeName,
                           std::optional<double> longitudeEast = std::nullopt, ClockFold fold = ClockFold::First);
ZoneSuggestion SuggestZone(const zones::ZoneDatabase& database, std::string_view zoneId,
                           const CivilDateTime& localClock, std::string_view placeName,
                           std::optional<double> longitudeEast = std::nullopt, ClockFold fold = ClockFold::First);

// For a repeated or skipped clock time, the question the person entering it must answer: "02:30 came
// twice on 29 Sep 1985 in Madrid: first (UTC+2) or second (UTC+1)", "there was no 02:30 on 31 Mar 1985:
// clocks went from 02:00 to 03:00"; empty otherwise.
l10n::Sentence ClockChangeText(const ZoneSuggestion& s, const CivilDateTime& localClock, std::string_view placeName);

// When a reading uses another offset than the place's clock showed: "the clock there showed +05:45 (Kathmandu
// on 1 May 1990 10:00: UTC+5:45, standard time), but this reading uses +05:30 as chosen" (`asChosen`, the
// windows) or "... as given" (the command line); empty when they agree or the database does not know.
l10n::Sentence ClockDisagreement(const ZoneSuggestion& s, int usedSecondsEast, bool asChosen);

// The offsets the place's clock kept over its local date, for StretchesOfDay (a birth whose time is
// unknown); where the database has local mean time and the longitude is given, the birthplace's own.
// Empty when the database does not know the zone.
std::vector<ClockPeriod> ClockPeriodsOfDay(std::string_view zoneId, int year, int month, int day,
                                           std::optional<double> longitudeEast = std::nullopt);

// The offset a suggestion calls for, east positive, as a reading would take it (daylight saving included).
int SuggestedSecondsEast(const ZoneSuggestion& s);

}  // namespace quorvane
