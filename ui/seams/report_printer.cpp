// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/report_printer.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/reading_report.h"

namespace quorvane {

ReportPrinter::Result PreviewReportPrinter::Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(report::DefaultPaper()));
    QPrintPreviewDialog preview(&printer, parent);
    preview.resize(900, 760);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) { paint(*target); });
    if (preview.exec() != QDialog::Accepted) return Result::Cancelled;
    return printer.printerState() == QPrinter::Error ? Result::Failed : Result::Printed;
}

}  // namespace quorvane
