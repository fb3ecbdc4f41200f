// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

#include "reading/reading_driver.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane {
namespace {

TEST(CoordinateKeys, DigitsAndBackspaceOnly) {
    for (std::uint16_t c = '0'; c <= '9'; ++c) EXPECT_EQ(FilterCoordinateKey(c).Code, c);
    EXPECT_EQ(FilterCoordinateKey(8).Code, 8);
    EXPECT_FALSE(FilterCoordinateKey(8).Message);
    for (std::uint16_t c : std::initializer_list<std::uint16_t>{13, '-', '.', 3, 22, ' ', 'a', 0x00E9}) {
        const KeyVerdict v = FilterCoordinateKey(c);
        EXPECT_EQ(v.Code, 0) << c;
        ASSERT_TRUE(v.Message) << c;
        EXPECT_EQ(v.Message->Text, "Only Numbers Are Accepted");
        EXPECT_EQ(v.Message->Icon, MessageIcon::Error);
    }
}

TEST(NameKeys, CapitalsBlanksAndRefusals) {
    EXPECT_EQ(FilterNameKey('a').Code, 'A');
    EXPECT_EQ(FilterNameKey('z').Code, 'Z');
    EXPECT_EQ(FilterNameKey('Q').Code, 'Q');
    for (std::uint16_t c : std::initializer_list<std::uint16_t>{32, 13, 8}) EXPECT_EQ(FilterNameKey(c).Code, c);
    for (std::uint16_t c : std::initializer_list<std::uint16_t>{'\'', '-', '1', '@', '[', '`', '{', 0x00E9}) {
        const KeyVerdict v = FilterNameKey(c);
        EXPECT_EQ(v.Code, 0) << c;
        ASSERT_TRUE(v.Message);
        EXPECT_EQ(v.Message->Text, "Please Enter only Letters");
        EXPECT_EQ(v.Message->Icon, MessageIcon::Information);
    }
}

TEST(WholeNumbers, PastedTextMustBeWhole) {
    EXPECT_EQ(ParseWholeNumber("000"), 0);
    EXPECT_EQ(ParseWholeNumber("  42 "), 42);
    EXPECT_EQ(ParseWholeNumber("-5"), -5);
    EXPECT_EQ(ParseWholeNumber("32767"), 32767);
    for (const char* bad : {"", "   ", "12a", "7.5", "1 2", "abc", "32768", "-32769", "0x10", "+", "1e2"})
        EXPECT_FALSE(ParseWholeNumber(bad)) << '"' << bad << '"';
}

BirthFormTexts Valid() {
    return {"ASHA", "74", "0", "40", "42", 5, 14, 1985};
}

void ExpectFailure(const BirthFormTexts& form, std::string_view message, MessageIcon icon, FormField focus) {
    const ValidationResult r = ValidateBirthData(form);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Message.Text, message);
    EXPECT_EQ(r.Message.Icon, icon);
    EXPECT_EQ(r.Focus, focus);
}

TEST(Validation, OrderMessagesAndFocus) {
    EXPECT_TRUE(ValidateBirthData(Valid()).Ok);
    BirthFormTexts f = Valid();
    f.Name = "   ";
    ExpectFailure(f, "Please Enter Name", MessageIcon::Error, FormField::Name);

    // Everything empty but the name: longitude before latitude, degrees before minutes.
    f = {"ASHA", "", "", "", "", 0, 0, 1901};
    ExpectFailure(f, "Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Error,
                  FormField::LongitudeDegrees);
    f.LongitudeDegrees = "179";
    ExpectFailure(f, "Please Enter Value Between 0 And 59 in the  Minute of Longitude", MessageIcon::Error,
                  FormField::LongitudeMinutes);
    f.LongitudeMinutes = "59";
    ExpectFailure(f, "Please Enter Value Between 0 And 89 in the Degree of Latitude", MessageIcon::Error,
                  FormField::LatitudeDegrees);
    f.LatitudeDegrees = "89";
    ExpectFailure(f, "Please Enter Value Between 0 And 59 in the  Minute of Latitude", MessageIcon::Error,
                  FormField::LatitudeMinutes);
    f.LatitudeMinutes = "0";
    EXPECT_TRUE(ValidateBirthData(f).Ok);
}

TEST(Validation, RangeBounds) {
    BirthFormTexts f = Valid();
    f.LongitudeDegrees = "180";
    EXPECT_EQ(ValidateBirthData(f).Focus, FormField::LongitudeDegrees);
    f = Valid();
    f.LatitudeDegrees = "90";
    EXPECT_EQ(ValidateBirthData(f).Focus, FormField::LatitudeDegrees);
    f = Valid();
    f.LatitudeDegrees = "000";
    EXPECT_TRUE(ValidateBirthData(f).Ok);
    f = Valid();
    f.LongitudeMinutes = "60";
    EXPECT_EQ(ValidateBirthData(f).Focus, FormField::LongitudeMinutes);
    // Pasted text that is not a whole number gets the field's own range message.
    for (const char* pasted : {"12a", "7.5", "1 2", "-1"}) {
        f = Valid();
        f.LongitudeDegrees = pasted;
        EXPECT_EQ(ValidateBirthData(f).Focus, FormField::LongitudeDegrees) << pasted;
        f = Valid();
        f.LatitudeMinutes = pasted;
        EXPECT_EQ(ValidateBirthData(f).Focus, FormField::LatitudeMinutes) << pasted;
    }
}

TEST(Validation, Dates) {
    auto date = [](int month, int day, int year) {
        BirthFormTexts f = Valid();
        f.MonthPosition = month - 1;
        f.DayPosition = day - 1;
        f.Year = year;
        return f;
    };
    EXPECT_TRUE(ValidateBirthData(date(2, 29, 1904)).Ok);
    EXPECT_TRUE(ValidateBirthData(date(2, 29, 2000)).Ok);
    ExpectFailure(date(2, 29, 1901), "Please Enter Correct Date Or Month!", MessageIcon::Information, FormField::None);
    ExpectFailure(date(2, 30, 2000), "Please Enter Correct Date Or Month!", MessageIcon::Information, FormField::None);
    for (int month : {4, 6, 9, 11})
        ExpectFailure(date(month, 31, 1985), "Please Enter Correct Date Or Month !", MessageIcon::Information,
                      FormField::None);
    EXPECT_TRUE(ValidateBirthData(date(4, 30, 1985)).Ok);
    EXPECT_TRUE(ValidateBirthData(date(12, 31, 2050)).Ok);
}

std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TEST(ZoneTable, RowsAndOffsets) {
    const auto& t = TimeZoneTable();
    EXPECT_EQ(t[kDefaultTimeZoneIndex].DisplayString, "Greenwich Mean Time,GMT,0.0");
    EXPECT_EQ(t[0].DisplayString, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(t[70].DisplayString, "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(Zone_Calculation(27), (ZoneOffset{5, 0}));
    EXPECT_EQ(Zone_Calculation(34), (ZoneOffset{-5, -30})) << "Indian Time is 5:30 east, not 5.3 hours";
    EXPECT_EQ(Zone_Calculation(50), (ZoneOffset{3, 30}));
    EXPECT_EQ(Zone_Calculation(32), (ZoneOffset{10, 30}));
    EXPECT_FALSE(Zone_Calculation(-1));
    EXPECT_FALSE(Zone_Calculation(71));
    // Each row's numbers are its shown offset negated (row 34 aside), and the rows are in the order a sorted list shows
    // (case ignored).
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(Folded(t[i - 1].DisplayString), Folded(t[i].DisplayString)) << i;
        }
        if (i == 34) continue;
        const std::string_view s = t[i].DisplayString;
        const double shown = std::stod(std::string(s.substr(s.rfind(',') + 1)));
        EXPECT_DOUBLE_EQ(-(t[i].Hours + t[i].Minutes / 60.0), shown) << s;
    }
}

// The abbreviation and kind are data of their own; they must agree with what the row shows.
TEST(ZoneTable, AbbreviationAndKindAgreeWithTheDisplayString) {
    int standard = 0, daylight = 0, war = 0;
    for (const TimeZoneRow& row : TimeZoneTable()) {
        const std::string_view s = row.DisplayString;
        const auto first = s.find(','), second = s.find(',', first + 1);
        std::string_view shown = s.substr(first + 1, second - first - 1);
        while (shown.starts_with(' ')) shown.remove_prefix(1);
        EXPECT_EQ(row.Abbreviation, shown) << s;
        const bool saysWar = s.find("War") != std::string_view::npos;
        const bool saysSummer =
            s.find("Daylight") != std::string_view::npos || s.find("Summer") != std::string_view::npos;
        const ZoneKind expected = saysWar ? ZoneKind::War : saysSummer ? ZoneKind::Daylight : ZoneKind::Standard;
        EXPECT_EQ(row.Kind, expected) << s;
        (row.Kind == ZoneKind::Standard ? standard : row.Kind == ZoneKind::War ? war : daylight)++;
    }
    EXPECT_EQ(war, 9);
    EXPECT_EQ(daylight, 19);
    EXPECT_EQ(standard, 43);
}

TEST(MoonPhase, DateTable) {
    struct Case {
        int day, month, year;
        MoonPhase phase;
    };
    for (const Case& c : {Case{1, 1, 1901, MoonPhase::Waxing}, Case{1, 1, 1910, MoonPhase::Waxing},
                          Case{14, 7, 1969, MoonPhase::Waning}, Case{15, 3, 2000, MoonPhase::Waxing},
                          Case{1, 1, 2001, MoonPhase::Waxing}, Case{5, 2, 2019, MoonPhase::Waning},
                          Case{31, 12, 2050, MoonPhase::Waning}})
        EXPECT_EQ(ComputeMoonPhase(c.day, c.month, c.year, c.year - 1901), c.phase)
            << c.day << "/" << c.month << "/" << c.year;
    // The edges of the waxing run, in January 1901 (g = 11, January code 3, t = day + 10).
    EXPECT_EQ(ComputeMoonPhase(6, 1, 1901, 0), MoonPhase::Waxing);   // a = 16
    EXPECT_EQ(ComputeMoonPhase(7, 1, 1901, 0), MoonPhase::Waning);   // a = 17
    EXPECT_EQ(ComputeMoonPhase(24, 1, 1901, 0), MoonPhase::Waning);  // a = 4
    EXPECT_EQ(ComputeMoonPhase(25, 1, 1901, 0), MoonPhase::Waxing);  // a = 5
    // 2000 still subtracts 4; 2001 subtracts 8 (list positions 99 and 100).
    EXPECT_EQ(ComputeMoonPhase(6, 1, 2000, 99), MoonPhase::Waxing);   // t = 9 - 4 = 5
    EXPECT_EQ(ComputeMoonPhase(6, 1, 2000, 100), MoonPhase::Waning);  // t = 9 - 8 = 1
}

BirthFormValues Form() {
    BirthFormValues f;
    f.Name = "ASHA";
    f.LongitudeDegrees = "74";
    f.LongitudeMinutes = "0";
    f.LatitudeDegrees = "40";
    f.LatitudeMinutes = "42";
    f.MonthPosition = 5;
    f.DayPosition = 14;
    f.YearPosition = 84;
    f.Year = 1985;
    f.Hour = 7;
    f.Minute = 30;
    f.ZoneIndex = 29;
    f.IsEast = false;
    return f;
}

TEST(ReadingSession, WholeReadingByHand) {
    // 15 Jun 1985 07:30 GMT at 40N42 74W00: Sun 84, Moon 48, Ascendant 50; the phase rule gives
    // y=85, g=(85 rem 19=9)*11 rem 30=9, s=9+15+6=30, t=26, a=26: waning.
    ReadingSession session;
    const auto outcome = session.Read(Form());
    ASSERT_TRUE(outcome.Validation.Ok);
    const GalacticReading& r = *outcome.Reading;
    EXPECT_EQ(r.Degrees, (WholeDegrees{84, 48, 50}));
    EXPECT_EQ(r.Phase, MoonPhase::Waning);
    EXPECT_EQ(r.AscendantSign->Name, "Protect");  // Moon's opposite 228
    EXPECT_EQ(r.DescendantSign->Name, "Trade");   // Moon 48
    EXPECT_EQ(r.MoonSign->Name, "Protect");       // Descendant 230
    EXPECT_EQ(r.SunSign->Name, "Art");            // Sun's opposite 264
    EXPECT_EQ(r.UniversalTime, (CivilDateTime{1985, 6, 15, 7, 30}));
    EXPECT_EQ(session.LastBirthData().Name, "ASHA");
}

TEST(ReadingSession, NameSecondsAndPlaceTextsDoNotMatter) {
    ReadingSession session;
    BirthFormValues other = Form();
    other.Name = "  SOMEONE ELSE ";
    const auto a = session.Read(Form()).Reading;
    const auto b = session.Read(other).Reading;
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Degrees, b->Degrees);
    EXPECT_EQ(a->SunSign, b->SunSign);
    EXPECT_EQ(session.LastBirthData().Name, "  SOMEONE ELSE ") << "kept as typed";
}

TEST(ReadingSession, ZoneReusedWithoutSelection) {
    ReadingSession session;
    BirthFormValues f = Form();
    f.ZoneIndex = 34;
    f.IsEast = true;
    ASSERT_TRUE(session.Read(f).Reading);
    EXPECT_EQ(session.LastReading()->UniversalTime, (CivilDateTime{1985, 6, 15, 2, 0}));
    EXPECT_EQ(session.LastReading()->UtcOffsetSecondsEast, 19800);
    f.ZoneIndex = -1;  // nothing selected: the last zone again
    EXPECT_EQ(session.Read(f).Reading->UniversalTime, (CivilDateTime{1985, 6, 15, 2, 0}));
    EXPECT_EQ(session.LastZoneIndex(), 34);
}

TEST(ReadingSession, ExactOffsetAndLocalMeanTimeInsteadOfARow) {
    ReadingSession session;
    BirthFormValues f = Form();
    f.ZoneIndex = 34;  // the row is not used once an offset is chosen
    f.ExactOffset = ParseUtcOffset("+05:45");
    const auto nepal = session.Read(f).Reading;
    ASSERT_TRUE(nepal);
    EXPECT_EQ(nepal->UniversalTime, (CivilDateTime{1985, 6, 15, 1, 45}));
    EXPECT_EQ(nepal->UtcOffsetSecondsEast, 20700);
    EXPECT_EQ(session.LastZoneIndex(), -1);
    EXPECT_FALSE(session.LastWasLocalMeanTime());

    f.ExactOffset.reset();
    f.LocalMeanTime = true;
    f.LongitudeDegrees = "4";
    f.LongitudeMinutes = "53";
    f.IsEast = true;
    f.IsDaylightSaving = true;  // one hour ahead of the mean time, as with any zone
    const auto amsterdam = session.Read(f).Reading;
    ASSERT_TRUE(amsterdam);
    EXPECT_EQ(amsterdam->UniversalTime, (CivilDateTime{1985, 6, 15, 6, 10, 28}));
    EXPECT_EQ(amsterdam->UtcOffsetSecondsEast, 1172 + 3600);
    EXPECT_TRUE(session.LastWasLocalMeanTime());
    EXPECT_EQ(session.LastZone(), ZoneOffset::FromSecondsWest(-1172));

    // Back to a row: the reading is the row's, bit for bit, as if no offset had ever been chosen.
    f.LocalMeanTime = false;
    f.IsDaylightSaving = false;
    ReadingSession fresh;
    const auto again = session.Read(f).Reading;
    const auto first = fresh.Read(f).Reading;
    EXPECT_EQ(session.LastZoneIndex(), 34);
    EXPECT_EQ(again->AscendantLongitude, first->AscendantLongitude);
    EXPECT_EQ(again->MoonLongitude, first->MoonLongitude);
}

TEST(UtcOffsetText, ReadAndWritten) {
    EXPECT_EQ(ParseUtcOffset("+05:45"), ZoneOffset::FromSecondsWest(-20700));
    EXPECT_EQ(ParseUtcOffset("-00:25:21"), ZoneOffset::FromSecondsWest(1521));
    EXPECT_EQ(ParseUtcOffset(" UTC+5:30 "), (ZoneOffset{-5, -30, 0}));
    EXPECT_EQ(ParseUtcOffset("\xE2\x88\x92"
                             "04:30"),
              (ZoneOffset{4, 30, 0}));
    EXPECT_EQ(ParseUtcOffset("+15"), (ZoneOffset{-15, 0, 0}));
    EXPECT_EQ(ParseUtcOffset("-00:00"), ZoneOffset{});
    for (const char* bad : {"", "05:45", "+", "+5:7", "+05:60", "+05:45:60", "+15:00:01", "+16:00", "+05:45x",
                            "+05:45:", "+123", "34", "LMT", "+05.75"})
        EXPECT_FALSE(ParseUtcOffset(bad)) << bad;
    EXPECT_EQ(FormatUtcOffset(20700), "+05:45");
    EXPECT_EQ(FormatUtcOffset(-1521), "-00:25:21");
    EXPECT_EQ(FormatUtcOffset(0), "+00:00");
    EXPECT_EQ(FormatUtcOffset(ZoneOffset{5, 0, 0}), "-05:00");
    for (int seconds = -ZoneOffset::kMaxSeconds; seconds <= ZoneOffset::kMaxSeconds; seconds += 997)
        EXPECT_EQ(-ParseUtcOffset(FormatUtcOffset(seconds))->TotalSecondsWest(), seconds);
}

TEST(LocalMeanTime, FourMinutesOfClockPerDegree) {
    EXPECT_EQ(LocalMeanTimeOffset(4.8897), ZoneOffset::FromSecondsWest(-1172)) << "Amsterdam, 4 deg 53 min E";
    EXPECT_EQ(LocalMeanTimeOffset(-6.2603), ZoneOffset::FromSecondsWest(1504))
        << "Dublin to the arc-minute, 6 deg 16 min W";
    EXPECT_EQ(LocalMeanTimeOffset(0.0), ZoneOffset{});
    EXPECT_EQ(-LocalMeanTimeOffset(180.0).TotalSecondsWest(), 12 * 3600);
    BirthData b;
    b.LongitudeDegrees = 83;
    b.LongitudeMinutes = 59;
    b.IsEast = true;
    EXPECT_EQ(FormatUtcOffset(LocalMeanTimeOffset(b)), "+05:35:56");
    b.IsEast = false;
    EXPECT_EQ(FormatUtcOffset(LocalMeanTimeOffset(b)), "-05:35:56");
}

TEST(ReadingSession, FailedValidationKeepsTheLastReading) {
    ReadingSession session;
    const auto first = session.Read(Form()).Reading;
    BirthFormValues bad = Form();
    bad.LatitudeDegrees = "95";
    bad.Hour = 20;
    const auto outcome = session.Read(bad);
    EXPECT_FALSE(outcome.Validation.Ok);
    EXPECT_FALSE(outcome.Reading);
    EXPECT_EQ(session.LastReading()->Degrees, first->Degrees);
    EXPECT_EQ(session.LastBirthData().Hour, 7);
}

}  // namespace
}  // namespace quorvane
