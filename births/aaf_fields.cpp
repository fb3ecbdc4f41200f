// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/aaf_fields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/calendar.h"
#include "common/text.h"
#include "l10n/sentences.h"

namespace quorvane::births {

namespace {

using l10n::Nested;
using l10n::Plain;
using l10n::Say;
namespace says = l10n::file_text;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first character that is not a digit, or npos.
std::size_t FirstNonDigit(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!IsDigit(text[i])) return i;
    return std::string_view::npos;
}

bool IsLeapYear(int year, bool julian) {
    if (julian) return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, bool julian) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year, julian) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// Splits "a<sep>b<sep>c" into at most `count` parts; false when there are more.
template <std::size_t N>
bool SplitInto(std::string_view text, char separator, std::array<std::string_view, N>& parts, std::size_t& count) {
    count = 0;
    for (;;) {
        if (count == N) return false;
        const auto at = text.find(separator);
        parts[count++] = text.substr(0, at);
        if (at == std::string_view::npos) return true;
        text.remove_prefix(at + 1);
    }
}

}  // namespace

l10n::Sentence::Value QuotedText(std::string_view text) {
    return Plain("text", "\"" + std::string(text.substr(0, 40)) + "\"");
}

l10n::Sentence YearOutside(int year) {
    return Say(says::YearOutside, {Plain("year", std::to_string(year)), Plain("first", std::to_string(kFirstYear)),
                                   Plain("last", std::to_string(kLastYear))});
}

std::optional<int> Digits(std::string_view text, std::size_t maxDigits) {
    // Digits only: from_chars would also take a minus sign, and "-9" is no row number.
    if (text.empty() || text.size() > maxDigits || text.front() == '-') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

long GregorianDayNumber(int year, int month, int day) {
    return static_cast<long>(calendar::DaysFromCivil(year, month, day) + calendar::kJulianDayOfEpoch);
}

long JulianCalendarDayNumber(int year, int month, int day) {
    const long a = (14 - month) / 12, y = year + 4800 - a, m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

CalendarDate GregorianDate(long dayNumber) {
    const calendar::Date civil = calendar::CivilFromDays(dayNumber - calendar::kJulianDayOfEpoch);
    CalendarDate date;
    date.Year = civil.Year;
    date.Month = civil.Month;
    date.Day = civil.Day;
    return date;
}

Parsed<CalendarDate> ParseDate(std::string_view text) {
    text = Trim(text);
    const auto malformed = [text] { return Say(says::DateNotDayMonthYear, {QuotedText(text)}); };
    bool julian = false;
    std::string_view numbers = text;
    if (!numbers.empty() && (Lower(numbers.back()) == 'g' || Lower(numbers.back()) == 'j')) {
        julian = Lower(numbers.back()) == 'j';
        numbers.remove_suffix(1);
    }
    std::array<std::string_view, 3> parts;
    std::size_t count = 0;
    if (!SplitInto(numbers, '.', parts, count) || count != 3) return {std::nullopt, malformed()};
    const auto day = Digits(parts[0], 2), month = Digits(parts[1], 2), year = Digits(parts[2], 4);
    if (!day || !month || !year) return {std::nullopt, malformed()};
    return CheckDate(*year, *month, *day, julian, numbers);
}

Parsed<CalendarDate> CheckDate(int year, int month, int day, bool julian, std::string_view written) {
    if (month < 1 || month > 12)
        return {std::nullopt, Say(says::MonthNotInYear, {Plain("month", std::to_string(month)), QuotedText(written)})};
    if (day < 1 || day > DaysInMonth(year, month, julian))
        return {std::nullopt, Say(julian ? says::DayNotInJulianMonth : says::DayNotInMonth,
                                  {Plain("day", std::to_string(day)), QuotedText(written),
                                   Nested("month", Say(l10n::kMonths[static_cast<std::size_t>(month - 1)])),
                                   Plain("year", std::to_string(year))})};
    CalendarDate date{year, month, day, julian};
    if (julian) {
        date = GregorianDate(JulianCalendarDayNumber(year, month, day));
        date.WasJulian = true;
    }
    if (date.Year < kFirstYear || date.Year > kLastYear) return {std::nullopt, YearOutside(date.Year)};
    return {date, {}};
}

Parsed<ClockTime> ParseTime(std::string_view text) {
    text = Trim(text);
    const auto malformed = [text] { return Say(says::TimeMalformed, {QuotedText(text)}); };
    std::array<std::string_view, 3> parts;
    std::size_t count = 0;
    if (!SplitInto(text, ':', parts, count) || count < 2) return {std::nullopt, malformed()};
    const auto hour = Digits(parts[0], 2), minute = Digits(parts[1], 2);
    const auto second = count == 3 ? Digits(parts[2], 2) : std::optional<int>(0);
    if (!hour || !minute || !second) return {std::nullopt, malformed()};
    if (*hour > 23)
        return {std::nullopt, Say(says::HourOutside, {Plain("hour", std::to_string(*hour)), QuotedText(text)})};
    if (*minute > 59)
        return {std::nullopt, Say(says::MinuteOutside, {Plain("minute", std::to_string(*minute)), QuotedText(text)})};
    if (*second > 59)
        return {std::nullopt, Say(says::SecondOutside, {Plain("second", std::to_string(*second)), QuotedText(text)})};
    return {ClockTime{*hour, *minute, *second}, {}};
}

Parsed<Angle> ParseAngle(std::string_view text, char positive, char negative, int maxDegrees,
                         const l10n::TextKey& field) {
    text = Trim(text);
    const auto said = [&](const l10n::TextKey& key, std::vector<l10n::Sentence::Value> values) {
        values.push_back(Nested("field", Say(field)));
        values.push_back(QuotedText(text));
        return Say(key, std::move(values));
    };
    const auto malformed = [&] {
        return said(says::AngleMalformed,
                    {Plain("positive", std::string(1, static_cast<char>(positive - 'a' + 'A'))),
                     Plain("negative", std::string(1, static_cast<char>(negative - 'a' + 'A'))),
                     Plain("example", positive == 'n' ? "49n05 or 49n05:30" : "8e11 or 8e11:30")});
    };
    const auto letter = FirstNonDigit(text);
    if (letter == std::string_view::npos || (Lower(text[letter]) != positive && Lower(text[letter]) != negative))
        return {std::nullopt, malformed()};
    std::array<std::string_view, 2> parts;
    std::size_t count = 0;
    if (!SplitInto(text.substr(letter + 1), ':', parts, count)) return {std::nullopt, malformed()};
    const auto degrees = Digits(text.substr(0, letter), 3);
    const auto minutes = parts[0].empty() && count == 1 ? std::optional<int>(0) : Digits(parts[0], 2);
    const auto seconds = count == 2 ? Digits(parts[1], 2) : std::optional<int>(0);
    if (!degrees || !minutes || !seconds) return {std::nullopt, malformed()};
    if (*degrees > maxDegrees)
        return {std::nullopt, said(says::AngleDegrees, {Plain("degrees", std::to_string(*degrees)),
                                                        Plain("most", std::to_string(maxDegrees))})};
    if (*minutes > 59 || *seconds > 59)
        return {std::nullopt, said(*minutes > 59 ? says::AngleMinutes : says::AngleSeconds, {})};
    return {Angle{*degrees, *minutes, *seconds, Lower(text[letter]) == negative}, {}};
}

Parsed<ZoneOffset> ParseZone(std::string_view text) {
    text = Trim(text);
    const auto malformed = [text] { return Say(says::ZoneMalformed, {QuotedText(text)}); };
    int secondsEast = 0;
    std::size_t direction = std::string_view::npos;
    for (std::size_t i = 0; i < text.size() && direction == std::string_view::npos; ++i)
        if (Lower(text[i]) == 'e' || Lower(text[i]) == 'w') direction = i;
    if (direction == std::string_view::npos) {
        // A bare number of hours, east of Greenwich unless negative: "1", "-5", "5.5", "+5.75".
        std::string_view number = text;
        bool west = false;
        if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
            west = number.front() == '-';
            number.remove_prefix(1);
        }
        const auto point = number.find('.');
        const auto hours = Digits(number.substr(0, point), 2);
        int fraction = 0, scale = 1;
        if (point != std::string_view::npos) {
            const std::string_view decimals = number.substr(point + 1);
            const auto value = Digits(decimals, 4);
            if (!value) return {std::nullopt, malformed()};
            fraction = *value;
            for (std::size_t i = 0; i < decimals.size(); ++i) scale *= 10;
        }
        if (!hours) return {std::nullopt, malformed()};
        secondsEast = *hours * 3600 + static_cast<int>(std::lround(3600.0 * fraction / scale));
        if (west) secondsEast = -secondsEast;
    } else {
        std::string_view hoursText = text.substr(0, direction);
        if (!hoursText.empty() && Lower(hoursText.back()) == 'h') hoursText.remove_suffix(1);
        const auto hours = Digits(hoursText, 2);
        std::array<std::string_view, 2> parts;
        std::size_t count = 0;
        if (!hours || !SplitInto(text.substr(direction + 1), ':', parts, count)) return {std::nullopt, malformed()};
        const auto minutes = parts[0].empty() && count == 1 ? std::optional<int>(0) : Digits(parts[0], 2);
        const auto seconds = count == 2 ? Digits(parts[1], 2) : std::optional<int>(0);
        if (!minutes || !seconds || *minutes > 59 || *seconds > 59) return {std::nullopt, malformed()};
        secondsEast = *hours * 3600 + *minutes * 60 + *seconds;
        if (Lower(text[direction]) == 'w') secondsEast = -secondsEast;
    }
    if (std::abs(secondsEast) > ZoneOffset::kMaxSeconds)
        return {std::nullopt, Say(says::ZoneTooFar, {QuotedText(text)})};
    return {ZoneOffset::FromSecondsWest(-secondsEast), {}};
}

Parsed<DaylightFlag> ParseDaylightFlag(std::string_view text) {
    text = Trim(text);
    if (text == "0") return {DaylightFlag::Standard, {}};
    if (text == "1") return {DaylightFlag::Daylight, {}};
    if (text == "*" || text.empty()) return {DaylightFlag::Unknown, {}};
    std::string lower;
    for (const char c : text) lower += Lower(c);
    if (lower == "l" || lower == "lmt" || lower == "m") return {DaylightFlag::LocalMeanTime, {}};
    return {std::nullopt, Say(says::AafDaylightFlag, {QuotedText(text)})};
}

std::optional<JulianDay> ParseJulianDay(std::string_view text) {
    text = Trim(text);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() || whole.size() > 8 || decimals.size() > 9) return std::nullopt;
    if (FirstNonDigit(whole) != std::string_view::npos || FirstNonDigit(decimals) != std::string_view::npos)
        return std::nullopt;
    double value = 0;
#ifdef __EMSCRIPTEN__
    // Emscripten's C++ library has no from_chars for doubles; its C library's strtod rounds as correctly
    // and knows no locale but "C". The text is digits and one point, checked above.
    const std::string digits(text);
    value = std::strtod(digits.c_str(), nullptr);
#else
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
#endif
    return JulianDay{value, std::pow(10.0, -static_cast<double>(decimals.size()))};
}

void SetDegreesMinutes(const Angle& angle, int maxDegrees, std::int16_t& degrees, std::int16_t& minutes) {
    const int arcSeconds = angle.Degrees * 3600 + angle.Minutes * 60 + angle.Seconds;
    const int total = std::min((arcSeconds + 30) / 60, maxDegrees * 60 + 59);
    degrees = static_cast<std::int16_t>(total / 60);
    minutes = static_cast<std::int16_t>(total % 60);
}

std::string AngleText(int degrees, int minutes, char hemisphere) {
    char text[24];
    std::snprintf(text, sizeof text, "%d%c%02d", degrees, hemisphere, minutes);
    return text;
}

std::string ZoneText(ZoneOffset offset) {
    const int west = offset.TotalSecondsWest();
    const int magnitude = std::abs(west);
    char text[24];
    if (magnitude % 60 != 0)
        std::snprintf(text, sizeof text, "%dh%c%02d:%02d", magnitude / 3600, west > 0 ? 'w' : 'e', magnitude / 60 % 60,
                      magnitude % 60);
    else
        std::snprintf(text, sizeof text, "%dh%c%02d", magnitude / 3600, west > 0 ? 'w' : 'e', magnitude / 60 % 60);
    return text;
}

std::pair<long, long> DayAndSecond(double julianDay) {
    const double shifted = julianDay + 0.5;
    long dayNumber = static_cast<long>(std::floor(shifted));
    long seconds = std::lround((shifted - static_cast<double>(dayNumber)) * 86400.0);
    if (seconds >= 86400) {  // rounded up to the next midnight
        seconds -= 86400;
        ++dayNumber;
    }
    return {dayNumber, seconds};
}

std::string InstantStamp(double julianDay) {
    const auto [dayNumber, seconds] = DayAndSecond(julianDay);
    const CalendarDate date = GregorianDate(dayNumber);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld:%02ld", date.Year, date.Month, date.Day,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

l10n::Sentence InstantSentence(std::string_view stamp) {
    int year = 0, month = 0, day = 0;
    char time[9] = {};
    const std::string text(stamp);
    if (std::sscanf(text.c_str(), "%d-%d-%d %8s", &year, &month, &day, time) != 4 || month < 1 || month > 12) return {};
    return l10n::Say(l10n::births_text::Instant, {l10n::Date("date", year, month, day), l10n::Plain("time", time)});
}

}  // namespace quorvane::births
