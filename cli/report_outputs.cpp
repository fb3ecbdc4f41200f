#include "cli/report_outputs.h"

#include <QGuiApplication>

#include <iostream>

#include "report/reading_report.h"

namespace quorvane::cli {

int WriteReportFiles(const ReportOptions& options, const NamedReading& reading, const std::string& place, int argc, char** argv) {
    // No display needed: the drawing goes to files only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    report::ReadingDocument doc{reading.Birth, reading.ZoneIndex, place, reading.Reading};
    doc.Birth.Name = reading.Name;
    int status = 0;
    auto fail = [&](const std::optional<QString>& error) {
        if (!error) return;
        std::cerr << "quorvane-cli: " << error->toStdString() << "\n";
        status = 1;
    };
    if (!options.Pdf.empty()) {
        const bool letter = QString::fromStdString(options.Paper).compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0;
        fail(report::WriteReportPdf(doc, QString::fromStdString(options.Pdf), letter ? QPageSize::Letter : QPageSize::A4));
    }
    if (!options.Wheel.empty()) fail(report::WriteWheelPicture(doc.Reading, QString::fromStdString(options.Wheel), options.Size));
    return status;
}

}  // namespace quorvane::cli
