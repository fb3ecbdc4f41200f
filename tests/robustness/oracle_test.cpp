// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth instant and the three points against a general-purpose ephemeris, for clock offsets with
// seconds: the offset must reach the Universal Time, the Moon and the Ascendant.

#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>

#include "engine/sun_ascendant.h"
#include "engine/time_scales.h"
#include "reading/reading_driver.h"

namespace quorvane {
namespace {

// Smallest distance between two longitudes, in degrees.
double Apart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(EphemerisOracle, ExactOffsetsGiveTheEphemerisInstantAndPoints) {
    int checked = 0;
    double worstMoon = 0, worstAscendant = 0;
    for (int i = 0; i < 2000; ++i) {
        BirthData b;
        b.Year = static_cast<std::int16_t>(1901 + (i * 37) % 150);
        b.Month = static_cast<std::int16_t>(1 + (i * 5) % 12);
        b.Day = static_cast<std::int16_t>(1 + (i * 11) % 28);
        b.Hour = static_cast<std::int16_t>((i * 7) % 24);
        b.Minute = static_cast<std::int16_t>((i * 13) % 60);
        b.Second = static_cast<std::int16_t>((i * 41) % 60);  // the clock's seconds, every one in turn
        b.LatitudeDegrees = static_cast<std::int16_t>((i * 17) % 60);
        b.LatitudeMinutes = static_cast<std::int16_t>((i * 23) % 60);
        b.LongitudeDegrees = static_cast<std::int16_t>((i * 29) % 180);
        b.LongitudeMinutes = static_cast<std::int16_t>((i * 31) % 60);
        b.IsSouth = i % 2 == 1;
        b.IsEast = i % 3 != 0;
        b.IsDaylightSaving = i % 7 == 0;
        // Any offset to the second within 15 hours either side.
        const int secondsEast = (i * 7919) % (2 * ZoneOffset::kMaxSeconds + 1) - ZoneOffset::kMaxSeconds;
        const ZoneOffset zone = ZoneOffset::FromSecondsWest(-secondsEast);
        const double zoneHours = (secondsEast + (b.IsDaylightSaving ? 3600 : 0)) / 3600.0;

        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        double second = 0;
        swe_utc_time_zone(b.Year, b.Month, b.Day, b.Hour, b.Minute, b.Second, zoneHours, &year, &month, &day, &hour,
                          &minute, &second);
        const double jdUt = swe_julday(year, month, day, hour + minute / 60.0 + second / 3600.0, SE_GREG_CAL);

        const BirthMoment moment = ComputeBirthMoment(b, zone);
        ASSERT_NEAR(moment.JulianDate, jdUt, 1e-7)
            << "offset " << secondsEast << " s on " << b.Year << '-' << b.Month << '-' << b.Day;
        const CivilDateTime ut = UniversalDateTime(b, zone);
        EXPECT_NEAR(swe_julday(ut.Year, ut.Month, ut.Day, ut.Hour + ut.Minute / 60.0 + ut.Second / 3600.0, SE_GREG_CAL),
                    jdUt, 1e-7);

        char error[AS_MAXCH];
        double moon[6], cusps[13], ascmc[10];
        swe_calc_ut(jdUt, SE_MOON, SEFLG_MOSEPH, moon, error);
        const double latitude = (b.LatitudeDegrees + b.LatitudeMinutes / 60.0) * (b.IsSouth ? -1 : 1);
        const double longitude = (b.LongitudeDegrees + b.LongitudeMinutes / 60.0) * (b.IsEast ? 1 : -1);
        swe_houses_ex(jdUt, SEFLG_MOSEPH, latitude, longitude, 'E', cusps, ascmc);
        const ExactLongitudes ours = ComputeLongitudes(b, zone);
        worstMoon = std::fmax(worstMoon, Apart(ours.Moon, moon[0]));
        worstAscendant = std::fmax(worstAscendant, Apart(ours.Ascendant, ascmc[0]));
        ++checked;
    }
    // The instant is checked to the hundredth of a second above. A minute of time moves the Ascendant by
    // about 0.25 degrees, so a lost offset minute or a wrong sign shows here; the Moon guards the hours.
    // (The Sun is the engine's own short series, up to a degree and a half from the ephemeris: not compared.)
    std::printf("worst Moon %.4f, worst Ascendant %.4f degrees from the ephemeris\n", worstMoon, worstAscendant);
    EXPECT_LT(worstMoon, 0.1);
    EXPECT_LT(worstAscendant, 0.05);
    EXPECT_EQ(checked, 2000);
    swe_close();
}

}  // namespace
}  // namespace quorvane
