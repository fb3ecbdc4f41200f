// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// AAF as other programs write it, from hand-made files in tests/births/files: every variant of the
// date, time, coordinates, zone, daylight flag and Julian day; refusals that name the field; files
// written back byte for byte; edited records that keep their name fields and chunks.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "births/births.h"
#include "l10n/core_texts.h"
#include "reading/time_zones.h"

using namespace quorvane;
using namespace quorvane::births;

namespace {

std::string FileText(const std::string& name) {
    std::ifstream in(std::string(QUORVANE_BIRTHS_TEST_FILES) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Day, month, year, hour, minute, second as one string, for short comparisons.
std::string When(const Birth& b) {
    const BirthData& d = b.Data;
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d %02d:%02d:%02d", d.Day, d.Month, d.Year, d.Hour, d.Minute, d.Second);
    return text;
}

std::string Where(const Birth& b) {
    const BirthData& d = b.Data;
    char text[40];
    std::snprintf(text, sizeof text, "%d%c%02d %d%c%02d", d.LatitudeDegrees, d.IsSouth ? 's' : 'n', d.LatitudeMinutes,
                  d.LongitudeDegrees, d.IsEast ? 'e' : 'w', d.LongitudeMinutes);
    return text;
}

int RowHours(const Birth& b) {
    return TimeZoneTable()[static_cast<std::size_t>(b.ZoneRow)].Hours;
}

Book ReadOne(const std::string& a93, const std::string& b93) {
    return ReadAaf("#A93:" + a93 + "\n#B93:" + b93 + "\n");
}

}  // namespace

TEST(AafVariants, CalendarLettersClockSecondsAndCoordinatesInEitherCase) {
    const std::string file = FileText("calendar_and_clock.aaf");
    const Book book = ReadAaf(file);
    ASSERT_EQ(book.Births.size(), 4u);
    for (const Birth& b : book.Births) EXPECT_TRUE(b.Error.empty()) << b.Line;
    const Birth &maja = book.Births[0], &vera = book.Births[1], &ian = book.Births[2], &ada = book.Births[3];
    EXPECT_EQ(When(maja), "16.7.1972 14:05:00");
    EXPECT_EQ(Where(maja), "59n51 17e38");
    ASSERT_GE(maja.ZoneRow, 0);
    EXPECT_EQ(RowHours(maja), -1);
    // Julian 3 January 1910 is Gregorian 16 January; seconds of arc are rounded to the nearest minute.
    EXPECT_EQ(When(vera), "16.1.1910 09:05:07");
    EXPECT_EQ(Where(vera), "59n57 30e19");
    EXPECT_EQ(vera.ZoneRow, -1);
    EXPECT_EQ(vera.Clock, ClockKind::Offset);
    EXPECT_EQ(vera.StandardOffset.TotalSecondsWest(), -(2 * 3600 + 60));
    EXPECT_EQ(l10n::English(ReadingRefusal(vera)), "No zone row has the offset UTC+2:01; choose a row");
    EXPECT_EQ(When(ian), "1.12.1955 23:59:59");
    EXPECT_EQ(Where(ian), "31s57 115e51");
    // A Julian date of December 1900 falls in January 1901.
    EXPECT_EQ(When(ada), "2.1.1901 09:30:00");
    EXPECT_EQ(WriteAaf(book), file);
}

TEST(AafVariants, EveryWayOfWritingTheZone) {
    const Book book = ReadAaf(FileText("zones.aaf"));
    ASSERT_EQ(book.Births.size(), 10u);
    auto west = [&](std::size_t i) { return book.Births[i].StandardOffset.TotalSecondsWest(); };
    const Birth& berger = book.Births[0];
    ASSERT_GE(berger.ZoneRow, 0);
    EXPECT_EQ(RowHours(berger), -1);                     // 1he: no minutes
    EXPECT_EQ(book.Births[1].Clock, ClockKind::Offset);  // Caracas 2010, 4hw30
    EXPECT_EQ(west(1), 4 * 3600 + 30 * 60);
    EXPECT_EQ(book.Births[2].Clock, ClockKind::Offset);  // Amsterdam 1925, 0e19:32
    EXPECT_EQ(west(2), -(19 * 60 + 32));
    EXPECT_EQ(west(3), 25 * 60 + 21);  // Dublin 1910, 0W25:21, daylight flag "*"
    EXPECT_FALSE(book.Births[3].Data.IsDaylightSaving);
    ASSERT_GE(book.Births[4].ZoneRow, 0);  // a bare "1" is an hour east, with daylight saving
    EXPECT_EQ(RowHours(book.Births[4]), -1);
    EXPECT_TRUE(book.Births[4].Data.IsDaylightSaving);
    ASSERT_GE(book.Births[5].ZoneRow, 0);  // "-6" is six hours west
    EXPECT_EQ(RowHours(book.Births[5]), 6);
    // Local mean time of the birthplace, to the second: 4°29' west is 17 min 56 s; 135°30' east 9 h 2 min.
    EXPECT_EQ(book.Births[6].Clock, ClockKind::LocalMeanTime);
    EXPECT_EQ(west(6), 17 * 60 + 56);
    EXPECT_NE(NotesText(book.Births[6]).find("local mean time"), std::string::npos);
    EXPECT_EQ(book.Births[7].Clock, ClockKind::LocalMeanTime);
    EXPECT_EQ(west(7), -(9 * 3600 + 2 * 60));
    EXPECT_TRUE(HasExactOffset(book.Births[7]));
    // "*" with no Julian day: the zone must be chosen.
    EXPECT_EQ(book.Births[8].Clock, ClockKind::Unknown);
    EXPECT_FALSE(HasExactOffset(book.Births[8]));
    EXPECT_EQ(l10n::English(ReadingRefusal(book.Births[8])), "The file does not give the zone; choose a row");
    EXPECT_EQ(west(9), -(5 * 3600 + 45 * 60));
    for (const Birth& b : book.Births) EXPECT_TRUE(b.Error.empty()) << b.Line;
}

TEST(AafVariants, TheJulianDayCompletesAndOverrulesTheRecord) {
    const Book book = ReadAaf(FileText("julian_day.aaf"));
    ASSERT_EQ(book.Births.size(), 6u);
    // No time: noon UT of 12 August 1962 is 13:00 Central European Time.
    EXPECT_EQ(When(book.Births[0]), "12.8.1962 13:00:00");
    EXPECT_NE(NotesText(book.Births[0]).find("taken from the Julian day"), std::string::npos);
    // Agreeing to within the day's two decimals: nothing to say.
    EXPECT_EQ(When(book.Births[1]), "27.9.1970 11:04:00");
    EXPECT_TRUE(book.Births[1].Notes.empty());
    // A day apart: read with the Julian day's instant, and both instants named.
    const Birth& eva = book.Births[2];
    EXPECT_TRUE(eva.Error.empty());
    EXPECT_EQ(When(eva), "28.9.1970 11:04:48");
    EXPECT_NE(NotesText(eva).find("28 Sep 1970 10:04:48 UT"), std::string::npos) << NotesText(eva);
    EXPECT_NE(NotesText(eva).find("27 Sep 1970 10:04:00 UT"), std::string::npos) << NotesText(eva);
    EXPECT_NE(NotesText(eva).find("the Julian day is taken"), std::string::npos) << NotesText(eva);
    // A translated reader reads both instants with the date as the language writes it.
    const std::string german = l10n::Render("de", NotesSentence(eva));
    EXPECT_NE(german.find("28. September 1970, 10:04:48 UT"), std::string::npos) << german;
    EXPECT_NE(german.find("27. September 1970, 10:04:00 UT"), std::string::npos) << german;
    EXPECT_NE(l10n::Render("ru", NotesSentence(eva)).find("28 сентября 1970 г., 10:04:48 UT"), std::string::npos)
        << l10n::Render("ru", NotesSentence(eva));
    // No zone: the Julian day gives Nepal's +5:45 and Brest's local mean time.
    EXPECT_EQ(book.Births[3].Clock, ClockKind::Offset);
    EXPECT_EQ(book.Births[3].StandardOffset.TotalSecondsWest(), -(5 * 3600 + 45 * 60));
    EXPECT_EQ(book.Births[4].Clock, ClockKind::LocalMeanTime);
    EXPECT_EQ(book.Births[4].StandardOffset.TotalSecondsWest(), 17 * 60 + 56);
    EXPECT_EQ(l10n::English(book.Births[5].Error),
              "the date is not given (*) and there is no Julian day to take it from");
}

TEST(AafVariants, ByteOrderMarkCrLfContinuedChunksAndSubRecords) {
    const std::string file = FileText("continued_crlf_bom.aaf");
    Book book = ReadAaf(file);
    ASSERT_EQ(book.Births.size(), 2u);  // the sub-record's #A93 is no birth of its own
    EXPECT_TRUE(book.ByteOrderMark);
    EXPECT_TRUE(book.CrLf);
    const Birth& greta = book.Births[0];
    EXPECT_TRUE(greta.Error.empty());
    EXPECT_EQ(greta.Line, 2);
    EXPECT_EQ(greta.Data.Name, "Greta Fischer");
    EXPECT_EQ(greta.Place, "Kandel/Pfalz");
    EXPECT_EQ(When(greta), "16.7.1972 14:05:00");
    EXPECT_EQ(Where(greta), "49n05 8e11");
    EXPECT_EQ(greta.StandardOffset.TotalSecondsWest(), -44 * 60);
    EXPECT_EQ(book.Births[1].Line, 10);
    EXPECT_EQ(book.Births[1].Data.Name, "Hans Fischer");
    EXPECT_EQ(WriteAaf(book), file);

    // Edited: its own two chunks are written anew in the file's line ends, everything else stays in order.
    book.Births[0].Modified = true;
    const std::string edited = WriteAaf(book);
    EXPECT_EQ(edited.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(edited.find("#A93:Fischer,Greta,f,16.7.1972,14:05,Kandel/Pfalz,D\r\n#B93:*,49n05,8e11,0he44,0\r\n"
                          "#COM:born at home\r\n#SUB:event\r\n#A93:Fischer,Greta (wedding),e,2.6.1995"),
              std::string::npos)
        << edited;
    const Book back = ReadAaf(edited);
    ASSERT_EQ(back.Births.size(), 2u);
    EXPECT_EQ(When(back.Births[0]), When(greta));
    EXPECT_EQ(back.Births[0].StandardOffset, greta.StandardOffset);
    EXPECT_EQ(back.Births[0].Data.Name, greta.Data.Name);

    // A file whose last line has no line break is written back without one.
    const std::string open = "#A93:A,B,m,1.1.1990,12:00,X,D\n#B93:*,49n05,8e11,1he00,0";
    EXPECT_EQ(WriteAaf(ReadAaf(open)), open);
}

TEST(AafVariants, EditedRecordsKeepTheirNameFieldsAndExactClocks) {
    Book book = ReadAaf(FileText("zones.aaf"));
    Book again = ReadAaf(FileText("zones.aaf"));
    for (Birth& b : book.Births) b.Modified = true;
    book.Births[0].LastName = "van der Berger";
    book.Births[0].FirstName = "Paul Otto";
    book.Births[0].Data.Name = "Paul Otto van der Berger";
    book.Births[1].Data.Name = "Luz Maria Ramos Diaz";  // changed: split at the last blank
    const std::string text = WriteAaf(book);
    EXPECT_NE(text.find("#A93:van der Berger,Paul Otto,m,1.5.1960,10:00,Wien,A\n"), std::string::npos) << text;
    EXPECT_NE(text.find("#A93:Diaz,Luz Maria Ramos,f,"), std::string::npos);
    EXPECT_NE(text.find("#B93:*,52n22,4e54,0he19:32,0\n"), std::string::npos);  // exact offset, seconds kept
    EXPECT_NE(text.find("#B93:*,48n23,4w29,0hw17:56,0\n#QCLOCK:LMT\n"), std::string::npos);  // local mean time
    const Book back = ReadAaf(text);
    ASSERT_EQ(back.Births.size(), again.Births.size());
    EXPECT_EQ(back.Births[0].Data.Name, "Paul Otto van der Berger");
    EXPECT_EQ(back.Births[1].Data.Name, "Luz Maria Ramos Diaz");
    for (std::size_t i = 0; i < back.Births.size(); ++i) {
        EXPECT_EQ(back.Births[i].ZoneRow, again.Births[i].ZoneRow) << i;
        EXPECT_EQ(back.Births[i].Clock, again.Births[i].Clock) << i;
        EXPECT_EQ(back.Births[i].StandardOffset, again.Births[i].StandardOffset) << i;
        EXPECT_EQ(When(back.Births[i]), When(again.Births[i])) << i;
    }
}

TEST(AafVariants, RefusalsNameTheFieldAndWhy) {
    const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
        {{"A,B,m,16.7.1879,10:00,X,D", "*,49n05,8e11,1he00,0"}, "the year 1879 lies outside 1901\u20132050"},
        {{"A,B,m,31.12.2050J,10:00,X,D", "*,49n05,8e11,1he00,0"}, "the year 2051 lies outside 1901\u20132050"},
        {{"A,B,m,31.2.1970,10:00,X,D", "*,49n05,8e11,1he00,0"},
         "the day 31 of the date \"31.2.1970\" does not exist in February 1970"},
        {{"A,B,m,29.2.1901J,10:00,X,D", "*,49n05,8e11,1he00,0"},
         "the day 29 of the date \"29.2.1901\" does not exist in February 1901 (Julian calendar)"},
        {{"A,B,m,1.13.1970,10:00,X,D", "*,49n05,8e11,1he00,0"},
         "the month 13 of the date \"1.13.1970\" is not 1 to 12"},
        {{"A,B,m,1970-01-01,10:00,X,D", "*,49n05,8e11,1he00,0"}, "the date \"1970-01-01\" is not day.month.year"},
        {{"A,B,m,1.1.1970,25:00,X,D", "*,49n05,8e11,1he00,0"}, "the hour 25 of the time \"25:00\" is not 0 to 23"},
        {{"A,B,m,1.1.1970,10:60,X,D", "*,49n05,8e11,1he00,0"}, "the minute 60 of the time \"10:60\" is not 0 to 59"},
        {{"A,B,m,1.1.1970,10h00,X,D", "*,49n05,8e11,1he00,0"},
         "the time \"10h00\" is not hours:minutes or hours:minutes:seconds"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,91n05,8e11,1he00,0"}, "the latitude \"91n05\" has 91 degrees; at most 89"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,49x05,8e11,1he00,0"},
         "the latitude \"49x05\" is not degrees, N or S, minutes (like 49n05 or 49n05:30)"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,49n05,8e61,1he00,0"}, "the longitude \"8e61\" has more than 59 minutes"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,49n05,8e11,16he00,0"},
         "the zone \"16he00\" lies more than 15 hours from Greenwich"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,49n05,8e11,1hx00,0"},
         "the zone \"1hx00\" is not hours, h, e or w, minutes (like 1he00, 5hw30 or 0e21:48)"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,49n05,8e11,1he00,2"}, "the daylight flag \"2\" is not 0, 1, * or LMT"},
        {{"A,B,m,1.1.1970,10:00,X,D", "x1,49n05,8e11,1he00,0"}, "the Julian day \"x1\" is not a number"},
        {{"A,B,m,1.1.1970,10:00", "*,49n05,8e11,1he00,0"},
         "the #A93 line has 5 fields; it needs 7: last name, first name, type, date, time, place, country"},
        {{"A,B,m,1.1.1970,10:00,X,D", "*,49n05,8e11"},
         "the #B93 line has 3 fields; it needs 5: Julian day, latitude, longitude, zone, daylight flag"},
    };
    for (const auto& [record, why] : cases) {
        const Book book = ReadOne(record.first, record.second);
        ASSERT_EQ(book.Births.size(), 1u);
        EXPECT_EQ(l10n::English(book.Births[0].Error), why) << record.first << " / " << record.second;
        EXPECT_EQ(RecordName(book.Births[0]), "B A");
    }
    EXPECT_EQ(l10n::English(ReadAaf("#A93:Solo,*,m,1.1.1970,10:00,X,D\n").Births[0].Error),
              "the record has no #B93 line (latitude, longitude and zone)");
    EXPECT_EQ(RecordName(ReadAaf("#A93:Solo,*,m,1.1.1970,10:00,X,D\n").Births[0]), "Solo");
}
