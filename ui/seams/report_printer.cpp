// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/report_printer.h"

#include "report/reading_report.h"

namespace quorvane {

ReportPrinter::Result PreviewReportPrinter::Print(QWidget* parent,
                                                  const std::function<void(QPagedPaintDevice&)>& paint) {
    return PrintWithPreview(parent, report::DefaultPaper(), paint);
}

}  // namespace quorvane
