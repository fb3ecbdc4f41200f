// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decimal degrees as the birth-data form takes them: whole degrees, whole minutes, hemisphere.

namespace quorvane {

struct DegreesMinutes {
    int Degrees = 0;
    int Minutes = 0;        // 0..59
    char Hemisphere = 'N';  // 'N' or 'S' for latitude, 'E' or 'W' for longitude
    bool Clamped = false;   // the value lay beyond what the form accepts and was pulled in
};

// Minutes are rounded to the nearest; 59.5 minutes and more carry into the next degree. A value that
// rounds to 0°00' counts as north. The form takes at most 89°59' of latitude.
DegreesMinutes LatitudeToDegreesMinutes(double latitude);

// As latitude, with 'E'/'W'. The form takes at most 179°59' of longitude, so 180°00' (the date line,
// where east and west meet) becomes 179°59' with the hemisphere of the sign: one arc-minute, under
// 2 km, is far below what a birth reading can tell apart.
DegreesMinutes LongitudeToDegreesMinutes(double longitude);

}  // namespace quorvane
