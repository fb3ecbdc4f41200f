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
    virtual Result print(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

class PreviewReportPrinter final : public ReportPrinter {
public:
    Result print(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

}  // namespace quorvane
