// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/reading_driver.h"

#include <array>
#include <cstdlib>

#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane {

MoonPhase ComputeMoonPhase(int day, int month, int year, int yearListPosition) {
    static constexpr std::array<int, 12> kMonthCode{3, 4, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    // Remainders truncate toward zero, as the phase rule was designed with: -99 rem 30 is -9.
    int g = (year % 100) % 19;
    if (g > 9) g -= 19;
    g = (g * 11) % 30;
    const int code = month >= 1 && month <= 12 ? kMonthCode[static_cast<std::size_t>(month - 1)] : 0;
    const int s = g + day + code;
    const int t = yearListPosition <= 99 ? s - 4 : s - 8;  // 2001 on: s - 8.3 rounded, always s - 8
    const int a = std::abs(t % 30);
    return a >= 5 && a <= 16 ? MoonPhase::Waxing : MoonPhase::Waning;
}

GalacticReading MakeGalacticReading(const BirthData& birth, ZoneOffset zone, int yearListPosition) {
    GalacticReading reading;
    const ExactLongitudes longitudes = ComputeLongitudes(birth, zone);
    reading.Degrees = WholeDegreesOf(longitudes);
    reading.SunLongitude = longitudes.Sun;
    reading.MoonLongitude = longitudes.Moon;
    reading.AscendantLongitude = longitudes.Ascendant;
    reading.Phase = ComputeMoonPhase(birth.Day, birth.Month, birth.Year, yearListPosition);
    const PlacedSigns placed =
        PlaceGalacticSigns(reading.Degrees.Sun, reading.Degrees.Moon, reading.Degrees.Ascendant, reading.Phase);
    reading.AscendantSign = placed.Ascendant;
    reading.DescendantSign = placed.Descendant;
    reading.MoonSign = placed.MoonSign;
    reading.SunSign = placed.SunSign;
    reading.UniversalTime = UniversalDateTime(birth, zone);
    reading.UtcOffsetSecondsEast = SecondsEastInForce(zone, birth.IsDaylightSaving);
    return reading;
}

BirthFormTexts TextsOf(const BirthFormValues& form) {
    return {form.Name,
            form.LongitudeDegrees,
            form.LongitudeMinutes,
            form.LatitudeDegrees,
            form.LatitudeMinutes,
            form.MonthPosition,
            form.DayPosition,
            form.Year};
}

BirthData BirthDataOf(const BirthFormValues& form, ZoneOffset) {
    BirthData birth;
    birth.Name = form.Name;
    birth.Month = static_cast<std::int16_t>(form.MonthPosition + 1LL);
    birth.Day = static_cast<std::int16_t>(form.DayPosition + 1LL);
    birth.Year = static_cast<std::int16_t>(form.Year);
    birth.Hour = static_cast<std::int16_t>(form.Hour);
    birth.Minute = static_cast<std::int16_t>(form.Minute);
    birth.Second = static_cast<std::int16_t>(form.Second >= 0 && form.Second <= 59 ? form.Second : 0);
    // Validation has accepted these texts as whole numbers.
    birth.LongitudeDegrees = ParseWholeNumber(form.LongitudeDegrees).value_or(0);
    birth.LongitudeMinutes = ParseWholeNumber(form.LongitudeMinutes).value_or(0);
    birth.LatitudeDegrees = ParseWholeNumber(form.LatitudeDegrees).value_or(0);
    birth.LatitudeMinutes = ParseWholeNumber(form.LatitudeMinutes).value_or(0);
    birth.IsEast = form.IsEast;
    birth.IsSouth = form.IsSouth;
    birth.IsDaylightSaving = form.IsDaylightSaving;
    return birth;
}

std::optional<ZoneOffset> ChosenOffset(const BirthFormValues& form) {
    if (form.ExactOffset) return form.ExactOffset;
    if (form.LocalMeanTime) return LocalMeanTimeOffset(BirthDataOf(form, {}));
    return Zone_Calculation(form.ZoneIndex);
}

ReadingSession::Outcome ReadingSession::Read(const BirthFormValues& form) {
    Outcome outcome;
    outcome.Validation = ValidateBirthData(TextsOf(form));
    if (!outcome.Validation.Ok) return outcome;

    // With no row selected the last reading's zone is used again.
    if (const auto zone = ChosenOffset(form)) {
        zone_ = zone;
        const bool exact = form.LocalMeanTime || form.ExactOffset;
        zoneIndex_ = exact ? -1 : form.ZoneIndex;
        localMeanTime_ = form.LocalMeanTime;
    }
    const ZoneOffset zone = zone_.value_or(ZoneOffset{});

    birth_ = BirthDataOf(form, zone);

    last_ = MakeGalacticReading(birth_, zone, form.YearPosition);
    outcome.Reading = last_;
    return outcome;
}

}  // namespace quorvane
