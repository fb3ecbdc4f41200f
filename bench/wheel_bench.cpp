// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The galactic wheel painted into an 800 x 800 picture, as the window and the PNG writer paint it, and the
// whole three-page report painted into a PDF in memory.

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include "reading/reading_driver.h"
#include "report/reading_report.h"

namespace {

quorvane::report::ReadingDocument Document() {
    quorvane::BirthFormValues form;
    form.Name = "ASHA";
    form.LatitudeDegrees = "33";
    form.LatitudeMinutes = "54";
    form.LongitudeDegrees = "151";
    form.LongitudeMinutes = "12";
    form.MonthPosition = 5;
    form.DayPosition = 14;
    form.Year = 1985;
    form.YearPosition = 1985 - quorvane::kFirstYear;
    form.Hour = 7;
    form.Minute = 30;
    form.ZoneIndex = 29;
    form.IsEast = true;
    form.IsSouth = true;
    quorvane::ReadingSession session;
    const auto outcome = session.Read(form);
    return {session.LastBirthData(),
            session.LastZoneIndex(),
            "Sydney, New South Wales, Australia",
            *outcome.Reading,
            false,
            {},
            std::nullopt};
}

void BM_PaintWheel800(benchmark::State& state) {
    const auto doc = Document();
    QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        quorvane::report::PaintWheel(painter, QRectF(0, 0, 800, 800), doc.Reading, true);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintWheel800)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PaintReportPdf(benchmark::State& state) {
    const auto doc = Document();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        quorvane::report::PaintReport(writer, doc);
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_PaintReportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
