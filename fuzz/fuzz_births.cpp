// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The births readers: whatever is read and written reads back equal, in both formats.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "births/aaf_fields.h"
#include "births/births.h"
#include "births/births_csv.h"
#include "l10n/sentences.h"

using namespace quorvane::births;

namespace {
bool Same(const Birth& a, const Birth& b) {
    return a.Error == b.Error && a.ZoneRow == b.ZoneRow && a.Data == b.Data;
}
// A zone the file left open has no offset of its own: the local mean time kept beside it follows the
// longitude, which a birth written anew gives to the arc-minute only.
bool SameClock(const Birth& a, const Birth& b) {
    return a.Clock == b.Clock && (a.Clock == ClockKind::Unknown || a.StandardOffset == b.StandardOffset);
}
// Says which property failed, so that a finding points at its line.
void CheckAt(bool ok, int line) {
    if (ok) return;
    std::fprintf(stderr, "fuzz_births: the property of line %d does not hold\n", line);
    std::abort();
}
#define Check(ok) CheckAt((ok), __LINE__)
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    Book aaf = ReadAaf(input);
    Book back = ReadAaf(WriteAaf(aaf));
    Check(back.Births.size() == aaf.Births.size() && back.Preamble == aaf.Preamble);
    for (std::size_t i = 0; i < aaf.Births.size(); ++i)
        Check(Same(aaf.Births[i], back.Births[i]) && aaf.Births[i].Lines == back.Births[i].Lines);
    // births written anew (as after an edit) read back with the same data
    for (auto& b : aaf.Births) b.Modified = true;
    Book edited = ReadAaf(WriteAaf(aaf));
    Check(edited.Births.size() == aaf.Births.size());
    // Latin-1 text whose bytes also form valid UTF-8 is read as UTF-8 once the bytes that told them
    // apart are gone: a limit of telling encodings by content, not of the writer.
    if (edited.TextEncoding == aaf.TextEncoding)
        for (std::size_t i = 0; i < aaf.Births.size(); ++i)
            if (aaf.Births[i].Error.empty())
                Check(Same(aaf.Births[i], edited.Births[i]) && SameClock(aaf.Births[i], edited.Births[i]));

    // The fields' parsers: a zone written for a new record reads back as the same offset; a date's day
    // number gives the date back.
    const std::string_view field = std::string_view(input).substr(0, 40);
    if (const auto zone = ParseZone(field).Value) Check(ParseZone(ZoneText(*zone)).Value == zone);
    if (const auto date = ParseDate(field).Value) {
        CalendarDate again = GregorianDate(GregorianDayNumber(date->Year, date->Month, date->Day));
        again.WasJulian = date->WasJulian;
        Check(again == *date);
    }
    ParseTime(field);
    ParseAngle(field, 'n', 's', 89, quorvane::l10n::file_text::Latitude);
    ParseDaylightFlag(field);
    if (const auto day = ParseJulianDay(field)) Check(!InstantSentence(InstantStamp(day->Day)).empty());

    Book csv = ReadCsv(input);
    Book csvBack = ReadCsv(WriteCsv(csv));
    std::size_t j = 0;
    for (const auto& b : csv.Births) {
        if (!b.Error.empty()) continue;
        Check(j < csvBack.Births.size() && Same(b, csvBack.Births[j]));
        ++j;
    }
    Check(j == csvBack.Births.size());
    return 0;
}
