// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/coordinates.h"

#include <cmath>

namespace quorvane {
namespace {

DegreesMinutes Split(double value, int maxDegrees, char positive, char negative) {
    DegreesMinutes dm;
    long totalMinutes = std::lround(std::fabs(value) * 60.0);
    const long limit = maxDegrees * 60L + 59;
    if (totalMinutes > limit) {
        totalMinutes = limit;
        dm.Clamped = true;
    }
    dm.Degrees = static_cast<int>(totalMinutes / 60);
    dm.Minutes = static_cast<int>(totalMinutes % 60);
    dm.Hemisphere = (value < 0 && totalMinutes != 0) ? negative : positive;
    return dm;
}

}  // namespace

DegreesMinutes LatitudeToDegreesMinutes(double latitude) {
    return Split(latitude, 89, 'N', 'S');
}

DegreesMinutes LongitudeToDegreesMinutes(double longitude) {
    return Split(longitude, 179, 'E', 'W');
}

}  // namespace quorvane
