// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the report: a preview with the system's print dialog behind an interface, so that tests can
// print to a PDF file instead of a printer.

#include <QPageSize>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace quorvane {

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    enum class Result { Printed, Cancelled, Failed };
    // Shows the pages that `paint` draws and prints them if the user asks.
    virtual Result Print(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};

class PreviewReportPrinter final : public ReportPrinter {
public:
    Result Print(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& paint) override;
};

// The print preview on `paper`, with the system's print dialog behind it. Two builds of it exist: with Qt
// Print Support linked in (preview_print.cpp, in quorvane_preview_printer) and through the output module
// that the window program loads when it first prints (output/output_loader.cpp).
ReportPrinter::Result PrintWithPreview(QWidget* parent, QPageSize::PageSizeId paper,
                                       const std::function<void(QPagedPaintDevice&)>& paint);

}  // namespace quorvane
