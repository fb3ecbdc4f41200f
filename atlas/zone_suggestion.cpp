// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_suggestion.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "reading/zone_rows.h"

namespace quorvane {
namespace {

std::string_view RowAbbreviation(int row) { return TimeZoneTable()[static_cast<std::size_t>(row)].Abbreviation; }

// The abbreviation the place used for standard time around this instant: taken from the change back
// to standard time, or from the period before daylight time began.
std::string StandardAbbreviation(const QTimeZone& zone, const QDateTime& instant, int standardOffset) {
    const auto usable = [&](const QTimeZone::OffsetData& d) {
        return d.atUtc.isValid() && d.daylightTimeOffset == 0 && d.offsetFromUtc == standardOffset;
    };
    const QTimeZone::OffsetData next = zone.nextTransition(instant);
    if (usable(next)) return next.abbreviation.toStdString();
    const QTimeZone::OffsetData began = zone.previousTransition(instant);
    if (began.atUtc.isValid()) {
        const QTimeZone::OffsetData before = zone.previousTransition(began.atUtc);
        if (usable(before)) return before.abbreviation.toStdString();
    }
    return {};
}

const char* MonthAbbreviation(int month) {
    static constexpr std::array<const char*, 12> names = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? names[static_cast<std::size_t>(month - 1)] : "?";
}

// "83°59′E", as the form would take the longitude.
std::string LongitudeText(double longitudeEast) {
    const long arcMinutes = std::lround(longitudeEast * 60.0);
    const long magnitude = std::labs(arcMinutes);
    char text[32];
    std::snprintf(text, sizeof text, "%ld\xC2\xB0%02ld\xE2\x80\xB2%c", magnitude / 60, magnitude % 60, arcMinutes < 0 ? 'W' : 'E');
    return text;
}

enum class ClockReading { Single, Repeated, Skipped };

// A local clock time may name no instant (clocks went forward) or two (clocks went back). Each offset
// in force a day either side is tried; the earlier of two instants is taken, and a skipped time is read
// with the offset from before the change.
int OffsetForClock(const QTimeZone& zone, const QDateTime& clockAsUtc, ClockReading& reading, std::vector<int>& fitting) {
    const int before = zone.offsetFromUtc(clockAsUtc.addSecs(-86400));
    const int after = zone.offsetFromUtc(clockAsUtc.addSecs(86400));
    fitting.clear();
    for (int offset : {before, after})
        if (zone.offsetFromUtc(clockAsUtc.addSecs(-offset)) == offset &&
            (fitting.empty() || fitting.front() != offset))
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

}  // namespace

int SuggestedSecondsEast(const ZoneSuggestion& s) {
    if (s.ExactOffset) return -s.ExactOffset->TotalSecondsWest();
    return s.Row >= 0 ? RowOffsetSeconds(s.Row) + (s.DaylightSaving ? 3600 : 0) : s.OffsetSeconds;
}

ZoneSuggestion SuggestZone(std::string_view zoneId, const CivilDateTime& localClock, std::string_view placeName,
                           std::optional<double> longitudeEast, ClockFold fold) {
    ZoneSuggestion s;
    char when[48];
    std::snprintf(when, sizeof when, "%d %s %d %02d:%02d", localClock.Day, MonthAbbreviation(localClock.Month),
                  localClock.Year, localClock.Hour, localClock.Minute);
    const std::string lead = std::string(placeName) + " on " + when + ": ";

    const QTimeZone zone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
    const QDate date(localClock.Year, localClock.Month, localClock.Day);
    const QTime time(localClock.Hour, localClock.Minute);
    if (!zone.isValid() || !date.isValid() || !time.isValid()) {
        s.Description = lead + "no time-zone data for " + std::string(zoneId);
        return s;
    }
    s.Known = true;

    const QDateTime clockAsUtc(date, time, QTimeZone::utc());
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
        const QTimeZone::OffsetData change = zone.nextTransition(clockAsUtc.addSecs(-offset - 86400));
        if (change.atUtc.isValid()) {
            const qint64 atSeconds = clockAsUtc.secsTo(change.atUtc);  // from the clock time taken as UTC
            const qint64 minuteOfDay = localClock.Hour * 60 + localClock.Minute;
            s.SkippedFromMinute = static_cast<int>(minuteOfDay + (atSeconds + offset) / 60);
            s.SkippedToMinute = static_cast<int>(minuteOfDay + (atSeconds + change.offsetFromUtc) / 60);
        }
    }
    const QTimeZone::OffsetData data = zone.offsetData(clockAsUtc.addSecs(-offset));
    s.OffsetSeconds = data.offsetFromUtc;
    s.DaylightTime = data.daylightTimeOffset != 0;
    s.Abbreviation = data.abbreviation.toStdString();
    s.OffsetText = UtcOffsetText(s.OffsetSeconds);

    // Before its first standard time a place kept the Sun's time of its own meridian, not that of the
    // database's reference city.
    if (data.abbreviation == QStringLiteral("LMT") && longitudeEast) {
        s.LocalMeanTime = true;
        s.DaylightTime = false;
        s.ExactOffset = LocalMeanTimeOffset(*longitudeEast);
        s.OffsetSeconds = -s.ExactOffset->TotalSecondsWest();
        s.OffsetText = UtcOffsetText(s.OffsetSeconds);
        s.Description = lead + "local mean time of the birthplace, " + s.OffsetText + " (longitude " +
                        LongitudeText(*longitudeEast) + ")";
        return s;
    }

    std::optional<int> row;
    for (int r = 0; r < kTimeZoneCount && !row; ++r)
        if (RowOffsetSeconds(r) == s.OffsetSeconds && RowAbbreviation(r) == s.Abbreviation) row = r;
    if (!row && s.DaylightTime && s.OffsetSeconds - data.standardTimeOffset == 3600) {
        row = RowWithOffset(data.standardTimeOffset,
                            StandardAbbreviation(zone, clockAsUtc.addSecs(-offset), data.standardTimeOffset),
                            false, zoneId);
        s.DaylightSaving = row.has_value();
    }
    if (!row) row = RowWithOffset(s.OffsetSeconds, {}, s.DaylightTime, zoneId);
    s.Exact = row.has_value();
    s.Row = row.value_or(-1);
    if (!row) s.ExactOffset = ZoneOffset::FromSecondsWest(-s.OffsetSeconds);
    s.Repeated = reading == ClockReading::Repeated;
    s.Skipped = reading == ClockReading::Skipped;

    s.Description = lead + s.OffsetText + (s.DaylightTime ? ", daylight saving time" : ", standard time");
    if (data.abbreviation == QStringLiteral("LMT")) s.Description += " (local mean time)";
    if (reading == ClockReading::Repeated)
        s.Description += s.Fold == ClockFold::Second
                             ? " (this clock time came twice as clocks went back; the second is taken)"
                             : " (this clock time came twice as clocks went back; the first is taken)";
    else if (reading == ClockReading::Skipped)
        s.Description += " (no such clock time: clocks went forward past it)";
    if (!s.Exact) s.Description += "; no zone in the list has this offset, so it is used exactly";
    return s;
}

// A day's clock and the clock times that came twice or never.

std::string ClockChangeText(const ZoneSuggestion& s, const CivilDateTime& localClock, std::string_view placeName) {
    char date[32];
    std::snprintf(date, sizeof date, "%d %s %d", localClock.Day, MonthAbbreviation(localClock.Month), localClock.Year);
    const std::string clock = MinuteText(localClock.Hour * 60 + localClock.Minute);
    if (s.Repeated)
        return clock + " came twice on " + date + " in " + std::string(placeName) + ": first (" +
               UtcOffsetText(s.FirstPassSeconds) + ") or second (" + UtcOffsetText(s.SecondPassSeconds) + ")";
    if (s.Skipped) {
        const auto wrap = [](int minute) {
            return MinuteText(((minute % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay);
        };
        return "there was no " + clock + " on " + date + ": clocks went from " + wrap(s.SkippedFromMinute) + " to " +
               wrap(s.SkippedToMinute);
    }
    return {};
}

std::vector<ClockPeriod> ClockPeriodsOfDay(std::string_view zoneId, int year, int month, int day,
                                           std::optional<double> longitudeEast) {
    const QTimeZone zone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
    const QDate date(year, month, day);
    if (!zone.isValid() || !date.isValid()) return {};
    const QDateTime midnight(date, QTime(0, 0), QTimeZone::utc());
    // Far enough either side that every clock offset's local day is covered.
    constexpr qint64 kMargin = 16 * 3600;
    const QDateTime from = midnight.addSecs(-kMargin), to = midnight.addSecs(86400 + kMargin);
    const auto offsetOf = [&](const QTimeZone::OffsetData& d) {
        if (d.abbreviation == QStringLiteral("LMT") && longitudeEast)
            return -LocalMeanTimeOffset(*longitudeEast).TotalSecondsWest();
        return d.offsetFromUtc;
    };
    std::vector<ClockPeriod> periods{{-kMargin, offsetOf(zone.offsetData(from))}};
    for (const QTimeZone::OffsetData& change : zone.transitions(from, to))
        if (change.atUtc > from) periods.push_back({midnight.secsTo(change.atUtc), offsetOf(change)});
    return periods;
}

}  // namespace quorvane
