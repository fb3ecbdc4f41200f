// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fields of an AAF record as other programs write them: dates with a calendar letter, clock times
// with or without seconds, coordinates and zones in either case and with seconds, the daylight flag and
// the Julian day. Each parser gives its value or a sentence naming the field and what is wrong with it.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/birth_data.h"
#include "l10n/sentence.h"

namespace quorvane::births {

template <class T>
struct Parsed {
    std::optional<T> Value;
    l10n::Sentence Why;  // when there is no value: "the year 1879 lies outside 1901–2050"
};

// What a file wrote, as a refusal quotes it: {text}, in double quotes, its first 40 bytes.
l10n::Sentence::Value QuotedText(std::string_view text);
// "the year 1879 lies outside 1901–2050".
l10n::Sentence YearOutside(int year);

struct CalendarDate {
    int Year = 0, Month = 0, Day = 0;  // Gregorian
    bool WasJulian = false;            // written in the Julian calendar and converted
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

struct ClockTime {
    int Hour = 0, Minute = 0, Second = 0;
};

// An angle to the second of arc, with its hemisphere.
struct Angle {
    int Degrees = 0, Minutes = 0, Seconds = 0;
    bool Negative = false;  // south or west
    int TotalSeconds() const { return (Degrees * 3600 + Minutes * 60 + Seconds) * (Negative ? -1 : 1); }
};

enum class DaylightFlag { Standard, Daylight, Unknown, LocalMeanTime };

// "27.9.1970", "16.7.1972G", "3.1.1905J" (converted to Gregorian); the year must lie in 1901–2050.
Parsed<CalendarDate> ParseDate(std::string_view text);
// A date given as numbers, checked as ParseDate checks it; `written` is how the file wrote it, for a refusal.
Parsed<CalendarDate> CheckDate(int year, int month, int day, bool julian, std::string_view written);
// "9:05", "09:05:30", "9:5:3".
Parsed<ClockTime> ParseTime(std::string_view text);
// "49n05", "59N17", "49n05:30" with the letters of `positive` and `negative` (n/s or e/w, either case).
// `field` names it in a refusal (file_text::Latitude); `maxDegrees` is 89 or 179.
Parsed<Angle> ParseAngle(std::string_view text, char positive, char negative, int maxDegrees,
                         const l10n::TextKey& field);
// The standard-time offset, positive west: "1he00", "1he", "5hw30", "0E44:0", "0e21:48", "-5", "5.5"
// (a bare number is hours east). "*" is no offset: the caller decides.
Parsed<ZoneOffset> ParseZone(std::string_view text);
// "0", "1", "*", and the letters written for local mean time ("L", "LMT", "M").
Parsed<DaylightFlag> ParseDaylightFlag(std::string_view text);
// "2440857.92": the Julian day, and how many days its last decimal is worth (0.01 here).
struct JulianDay {
    double Day = 0;
    double Resolution = 1;
};
std::optional<JulianDay> ParseJulianDay(std::string_view text);

// A run of at most `maxDigits` digits and nothing else, as every births parser reads numbers.
std::optional<int> Digits(std::string_view text, std::size_t maxDigits);

// An angle in whole degrees and minutes, the seconds rounded; an angle at the end of its range stays inside it.
void SetDegreesMinutes(const Angle& angle, int maxDegrees, std::int16_t& degrees, std::int16_t& minutes);
// "49n05", "40N42": degrees, the hemisphere letter, two digits of minutes.
std::string AngleText(int degrees, int minutes, char hemisphere);

// The zone field as written for a new record: "1he00", "5hw30", "0he19:32".
std::string ZoneText(ZoneOffset offset);

// Day counts: Gregorian date <-> Julian day number (the day starting at the noon of that date).
long GregorianDayNumber(int year, int month, int day);
long JulianCalendarDayNumber(int year, int month, int day);
CalendarDate GregorianDate(long dayNumber);

// The Julian day number and the second of that day (from midnight) at a Julian day, rounded to the second;
// a time that rounds up to midnight is the next day's first second.
std::pair<long, long> DayAndSecond(double julianDay);

// "1970-09-27 10:04:30", the instant (UT) of a Julian day as a note keeps it; InstantSentence says it.
std::string InstantStamp(double julianDay);
// "27 Sep 1970 10:04:30 UT" in English, the date as each language writes it; nothing for another stamp.
l10n::Sentence InstantSentence(std::string_view stamp);

}  // namespace quorvane::births
