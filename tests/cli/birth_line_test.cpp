// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include <nlohmann/json.hpp>

#include "cli/birth_line.h"
#include "cli/births_commands.h"
#include "cli/localized_text.h"
#include "l10n/core_texts.h"
#include "report/reading_text.h"
#include "births/births_csv.h"

namespace quorvane::cli {
namespace {

TEST(CliParsing, DatesTimesAndFlags) {
    const auto d = ParseDate("1985-06-15");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Year, 1985);
    EXPECT_EQ(d->Month, 6);
    EXPECT_EQ(d->Day, 15);
    for (const char* bad :
         {"1985-6-15", "1985/06/15", "1985-13-01", "1985-00-10", "1985-01-32", "85-06-15", "", "1985-06-1x"})
        EXPECT_FALSE(ParseDate(bad)) << bad;
    const auto t = ParseTime("07:30");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Hour, 7);
    EXPECT_EQ(t->Minute, 30);
    EXPECT_TRUE(ParseTime("7:05"));
    EXPECT_EQ(t->Second, 0);
    const auto withSeconds = ParseTime("23:59:59");
    ASSERT_TRUE(withSeconds);
    EXPECT_EQ(withSeconds->Minute, 59);
    EXPECT_EQ(withSeconds->Second, 59);
    for (const char* bad : {"24:00", "12:60", "1230", "12:", ":30", "-1:00", "12:3x", "12:30:60", "12:30:", "12:30:5x",
                            "12:30:15:00", "12::15"})
        EXPECT_FALSE(ParseTime(bad)) << bad;
    EXPECT_EQ(ParseFlag("1"), true);
    EXPECT_EQ(ParseFlag("0"), false);
    EXPECT_EQ(ParseFlag("TRUE"), true);
    EXPECT_FALSE(ParseFlag("2"));
}

TEST(CliParsing, Coordinates) {
    auto c = ParseCoordinate("40N42", 'N', 'S');
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Degrees, "40");
    EXPECT_EQ(c->Minutes, "42");
    EXPECT_FALSE(c->Negative);
    c = ParseCoordinate("74w00", 'E', 'W');
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->Negative) << "letter in either case";
    EXPECT_TRUE(ParseCoordinate("151E12", 'E', 'W'));
    for (const char* bad : {"40N", "N42", "40X42", "40N4.2", "40.5N00", "40E42", "-40N42", "1234N00", "40N123", ""})
        EXPECT_FALSE(ParseCoordinate(bad, 'N', 'S')) << bad;
}

std::string ErrorOf(const ReadingOrError& r) {
    const auto* e = std::get_if<std::string>(&r);
    return e ? *e : "<reading>";
}

TEST(CliReading, MessagesNameTheProblem) {
    // A CSV line is refused in the births reader's words, the same in --batch, --to and the births book;
    // what the line holds but the form would refuse (no name) in the form's.
    EXPECT_EQ(ErrorOf(ReadCsvBirth("ASHA,1985-06-15,07:30,29,0,40N42,180W00")),
              "the longitude \"180W00\" has 180 degrees; at most 179");
    EXPECT_EQ(ErrorOf(ReadCsvBirth("ASHA,1985-06-15,07:30,29,0,40N60,74W00")),
              "the latitude \"40N60\" has more than 59 minutes");
    EXPECT_EQ(ErrorOf(ReadCsvBirth("   ,1985-06-15,07:30,29,0,40N42,74W00")), "Please Enter Name");
    // The name field's typing rule holds for a name typed as --name; a name from a file is used as it stands.
    EXPECT_EQ(ErrorOf(ReadBirth({"O'HARA", "1985-06-15", "07:30", "29", "0", "40N42", "74W00"})),
              "Please Enter only Letters");
    EXPECT_EQ(ErrorOf(ReadBirth({"ASHA", "1985-06-15", "07:30", "29", "0", "40N42", "180W00"})),
              "Please Enter Value Between 0 And 179 in the Degree of Longitude");
    EXPECT_EQ(ErrorOf(ReadBirth({"ASHA", "1985-04-31", "07:30", "29", "0", "40N42", "74W00"})),
              "Please Enter Correct Date Or Month !");
    EXPECT_EQ(ErrorOf(ReadBirth({"ASHA", "1900-06-15", "07:30", "29", "0", "40N42", "74W00"})),
              "date: year must be 1901 to 2050");
    EXPECT_EQ(ErrorOf(ReadCsvBirth("ASHA,1985-04-31,07:30,29,0,40N42,74W00")),
              "the day 31 of the date \"1985-04-31\" does not exist in April 1985");
    EXPECT_EQ(ErrorOf(ReadCsvBirth("ASHA,1900-06-15,07:30,29,0,40N42,74W00")),
              "the year 1900 lies outside 1901\u20132050");
    EXPECT_EQ(ErrorOf(ReadCsvBirth("ASHA,2051-01-01,07:30,29,0,40N42,74W00")),
              "the year 2051 lies outside 1901\u20132050");
    EXPECT_NE(ErrorOf(ReadCsvBirth("ASHA,1985-06-15,07:30,71,0,40N42,74W00")).find("zone"), std::string::npos);
    EXPECT_NE(ErrorOf(ReadCsvBirth("ASHA,1985-06-15,7h30,29,0,40N42,74W00")).find("time"), std::string::npos);
    EXPECT_EQ(ErrorOf(ReadCsvBirth("ASHA,1985-06-15,07:30,29,0,40N42")),
              "the line has 6 fields; it needs 7: name,date,time,zone,dst,lat,lon");
}

TEST(CliReading, JsonOfOneReading) {
    const auto r = ReadCsvBirth("asha,1985-06-15,07:30,29,0,40N42,74W00");
    ASSERT_TRUE(std::holds_alternative<NamedReading>(r)) << ErrorOf(r);
    const auto j = nlohmann::json::parse(FormatJson(std::get<NamedReading>(r), false));
    EXPECT_EQ(j.size(), 14u);
    EXPECT_EQ(j["name"], "ASHA");
    EXPECT_EQ(j["universalTime"], "1985-06-15T07:30Z");
    EXPECT_EQ(j["utcOffset"], "+00:00");
    EXPECT_EQ(j["sunDegree"], 84);
    EXPECT_EQ(j["moonDegree"], 48);
    EXPECT_EQ(j["ascendantDegree"], 50);
    EXPECT_EQ(j["moonPhase"], "Waning Moon");
    EXPECT_EQ(j["ascendant"], "Protect");
    EXPECT_EQ(j["descendant"], "Trade");
    EXPECT_EQ(j["moonSign"], "Protect");
    EXPECT_EQ(j["sunSign"], "Art");
    // The exact longitudes, to four decimals, that the whole degrees are the floors of.
    const GalacticReading& reading = std::get<NamedReading>(r).Reading;
    EXPECT_NEAR(j["ascendantLongitude"].get<double>(), 50.6028, 1e-9);
    EXPECT_NEAR(j["sunLongitude"].get<double>(), reading.SunLongitude, 5e-5);
    EXPECT_NEAR(j["moonLongitude"].get<double>(), reading.MoonLongitude, 5e-5);
    EXPECT_EQ(static_cast<int>(j["sunLongitude"].get<double>()), 84);
    EXPECT_EQ(static_cast<int>(j["moonLongitude"].get<double>()), 48);

    const auto full = nlohmann::json::parse(FormatJson(std::get<NamedReading>(r), true));
    ASSERT_EQ(full["frames"].size(), 4u);
    EXPECT_EQ(full["frames"][3]["frame"], "Galactic Sun Sign");
    EXPECT_EQ(full["frames"][3]["rulingPlanet"], "Earth");
    EXPECT_EQ(full["frames"][3]["description"].get<std::string>().size(), 485u) << "trailing blanks kept";
}

TEST(CliReading, DaylightSavingAndEastZones) {
    // 10:00 in Baghdad time with a west longitude is 07:00 UT; GMT with daylight saving at 10:00 is 09:00.
    auto ut = [](std::string_view line) {
        const auto r = ReadCsvBirth(line);
        return std::holds_alternative<NamedReading>(r)
                   ? FormatIsoMinute(std::get<NamedReading>(r).Reading.UniversalTime)
                   : std::get<std::string>(r);
    };
    EXPECT_EQ(ut("A,1985-03-10,10:00,12,0,40N25,3W42"), "1985-03-10T07:00Z");
    EXPECT_EQ(ut("A,1985-03-10,10:00,29,1,51N30,0E00"), "1985-03-10T09:00Z");
    EXPECT_EQ(ut("A,1999-12-31,23:30,54,0,34N03,118W15"), "2000-01-01T07:30Z");
}

TEST(CliReading, TheZoneColumnTakesAnOffsetOrLocalMeanTime) {
    auto reading = [](std::string_view line) {
        const auto r = ReadCsvBirth(line);
        EXPECT_TRUE(std::holds_alternative<NamedReading>(r)) << line << ": " << ErrorOf(r);
        return std::holds_alternative<NamedReading>(r) ? std::get<NamedReading>(r) : NamedReading{};
    };
    const NamedReading nepal = reading("A,1990-05-01,10:00,+05:45,0,27N42,85E19");
    EXPECT_EQ(FormatIsoMinute(nepal.Reading.UniversalTime), "1990-05-01T04:15Z");
    EXPECT_EQ(nepal.ZoneIndex, -1);
    EXPECT_EQ(nepal.Reading.Degrees.Ascendant, 108);
    const NamedReading dublin = reading("A,1910-06-01,12:00,-00:25:21,0,53N20,6W15");
    const auto j = nlohmann::json::parse(FormatJson(dublin, false));
    EXPECT_EQ(j["universalTime"], "1910-06-01T12:25:21Z");
    EXPECT_EQ(j["utcOffset"], "-00:25:21");
    // The clock's seconds and the offset's add up; 10:00:30 is thirty seconds after 10:00:00, and moves the
    // Ascendant (about a degree in four minutes) by its share.
    const NamedReading half = reading("A,1990-05-01,10:00:30,+05:45,0,27N42,85E19");
    EXPECT_EQ(FormatIsoMinute(half.Reading.UniversalTime), "1990-05-01T04:15:30Z");
    EXPECT_EQ(nlohmann::json::parse(
                  FormatJson(reading("A,1910-06-01,12:00:39,-00:25:21,0,53N20,6W15"), false))["universalTime"],
              "1910-06-01T12:26Z");
    EXPECT_GT(half.Reading.AscendantLongitude - nepal.Reading.AscendantLongitude, 0.05);
    EXPECT_LT(half.Reading.AscendantLongitude - nepal.Reading.AscendantLongitude, 0.25);
    // Local mean time from the longitude; daylight saving moves it an hour like any zone.
    const NamedReading amsterdam = reading("A,1925-06-01,12:00,lmt,1,52N22,4E53");
    EXPECT_TRUE(amsterdam.LocalMeanTime);
    EXPECT_EQ(FormatIsoMinute(amsterdam.Reading.UniversalTime), "1925-06-01T10:40:28Z");
    EXPECT_NE(
        FormatText(amsterdam).find("Born 1925-06-01T10:40:28Z (Universal Time), local mean time of the birthplace, "
                                   "UTC offset +01:19:32 (daylight saving)\n"),
        std::string::npos);
    // A row, and the same offset written out, are one reading; only the text naming the zone differs.
    const NamedReading row = reading("A,1985-06-15,07:30,34,0,40N42,74W00");
    const NamedReading typed = reading("A,1985-06-15,07:30,+05:30,0,40N42,74W00");
    EXPECT_EQ(row.Reading.AscendantLongitude, typed.Reading.AscendantLongitude);
    EXPECT_EQ(row.Reading.MoonLongitude, typed.Reading.MoonLongitude);
    EXPECT_EQ(row.Reading.SunLongitude, typed.Reading.SunLongitude);
    EXPECT_NE(FormatText(row).find("zone Indian Time, IST, +5.3\nUTC offset: +05:30\n"), std::string::npos);
    for (const char* bad : {"A,1990-05-01,10:00,05:45,0,27N42,85E19", "A,1990-05-01,10:00,+15:30,0,27N42,85E19",
                            "A,1990-05-01,10:00,+5:7,0,27N42,85E19", "A,1990-05-01,10:00,LMTX,0,27N42,85E19"})
        EXPECT_NE(ErrorOf(ReadCsvBirth(bad))
                      .find("is not a row number 0 to 70, an offset such as +05:45 or -00:25:21, or LMT"),
                  std::string::npos)
            << bad;
}

TEST(CliJson, EscapesWhatItWrites) {
    const auto r = std::get<NamedReading>(ReadCsvBirth("ASHA,1985-06-15,07:30,29,0,40N42,74W00"));
    NamedReading odd = r;
    odd.Name = "A\"B\\C\n";
    EXPECT_EQ(nlohmann::json::parse(FormatJson(odd, false))["name"], "A\"B\\C\n");
    EXPECT_EQ(nlohmann::json::parse(FormatJsonError(3, "bad \"x\""))["error"], "bad \"x\"");
}

TEST(CliJson, LongitudesToFourDecimalsWithinATurn) {
    NamedReading r = std::get<NamedReading>(ReadCsvBirth("ASHA,1985-06-15,07:30,29,0,40N42,74W00"));
    const auto written = [&r](double sun, double moon, double ascendant) {
        r.Reading.SunLongitude = sun;
        r.Reading.MoonLongitude = moon;
        r.Reading.AscendantLongitude = ascendant;
        const std::string json = FormatJson(r, false);
        const auto at = json.find("\"sunLongitude\"");
        return json.substr(at, json.find(",\"moonPhase\"") - at);
    };
    EXPECT_EQ(written(359.99996, 0.00004, 360.0),
              "\"sunLongitude\":0.0000,\"moonLongitude\":0.0000,\"ascendantLongitude\":0.0000");
    EXPECT_EQ(written(12.34566, 359.99994, 7.0),
              "\"sunLongitude\":12.3457,\"moonLongitude\":359.9999,\"ascendantLongitude\":7.0000");
    EXPECT_EQ(written(0.0, 100.05, std::nan("")),
              "\"sunLongitude\":0.0000,\"moonLongitude\":100.0500,\"ascendantLongitude\":0.0000");
}

}  // namespace
}  // namespace quorvane::cli

namespace quorvane::cli {
namespace {

std::string NameRead(std::string_view line) {
    const auto r = ReadCsvBirth(line);
    return std::holds_alternative<NamedReading>(r) ? std::get<NamedReading>(r).Name
                                                   : "error: " + std::get<std::string>(r);
}

TEST(CliBatchNames, NamesFromFilesAreUsedAsTheyStand) {
    // What the name field could take when typed is taken as it would be (capitals); any other name as it stands.
    EXPECT_EQ(NameRead("asha,1985-06-15,07:30,29,0,40N42,74W00"), "ASHA");
    EXPECT_EQ(NameRead("O'Hara,1985-06-15,07:30,29,0,40N42,74W00"), "O'Hara");
    EXPECT_EQ(NameRead("Wilhelm Conrad R\u00f6ntgen,1985-06-15,07:30,29,0,40N42,74W00"), "Wilhelm Conrad R\u00f6ntgen");
    EXPECT_EQ(NameRead("\"Jean-Luc St. L\u00e9on\",1985-06-15,07:30,29,0,40N42,74W00"), "Jean-Luc St. L\u00e9on");
    EXPECT_EQ(NameRead("\u0410\u043d\u043d\u0430,1985-06-15,07:30,29,0,40N42,74W00"), "\u0410\u043d\u043d\u0430");
    // Quotes enclose a field and are not part of it; a comma and a doubled quote inside quotes are.
    EXPECT_EQ(NameRead("\"ASHA\",1985-06-15,07:30,29,0,40N42,74W00"), "ASHA");
    EXPECT_EQ(NameRead("\"Smith, \"\"Jo\"\"\",1985-06-15,07:30,29,0,40N42,74W00"), "Smith, \"Jo\"");
    EXPECT_EQ(NameRead("A\tB,1985-06-15,07:30,29,0,40N42,74W00"), "error: name: holds a control character");
    // A name in ISO-8859-1 bytes is read as such, so that the JSON stays UTF-8.
    EXPECT_EQ(NameRead("R\xf6ntgen,1985-06-15,07:30,29,0,40N42,74W00"), "R\u00f6ntgen");
}

TEST(CliBatchNames, AafRecordsReadLikeTheirCsvLines) {
    const births::Book book = births::ReadAaf(
        "#A93:R\u00f6ntgen,Wilhelm Conrad,m,27.3.1945G,7:30:15,Lennep,D\n#B93:*,51n11,7e15,1he00,0\n"
        "#A93:Shrestha,Sita,f,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n");
    ASSERT_EQ(book.Births.size(), 2u);
    const auto first = ReadFileBirth(book.Births[0]);
    ASSERT_TRUE(std::holds_alternative<NamedReading>(first)) << std::get<std::string>(first);
    EXPECT_EQ(std::get<NamedReading>(first).Name, "Wilhelm Conrad R\u00f6ntgen");
    // The same birth as a CSV line gives the same reading, to the clock's second; only the name differs.
    const auto csv = ReadCsvBirth("X,1945-03-27,07:30:15," + std::to_string(book.Births[0].ZoneRow) + ",0,51N11,7E15");
    ASSERT_TRUE(std::holds_alternative<NamedReading>(csv));
    auto fromAaf = nlohmann::json::parse(FormatJson(std::get<NamedReading>(first), false));
    auto fromCsv = nlohmann::json::parse(FormatJson(std::get<NamedReading>(csv), false));
    fromAaf.erase("name");
    fromCsv.erase("name");
    EXPECT_EQ(fromAaf, fromCsv);
    EXPECT_EQ(fromAaf["universalTime"], "1945-03-27T06:30:15Z");
    // An offset no row has is read exactly, as the same CSV line with the offset is.
    const auto nepal = ReadFileBirth(book.Births[1]);
    ASSERT_TRUE(std::holds_alternative<NamedReading>(nepal)) << std::get<std::string>(nepal);
    EXPECT_EQ(std::get<NamedReading>(nepal).ZoneIndex, -1);
    EXPECT_EQ(std::get<NamedReading>(nepal).Reading.UtcOffsetSecondsEast, 5 * 3600 + 45 * 60);
    const auto nepalCsv = ReadCsvBirth("X,1990-04-04,06:15,+05:45,0,27N42,85E19");
    ASSERT_TRUE(std::holds_alternative<NamedReading>(nepalCsv));
    auto nepalFromAaf = nlohmann::json::parse(FormatJson(std::get<NamedReading>(nepal), false));
    auto nepalFromCsv = nlohmann::json::parse(FormatJson(std::get<NamedReading>(nepalCsv), false));
    nepalFromAaf.erase("name");
    nepalFromCsv.erase("name");
    EXPECT_EQ(nepalFromAaf, nepalFromCsv);
    // Local mean time from the file: the birthplace's own, to the second of arc of its longitude.
    const births::Book lmt =
        births::ReadAaf("#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59:30,0he00,L\n");
    const auto pokhara = ReadFileBirth(lmt.Births.at(0));
    ASSERT_TRUE(std::holds_alternative<NamedReading>(pokhara)) << std::get<std::string>(pokhara);
    EXPECT_TRUE(std::get<NamedReading>(pokhara).LocalMeanTime);
    EXPECT_EQ(std::get<NamedReading>(pokhara).Reading.UtcOffsetSecondsEast, (83 * 3600 + 59 * 60 + 30) / 15);
    // A record that gives no zone is still refused, naming why.
    const births::Book unknown =
        births::ReadAaf("#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n");
    const auto refused = ReadFileBirth(unknown.Births.at(0));
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    EXPECT_EQ(std::get<std::string>(refused), "The file does not give the zone; choose a row");
}

}  // namespace
}  // namespace quorvane::cli

namespace quorvane::cli {
namespace {

NamedReading WindowReading(const std::string& time, const std::string& zone = "29", const std::string& dst = "0") {
    const ReadingOrError r = ReadBirth({"ASHA", "1985-06-15", time, zone, dst, "51N30", "0W07"});
    EXPECT_TRUE(std::holds_alternative<NamedReading>(r))
        << (std::holds_alternative<std::string>(r) ? std::get<std::string>(r) : "");
    return std::holds_alternative<NamedReading>(r) ? std::get<NamedReading>(r) : NamedReading{};
}

// Each change's signs are those a reading at its first minute gives, and the minute before the next change
// still reads the change's signs; the frames' keys are a sign exactly when no change differs.
TEST(TimeUnknown, JsonChangesAgreeWithReadingsAtTheirMinutes) {
    for (const char* zone : {"29", "+05:45", "LMT"}) {
        SCOPED_TRACE(zone);
        const NamedReading day = WindowReading("unknown", zone, "1");
        ASSERT_TRUE(day.Window);
        const auto j = nlohmann::json::parse(FormatJson(day, true));
        EXPECT_EQ(j["date"], "1985-06-15");
        EXPECT_EQ(j["from"], "00:00");
        EXPECT_EQ(j["to"], "23:59");
        EXPECT_EQ(j["timeUnknown"], true);
        EXPECT_FALSE(j.contains("universalTime"));
        const auto& changes = j["changes"];
        ASSERT_GT(changes.size(), 12u);
        EXPECT_EQ(changes.front()["from"], "00:00");
        const char* keys[] = {"ascendant", "descendant", "moonSign", "sunSign"};
        for (const char* key : keys) {
            bool changes_ = false;
            for (const auto& c : changes) changes_ = changes_ || c[key] != changes.front()[key];
            EXPECT_EQ(j[key].is_null(), changes_) << key;
            if (!changes_) {
                EXPECT_EQ(j[key], changes.front()[key]) << key;
            }
        }
        for (std::size_t i = 0; i < changes.size(); ++i) {
            const std::string from = changes[i]["from"];
            const int minute = std::stoi(from.substr(0, 2)) * 60 + std::stoi(from.substr(3));
            for (const int at : {minute, i + 1 < changes.size() ? [&] {
                                     const std::string next = changes[i + 1]["from"];
                                     return std::stoi(next.substr(0, 2)) * 60 + std::stoi(next.substr(3)) - 1;
                                 }()
                                                                : kLastMinuteOfDay}) {
                const auto single = nlohmann::json::parse(FormatJson(WindowReading(MinuteText(at), zone, "1"), false));
                for (const char* key : keys) EXPECT_EQ(single[key], changes[i][key]) << key << " at " << MinuteText(at);
            }
        }
    }
}

TEST(TimeUnknown, TextShowsNoChangingSignAsTheReading) {
    const NamedReading morning = WindowReading("06:00-12:00");
    const std::string text = FormatText(morning);
    EXPECT_NE(text.find("Born 1985-06-15, between 06:00 and 12:00\n"), std::string::npos) << text;
    const std::string depends = text.substr(text.find("\nDepends on the birth time:\n"));
    for (int f = 0; f < kFrameCount; ++f) {
        const auto frame = static_cast<quorvane::Frame>(f);
        const std::string caption(FrameCaption(frame));
        const GalacticSign* certain = morning.Window->CertainSign(frame);
        // A certain frame in full, as a reading has it; a changing one only among the changes.
        EXPECT_EQ(text.find("\n" + caption + ": " + (certain ? std::string(certain->Name) : "") +
                            "\n  Ruling Planet") != std::string::npos,
                  certain != nullptr)
            << caption;
        EXPECT_EQ(depends.find(caption + ": ") != std::string::npos, certain == nullptr) << caption;
    }
    // The changing frame's first sign from the window's start, its last to the window's end.
    const auto moon = static_cast<std::size_t>(quorvane::Frame::MoonSign);
    const std::string moonLine = depends.substr(depends.find("Galactic Moon Sign: "));
    EXPECT_EQ(
        moonLine.rfind(
            "Galactic Moon Sign: " + std::string(morning.Window->Runs.front().Signs[moon]->Name) + " 06:00\u2013", 0),
        0u)
        << moonLine;
    EXPECT_NE(moonLine.find(", " + std::string(morning.Window->Runs.back().Signs[moon]->Name) + " "),
              std::string::npos);
    EXPECT_EQ(moonLine.substr(moonLine.find('\n') - 8, 8), "\u201312:00") << moonLine;
}

// Under every translated --lang a window's text is in that language through and through, with the same
// signs and clock times as the English one; the notes on clocks that went forward and back included.
TEST(TimeUnknown, TextInEveryLanguageLeavesNoEnglish) {
    NamedReading changed = WindowReading("00:00-04:00");
    // Two hours east, then one from 01:00 UT (03:00 on the clock): 02:00 to 02:59 come twice.
    const std::vector<ClockPeriod> back{{-24 * 3600, 7200}, {3600, 3600}};
    ReadWindow(changed, changed.Window->Window, StretchesOfDay(back));
    NamedReading skipped = WindowReading("unknown");
    // One hour east, then two from 01:00 UT (02:00 on the clock): no 02:00 to 02:59.
    const std::vector<ClockPeriod> forward{{-24 * 3600, 3600}, {3600, 7200}};
    ReadWindow(skipped, skipped.Window->Window, StretchesOfDay(forward));
    ASSERT_TRUE(changed.Window->Repeated);
    ASSERT_FALSE(skipped.Window->Skipped.empty());
    // "Zone" is German too, and "second" begins the Italian "seconda".
    const char* const english[] = {"Galactic", "reading for", "Born",   "time unknown", "UTC offset",      "Moon",
                                   "Note",     "clocks",      "Ruling", "Keywords",     "Characteristics", "Depends",
                                   "(first)",  "(second)"};
    for (const std::string_view language : {"de", "es", "fr", "it", "pt_BR", "ru"})
        for (const NamedReading* reading : {&changed, &skipped}) {
            SCOPED_TRACE(std::string(language));
            const std::string text = FormatText(*reading, language);
            for (const char* word : english) EXPECT_EQ(text.find(word), std::string::npos) << word << "\n" << text;
            EXPECT_NE(text.find(reading->Name), std::string::npos);
            // Each changing frame's signs in the language, in their order over the window, each with the
            // clock time it begins at as the language writes times.
            for (int f = 0; f < kFrameCount; ++f) {
                const auto frame = static_cast<quorvane::Frame>(f);
                if (reading->Window->CertainSign(frame)) continue;
                const std::string caption(l10n::FrameCaption(language, static_cast<l10n::Frame>(f)));
                std::size_t at = text.find(caption);
                ASSERT_NE(at, std::string::npos) << caption;
                for (const FrameSpan& span : FrameSpans(*reading->Window, frame)) {
                    const std::string begins = std::string(l10n::LocalizedSign(language, *span.Sign).Name) + " " +
                                               report::TimeText(language, span.FirstMinute / 60, span.FirstMinute % 60);
                    at = text.find(begins, at);
                    ASSERT_NE(at, std::string::npos) << begins << "\n" << text;
                }
            }
        }
    // English stays as it was written.
    EXPECT_EQ(FormatText(skipped, "en"), FormatText(skipped));
}

TEST(TimeUnknown, TimeFieldsOfFilesAndWindows) {
    // An empty CSV time is the whole day, "unknown" too; on the command line also a window of it.
    for (const char* time : {"", " ", "unknown", "UNKNOWN"}) {
        const ReadingOrError r = ReadCsvBirth(std::string("ASHA,1985-06-15,") + time + ",29,0,51N30,0W07");
        ASSERT_TRUE(std::holds_alternative<NamedReading>(r)) << time;
        const NamedReading& reading = std::get<NamedReading>(r);
        ASSERT_TRUE(reading.Window) << time;
        EXPECT_EQ(reading.Window->Window.From, 0);
        EXPECT_EQ(reading.Window->Window.To, kLastMinuteOfDay);
    }
    const auto typed = [](const char* time) {
        return ReadBirth({"ASHA", "1985-06-15", time, "29", "0", "51N30", "0W07"});
    };
    for (const char* time : {"unknown", "00:00-23:59"}) {
        const ReadingOrError r = typed(time);
        ASSERT_TRUE(std::holds_alternative<NamedReading>(r)) << time;
        ASSERT_TRUE(std::get<NamedReading>(r).Window) << time;
        EXPECT_EQ(std::get<NamedReading>(r).Window->Window.To, kLastMinuteOfDay);
    }
    for (const char* bad : {"12:00-06:00", "06:00-24:00", "6-7", "06:00-"}) {
        const ReadingOrError r = typed(bad);
        ASSERT_TRUE(std::holds_alternative<std::string>(r)) << bad;
        EXPECT_EQ(std::get<std::string>(r), "time: expected HH:MM-HH:MM, the start no later than the end, or unknown");
    }
    // A clock time stays a single reading.
    EXPECT_FALSE(WindowReading("07:30").Window);
    // An AAF record without its time, and no Julian day to give it.
    births::Book book = births::ReadAaf("#A93:Lind,Mia,*,14.6.1962G,*,Uppsala,S\n#B93:*,59n52,17e38,1he00,0\n");
    ASSERT_EQ(book.Births.size(), 1u);
    EXPECT_TRUE(book.Births[0].TimeUnknown);
    const ReadingOrError fromFile = ReadFileBirth(book.Births[0]);
    ASSERT_TRUE(std::holds_alternative<NamedReading>(fromFile));
    ASSERT_TRUE(std::get<NamedReading>(fromFile).Window);
    EXPECT_EQ(nlohmann::json::parse(FormatJson(std::get<NamedReading>(fromFile), false))["timeUnknown"], true);
    // Written back as it came: no time in AAF, an empty one in CSV, read again as unknown.
    book.Births[0].Modified = true;
    EXPECT_NE(births::WriteAaf(book).find("14.6.1962,*,"), std::string::npos) << births::WriteAaf(book);
    const std::string csv = births::WriteCsv(book);
    EXPECT_NE(csv.find("1962-06-14,,20,"), std::string::npos) << csv;
    EXPECT_TRUE(births::ReadCsv(csv).Births.at(0).TimeUnknown);
}

}  // namespace
}  // namespace quorvane::cli
