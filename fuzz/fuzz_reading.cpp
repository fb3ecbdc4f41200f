// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading on any birth values the 16-bit fields can hold and any zone offset: the longitudes stay
// finite and within a turn, the whole degrees within the tables, and every frame finds a sign.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>

#include "engine/moon.h"
#include "engine/sun_ascendant.h"
#include "reading/reading_driver.h"

namespace {

using namespace quorvane;

void Require(bool condition) {
    if (!condition) std::abort();
}

void RequireLongitude(double degrees) {
    Require(std::isfinite(degrees) && degrees >= 0.0 && degrees <= 360.0);
}

std::int16_t Any16(FuzzedDataProvider& in) {
    return in.ConsumeIntegral<std::int16_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    BirthData birth;
    birth.Month = Any16(in);
    birth.Day = Any16(in);
    birth.Year = Any16(in);
    birth.Hour = Any16(in);
    birth.Minute = Any16(in);
    birth.LongitudeDegrees = Any16(in);
    birth.LongitudeMinutes = Any16(in);
    birth.LatitudeDegrees = Any16(in);
    birth.LatitudeMinutes = Any16(in);
    birth.IsEast = in.ConsumeBool();
    birth.IsSouth = in.ConsumeBool();
    birth.IsDaylightSaving = in.ConsumeBool();
    const ZoneOffset zone{Any16(in), Any16(in), Any16(in)};
    const int yearListPosition = in.ConsumeIntegral<int>();
    birth.Second = Any16(in);  // last, so that the seeds written before it keep their meaning

    const BirthMoment moment = ComputeBirthMoment(birth, zone);
    RequireLongitude(MoonLongitude(moment.JulianCenturies));
    RequireLongitude(AscendantLongitude(moment));
    const CivilDateTime ut = UniversalDateTime(birth, zone);
    RequireLongitude(SunLongitude(DayNumberJ2000(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute, ut.Second)));

    const GalacticReading r = MakeGalacticReading(birth, zone, yearListPosition);
    for (int degree : {r.Degrees.Sun, r.Degrees.Moon, r.Degrees.Ascendant}) Require(degree >= 0 && degree <= 360);
    Require(r.Phase == MoonPhase::Waxing || r.Phase == MoonPhase::Waning);
    Require(r.AscendantSign && r.DescendantSign && r.MoonSign && r.SunSign);
    return 0;
}
