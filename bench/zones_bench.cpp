// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The zone engine: a zone's clock at an instant, the whole zone suggestion for a place's clock time, and
// reading a zone's file; beside them the same lookup through QTimeZone, which the suggestion used before
// (built where Qt is).

#include <benchmark/benchmark.h>

#include <array>

#include "atlas/zone_suggestion.h"
#include "zones/zone_database.h"

#ifdef QUORVANE_BENCH_QTIMEZONE
#include <QTimeZone>
#endif

namespace {

constexpr std::array kZones = {"Europe/Madrid",     "America/New_York", "Asia/Kathmandu", "Australia/Sydney",
                               "America/Sao_Paulo", "Asia/Kolkata",     "Europe/London",  "Africa/Casablanca"};

// Instants from 1901 to 2050, 37 days and a few hours apart.
std::int64_t InstantAt(std::size_t i) {
    const std::int64_t first = quorvane::zones::DaysFromCivil(1901, 1, 1) * 86400;
    return first + static_cast<std::int64_t>(i % 1480) * (37 * 86400 + 11 * 3600);
}

void BM_ZoneClockAt(benchmark::State& state) {
    std::vector<std::shared_ptr<const quorvane::zones::Zone>> zones;
    for (const char* id : kZones) zones.push_back(quorvane::zones::ZoneDatabase::System().Find(id).Zone);
    if (!zones.front()) return state.SkipWithError("no /usr/share/zoneinfo");
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zones[i % zones.size()]->At(InstantAt(i)).Offset);
        ++i;
    }
}
BENCHMARK(BM_ZoneClockAt);

void BM_SuggestZone(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const int year = 1901 + static_cast<int>(i % 150);
        quorvane::ZoneSuggestion s =  // not const: DoNotOptimize on a const value is deprecated and weaker
            quorvane::SuggestZone(kZones[i % kZones.size()], {year, 1 + static_cast<int>(i % 12), 15, 12, 0}, "Here");
        benchmark::DoNotOptimize(s.Row);
        ++i;
    }
}
BENCHMARK(BM_SuggestZone);

void BM_ReadZoneFile(benchmark::State& state) {
    for (auto _ : state) {
        const quorvane::zones::ZoneDatabase database(quorvane::zones::FolderFiles("/usr/share/zoneinfo"));
        benchmark::DoNotOptimize(database.Find("Europe/Madrid").Zone);
    }
}
BENCHMARK(BM_ReadZoneFile)->Unit(benchmark::kMicrosecond);

#ifdef QUORVANE_BENCH_QTIMEZONE
void BM_QTimeZoneOffsetData(benchmark::State& state) {
    std::vector<QTimeZone> zones;
    for (const char* id : kZones) zones.emplace_back(QByteArray(id));
    std::size_t i = 0;
    for (auto _ : state) {
        const QDateTime at = QDateTime::fromSecsSinceEpoch(InstantAt(i), QTimeZone::utc());
        benchmark::DoNotOptimize(zones[i % zones.size()].offsetData(at).offsetFromUtc);
        ++i;
    }
}
BENCHMARK(BM_QTimeZoneOffsetData);
#endif

}  // namespace

BENCHMARK_MAIN();
