// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_outputs.h"

#include <QGuiApplication>

#include <iostream>

#include "report/reading_report.h"

namespace quorvane::cli {

namespace {
// Files are written where the user says; a desktop session's runtime folder is never used, so Qt's
// complaint that there is none (usual for a script or a service) would only be noise on standard error.
void ReportMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << "\n";
}
}  // namespace

int WriteReportFiles(const ReportOptions& options, const NamedReading& reading, const std::string& place,
                     const std::string& clockNote, int argc, char** argv) {
    // No display needed: the drawing goes to files only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ReportMessage);
    QGuiApplication app(argc, argv);
    report::UseLanguage(options.Language);
    const std::optional<report::Theme> theme = report::ThemeFromName(QString::fromStdString(options.Theme));
    report::ReadingDocument doc{reading.Birth,         reading.ZoneIndex, place,         reading.Reading,
                                reading.LocalMeanTime, clockNote,         reading.Window};
    doc.Birth.Name = reading.Name;
    int status = 0;
    auto fail = [&](const std::optional<QString>& error) {
        if (!error) return;
        std::cerr << "quorvane-cli: " << error->toStdString() << "\n";
        status = 1;
    };
    if (!options.Pdf.empty()) {
        const bool letter =
            QString::fromStdString(options.Paper).compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0;
        fail(report::WriteReportPdf(doc, QString::fromStdString(options.Pdf),
                                    letter ? QPageSize::Letter : QPageSize::A4, theme.value_or(report::Theme::Light)));
    }
    // With an unknown time, the window's wheel: the Sun and the Moon as arcs, no Ascendant.
    if (!options.Wheel.empty())
        fail(report::WriteWheelPicture(doc, QString::fromStdString(options.Wheel), options.Size,
                                       theme.value_or(report::Theme::Dark)));
    return status;
}

}  // namespace quorvane::cli
