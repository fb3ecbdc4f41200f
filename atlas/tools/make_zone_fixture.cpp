// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the zone suggestion answers over the atlas, as the fixture that keeps those answers from
// moving (tests/atlas/data/zone_answers.txt.gz, made by scripts/zone-fixture). For every tz zone a town of
// the atlas uses: clock times around each change of its clocks from 1901 to 2050 (either side of the
// skipped or repeated hour, inside it, the noon of that day) and the 15th of every month; for every town, noon
// on 1 Jan 1901 and either side of the day its zone left local mean time, with the town's own longitude.
//
//   make_zone_fixture ATLAS_INDEX ZONEINFO_FOLDER > answers.txt
//
// Lines: "V <tzdata version>", "Z <zone> <FNV-1a of its file>" followed by its answers
// "<minutes since the previous answer's clock time> <row> <flags> <offset seconds east> <abbreviation>"
// (the first counted from 1900-01-01 00:00), and "P <GeoNames id> <zone>" followed by
// " <minutes since 1900> <row> <flags> <offset>" for each of the town's clock times. Flags: 1 known,
// 2 box ticked, 4 exact row, 8 exact offset, 16 local mean time, 32 daylight time, 64 repeated clock time,
// 128 skipped clock time.

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "l10n/core_texts.h"
#include "atlas/zone_suggestion.h"
#include "zones/zone_database.h"

namespace {

using quorvane::CivilDateTime;

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// Minutes since 1900-01-01 00:00 of a civil clock time, and back.
constexpr std::chrono::sys_days k1900 = std::chrono::year{1900} / 1 / 1;

CivilDateTime FromMinutes(long minutes) {
    const std::chrono::year_month_day date{k1900 + std::chrono::days{minutes / 1440}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(minutes % 1440 / 60),
            static_cast<int>(minutes % 60)};
}

long DaysSince1900(int y, int m, int d) {
    const std::chrono::sys_days date{std::chrono::year{y} / m / d};
    return static_cast<long>((date - k1900).count());
}

long Minutes(int y, int m, int d, int h = 0, int min = 0) {
    return DaysSince1900(y, m, d) * 1440 + h * 60 + min;
}

long FloorDiv(long long a, long b) {
    return static_cast<long>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Flags(const quorvane::ZoneSuggestion& s) {
    return (s.Known ? 1 : 0) | (s.DaylightSaving ? 2 : 0) | (s.Exact ? 4 : 0) | (s.ExactOffset ? 8 : 0) |
           (s.LocalMeanTime ? 16 : 0) | (s.DaylightTime ? 32 : 0) | (s.Repeated ? 64 : 0) | (s.Skipped ? 128 : 0);
}

struct Change {
    long long AtUtc;  // seconds since 1970
    int Before;       // offset east before and after, seconds
    int After;
    bool LeftLocalMeanTime;
};

// The zone's changes of clock between 1900 and 2051, as the time-zone engine reports them.
std::vector<Change> Changes(const std::string& id) {
    std::vector<Change> changes;
    const auto zone = quorvane::zones::ZoneDatabase::System().Find(id).Zone;
    if (!zone) return changes;
    const std::int64_t to = quorvane::zones::DaysFromCivil(2051, 1, 1) * 86400;
    for (auto c = zone->NextChange(quorvane::zones::DaysFromCivil(1900, 1, 1) * 86400 - 1); c && c->Since < to;
         c = zone->NextChange(c->Since)) {
        const quorvane::zones::ClockState before = zone->At(c->Since - 1);
        changes.push_back({c->Since, before.Offset, c->Offset, before.Abbreviation == "LMT"});
    }
    return changes;
}

// Local clock times (minutes since 1900) worth asking about in a zone.
std::set<long> ClockTimes(const std::vector<Change>& changes) {
    std::set<long> times;
    const long first = Minutes(kFirstYear, 1, 1), last = Minutes(kLastYear, 12, 31, 23, 59);
    for (int y = kFirstYear; y <= kLastYear; ++y)
        for (int m = 1; m <= 12; ++m) times.insert(Minutes(y, m, 15, 12));
    times.insert(first);
    times.insert(last);
    const long epoch = Minutes(1970, 1, 1);
    for (const Change& c : changes) {
        const long lo = epoch + FloorDiv(c.AtUtc + std::min(c.Before, c.After), 60);
        const long hi = epoch + FloorDiv(c.AtUtc + std::max(c.Before, c.After) + 59, 60);
        for (long t : {lo - 60, lo - 1, lo, (lo + hi) / 2, hi - 1, hi, hi + 60, FloorDiv(lo, 1440) * 1440 + 720})
            if (t >= first && t <= last) times.insert(t);
    }
    return times;
}

std::string TzdataVersion(const std::string& folder) {
    std::ifstream in(folder + "/tzdata.zi");
    std::string line;
    std::getline(in, line);
    return line.rfind("# version ", 0) == 0 ? line.substr(10) : "unknown";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_zone_fixture ATLAS_INDEX ZONEINFO_FOLDER\n");
        return 2;
    }
    const quorvane::Atlas atlas = quorvane::Atlas::FromFile(argv[1]);
    if (!atlas.Problem().empty() || atlas.Size() == 0) {
        std::fprintf(stderr, "make_zone_fixture: %s\n", quorvane::l10n::Render("en", atlas.Problem()).c_str());
        return 1;
    }
    const std::string folder = argv[2];
    std::set<std::string> zoneIds;
    for (std::uint32_t i = 0; i < atlas.Size(); ++i) zoneIds.insert(atlas.TownAt(i).TimeZoneId);

    std::printf("V %s\n", TzdataVersion(folder).c_str());
    std::map<std::string, long> leftLocalMeanTime;  // zone -> UTC minutes since 1900 of its first standard time
    for (const std::string& id : zoneIds) {
        std::printf("Z %s %016" PRIx64 "\n", id.c_str(), Fnv1a(FileBytes(folder + "/" + id)));
        const std::vector<Change> changes = Changes(id);
        for (const Change& c : changes)
            if (c.LeftLocalMeanTime) {
                leftLocalMeanTime[id] = Minutes(1970, 1, 1) + FloorDiv(c.AtUtc, 60);
                break;
            }
        long previous = 0;
        for (long t : ClockTimes(changes)) {
            const quorvane::ZoneSuggestion s = quorvane::SuggestZone(id, FromMinutes(t), "Here");
            std::printf("%ld %d %d %d %s\n", t - previous, s.Row, Flags(s), s.OffsetSeconds,
                        s.Abbreviation.empty() ? "-" : s.Abbreviation.c_str());
            previous = t;
        }
    }
    for (std::uint32_t i = 0; i < atlas.Size(); ++i) {
        const quorvane::Place& town = atlas.TownAt(i);
        std::vector<long> times = {Minutes(kFirstYear, 1, 1, 12)};
        if (const auto left = leftLocalMeanTime.find(town.TimeZoneId); left != leftLocalMeanTime.end()) {
            const long day = FloorDiv(left->second, 1440) * 1440;
            for (long t : {day - 1440 + 720, day + 1440 + 720})
                if (t > times.front() && t <= Minutes(kLastYear, 12, 31, 12)) times.push_back(t);
        }
        std::printf("P %u %s", town.GeoNameId, town.TimeZoneId.c_str());
        for (long t : times) {
            const quorvane::ZoneSuggestion s =
                quorvane::SuggestZone(town.TimeZoneId, FromMinutes(t), town.City, town.Longitude);
            std::printf(" %ld %d %d %d", t, s.Row, Flags(s), s.OffsetSeconds);
        }
        std::printf("\n");
    }
    return 0;
}
