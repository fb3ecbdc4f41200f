// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Clock offsets from Universal Time written as text (+05:45, -00:25:21), and the local mean time of a
// birthplace: the Sun's own time there, four minutes of clock for each degree of longitude.

#include <optional>
#include <string>
#include <string_view>

#include "common/birth_data.h"

namespace quorvane {

// "+05:45", "-00:25:21", "+5:45", "+05", "UTC+05:45" (the UTC prefix and a blank after it are allowed,
// and so is U+2212 for the minus sign); hours 0..15, minutes and seconds 0..59, at most 15:00:00 in all.
// The sign is required: an offset without one is too easily a row number or a mistake.
std::optional<ZoneOffset> ParseUtcOffset(std::string_view text);

// The offset as the clock shows it, east positive: "+05:45", "-00:25:21", "+00:00" (seconds only when
// there are any).
std::string FormatUtcOffset(int secondsEast);
std::string FormatUtcOffset(ZoneOffset zone);
// The same offset in running text: "UTC+5:30" for 19800 seconds, "UTC-0:25:21" for -1521, "UTC+1" for
// 3600.
std::string UtcOffsetText(int secondsEast);

// The offset under daylight saving included, east positive, as a reading moves the clock.
constexpr int SecondsEastInForce(ZoneOffset zone, bool daylightSaving) {
    return -zone.TotalSecondsWest() + (daylightSaving ? 3600 : 0);
}

// Local mean time of a longitude (east positive, degrees) taken, as the birth-data form takes it, to the
// nearest arc-minute: 4 seconds of clock per arc-minute, so always whole seconds.
ZoneOffset LocalMeanTimeOffset(double longitudeEast);
// Local mean time of a longitude given to the second of arc (east positive): 15 seconds of arc are one
// second of clock, rounded to the nearest second.
ZoneOffset LocalMeanTimeOffset(long longitudeArcSecondsEast);
// Local mean time of the longitude the birth details carry.
ZoneOffset LocalMeanTimeOffset(const BirthData& birth);

}  // namespace quorvane
