// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the wheel puts things, as numbers: sign boundaries, the points of a birth for a given Ascendant,
// what each frame reads in both phases, the arcminute text and the spreading of crowded labels.

#include <gtest/gtest.h>

#include <cmath>

#include "report/wheel_geometry.h"

using namespace quorvane;
using namespace quorvane::wheel;

namespace {

GalacticReading Reading(double sun, double moon, double asc, MoonPhase phase) {
    GalacticReading r;
    r.SunLongitude = sun;
    r.MoonLongitude = moon;
    r.AscendantLongitude = asc;
    r.Degrees = {static_cast<int>(std::floor(sun)), static_cast<int>(std::floor(moon)),
                 static_cast<int>(std::floor(asc))};
    r.Phase = phase;
    return r;
}

const SignSector& Sector(const char* name) {
    for (const SignSector& s : GalacticSectors())
        if (s.Sign->Name == name) return s;
    throw std::logic_error(name);
}

}  // namespace

TEST(WheelGeometry, SectorsCoverTheCircleOnceAtTheirTrueWidths) {
    double total = 0;
    const auto& sectors = GalacticSectors();
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        total += sectors[i].End - sectors[i].Start;
        // Each sign ends where the next begins, Nurture's end meeting Build's start across 0.
        const SignSector& next = sectors[(i + 1) % sectors.size()];
        EXPECT_DOUBLE_EQ(FoldAngle(sectors[i].End), FoldAngle(next.Start)) << sectors[i].Sign->Name;
    }
    EXPECT_DOUBLE_EQ(total, 360.0);
    // Build owns whole degrees 346..359 and 0..39: longitudes 346 up to 40, across 0.
    EXPECT_DOUBLE_EQ(Sector("Build").Start, 346.0);
    EXPECT_DOUBLE_EQ(Sector("Build").End, 400.0);
    EXPECT_DOUBLE_EQ(Sector("Trade").Start, 40.0);
    EXPECT_DOUBLE_EQ(Sector("Trade").End, 69.0);
    EXPECT_DOUBLE_EQ(Sector("Nurture").Start, 303.0);
    EXPECT_DOUBLE_EQ(Sector("Nurture").End, 346.0);
}

TEST(WheelGeometry, AscendantAtNineOClockAndLongitudeCounterClockwise) {
    for (double asc : {0.0, 104.0, 273.5, 359.9}) {
        EXPECT_DOUBLE_EQ(WheelAngle(asc, asc), 180.0);
        EXPECT_NEAR(WheelAngle(asc + 180.0, asc), 0.0, 1e-9);   // the Descendant at 3 o'clock
        EXPECT_NEAR(WheelAngle(asc + 90.0, asc), 270.0, 1e-9);  // 90 degrees on lies at 6 o'clock
    }
    // With the Ascendant at 104, Build's first boundary (346) lies 242 degrees on from 9 o'clock.
    EXPECT_NEAR(WheelAngle(Sector("Build").Start, 104.0), 62.0, 1e-9);
    EXPECT_NEAR(WheelAngle(Sector("Teach").Start, 104.0), FoldAngle(180.0 + Sector("Teach").Start - 104.0), 1e-9);
}

TEST(WheelGeometry, BodyPointsAreTheExactLongitudesWithTheDescendantOpposite) {
    const auto points = BodyPoints(Reading(84.14, 45.65, 350.5, MoonPhase::Waning));
    EXPECT_EQ(points[0].Name, "Sun");
    EXPECT_DOUBLE_EQ(points[0].Longitude, 84.14);
    EXPECT_DOUBLE_EQ(points[1].Longitude, 45.65);
    EXPECT_DOUBLE_EQ(points[2].Longitude, 350.5);
    EXPECT_EQ(points[3].Name, "Descendant");
    EXPECT_DOUBLE_EQ(points[3].Longitude, 170.5);
}

TEST(WheelGeometry, FramesReadTheirDegreesInBothPhases) {
    // Sun 280, Moon 223, Ascendant 24: waning gives 43, 223, 204, 100; waxing 223, 43, 24, 100.
    const auto waning = ReadPoints(Reading(280.2, 223.3, 24.7, MoonPhase::Waning));
    EXPECT_EQ(waning[0].Frame, "Galactic Ascendant");
    EXPECT_EQ(waning[0].Degree, 43);
    EXPECT_EQ(waning[1].Degree, 223);
    EXPECT_EQ(waning[2].Degree, 204);
    EXPECT_EQ(waning[3].Frame, "Galactic Sun Sign");
    EXPECT_EQ(waning[3].Degree, 100);
    EXPECT_EQ(waning[3].Source, "opposite the Sun");
    const auto waxing = ReadPoints(Reading(280.2, 223.3, 24.7, MoonPhase::Waxing));
    EXPECT_EQ(waxing[0].Degree, 223);
    EXPECT_EQ(waxing[1].Degree, 43);
    EXPECT_EQ(waxing[2].Degree, 24);
    EXPECT_EQ(waxing[2].Source, "the Ascendant");
    EXPECT_EQ(waxing[3].Degree, 100);
    // A read degree is marked in the middle of the degree.
    EXPECT_DOUBLE_EQ(waning[1].Longitude(), 223.5);
}

TEST(WheelGeometry, ArcMinutesAreTruncatedLikeTheWholeDegree) {
    EXPECT_EQ(ArcMinuteText(84.2236), "84\u00B013\u2032");
    EXPECT_EQ(ArcMinuteText(0.0), "0\u00B000\u2032");
    EXPECT_EQ(ArcMinuteText(359.9999), "359\u00B059\u2032");
    EXPECT_EQ(ArcMinuteText(12.5), "12\u00B030\u2032");
    EXPECT_EQ(ArcMinuteText(360.0), "0\u00B000\u2032");
}

TEST(WheelGeometry, LabelsApartStayOnTheirPoints) {
    const std::vector<double> angles{10, 100, 190, 280};
    EXPECT_EQ(SpreadLabels(angles, 22), angles);
}

TEST(WheelGeometry, CrowdedLabelsSpreadAroundTheirMeanAndKeepTheirOrder) {
    // A Sun-Moon conjunction beside the Ascendant.
    const std::vector<double> angles{181, 180, 183, 0};
    const std::vector<double> out = SpreadLabels(angles, 22);
    for (std::size_t i = 0; i < out.size(); ++i)
        for (std::size_t j = i + 1; j < out.size(); ++j)
            EXPECT_GE(std::abs(AngleDifference(out[i], out[j])), 22 - 1e-9) << i << " " << j;
    EXPECT_LT(out[1], out[0]);
    EXPECT_LT(out[0], out[2]);
    EXPECT_NEAR((out[0] + out[1] + out[2]) / 3, (181 + 180 + 183) / 3.0, 1e-9);
    EXPECT_DOUBLE_EQ(out[3], 0);
}

TEST(WheelGeometry, CrowdedLabelsAcrossZeroSpreadAcrossZero) {
    const std::vector<double> out = SpreadLabels({359, 1, 2}, 20);
    EXPECT_GE(std::abs(AngleDifference(out[0], out[1])), 20 - 1e-9);
    EXPECT_GE(std::abs(AngleDifference(out[1], out[2])), 20 - 1e-9);
    EXPECT_GE(std::abs(AngleDifference(out[0], out[2])), 20 - 1e-9);
    // Centred on the points' mean, 0.67, not on 120.67 as a naive average would give.
    EXPECT_NEAR(AngleDifference(0.0, out[1]), 2.0 / 3.0, 1e-9);
    for (double a : out) {
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 360);
    }
}

TEST(WheelGeometry, MoreLabelsThanFitShareTheCircleEvenly) {
    const std::vector<double> out = SpreadLabels({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 50);
    for (std::size_t i = 0; i + 1 < out.size(); ++i)
        EXPECT_NEAR(std::abs(AngleDifference(out[i], out[i + 1])), 36.0, 1e-9);
}

namespace {

BirthData LondonOn(int year, int month, int day) {
    BirthData birth;
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.LatitudeDegrees = 51;
    birth.LatitudeMinutes = 30;
    birth.LongitudeMinutes = 7;
    birth.IsEast = false;
    return birth;
}

GalacticReading AtMinute(BirthData birth, int minute, ZoneOffset zone) {
    birth.Hour = static_cast<std::int16_t>(minute / 60);
    birth.Minute = static_cast<std::int16_t>(minute % 60);
    birth.Second = 0;
    return MakeGalacticReading(birth, zone, birth.Year - kFirstYear);
}

}  // namespace

// With the time unknown the Sun and the Moon are arcs: each begins where a reading of the window's first minute
// puts it and ends where one of its last minute does, the way longitude grows, across 0 degrees too.
TEST(WheelGeometry, ArcsRunFromTheWindowsFirstMinuteToItsLast) {
    const ZoneOffset zone = ZoneOffset::FromSecondsWest(5 * 3600);
    const std::vector<ClockStretch> clock = SteadyClock(zone, false);
    bool crossedZero = false;
    for (int day = 1; day <= 28; ++day) {
        const BirthData birth = LondonOn(1985, 2, day);
        for (const MinuteWindow window : {MinuteWindow{}, MinuteWindow{6 * 60, 12 * 60 + 30}, MinuteWindow{600, 600}}) {
            const auto arcs = BodyArcs(ReadTimeWindow(birth, clock, window, 1985 - kFirstYear));
            const GalacticReading first = AtMinute(birth, window.From, zone), last = AtMinute(birth, window.To, zone);
            EXPECT_EQ(arcs[0].Name, "Sun");
            EXPECT_EQ(arcs[1].Name, "Moon");
            EXPECT_DOUBLE_EQ(arcs[0].From, first.SunLongitude);
            EXPECT_DOUBLE_EQ(arcs[1].From, first.MoonLongitude);
            EXPECT_NEAR(arcs[0].To(), last.SunLongitude, 1e-9);
            EXPECT_NEAR(arcs[1].To(), last.MoonLongitude, 1e-9);
            // A day moves the Sun about a degree and the Moon 12 to 15, never backwards.
            const double hours = (window.To - window.From) / 60.0;
            EXPECT_LE(arcs[0].Span, 1.05 * hours / 24 + 1e-9);
            EXPECT_GE(arcs[1].Span, 11.5 * hours / 24);
            EXPECT_LE(arcs[1].Span, 15.5 * hours / 24 + 1e-9);
            if (arcs[1].To() < arcs[1].From) crossedZero = true;
        }
    }
    // February 1985's Moon passes 0 degrees on one of these days: that arc is short too, not nearly a circle.
    EXPECT_TRUE(crossedZero);

    TimeWindowReading across;
    across.First.MoonLongitude = 355.5;
    across.Last.MoonLongitude = 7.25;
    EXPECT_DOUBLE_EQ(BodyArcs(across)[1].Span, 11.75);
    EXPECT_DOUBLE_EQ(BodyArcs(across)[1].To(), 7.25);
}

// On a day the clock skips an hour, the arcs end at the window's last minute that happened.
TEST(WheelGeometry, ArcsEndAtTheLastMinuteThatHappened) {
    // Madrid, 31 March 1985: at 01:00 UTC the clock went from 02:00 to 03:00 (UTC+1 to UTC+2).
    const std::vector<ClockPeriod> periods{{-24 * 3600, 3600}, {3600, 7200}};
    const std::vector<ClockStretch> clock = StretchesOfDay(periods);
    const BirthData birth = LondonOn(1985, 3, 31);
    const TimeWindowReading window = ReadTimeWindow(birth, clock, {60, 150}, 1985 - kFirstYear);
    ASSERT_EQ(window.Skipped.size(), 1u);
    const auto arcs = BodyArcs(window);
    // 02:00 to 02:30 never came: the last minute read is 01:59 at UTC+1.
    EXPECT_NEAR(arcs[1].To(), AtMinute(birth, 119, ZoneOffset::FromSecondsWest(-3600)).MoonLongitude, 1e-9);
    EXPECT_DOUBLE_EQ(arcs[1].From, AtMinute(birth, 60, ZoneOffset::FromSecondsWest(-3600)).MoonLongitude);
}
