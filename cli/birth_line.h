// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A birth given by the command line's options turned into a reading, and readings into text or JSON.
// Births from files are births_commands.h's. No Qt here.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "reading/reading_driver.h"

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
std::optional<bool> ParseFlag(std::string_view text);  // as a births file's daylight column: 0/1, no/yes, false/true

// One birth as text, before any checking.
struct BirthText {
    // The name is held to the name field's typing rule (letters A-Z and blanks, made capitals).
    std::string Name, Date, Time, Zone, Dst, Latitude, Longitude;
};

struct NamedReading {
    std::string Name;
    GalacticReading Reading;
    int ZoneIndex = 0;            // -1 for an exact offset or local mean time
    bool LocalMeanTime = false;   // the offset is the birthplace's local mean time
    BirthData Birth;  // as the reading took it
    std::string Note; // what a births file's record left to the program, e.g. that local mean time was taken
};

// A reading, or the message that refused the birth: the program's own validation texts for what the form
// would refuse, and a short plain message naming the field for what the form cannot even express.
using ReadingOrError = std::variant<NamedReading, std::string>;

// The zone is a row number, an offset from Universal Time (+05:45, -00:25:21) or LMT, the local mean time
// of the longitude, spelt as a births file's zone column.
ReadingOrError ReadBirth(const BirthText& birth);
// The reading of form values, or the form's own message.
ReadingOrError ReadForm(const BirthFormValues& form);

// 1985-06-15T07:30Z, or 1925-06-01T11:40:28Z when the instant has seconds.
std::string FormatIsoMinute(const CivilDateTime& t);

// A single reading as plain text: the four frames with all their texts.
std::string FormatText(const NamedReading& reading);
// A single reading as one JSON object (with the frames' full texts when withFrames).
std::string FormatJson(const NamedReading& reading, bool withFrames);
std::string FormatJsonError(long line, std::string_view message);

}  // namespace quorvane::cli
