// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One whole reading against a general-purpose ephemeris doing the same three points for the same births.

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <cstdlib>

#include "bench/allocation_counter.h"
#include "births.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"

namespace {

// Counts every heap allocation so that the reading's loop can prove it makes none.

using quorvane::bench::MakeValidatedBirths;
using quorvane::bench::ValidatedBirth;

constexpr int kBirthCount = 1024;  // a power of two: the cycling index is a mask

const std::vector<ValidatedBirth>& Births() {
    static const std::vector<ValidatedBirth> births = MakeValidatedBirths(kBirthCount);
    return births;
}

void BM_Reading(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    const long long allocationsBefore = quorvane::HeapAllocationCount();
    for (auto _ : state) {
        const ValidatedBirth& b = births[i++ & (kBirthCount - 1)];
        quorvane::GalacticReading reading = quorvane::MakeGalacticReading(b.Birth, b.Zone, b.YearListPosition);
        benchmark::DoNotOptimize(reading);
    }
    state.counters["allocs_per_reading"] = benchmark::Counter(
        static_cast<double>(quorvane::HeapAllocationCount() - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Reading);

// The same births, each with an exact offset instead of its row: the row's offset moved by a number of
// seconds (as local mean time and offsets typed to the second are). It must cost no more than a row.
const std::vector<ValidatedBirth>& BirthsWithExactOffsets() {
    static const std::vector<ValidatedBirth> births = [] {
        std::vector<ValidatedBirth> out = Births();
        for (std::size_t i = 0; i < out.size(); ++i) {
            const int seconds = out[i].Zone.TotalSecondsWest() + static_cast<int>(i * 7919 % 3599) - 1799;
            out[i].Zone = quorvane::ZoneOffset::FromSecondsWest(seconds);
        }
        return out;
    }();
    return births;
}

void BM_ReadingExactOffset(benchmark::State& state) {
    const auto& births = BirthsWithExactOffsets();
    std::size_t i = 0;
    const long long allocationsBefore = quorvane::HeapAllocationCount();
    for (auto _ : state) {
        const ValidatedBirth& b = births[i++ & (kBirthCount - 1)];
        quorvane::GalacticReading reading = quorvane::MakeGalacticReading(b.Birth, b.Zone, b.YearListPosition);
        benchmark::DoNotOptimize(reading);
    }
    state.counters["allocs_per_reading"] = benchmark::Counter(
        static_cast<double>(quorvane::HeapAllocationCount() - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReadingExactOffset);

// A birth whose time is unknown: the reading at every one of the day's 1,440 clock minutes, as runs.
// Target: a whole day within 3 ms, and no allocation per minute (the runs' one block only).
void BM_TimeUnknownDay(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    std::vector<std::vector<quorvane::ClockStretch>> clocks;
    for (const ValidatedBirth& b : births) clocks.push_back(quorvane::SteadyClock(b.Zone, b.Birth.IsDaylightSaving));
    const long long allocationsBefore = quorvane::HeapAllocationCount();
    for (auto _ : state) {
        const std::size_t at = i++ & (kBirthCount - 1);
        const ValidatedBirth& b = births[at];
        quorvane::TimeWindowReading day = quorvane::ReadTimeWindow(b.Birth, clocks[at], {}, b.YearListPosition);
        benchmark::DoNotOptimize(day);
    }
    state.counters["allocs_per_day"] = benchmark::Counter(
        static_cast<double>(quorvane::HeapAllocationCount() - allocationsBefore), benchmark::Counter::kAvgIterations);
    state.counters["minutes"] = benchmark::Counter(static_cast<double>(state.iterations()) * quorvane::kMinutesPerDay,
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TimeUnknownDay)->Unit(benchmark::kMillisecond);

// The same instant as the reading: local clock moved by the zone row, one hour back under daylight saving.
double UniversalJulianDay(const ValidatedBirth& b) {
    const double hours = b.Birth.Hour + b.Birth.Minute / 60.0 + b.Zone.TotalSecondsWest() / 3600.0 -
                         (b.Birth.IsDaylightSaving ? 1.0 : 0.0);
    return swe_julday(b.Birth.Year, b.Birth.Month, b.Birth.Day, hours, SE_GREG_CAL);
}

void BM_SwissEphemerisTriple(benchmark::State& state) {
    const auto& births = Births();
    std::size_t i = 0;
    char error[AS_MAXCH];
    for (auto _ : state) {
        const ValidatedBirth& b = births[i++ & (kBirthCount - 1)];
        const double jd = UniversalJulianDay(b);
        double sun[6], moon[6], cusps[13], ascmc[10];
        swe_calc_ut(jd, SE_SUN, SEFLG_MOSEPH, sun, error);
        swe_calc_ut(jd, SE_MOON, SEFLG_MOSEPH, moon, error);
        const double latitude = (b.Birth.LatitudeDegrees + b.Birth.LatitudeMinutes / 60.0) * (b.Birth.IsSouth ? -1 : 1);
        const double longitude =
            (b.Birth.LongitudeDegrees + b.Birth.LongitudeMinutes / 60.0) * (b.Birth.IsEast ? 1 : -1);
        // Equal houses: the cheapest house system, the Ascendant is the same in all of them.
        swe_houses_ex(jd, SEFLG_MOSEPH, latitude, longitude, 'E', cusps, ascmc);
        // Not const: DoNotOptimize on a const value lets the compiler drop the work behind it.
        int degrees[3] = {static_cast<int>(sun[0]), static_cast<int>(moon[0]), static_cast<int>(ascmc[0])};
        benchmark::DoNotOptimize(degrees);
    }
}
BENCHMARK(BM_SwissEphemerisTriple);

}  // namespace

int main(int argc, char** argv) {
    BirthsWithExactOffsets();  // built before any timing, with Births()
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    swe_close();
    return 0;
}
