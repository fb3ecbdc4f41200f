#include "engine/sun_ascendant.h"

#include <cmath>

#include "engine/moon.h"

namespace quorvane {

double DayNumberJ2000(int year, int month, int day, int hour, int minute, int second) {
    // Whole-minute instants add 0.0 for the seconds, which leaves their day number bit for bit as it was.
    const double Y = year;
    return 367.0 * Y - std::floor(7.0 * (Y + std::floor((month + 9) / 12.0)) / 4.0) +
           std::floor(275.0 * month / 9.0) + day - 730531.5 + (hour + minute / 60.0 + second / 3600.0) / 24.0;
}

EarthOrbit EarthElements(double T) {
    EarthOrbit o;
    o.SemiMajorAxis = 1.00000011 - 0.00000005 * T;
    o.Eccentricity = 0.01671022 - 0.00003804 * T;
    o.PerihelionLongitude = (102.94719 + 1198.28 * T / 3600.0) * DegToRad;
    o.MeanLongitude = WrapTwoPi((100.46435 + 129597740.63 * T / 3600.0) * DegToRad);
    return o;
}

double WrapTwoPi(double x) {
    const double q = x / TwoPi;
    const double w = q >= 0 ? std::floor(q) : std::floor(q) + 1.0;
    double r = (q - w) * TwoPi;
    if (r < 0) r += TwoPi;
    return r;
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
    const double M = WrapTwoPi(o.MeanLongitude - o.PerihelionLongitude);
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

namespace {

// Subtracts whole turns while the angle is 360 or more; a negative angle is left as it is.
double FoldDownBelow360(double degrees) {
    return degrees >= 360.0 ? std::fmod(degrees, 360.0) : degrees;
}

}  // namespace

double AscendantLongitude(const BirthMoment& moment) {
    const double U = moment.UniversalHours;
    const double T1900 = (moment.JulianDayNumber - 2415020.0 + U / 24.0 - 0.5) / 36525.0;
    const double theta =
        FoldDownBelow360(15.0 * (6.6460656 + 2400.0513 * T1900 + 0.0000258 * T1900 * T1900 + U) -
                         moment.SignedLongitude);
    const double thetaR = theta * DegToRad;
    const double epsilon = (23.452294 - 0.0130125 * T1900) * DegToRad;
    double A = QuadrantAtan(std::cos(thetaR), -std::sin(thetaR) * std::cos(epsilon) -
                                                   std::sin(epsilon) * std::tan(moment.SignedLatitude * DegToRad));
    if (A < 0) A += Pi;
    if (std::cos(thetaR) < 0) A += Pi;
    return FoldDownBelow360(A * RadToDeg);
}

int ComputeAscendantDegree(const BirthMoment& moment) { return WholeDegree(AscendantLongitude(moment)); }

ExactLongitudes ComputeLongitudes(const BirthData& birth, ZoneOffset zone) {
    const BirthMoment moment = ComputeBirthMoment(birth, zone);
    const CivilDateTime ut = UniversalDateTime(birth, zone);
    return {SunLongitude(DayNumberJ2000(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute, ut.Second)),
            MoonLongitude(moment.JulianCenturies), AscendantLongitude(moment)};
}

WholeDegrees WholeDegreesOf(const ExactLongitudes& longitudes) {
    return {WholeDegree(longitudes.Sun), WholeDegree(longitudes.Moon), WholeDegree(longitudes.Ascendant)};
}

WholeDegrees ComputeWholeDegrees(const BirthData& birth, ZoneOffset zone) {
    const BirthMoment moment = ComputeBirthMoment(birth, zone);
    return {ComputeSunDegree(birth, zone), ComputeMoonDegree(moment), ComputeAscendantDegree(moment)};
}

}  // namespace quorvane
