// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The zone suggestion over every tz zone and every town of the atlas gives the answers recorded in
// data/zone_answers.txt.gz (scripts/zone-fixture; atlas/tools/make_zone_fixture.cpp says what it samples
// and how the lines read). A zone whose file differs from the one the answers were taken from (another
// tzdata) is left out and counted, as are towns the atlas no longer has.

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/zone_suggestion.h"
#include "l10n/core_texts.h"

namespace quorvane {
namespace {

std::vector<std::string> FixtureLines() {
    std::vector<std::string> lines;
    gzFile in = gzopen(QUORVANE_ZONE_ANSWERS, "rb");
    if (!in) return lines;
    char buffer[4096];
    while (gzgets(in, buffer, sizeof buffer)) {
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n') line.pop_back();
        lines.push_back(std::move(line));
    }
    gzclose(in);
    return lines;
}

const std::vector<std::string>& Lines() {
    static const std::vector<std::string> lines = FixtureLines();
    return lines;
}

std::string ZoneFolder() {
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? dir : "/usr/share/zoneinfo";
}

std::string Fnv1aOfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::uint64_t h = 14695981039346656037ull;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it)
        h = (h ^ static_cast<unsigned char>(*it)) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

CivilDateTime FromMinutesSince1900(long minutes) {
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::year{1900} / 1 / 1} +
                                           std::chrono::days{minutes / 1440}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(minutes % 1440 / 60),
            static_cast<int>(minutes % 60)};
}

int Flags(const ZoneSuggestion& s) {
    return (s.Known ? 1 : 0) | (s.DaylightSaving ? 2 : 0) | (s.Exact ? 4 : 0) | (s.ExactOffset ? 8 : 0) |
           (s.LocalMeanTime ? 16 : 0) | (s.DaylightTime ? 32 : 0) | (s.Repeated ? 64 : 0) | (s.Skipped ? 128 : 0);
}

std::string Answer(const ZoneSuggestion& s) {
    return std::to_string(s.Row) + " " + std::to_string(Flags(s)) + " " + std::to_string(s.OffsetSeconds);
}

std::string When(long minutes) {
    const CivilDateTime t = FromMinutesSince1900(minutes);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute);
    return text;
}

// Reports the first few differences in full and counts the rest.
class Differences {
public:
    void Add(const std::string& what) {
        if (++count_ <= 25) ADD_FAILURE() << what;
    }
    int Count() const { return count_; }

private:
    int count_ = 0;
};

TEST(ZoneAnswers, EveryZoneOfTheAtlasAnswersAsRecorded) {
    ASSERT_FALSE(Lines().empty()) << "cannot read " << QUORVANE_ZONE_ANSWERS;
    Differences differences;
    int zones = 0, zonesLeftOut = 0;
    long answers = 0;
    std::string zone;
    bool comparing = false;
    long clock = 0;
    for (const std::string& line : Lines()) {
        std::istringstream in(line);
        if (line.rfind("Z ", 0) == 0) {
            std::string tag, hash;
            in >> tag >> zone >> hash;
            comparing = Fnv1aOfFile(ZoneFolder() + "/" + zone) == hash;
            ++(comparing ? zones : zonesLeftOut);
            clock = 0;
            continue;
        }
        if (line.empty() || line[0] < '0' || line[0] > '9') {
            if (line.rfind("P ", 0) == 0) comparing = false;
            continue;
        }
        long step = 0;
        int row = 0, flags = 0, offset = 0;
        std::string abbreviation;
        in >> step >> row >> flags >> offset >> abbreviation;
        clock += step;
        if (!comparing) continue;
        const ZoneSuggestion s = SuggestZone(zone, FromMinutesSince1900(clock), "Here");
        ++answers;
        const std::string expected =
            std::to_string(row) + " " + std::to_string(flags) + " " + std::to_string(offset) + " " + abbreviation;
        const std::string got = Answer(s) + " " + (s.Abbreviation.empty() ? "-" : s.Abbreviation);
        if (got != expected) differences.Add(zone + " at " + When(clock) + ": " + got + ", recorded " + expected);
        if (s.ExactOffset && -s.ExactOffset->TotalSecondsWest() != s.OffsetSeconds)
            differences.Add(zone + " at " + When(clock) + ": the exact offset is not the clock's");
    }
    if (zones == 0) GTEST_SKIP() << "no zone file is the one the answers were taken from (another tzdata)";
    EXPECT_EQ(differences.Count(), 0) << "of " << answers << " answers";
    EXPECT_GT(answers, 100000);
    std::printf("%d zones, %ld clock times compared; %d zones left out (their file differs)\n", zones, answers,
                zonesLeftOut);
}

TEST(ZoneAnswers, EveryTownsLocalMeanTimeAsRecorded) {
    ASSERT_FALSE(Lines().empty()) << "cannot read " << QUORVANE_ZONE_ANSWERS;
    const Atlas& atlas = Atlas::Builtin();
    ASSERT_TRUE(atlas.Problem().empty()) << l10n::Render("en", atlas.Problem());
    std::map<std::uint32_t, const Place*> byId;
    for (std::uint32_t i = 0; i < atlas.Size(); ++i) byId[atlas.TownAt(i).GeoNameId] = &atlas.TownAt(i);

    std::map<std::string, bool> zoneUnchanged;
    Differences differences;
    long towns = 0, townsLeftOut = 0;
    for (const std::string& line : Lines()) {
        std::istringstream in(line);
        std::string tag, zone;
        in >> tag;
        if (tag == "Z") {
            std::string hash;
            in >> zone >> hash;
            zoneUnchanged[zone] = Fnv1aOfFile(ZoneFolder() + "/" + zone) == hash;
            continue;
        }
        if (tag != "P") continue;
        std::uint32_t id = 0;
        in >> id >> zone;
        const auto town = byId.find(id);
        if (town == byId.end() || town->second->TimeZoneId != zone || !zoneUnchanged[zone]) {
            ++townsLeftOut;
            continue;
        }
        ++towns;
        const Place& p = *town->second;
        long clock = 0;
        std::string row, flags, offset;
        while (in >> clock >> row >> flags >> offset) {
            const ZoneSuggestion s = SuggestZone(zone, FromMinutesSince1900(clock), p.City, p.Longitude);
            const std::string expected = row + " " + flags + " " + offset;
            if (Answer(s) != expected)
                differences.Add(p.City + " (" + zone + ") at " + When(clock) + ": " + Answer(s) + ", recorded " +
                                expected);
        }
    }
    if (towns == 0) GTEST_SKIP() << "no town of the atlas and its zone file as the answers were taken";
    EXPECT_EQ(differences.Count(), 0);
    std::printf(
        "%ld towns compared; %ld left out (not in the atlas, or their zone file differs); %ld towns of "
        "the atlas without answers\n",
        towns, townsLeftOut, static_cast<long>(byId.size()) - towns);
}

}  // namespace
}  // namespace quorvane
