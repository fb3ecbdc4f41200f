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
#include "reading/time_window.h"

namespace quorvane::cli {

struct Date {
    int Year = 0, Month = 0, Day = 0;
};
struct Time {
    int Hour = 0, Minute = 0, Second = 0;
};

// A coordinate in the astrologers' form: degrees, hemisphere letter, minutes ("40N42", "74w00").
struct Coordinate {
    std::string Degrees;  // digits as given
    std::string Minutes;
    bool Negative = false;  // South or West
};

std::optional<Date> ParseDate(std::string_view text);  // YYYY-MM-DD
std::optional<Time> ParseTime(std::string_view text);  // HH:MM or HH:MM:SS, 0..23, 0..59, 0..59
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
    int ZoneIndex = 0;           // -1 for an exact offset or local mean time
    bool LocalMeanTime = false;  // the offset is the birthplace's local mean time
    BirthData Birth;             // as the reading took it
    std::string Note;            // what a births file's record left to the program, e.g. that local mean time was taken
    // The birth time is unknown or known only as a span: every clock minute of the window read. `Reading`
    // then holds the window's first minute (its zone and offset), never signs to show as the reading.
    std::optional<TimeWindowReading> Window;
};

// A reading, or the message that refused the birth: the program's own validation texts for what the form
// would refuse, and a short plain message naming the field for what the form cannot even express.
using ReadingOrError = std::variant<NamedReading, std::string>;

// The zone is a row number, an offset from Universal Time (+05:45, -00:25:21) or LMT, the local mean time
// of the longitude, spelt as a births file's zone column.
ReadingOrError ReadBirth(const BirthText& birth);
// The reading of form values, or the form's own message.
ReadingOrError ReadForm(const BirthFormValues& form);

// A time field that asks for a window of clock time rather than one time: "unknown", "06:00-12:00".
bool IsTimeWindow(std::string_view text);
// Reads every clock minute of `window` of the reading's date and place under `clock` (the reading's own
// zone when empty).
void ReadWindow(NamedReading& reading, MinuteWindow window, std::span<const ClockStretch> clock = {});

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
