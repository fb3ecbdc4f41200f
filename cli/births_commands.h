// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Births from files on the command line: --batch turns CSV lines or AAF records into readings, --to
// writes them in the other format. Both read with the births book's own readers (births/), so that a line
// is read, or refused with the same words, wherever it is given.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "births/births.h"
#include "cli/birth_line.h"

namespace quorvane::cli {

// Gives a record that does not say its zone the birthplace's local mean time when its place kept it then
// (the atlas knows); true when it did.
using LocalMeanTimeFinder = std::function<bool(births::Birth&)>;

// A name from a file as the reading uses it: what the name field would make of it when it could be typed
// (capitals), else the name as it stands; nothing when it holds control characters.
std::optional<std::string> NameFromFile(std::string_view name);

// One record of a births file as read: its refusal, or its reading.
ReadingOrError ReadFileBirth(const births::Birth& birth);
// One CSV line with the columns name,date,time,zone,dst,lat,lon, as --batch reads it.
ReadingOrError ReadCsvBirth(std::string_view line);

struct BatchBirth {
    long Line = 0;  // of the CSV line, or of the AAF record's #A93
    ReadingOrError Result;
    l10n::Sentence Note;  // what the program took for the record (local mean time), for standard error
};
// Each birth of a batch's input (CSV lines or AAF records, told apart by content), in order.
void ReadBatch(std::string_view input, const LocalMeanTimeFinder& takeLocalMeanTime,
               const std::function<void(const BatchBirth&)>& each);

struct Conversion {
    std::string Output;
    std::vector<l10n::Sentence> Messages;  // for standard error: "line 3: …; left out"
    bool Refused = false;                  // a birth was left out or could not be read
};
// The births of `input` (AAF or CSV) written as `format`, "aaf" or "csv".
Conversion ConvertBirths(std::string_view input, std::string_view format, const LocalMeanTimeFinder& takeLocalMeanTime);

}  // namespace quorvane::cli
