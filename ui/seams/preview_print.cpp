// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print preview with Qt Print Support linked in.
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/seams/report_printer.h"

namespace quorvane {

ReportPrinter::Result PrintWithPreview(QWidget* parent, QPageSize::PageSizeId paper,
                                       const std::function<void(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(paper));
    QPrintPreviewDialog preview(&printer, parent);
    preview.resize(900, 760);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { paint(*target); });
    if (preview.exec() != QDialog::Accepted) return ReportPrinter::Result::Cancelled;
    return printer.printerState() == QPrinter::Error ? ReportPrinter::Result::Failed : ReportPrinter::Result::Printed;
}

}  // namespace quorvane
