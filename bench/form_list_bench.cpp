// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-data form's closed lists: what one costs at start, made as the form makes it (its font set,
// then its entries and the current one), a FormList against a plain QComboBox; and a list opened the first
// time, the popup made if it was not and shown with its rows painted.

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QStringList>
#include <QTest>

#include <memory>

#include "ui/widgets/small_widgets.h"

namespace {

using quorvane::FormList;

// As many rows as the zone list, about as long.
QStringList Rows() {
    QStringList rows;
    for (int row = 0; row < 73; ++row) rows.push_back(QStringLiteral("Zone row %1,ZRT,+%1.0").arg(row));
    return rows;
}

QFont ListFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    return font;
}

template <class List>
List* MakeList(QWidget& frame, const QStringList& rows) {
    auto* list = new List(&frame);
    list->setGeometry(10, 10, 200, 21);
    list->setFont(ListFont());
    list->addItems(rows);
    list->setCurrentIndex(29);
    return list;
}

template <class List>
void BM_ListAtStart(benchmark::State& state) {
    const QStringList rows = Rows();
    for (auto _ : state) {
        state.PauseTiming();
        auto frame = std::make_unique<QWidget>();
        state.ResumeTiming();
        List* list = MakeList<List>(*frame, rows);
        benchmark::DoNotOptimize(list);
        state.PauseTiming();
        frame.reset();
        state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(BM_ListAtStart, FormList)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListAtStart, QComboBox)->Unit(benchmark::kMicrosecond);

// From the click to the popup shown with its rows painted, on a list that was never opened.
void BM_FirstOpen(benchmark::State& state) {
    const QStringList rows = Rows();
    for (auto _ : state) {
        state.PauseTiming();
        auto frame = std::make_unique<QWidget>();
        frame->resize(240, 60);
        FormList* list = MakeList<FormList>(*frame, rows);
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get())) state.SkipWithError("the frame was not shown");
        state.ResumeTiming();
        list->showPopup();
        QWidget* popup = list->view()->window();
        if (!QTest::qWaitForWindowExposed(popup)) state.SkipWithError("the popup was not shown");
        QCoreApplication::processEvents();
        state.PauseTiming();
        list->hidePopup();
        frame.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
