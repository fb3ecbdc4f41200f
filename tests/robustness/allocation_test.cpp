// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A reading must not touch the heap: every allocation in the process is counted here.

#include <gtest/gtest.h>

#include "bench/allocation_counter.h"
#include "reading/reading_driver.h"
#include "reading/time_zones.h"

namespace quorvane {
namespace {

TEST(AllocationTest, AReadingAllocatesNothing) {
    BirthData birth;
    birth.Name = "A NAME LONG ENOUGH TO LIVE ON THE HEAP, NOT IN THE STRING ITSELF";
    birth.Year = 1985;
    birth.Month = 6;
    birth.Day = 15;
    birth.Hour = 7;
    birth.Minute = 30;
    birth.LatitudeDegrees = 40;
    birth.LongitudeDegrees = 74;
    birth.IsEast = false;
    const long before = HeapAllocationCount();
    int checksum = 0;
    for (int zone = 0; zone < kTimeZoneCount; ++zone) {
        const GalacticReading r = MakeGalacticReading(birth, *Zone_Calculation(zone), 84);
        checksum += r.Degrees.Sun + r.Degrees.Moon + r.Degrees.Ascendant;
    }
    EXPECT_EQ(HeapAllocationCount() - before, 0);
    EXPECT_GT(checksum, 0);
}

}  // namespace
}  // namespace quorvane
