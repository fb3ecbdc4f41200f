// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "zones/posix_tz.h"
#include "zones/tzif.h"
#include "zones/zone_database.h"

namespace quorvane::zones {
namespace {

std::int64_t Utc(int y, int m, int d, int h = 0, int min = 0) {
    return DaysFromCivil(y, m, d) * 86400 + h * 3600 + min * 60;
}

// ---- A TZif file written here, so that each field can be damaged on its own.
struct Type {
    std::int32_t Offset;
    bool Daylight;
    std::uint8_t Abbreviation;
};
struct File {
    char Version = '2';
    std::vector<std::int64_t> Times;
    std::vector<std::uint8_t> TypeOf;
    std::vector<Type> Types = {{3600, false, 0}};
    std::string Chars = std::string("CET\0CEST\0", 9);
    std::string Footer = "\nCET-1CEST,M3.5.0,M10.5.0/3\n";
};

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>(v >> shift & 0xFF);
}
void Put64(std::string& out, std::uint64_t v) {
    for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>(v >> shift & 0xFF);
}

std::string Block(const File& f, char version, bool wide) {
    std::string out = "TZif";
    out += version;
    out += std::string(15, '\0');
    for (std::size_t count :
         {std::size_t{0}, std::size_t{0}, std::size_t{0}, f.Times.size(), f.Types.size(), f.Chars.size()})
        Put32(out, static_cast<std::uint32_t>(count));
    for (std::int64_t t : f.Times)
        wide ? Put64(out, static_cast<std::uint64_t>(t)) : Put32(out, static_cast<std::uint32_t>(t));
    for (std::uint8_t i : f.TypeOf) out += static_cast<char>(i);
    for (const Type& t : f.Types) {
        Put32(out, static_cast<std::uint32_t>(t.Offset));
        out += static_cast<char>(t.Daylight);
        out += static_cast<char>(t.Abbreviation);
    }
    return out + f.Chars;
}

std::string Bytes(const File& f) {
    if (f.Version == '\0') return Block(f, '\0', false);
    return Block(f, f.Version, false) + Block(f, f.Version, true) + f.Footer;
}

Zone Read(const std::string& bytes) {
    auto zone = ReadTzif(bytes);
    if (auto* error = std::get_if<std::string>(&zone)) ADD_FAILURE() << *error;
    return std::holds_alternative<Zone>(zone) ? std::get<Zone>(std::move(zone)) : Zone{};
}

std::string Refusal(const std::string& bytes) {
    auto zone = ReadTzif(bytes);
    return std::holds_alternative<std::string>(zone) ? std::get<std::string>(zone) : "";
}

std::string SystemFile(const std::string& name) {
    std::ifstream in("/usr/share/zoneinfo/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- The POSIX rule of the footer

TEST(PosixTz, NamesOffsetsAndChangeDays) {
    const auto cet = ParsePosixTz("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(cet);
    EXPECT_EQ(cet->StandardName, "CET");
    EXPECT_EQ(cet->StandardOffset, 3600) << "POSIX counts west; the rule is kept east";
    EXPECT_EQ(cet->DaylightName, "CEST");
    EXPECT_EQ(cet->DaylightOffset, 7200) << "an hour ahead when not given";
    EXPECT_EQ(cet->StartTime, 7200) << "02:00 when not given";
    EXPECT_EQ(cet->EndTime, 3 * 3600);

    const auto nepal = ParsePosixTz("<+0545>-5:45");
    ASSERT_TRUE(nepal);
    EXPECT_EQ(nepal->StandardName, "+0545");
    EXPECT_EQ(nepal->StandardOffset, 5 * 3600 + 45 * 60);
    EXPECT_FALSE(nepal->HasDaylight);

    const auto lordHowe = ParsePosixTz("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    ASSERT_TRUE(lordHowe);
    EXPECT_EQ(lordHowe->DaylightOffset - lordHowe->StandardOffset, 1800) << "a half-hour saving";

    // Over 24 hours and negative: RFC 8536's version 3 times.
    const auto israel = ParsePosixTz("IST-2IDT,M3.4.4/26,M10.5.0");
    ASSERT_TRUE(israel);
    EXPECT_EQ(israel->StartTime, 26 * 3600);
    const auto nuuk = ParsePosixTz("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    ASSERT_TRUE(nuuk);
    EXPECT_EQ(nuuk->StartTime, -3600);
    EXPECT_EQ(nuuk->EndTime, 0);
}

TEST(PosixTz, MalformedRulesAreRefusedWithAReason) {
    for (const char* text : {"",
                             "AB1",
                             "CET",
                             "CET-1CEST",
                             "CET-1CEST,M3.5.0",
                             "CET-1CEST,M13.1.0,M10.5.0",
                             "CET-1CEST,M3.6.0,M10.5.0",
                             "CET-1CEST,M3.5.7,M10.5.0",
                             "CET-1CEST,M3.0.0,M10.5.0",
                             "CET25",
                             "<+05-5",
                             "<+0>-5",
                             "<+0545>",
                             "CET-1CEST,M3.5.0/168,M10.5.0",
                             "CET-1CEST,M3.5.0,M10.5.0/3x",
                             "CET-1CEST,J0,J365",
                             "CET-1CEST,366,0",
                             "CET-1:60",
                             "CET-1CEST,M3.5.0/2:60,M10.5.0",
                             "C\xC3\xA9T-1",
                             "<C T>-1"}) {
        std::string error;
        EXPECT_FALSE(ParsePosixTz(text, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(PosixTz, TheDayOfEachFormInAYear) {
    // Mm.w.d: week 5 is the last such weekday, week 1 the first.
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::MonthWeekDay, 0, 3, 5}, 2040), DaysFromCivil(2040, 3, 25));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::MonthWeekDay, 0, 10, 5}, 2040), DaysFromCivil(2040, 10, 28));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::MonthWeekDay, 0, 11, 1}, 2040), DaysFromCivil(2040, 11, 4));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::MonthWeekDay, 4, 3, 4}, 2045), DaysFromCivil(2045, 3, 23));
    // February with five Sundays (2032) and with four (2033).
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::MonthWeekDay, 0, 2, 5}, 2032), DaysFromCivil(2032, 2, 29));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::MonthWeekDay, 0, 2, 5}, 2033), DaysFromCivil(2033, 2, 27));
    // Jn never counts 29 February: J60 is always 1 March. n counts it.
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::JulianNoLeap, 60, 0, 0}, 2040), DaysFromCivil(2040, 3, 1));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::JulianNoLeap, 60, 0, 0}, 2041), DaysFromCivil(2041, 3, 1));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::JulianNoLeap, 59, 0, 0}, 2040), DaysFromCivil(2040, 2, 28));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::ZeroBased, 59, 0, 0}, 2040), DaysFromCivil(2040, 2, 29));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::ZeroBased, 59, 0, 0}, 2041), DaysFromCivil(2041, 3, 1));
    EXPECT_EQ(RuleDayInYear({RuleDay::Kind::ZeroBased, 0, 0, 0}, 2041), DaysFromCivil(2041, 1, 1));
}

TEST(PosixTz, ChangesAreTakenInTheLocalTimeBeforeThem) {
    const auto at = [](const char* text, int year) {
        const auto rule = ParsePosixTz(text);
        EXPECT_TRUE(rule) << text;
        return rule ? RuleChanges(*rule, year, year, 0) : std::vector<RuleChange>{};
    };
    // Central Europe: 02:00 standard to 03:00 summer; back at 03:00 summer time, 01:00 UTC both.
    const auto cet = at("CET-1CEST,M3.5.0,M10.5.0/3", 2045);
    ASSERT_EQ(cet.size(), 2u);
    EXPECT_EQ(cet[0].AtUtc, Utc(2045, 3, 26, 1));
    EXPECT_TRUE(cet[0].Daylight);
    EXPECT_EQ(cet[0].Offset, 7200);
    EXPECT_EQ(cet[0].StandardOffset, 3600);
    EXPECT_EQ(cet[1].AtUtc, Utc(2045, 10, 29, 1));
    EXPECT_FALSE(cet[1].Daylight);
    // Greenland: at -1:00 on the last Sunday, which is 23:00 on the Saturday.
    const auto nuuk = at("<-02>2<-01>,M3.5.0/-1,M10.5.0/0", 2045);
    ASSERT_EQ(nuuk.size(), 2u);
    EXPECT_EQ(nuuk[0].AtUtc, Utc(2045, 3, 26, 1));
    EXPECT_EQ(nuuk[1].AtUtc, Utc(2045, 10, 29, 1));
    // Israel: 26:00 on the fourth Thursday, the Friday's 02:00.
    const auto israel = at("IST-2IDT,M3.4.4/26,M10.5.0", 2045);
    ASSERT_EQ(israel.size(), 2u);
    EXPECT_EQ(israel[0].AtUtc, Utc(2045, 3, 24, 0));
    // The southern hemisphere: summer time spans the new year, the end comes first in the year.
    const auto sydney = at("AEST-10AEDT,M10.1.0,M4.1.0/3", 2045);
    ASSERT_EQ(sydney.size(), 2u);
    EXPECT_FALSE(sydney[0].Daylight);
    EXPECT_EQ(sydney[0].AtUtc, Utc(2045, 4, 1, 16));
    EXPECT_TRUE(sydney[1].Daylight);
    EXPECT_EQ(sydney[1].AtUtc, Utc(2045, 9, 30, 16));
    // Daylight time all year, written as changes at the year's ends: one state for ever.
    const auto always = at("EST5EDT,0/0,J365/25", 2045);
    ASSERT_EQ(always.size(), 1u);
    EXPECT_TRUE(always[0].Daylight);
    EXPECT_EQ(always[0].Offset, -4 * 3600);
}

// ---- Zones read from TZif

TEST(Tzif, TheFooterRuleContinuesPastTheLastChange) {
    File f;
    f.Types = {{-600, false, 0}, {3600, false, 4}, {7200, true, 8}};
    f.Chars = std::string("LMT\0CET\0CEST\0", 13);
    f.Times = {Utc(1901, 1, 1), Utc(2037, 3, 29, 1), Utc(2037, 10, 25, 1)};
    f.TypeOf = {1, 2, 1};
    const Zone zone = Read(Bytes(f));
    EXPECT_EQ(zone.At(Utc(1900, 6, 1)).Abbreviation, "LMT") << "before the first change: the first type";
    EXPECT_EQ(zone.At(Utc(1900, 6, 1)).Offset, -600);
    const ClockState summer = zone.At(Utc(2045, 7, 1));
    EXPECT_EQ(summer.Offset, 7200);
    EXPECT_EQ(summer.StandardOffset, 3600);
    EXPECT_TRUE(summer.Daylight());
    EXPECT_EQ(summer.Abbreviation, "CEST");
    EXPECT_EQ(zone.At(Utc(2045, 3, 26, 1) - 1).Offset, 3600);
    EXPECT_EQ(zone.At(Utc(2045, 3, 26, 1)).Offset, 7200) << "a change takes effect at its own instant";
    // The next change after the last listed one is the rule's first.
    const auto next = zone.NextChange(Utc(2037, 10, 25, 1));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Since, Utc(2038, 3, 28, 1));
    const auto previous = zone.PreviousChange(Utc(2045, 7, 1));
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous->Since, Utc(2045, 3, 26, 1));
    EXPECT_EQ(zone.PreviousChange(Utc(2038, 1, 1))->Since, Utc(2037, 10, 25, 1));
    EXPECT_FALSE(zone.PreviousChange(Utc(1901, 1, 1)));
}

TEST(Tzif, TheLastListedChangeIsNotHiddenByTheRulesEarlierOnes) {
    // As the fat files end: a change at the last second of 32-bit time, inside a year the rule covers.
    File f;
    f.Types = {{3600, false, 0}, {7200, true, 4}};
    f.Times = {Utc(2037, 3, 29, 1), Utc(2037, 10, 25, 1), 2147483647};
    f.TypeOf = {1, 0, 0};
    const Zone zone = Read(Bytes(f));
    const auto previous = zone.PreviousChange(2147483647 + std::int64_t{3600});
    ASSERT_TRUE(previous);
    EXPECT_EQ(previous->Since, 2147483647);
    EXPECT_EQ(zone.PreviousChange(Utc(2038, 3, 28, 1) + 1)->Since, Utc(2038, 3, 28, 1));
    EXPECT_EQ(zone.At(2147483647 + std::int64_t{3600}).Offset, 3600);
}

TEST(Tzif, AStandardOffsetThatChangesWithDaylightTime) {
    // Daylight time begins as the standard offset moves from +1 to +2 (a +3 summer), and ends at +2:
    // the standard offset under it is the +2 of its end, a saving of one hour.
    File f;
    f.Types = {{3600, false, 0}, {10800, true, 4}, {7200, false, 8}};
    f.Chars = std::string("AAA\0BBB\0CCC\0", 12);
    f.Times = {Utc(1950, 4, 1), Utc(1950, 10, 1)};
    f.TypeOf = {1, 2};
    f.Footer = "\nCCC-2\n";
    const Zone zone = Read(Bytes(f));
    EXPECT_EQ(zone.At(Utc(1950, 6, 1)).StandardOffset, 7200);
    EXPECT_EQ(zone.At(Utc(1950, 6, 1)).Offset, 10800);
    EXPECT_EQ(zone.At(Utc(2045, 6, 1)).Abbreviation, "CCC");
}

TEST(Tzif, VersionOneFilesAndSystemFiles) {
    File f;
    f.Version = '\0';
    f.Types = {{0, false, 0}, {3600, true, 4}};
    f.Chars = std::string("GMT\0BST\0", 8);
    f.Times = {Utc(1990, 3, 25, 1), Utc(1990, 10, 28, 1)};
    f.TypeOf = {1, 0};
    const Zone old = Read(Bytes(f));
    EXPECT_EQ(old.At(Utc(1990, 7, 1)).Abbreviation, "BST");
    EXPECT_EQ(old.At(Utc(2045, 7, 1)).Abbreviation, "GMT") << "no rule in version 1: the last change holds";

    const std::string madrid = SystemFile("Europe/Madrid");
    if (madrid.empty()) GTEST_SKIP() << "no /usr/share/zoneinfo";
    const Zone zone = Read(madrid);
    EXPECT_EQ(zone.At(Utc(2050, 7, 1)).Abbreviation, "CEST");
    EXPECT_EQ(zone.At(Utc(2050, 12, 1)).Offset, 3600);
    EXPECT_EQ(zone.At(Utc(1900, 6, 1)).Abbreviation, "LMT");
    EXPECT_EQ(Read(SystemFile("Asia/Kathmandu")).At(Utc(2045, 1, 1)).Abbreviation, "+0545");
}

// ---- Damaged files: a clear refusal, never a crash or a read past the end

TEST(Tzif, EveryTruncationOfARealFileIsRefused) {
    File f;
    f.Times = {Utc(2000, 3, 26, 1), Utc(2000, 10, 29, 1)};
    f.TypeOf = {1, 0};
    f.Types = {{3600, false, 0}, {7200, true, 4}};
    std::string whole = Bytes(f);
    if (const std::string madrid = SystemFile("Europe/Madrid"); !madrid.empty()) whole = madrid;
    for (std::size_t n = 0; n + 1 < whole.size(); ++n) {
        // Each prefix in a buffer of its own size, so that a read past it is seen by the sanitizers.
        const std::unique_ptr<char[]> cut(new char[n == 0 ? 1 : n]);
        std::copy_n(whole.data(), n, cut.get());
        EXPECT_FALSE(std::holds_alternative<Zone>(ReadTzif(std::string_view(cut.get(), n)))) << n << " bytes";
    }
    EXPECT_TRUE(std::holds_alternative<Zone>(ReadTzif(whole)));
}

TEST(Tzif, DamagedFieldsAreNamed) {
    const auto refusal = [](auto damage) {
        File f;
        f.Types = {{3600, false, 0}, {7200, true, 4}};
        f.Times = {Utc(2000, 3, 26, 1), Utc(2000, 10, 29, 1)};
        f.TypeOf = {1, 0};
        damage(f);
        return Refusal(Bytes(f));
    };
    EXPECT_NE(refusal([](File& f) { f.Version = '9'; }).find("version"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Types.clear(); }).find("counts"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Chars.clear(); }).find("counts"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.TypeOf[1] = 2; }).find("type the file lacks"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Types[1].Abbreviation = 9; }).find("abbreviation"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Chars = "CETCEST"; }).find("NUL"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { std::swap(f.Times[0], f.Times[1]); }).find("order"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Types[1].Daylight = false, f.Types[1].Offset = 100 * 3600; }).find("offset"),
              std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Footer = "\nCET-1CEST\n"; }).find("footer"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Footer = "CET-1\n"; }).find("footer"), std::string::npos);
    EXPECT_NE(refusal([](File& f) { f.Footer = "\nCET-1"; }).find("footer"), std::string::npos);

    std::string bytes = "TZif2" + std::string(15, '\0');
    for (int i = 0; i < 6; ++i) Put32(bytes, 0xFFFFFFFFu);
    EXPECT_FALSE(Refusal(bytes).empty()) << "counts beyond the file: refused before any allocation";
    bytes = "TZif2" + std::string(15, '\0');
    for (std::uint32_t count : {0u, 0u, 0u, 0x40000000u, 1u, 4u}) Put32(bytes, count);
    EXPECT_NE(Refusal(bytes + std::string(100, '\0')).find("ends inside"), std::string::npos);
    EXPECT_NE(Refusal("GIF89a").find("not a TZif"), std::string::npos);
}

// ---- The database: names, the files seam, what it keeps

TEST(ZoneDatabase, NamesThatCouldLeaveTheFolderAreNotZones) {
    for (const char* bad : {"", "/etc/passwd", "../etc/passwd", "Europe/../../etc/passwd", "Europe//Madrid",
                            "Europe/./Madrid", "Europe/Madrid/", "Europe\\Madrid", "Europe/Ma drid", "Europe/Madrid\n"})
        EXPECT_FALSE(IsZoneName(bad)) << bad;
    for (const char* good : {"Europe/Madrid", "America/Argentina/Buenos_Aires", "Etc/GMT+5", "Etc/GMT-14", "UTC",
                             "America/Port-au-Prince"})
        EXPECT_TRUE(IsZoneName(good)) << good;
}

TEST(ZoneDatabase, ZonesComeThroughTheFilesItIsGivenAndAreKept) {
    File f;
    std::map<std::string, std::string, std::less<>> files = {{"Test/Zone", Bytes(f)}, {"Test/Damaged", "TZif2"}};
    int reads = 0;
    const ZoneDatabase database([&](std::string_view name) -> std::optional<std::string> {
        ++reads;
        const auto found = files.find(name);
        if (found == files.end()) return std::nullopt;
        return found->second;
    });
    const auto zone = database.Find("Test/Zone");
    ASSERT_TRUE(zone.Zone) << zone.Problem;
    EXPECT_EQ(zone.Zone->At(Utc(2045, 7, 1)).Abbreviation, "CEST");
    EXPECT_EQ(database.Find("Test/Zone").Zone, zone.Zone) << "read once, then kept";
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(database.Find("Test/Missing").Problem, "no time-zone data for Test/Missing");
    const auto damaged = database.Find("Test/Damaged");
    EXPECT_FALSE(damaged.Zone);
    EXPECT_NE(damaged.Problem.find("damaged"), std::string::npos) << damaged.Problem;
    EXPECT_FALSE(database.Find("../Test/Zone").Zone);
    EXPECT_EQ(reads, 3) << "a name that is no zone's is never looked up";
}

TEST(ZoneDatabase, AFolderOfFiles) {
    const ZoneDatabase database(FolderFiles("/usr/share/zoneinfo"));
    if (SystemFile("Europe/Madrid").empty()) GTEST_SKIP() << "no /usr/share/zoneinfo";
    EXPECT_TRUE(database.Find("Europe/Madrid").Zone);
    EXPECT_FALSE(database.Find("Europe").Zone) << "a folder is not a zone";
    EXPECT_FALSE(database.Find("zone.tab").Zone) << "nor is a table";
}

}  // namespace
}  // namespace quorvane::zones
