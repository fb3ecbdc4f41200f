// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/time_scales.h"

#include <cmath>

#include "common/calendar.h"

namespace quorvane {

double JulianDayNumber(int month, int day, int year) {
    const double M = 12.0 * (year + 4800) + month - 3;  // months since March of the year -4800
    double J = std::floor((2.0 * (M - 12.0 * std::floor(M / 12.0)) + 7.0 + 365.0 * M) / 12.0) + day +
               std::floor(M / 48.0) - 32083.0;
    if (J > 2299171.0) J += std::floor(M / 4800.0) - std::floor(M / 1200.0) + 38.0;
    return J;
}

namespace {

double ZoneHoursOf(ZoneOffset zone, bool daylightSaving) {
    // Daylight-saving clocks run one hour ahead of the zone's standard time on both sides of Greenwich.
    // A row's seconds are 0, and adding 0.0 leaves its sum bit for bit as it was.
    return zone.Hours + zone.Minutes / 60.0 + zone.Seconds / 3600.0 - (daylightSaving ? 1.0 : 0.0);
}

}  // namespace

BirthMoment ComputeBirthMoment(const BirthData& birth, ZoneOffset zone) {
    BirthMoment m;
    // A clock time in whole minutes adds 0.0 for its seconds, which leaves the sum bit for bit as it was.
    m.LocalHours = birth.Hour + birth.Minute / 60.0 + birth.Second / 3600.0;
    m.ZoneOffsetHours = ZoneHoursOf(zone, birth.IsDaylightSaving);
    m.SignedLongitude = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
    m.SignedLatitude = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
    if (birth.IsEast) m.SignedLongitude = -m.SignedLongitude;
    if (birth.IsSouth) m.SignedLatitude = -m.SignedLatitude;
    // The civil date is kept and Universal Time may leave 0..24: the Julian date absorbs the excess.
    m.JulianDayNumber = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    m.UniversalHours = m.LocalHours + m.ZoneOffsetHours;
    m.JulianDate = m.JulianDayNumber - 0.5 + m.UniversalHours / 24.0;
    // From J2000.0 (Julian date 2451545.0, 2000 January 1, 12h) in Julian centuries of 36,525 days, the
    // argument of the Moon's series; Universal Time stands in for Terrestrial Time (see moon.cpp).
    m.JulianCenturies = (m.JulianDayNumber - 2451545.0 + m.UniversalHours / 24.0 - 0.5) / 36525.0;
    return m;
}

CivilDateTime UniversalDateTime(const BirthData& birth, ZoneOffset zone) {
    const long long seconds = (birth.Hour * 60LL + birth.Minute) * 60 + birth.Second + zone.Hours * 3600LL +
                              zone.Minutes * 60LL + zone.Seconds - (birth.IsDaylightSaving ? 3600 : 0);
    constexpr long long kDay = 86400;
    const long long dayShift = seconds >= 0 ? seconds / kDay : -((-seconds + kDay - 1) / kDay);
    const long long secondOfDay = seconds - dayShift * kDay;
    CivilDateTime ut;
    const calendar::Date day =
        calendar::CivilFromDays(calendar::DaysFromCivil(birth.Year, birth.Month, birth.Day) + dayShift);
    ut.Year = day.Year;
    ut.Month = day.Month;
    ut.Day = day.Day;
    ut.Hour = static_cast<int>(secondOfDay / 3600);
    ut.Minute = static_cast<int>(secondOfDay / 60 % 60);
    ut.Second = static_cast<int>(secondOfDay % 60);
    return ut;
}

double NormalizeDegrees(double x) {
    // The same result as adding or subtracting 360 one turn at a time (each such step is exact in
    // binary floating point, and so is fmod), without a loop of a thousand turns for the Moon.
    if (x < 0) {
        x = std::fmod(x, 360.0);
        if (x < 0) x += 360.0;
        return x + 0.0;  // no negative zero
    }
    if (x > 360.0) {
        const double r = std::fmod(x, 360.0);
        return r == 0.0 ? 360.0 : r;
    }
    return x;
}

int WholeDegree(double longitude) {
    if (!std::isfinite(longitude)) return 0;
    return static_cast<int>(std::floor(longitude));
}

}  // namespace quorvane
