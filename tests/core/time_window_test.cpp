// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "reading/reading_driver.h"
#include "reading/time_window.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane {
namespace {

struct Place {
    int LatDeg, LatMin, LonDeg, LonMin;
    bool East, South;
};

// A reading of one clock minute taken as the form takes it: texts, validation and all.
GalacticReading SingleReading(int year, int month, int day, int minute, const Place& p, ZoneOffset zone, bool dst) {
    BirthFormValues form;
    form.Name = "ASHA";
    form.LatitudeDegrees = std::to_string(p.LatDeg);
    form.LatitudeMinutes = std::to_string(p.LatMin);
    form.LongitudeDegrees = std::to_string(p.LonDeg);
    form.LongitudeMinutes = std::to_string(p.LonMin);
    form.IsEast = p.East;
    form.IsSouth = p.South;
    form.MonthPosition = month - 1;
    form.DayPosition = day - 1;
    form.Year = year;
    form.YearPosition = year - kFirstYear;
    form.Hour = minute / 60;
    form.Minute = minute % 60;
    form.ExactOffset = zone;
    form.IsDaylightSaving = dst;
    ReadingSession session;
    const auto outcome = session.Read(form);
    EXPECT_TRUE(outcome.Validation.Ok);
    return outcome.Reading.value_or(GalacticReading{});
}

BirthData BirthOn(int year, int month, int day, const Place& p) {
    BirthData birth;
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.LatitudeDegrees = static_cast<std::int16_t>(p.LatDeg);
    birth.LatitudeMinutes = static_cast<std::int16_t>(p.LatMin);
    birth.LongitudeDegrees = static_cast<std::int16_t>(p.LonDeg);
    birth.LongitudeMinutes = static_cast<std::int16_t>(p.LonMin);
    birth.IsEast = p.East;
    birth.IsSouth = p.South;
    // A clock time and flag of their own, which the window must not use.
    birth.Hour = 17;
    birth.Minute = 43;
    birth.Second = 31;
    birth.IsDaylightSaving = true;
    return birth;
}

std::array<const GalacticSign*, kFrameCount> SignsOf(const GalacticReading& r) {
    return {r.AscendantSign, r.DescendantSign, r.MoonSign, r.SunSign};
}

int DaysIn(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// Runs of one steady clock tile the window minute after minute, each run as long as its signs hold.
void ExpectTiles(const TimeWindowReading& w) {
    ASSERT_FALSE(w.Runs.empty());
    EXPECT_EQ(w.Runs.front().FirstMinute, w.Window.From);
    EXPECT_EQ(w.Runs.back().LastMinute, w.Window.To);
    for (std::size_t i = 1; i < w.Runs.size(); ++i) {
        EXPECT_EQ(w.Runs[i].FirstMinute, w.Runs[i - 1].LastMinute + 1);
        EXPECT_NE(w.Runs[i].Signs, w.Runs[i - 1].Signs) << "runs " << i - 1 << " and " << i << " could be one";
    }
}

TEST(TimeWindow, RunsAgreeWithSingleReadingsMinuteByMinute) {
    std::mt19937 random(20260919);
    const auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int trial = 0; trial < 120; ++trial) {
        const int year = pick(kFirstYear, kLastYear), month = pick(1, 12), day = pick(1, DaysIn(year, month));
        const Place place{pick(0, 89), pick(0, 59), pick(0, 179), pick(0, 59), pick(0, 1) == 1, pick(0, 1) == 1};
        // A zone row, an exact offset to the second, or the birthplace's local mean time.
        ZoneOffset zone;
        bool dst = false;
        const BirthData birth = BirthOn(year, month, day, place);
        switch (trial % 3) {
            case 0:
                zone = *Zone_Calculation(pick(0, kLastTimeZoneIndex));
                dst = pick(0, 1) == 1;
                break;
            case 1:
                zone = ZoneOffset::FromSecondsWest(pick(-ZoneOffset::kMaxSeconds, ZoneOffset::kMaxSeconds));
                break;
            default:
                zone = LocalMeanTimeOffset(birth);
                break;
        }
        MinuteWindow window;
        if (trial % 4 == 1) {
            window.From = pick(0, kLastMinuteOfDay);
            window.To = pick(window.From, kLastMinuteOfDay);
        }
        const auto clock = SteadyClock(zone, dst);
        const TimeWindowReading w = ReadTimeWindow(birth, clock, window, year - kFirstYear);
        ExpectTiles(w);
        EXPECT_TRUE(w.Skipped.empty());
        EXPECT_FALSE(w.Repeated);
        for (const TimeRun& run : w.Runs)
            for (int minute = run.FirstMinute; minute <= run.LastMinute; ++minute)
                ASSERT_EQ(run.Signs, SignsOf(SingleReading(year, month, day, minute, place, zone, dst)))
                    << year << "-" << month << "-" << day << " minute " << minute << " trial " << trial;
    }
}

TEST(TimeWindow, CertainSignsAreThoseNoRunChanges) {
    const Place london{51, 30, 0, 7, false, false};
    const BirthData birth = BirthOn(1985, 6, 15, london);
    const auto clock = SteadyClock(*Zone_Calculation(kDefaultTimeZoneIndex), true);
    const TimeWindowReading day = ReadTimeWindow(birth, clock, {}, 1985 - kFirstYear);
    // The Moon Sign frame reads the Ascendant (or the Descendant), which goes round the zodiac in a day.
    EXPECT_EQ(day.CertainSign(Frame::MoonSign), nullptr);
    EXPECT_GT(day.Runs.size(), 12u);
    for (int f = 0; f < kFrameCount; ++f) {
        const GalacticSign* certain = day.CertainSign(static_cast<Frame>(f));
        bool changes = false;
        for (const TimeRun& run : day.Runs) changes = changes || run.Signs[f] != day.Runs.front().Signs[f];
        EXPECT_EQ(certain == nullptr, changes) << f;
        if (certain) {
            EXPECT_EQ(certain, day.Runs.front().Signs[f]);
        }
    }
    // One minute: every sign holds.
    const TimeWindowReading minute = ReadTimeWindow(birth, clock, {600, 600}, 1985 - kFirstYear);
    ASSERT_EQ(minute.Runs.size(), 1u);
    for (int f = 0; f < kFrameCount; ++f) EXPECT_NE(minute.CertainSign(static_cast<Frame>(f)), nullptr);
}

// Madrid, 1985: clocks forward from 02:00 to 03:00 on 31 March, back from 03:00 to 02:00 on 29 September
// (both at 01:00 Universal Time).
TEST(TimeWindow, SkippedHourIsLeftOut) {
    const ClockPeriod periods[] = {{-86400, 3600}, {3600, 7200}};
    const auto clock = StretchesOfDay(periods);
    ASSERT_EQ(clock.size(), 2u);
    EXPECT_EQ(clock[0].FirstMinute, 0);
    EXPECT_EQ(clock[0].LastMinute, 119);
    EXPECT_EQ(clock[1].FirstMinute, 180);
    EXPECT_EQ(clock[1].LastMinute, kLastMinuteOfDay);
    EXPECT_EQ(clock[1].Zone, ZoneOffset::FromSecondsWest(-7200));
    const Place madrid{40, 25, 3, 42, false, false};
    const TimeWindowReading w = ReadTimeWindow(BirthOn(1985, 3, 31, madrid), clock, {60, 240}, 84);
    ASSERT_EQ(w.Skipped.size(), 1u);
    EXPECT_EQ(w.Skipped[0].First, 120);
    EXPECT_EQ(w.Skipped[0].Last, 179);
    EXPECT_FALSE(w.Repeated);
    for (const TimeRun& run : w.Runs) {
        EXPECT_TRUE(run.LastMinute < 120 || run.FirstMinute >= 180 || (run.FirstMinute < 120 && run.LastMinute >= 180));
        EXPECT_EQ(run.Fold, ClockFold::None);
    }
}

TEST(TimeWindow, RepeatedHourIsReadTwiceAndMarked) {
    const ClockPeriod periods[] = {{-86400, 7200}, {3600, 3600}};
    const auto clock = StretchesOfDay(periods);
    ASSERT_EQ(clock.size(), 4u);
    const ClockFold folds[] = {ClockFold::None, ClockFold::First, ClockFold::Second, ClockFold::None};
    const int firsts[] = {0, 120, 120, 180}, lasts[] = {119, 179, 179, kLastMinuteOfDay};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(clock[i].Fold, folds[i]) << i;
        EXPECT_EQ(clock[i].FirstMinute, firsts[i]) << i;
        EXPECT_EQ(clock[i].LastMinute, lasts[i]) << i;
    }
    const Place madrid{40, 25, 3, 42, false, false};
    const TimeWindowReading w = ReadTimeWindow(BirthOn(1985, 9, 29, madrid), clock, {}, 84);
    EXPECT_TRUE(w.Repeated);
    EXPECT_TRUE(w.Skipped.empty());
    int firstPass = 0, secondPass = 0;
    for (const TimeRun& run : w.Runs) {
        const int minutes = run.LastMinute - run.FirstMinute + 1;
        if (run.Fold == ClockFold::First) firstPass += minutes;
        if (run.Fold == ClockFold::Second) secondPass += minutes;
        if (run.Fold != ClockFold::None) {
            EXPECT_TRUE(run.FirstMinute >= 120 && run.LastMinute <= 179);
        }
    }
    EXPECT_EQ(firstPass, 60);
    EXPECT_EQ(secondPass, 60);
}

// Any change of offset at any instant of a day: each clock minute is read once for every offset under
// which it happened, with that offset, and the marks say which pass it was.
TEST(TimeWindow, ClockChangeDaysAgreeWithSingleReadings) {
    std::mt19937 random(1985);
    const auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int trial = 0; trial < 60; ++trial) {
        const int year = pick(kFirstYear, kLastYear), month = pick(1, 12), day = pick(1, DaysIn(year, month));
        const Place place{pick(0, 89), pick(0, 59), pick(0, 179), pick(0, 59), pick(0, 1) == 1, pick(0, 1) == 1};
        const int before = pick(-12, 14) * 1800 + (trial % 5 == 0 ? pick(-1799, 1799) : 0);
        const int after = before + (pick(0, 1) == 1 ? 3600 : -3600) * pick(1, 2);
        // The change falls within the local day under both offsets.
        const long long change = pick(8 * 3600, 16 * 3600) - before;
        const ClockPeriod periods[] = {{-2 * 86400, before}, {change, after}};
        const auto clock = StretchesOfDay(periods);
        const TimeWindowReading w = ReadTimeWindow(BirthOn(year, month, day, place), clock, {}, year - kFirstYear);

        std::vector<int> timesRead(kMinutesPerDay, 0);
        for (const TimeRun& run : w.Runs)
            for (int minute = run.FirstMinute; minute <= run.LastMinute; ++minute) {
                // The offsets under which this clock minute happened.
                const bool underBefore = minute * 60LL - before < change, underAfter = minute * 60LL - after >= change;
                if (!underBefore && !underAfter) {
                    // A run goes on over the skipped minutes, which are listed as such and read by none.
                    const bool listed = std::any_of(w.Skipped.begin(), w.Skipped.end(), [minute](const MinuteRange& r) {
                        return r.First <= minute && minute <= r.Last;
                    });
                    ASSERT_TRUE(listed) << "minute " << minute << " never happened; trial " << trial;
                    continue;
                }
                const bool twice = underBefore && underAfter;
                EXPECT_EQ(run.Fold != ClockFold::None, twice) << minute;
                const int secondsEast = run.Fold == ClockFold::Second || !underBefore ? after : before;
                ASSERT_EQ(run.Signs, SignsOf(SingleReading(year, month, day, minute, place,
                                                           ZoneOffset::FromSecondsWest(-secondsEast), false)))
                    << "trial " << trial << " minute " << minute;
                ++timesRead[static_cast<std::size_t>(minute)];
            }
        for (int minute = 0; minute < kMinutesPerDay; ++minute) {
            const bool underBefore = minute * 60LL - before < change, underAfter = minute * 60LL - after >= change;
            EXPECT_EQ(timesRead[static_cast<std::size_t>(minute)], int{underBefore} + int{underAfter}) << minute;
        }
        int skipped = 0;
        for (const MinuteRange& r : w.Skipped) skipped += r.Last - r.First + 1;
        EXPECT_EQ(skipped, after > before ? (after - before) / 60 : 0) << trial;
    }
}

TEST(TimeWindow, WindowsAsWritten) {
    EXPECT_EQ(ParseMinuteWindow("unknown")->From, 0);
    EXPECT_EQ(ParseMinuteWindow(" Unknown ")->To, kLastMinuteOfDay);
    const auto morning = ParseMinuteWindow("06:00-12:00");
    ASSERT_TRUE(morning);
    EXPECT_EQ(morning->From, 360);
    EXPECT_EQ(morning->To, 720);
    EXPECT_EQ(ParseMinuteWindow("6:05\xE2\x80\x93"
                                "6:05")
                  ->To,
              365);
    EXPECT_TRUE(ParseMinuteWindow("00:00-23:59"));
    for (const char* bad : {"12:00-06:00", "06:00-24:00", "06:00", "06:00-", "-06:00", "06:60-07:00", "06:00:00-07:00",
                            "6-7", "", "unknow", "06:00-07:00-08:00"})
        EXPECT_FALSE(ParseMinuteWindow(bad)) << bad;
    EXPECT_EQ(MinuteText(0), "00:00");
    EXPECT_EQ(MinuteText(1439), "23:59");
    EXPECT_EQ(MinuteText(107), "01:47");
}

}  // namespace
}  // namespace quorvane
