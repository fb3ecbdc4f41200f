// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things lie on the galactic wheel, as plain numbers: no painting here.
// Angles are in degrees, counter-clockwise from 3 o'clock, as on a chart wheel with the Ascendant at
// 9 o'clock and longitude increasing counter-clockwise.

#include <array>
#include <string>
#include <vector>

#include "common/angles.h"
#include "galactic/galactic_signs.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"

namespace quorvane::wheel {

// The drawing angle of an ecliptic longitude when the Ascendant has the given longitude.
double WheelAngle(double longitude, double ascendantLongitude);

// A galactic sign's span of longitude, start inclusive, end exclusive; End may exceed 360 (Build: 346..400).
// Whole degree d covers the longitudes d to d + 1, so the sign owning whole degrees a..b spans a to b + 1.
struct SignSector {
    const GalacticSign* Sign;
    double Start;
    double End;
};
// The twelve sectors in degree order, Build first, taken from the degree table itself.
const std::array<SignSector, kGalacticSignCount>& GalacticSectors();

// A point of the birth: a real position (Sun, Moon, Ascendant, Descendant).
struct BodyPoint {
    std::string Name;
    double Longitude;
};
std::array<BodyPoint, 4> BodyPoints(const GalacticReading& reading);

// With the birth time unknown there is no Ascendant to turn the wheel by: it is drawn with this longitude at
// 9 o'clock, the start of the tropical Aries, and neither the Ascendant nor the Descendant is marked.
inline constexpr double kUnturnedAscendant = 0.0;

// A point that moves over the window of an unknown birth time: from where it stood at the window's first
// minute read, counter-clockwise (as longitude grows) by Span degrees, to where it stood at the last.
struct BodyArc {
    std::string Name;   // "Sun", "Moon"
    double From = 0.0;  // longitude, 0..360
    double Span = 0.0;  // 0 <= Span < 360; a whole day moves the Sun about one degree, the Moon about 12 to 15
    double To() const;  // the longitude at the last minute, folded into 0..360
};
std::array<BodyArc, 2> BodyArcs(const TimeWindowReading& window);

// The degree one frame of the reading form actually looks up, and why.
struct ReadPoint {
    std::string Frame;         // "Galactic Ascendant", ...
    int Degree;                // the whole degree looked up, 0..360
    std::string Source;        // "the Moon", "opposite the Sun", ...
    double Longitude() const;  // the middle of that degree, folded into 0..360
};
// In frame order: Ascendant, Descendant, Moon Sign, Sun Sign.
std::array<ReadPoint, 4> ReadPoints(const GalacticReading& reading);

// 84.2236 -> "84°13′" (arcminutes truncated, as the whole degree is).
std::string ArcMinuteText(double longitude);

// Label angles for points at the given angles, in the same order: each label stays as near its point as
// it can while every two labels are at least minGap degrees apart around the circle.
std::vector<double> SpreadLabels(const std::vector<double>& angles, double minGap);

// Signed smallest difference b - a, in -180..180.
double AngleDifference(double a, double b);

}  // namespace quorvane::wheel
