// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/zone_suggestion.h"

#include <gtest/gtest.h>

#include <regex>

#include "engine/time_scales.h"
#include "l10n/core_texts.h"
#include "reading/reading_driver.h"
#include "reading/time_zones.h"
#include "zones/zone_database.h"

namespace quorvane {
namespace {

// The Universal Time the reading will use when the suggestion is applied.
CivilDateTime UniversalAfterApplying(const ZoneSuggestion& s, const CivilDateTime& local) {
    BirthData birth;
    birth.Year = static_cast<std::int16_t>(local.Year);
    birth.Month = static_cast<std::int16_t>(local.Month);
    birth.Day = static_cast<std::int16_t>(local.Day);
    birth.Hour = static_cast<std::int16_t>(local.Hour);
    birth.Minute = static_cast<std::int16_t>(local.Minute);
    birth.IsDaylightSaving = s.DaylightSaving;
    const TimeZoneRow& row = TimeZoneTable()[static_cast<std::size_t>(s.Row)];
    return UniversalDateTime(birth, ZoneOffset{row.Hours, row.Minutes});
}

struct Case {
    const char* Zone;
    CivilDateTime Local;
    int Row;
    bool Tick;
    CivilDateTime Universal;
};

void ExpectSuggestion(const Case& c) {
    SCOPED_TRACE(std::string(c.Zone) + " " + std::to_string(c.Local.Year) + "-" + std::to_string(c.Local.Month) + "-" +
                 std::to_string(c.Local.Day));
    const ZoneSuggestion s = SuggestZone(c.Zone, c.Local, "Here");
    ASSERT_TRUE(s.Known);
    EXPECT_TRUE(s.Exact);
    EXPECT_EQ(s.Row, c.Row) << TimeZoneTable()[static_cast<std::size_t>(s.Row)].DisplayString;
    EXPECT_EQ(s.DaylightSaving, c.Tick);
    EXPECT_EQ(UniversalAfterApplying(s, c.Local), c.Universal);
}

TEST(SuggestZone, MadridAcrossTheMarch1985Change) {
    ExpectSuggestion({"Europe/Madrid", {1985, 3, 10, 8, 30}, 20, false, {1985, 3, 10, 7, 30}});
    ExpectSuggestion({"Europe/Madrid", {1985, 3, 30, 12, 0}, 20, false, {1985, 3, 30, 11, 0}});
    // CEST has no row of its own: CET with the box ticked.
    ExpectSuggestion({"Europe/Madrid", {1985, 3, 31, 12, 0}, 20, true, {1985, 3, 31, 10, 0}});
    const ZoneSuggestion s = SuggestZone("Europe/Madrid", {1985, 3, 10, 8, 30}, "Madrid");
    EXPECT_EQ(l10n::English(s.Description), "Madrid on 10 Mar 1985 08:30: UTC+1, standard time");
    EXPECT_EQ(l10n::English(SuggestZone("Europe/Madrid", {1985, 3, 31, 12, 0}, "Madrid").Description),
              "Madrid on 31 Mar 1985 12:00: UTC+2, daylight saving time");
}

TEST(SuggestZone, ClockTimesAtTheChangeAreFlagged) {
    const ZoneSuggestion skipped = SuggestZone("Europe/Madrid", {1985, 3, 31, 2, 30}, "Madrid");
    EXPECT_NE(l10n::English(skipped.Description).find("no such clock time"), std::string::npos)
        << l10n::English(skipped.Description);
    // 02:30 on 29 Sep 1985 came twice; the first, still in summer time, is taken.
    const ZoneSuggestion repeated = SuggestZone("Europe/Madrid", {1985, 9, 29, 2, 30}, "Madrid");
    EXPECT_NE(l10n::English(repeated.Description).find("came twice"), std::string::npos)
        << l10n::English(repeated.Description);
    EXPECT_EQ(repeated.OffsetSeconds, 7200);
    EXPECT_TRUE(repeated.DaylightSaving);
}

TEST(SuggestZone, TheSecondPassOfARepeatedHourAndTheQuestion) {
    const CivilDateTime twice{1985, 9, 29, 2, 30};
    const ZoneSuggestion first = SuggestZone("Europe/Madrid", twice, "Madrid");
    const ZoneSuggestion second = SuggestZone("Europe/Madrid", twice, "Madrid", std::nullopt, ClockFold::Second);
    EXPECT_EQ(first.Fold, ClockFold::First);
    EXPECT_EQ(second.Fold, ClockFold::Second);
    EXPECT_EQ(SuggestedSecondsEast(second), 3600);
    EXPECT_FALSE(second.DaylightSaving);
    EXPECT_NE(l10n::English(second.Description).find("the second is taken"), std::string::npos)
        << l10n::English(second.Description);
    // An hour apart in Universal Time.
    EXPECT_EQ(UniversalAfterApplying(first, twice), (CivilDateTime{1985, 9, 29, 0, 30}));
    EXPECT_EQ(UniversalAfterApplying(second, twice), (CivilDateTime{1985, 9, 29, 1, 30}));
    EXPECT_EQ(l10n::English(ClockChangeText(first, twice, "Madrid")),
              "02:30 came twice on 29 Sep 1985 in Madrid: first (UTC+2) or second (UTC+1)");
    const CivilDateTime never{1985, 3, 31, 2, 30};
    const ZoneSuggestion skipped = SuggestZone("Europe/Madrid", never, "Madrid");
    EXPECT_EQ(l10n::English(ClockChangeText(skipped, never, "Madrid")),
              "there was no 02:30 on 31 Mar 1985: clocks went from 02:00 to 03:00");
    // A fold asked of a time that came once changes nothing.
    const ZoneSuggestion once =
        SuggestZone("Europe/Madrid", {1985, 6, 1, 2, 30}, "Madrid", std::nullopt, ClockFold::Second);
    EXPECT_EQ(once.Fold, ClockFold::None);
    EXPECT_EQ(SuggestedSecondsEast(once), 7200);
    EXPECT_EQ(l10n::English(ClockChangeText(once, {1985, 6, 1, 2, 30}, "Madrid")), "");
}

// A day's clock from the database: every minute's offset as the suggestion for that minute gives it.
TEST(ClockPeriodsOfDay, AgreeWithTheSuggestionAtEveryMinute) {
    const struct {
        const char* Zone;
        int Year, Month, Day;
        std::size_t Stretches;
    } days[] = {{"Europe/Madrid", 1985, 3, 31, 2},      {"Europe/Madrid", 1985, 9, 29, 4},
                {"Europe/London", 1985, 6, 15, 1},      {"America/New_York", 1985, 10, 27, 4},
                {"Australia/Lord_Howe", 1990, 3, 4, 4}, {"Asia/Kathmandu", 1986, 1, 1, 1}};
    for (const auto& d : days) {
        SCOPED_TRACE(d.Zone);
        const std::vector<ClockPeriod> periods = ClockPeriodsOfDay(d.Zone, d.Year, d.Month, d.Day);
        const std::vector<ClockStretch> clock = StretchesOfDay(periods);
        EXPECT_EQ(clock.size(), d.Stretches);
        for (const ClockStretch& stretch : clock)
            for (int minute = stretch.FirstMinute; minute <= stretch.LastMinute; minute += 7) {
                const CivilDateTime at{d.Year, d.Month, d.Day, minute / 60, minute % 60};
                const ZoneSuggestion s =
                    SuggestZone(d.Zone, at, "Here", std::nullopt,
                                stretch.Fold == ClockFold::Second ? ClockFold::Second : ClockFold::First);
                EXPECT_FALSE(s.Skipped) << minute;
                EXPECT_EQ(s.Repeated, stretch.Fold != ClockFold::None) << minute;
                EXPECT_EQ(SuggestedSecondsEast(s), -stretch.Zone.TotalSecondsWest()) << minute;
            }
    }
    // Nepal's clock went from 00:00 to 00:15 as the day began.
    EXPECT_EQ(StretchesOfDay(ClockPeriodsOfDay("Asia/Kathmandu", 1986, 1, 1)).front().FirstMinute, 15);
    EXPECT_TRUE(ClockPeriodsOfDay("Nowhere/Atlantis", 1985, 1, 1).empty());
}

TEST(SuggestZone, BritishSummerAndDoubleSummerTime) {
    ExpectSuggestion({"Europe/London", {1990, 7, 14, 15, 45}, 16, false, {1990, 7, 14, 14, 45}});
    ExpectSuggestion({"Europe/London", {1990, 1, 14, 15, 45}, 29, false, {1990, 1, 14, 15, 45}});
    ExpectSuggestion({"Europe/London", {1941, 6, 1, 12, 0}, 15, false, {1941, 6, 1, 10, 0}});
    // British Standard Time: a year of +1 that was not daylight saving.
    ExpectSuggestion({"Europe/London", {1968, 12, 1, 12, 0}, 16, false, {1968, 12, 1, 11, 0}});
}

TEST(SuggestZone, AmericanWarAndDaylightTime) {
    ExpectSuggestion({"America/New_York", {1945, 7, 1, 12, 0}, 28, false, {1945, 7, 1, 16, 0}});
    ExpectSuggestion({"America/New_York", {1985, 7, 1, 23, 30}, 24, false, {1985, 7, 2, 3, 30}});
    ExpectSuggestion({"America/Los_Angeles", {1985, 12, 31, 23, 30}, 54, false, {1986, 1, 1, 7, 30}});
    // Newfoundland Daylight Time has no row: Newfoundland Standard with the box.
    ExpectSuggestion({"America/St_Johns", {1990, 7, 1, 12, 0}, 50, true, {1990, 7, 1, 14, 30}});
}

TEST(SuggestZone, OffsetWithoutItsAbbreviationTakesAStandardRow) {
    ExpectSuggestion({"Europe/Moscow", {2015, 6, 1, 12, 0}, 12, false, {2015, 6, 1, 9, 0}});
    ExpectSuggestion({"Australia/Adelaide", {1990, 1, 10, 12, 0}, 5, false, {1990, 1, 10, 1, 30}});
}

// The suggestion, the question of a repeated hour and the note of a disagreeing zone are sentences: each in
// the reader's language with nothing English left inside, the English as it always was.
TEST(SuggestZone, SaysItInTheReadersLanguage) {
    const ZoneSuggestion kathmandu = SuggestZone("Asia/Kathmandu", {1990, 5, 1, 10, 0}, "Kathmandu");
    const l10n::Sentence note = ClockDisagreement(kathmandu, 2 * 3600, false);
    EXPECT_EQ(l10n::English(note),
              "the clock there showed +05:45 (Kathmandu on 1 May 1990 10:00: UTC+5:45, standard "
              "time), but this reading uses +02:00 as given");
    EXPECT_EQ(l10n::Render("de", note),
              "Die Uhr zeigte dort +05:45 (Kathmandu am 1. Mai 1990, 10:00 Uhr: UTC+5:45, "
              "Normalzeit), diese Deutung verwendet aber wie angegeben +02:00");
    EXPECT_TRUE(ClockDisagreement(kathmandu, 5 * 3600 + 45 * 60, true).empty()) << "the clock's own offset";
    const CivilDateTime twice{1985, 9, 29, 2, 30};
    const ZoneSuggestion madrid = SuggestZone("Europe/Madrid", twice, "Madrid");
    const std::regex english(R"(standard|daylight|clock|came|twice|first|taken|no zone|offset|\bSep\b| on )");
    for (const std::string_view language : l10n::TranslatedLanguages())
        for (const l10n::Sentence& said :
             {kathmandu.Description, note, madrid.Description, ClockChangeText(madrid, twice, "Madrid"),
              SuggestZone("Asia/Kathmandu", {1905, 6, 1, 12, 0}, "Pokhara", 83.97).Description}) {
            const std::string text = l10n::Render(language, said);
            EXPECT_FALSE(std::regex_search(text, english)) << language << ": " << text;
            EXPECT_NE(text, l10n::English(said)) << language;
        }
}

TEST(SuggestZone, OffsetsNoRowHasAreTakenExactlyNeverTheNearestRow) {
    const ZoneSuggestion kolkata = SuggestZone("Asia/Kolkata", {1901, 1, 1, 12, 0}, "Kolkata");
    ASSERT_TRUE(kolkata.Known);
    EXPECT_FALSE(kolkata.Exact) << "no row has it";
    EXPECT_EQ(kolkata.Row, -1);
    EXPECT_FALSE(kolkata.LocalMeanTime) << "Madras time, the database's own standard then";
    EXPECT_EQ(kolkata.OffsetText, "UTC+5:21:10");
    ASSERT_TRUE(kolkata.ExactOffset);
    EXPECT_EQ(-kolkata.ExactOffset->TotalSecondsWest(), 5 * 3600 + 21 * 60 + 10);
    EXPECT_EQ(l10n::English(kolkata.Description),
              "Kolkata on 1 Jan 1901 12:00: UTC+5:21:10, standard time; no zone in the list has this offset, so it "
              "is used exactly");

    const ZoneSuggestion kathmandu = SuggestZone("Asia/Kathmandu", {1990, 1, 1, 12, 0}, "Kathmandu");
    EXPECT_EQ(kathmandu.OffsetText, "UTC+5:45");
    EXPECT_EQ(kathmandu.ExactOffset, (ZoneOffset{-5, -45, 0}));
    EXPECT_EQ(SuggestedSecondsEast(kathmandu), 20700);
}

TEST(SuggestZone, UnknownZone) {
    const ZoneSuggestion s = SuggestZone("Mars/Olympus_Mons", {1990, 1, 1, 12, 0}, "Olympus");
    EXPECT_FALSE(s.Known);
    EXPECT_EQ(s.Row, -1);
    EXPECT_NE(l10n::English(s.Description).find("no time-zone data"), std::string::npos);
}

// The zones may come from anywhere; a damaged one is said to be damaged.
TEST(SuggestZone, FromAnotherFolderAndADamagedFile) {
    const zones::ZoneDatabase database([](std::string_view name) -> std::optional<std::string> {
        if (name == "Test/Damaged") return std::string("TZif2 and no more");
        if (name == "Test/Madrid") return zones::FolderFiles("/usr/share/zoneinfo")("Europe/Madrid");
        return std::nullopt;
    });
    const ZoneSuggestion madrid = SuggestZone(database, "Test/Madrid", {1985, 3, 31, 12, 0}, "Madrid");
    EXPECT_TRUE(madrid.Known);
    EXPECT_TRUE(madrid.DaylightSaving);
    EXPECT_FALSE(SuggestZone(database, "Europe/Madrid", {1985, 3, 31, 12, 0}, "Madrid").Known)
        << "only the zones it is given";
    const ZoneSuggestion damaged = SuggestZone(database, "Test/Damaged", {1985, 3, 31, 12, 0}, "Here");
    EXPECT_FALSE(damaged.Known);
    EXPECT_EQ(l10n::English(damaged.Description)
                  .rfind("Here on 31 Mar 1985 12:00: the time-zone data for Test/Damaged is damaged", 0),
              0u)
        << l10n::English(damaged.Description);
    EXPECT_FALSE(SuggestZone(database, "Test/Madrid", {1985, 2, 29, 12, 0}, "Madrid").Known) << "no such day";
}

TEST(UtcOffsetText, WholeHoursMinutesAndSeconds) {
    EXPECT_EQ(UtcOffsetText(0), "UTC+0");
    EXPECT_EQ(UtcOffsetText(-14400), "UTC-4");
    EXPECT_EQ(UtcOffsetText(-12600), "UTC-3:30");
    EXPECT_EQ(UtcOffsetText(561), "UTC+0:09:21");
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

int RowNamed(std::string_view abbreviation, int secondsEast) {
    for (int r = 0; r < kTimeZoneCount; ++r)
        if (TimeZoneTable()[static_cast<std::size_t>(r)].Abbreviation == abbreviation &&
            RowOffsetSeconds(r) == secondsEast)
            return r;
    ADD_FAILURE() << "no row " << abbreviation;
    return -1;
}

// Where several rows share the offset in force, the row is the one a person born there knows, and the
// Universal Time it gives is still the clock's own.
TEST(SuggestZone, TheRowOfThePlacesRegion) {
    struct RegionCase {
        const char* Zone;
        CivilDateTime Local;
        const char* Row;
        int RowSecondsEast;
        bool Tick;
    };
    const RegionCase cases[] = {
        {"Asia/Shanghai", {1985, 1, 15, 12, 0}, "CCT", 8 * 3600, false},  // not Australian Western
        {"Asia/Shanghai", {1988, 7, 15, 12, 0}, "CCT", 8 * 3600, true},   // China's summer time
        {"Asia/Hong_Kong", {1990, 1, 15, 12, 0}, "CCT", 8 * 3600, false},
        {"Asia/Macau", {1990, 1, 15, 12, 0}, "CCT", 8 * 3600, false},
        {"Asia/Taipei", {1990, 1, 15, 12, 0}, "CCT", 8 * 3600, false},
        {"Pacific/Auckland", {1985, 7, 15, 12, 0}, "NZT", 12 * 3600, false},  // not Int'l Date Line East
        {"Pacific/Auckland", {1985, 1, 15, 12, 0}, "NZT", 12 * 3600, true},
        {"Asia/Jakarta", {1955, 1, 15, 12, 0}, "JT", 7 * 3600 + 1800, false},
        {"Pacific/Honolulu", {1985, 1, 15, 12, 0}, "AHST", -10 * 3600, false},
        {"Pacific/Honolulu", {1935, 1, 15, 12, 0}, "HST", -10 * 3600 - 1800, false},
        {"America/Anchorage", {1985, 1, 15, 12, 0}, "YST", -9 * 3600, false},
        {"America/Anchorage", {1975, 1, 15, 12, 0}, "AHST", -10 * 3600, false},
        {"America/Whitehorse", {1950, 1, 15, 12, 0}, "YST", -9 * 3600, false},
        {"America/Nome", {1975, 1, 15, 12, 0}, "NT", -11 * 3600, false},
        {"Asia/Kolkata", {1985, 1, 15, 12, 0}, "IST", 5 * 3600 + 1800, false},
        {"Asia/Tehran", {1985, 1, 15, 12, 0}, "IT", 3 * 3600 + 1800, false},
        {"Asia/Tokyo", {1985, 1, 15, 12, 0}, "JST", 9 * 3600, false},
        {"Pacific/Guam", {1985, 1, 15, 12, 0}, "GST", 10 * 3600, false},  // not Australian Eastern
        {"America/St_Johns", {1985, 1, 15, 12, 0}, "NST", -3 * 3600 - 1800, false},
        {"Atlantic/Azores", {1960, 1, 15, 12, 0}, "AT", -2 * 3600, false},  // the islands kept -2 until 1966
        {"America/Sao_Paulo", {1985, 7, 15, 12, 0}, "BZT2", -3 * 3600, false},
        {"Australia/Adelaide", {1985, 7, 15, 12, 0}, "ACST", 9 * 3600 + 1800, false},
        {"Australia/Sydney", {1985, 7, 15, 12, 0}, "AEST", 10 * 3600, false},
        {"Australia/Perth", {1985, 7, 15, 12, 0}, "AWST", 8 * 3600, false},
        {"Europe/London", {1985, 7, 15, 12, 0}, "BST", 3600, false},
        {"Europe/Samara", {1985, 1, 15, 12, 0}, "USZ3", 4 * 3600, false},  // not Baghdad or Moscow's neighbours
        {"Asia/Yekaterinburg", {1985, 1, 15, 12, 0}, "USZ4", 5 * 3600, false},
        {"Asia/Magadan", {1985, 1, 15, 12, 0}, "UZ10", 11 * 3600, false},
        {"America/Halifax", {1985, 1, 15, 12, 0}, "AST", -4 * 3600, false},
        {"America/New_York", {1985, 1, 15, 12, 0}, "EST", -5 * 3600, false},
        {"America/Chicago", {1985, 1, 15, 12, 0}, "CST", -6 * 3600, false},
        {"America/Denver", {1985, 1, 15, 12, 0}, "MST", -7 * 3600, false},
        {"America/Edmonton", {1985, 7, 15, 12, 0}, "MDT", -6 * 3600, false},
        {"America/Los_Angeles", {1985, 7, 15, 12, 0}, "PDT", -7 * 3600, false},
    };
    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.Zone + std::string(" ") + std::to_string(c.Local.Year) + "-" + std::to_string(c.Local.Month));
        const ZoneSuggestion s = SuggestZone(c.Zone, c.Local, "Here");
        ASSERT_TRUE(s.Known);
        EXPECT_TRUE(s.Exact);
        EXPECT_EQ(s.Row, RowNamed(c.Row, c.RowSecondsEast))
            << TimeZoneTable()[static_cast<std::size_t>(s.Row)].DisplayString;
        EXPECT_EQ(s.DaylightSaving, c.Tick);
        EXPECT_EQ(RowOffsetSeconds(s.Row) + (s.DaylightSaving ? 3600 : 0), s.OffsetSeconds) << "the clock's own offset";
    }
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// Places and dates whose clocks showed offsets no row has, each checked against the time-zone database:
// the suggestion's offset is the one the database gives at the resulting Universal Time (local mean time
// is the birthplace's own and is checked against its longitude instead).
TEST(SuggestZone, ExactOffsetsOfPlacesAndDates) {
    struct Place {
        const char* Zone;
        const char* Name;
        double Longitude;
        CivilDateTime Local;
        const char* Offset;
        bool LocalMeanTime;
        CivilDateTime Universal;
    };
    const Place places[] = {
        {"Asia/Kathmandu", "Kathmandu", 85.3206, {1990, 5, 1, 10, 0}, "UTC+5:45", false, {1990, 5, 1, 4, 15, 0}},
        {"America/Caracas", "Caracas", -66.8792, {2010, 6, 1, 12, 0}, "UTC-4:30", false, {2010, 6, 1, 16, 30, 0}},
        {"Europe/Amsterdam", "Amsterdam", 4.8897, {1925, 6, 1, 12, 0}, "UTC+0:19:32", false, {1925, 6, 1, 11, 40, 28}},
        {"Europe/Dublin", "Dublin", -6.2489, {1910, 6, 1, 12, 0}, "UTC-0:25:21", false, {1910, 6, 1, 12, 25, 21}},
        {"Africa/Monrovia", "Monrovia", -10.7969, {1950, 6, 1, 12, 0}, "UTC-0:44:30", false, {1950, 6, 1, 12, 44, 30}},
        {"America/Guyana", "Georgetown", -58.1553, {1930, 1, 1, 12, 0}, "UTC-3:45", false, {1930, 1, 1, 15, 45, 0}},
        // Local mean time: Pokhara's own meridian (83 deg 59 min E), not Kathmandu's.
        {"Asia/Kathmandu", "Pokhara", 83.9856, {1905, 6, 1, 12, 0}, "UTC+5:35:56", true, {1905, 6, 1, 6, 24, 4}},
        {"Asia/Kathmandu", "Kathmandu", 85.3206, {1910, 1, 1, 12, 0}, "UTC+5:41:16", true, {1910, 1, 1, 6, 18, 44}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(std::string(p.Name) + " " + std::to_string(p.Local.Year));
        const ZoneSuggestion s = SuggestZone(p.Zone, p.Local, p.Name, p.Longitude);
        ASSERT_TRUE(s.Known);
        EXPECT_EQ(s.Row, -1) << "never the nearest row";
        ASSERT_TRUE(s.ExactOffset);
        EXPECT_EQ(s.OffsetText, p.Offset);
        EXPECT_EQ(s.LocalMeanTime, p.LocalMeanTime);
        EXPECT_FALSE(s.DaylightSaving);
        BirthData birth;
        birth.Year = static_cast<std::int16_t>(p.Local.Year);
        birth.Month = static_cast<std::int16_t>(p.Local.Month);
        birth.Day = static_cast<std::int16_t>(p.Local.Day);
        birth.Hour = static_cast<std::int16_t>(p.Local.Hour);
        birth.Minute = static_cast<std::int16_t>(p.Local.Minute);
        const CivilDateTime ut = UniversalDateTime(birth, *s.ExactOffset);
        EXPECT_EQ(ut, p.Universal);
        const std::int64_t instant =
            zones::DaysFromCivil(ut.Year, ut.Month, ut.Day) * 86400 + ut.Hour * 3600 + ut.Minute * 60 + ut.Second;
        const auto zone = zones::ZoneDatabase::System().Find(p.Zone).Zone;
        ASSERT_TRUE(zone);
        if (p.LocalMeanTime) {
            EXPECT_EQ(zone->At(instant).Abbreviation, "LMT");
            EXPECT_NE(l10n::English(s.Description).find("local mean time of the birthplace"), std::string::npos)
                << l10n::English(s.Description);
        } else {
            EXPECT_EQ(zone->At(instant).Offset, SuggestedSecondsEast(s)) << "the database's offset at that instant";
        }
    }
    // Without the birthplace's longitude the database's own mean time is all there is.
    const ZoneSuggestion noLongitude = SuggestZone("Asia/Kathmandu", {1905, 6, 1, 12, 0}, "Pokhara");
    EXPECT_FALSE(noLongitude.LocalMeanTime);
    EXPECT_EQ(noLongitude.OffsetText, "UTC+5:41:16");
}

// Kathmandu on 1 May 1990 at 10:00: with Nepal's +5:45 the Ascendant is a quarter of an hour's worth (about
// 3 degrees) behind where India's +5:30 puts it.
TEST(SuggestZone, KathmanduAscendantWithTheClocksOwnOffset) {
    const ZoneSuggestion s = SuggestZone("Asia/Kathmandu", {1990, 5, 1, 10, 0}, "Kathmandu", 85.3206);
    BirthFormValues form;
    form.Name = "ASHA";
    form.LatitudeDegrees = "27";
    form.LatitudeMinutes = "42";
    form.LongitudeDegrees = "85";
    form.LongitudeMinutes = "19";
    form.IsEast = true;
    form.MonthPosition = 4;
    form.Year = 1990;
    form.YearPosition = 89;
    form.Hour = 10;
    form.ExactOffset = s.ExactOffset;
    ReadingSession session;
    const auto nepal = session.Read(form).Reading;
    ASSERT_TRUE(nepal);
    EXPECT_NEAR(nepal->AscendantLongitude, 108.7, 0.1);
    EXPECT_EQ(nepal->UniversalTime, (CivilDateTime{1990, 5, 1, 4, 15, 0}));
    form.ExactOffset.reset();
    form.ZoneIndex = 34;  // Indian Time, the nearest row
    EXPECT_NEAR(session.Read(form).Reading->AscendantLongitude, 111.9, 0.1);
}

}  // namespace
}  // namespace quorvane
