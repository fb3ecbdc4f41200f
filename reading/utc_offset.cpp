// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/utc_offset.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorvane {

namespace {

// One or two digits at `pos`; advances past them.
std::optional<int> TwoDigits(std::string_view text, std::size_t& pos, bool exactlyTwo) {
    std::size_t digits = 0;
    int value = 0;
    while (pos < text.size() && digits < 2 && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits == 0 || (exactlyTwo && digits != 2)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<ZoneOffset> ParseUtcOffset(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    for (std::string_view prefix : {"UTC", "utc", "GMT", "gmt"})
        if (text.substr(0, 3) == prefix) {
            text.remove_prefix(3);
            while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
            break;
        }
    int sign = 0;
    if (!text.empty() && text.front() == '+') {
        sign = 1;
        text.remove_prefix(1);
    } else if (!text.empty() && text.front() == '-') {
        sign = -1;
        text.remove_prefix(1);
    } else if (text.substr(0, 3) == "\xE2\x88\x92") {  // the minus sign proper
        sign = -1;
        text.remove_prefix(3);
    }
    if (sign == 0) return std::nullopt;
    std::size_t pos = 0;
    const auto hours = TwoDigits(text, pos, false);
    if (!hours) return std::nullopt;
    int minutes = 0, seconds = 0;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        const auto m = TwoDigits(text, pos, true);
        if (!m) return std::nullopt;
        minutes = *m;
        if (pos < text.size() && text[pos] == ':') {
            ++pos;
            const auto s = TwoDigits(text, pos, true);
            if (!s) return std::nullopt;
            seconds = *s;
        }
    }
    if (pos != text.size() || minutes > 59 || seconds > 59) return std::nullopt;
    const int total = *hours * 3600 + minutes * 60 + seconds;
    if (total > ZoneOffset::kMaxSeconds) return std::nullopt;
    // East of Greenwich the clock is ahead: its offset counts negative here.
    return ZoneOffset::FromSecondsWest(-sign * total);
}

std::string FormatUtcOffset(int secondsEast) {
    const int magnitude = std::abs(secondsEast);
    const int h = magnitude / 3600, m = magnitude / 60 % 60, s = magnitude % 60;
    if (h > 99) {  // no clock's offset, but written all the same
        char text[40];
        std::snprintf(text, sizeof text, "%c%02d:%02d:%02d", secondsEast < 0 ? '-' : '+', h, m, s);
        return text;
    }
    // Digit by digit rather than through printf: a batch writes one for each of its readings.
    char text[] = {secondsEast < 0 ? '-' : '+',
                   static_cast<char>('0' + h / 10),
                   static_cast<char>('0' + h % 10),
                   ':',
                   static_cast<char>('0' + m / 10),
                   static_cast<char>('0' + m % 10),
                   ':',
                   static_cast<char>('0' + s / 10),
                   static_cast<char>('0' + s % 10)};
    return std::string(text, s != 0 ? 9 : 6);
}

std::string FormatUtcOffset(ZoneOffset zone) {
    return FormatUtcOffset(-zone.TotalSecondsWest());
}

std::string UtcOffsetText(int secondsEast) {
    // "+05:30" -> "UTC+5:30", "+01:00" -> "UTC+1", "-00:25:21" -> "UTC-0:25:21".
    std::string text = FormatUtcOffset(secondsEast);
    if (text.size() == 6 && text.compare(3, 3, ":00") == 0) text.resize(3);
    if (text[1] == '0') text.erase(1, 1);
    return "UTC" + text;
}

ZoneOffset LocalMeanTimeOffset(double longitudeEast) {
    if (!std::isfinite(longitudeEast)) return {};
    const long arcMinutes = std::lround(std::fmax(-180.0, std::fmin(180.0, longitudeEast)) * 60.0);
    return LocalMeanTimeOffset(arcMinutes * 60);
}

ZoneOffset LocalMeanTimeOffset(long longitudeArcSecondsEast) {
    const int secondsEast = static_cast<int>(std::lround(static_cast<double>(longitudeArcSecondsEast) / 15.0));
    return ZoneOffset::FromSecondsWest(-secondsEast);
}

ZoneOffset LocalMeanTimeOffset(const BirthData& birth) {
    const long arcMinutes = birth.LongitudeDegrees * 60L + birth.LongitudeMinutes;
    return LocalMeanTimeOffset((birth.IsEast ? arcMinutes : -arcMinutes) * 60);
}

}  // namespace quorvane
