// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One births CSV grammar: the same lines given to --batch, to --to and to the births book are read alike,
// or refused alike with the same words.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "births/births_csv.h"
#include "births/births_file.h"
#include "cli/births_commands.h"
#include "l10n/core_texts.h"

namespace quorvane::cli {
namespace {

// What one path made of a file of one line: nothing when it read the birth, else its refusal.
struct Verdicts {
    std::optional<std::string> Book, To, Batch;
    births::Birth Read;  // as the book read it
};

Verdicts AllThree(const std::string& file) {
    Verdicts v;
    const BirthsFile::Opened opened = BirthsFile::Parse(file, "births.csv");
    EXPECT_TRUE(opened.File) << l10n::English(opened.Refusal);
    if (!opened.File || opened.File->Book.Births.size() != 1) {
        ADD_FAILURE() << "the book does not hold one birth: " << file;
        return v;
    }
    v.Read = opened.File->Book.Births[0];
    if (!v.Read.Error.empty()) v.Book = l10n::English(v.Read.Error);

    const Conversion conversion = ConvertBirths(file, "aaf", nullptr);
    if (!conversion.Messages.empty()) {
        const std::string message = l10n::English(conversion.Messages.front());
        const std::string prefix = "line " + std::to_string(v.Read.Line) + ": ", suffix = "; left out";
        EXPECT_EQ(message.substr(0, prefix.size()), prefix);
        EXPECT_EQ(message.substr(message.size() - std::min(message.size(), suffix.size())), suffix);
        v.To = message.substr(prefix.size(), message.size() - prefix.size() - suffix.size());
    }
    EXPECT_EQ(conversion.Refused, v.To.has_value());

    int births = 0;
    ReadBatch(file, nullptr, [&](const BatchBirth& birth) {
        ++births;
        EXPECT_EQ(birth.Line, v.Read.Line);
        if (const auto* refusal = std::get_if<std::string>(&birth.Result)) v.Batch = *refusal;
    });
    EXPECT_EQ(births, 1);
    return v;
}

void ExpectReadAlike(const std::string& line, const BirthData& expected) {
    for (const std::string& file : {"name,date,time,zone,dst,lat,lon\n" + line + "\n", line + "\r\n"}) {
        const Verdicts v = AllThree(file);
        EXPECT_FALSE(v.Book) << line << ": " << *v.Book;
        EXPECT_FALSE(v.To) << line << ": " << *v.To;
        EXPECT_FALSE(v.Batch) << line << ": " << *v.Batch;
        EXPECT_EQ(v.Read.Data, expected) << line;
    }
}

void ExpectRefusedAlike(const std::string& line, const std::string& why) {
    const Verdicts v = AllThree("name,date,time,zone,dst,lat,lon\n" + line + "\n");
    EXPECT_EQ(v.Book, why) << line;
    EXPECT_EQ(v.To, why) << line;
    EXPECT_EQ(v.Batch, why) << line;
}

BirthData Asha(bool daylight) {
    BirthData d;
    d.Name = "ASHA";
    d.Year = 1985, d.Month = 6, d.Day = 15, d.Hour = 7, d.Minute = 30;
    d.LatitudeDegrees = 40, d.LatitudeMinutes = 42, d.LongitudeDegrees = 74, d.LongitudeMinutes = 0;
    d.IsEast = false;
    d.IsDaylightSaving = daylight;
    return d;
}

TEST(BirthsGrammar, EveryDaylightSpellingIsReadAlike) {
    for (const char* yes : {"1", "yes", "YES", "true", "TRUE", "True", " yes "})
        ExpectReadAlike(std::string("ASHA,1985-06-15,07:30,29,") + yes + ",40N42,74W00", Asha(true));
    for (const char* no : {"0", "no", "No", "false", "FALSE", "", "  "})
        ExpectReadAlike(std::string("ASHA,1985-06-15,07:30,29,") + no + ",40N42,74W00", Asha(false));
    for (const char* bad : {"2", "y", "n", "on", "*", "yess", "-1"})
        ExpectRefusedAlike(std::string("ASHA,1985-06-15,07:30,29,") + bad + ",40N42,74W00",
                           "the daylight flag \"" + std::string(bad) + "\" is not 0 or 1 (no or yes, false or true)");
}

TEST(BirthsGrammar, EveryZoneSpellingIsReadAlike) {
    for (const char* lmt : {"LMT", "lmt", "Lmt", "lMt"}) {
        ExpectReadAlike(std::string("ASHA,1985-06-15,07:30,") + lmt + ",0,40N42,74W00", Asha(false));
        EXPECT_EQ(AllThree(std::string("ASHA,1985-06-15,07:30,") + lmt + ",0,40N42,74W00").Read.Clock,
                  births::ClockKind::LocalMeanTime);
    }
    ExpectReadAlike("ASHA,1985-06-15,07:30,+05:45,0,40N42,74W00", Asha(false));
    ExpectReadAlike("ASHA,1985-06-15,07:30,-00:25:21,0,40N42,74W00", Asha(false));
    for (const char* bad : {"71", "070", "5:45", "LMTX", "L", "+15:30", "", "-"})
        ExpectRefusedAlike(std::string("ASHA,1985-06-15,07:30,") + bad + ",0,40N42,74W00",
                           "the zone \"" + std::string(bad) +
                               "\" is not a row number 0 to 70, an offset such as +05:45 or -00:25:21, or LMT");
}

TEST(BirthsGrammar, DatesTimesAndCoordinatesAreReadAndRefusedAlike) {
    BirthData seconds = Asha(false);
    seconds.Second = 15;
    ExpectReadAlike("ASHA,1985-06-15,7:30:15,29,0,40n42,74w00", seconds);
    ExpectReadAlike("\"ASHA\", 1985-06-15 ,07:30,29,0,40N42:10,74W00", Asha(false));
    BirthData noMinutes = Asha(false);
    noMinutes.LatitudeMinutes = 0;
    ExpectReadAlike("ASHA,1985-06-15,07:30,29,0,40N,74W00", noMinutes);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"ASHA,1985-02-29,07:30,29,0,40N42,74W00",
         "the day 29 of the date \"1985-02-29\" does not exist in February 1985"},
        {"ASHA,1985-13-01,07:30,29,0,40N42,74W00", "the month 13 of the date \"1985-13-01\" is not 1 to 12"},
        {"ASHA,15.6.1985,07:30,29,0,40N42,74W00", "the date \"15.6.1985\" is not YYYY-MM-DD"},
        {"ASHA,1900-06-15,07:30,29,0,40N42,74W00", "the year 1900 lies outside 1901\u20132050"},
        {"ASHA,1985-06-15,24:00,29,0,40N42,74W00", "the hour 24 of the time \"24:00\" is not 0 to 23"},
        {"ASHA,1985-06-15,7h30,29,0,40N42,74W00", "the time \"7h30\" is not hours:minutes or hours:minutes:seconds"},
        {"ASHA,1985-06-15,07:30,29,0,90N00,74W00", "the latitude \"90N00\" has 90 degrees; at most 89"},
        {"ASHA,1985-06-15,07:30,29,0,40N42,74N00",
         "the longitude \"74N00\" is not degrees, E or W, minutes (like 8e11 or 8e11:30)"},
        {"ASHA,1985-06-15,07:30,29,0,40N42", "the line has 6 fields; it needs 7: name,date,time,zone,dst,lat,lon"},
        {"\"ASHA,1985-06-15,07:30,29,0,40N42,74W00", "a quoted field is never closed"}};
    for (const auto& [line, why] : refused) ExpectRefusedAlike(line, why);
}

TEST(BirthsGrammar, OneHeaderRule) {
    // The first line is the header when its first field is "name" in any case and its second no date.
    for (const char* header :
         {"name,date,time,zone,dst,lat,lon", "Name,Date,Time,Zone,DST,Lat,Lon", "\"NAME\",x", " name ,x", "name"}) {
        const Verdicts v = AllThree(std::string(header) + "\nASHA,1985-06-15,07:30,29,0,40N42,74W00\n");
        EXPECT_FALSE(v.Book || v.To || v.Batch) << header;
        EXPECT_EQ(v.Read.Line, 2) << header;
    }
    // Someone called Name, first in a file without a header, is a birth everywhere.
    BirthData name = Asha(false);
    name.Name = "Name";
    const Verdicts v = AllThree("Name,1985-06-15,07:30,29,0,40N42,74W00\n");
    EXPECT_FALSE(v.Book || v.To || v.Batch);
    EXPECT_EQ(v.Read.Data, name);
    // Only the first line can be the header.
    ExpectRefusedAlike("name,date,time,zone,dst,lat,lon", "the date \"date\" is not YYYY-MM-DD");
}

// What CSV can hold is decided once: a birth whose file gives no zone is left out by --to and by the
// book's writer alike, and the reading refuses it.
TEST(BirthsGrammar, WhatCsvCannotHoldIsLeftOutAlike) {
    const std::string aaf = "#A93:Nobody,Known,m,1.6.1990,12:00,X,NEP\n#B93:*,28n14,83e59,*,0\n";
    const Conversion conversion = ConvertBirths(aaf, "csv", nullptr);
    ASSERT_EQ(conversion.Messages.size(), 1u);
    EXPECT_EQ(
        l10n::English(conversion.Messages[0]),
        "line 1: The file does not give the zone; choose a row (CSV needs a zone row, an offset or LMT); left out");
    EXPECT_EQ(conversion.Output, "name,date,time,zone,dst,lat,lon\n");
    const BirthsFile::Opened opened = BirthsFile::Parse(aaf, "x.aaf");
    ASSERT_TRUE(opened.File);
    EXPECT_FALSE(births::CsvCanHold(opened.File->Book.Births.at(0)));
    BirthsFile asCsv = *opened.File;
    asCsv.Format = BirthsFormat::Csv;
    EXPECT_EQ(asCsv.Bytes(), conversion.Output);
}

}  // namespace
}  // namespace quorvane::cli
