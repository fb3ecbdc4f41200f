// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the output module gives the window program: Qt Svg and Qt Print Support behind plain calls. The
// program loads the module when it first draws a sign picture, writes an SVG file or prints, so that it
// starts without either library.

#include "report/svg_pictures.h"
#include "ui/seams/report_printer.h"

namespace quorvane {

struct OutputModule {
    // Raised whenever a call below changes, so that a program never uses a module built for another.
    static constexpr int kVersion = 1;
    int Version;
    std::unique_ptr<svg::Picture> (*Load)(const QByteArray& contents);
    bool (*Write)(QIODevice& out, const svg::WriteOptions& options, const std::function<void(QPainter&)>& paint);
    ReportPrinter::Result (*Print)(QWidget* parent, QPageSize::PageSizeId paper,
                                   const std::function<void(QPagedPaintDevice&)>& paint);
};

// The module's one entry point.
inline constexpr char kOutputModuleEntry[] = "quorvane_output_module";

// Loads the module at `path`; null, with the reason in `error`, when it cannot be loaded or is not this
// program's.
const OutputModule* LoadOutputModule(const QString& path, QString& error);
// The window program's module, next to the program as installed (or built); loaded at the first call and
// kept. Null, said once on standard error, when it is missing.
const OutputModule* TheOutputModule();

}  // namespace quorvane
