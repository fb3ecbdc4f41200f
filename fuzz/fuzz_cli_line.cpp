// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV line splitter and the command line's date, time, flag and coordinate parsers on any text; a line that reads
// as a birth must give a reading whose JSON line parses back.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <variant>

#include <nlohmann/json.hpp>

#include "reading/utc_offset.h"
#include "births/csv.h"
#include "cli/birth_line.h"
#include "cli/births_commands.h"

namespace {

using namespace quorvane;
using namespace quorvane::cli;

void Require(bool condition) {
    if (!condition) std::abort();
}

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

void CheckCoordinate(std::string_view text, char positive, char negative) {
    if (const auto c = ParseCoordinate(text, positive, negative))
        Require(AllDigits(c->Degrees) && AllDigits(c->Minutes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto fields = csv::SplitRecord(text);
    std::size_t length = 0;
    for (const std::string& field : fields) length += field.size();
    Require(length <= text.size());  // quotes and commas are taken away, never added

    CheckCoordinate(text, 'N', 'S');
    CheckCoordinate(text, 'E', 'W');
    if (const auto date = ParseDate(text))
        Require(date->Month >= 1 && date->Month <= 12 && date->Day >= 1 && date->Day <= 31);
    if (const auto time = ParseTime(text))
        Require(time->Hour >= 0 && time->Hour <= 23 && time->Minute >= 0 && time->Minute <= 59 && time->Second >= 0 &&
                time->Second <= 59);
    ParseFlag(text);
    // An offset read is within 15 hours and is written back as it reads.
    if (const auto offset = ParseUtcOffset(text)) {
        Require(std::abs(offset->TotalSecondsWest()) <= ZoneOffset::kMaxSeconds);
        Require(ParseUtcOffset(FormatUtcOffset(*offset)) == offset);
    }

    const ReadingOrError result = ReadCsvBirth(text);
    std::string line;
    if (const auto* reading = std::get_if<NamedReading>(&result)) {
        const GalacticReading& r = reading->Reading;
        Require(r.AscendantSign && r.DescendantSign && r.MoonSign && r.SunSign);
        line = FormatJson(*reading, true);
        FormatText(*reading);
    } else {
        line = FormatJsonError(1, std::get<std::string>(result));
    }
    Require(nlohmann::json::accept(line));
    return 0;
}
