// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading command: from the form's values to the four galactic signs.

#include <optional>
#include <string>

#include "engine/sun_ascendant.h"
#include "galactic/galactic_signs.h"
#include "common/birth_data.h"
#include "reading/input_rules.h"

namespace quorvane {

struct GalacticReading {
    const GalacticSign* AscendantSign = nullptr;
    const GalacticSign* DescendantSign = nullptr;
    const GalacticSign* MoonSign = nullptr;
    const GalacticSign* SunSign = nullptr;
    MoonPhase Phase = MoonPhase::Waning;
    // Not shown on the reading form; kept for the command line and for checking.
    WholeDegrees Degrees;
    // The longitudes in degrees (0 <= x <= 360) that the whole degrees are the floors of.
    double SunLongitude = 0.0;
    double MoonLongitude = 0.0;
    double AscendantLongitude = 0.0;
    CivilDateTime UniversalTime;   // to the second when the offset has seconds
    int UtcOffsetSecondsEast = 0;  // the clock's offset the reading used, daylight saving included
};

// From the birth date alone; only whether the year list position is at most 99 matters.
MoonPhase ComputeMoonPhase(int day, int month, int year, int yearListPosition);

// One whole reading of validated birth details.
GalacticReading MakeGalacticReading(const BirthData& birth, ZoneOffset zone, int yearListPosition);

// Everything the birth-data form holds that a reading reads.
struct BirthFormValues {
    std::string Name;
    std::string LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes;
    int MonthPosition = 0;     // 0 = January
    int DayPosition = 0;       // 0 = day 1
    int YearPosition = 0;      // 0 = 1901
    int Year = kFirstYear;     // the selected year's text
    int Hour = 0, Minute = 0;  // the selected hour and minute texts
    int Second = 0;  // the clock seconds of a births record on the form, 0..59; a second picked on the form is not read
    int ZoneIndex = 29;  // -1 when nothing is selected
    // Instead of a zone row: the birthplace's local mean time (from the longitude above), or an exact
    // offset (a typed one, or one a births file gave). A row is then not used. With both, the offset is
    // the local mean time already worked out from a longitude finer than the form's arc-minutes.
    bool LocalMeanTime = false;
    std::optional<ZoneOffset> ExactOffset;
    bool IsEast = true, IsSouth = false, IsDaylightSaving = false;
    // The birth time is not known: the hour and minute are not read, every minute of the date is.
    bool TimeUnknown = false;
};

BirthFormTexts TextsOf(const BirthFormValues& form);
// The birth details of validated form values (the zone enters the reading, not the birth details).
BirthData BirthDataOf(const BirthFormValues& form, ZoneOffset zone);
// The offset a reading of validated form values takes when it names one (an exact offset or local mean
// time), else the zone row's; nothing when neither is chosen.
std::optional<ZoneOffset> ChosenOffset(const BirthFormValues& form);

// The little state that lives between readings: the last zone offset (reused when no zone row is
// selected) and the last reading.
class ReadingSession {
public:
    struct Outcome {
        ValidationResult Validation;             // !Ok: show its message, nothing else happens
        std::optional<GalacticReading> Reading;  // set when Validation.Ok
    };

    Outcome Read(const BirthFormValues& form);

    const std::optional<GalacticReading>& LastReading() const { return last_; }
    const BirthData& LastBirthData() const { return birth_; }
    // The zone row the last reading used (the last selected row when none was selected), or -1 when it
    // used an exact offset or local mean time.
    int LastZoneIndex() const { return zoneIndex_; }
    // The offset the last reading used, and whether it was the birthplace's local mean time.
    ZoneOffset LastZone() const { return zone_.value_or(ZoneOffset{}); }
    bool LastWasLocalMeanTime() const { return localMeanTime_; }

private:
    std::optional<ZoneOffset> zone_;  // unset until a row has been read; then counts as 0 h 0 min
    BirthData birth_;
    int zoneIndex_ = -1;
    bool localMeanTime_ = false;
    std::optional<GalacticReading> last_;
};

}  // namespace quorvane
