// quorvane-cli: a galactic astrology reading on the command line, one birth or a CSV batch.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iterator>
#include <sstream>
#include "atlas/atlas.h"
#include "births/births.h"
#include "common/version.h"
#include "atlas/coordinates.h"
#include "atlas/zone_suggestion.h"
#include "cli/birth_line.h"
#include "cli/report_outputs.h"
#include "reading/time_zones.h"

namespace {

using namespace quorvane;
using namespace quorvane::cli;

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// The options that describe one birth, given on the command line rather than in a batch.
constexpr const char* kSingleReadingOptions[] = {"--name", "--date", "--time", "--zone", "--dst", "--lat", "--lon", "--place",
                                                 "--pdf", "--paper", "--wheel", "--size"};

void ListZones() {
    const auto& table = TimeZoneTable();
    for (std::size_t i = 0; i < table.size(); ++i) std::printf("%2zu  %.*s\n", i, static_cast<int>(table[i].DisplayString.size()), table[i].DisplayString.data());
}

// Reads CSV births from standard input and writes one JSON line per birth, in input order.
int RunBatch() {
    std::ios::sync_with_stdio(false);
    std::string line, out;
    out.reserve(1 << 20);
    long number = 0;
    bool refused = false;
    auto emit = [&](long lineNumber, const ReadingOrError& result) {
        if (const auto* reading = std::get_if<NamedReading>(&result)) {
            out += FormatJson(*reading, false);
        } else {
            out += FormatJsonError(lineNumber, std::get<std::string>(result));
            refused = true;
        }
        out += '\n';
        if (out.size() > (1 << 20) - 4096) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    };
    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    if (births::LooksLikeAaf(input)) {
        // Each AAF record is read as the batch's own CSV line, numbered by its #A93 line.
        for (const auto& birth : births::ReadAaf(input).Births) {
            if (!birth.Error.empty() || birth.ZoneRow < 0) {
                emit(birth.Line, birth.Error.empty() ? births::ReadingRefusal(birth) : birth.Error);
                continue;
            }
            births::Book one;
            one.Births = {birth};
            std::string csv = births::WriteCsv(one);
            csv = csv.substr(csv.find('\n') + 1);
            csv.pop_back();
            emit(birth.Line, ReadCsvBirth(csv));
        }
    } else {
        std::istringstream lines(input);
        while (std::getline(lines, line)) {
            ++number;
            if (number == 1 && line.rfind("name,", 0) == 0) continue;  // header
            if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
            emit(number, ReadCsvBirth(line));
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return refused ? kExitRefused : 0;
}

std::string CoordinateText(const DegreesMinutes& dm) {
    char text[16];
    std::snprintf(text, sizeof text, "%d%c%02d", dm.Degrees, dm.Hemisphere, dm.Minutes);
    return text;
}

// A birthplace from the atlas: its coordinates, and unless a zone row was given, the row and
// daylight-saving flag the tz database calls for at the birth date and time.
struct PlaceChoice {
    const Place* Town = nullptr;
    std::string_view MatchedName;  // the name typed, when it is not the atlas's own
    std::optional<ZoneSuggestion> Suggestion;
};

// Fills the coordinates (and zone, when not given) of `birth`; on failure prints why and returns nothing.
// The built-in atlas, or nothing when its index cannot be read (the message is printed).
const Atlas* BuiltinAtlas() {
    const Atlas& atlas = Atlas::Builtin();
    if (atlas.problem().empty()) return &atlas;
    std::cerr << "quorvane-cli: " << atlas.problem() << "\n";
    return nullptr;
}

std::optional<PlaceChoice> ApplyPlace(const std::string& query, bool zoneGiven, BirthText& birth) {
    const Atlas* atlas = BuiltinAtlas();
    if (!atlas) return std::nullopt;
    const PlaceResolution found = ResolvePlace(*atlas, query);
    if (found.Result != PlaceResolution::Outcome::Found) {
        std::cerr << "quorvane-cli: --place \"" << query << "\" "
                  << (found.Result == PlaceResolution::Outcome::Ambiguous
                          ? "fits several places; add the state or country, e.g. \"City, State, Country\""
                          : "matches no place in the atlas")
                  << "\n";
        if (!found.Candidates.empty()) std::cerr << (found.Result == PlaceResolution::Outcome::Ambiguous ? "candidates:\n" : "did you mean:\n");
        for (const Place* p : found.Candidates) std::cerr << "  " << DescribePlace(*p) << "\n";
        return std::nullopt;
    }
    PlaceChoice choice{found.Chosen, found.MatchedName, std::nullopt};
    birth.Latitude = CoordinateText(LatitudeToDegreesMinutes(found.Chosen->Latitude));
    birth.Longitude = CoordinateText(LongitudeToDegreesMinutes(found.Chosen->Longitude));
    if (zoneGiven) return choice;

    const auto date = ParseDate(birth.Date);
    const auto time = ParseTime(birth.Time);
    if (!date || !time) return choice;  // the reading itself names the malformed field
    const ZoneSuggestion s = SuggestZone(found.Chosen->TimeZoneId, {date->Year, date->Month, date->Day, time->Hour, time->Minute},
                                         found.Chosen->City);
    if (!s.Known) {
        std::cerr << "quorvane-cli: " << s.Description << "; give --zone (and --dst)\n";
        return std::nullopt;
    }
    if (!s.Exact) std::cerr << "quorvane-cli: note: " << s.Description << "\n";
    birth.Zone = std::to_string(s.Row);
    birth.Dst = s.DaylightSaving ? "1" : "0";
    choice.Suggestion = s;
    return choice;
}

// Up to ten places of the atlas that fit the text, best first, as lines or as a JSON list.
// A name other than the atlas's own stands before it: "Bombay → Mumbai, Maharashtra, India".
int ListPlaces(const std::string& query, bool json) {
    const Atlas* atlas = BuiltinAtlas();
    if (!atlas) return kExitRefused;
    const std::vector<PlaceMatch> matches = atlas->Find(query, 10);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PlaceMatch& m : matches) {
        const Place& p = *m.Town;
        const std::string lat = CoordinateText(LatitudeToDegreesMinutes(p.Latitude));
        const std::string lon = CoordinateText(LongitudeToDegreesMinutes(p.Longitude));
        const std::string matched(m.MatchedName.empty() ? std::string_view(p.City) : m.MatchedName);
        if (json)
            list.push_back({{"matched", matched}, {"city", p.City}, {"state", p.State}, {"country", p.Country},
                            {"countryCode", p.CountryCode}, {"lat", lat}, {"lon", lon}, {"latitude", p.Latitude},
                            {"longitude", p.Longitude}, {"timeZone", p.TimeZoneId}, {"population", p.Population},
                            {"geonameId", p.GeoNameId}});
        else
            std::cout << (m.MatchedName.empty() ? "" : matched + " \u2192 ") << DescribePlace(p) << "  " << lat << " "
                      << lon << "  " << p.TimeZoneId << "\n";
    }
    if (json) std::cout << list.dump() << "\n";
    if (matches.empty()) {
        std::cerr << "quorvane-cli: \"" << query << "\" matches no place in the atlas\n";
        return kExitRefused;
    }
    return 0;
}

std::string PlaceLines(const PlaceChoice& choice, const BirthText& birth) {
    const TimeZoneRow& row = TimeZoneTable()[static_cast<std::size_t>(std::stoi(birth.Zone))];
    const std::string matched = choice.MatchedName.empty() ? "" : std::string(choice.MatchedName) + " \u2192 ";
    std::string out = "Place: " + matched + DescribePlace(*choice.Town) + " (" + birth.Latitude + " " + birth.Longitude + ", " +
                      choice.Town->TimeZoneId + ")\n";
    out += "Zone: " + std::string(row.DisplayString) + (birth.Dst == "1" ? " with daylight saving" : "") +
           (choice.Suggestion ? " (from " + choice.Suggestion->Description + ")" : " (as given)") + "\n";
    return out;
}

std::string WithPlaceJson(const std::string& readingJson, const PlaceChoice& choice, const BirthText& birth) {
    nlohmann::ordered_json j = nlohmann::ordered_json::parse(readingJson);
    const Place& p = *choice.Town;
    j["place"] = {{"matched", choice.MatchedName.empty() ? p.City : std::string(choice.MatchedName)}, {"city", p.City}, {"state", p.State}, {"country", p.Country}, {"countryCode", p.CountryCode},
                  {"latitude", p.Latitude}, {"longitude", p.Longitude}, {"lat", birth.Latitude},
                  {"lon", birth.Longitude}, {"timeZone", p.TimeZoneId}};
    const int row = std::stoi(birth.Zone);
    nlohmann::ordered_json zone = {{"row", row},
                                   {"name", TimeZoneTable()[static_cast<std::size_t>(row)].DisplayString},
                                   {"dst", birth.Dst == "1"},
                                   {"suggested", choice.Suggestion.has_value()}};
    if (choice.Suggestion) {
        zone["exact"] = choice.Suggestion->Exact;
        zone["utcOffset"] = choice.Suggestion->OffsetText;
        zone["note"] = choice.Suggestion->Description;
    }
    j["zone"] = zone;
    return j.dump();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Quorvane: a galactic astrology birth reading.\n"
                 "Example: quorvane-cli --name ASHA --date 1985-06-15 --time 07:30 --zone 29 --lat 40N42 --lon 74W00",
                 "quorvane-cli"};
    BirthText birth;
    int zone = -1;
    bool dst = false, json = false, batch = false, zones = false;
    app.add_option("--name", birth.Name, "Name (letters and blanks)");
    app.add_option("--date", birth.Date,
                   "Birth date, YYYY-MM-DD (" + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear) + ")");
    app.add_option("--time", birth.Time, "Local clock time of birth, HH:MM");
    app.add_option("--zone", zone, "Time-zone row, 0 to " + std::to_string(kLastTimeZoneIndex) + " (see --zones)")
        ->check(CLI::Range(0, kLastTimeZoneIndex));
    app.add_flag("--dst", dst, "Daylight saving time was in force");
    app.add_option("--lat", birth.Latitude, "Latitude: degrees, N or S, minutes (e.g. 40N42)");
    app.add_option("--lon", birth.Longitude, "Longitude: degrees, E or W, minutes (e.g. 74W00)");
    std::string placeQuery;
    app.add_option("--place", placeQuery,
                   "Birthplace \"City[, State][, Country]\" from the built-in atlas, instead of --lat/--lon; "
                   "without --zone the zone row and daylight saving come from the time-zone database")
        ->excludes("--lat")
        ->excludes("--lon");
    app.add_flag("--json", json, "Print JSON instead of text");
    app.add_flag("--batch", batch, "Read CSV lines name,date,time,zone,dst,lat,lon from standard input; write JSON Lines");
    std::string convertTo;
    app.add_option("--to", convertTo, "Convert the births of standard input (AAF or CSV) to aaf or csv on standard output")
        ->check(CLI::IsMember({"aaf", "csv"}));
    app.add_flag("--zones", zones, "List the time-zone rows with their numbers");
    std::string findQuery;
    app.add_option("--find", findQuery,
                   "List up to 10 places of the built-in atlas that fit \"City[, State][, Country]\", best first");
    ReportOptions reportOptions;
    AddReportOptions(app, reportOptions);
    app.footer("Places: the atlas is built from GeoNames data (https://www.geonames.org/), CC BY 4.0.");
    app.set_version_flag("--version", std::string("quorvane-cli ") + kProductVersion, "Print the program's version");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version end here too, with their own success.
        return app.exit(e) == 0 ? 0 : kExitUsage;
    }

    if (zones) {
        ListZones();
        return 0;
    }
#ifndef QUORVANE_WITH_REPORT
    if (reportOptions.Wanted() && !batch) return RunReportProgram(argv);
#endif
    if (app.count("--find") > 0) return ListPlaces(findQuery, json);
    if (!convertTo.empty()) {
        // AAF to AAF keeps every chunk; CSV holds only the births it can (refused ones are named on stderr).
        const std::string in((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
        const auto book = births::LooksLikeAaf(in) ? births::ReadAaf(in) : births::ReadCsv(in);
        for (const auto& b : book.Births)
            if (!b.Error.empty() || (convertTo == "csv" && b.ZoneRow < 0))
                std::cerr << "quorvane-cli: line " << b.Line << ": " << (b.Error.empty() ? b.Note : b.Error) << '\n';
        std::cout << (convertTo == "aaf" ? births::WriteAaf(book) : births::WriteCsv(book));
        return 0;
    }
    if (batch) {
        // A batch takes every birth from standard input: an option of a single reading would be ignored.
        for (const auto* option : kSingleReadingOptions)
            if (app.count(option) > 0) {
                std::cerr << "quorvane-cli: " << option << " cannot be used with --batch (each line gives its own birth)\n";
                return kExitUsage;
            }
        return RunBatch();
    }

    const bool byPlace = app.count("--place") > 0;
    if (byPlace && dst && app.count("--zone") == 0) {
        std::cerr << "quorvane-cli: --dst needs --zone; with --place alone the daylight-saving flag is worked out\n";
        return kExitUsage;
    }
    for (const auto* option : {"--name", "--date", "--time", "--zone", "--lat", "--lon"}) {
        const bool placeGives = byPlace && std::string_view(option) != "--name" && std::string_view(option) != "--date" &&
                                std::string_view(option) != "--time";
        if (app.count(option) == 0 && !placeGives) {
            std::cerr << "quorvane-cli: " << option << " is required (or use --batch, --zones, --help)\n";
            return kExitUsage;
        }
    }
    birth.Zone = std::to_string(zone);
    birth.Dst = dst ? "1" : "0";
    std::optional<PlaceChoice> place;
    if (byPlace) {
        place = ApplyPlace(placeQuery, app.count("--zone") > 0, birth);
        if (!place) return kExitUsage;
    }
    const ReadingOrError result = ReadBirth(birth);
    if (const auto* error = std::get_if<std::string>(&result)) {
        std::cerr << "quorvane-cli: " << *error << "\n";
        return kExitRefused;
    }
    const NamedReading& reading = std::get<NamedReading>(result);
#ifdef QUORVANE_WITH_REPORT
    if (reportOptions.Wanted())
        if (const int status = WriteReportFiles(reportOptions, reading, place ? DescribePlace(*place->Town) : "", argc, argv)) return status;
#endif
    if (place)
        std::cout << (json ? WithPlaceJson(FormatJson(reading, true), *place, birth) + "\n"
                           : PlaceLines(*place, birth) + "\n" + FormatText(reading));
    else
        std::cout << (json ? FormatJson(reading, true) + "\n" : FormatText(reading));
    return 0;
}
