// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun from the Earth's mean J2000 Keplerian elements; the Ascendant from sidereal time and obliquity.

#include "common/whole_degrees.h"
#include "engine/time_scales.h"

namespace quorvane {

struct EarthOrbit {
    double SemiMajorAxis;  // AU
    double Eccentricity;
    double PerihelionLongitude;  // radians, not folded
    double MeanLongitude;        // radians, folded into 0..2pi (FoldAngle)
};

// Days from 2000 January 1, 12:00; every fourth year is a leap year (exact 1900-03-01 .. 2100-02-28).
double DayNumberJ2000(int year, int month, int day, int hour, int minute, int second = 0);
EarthOrbit EarthElements(double T);
// True anomaly in 0..2pi; the Newton iteration stops at 1e-12 rad or after a bounded number of steps.
double SolveKepler(double M, double e);
// Angle of the point (x, y) in -pi..pi; (0, x<0) gives pi.
double QuadrantAtan(double y, double x);

// The Sun's geocentric longitude in degrees (0..360) for d days from J2000.0.
double SunLongitude(double d);
// The Sun at the birth instant: the civil date and time shifted by calendar arithmetic.
int ComputeSunDegree(const BirthData& birth, ZoneOffset zone);

// The ecliptic longitude rising in the east, in degrees 0..360 (excluding 360).
double AscendantLongitude(const BirthMoment& moment);
int ComputeAscendantDegree(const BirthMoment& moment);

// The three longitudes of one birth in degrees, all at the same instant; the whole degrees are their floors.
struct ExactLongitudes {
    double Sun = 0.0;
    double Moon = 0.0;
    double Ascendant = 0.0;
};
ExactLongitudes ComputeLongitudes(const BirthData& birth, ZoneOffset zone);
// The three whole degrees of one birth: the floors of its longitudes.
WholeDegrees WholeDegreesOf(const ExactLongitudes& longitudes);

}  // namespace quorvane
