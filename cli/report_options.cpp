// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_outputs.h"

#include "cli/usage_errors.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include <unistd.h>

namespace quorvane::cli {

void AddReportOptions(CLI::App& app, ReportOptions& options) {
    app.add_option("--pdf", options.Pdf, "Write the reading as a PDF report to FILE");
    app.add_option("--paper", options.Paper, "Paper of the PDF report: a4 (default) or letter")
        ->check(OneOf({"a4", "letter"}, true));
    app.add_option("--wheel", options.Wheel, "Write the galactic wheel to FILE: SVG for .svg, PNG for .png");
    app.add_option("--size", options.Size, "Width and height of the PNG wheel in pixels (default 800)")
        ->check(WholeNumberFrom(16, 20000));
    app.add_option("--theme", options.Theme,
                   "Colours of the PDF and the wheel picture: light (white paper, the PDF's default) or dark "
                   "(the screen's black wheel, the picture's default)")
        ->check(OneOf({"dark", "light"}, true));
}

int RunReportProgram(char** argv) {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = length > 0 ? std::string(self, static_cast<std::size_t>(length)) : std::string();
    folder = folder.substr(0, folder.rfind('/') + 1);
    // Next to this program in the build tree; under libexec once installed.
    for (const std::string& candidate : {folder + kReportProgram, folder + "../libexec/quorvane/" + kReportProgram}) {
        if (access(candidate.c_str(), X_OK) != 0) continue;
        argv[0] = const_cast<char*>(candidate.c_str());
        execv(candidate.c_str(), argv);
        std::cerr << "quorvane-cli: cannot start " << candidate << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::cerr << "quorvane-cli: the report writer " << kReportProgram << " is not installed next to quorvane-cli\n";
    return 1;
}

}  // namespace quorvane::cli
