// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Births given as text (command-line options or one CSV line) turned into readings, and readings into
// text or JSON. No Qt here.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "births/births.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"

namespace quorvane::cli {

struct Date { int Year = 0, Month = 0, Day = 0; };
struct Time { int Hour = 0, Minute = 0, Second = 0; };

// A coordinate in the astrologers' form: degrees, hemisphere letter, minutes ("40N42", "74w00").
struct Coordinate {
    std::string Degrees;   // digits as given
    std::string Minutes;
    bool Negative = false;  // South or West
};

std::optional<Date> ParseDate(std::string_view text);    // YYYY-MM-DD
std::optional<Time> ParseTime(std::string_view text);    // HH:MM or HH:MM:SS, 0..23, 0..59, 0..59
// positive/negative are the two hemisphere letters (N/S or E/W), either case.
std::optional<Coordinate> ParseCoordinate(std::string_view text, char positive, char negative);
std::optional<bool> ParseFlag(std::string_view text);    // 0/1, true/false, yes/no
// Splits one CSV line; double quotes may enclose a field ("" inside is one quote).
std::vector<std::string> ParseCsvLine(std::string_view line);

// One birth as text, before any checking.
struct BirthText {
    std::string Name, Date, Time, Zone, Dst, Latitude, Longitude;
    // A name typed on the command line is held to the name field's typing rule (letters A-Z and blanks,
    // made capitals); a name from a file is used as it stands, in any script and with the hyphens,
    // apostrophes and periods real names have.
    bool NameFromFile = false;
};

struct NamedReading {
    std::string Name;
    GalacticReading Reading;
    int ZoneIndex = 0;            // -1 for an exact offset or local mean time
    bool LocalMeanTime = false;   // the offset is the birthplace's local mean time
    BirthData Birth;  // as the reading took it
    std::string Note; // what a births file's record left to the program, e.g. that local mean time was taken
    // The birth time is unknown or known only as a span: every clock minute of the window read. `Reading`
    // then holds the window's first minute (its zone and offset), never signs to show as the reading.
    std::optional<TimeWindowReading> Window;
};

// A reading, or the message that refused the birth: the program's own validation texts for what the form
// would refuse, and a short plain message naming the field for what the form cannot even express.
using ReadingOrError = std::variant<NamedReading, std::string>;

ReadingOrError ReadBirth(const BirthText& birth);
// The zone is a row number, an offset from Universal Time (+05:45, -00:25:21) or LMT, the local mean time
// of the longitude.
// One CSV line with the columns name,date,time,zone,dst,lat,lon.
ReadingOrError ReadCsvBirth(std::string_view line);
// One CSV record's fields, as above.
ReadingOrError ReadCsvFields(const std::vector<std::string>& fields);
// One record of a births file as read (an AAF record): its refusal, or its reading.
ReadingOrError ReadFileBirth(const births::Birth& birth);

// A time field that asks for a window of clock time rather than one time: "unknown", "06:00-12:00".
bool IsTimeWindow(std::string_view text);
// Reads every clock minute of `window` of the reading's date and place under `clock` (the reading's own
// zone when empty).
void ReadWindow(NamedReading& reading, MinuteWindow window, std::span<const ClockStretch> clock = {});

// A name from a file as the reading uses it: what the name field would make of it when it could be typed
// (capitals), else the name as it stands; nothing when it holds control characters.
std::optional<std::string> NameFromFile(std::string_view name);

// 1985-06-15T07:30Z, or 1925-06-01T11:40:28Z when the instant has seconds.
std::string FormatIsoMinute(const CivilDateTime& t);

// A single reading as plain text: the four frames with all their texts.
std::string FormatText(const NamedReading& reading);
// A single reading as one JSON object (with the frames' full texts when withFrames).
std::string FormatJson(const NamedReading& reading, bool withFrames);
std::string FormatJsonError(long line, std::string_view message);

// A window's reading: the certain signs as in a reading, then each frame that changes, its signs with
// their clock times. And as one JSON object with `timeUnknown`, a sign or null per frame and `changes`.
std::string FormatWindowText(const NamedReading& reading);
std::string FormatWindowJson(const NamedReading& reading);

}  // namespace quorvane::cli
