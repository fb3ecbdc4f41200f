// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts in the reader's language, looked up as a reading is shown: the four frames' signs
// with all their texts, the captions, the phase and the zone row.

#include <benchmark/benchmark.h>

#include "l10n/core_texts.h"
#include "reading/time_zones.h"

namespace {

using namespace quorvane;

void LookUpReading(benchmark::State& state, std::string_view language) {
    const PlacedSigns placed = PlaceGalacticSigns(84, 48, 50, MoonPhase::Waning);
    const GalacticSign* signs[] = {placed.Ascendant, placed.Descendant, placed.MoonSign, placed.SunSign};
    for (auto _ : state) {
        std::size_t total = 0;
        for (int f = 0; f < 4; ++f) {
            const GalacticSign& sign = l10n::LocalizedSign(language, *signs[f]);
            total += sign.Name.size() + sign.Keywords.size() + sign.RulingPlanet.size() + sign.Constellation.size() +
                     sign.Description.size() + l10n::FrameCaption(language, static_cast<l10n::Frame>(f)).size();
        }
        total += l10n::MoonPhaseText(language, MoonPhase::Waning).size() + l10n::ZoneRowText(language, 29).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_ReadingTextsEnglish(benchmark::State& state) {
    LookUpReading(state, "en");
}
void BM_ReadingTextsGerman(benchmark::State& state) {
    LookUpReading(state, "de_DE.UTF-8");
}

void BM_CoreTextLookup(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(l10n::CoreText("ru", "sign.Nurture.description"));
}

BENCHMARK(BM_ReadingTextsEnglish);
BENCHMARK(BM_ReadingTextsGerman);
BENCHMARK(BM_CoreTextLookup);

}  // namespace

BENCHMARK_MAIN();
