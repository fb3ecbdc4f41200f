// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "births/births.h"
#include "l10n/core_texts.h"
#include "births/births_csv.h"
#include "reading/time_zones.h"

using namespace quorvane;
using namespace quorvane::births;

namespace {

bool SameBirth(const Birth& a, const Birth& b) {
    return a.Data == b.Data && a.ZoneRow == b.ZoneRow;
}

Birth Sample(int row) {
    Birth b;
    b.Data.Name = "Ana María";
    b.Data.Day = 3;
    b.Data.Month = 11;
    b.Data.Year = 1984;
    b.Data.Hour = 23;
    b.Data.Minute = 7;
    b.Data.LatitudeDegrees = 33;
    b.Data.LatitudeMinutes = 52;
    b.Data.IsSouth = true;
    b.Data.LongitudeDegrees = 151;
    b.Data.LongitudeMinutes = 12;
    b.Data.IsEast = true;
    b.Data.IsDaylightSaving = true;
    b.ZoneRow = row;
    b.Place = "Sydney";
    b.Country = "AUS";
    return b;
}

}  // namespace

TEST(Births, OwnBirthsComeBackWithTheirRowThroughAafAndCsv) {
    // every row, also rows that share an offset with another row
    Book book;
    for (int row = 0; row < kTimeZoneCount; ++row) book.Births.push_back(Sample(row));
    Book aaf = ReadAaf(WriteAaf(book));
    Book csv = ReadCsv(WriteCsv(book));
    ASSERT_EQ(aaf.Births.size(), book.Births.size());
    ASSERT_EQ(csv.Births.size(), book.Births.size());
    for (std::size_t i = 0; i < book.Births.size(); ++i) {
        EXPECT_TRUE(aaf.Births[i].Error.empty()) << l10n::English(aaf.Births[i].Error);
        EXPECT_TRUE(SameBirth(book.Births[i], aaf.Births[i])) << "aaf row " << i;
        EXPECT_TRUE(SameBirth(book.Births[i], csv.Births[i])) << "csv row " << i;
    }
}

TEST(Births, ForeignLatin1FileKeepsEverythingAndIsWrittenBackUnchanged) {
    const std::string file =
        "#: written by hand\n"
        "#A93:M\xFCller,J\xFCrgen,m,27.9.1970,11:04:30,Kandel/Pfalz,D\n"
        "#B93:2440857.92,49n05,8e11,1he00,0\n"
        "#ZNAM:CET\n"
        "#COM:a comment, with a comma\n"
        "#XYZ:unknown chunk\n"
        "#A93:Broken,Record,f,31.2.19x0,10:00,Nowhere,D\n"
        "#B93:*,1n00,1e00,1he00,0\n"
        "#A93:Kathmandu,Person,f,1.1.1990,12:00,Kathmandu,NEP\n"
        "#B93:*,27n42,85e19,5he45,0\n";
    Book book = ReadAaf(file);
    EXPECT_EQ(book.TextEncoding, Encoding::Latin1);
    ASSERT_EQ(book.Births.size(), 3u);
    const Birth& b = book.Births[0];
    EXPECT_EQ(b.Data.Name, "J\u00fcrgen M\u00fcller");
    EXPECT_EQ(b.Data.Hour, 11);
    EXPECT_EQ(b.Data.Minute, 4);
    EXPECT_EQ(b.Data.LatitudeDegrees, 49);
    EXPECT_EQ(b.Data.LongitudeMinutes, 11);
    ASSERT_GE(b.ZoneRow, 0);
    EXPECT_EQ(TimeZoneTable()[b.ZoneRow].Hours, -1);
    EXPECT_EQ(book.Births[1].Line, 7);
    EXPECT_NE(l10n::English(book.Births[1].Error).find("date"), std::string::npos);
    EXPECT_EQ(book.Births[2].ZoneRow, -1);
    EXPECT_NE(l10n::English(ReadingRefusal(book.Births[2])).find("UTC+5:45"), std::string::npos);
    EXPECT_EQ(WriteAaf(book), file);

    // an edited birth is written anew but keeps its other chunks
    book.Births[0].Modified = true;
    std::string again = WriteAaf(book);
    EXPECT_NE(again.find("#XYZ:unknown chunk"), std::string::npos);
    EXPECT_NE(again.find("#COM:a comment, with a comma"), std::string::npos);
    Book back = ReadAaf(again);
    EXPECT_TRUE(SameBirth(back.Births[0], book.Births[0]));
}

TEST(Births, HugeLinesAndBinaryDoNotHang) {
    std::string huge = "#A93:" + std::string(5'000'000, 'x') + "\n#B93:" + std::string(1'000'000, ',') + "\n";
    Book book = ReadAaf(huge);
    ASSERT_EQ(book.Births.size(), 1u);
    EXPECT_FALSE(book.Births[0].Error.empty());
    EXPECT_EQ(WriteAaf(book), huge);
    std::string binary("\x00\xff\xfe#A93\x01", 8);
    EXPECT_FALSE(LooksLikeAaf(binary));
    EXPECT_TRUE(ReadAaf(binary).Births.empty());
}

TEST(Births, ExactOffsetsAndLocalMeanTimeGoThroughCsvAndBack) {
    // Nepal's +5:45 and Dublin mean time (-0:25:21) have no row; Pokhara 1905 kept its own mean time. A
    // record whose zone the file does not give cannot go into CSV.
    const std::string file =
        "#A93:Shrestha,Sita,f,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n"
        "#A93:Hoek,Jan,m,1.6.1910,12:00,Dublin,IRL\n#B93:*,53n20,6w15,0hw25:21,0\n"
        "#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,0he00,L\n"
        "#A93:Nobody,Known,m,1.6.1905,12:00,X,NEP\n#B93:*,28n14,83e59,*,0\n";
    const Book aaf = ReadAaf(file);
    ASSERT_EQ(aaf.Births.size(), 4u);
    const std::string csv = WriteCsv(aaf);
    EXPECT_EQ(csv,
              "name,date,time,zone,dst,lat,lon\n"
              "Sita Shrestha,1990-04-04,06:15,+05:45,0,27N42,85E19\n"
              "Jan Hoek,1910-06-01,12:00,-00:25:21,0,53N20,6W15\n"
              "Hari Rana,1905-06-01,12:00,LMT,0,28N14,83E59\n");
    Book back = ReadCsv(csv);
    ASSERT_EQ(back.Births.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const Birth& was = aaf.Births[i];
        const Birth& is = back.Births[i];
        EXPECT_TRUE(is.Error.empty()) << l10n::English(is.Error);
        EXPECT_TRUE(SameBirth(was, is)) << i;
        EXPECT_EQ(is.Clock, was.Clock) << i;
        EXPECT_EQ(is.StandardOffset.TotalSecondsWest(), was.StandardOffset.TotalSecondsWest()) << i;
    }
    EXPECT_EQ(back.Births[2].Clock, ClockKind::LocalMeanTime);
    EXPECT_EQ(back.Births[2].StandardOffset.TotalSecondsWest(), -(83 * 60 + 59) * 4);
    // And into AAF again: the same zone fields, local mean time marked as such.
    for (Birth& birth : back.Births) birth.Lines.clear();
    const std::string again = WriteAaf(back);
    EXPECT_NE(again.find("27n42,85e19,5he45,0"), std::string::npos) << again;
    EXPECT_NE(again.find("53n20,6w15,0hw25:21,0"), std::string::npos) << again;
    EXPECT_NE(again.find("#QCLOCK:LMT"), std::string::npos) << again;
    const Book reread = ReadAaf(again);
    ASSERT_EQ(reread.Births.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reread.Births[i].Clock, aaf.Births[i].Clock) << i;
        EXPECT_EQ(reread.Births[i].StandardOffset.TotalSecondsWest(), aaf.Births[i].StandardOffset.TotalSecondsWest())
            << i;
    }
    // The zone column's refusal names what it takes.
    EXPECT_EQ(l10n::English(ReadCsv("A,1990-04-04,06:15,5:45,0,27N42,85E19\n").Births[0].Error),
              "the zone \"5:45\" is not a row number 0 to 70, an offset such as +05:45 or -00:25:21, or LMT");
}

TEST(Births, TheSameOffsetTakesEachCountrysOwnRow) {
    // +10 h is Guam Standard Time on Guam and Australian Eastern Standard Time in Australia, however often
    // and in whatever order the two come.
    const Book book = ReadAaf(
        "#A93:A,B,m,1.6.1970,12:00,Hagatna,GU\n#B93:*,13n28,144e45,10he00,0\n"
        "#A93:C,D,m,1.6.1970,12:00,Sydney,AUS\n#B93:*,33s52,151e12,10he00,0\n"
        "#A93:E,F,m,1.6.1970,12:00:05,Hagatna,GU\n#B93:*,13n28,144e45,10he00,0\n");
    ASSERT_EQ(book.Births.size(), 3u);
    EXPECT_EQ(book.Births[0].ZoneRow, 30);
    EXPECT_EQ(book.Births[1].ZoneRow, 8);
    EXPECT_EQ(book.Births[2].ZoneRow, 30);
    EXPECT_EQ(book.Births[2].Data.Second, 5);
}
