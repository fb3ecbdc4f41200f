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
int OffsetForClock(const QTimeZone& zone, const QDateTime& clockAsUtc, ClockReading& reading) {
    const int before = zone.offsetFromUtc(clockAsUtc.addSecs(-86400));
    const int after = zone.offsetFromUtc(clockAsUtc.addSecs(86400));
    std::vector<int> fitting;
    for (int offset : {before, after})
        if (zone.offsetFromUtc(clockAsUtc.addSecs(-offset)) == offset &&
            (fitting.empty() || fitting.front() != offset))
            fitting.push_back(offset);
    if (fitting.empty()) {
        reading = ClockReading::Skipped;
        return before;
    }
    reading = fitting.size() > 1 ? ClockReading::Repeated : ClockReading::Single;
    return std::max(fitting.front(), fitting.back());
}

}  // namespace

int SuggestedSecondsEast(const ZoneSuggestion& s) {
    if (s.ExactOffset) return -s.ExactOffset->TotalSecondsWest();
    return s.Row >= 0 ? RowOffsetSeconds(s.Row) + (s.DaylightSaving ? 3600 : 0) : s.OffsetSeconds;
}

ZoneSuggestion SuggestZone(std::string_view zoneId, const CivilDateTime& localClock, std::string_view placeName,
                           std::optional<double> longitudeEast) {
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
    const int offset = OffsetForClock(zone, clockAsUtc, reading);
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
        s.Description += " (this clock time came twice as clocks went back; the first is taken)";
    else if (reading == ClockReading::Skipped)
        s.Description += " (no such clock time: clocks went forward past it)";
    if (!s.Exact) s.Description += "; no zone in the list has this offset, so it is used exactly";
    return s;
}

}  // namespace quorvane
