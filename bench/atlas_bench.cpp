// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas: opening the index the build wrote, the finder's first search (opening included) and the
// searches after it, from a whole name to the one letter the user types first.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "atlas/atlas.h"
#include "l10n/core_texts.h"

namespace {

std::string IndexPath() {
    const char* named = std::getenv("QUORVANE_ATLAS_INDEX");
    return named && *named ? named : QUORVANE_BUILD_ATLAS_INDEX;
}

void BM_AtlasOpen(benchmark::State& state) {
    for (auto _ : state) {
        quorvane::Atlas atlas = quorvane::Atlas::FromFile(IndexPath());
        if (!atlas.Problem().empty()) state.SkipWithError(quorvane::l10n::Render("en", atlas.Problem()).c_str());
        benchmark::DoNotOptimize(atlas);
    }
}
BENCHMARK(BM_AtlasOpen)->Unit(benchmark::kMillisecond);

void BM_AtlasFirstSearch(benchmark::State& state) {
    for (auto _ : state) {
        const quorvane::Atlas atlas = quorvane::Atlas::FromFile(IndexPath());
        auto found = atlas.Find("Madrid, Spain", 30);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_AtlasFirstSearch)->Unit(benchmark::kMillisecond);

const char* const kQueries[] = {"Madrid, Spain", "Bombay", "New York, NY", "Москва", "St. Petersburg, Russia",
                                "Mos",           "M"};

void BM_AtlasSearch(benchmark::State& state) {
    static const quorvane::Atlas atlas = quorvane::Atlas::FromFile(IndexPath());
    const char* query = kQueries[state.range(0)];
    state.SetLabel(query);
    for (auto _ : state) {
        auto found = atlas.Find(query, 30);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_AtlasSearch)->DenseRange(0, std::size(kQueries) - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
