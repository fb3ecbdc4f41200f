// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/coordinates.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

void ExpectDm(const DegreesMinutes& dm, int degrees, int minutes, char hemisphere, bool clamped = false) {
    EXPECT_EQ(dm.Degrees, degrees);
    EXPECT_EQ(dm.Minutes, minutes);
    EXPECT_EQ(dm.Hemisphere, hemisphere);
    EXPECT_EQ(dm.Clamped, clamped);
}

TEST(Coordinates, MinutesRoundToNearest) {
    ExpectDm(LatitudeToDegreesMinutes(40.4165), 40, 25, 'N');   // 24.99'
    ExpectDm(LongitudeToDegreesMinutes(-3.70256), 3, 42, 'W');  // 42.15'
    ExpectDm(LatitudeToDegreesMinutes(-23.5475), 23, 33, 'S');  // 32.85'
    ExpectDm(LongitudeToDegreesMinutes(10 + 59.4 / 60), 10, 59, 'E');
}

TEST(Coordinates, MinutesCarryIntoTheNextDegree) {
    ExpectDm(LatitudeToDegreesMinutes(40.9999), 41, 0, 'N');
    ExpectDm(LongitudeToDegreesMinutes(-(10 + 59.6 / 60)), 11, 0, 'W');
    ExpectDm(LongitudeToDegreesMinutes(179.99), 179, 59, 'E');
}

TEST(Coordinates, NearZeroTakesTheDefaultHemisphere) {
    ExpectDm(LatitudeToDegreesMinutes(-0.004), 0, 0, 'N');
    ExpectDm(LongitudeToDegreesMinutes(-0.004), 0, 0, 'E');
    ExpectDm(LongitudeToDegreesMinutes(-0.12574), 0, 8, 'W');  // London
}

TEST(Coordinates, BeyondTheFormsRangeIsPulledIn) {
    ExpectDm(LongitudeToDegreesMinutes(180.0), 179, 59, 'E', true);
    ExpectDm(LongitudeToDegreesMinutes(-179.9999), 179, 59, 'W', true);
    ExpectDm(LatitudeToDegreesMinutes(-90.0), 89, 59, 'S', true);
    ExpectDm(LatitudeToDegreesMinutes(89.99), 89, 59, 'N');
}

}  // namespace
}  // namespace quorvane
