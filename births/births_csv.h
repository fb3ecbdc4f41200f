// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Births as CSV: one birth a record, the columns name,date,time,zone,dst,lat,lon. The one reader of a
// births CSV: `--batch`, `--to` and the births book all read a line with it, accept the same spellings and
// refuse a line with the same words.
//
//   name  any text, trimmed (quotes when it holds a comma)
//   date  YYYY-MM-DD, 1901-01-01 to 2050-12-31
//   time  H:MM or H:MM:SS, the local clock
//   zone  a row number 0 to 70, an offset from Universal Time (+05:45, -00:25:21), or LMT in any case
//   dst   0, 1, no, yes, false, true in any case; empty is 0
//   lat   degrees, N or S in either case, minutes, optionally :seconds (40N42, 33s54:30)
//   lon   degrees, E or W in either case, minutes, optionally :seconds (74W00, 151e12)
// A first record whose first field is "name" (in any case) and whose second is not a date is the header.

#include <optional>
#include <string>
#include <string_view>

#include "births/births.h"
#include "births/csv.h"

namespace quorvane::births {

inline constexpr std::string_view kCsvHeader = "name,date,time,zone,dst,lat,lon";

// The zone column's spellings: a row, an exact standard offset, or the birthplace's local mean time.
struct CsvZone {
    int Row = -1;
    std::optional<ZoneOffset> Offset;
    bool LocalMeanTime = false;
};
std::optional<CsvZone> ZoneOf(std::string_view text);
// The daylight column's spellings; nothing for any other text.
std::optional<bool> DaylightFlagOf(std::string_view text);

// True for the first record of a file when it is the header line.
bool IsCsvHeader(const csv::Record& first);
// True when the text (a byte-order mark aside) begins with a header line.
bool StartsWithCsvHeader(std::string_view text);

// The births of a CSV text one at a time, the header and blank lines passed over.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : reader_(text) {}
    // The next record, read; false after the last.
    bool Next(Birth& birth);

private:
    csv::Reader reader_;
    csv::Record record_;
    bool first_ = true;
};

// One record's birth: its line and text, and its data or the refusal in Error.
void ReadCsvRecord(const csv::Record& record, Birth& birth);

Book ReadCsv(std::string_view text);

// What CSV can hold: a readable birth with a zone row, an exact offset or local mean time. An unreadable
// record, or a birth whose file does not give the zone, stays in AAF only.
bool CsvCanHold(const Birth& birth);
// Why CsvCanHold is false, for the person, or empty.
l10n::Sentence CsvRefusal(const Birth& birth);

// The births CSV can hold, under the header line; WriteCsv leaves the others out.
std::string WriteCsv(const Book& book);

}  // namespace quorvane::births
