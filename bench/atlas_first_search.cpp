// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One fresh process's first atlas search, as the finder makes it when first opened: find the index,
// map and check it, search. Prints the milliseconds, then the resident memory the atlas added once
// every one-letter search has touched the whole index.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "atlas/atlas.h"
#include "l10n/core_texts.h"

namespace {

double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string query = argc > 1 ? argv[1] : "Madrid, Spain";
    const double before = ResidentMiB();
    const auto start = std::chrono::steady_clock::now();
    const quorvane::Atlas& atlas = quorvane::Atlas::Builtin();
    const auto found = atlas.Find(query, 30);
    const auto end = std::chrono::steady_clock::now();
    if (!atlas.Problem().empty() || found.empty()) {
        std::fprintf(stderr, "%s\n",
                     atlas.Problem().empty() ? "nothing found" : quorvane::l10n::Render("en", atlas.Problem()).c_str());
        return 1;
    }
    for (char c = 'a'; c <= 'z'; ++c) atlas.Find(std::string(1, c), 30);
    std::printf("%.3f %.1f\n", std::chrono::duration<double, std::milli>(end - start).count(), ResidentMiB() - before);
    return 0;
}
