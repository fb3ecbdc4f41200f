// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/time_scales.h"

#include <cmath>

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

// Days from 1970-01-01 of a proleptic Gregorian date; out-of-range days count on into the next month.
long long DaysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
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
    const long long seconds = (birth.Hour * 60LL + birth.Minute) * 60 + birth.Second + zone.Hours * 3600LL + zone.Minutes * 60LL +
                              zone.Seconds - (birth.IsDaylightSaving ? 3600 : 0);
    constexpr long long kDay = 86400;
    const long long dayShift = seconds >= 0 ? seconds / kDay : -((-seconds + kDay - 1) / kDay);
    const long long secondOfDay = seconds - dayShift * kDay;
    CivilDateTime ut;
    CivilFromDays(DaysFromCivil(birth.Year, birth.Month, birth.Day) + dayShift, ut.Year, ut.Month, ut.Day);
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
