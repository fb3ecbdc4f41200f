// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every civil day of the year list and every zone row, hemisphere and daylight-saving choice: each reading
// must be whole, in range and self-consistent. Failures stop after a few so one fault does not flood the log.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "galactic/galactic_signs.h"
#include "reading/reading_driver.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane {
namespace {

using namespace std::chrono;

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

bool ValidSign(const GalacticSign* sign) {
    if (sign == nullptr) return false;
    for (const GalacticSign& s : GalacticSigns())
        if (&s == sign) return true;
    return false;
}

// What is wrong with one reading, or the empty text.
std::string Fault(const GalacticReading& r) {
    const WholeDegrees& d = r.Degrees;
    for (int degree : {d.Sun, d.Moon, d.Ascendant})
        if (degree < 0 || degree > 360) return "degree " + std::to_string(degree) + " out of range";
    if (r.Phase != MoonPhase::Waxing && r.Phase != MoonPhase::Waning) return "no phase";
    for (const GalacticSign* sign : {r.AscendantSign, r.DescendantSign, r.MoonSign, r.SunSign})
        if (!ValidSign(sign)) return "a frame without a valid sign";
    // The frames follow the degrees by the frame rule (galactic_test checks the rule itself).
    const auto frames = FrameDegrees(d.Sun, d.Moon, d.Ascendant, r.Phase);
    const std::array<const GalacticSign*, 4> shown{r.AscendantSign, r.DescendantSign, r.MoonSign, r.SunSign};
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (shown[i] != LookupGalacticDegree(frames[i].Degree))
            return std::string(kFrameCaptions[i]) + " frame does not show the degree it reads";
    return {};
}

// The birth instant in minutes since 1970, worked out independently of the engine.
long long LocalMinutes(int year, int month, int day, int hour, int minute) {
    const sys_days date =
        year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)}, std::chrono::day{unsigned(day)}};
    return duration_cast<minutes>(date.time_since_epoch()).count() + hour * 60LL + minute;
}

long long UniversalMinutes(const CivilDateTime& ut) {
    const year_month_day date{std::chrono::year{ut.Year}, std::chrono::month{unsigned(ut.Month)},
                              std::chrono::day{unsigned(ut.Day)}};
    if (!date.ok() || ut.Hour < 0 || ut.Hour > 23 || ut.Minute < 0 || ut.Minute > 59) return -1;
    return LocalMinutes(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute);
}

// Whole degrees gained from one day to the next, folded into 0..359.
int DailyStep(int today, int yesterday) {
    return ((today - yesterday) % 360 + 360) % 360;
}

constexpr int kMaxReported = 5;

TEST(SweepTest, EveryCivilDayAtSeveralClockTimes) {
    const int clockTimes[][2] = {{0, 0}, {5, 59}, {12, 30}, {23, 59}};
    int faults = 0, readings = 0;
    WholeDegrees previous[4];
    bool havePrevious = false;
    for (sys_days day = year_month_day{std::chrono::year{kFirstYear}, January, 1d};
         day <= sys_days{year_month_day{std::chrono::year{kLastYear}, December, 31d}}; day += days{1}) {
        const year_month_day ymd{day};
        BirthData birth;
        birth.Year = static_cast<std::int16_t>(int(ymd.year()));
        birth.Month = static_cast<std::int16_t>(unsigned(ymd.month()));
        birth.Day = static_cast<std::int16_t>(unsigned(ymd.day()));
        // The place wanders over the whole globe, its extremes included, as the days go by.
        const int n =
            static_cast<int>((day - sys_days{year_month_day{std::chrono::year{kFirstYear}, January, 1d}}).count());
        birth.LatitudeDegrees = static_cast<std::int16_t>(n % 90);
        birth.LatitudeMinutes = static_cast<std::int16_t>((n * 7) % 60);
        birth.LongitudeDegrees = static_cast<std::int16_t>((n * 13) % 180);
        birth.LongitudeMinutes = static_cast<std::int16_t>((n * 11) % 60);
        birth.IsSouth = n % 2 == 1;
        birth.IsEast = n % 3 == 1;
        const int yearPosition = birth.Year - kFirstYear;
        for (int t = 0; t < 4; ++t) {
            birth.Hour = static_cast<std::int16_t>(clockTimes[t][0]);
            birth.Minute = static_cast<std::int16_t>(clockTimes[t][1]);
            const GalacticReading r = MakeGalacticReading(birth, ZoneOffset{}, yearPosition);
            ++readings;
            std::string fault = Fault(r);
            // At Greenwich the Universal time is the clock time itself.
            if (fault.empty() &&
                r.UniversalTime != CivilDateTime{birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute})
                fault = "Universal time differs from the Greenwich clock time";
            // The Sun moves about one degree a day and the Moon 11 to 15: a slip in the day count shows here.
            if (fault.empty() && havePrevious) {
                const int sun = DailyStep(r.Degrees.Sun, previous[t].Sun);
                const int moon = DailyStep(r.Degrees.Moon, previous[t].Moon);
                if (sun > 2) fault = "Sun moved " + std::to_string(sun) + " degrees in a day";
                if (moon < 9 || moon > 17) fault = "Moon moved " + std::to_string(moon) + " degrees in a day";
            }
            previous[t] = r.Degrees;
            if (!fault.empty() && ++faults <= kMaxReported)
                ADD_FAILURE() << fault << " on " << birth.Year << '-' << birth.Month << '-' << birth.Day << ' '
                              << birth.Hour << ':' << birth.Minute;
        }
        havePrevious = true;
    }
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(readings, 4 * 54787);  // 150 years, 36 of them leap years
}

// Births through the form's own path: every zone row, each hemisphere pair, with and without daylight
// saving, on every 17th day of the list.
TEST(SweepTest, EveryZoneRowHemisphereAndDaylightSaving) {
    int faults = 0, readings = 0;
    auto report = [&faults](const std::string& fault, const BirthFormValues& form) {
        if (++faults <= kMaxReported)
            ADD_FAILURE() << fault << " for zone row " << form.ZoneIndex << ", " << form.Year << " month position "
                          << form.MonthPosition << " day position " << form.DayPosition << ' ' << form.Hour << ':'
                          << form.Minute << (form.IsDaylightSaving ? " with" : " without") << " daylight saving";
    };
    const sys_days first = year_month_day{std::chrono::year{kFirstYear}, January, 1d};
    const sys_days last = year_month_day{std::chrono::year{kLastYear}, December, 31d};
    int sample = 0;
    for (sys_days day = first; day <= last; day += days{17}, ++sample) {
        const year_month_day ymd{day};
        BirthFormValues form;
        form.Name = "ASHA";
        form.Year = int(ymd.year());
        form.YearPosition = form.Year - kFirstYear;
        form.MonthPosition = static_cast<int>(unsigned(ymd.month())) - 1;
        form.DayPosition = static_cast<int>(unsigned(ymd.day())) - 1;
        // Hours near both ends of the day push the Universal date across midnight either way.
        form.Hour = (sample * 5) % 24;
        form.Minute = (sample * 17) % 60;
        form.LatitudeDegrees = std::to_string((sample * 7) % 90);
        form.LatitudeMinutes = std::to_string((sample * 11) % 60);
        form.LongitudeDegrees = std::to_string((sample * 13) % 180);
        form.LongitudeMinutes = std::to_string((sample * 3) % 60);
        for (int zone = 0; zone < kTimeZoneCount; ++zone) {
            form.ZoneIndex = zone;
            const TimeZoneRow& row = TimeZoneTable()[static_cast<std::size_t>(zone)];
            for (bool dst : {false, true}) {
                form.IsDaylightSaving = dst;
                WholeDegrees northWest{};
                for (int hemispheres = 0; hemispheres < 4; ++hemispheres) {
                    form.IsSouth = (hemispheres & 1) != 0;
                    form.IsEast = (hemispheres & 2) != 0;
                    ReadingSession session;
                    const ReadingSession::Outcome outcome = session.Read(form);
                    ++readings;
                    if (!outcome.Validation.Ok || !outcome.Reading) {
                        report("a valid birth was refused", form);
                        continue;
                    }
                    const GalacticReading& r = *outcome.Reading;
                    if (std::string fault = Fault(r); !fault.empty()) report(fault, form);
                    // The zone's direction is the row's own: the birthplace's hemispheres never move the
                    // Sun or the Moon.
                    if (hemispheres == 0)
                        northWest = r.Degrees;
                    else if (r.Degrees.Sun != northWest.Sun || r.Degrees.Moon != northWest.Moon)
                        report("the hemisphere moved the Sun or the Moon", form);
                    const long long expected =
                        LocalMinutes(form.Year, form.MonthPosition + 1, form.DayPosition + 1, form.Hour, form.Minute) +
                        row.Hours * 60 + row.Minutes - (dst ? 60 : 0);
                    if (UniversalMinutes(r.UniversalTime) != expected)
                        report("Universal time is not the clock time moved by the zone row", form);
                }
            }
        }
    }
    EXPECT_EQ(faults, 0);
    EXPECT_GT(readings, 3200 * kTimeZoneCount * 2 * 4);
}

// Exact offsets to the second, all the way to fifteen hours either side, and local mean time, through the
// form's path on every 13th day, with every clock second in turn: whole readings, and the Universal Time to
// the second.
TEST(SweepTest, ExactOffsetsToTheSecondAndLocalMeanTime) {
    int faults = 0, readings = 0;
    const sys_days first = year_month_day{std::chrono::year{kFirstYear}, January, 1d};
    const sys_days last = year_month_day{std::chrono::year{kLastYear}, December, 31d};
    int sample = 0;
    for (sys_days day = first; day <= last; day += days{13}, ++sample) {
        const year_month_day ymd{day};
        BirthFormValues form;
        form.Name = "ASHA";
        form.Year = int(ymd.year());
        form.YearPosition = form.Year - kFirstYear;
        form.MonthPosition = static_cast<int>(unsigned(ymd.month())) - 1;
        form.DayPosition = static_cast<int>(unsigned(ymd.day())) - 1;
        form.Hour = (sample * 7) % 24;
        form.Minute = (sample * 31) % 60;
        form.Second = (sample * 17) % 60;
        form.LatitudeDegrees = std::to_string((sample * 7) % 90);
        form.LatitudeMinutes = std::to_string((sample * 11) % 60);
        const int longitudeDegrees = (sample * 13) % 180, longitudeMinutes = (sample * 3) % 60;
        form.LongitudeDegrees = std::to_string(longitudeDegrees);
        form.LongitudeMinutes = std::to_string(longitudeMinutes);
        form.IsSouth = sample % 2 == 1;
        form.IsEast = sample % 3 != 0;
        form.IsDaylightSaving = sample % 5 == 0;
        // Seconds east: every remainder of a minute, over the whole range and its two ends.
        const int span = 2 * ZoneOffset::kMaxSeconds + 1;
        const int offsets[] = {(sample * 7919) % span - ZoneOffset::kMaxSeconds, ZoneOffset::kMaxSeconds,
                               -ZoneOffset::kMaxSeconds};
        for (int choice = 0; choice < 4; ++choice) {
            form.LocalMeanTime = choice == 3;
            int secondsEast = 0;
            if (form.LocalMeanTime) {
                form.ExactOffset.reset();
                secondsEast = (longitudeDegrees * 60 + longitudeMinutes) * 4 * (form.IsEast ? 1 : -1);
            } else {
                secondsEast = offsets[choice];
                form.ExactOffset = ParseUtcOffset(FormatUtcOffset(secondsEast));
            }
            ReadingSession session;
            const ReadingSession::Outcome outcome = session.Read(form);
            ++readings;
            std::string fault;
            if (!outcome.Reading) {
                fault = "a valid birth was refused";
            } else {
                const GalacticReading& r = *outcome.Reading;
                fault = Fault(r);
                const long long local =
                    LocalMinutes(form.Year, form.MonthPosition + 1, form.DayPosition + 1, form.Hour, form.Minute) * 60 +
                    form.Second;
                const long long expected = local - secondsEast - (form.IsDaylightSaving ? 3600 : 0);
                const long long actual =
                    UniversalMinutes({r.UniversalTime.Year, r.UniversalTime.Month, r.UniversalTime.Day,
                                      r.UniversalTime.Hour, r.UniversalTime.Minute}) *
                        60 +
                    r.UniversalTime.Second;
                if (fault.empty() && (r.UniversalTime.Second < 0 || r.UniversalTime.Second > 59 || actual != expected))
                    fault = "Universal time is not the clock time moved by the offset to the second";
                if (fault.empty() && r.UtcOffsetSecondsEast != secondsEast + (form.IsDaylightSaving ? 3600 : 0))
                    fault = "the offset stated is not the one used";
            }
            if (!fault.empty() && ++faults <= kMaxReported)
                ADD_FAILURE() << fault << " for offset " << FormatUtcOffset(secondsEast) << " on " << form.Year
                              << " month position " << form.MonthPosition << " day position " << form.DayPosition << ' '
                              << form.Hour << ':' << form.Minute << ':' << form.Second;
        }
    }
    EXPECT_EQ(faults, 0);
    EXPECT_GT(readings, 16000);
}

// A zone row and the same offset given exactly are one reading, bit for bit: choosing an exact offset
// never changes what a row gives.
TEST(SweepTest, EveryRowAsAnExactOffsetIsTheSameReading) {
    int faults = 0;
    for (int year = kFirstYear; year <= kLastYear; year += 3) {
        BirthFormValues form;
        form.Name = "ASHA";
        form.Year = year;
        form.YearPosition = year - kFirstYear;
        form.MonthPosition = year % 12;
        form.DayPosition = year % 28;
        form.Hour = year % 24;
        form.Minute = (year * 7) % 60;
        form.LatitudeDegrees = std::to_string(year % 90);
        form.LongitudeDegrees = std::to_string(year % 180);
        form.IsEast = year % 2 == 0;
        for (int zone = 0; zone < kTimeZoneCount; ++zone)
            for (bool dst : {false, true}) {
                form.IsDaylightSaving = dst;
                form.ZoneIndex = zone;
                form.ExactOffset.reset();
                const GalacticReading byRow = *ReadingSession().Read(form).Reading;
                form.ExactOffset = ParseUtcOffset(FormatUtcOffset(RowOffsetSeconds(zone)));
                form.ZoneIndex = -1;
                const GalacticReading exact = *ReadingSession().Read(form).Reading;
                const bool same = byRow.SunLongitude == exact.SunLongitude &&
                                  byRow.MoonLongitude == exact.MoonLongitude &&
                                  byRow.AscendantLongitude == exact.AscendantLongitude &&
                                  byRow.UniversalTime == exact.UniversalTime &&
                                  byRow.UtcOffsetSecondsEast == exact.UtcOffsetSecondsEast;
                if (!same && ++faults <= kMaxReported)
                    ADD_FAILURE() << "row " << zone << (dst ? " with" : " without") << " daylight saving in " << year
                                  << " differs from its offset given exactly";
            }
    }
    EXPECT_EQ(faults, 0);
}

// Daylight saving only moves the clock by one hour: the same instant without it gives the same reading.
TEST(SweepTest, DaylightSavingIsTheSameInstantOneHourEarlier) {
    int faults = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int zone = 0; zone < kTimeZoneCount; zone += 7) {
            BirthData birth;
            birth.Year = static_cast<std::int16_t>(year);
            birth.Month = static_cast<std::int16_t>(1 + year % 12);
            birth.Day = static_cast<std::int16_t>(1 + year % 28);
            birth.Hour = static_cast<std::int16_t>(1 + (year + zone) % 23);
            birth.Minute = static_cast<std::int16_t>((year * 7) % 60);
            birth.LatitudeDegrees = static_cast<std::int16_t>(year % 90);
            birth.LongitudeDegrees = static_cast<std::int16_t>(year % 180);
            birth.IsSouth = year % 2 == 0;
            const ZoneOffset offset = *Zone_Calculation(zone);
            birth.IsDaylightSaving = true;
            const GalacticReading withSaving = MakeGalacticReading(birth, offset, year - kFirstYear);
            birth.IsDaylightSaving = false;
            birth.Hour = static_cast<std::int16_t>(birth.Hour - 1);
            const GalacticReading without = MakeGalacticReading(birth, offset, year - kFirstYear);
            if ((withSaving.Degrees != without.Degrees || withSaving.UniversalTime != without.UniversalTime) &&
                ++faults <= kMaxReported)
                ADD_FAILURE() << "daylight saving is not one hour for " << year << " zone row " << zone;
        }
    }
    EXPECT_EQ(faults, 0);
}

}  // namespace
}  // namespace quorvane
