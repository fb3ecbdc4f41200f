// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Installing a language's translations, as a start does: the program's from the resources, Qt's
// memory-mapped from its folder. The first install of the process, which a start pays, is measured once;
// then a switch from English to each language. Target: a start pays well under 5 ms.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "app/translations.h"

namespace {

using namespace quorvane;

void BM_FirstInstall(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(InstallTranslations(QStringLiteral("de")));
}

void BM_SwitchFromEnglish(benchmark::State& state, const char* language) {
    const QString name = QString::fromLatin1(language);
    for (auto _ : state) {
        state.PauseTiming();
        InstallTranslations(QStringLiteral("en"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(InstallTranslations(name));
    }
}

// Registered first, so that nothing of the translations has been read before it.
BENCHMARK(BM_FirstInstall)->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SwitchFromEnglish, de, "de")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SwitchFromEnglish, ru, "ru")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SwitchFromEnglish, pt_BR, "pt_BR")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the translators belong to it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
