// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sun_ascendant.h"

#include <cmath>

#include "common/angles.h"
#include "engine/moon.h"

namespace quorvane {

double DayNumberJ2000(int year, int month, int day, int hour, int minute, int second) {
    // Whole-minute instants add 0.0 for the seconds, which leaves their day number bit for bit as it was.
    const double Y = year;
    return 367.0 * Y - std::floor(7.0 * (Y + std::floor((month + 9) / 12.0)) / 4.0) + std::floor(275.0 * month / 9.0) +
           day - 730531.5 + (hour + minute / 60.0 + second / 3600.0) / 24.0;
}

// The Earth's (strictly, the Earth-Moon barycentre's) mean Keplerian elements at J2000.0 and their rates
// per Julian century, as tabulated by E. M. Standish in the "Explanatory Supplement to the Astronomical
// Almanac" (1992, P. K. Seidelmann ed., the table of Keplerian elements and rates for approximate
// positions of the major planets), valid from 1800 to 2050. They are referred to the mean ecliptic and
// equinox of J2000.0: no precession to the equinox of date is applied, so the longitude is that of the
// J2000 equinox (1.397 degree a century behind the equinox of date after 2000, ahead of it before). Within
// that frame the elements give the Sun's geometric longitude to about 0.01 degree; aberration (-20.5") and
// nutation (up to 17") are not applied.
EarthOrbit EarthElements(double T) {
    EarthOrbit o;
    o.SemiMajorAxis = 1.00000011 - 0.00000005 * T;
    o.Eccentricity = 0.01671022 - 0.00003804 * T;
    o.PerihelionLongitude = (102.94719 + 1198.28 * T / 3600.0) * DegToRad;
    o.MeanLongitude = FoldAngle((100.46435 + 129597740.63 * T / 3600.0) * DegToRad, TwoPi);
    return o;
}

double SolveKepler(double M, double e) {
    // Two Newton steps suffice for the Earth's orbit; the cap only guards against input that never settles.
    constexpr int kMaxIterations = 50;
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    for (int i = 0; i < kMaxIterations; ++i) {
        const double previous = E;
        E = previous - (previous - e * std::sin(previous) - M) / (1.0 - e * std::cos(previous));
        if (!(std::fabs(previous - E) > 1e-12)) break;
    }
    double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (nu < 0) nu += TwoPi;
    return nu;
}

double QuadrantAtan(double y, double x) {
    const double sgn = y > 0 ? 1.0 : (y < 0 ? -1.0 : 0.0);
    if (x > 0) return std::atan(y / x);
    if (x == 0) return sgn * Pi / 2.0;
    if (y == 0) return Pi;  // on the negative x-axis
    return sgn * (Pi - std::atan(std::fabs(y / x)));
}

double SunLongitude(double d) {
    const double T = d / 36525.0;
    const EarthOrbit o = EarthElements(T);
    const double M = FoldAngle(o.MeanLongitude - o.PerihelionLongitude, TwoPi);
    const double nu = SolveKepler(M, o.Eccentricity);
    const double e = o.Eccentricity;
    const double r = o.SemiMajorAxis * (1.0 - e * e) / (1.0 + e * std::cos(nu));
    const double x = r * std::cos(nu + o.PerihelionLongitude);
    const double y = r * std::sin(nu + o.PerihelionLongitude);
    // The Sun seen from the Earth lies opposite the Earth seen from the Sun.
    return NormalizeDegrees(QuadrantAtan(-y, -x) * (180.0 / 3.14159265358979));
}

int ComputeSunDegree(const BirthData& birth, ZoneOffset zone) {
    const CivilDateTime ut = UniversalDateTime(birth, zone);
    return WholeDegree(SunLongitude(DayNumberJ2000(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute, ut.Second)));
}

// Greenwich mean sidereal time is S. Newcomb's expression, counted from 1900 January 0.5: 6h 38m 45.836s +
// 8,640,184.542s T + 0.0929s T squared (6.6460656 h + 2400.0513 h T + 0.0000258 h T squared), and the
// obliquity of the ecliptic his 23 deg 27' 8.26" - 46.845" T (23.452294 - 0.0130125 T degrees), as the
// "Explanatory Supplement to the Astronomical Ephemeris" (1961) gives them. Over 1901 to 2050 the
// sidereal time agrees with the IAU 1982 expression to well under a second, and the obliquity with the
// IAU 1980 one to about 1". Both are mean values: nutation (up to 1.2 s of sidereal time and 9" of
// obliquity) is not applied, which moves the Ascendant by at most a few arcminutes at high latitudes.
double AscendantLongitude(const BirthMoment& moment) {
    const double U = moment.UniversalHours;
    const double T1900 = (moment.JulianDayNumber - 2415020.0 + U / 24.0 - 0.5) / 36525.0;
    const double theta =
        FoldAngle(15.0 * (6.6460656 + 2400.0513 * T1900 + 0.0000258 * T1900 * T1900 + U) - moment.SignedLongitude);
    const double thetaR = theta * DegToRad;
    const double epsilon = (23.452294 - 0.0130125 * T1900) * DegToRad;
    double A = QuadrantAtan(std::cos(thetaR), -std::sin(thetaR) * std::cos(epsilon) -
                                                  std::sin(epsilon) * std::tan(moment.SignedLatitude * DegToRad));
    if (A < 0) A += Pi;
    if (std::cos(thetaR) < 0) A += Pi;
    return FoldAngle(A * RadToDeg);
}

int ComputeAscendantDegree(const BirthMoment& moment) {
    return WholeDegree(AscendantLongitude(moment));
}

ExactLongitudes ComputeLongitudes(const BirthData& birth, ZoneOffset zone) {
    const BirthMoment moment = ComputeBirthMoment(birth, zone);
    const CivilDateTime ut = UniversalDateTime(birth, zone);
    return {SunLongitude(DayNumberJ2000(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute, ut.Second)),
            MoonLongitude(moment.JulianCenturies), AscendantLongitude(moment)};
}

WholeDegrees WholeDegreesOf(const ExactLongitudes& longitudes) {
    return {WholeDegree(longitudes.Sun), WholeDegree(longitudes.Moon), WholeDegree(longitudes.Ascendant)};
}

}  // namespace quorvane
