// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calendar.h"

#include <gtest/gtest.h>

namespace quorvane::calendar {
namespace {

// Every day from 1600 to 2400 is counted by walking the months, independently of the formulas: each
// date's count is one more than the day before, and the count gives the date back.
TEST(Calendar, CountsEveryDayOfFourCenturiesInTurn) {
    const auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int64_t expected = DaysFromCivil(1600, 1, 1);
    for (int y = 1600; y <= 2400; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= lengths[m - 1] + (m == 2 && leap(y)); ++d, ++expected) {
                ASSERT_EQ(DaysFromCivil(y, m, d), expected) << y << '-' << m << '-' << d;
                const Date back = CivilFromDays(expected);
                ASSERT_EQ(back.Year * 10000 + back.Month * 100 + back.Day, y * 10000 + m * 100 + d);
            }
}

TEST(Calendar, FixedPointsAndDaysPastTheMonthsEnd) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);  // 2000 is a leap year
    EXPECT_EQ(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28), 1);  // 1900 is not
    EXPECT_EQ(DaysFromCivil(1985, 4, 31), DaysFromCivil(1985, 5, 1));
    EXPECT_EQ(DaysFromCivil(1985, 12, 32), DaysFromCivil(1986, 1, 1));
    // 2000 January 1 is Julian day 2451545 at its noon.
    EXPECT_EQ(DaysFromCivil(2000, 1, 1) + kJulianDayOfEpoch, 2451545);
}

}  // namespace
}  // namespace quorvane::calendar
