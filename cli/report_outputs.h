// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's report and wheel files: --pdf, --paper, --wheel, --size, --theme.

#include <string>

#include "cli/birth_line.h"

namespace CLI {
class App;
}

namespace quorvane::cli {

struct ReportOptions {
    std::string Pdf;              // --pdf FILE
    std::string Paper = "a4";     // --paper a4|letter
    std::string Wheel;            // --wheel FILE (.svg or .png)
    int Size = 800;               // --size N, the PNG's width and height
    std::string Theme;            // --theme dark|light; unset: light for the PDF, dark for the wheel picture
    std::string Language = "en";  // the reader's language (--lang or the environment), for the files' texts
    bool Wanted() const { return !Pdf.empty() || !Wheel.empty(); }
};

void AddReportOptions(CLI::App& app, ReportOptions& options);

// The files are drawn by a program of their own, so that a plain reading never loads the graphics
// libraries: quorvane-cli hands its whole command line over to it.
inline constexpr const char* kReportProgram = "quorvane-cli-report";
// Replaces this process by the report writer with the same arguments; returns only on failure (1).
int RunReportProgram(char** argv);

// Writes the asked files; on failure prints a message naming the file to standard error and returns 1.
// Starts the graphics only here, on a headless platform unless the user chose one, so a plain reading
// never pays for it.
// `clockNote`: what the place's clock showed when the reading's zone disagrees with it, else empty.
int WriteReportFiles(const ReportOptions& options, const NamedReading& reading, const std::string& place,
                     const std::string& clockNote, int argc, char** argv);

}  // namespace quorvane::cli
