// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_outputs.h"

#include "cli/usage_errors.h"
#include "l10n/sentences.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include <unistd.h>

namespace quorvane::cli {

using l10n::Plain;

void AddReportOptions(CLI::App& app, ReportOptions& options) {
    namespace help = l10n::help_text;
    app.add_option("--pdf", options.Pdf, Help(help::Pdf));
    app.add_option("--paper", options.Paper, Help(help::Paper))->check(OneOf({"a4", "letter"}, true));
    app.add_option("--wheel", options.Wheel, Help(help::Wheel));
    app.add_option("--size", options.Size, Help(help::Size))->check(WholeNumberFrom(16, 20000));
    app.add_option("--theme", options.Theme, Help(help::Theme))->check(OneOf({"dark", "light"}, true));
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
