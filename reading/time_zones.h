// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 71 named time zones of the zone list, in list order.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/birth_data.h"

namespace quorvane {

// Whether a row names a zone's standard time, its summer (daylight) time or its war time.
enum class ZoneKind { Standard, Daylight, War };

struct TimeZoneRow {
    std::string_view DisplayString;  // shown only, never parsed
    std::string_view Abbreviation;   // the row's own, as its display string shows it
    ZoneKind Kind;
    std::int16_t Hours;    // positive west of Greenwich
    std::int16_t Minutes;  // 0 or 30 in magnitude, same sign as Hours
};

inline constexpr int kTimeZoneCount = 71;
inline constexpr int kLastTimeZoneIndex = kTimeZoneCount - 1;
inline constexpr int kDefaultTimeZoneIndex = 29;  // "Greenwich Mean Time,GMT,0.0"

const std::array<TimeZoneRow, kTimeZoneCount>& TimeZoneTable();

// The offset of zone row `index`; nothing for an index outside 0..70 (the caller keeps its last offset).
std::optional<ZoneOffset> Zone_Calculation(int index);

// A zone row's offset in seconds east of Greenwich.
int RowOffsetSeconds(int row);

}  // namespace quorvane
