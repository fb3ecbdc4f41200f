// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/moon.h"

#include <array>
#include <cmath>

namespace quorvane {

namespace {

// The Moon's longitude is the 25 largest periodic terms of the lunar theory ELP-2000/82 as abridged by
// J. Meeus, "Astronomical Algorithms" (1st ed., 1991, chapter "Position of the Moon": the mean arguments
// L', D, M, M', F and the eccentricity factor E, and the table of the terms in Sigma l, coefficients in
// 1e-6 degree there). The book's table has 60 terms and three additive terms (Venus, Jupiter, the
// flattening of the Earth); the 35 terms and the three additions left out here have amplitudes that sum
// to 0.048 degree, a bound on what the truncation costs (the book's full table is good to about 10").
// The mean arguments' terms in T squared and beyond are left out too: under 0.002 degree from 1901 to 2050.
// The result is the geometric longitude referred to the mean equinox of date (no nutation), for T in
// Julian centuries of Universal Time: the half to one minute of Delta T is not added (0.01 degree at most).
struct LongitudeTerm {
    signed char D, M, Mp, F;
    double Coefficient;  // degrees; the rows with M are scaled by E once
};

constexpr std::array<LongitudeTerm, 25> kTerms{{
    {0, 0, 1, 0, 6.288774},  {2, 0, -1, 0, 1.274027},  {2, 0, 0, 0, 0.658314},   {0, 0, 2, 0, 0.213618},
    {0, 1, 0, 0, -0.185116}, {0, 0, 0, 2, -0.114332},  {2, 0, -2, 0, 0.058793},  {2, -1, -1, 0, 0.057066},
    {2, 0, 1, 0, 0.053322},  {2, -1, 0, 0, 0.045758},  {0, 1, -1, 0, -0.040923}, {1, 0, 0, 0, -0.034720},
    {0, 1, 1, 0, -0.030383}, {2, 0, 0, -2, 0.015327},  {0, 0, 1, 2, -0.012528},  {0, 0, 1, -2, 0.010980},
    {4, 0, -1, 0, 0.010675}, {0, 0, 3, 0, 0.010034},   {4, 0, -2, 0, 0.008548},  {2, 1, -1, 0, -0.007888},
    {2, 1, 0, 0, -0.006766}, {1, 0, -1, 0, -0.005163}, {1, 1, 0, 0, 0.004987},   {2, -1, 1, 0, 0.004036},
    {2, 0, 2, 0, 0.003994},
}};

}  // namespace

double MoonLongitude(double T) {
    const double Lp = 218.3164591 + 481267.88134236 * T;  // stays in degrees, unreduced
    const double D = (297.8502042 + 445267.1115168 * T) * DegToRad;
    const double M = (357.5291092 + 35999.0502909 * T) * DegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * T) * DegToRad;
    const double F = (93.2720993 + 483202.0175273 * T) * DegToRad;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T * T;

    double sum = 0.0;
    for (const LongitudeTerm& t : kTerms) {
        double term = t.Coefficient * std::sin(t.D * D + t.M * M + t.Mp * Mp + t.F * F);
        if (t.M != 0) term *= E;
        sum += term;
    }
    return NormalizeDegrees(Lp + sum);
}

int ComputeMoonDegree(const BirthMoment& moment) {
    return WholeDegree(MoonLongitude(moment.JulianCenturies));
}

}  // namespace quorvane
