// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One reading's birth details, as the birth-data form hands them to the engine.

#include <cstdint>
#include <string>

namespace quorvane {

// The years the date lists offer and a reading accepts.
inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;

struct BirthData {
    std::string Name;                   // as typed, not trimmed; enters no computation
    std::int16_t Month = 1;             // 1..12
    std::int16_t Day = 1;               // 1..31
    std::int16_t Year = kFirstYear;     // kFirstYear..kLastYear
    std::int16_t Hour = 0;              // local clock, 0..23
    std::int16_t Minute = 0;            // 0..59
    std::int16_t Second = 0;            // 0..59
    std::int16_t LongitudeDegrees = 0;  // 0..179
    std::int16_t LongitudeMinutes = 0;  // 0..59
    std::int16_t LatitudeDegrees = 0;   // 0..89
    std::int16_t LatitudeMinutes = 0;   // 0..59
    bool IsEast = true;
    bool IsSouth = false;
    bool IsDaylightSaving = false;
    friend bool operator==(const BirthData&, const BirthData&) = default;
};

// A clock's offset, positive WEST of Greenwich: Universal Time = local + hours + minutes / 60 + seconds / 3600.
// A zone row's minutes are 0 or 30 and its seconds 0; an exact offset (local mean time, a typed offset,
// one read from a births file) may have any minutes and seconds. All three parts carry the same sign.
struct ZoneOffset {
    std::int16_t Hours = 0;
    std::int16_t Minutes = 0;
    std::int16_t Seconds = 0;
    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;

    // The largest offset a clock may have kept: 15 hours either way.
    static constexpr int kMaxSeconds = 15 * 3600;

    constexpr int TotalSecondsWest() const { return Hours * 3600 + Minutes * 60 + Seconds; }
    static constexpr ZoneOffset FromSecondsWest(int seconds) {
        return {static_cast<std::int16_t>(seconds / 3600), static_cast<std::int16_t>(seconds % 3600 / 60),
                static_cast<std::int16_t>(seconds % 60)};
    }
};

}  // namespace quorvane
