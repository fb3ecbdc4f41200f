// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV reader on any bytes: it ends, every record's fields written back with the CSV writer read back
// the same, and line numbers only grow.
#include <cstdlib>
#include <string>

#include "births/csv.h"

using namespace quorvane;

namespace {
void Check(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    csv::Reader reader(input);
    csv::Record record;
    int lastLine = 0;
    std::string written;
    std::vector<std::vector<std::string>> all;
    while (reader.Next(record)) {
        Check(record.Line > lastLine);
        lastLine = record.Line;
        Check(!record.Fields.empty());
        for (std::size_t i = 0; i < record.Fields.size(); ++i) written += (i ? "," : "") + csv::Field(record.Fields[i]);
        written += "\r\n";
        all.push_back(record.Fields);
    }
    csv::Reader again(written);
    std::size_t n = 0;
    while (again.Next(record)) {
        Check(n < all.size() && record.Fields == all[n] && !record.UnclosedQuote);
        ++n;
    }
    Check(n == all.size());
    return 0;
}
