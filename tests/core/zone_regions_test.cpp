// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The region rule as a births file uses it: by country code and state, without a tz id.

#include "reading/zone_regions.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

std::string_view Named(std::optional<int> row) {
    return row ? TimeZoneTable()[static_cast<std::size_t>(*row)].Abbreviation : std::string_view("none");
}

TEST(RegionalZoneRow, ByCountryAndState) {
    EXPECT_EQ(Named(RegionalZoneRow("CN", "", "", 8 * 3600, false)), "CCT");
    EXPECT_EQ(Named(RegionalZoneRow("tw", "", "", 8 * 3600, false)), "CCT") << "codes in either case";
    EXPECT_EQ(Named(RegionalZoneRow("NZ", "", "", 13 * 3600, true)), "NZST");
    EXPECT_EQ(Named(RegionalZoneRow("US", "Hawaii", "", -10 * 3600 - 1800, false)), "HST");
    EXPECT_EQ(Named(RegionalZoneRow("US", "HI", "", -10 * 3600, false)), "AHST");
    EXPECT_EQ(Named(RegionalZoneRow("US", "Alaska", "", -9 * 3600, false)), "YST");
    EXPECT_EQ(Named(RegionalZoneRow("US", "Alaska", "", -11 * 3600, false)), "NT");
    EXPECT_EQ(Named(RegionalZoneRow("US", "Illinois", "", -6 * 3600, false)), "CST");
    EXPECT_EQ(Named(RegionalZoneRow("US", "", "", -4 * 3600, true)), "EDT") << "summer time before war time";
    EXPECT_EQ(Named(RegionalZoneRow("CA", "Newfoundland", "", -3 * 3600 - 1800, false)), "NST");
    EXPECT_EQ(Named(RegionalZoneRow("CA", "Yukon", "", -8 * 3600, true)), "YDT");
    EXPECT_EQ(Named(RegionalZoneRow("ID", "Jakarta", "", 7 * 3600 + 1800, false)), "JT");
    EXPECT_EQ(Named(RegionalZoneRow("IN", "", "", 5 * 3600 + 1800, false)), "IST");
    EXPECT_EQ(Named(RegionalZoneRow("IR", "", "", 3 * 3600 + 1800, false)), "IT");
    EXPECT_EQ(Named(RegionalZoneRow("JP", "", "", 9 * 3600, false)), "JST");
    EXPECT_EQ(Named(RegionalZoneRow("GU", "", "", 10 * 3600, false)), "GST");
    EXPECT_EQ(Named(RegionalZoneRow("PT", "Azores", "", -2 * 3600, false)), "AT");
    EXPECT_EQ(Named(RegionalZoneRow("BR", "", "", -3 * 3600, false)), "BZT2");
    EXPECT_EQ(Named(RegionalZoneRow("AU", "South Australia", "", 9 * 3600 + 1800, false)), "SAST");
    EXPECT_EQ(Named(RegionalZoneRow("AU", "Northern Territory", "", 9 * 3600 + 1800, false)), "ACST");
    EXPECT_EQ(Named(RegionalZoneRow("AU", "NSW", "", 11 * 3600, true)), "AEDT");
    EXPECT_EQ(Named(RegionalZoneRow("AU", "Western Australia", "", 8 * 3600, false)), "AWST");
    EXPECT_EQ(Named(RegionalZoneRow("GB", "", "", 2 * 3600, true)), "BDST");
    EXPECT_EQ(Named(RegionalZoneRow("RU", "", "", 6 * 3600, false)), "USZ5");
}

TEST(RegionalZoneRow, NoRowOfItsOwnLeavesTheChoiceToTheCaller) {
    EXPECT_FALSE(RegionalZoneRow("CN", "", "", 9 * 3600, false)) << "China has no row at +9";
    EXPECT_FALSE(RegionalZoneRow("US", "Hawaii", "", -6 * 3600, false)) << "Hawaii's region is not North America's";
    EXPECT_FALSE(RegionalZoneRow("ES", "", "", 3600, false)) << "a country without a region of its own";
    EXPECT_FALSE(RegionalZoneRow("", "", "", 8 * 3600, false));
    EXPECT_FALSE(RegionalZoneRow("AU", "Queensland", "", 10 * 3600, true)) << "no daylight row at +10 for the east";
    // A tz id decides when there is no country: a prefix entry takes every id below it.
    EXPECT_EQ(Named(RegionalZoneRow("", "", "America/Indiana/Indianapolis", -5 * 3600, false)), "EST");
    EXPECT_FALSE(RegionalZoneRow("", "", "Americana/Somewhere", -5 * 3600, false));
}

}  // namespace
}  // namespace quorvane
