// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The POSIX TZ rule a TZif file ends with ("CET-1CEST,M3.5.0,M10.5.0/3", "<+0545>-5:45"), which tells the
// clock for every year after the file's last listed change.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/calendar.h"

namespace quorvane::zones {

// The day of a change in a year: "Jn" (1..365, 29 February never counted), "n" (0..365, counted) or
// "Mm.w.d" (day d, 0 = Sunday, of week w of month m; week 5 is the last).
struct RuleDay {
    enum class Kind { JulianNoLeap, ZeroBased, MonthWeekDay } Form = Kind::MonthWeekDay;
    int Day = 0;  // n or Jn, or the weekday of Mm.w.d
    int Month = 0;
    int Week = 0;
};

struct PosixTz {
    std::string StandardName;
    int StandardOffset = 0;  // seconds east of Greenwich (POSIX writes them west)
    bool HasDaylight = false;
    std::string DaylightName;
    int DaylightOffset = 0;
    RuleDay Start, End;                    // daylight time begins on Start and ends on End
    int StartTime = 7200, EndTime = 7200;  // local seconds after the day's midnight, -167 h to 167 h
};

// The rule, or nothing (with `error` set when given) when the text is not one.
std::optional<PosixTz> ParsePosixTz(std::string_view text, std::string* error = nullptr);

// One change of clock a rule makes: from `AtUtc` (seconds since 1970) the clock is `Offset` ahead of
// Universal Time, `StandardOffset` of it standard time.
struct RuleChange {
    std::int64_t AtUtc = 0;
    int Offset = 0;
    int StandardOffset = 0;
    bool Daylight = false;
};

// The changes the rule makes in the years first..last, in order. A rule whose daylight time covers the
// whole first year is daylight time for ever: one change at `since`. So is a rule without daylight time
// (standard time) and, likewise, one whose standard time covers the whole year.
std::vector<RuleChange> RuleChanges(const PosixTz& rule, int first, int last, std::int64_t since);

// Days since 1970-01-01 of a civil date, and a rule's day in a year.
using calendar::DaysFromCivil;
std::int64_t RuleDayInYear(const RuleDay& day, int year);
// The civil year of a day counted from 1970-01-01.
int YearOfDay(std::int64_t days);

}  // namespace quorvane::zones
