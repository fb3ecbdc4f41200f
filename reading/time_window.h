// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A birth whose clock time is unknown, or known only as a span: the reading at every clock minute of a
// window of the birth date, given as runs of minutes with the same four signs.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/birth_data.h"
#include "galactic/galactic_signs.h"
#include "reading/reading_driver.h"

namespace quorvane {

inline constexpr int kMinutesPerDay = 1440;
inline constexpr int kLastMinuteOfDay = kMinutesPerDay - 1;

// Where clocks went back, the clock minutes of the repeated hour happen twice.
enum class ClockFold : std::uint8_t { None, First, Second };

// Clock minutes of the birth date over which one offset holds. A day's stretches come in the order of
// Universal Time; on a day the clock changes there are several, and a repeated hour lies in two.
struct ClockStretch {
    int FirstMinute = 0;  // minutes after the clock's midnight
    int LastMinute = kLastMinuteOfDay;
    ZoneOffset Zone;  // as a reading takes it, positive west
    bool DaylightSaving = false;
    ClockFold Fold = ClockFold::None;
};

// The whole day under one zone: a row (with or without daylight saving), an exact offset or local mean time.
std::vector<ClockStretch> SteadyClock(ZoneOffset zone, bool daylightSaving);

// An offset a place's clock kept from an instant on, the instant in seconds from the birth date's 00:00
// Universal Time. The first period must have begun by the day's start (local time); later ones follow
// in order.
struct ClockPeriod {
    long long UtcStartSeconds = 0;
    int SecondsEast = 0;
};
// The clock minutes of the birth date that each period's offset gives, in order; minutes the clock
// skipped belong to none, and those it repeated are split off and marked first and second.
std::vector<ClockStretch> StretchesOfDay(std::span<const ClockPeriod> periods);

// A clock time of day as the window names it: whole minutes, "HH:MM".
std::string MinuteText(int minuteOfDay);
// "HH:MM-HH:MM" (also with an en dash), start no later than end; "unknown" is the whole day.
struct MinuteWindow {
    int From = 0;
    int To = kLastMinuteOfDay;
};
std::optional<MinuteWindow> ParseMinuteWindow(std::string_view text);

// Minutes from FirstMinute to LastMinute (clock times, within one stretch's fold) that read the same signs.
struct TimeRun {
    int FirstMinute = 0;
    int LastMinute = 0;
    ClockFold Fold = ClockFold::None;
    std::array<const GalacticSign*, kFrameCount> Signs{};  // frame order
};

struct MinuteRange {
    int First = 0;
    int Last = 0;
};

struct TimeWindowReading {
    MinuteWindow Window;
    MoonPhase Phase = MoonPhase::Waning;
    std::vector<TimeRun> Runs;  // in the order of Universal Time
    // Clock minutes of the window that did not happen that day (clocks went forward over them).
    std::vector<MinuteRange> Skipped;
    bool Repeated = false;  // some minutes of the window happened twice, and are read twice
    // The readings of the window's first and last minutes read, in the order of Universal Time: where the
    // Sun and the Moon stood as it began and as it ended.
    GalacticReading First, Last;

    // The frame's sign when it is the same at every minute of the window; nothing when it changes.
    const GalacticSign* CertainSign(Frame frame) const;
};

// One frame's signs over the window in order, each with the clock times it holds from and to: runs that
// agree in this frame joined.
struct FrameSpan {
    const GalacticSign* Sign = nullptr;
    int FirstMinute = 0, LastMinute = 0;
    ClockFold FirstFold = ClockFold::None, LastFold = ClockFold::None;
};
std::vector<FrameSpan> FrameSpans(const TimeWindowReading& reading, Frame frame);

// The reading at every clock minute of the window (whole minutes, second 0), read as a single reading of
// that minute reads it; the birth's clock time and daylight-saving flag are not used (the stretches give
// them). No allocation per minute: only the runs grow.
TimeWindowReading ReadTimeWindow(const BirthData& birth, std::span<const ClockStretch> clock, MinuteWindow window,
                                 int yearListPosition);

}  // namespace quorvane
