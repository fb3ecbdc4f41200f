// A reading must not touch the heap: every allocation in the process is counted here.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "reading/reading_driver.h"
#include "reading/time_zones.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
    const long before = g_allocations.load();
    int checksum = 0;
    for (int zone = 0; zone < kTimeZoneCount; ++zone) {
        const GalacticReading r = MakeGalacticReading(birth, *Zone_Calculation(zone), 84);
        checksum += r.Degrees.Sun + r.Degrees.Moon + r.Degrees.Ascendant;
    }
    EXPECT_EQ(g_allocations.load() - before, 0);
    EXPECT_GT(checksum, 0);
}

}  // namespace
}  // namespace quorvane
