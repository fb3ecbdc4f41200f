// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing the report: a preview with the system's print dialog behind an interface, so that tests can
// print to a PDF file instead of a printer.

#include <functional>

class QPrinter;
class QWidget;

namespace quorvane {

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    enum class Result { Printed, Cancelled, Failed };
    // Shows the pages that `paint` draws and prints them if the user asks.
    virtual Result Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

class PreviewReportPrinter final : public ReportPrinter {
public:
    Result Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

}  // namespace quorvane
