// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Day counts of the proleptic Gregorian calendar, the one calendar arithmetic of the program (the time
// scales, the births files' day numbers and the time-zone rules all count days with these). They are
// the standard library's own calendar (C++20 <chrono>), which counts from 1970-01-01.

#include <chrono>
#include <cstdint>

namespace quorvane::calendar {

struct Date {
    int Year = 1970, Month = 1, Day = 1;
};

// Days since 1970-01-01 of a date whose month is 1..12. A day past the month's end counts on into the
// next month (31 April is 1 May), as the clock arithmetic needs when a time moves past midnight.
inline std::int64_t DaysFromCivil(int year, int month, int day) {
    using namespace std::chrono;
    const sys_days first{std::chrono::year{year} / static_cast<unsigned>(month) / 1};
    return (first + days{day - 1}).time_since_epoch().count();
}

inline Date CivilFromDays(std::int64_t dayCount) {
    using namespace std::chrono;
    const year_month_day date{sys_days{days{dayCount}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

// The Julian day number (the day that starts at noon of the date) of 1970-01-01.
inline constexpr std::int64_t kJulianDayOfEpoch = 2440588;

}  // namespace quorvane::calendar
