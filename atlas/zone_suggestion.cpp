// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_suggestion.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "l10n/sentences.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "reading/zone_rows.h"
#include "zones/posix_tz.h"
#include "zones/zone_database.h"

namespace quorvane {
namespace {

std::string_view RowAbbreviation(int row) {
    return TimeZoneTable()[static_cast<std::size_t>(row)].Abbreviation;
}

// The abbreviation the place used for standard time around this instant: taken from the change back
// to standard time, or from the period before daylight time began.
std::string StandardAbbreviation(const zones::Zone& zone, std::int64_t instant, int standardOffset) {
    const auto usable = [&](const std::optional<zones::ClockState>& c) {
        return c && !c->Daylight() && c->Offset == standardOffset;
    };
    if (const auto next = zone.NextChange(instant); usable(next)) return std::string(next->Abbreviation);
    if (const auto began = zone.PreviousChange(instant)) {
        if (const auto before = zone.PreviousChange(began->Since); usable(before))
            return std::string(before->Abbreviation);
    }
    return {};
}

// "83°59′E", as the form would take the longitude.
std::string LongitudeText(double longitudeEast) {
    const long arcMinutes = std::lround(longitudeEast * 60.0);
    const long magnitude = std::labs(arcMinutes);
    char text[32];
    std::snprintf(text, sizeof text, "%ld\xC2\xB0%02ld\xE2\x80\xB2%c", magnitude / 60, magnitude % 60,
                  arcMinutes < 0 ? 'W' : 'E');
    return text;
}

enum class ClockReading { Single, Repeated, Skipped };

// A local clock time may name no instant (clocks went forward) or two (clocks went back). Each offset
// in force a day either side is tried; the earlier of two instants is taken, and a skipped time is read
// with the offset from before the change.
int OffsetForClock(const zones::Zone& zone, std::int64_t clockAsUtc, ClockReading& reading, std::vector<int>& fitting) {
    const int before = zone.At(clockAsUtc - 86400).Offset;
    const int after = zone.At(clockAsUtc + 86400).Offset;
    fitting.clear();
    for (int offset : {before, after})
        if (zone.At(clockAsUtc - offset).Offset == offset && (fitting.empty() || fitting.front() != offset))
            fitting.push_back(offset);
    if (fitting.empty()) {
        reading = ClockReading::Skipped;
        return before;
    }
    reading = fitting.size() > 1 ? ClockReading::Repeated : ClockReading::Single;
    // The earlier instant has the larger offset.
    if (fitting.size() > 1 && fitting.front() < fitting.back()) std::swap(fitting.front(), fitting.back());
    return fitting.front();
}

bool IsCivilDateTime(const CivilDateTime& t) {
    if (t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Hour < 0 || t.Hour > 23 || t.Minute < 0 ||
        t.Minute > 59)
        return false;
    return std::chrono::year_month_day{std::chrono::year{t.Year}, std::chrono::month{static_cast<unsigned>(t.Month)},
                                       std::chrono::day{static_cast<unsigned>(t.Day)}}
        .ok();
}

}  // namespace

int SuggestedSecondsEast(const ZoneSuggestion& s) {
    if (s.ExactOffset) return -s.ExactOffset->TotalSecondsWest();
    return s.Row >= 0 ? RowOffsetSeconds(s.Row) + (s.DaylightSaving ? 3600 : 0) : s.OffsetSeconds;
}

ZoneSuggestion SuggestZone(std::string_view zoneId, const CivilDateTime& localClock, std::string_view placeName,
                           std::optional<double> longitudeEast, ClockFold fold) {
    return SuggestZone(zones::ZoneDatabase::System(), zoneId, localClock, placeName, longitudeEast, fold);
}

ZoneSuggestion SuggestZone(const zones::ZoneDatabase& database, std::string_view zoneId,
                           const CivilDateTime& localClock, std::string_view placeName,
                           std::optional<double> longitudeEast, ClockFold fold) {
    using namespace l10n;
    ZoneSuggestion s;
    const Sentence when = Say(suggest::When, {Date("date", localClock.Year, localClock.Month, localClock.Day),
                                              Plain("time", MinuteText(localClock.Hour * 60 + localClock.Minute))});
    const auto said = [&](const TextKey& key, std::vector<Sentence::Value> values) {
        values.push_back(Plain("place", std::string(placeName)));
        values.push_back(Nested("when", when));
        return Say(key, std::move(values));
    };

    const zones::ZoneDatabase::Found found = database.Find(zoneId);
    if (!found.Zone || !IsCivilDateTime(localClock)) {
        // A damaged file is named as such, not taken for a zone the system lacks.
        s.Description =
            found.Zone || found.Damage.empty()
                ? said(suggest::NoData, {Plain("zone", std::string(zoneId))})
                : said(suggest::Damaged, {Plain("zone", std::string(zoneId)), Plain("damage", found.Damage)});
        s.Clock = s.Description;
        return s;
    }
    const zones::Zone& zone = *found.Zone;
    s.Known = true;

    const std::int64_t clockAsUtc = zones::DaysFromCivil(localClock.Year, localClock.Month, localClock.Day) * 86400 +
                                    localClock.Hour * 3600 + localClock.Minute * 60;
    ClockReading reading = ClockReading::Single;
    std::vector<int> fitting;
    int offset = OffsetForClock(zone, clockAsUtc, reading, fitting);
    if (reading == ClockReading::Repeated) {
        s.FirstPassSeconds = fitting.front();
        s.SecondPassSeconds = fitting.back();
        s.Fold = fold == ClockFold::Second ? ClockFold::Second : ClockFold::First;
        if (s.Fold == ClockFold::Second) offset = fitting.back();
    } else if (reading == ClockReading::Skipped) {
        // The change itself: the clock went from its time under the old offset to that under the new.
        if (const std::optional<zones::ClockState> change = zone.NextChange(clockAsUtc - offset - 86400)) {
            const std::int64_t atSeconds = change->Since - clockAsUtc;  // from the clock time taken as UTC
            const std::int64_t minuteOfDay = localClock.Hour * 60 + localClock.Minute;
            s.SkippedFromMinute = static_cast<int>(minuteOfDay + (atSeconds + offset) / 60);
            s.SkippedToMinute = static_cast<int>(minuteOfDay + (atSeconds + change->Offset) / 60);
        }
    }
    const zones::ClockState data = zone.At(clockAsUtc - offset);
    s.OffsetSeconds = data.Offset;
    s.DaylightTime = data.Daylight();
    s.Abbreviation = std::string(data.Abbreviation);
    s.OffsetText = UtcOffsetText(s.OffsetSeconds);

    // Before its first standard time a place kept the Sun's time of its own meridian, not that of the
    // database's reference city.
    if (data.Abbreviation == "LMT" && longitudeEast) {
        s.LocalMeanTime = true;
        s.DaylightTime = false;
        s.ExactOffset = LocalMeanTimeOffset(*longitudeEast);
        s.OffsetSeconds = -s.ExactOffset->TotalSecondsWest();
        s.OffsetText = UtcOffsetText(s.OffsetSeconds);
        s.Description = said(suggest::LocalMeanTime,
                             {Plain("offset", s.OffsetText), Plain("longitude", LongitudeText(*longitudeEast))});
        s.Clock = s.Description;
        return s;
    }

    std::optional<int> row;
    for (int r = 0; r < kTimeZoneCount && !row; ++r)
        if (RowOffsetSeconds(r) == s.OffsetSeconds && RowAbbreviation(r) == s.Abbreviation) row = r;
    if (!row && s.DaylightTime && s.OffsetSeconds - data.StandardOffset == 3600) {
        row = RowWithOffset(data.StandardOffset, StandardAbbreviation(zone, clockAsUtc - offset, data.StandardOffset),
                            false, zoneId);
        s.DaylightSaving = row.has_value();
    }
    if (!row) row = RowWithOffset(s.OffsetSeconds, {}, s.DaylightTime, zoneId);
    s.Exact = row.has_value();
    s.Row = row.value_or(-1);
    if (!row) s.ExactOffset = ZoneOffset::FromSecondsWest(-s.OffsetSeconds);
    s.Repeated = reading == ClockReading::Repeated;
    s.Skipped = reading == ClockReading::Skipped;

    s.Clock = said(s.DaylightTime ? suggest::Daylight : suggest::Standard, {Plain("offset", s.OffsetText)});
    const auto adding = [&s](const TextKey& key) { s.Clock = Say(key, {Nested("clock", std::move(s.Clock))}); };
    if (data.Abbreviation == "LMT") adding(suggest::DatabaseMeanTime);
    if (reading == ClockReading::Repeated)
        adding(s.Fold == ClockFold::Second ? suggest::RepeatedSecond : suggest::RepeatedFirst);
    else if (reading == ClockReading::Skipped)
        adding(suggest::Skipped);
    s.Description = s.Exact ? s.Clock : Say(suggest::NotExact, {Nested("clock", s.Clock)});
    return s;
}

// A day's clock and the clock times that came twice or never.

l10n::Sentence ClockChangeText(const ZoneSuggestion& s, const CivilDateTime& localClock, std::string_view placeName) {
    using namespace l10n;
    const Sentence::Value date = Date("date", localClock.Year, localClock.Month, localClock.Day);
    const Sentence::Value clock = Plain("time", MinuteText(localClock.Hour * 60 + localClock.Minute));
    if (s.Repeated)
        return Say(suggest::CameTwice, {clock, date, Plain("place", std::string(placeName)),
                                        Plain("first", UtcOffsetText(s.FirstPassSeconds)),
                                        Plain("second", UtcOffsetText(s.SecondPassSeconds))});
    if (s.Skipped) {
        const auto wrap = [](int minute) {
            return MinuteText(((minute % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
        };
        return Say(suggest::NeverCame,
                   {clock, date, Plain("from", wrap(s.SkippedFromMinute)), Plain("to", wrap(s.SkippedToMinute))});
    }
    return {};
}

l10n::Sentence ClockDisagreement(const ZoneSuggestion& s, int usedSecondsEast, bool asChosen) {
    using namespace l10n;
    const int clock = SuggestedSecondsEast(s);
    if (!s.Known || clock == usedSecondsEast) return {};
    return Say(asChosen ? suggest::ClockAsChosen : suggest::ClockAsGiven,
               {Plain("clock", FormatUtcOffset(clock)), Nested("note", s.Clock),
                Plain("used", FormatUtcOffset(usedSecondsEast))});
}

std::vector<ClockPeriod> ClockPeriodsOfDay(std::string_view zoneId, int year, int month, int day,
                                           std::optional<double> longitudeEast) {
    const zones::ZoneDatabase::Found found = zones::ZoneDatabase::System().Find(zoneId);
    if (!found.Zone || !IsCivilDateTime(CivilDateTime{year, month, day, 0, 0})) return {};
    const zones::Zone& zone = *found.Zone;
    const std::int64_t midnight = zones::DaysFromCivil(year, month, day) * 86400;
    // Far enough either side that every clock offset's local day is covered.
    constexpr std::int64_t kMargin = 16 * 3600;
    const std::int64_t from = midnight - kMargin, to = midnight + 86400 + kMargin;
    const auto offsetOf = [&](const zones::ClockState& d) {
        if (d.Abbreviation == "LMT" && longitudeEast) return -LocalMeanTimeOffset(*longitudeEast).TotalSecondsWest();
        return d.Offset;
    };
    std::vector<ClockPeriod> periods{{-kMargin, offsetOf(zone.At(from))}};
    for (std::optional<zones::ClockState> change = zone.NextChange(from); change && change->Since <= to;
         change = zone.NextChange(change->Since))
        periods.push_back({change->Since - midnight, offsetOf(*change)});
    return periods;
}

}  // namespace quorvane
