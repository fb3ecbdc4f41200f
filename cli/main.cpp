// quorvane-cli: a galactic astrology reading on the command line, one birth or a CSV batch.

#include <cstdio>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/birth_line.h"
#include "reading/time_zones.h"

namespace {

using namespace quorvane;
using namespace quorvane::cli;

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

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
    while (std::getline(std::cin, line)) {
        ++number;
        if (number == 1 && line.rfind("name,", 0) == 0) continue;  // header
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const ReadingOrError result = ReadCsvBirth(line);
        if (const auto* reading = std::get_if<NamedReading>(&result)) {
            out += FormatJson(*reading, false);
        } else {
            out += FormatJsonError(number, std::get<std::string>(result));
            refused = true;
        }
        out += '\n';
        if (out.size() > (1 << 20) - 4096) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return refused ? kExitRefused : 0;
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
    app.add_option("--date", birth.Date, "Birth date, YYYY-MM-DD (1901 to 2050)");
    app.add_option("--time", birth.Time, "Local clock time of birth, HH:MM");
    app.add_option("--zone", zone, "Time-zone row, 0 to 70 (see --zones)")->check(CLI::Range(0, 70));
    app.add_flag("--dst", dst, "Daylight saving time was in force");
    app.add_option("--lat", birth.Latitude, "Latitude: degrees, N or S, minutes (e.g. 40N42)");
    app.add_option("--lon", birth.Longitude, "Longitude: degrees, E or W, minutes (e.g. 74W00)");
    app.add_flag("--json", json, "Print JSON instead of text");
    app.add_flag("--batch", batch, "Read CSV lines name,date,time,zone,dst,lat,lon from standard input; write JSON Lines");
    app.add_flag("--zones", zones, "List the time-zone rows with their numbers");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }

    if (zones) {
        ListZones();
        return 0;
    }
    if (batch) return RunBatch();

    for (const auto* option : {"--name", "--date", "--time", "--zone", "--lat", "--lon"}) {
        if (app.count(option) == 0) {
            std::cerr << "quorvane-cli: " << option << " is required (or use --batch, --zones, --help)\n";
            return kExitUsage;
        }
    }
    birth.Zone = std::to_string(zone);
    birth.Dst = dst ? "1" : "0";
    const ReadingOrError result = ReadBirth(birth);
    if (const auto* error = std::get_if<std::string>(&result)) {
        std::cerr << "quorvane-cli: " << *error << "\n";
        return kExitRefused;
    }
    const NamedReading& reading = std::get<NamedReading>(result);
    std::cout << (json ? FormatJson(reading, true) + "\n" : FormatText(reading));
    return 0;
}
