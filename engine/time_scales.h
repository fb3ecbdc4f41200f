// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birth instant on the astronomical time scale, and the folding of angles.

#include "common/birth_data.h"
#include "common/civil_date_time.h"

namespace quorvane {

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;

struct BirthMoment {
    double LocalHours = 0;       // the clock time to the second
    double SignedLatitude = 0;   // north positive
    double SignedLongitude = 0;  // WEST positive
    double ZoneOffsetHours = 0;  // signed zone offset, west positive, less one hour under daylight saving
    double UniversalHours = 0;   // from 0h of the civil birth date; may lie outside 0..24
    double JulianDayNumber = 0;  // of the civil (local) birth date
    double JulianDate = 0;
    double JulianCenturies = 0;  // from J2000.0
};

// Day number of a civil date; dates after 4 October 1582 count as Gregorian. Validates nothing.
double JulianDayNumber(int month, int day, int year);

// One instant for the Sun, the Moon and the Ascendant: the clock time moved by the zone's signed offset
// (a row's, or an exact one to the second), one hour earlier under daylight saving. The zone's direction is the row's
// own, never the birthplace's hemisphere.
BirthMoment ComputeBirthMoment(const BirthData& birth, ZoneOffset zone);

// The birth instant as a Universal date and time to the second (proleptic Gregorian; midnight, month and
// year roll over).
CivilDateTime UniversalDateTime(const BirthData& birth, ZoneOffset zone);

// Adds 360 while below 0, then subtracts 360 while above 360; 0 and 360 stay as they are.
double NormalizeDegrees(double x);

// Floor of a longitude as a whole degree; a non-finite longitude gives 0 rather than undefined behaviour.
int WholeDegree(double longitude);

}  // namespace quorvane
