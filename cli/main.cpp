// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli: a galactic astrology reading on the command line, one birth or a CSV batch.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "atlas/atlas.h"
#include "atlas/birth_clock.h"
#include "atlas/coordinates.h"
#include "atlas/zone_suggestion.h"
#include "births/births.h"
#include "cli/birth_line.h"
#include "cli/births_commands.h"
#include "cli/localized_text.h"
#include "cli/report_outputs.h"
#include "cli/usage_errors.h"
#include "common/version.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace {

using namespace quorvane;
using namespace quorvane::cli;
using l10n::Nested;
using l10n::Plain;
using l10n::Say;
namespace says = l10n::cli_text;

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// The options that describe one birth, given on the command line rather than in a batch.
constexpr const char* kSingleReadingOptions[] = {"--name",  "--date",  "--time", "--zone",  "--offset", "--lmt",
                                                 "--dst",   "--lat",   "--lon",  "--place", "--fold",   "--pdf",
                                                 "--paper", "--wheel", "--size", "--theme"};

// One line on standard error, in the reader's language.
void Tell(const l10n::Sentence& said) {
    std::cerr << "quorvane-cli: " << l10n::Render(MessageLanguage(), said) << "\n";
}

// Standard output, checked: a write that fails (a full disk) ends the program with a message and exit 1.
// A closed pipe ends it quietly, through SIGPIPE, as it ends any program that writes into a pipe.
[[noreturn]] void OutputFailed(int error) {
    if (error == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    Tell(Say(says::OutputFailed, {Nested("reason", l10n::SystemError(error))}));
    std::_Exit(kExitRefused);
}

void Print(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) OutputFailed(errno);
}

// Everything written so far reached its destination; else the message and exit 1.
int FinishOutput(int status) {
    std::cout.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) || !std::cout.good()) OutputFailed(errno ? errno : EIO);
    return status;
}

std::string ReadStandardInput() {
    std::string input;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) input.append(buffer, got);
    return input;
}

void ListZones(std::string_view language) {
    for (int i = 0; i < kTimeZoneCount; ++i) {
        std::string line = (i < 10 ? " " : "") + std::to_string(i) + "  ";
        line += l10n::ZoneRowText(language, i);
        line += '\n';
        Print(line);
    }
}

// JSON Lines of a batch, in input order, written a megabyte at a time.
class BatchOutput {
public:
    BatchOutput() { out_.reserve(kChunk); }
    void Add(long lineNumber, const ReadingOrError& result) {
        if (const auto* reading = std::get_if<NamedReading>(&result)) {
            out_ += FormatJson(*reading, false);
        } else {
            out_ += FormatJsonError(lineNumber, std::get<std::string>(result));
            refused_ = true;
        }
        out_ += '\n';
        if (out_.size() > kChunk - 4096) Flush();
    }
    void Flush() {
        Print(out_);
        out_.clear();
    }
    bool Refused() const { return refused_; }

private:
    static constexpr std::size_t kChunk = 1 << 20;
    std::string out_;
    bool refused_ = false;
};

// The built-in atlas, or nothing when its index cannot be read (the message is printed).
const Atlas* BuiltinAtlas() {
    const Atlas& atlas = Atlas::Builtin();
    if (atlas.Problem().empty()) return &atlas;
    Tell(atlas.Problem());
    return nullptr;
}

// A births-file record that does not give its zone is read in the birthplace's local mean time where the
// nearest town of the atlas kept it on that date (the atlas is opened for the first such record only).
bool TakeLocalMeanTimeFromAtlas(births::Birth& birth) {
    if (!birth.Error.empty() || birth.ZoneRow >= 0 || birth.Clock != births::ClockKind::Unknown) return false;
    static const Atlas* const atlas = BuiltinAtlas();
    return atlas && TakeLocalMeanTimeWhereKept(birth, *atlas);
}

// Reads births from standard input, CSV lines or AAF records, and writes one JSON line per birth.
int RunBatch() {
    const std::string input = ReadStandardInput();
    BatchOutput out;
    ReadBatch(input, TakeLocalMeanTimeFromAtlas, [&out](const BatchBirth& birth) {
        if (!birth.Note.empty())
            Tell(Say(says::Line, {Plain("line", std::to_string(birth.Line)), Nested("text", birth.Note)}));
        out.Add(birth.Line, birth.Result);
    });
    out.Flush();
    return out.Refused() ? kExitRefused : 0;
}

// --to: the births of standard input in the other format (or the same). A record that cannot be written
// in the new format is named on standard error with its line, and the exit status is 1.
int ConvertBirths(const std::string& format) {
    const Conversion conversion = cli::ConvertBirths(ReadStandardInput(), format, TakeLocalMeanTimeFromAtlas);
    for (const l10n::Sentence& message : conversion.Messages) Tell(message);
    Print(conversion.Output);
    return conversion.Refused ? kExitRefused : 0;
}

std::string CoordinateText(const DegreesMinutes& dm) {
    char text[16];
    std::snprintf(text, sizeof text, "%d%c%02d", dm.Degrees, dm.Hemisphere, dm.Minutes);
    return text;
}

// A birthplace from the atlas: its coordinates, and what the tz database says its clock showed at the
// birth date and time; unless a zone was given, that row and daylight-saving flag, or that exact offset.
struct PlaceChoice {
    const Place* Town = nullptr;
    std::string_view MatchedName;              // the name typed, when it is not the atlas's own
    std::optional<ZoneSuggestion> Suggestion;  // what the clock showed, when the database knows
    bool Applied = false;                      // the reading takes the suggestion (no zone was given)
};

// Fills the coordinates (and zone, when not given) of `birth`; on failure prints why and returns nothing.
std::optional<PlaceChoice> ApplyPlace(const std::string& query, bool zoneGiven, BirthText& birth, ClockFold fold) {
    const Atlas* atlas = BuiltinAtlas();
    if (!atlas) return std::nullopt;
    const PlaceResolution found = ResolvePlace(*atlas, query);
    if (found.Result != PlaceResolution::Outcome::Found) {
        const bool ambiguous = found.Result == PlaceResolution::Outcome::Ambiguous;
        Tell(Say(ambiguous ? says::PlaceAmbiguous : says::PlaceUnknown, {Plain("query", query)}));
        if (!found.Candidates.empty())
            std::cerr << l10n::Render(MessageLanguage(), Say(ambiguous ? says::Candidates : says::DidYouMean)) << "\n";
        for (const Place* p : found.Candidates) std::cerr << "  " << DescribePlace(*p) << "\n";
        return std::nullopt;
    }
    PlaceChoice choice{found.Chosen, found.MatchedName, std::nullopt, false};
    birth.Latitude = CoordinateText(LatitudeToDegreesMinutes(found.Chosen->Latitude));
    birth.Longitude = CoordinateText(LongitudeToDegreesMinutes(found.Chosen->Longitude));

    const auto date = ParseDate(birth.Date);
    // A window's zone is that of its first minute; its other minutes take the clock of their own.
    const auto window = IsTimeWindow(birth.Time) ? ParseMinuteWindow(birth.Time) : std::nullopt;
    const auto time = window ? Time{window->From / 60, window->From % 60, 0} : ParseTime(birth.Time);
    if (!date || !time) return choice;  // the reading itself names the malformed field
    const CivilDateTime clock{date->Year, date->Month, date->Day, time->Hour, time->Minute};
    const ZoneSuggestion s =
        SuggestZone(found.Chosen->TimeZoneId, clock, found.Chosen->City, found.Chosen->Longitude, fold);
    // A clock time that came twice or never is said, never taken silently.
    if (!window && (s.Repeated || s.Skipped)) {
        const l10n::TextKey& taken = s.Skipped                     ? says::OffsetBefore
                                     : s.Fold == ClockFold::Second ? says::SecondTaken
                                                                   : says::FirstTaken;
        Tell(Say(says::Note,
                 {Nested("note", Say(taken, {Nested("question", ClockChangeText(s, clock, found.Chosen->City))}))}));
    }
    if (zoneGiven) {
        if (s.Known) choice.Suggestion = s;
        return choice;
    }
    if (!s.Known) {
        Tell(Say(says::GiveZone, {Nested("clock", s.Description)}));
        return std::nullopt;
    }
    if (s.ExactOffset) {
        birth.Zone = FormatUtcOffset(*s.ExactOffset);
        birth.Dst = "0";
    } else {
        birth.Zone = std::to_string(s.Row);
        birth.Dst = s.DaylightSaving ? "1" : "0";
    }
    choice.Suggestion = s;
    choice.Applied = true;
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
            list.push_back({{"matched", matched},
                            {"city", p.City},
                            {"state", p.State},
                            {"country", p.Country},
                            {"countryCode", p.CountryCode},
                            {"lat", lat},
                            {"lon", lon},
                            {"latitude", p.Latitude},
                            {"longitude", p.Longitude},
                            {"timeZone", p.TimeZoneId},
                            {"population", p.Population},
                            {"geonameId", p.GeoNameId}});
        else
            Print((m.MatchedName.empty() ? "" : matched + " \u2192 ") + DescribePlace(p) + "  " + lat + " " + lon +
                  "  " + p.TimeZoneId + "\n");
    }
    if (json) Print(list.dump() + "\n");
    if (matches.empty()) {
        Tell(Say(says::FindNone, {Plain("query", query)}));
        return kExitRefused;
    }
    return 0;
}

// Whether the offset a reading used differs from what the place's clock showed then.
bool DisagreesWithClock(const PlaceChoice& choice, const NamedReading& reading) {
    return choice.Suggestion && reading.Reading.UtcOffsetSecondsEast != SuggestedSecondsEast(*choice.Suggestion);
}

// "the clock there showed +05:45 (...), but this reading uses +02:00 as given", or nothing when they agree.
l10n::Sentence ClockDisagreement(const PlaceChoice& choice, const NamedReading& reading) {
    if (!choice.Suggestion) return {};
    return quorvane::ClockDisagreement(*choice.Suggestion, reading.Reading.UtcOffsetSecondsEast, false);
}

// The zone as the reading took it: a row's name, or the offset.
std::string ZoneName(const NamedReading& reading) {
    if (reading.ZoneIndex >= 0)
        return std::string(TimeZoneTable()[static_cast<std::size_t>(reading.ZoneIndex)].DisplayString);
    return (reading.LocalMeanTime ? "local mean time of the birthplace, UTC" : "UTC") +
           FormatUtcOffset(reading.Reading.UtcOffsetSecondsEast);
}

std::string PlaceLines(const PlaceChoice& choice, const BirthText& birth, const NamedReading& reading,
                       std::string_view language) {
    const std::string matched = choice.MatchedName.empty() ? "" : std::string(choice.MatchedName) + " \u2192 ";
    std::string out = PlaceLine(language, matched + DescribePlace(*choice.Town) + " (" + birth.Latitude + " " +
                                              birth.Longitude + ", " + choice.Town->TimeZoneId + ")") +
                      "\n";
    const std::string clockNote = choice.Applied ? l10n::Render(language, choice.Suggestion->Description) : "";
    const std::string* note = choice.Applied ? &clockNote : nullptr;
    if (reading.ZoneIndex >= 0) {
        out += ZoneLine(language, reading.ZoneIndex, birth.Dst == "1", note) + "\n";
    } else {
        // An exact offset or local mean time: no row's name to translate.
        const std::string zone = ExactZoneText(language, reading.Reading.UtcOffsetSecondsEast, reading.LocalMeanTime);
        out += l10n::Fill(l10n::CoreText(language, "text.Zone"), {{"zone", zone}}) + ' ' +
               (note ? l10n::Fill(l10n::CoreText(language, "text.From"), {{"note", *note}})
                     : std::string(l10n::CoreText(language, "text.AsGiven"))) +
               "\n";
    }
    if (DisagreesWithClock(choice, reading))
        out += ClockWarningLine(language, ClockDisagreement(choice, reading)) + "\n";
    return out;
}

std::string WithPlaceJson(const std::string& readingJson, const PlaceChoice& choice, const BirthText& birth,
                          const NamedReading& reading) {
    nlohmann::ordered_json j = nlohmann::ordered_json::parse(readingJson);
    const Place& p = *choice.Town;
    j["place"] = {{"matched", choice.MatchedName.empty() ? p.City : std::string(choice.MatchedName)},
                  {"city", p.City},
                  {"state", p.State},
                  {"country", p.Country},
                  {"countryCode", p.CountryCode},
                  {"latitude", p.Latitude},
                  {"longitude", p.Longitude},
                  {"lat", birth.Latitude},
                  {"lon", birth.Longitude},
                  {"timeZone", p.TimeZoneId}};
    const int row = reading.ZoneIndex;
    nlohmann::ordered_json zone = {{"row", row >= 0 ? nlohmann::ordered_json(row) : nlohmann::ordered_json()},
                                   {"name", ZoneName(reading)},
                                   {"dst", birth.Dst == "1"},
                                   {"suggested", choice.Applied}};
    if (reading.LocalMeanTime || (choice.Applied && choice.Suggestion->LocalMeanTime)) zone["localMeanTime"] = true;
    if (choice.Suggestion) {
        if (choice.Applied) zone["exact"] = true;  // a row or the exact offset: never a nearby row
        zone["utcOffset"] = choice.Suggestion->OffsetText;
        zone["clockOffset"] = FormatUtcOffset(SuggestedSecondsEast(*choice.Suggestion));
        zone["agreesWithClock"] = !DisagreesWithClock(choice, reading);
        // In English, as JSON says everything.
        zone["note"] =
            l10n::English(!choice.Applied && DisagreesWithClock(choice, reading) ? ClockDisagreement(choice, reading)
                                                                                 : choice.Suggestion->Description);
    }
    j["zone"] = zone;
    return j.dump();
}

// Everything the command line can say, as its options fill it.
struct Options {
    BirthText Birth;
    int Zone = -1;
    bool Dst = false, Json = false, Batch = false, Zones = false, Lmt = false;
    std::string Fold, Offset, Place, ConvertTo, Find;
    std::string Language = l10n::LanguageFromEnvironment();
    ReportOptions Report;
};

// The options with their help texts, in the order --help lists them.
void AddOptions(CLI::App& app, Options& o) {
    namespace help = l10n::help_text;
    app.add_option("--name", o.Birth.Name, Help(help::Name));
    app.add_option(
        "--date", o.Birth.Date,
        Help(help::Date, {Plain("first", std::to_string(kFirstYear)), Plain("last", std::to_string(kLastYear))}));
    app.add_option("--time", o.Birth.Time, Help(help::Time));
    app.add_option("--fold", o.Fold, Help(help::Fold))->check(OneOf({"first", "second"}));
    auto* zoneOption =
        app.add_option("--zone", o.Zone, Help(help::Zone, {Plain("last", std::to_string(kLastTimeZoneIndex))}))
            ->check(WholeNumberFrom(0, kLastTimeZoneIndex));
    auto* offsetOption = app.add_option("--offset", o.Offset, Help(help::Offset))->check([](const std::string& text) {
        return ParseUtcOffset(text) ? std::string() : l10n::Render(MessageLanguage(), Say(says::OffsetForm));
    });
    auto* lmtOption = app.add_flag("--lmt", o.Lmt, Help(help::Lmt));
    zoneOption->excludes(offsetOption)->excludes(lmtOption);
    offsetOption->excludes(lmtOption);
    app.add_flag("--dst", o.Dst, Help(help::Dst));
    app.add_option("--lat", o.Birth.Latitude, Help(help::Lat));
    app.add_option("--lon", o.Birth.Longitude, Help(help::Lon));
    app.add_option("--place", o.Place, Help(help::Place))->excludes("--lat")->excludes("--lon");
    app.add_flag("--json", o.Json, Help(help::Json));
    app.add_flag("--batch", o.Batch, Help(help::Batch));
    app.add_option("--to", o.ConvertTo, Help(help::To))->check(OneOf({"aaf", "csv"}));
    app.add_flag("--zones", o.Zones, Help(help::Zones));
    app.add_option("--find", o.Find, Help(help::Find));
    std::string languages = "en";
    for (const std::string_view code : l10n::TranslatedLanguages()) languages.append(", ").append(code);
    app.add_option("--lang", o.Language, Help(help::Lang, {Plain("languages", languages)}))
        ->check([languages](const std::string& code) {
            return KnownLanguage(code)
                       ? std::string()
                       : l10n::Render(MessageLanguage(),
                                      Say(says::NoTranslation, {Plain("code", code), Plain("languages", languages)}));
        });
    AddReportOptions(app, o.Report);
    app.footer(Help(help::Footer));
    app.set_version_flag("--version", std::string("quorvane-cli ") + kProductVersion, Help(help::Version));
}

// Whether one reading's options are all there and fit together; the refusal is told.
bool SingleReadingIsComplete(const CLI::App& app, const Options& o) {
    const bool byPlace = app.count("--place") > 0;
    const bool zoneGiven = app.count("--zone") > 0 || app.count("--offset") > 0 || o.Lmt;
    if (byPlace && o.Dst && !zoneGiven) {
        Tell(Say(says::DstNeedsZone));
        return false;
    }
    for (const auto* option : {"--name", "--date", "--time", "--zone", "--lat", "--lon"}) {
        const bool placeGives = byPlace && std::string_view(option) != "--name" &&
                                std::string_view(option) != "--date" && std::string_view(option) != "--time";
        const bool given = app.count(option) > 0 || (std::string_view(option) == "--zone" && zoneGiven);
        if (!given && !placeGives) {
            Tell(std::string_view(option) == "--zone" ? Say(says::ZoneRequired)
                                                      : Say(says::Required, {Plain("option", option)}));
            return false;
        }
    }
    if (IsTimeWindow(o.Birth.Time) && !ParseMinuteWindow(o.Birth.Time)) {
        Tell(Say(says::BadWindow));
        return false;
    }
    if (!o.Fold.empty() && !byPlace) {
        Tell(Say(says::FoldNeedsPlace));
        return false;
    }
    return true;
}

// One birth from the options: its reading printed, and the report files written when asked.
int ReadOneBirth(const CLI::App& app, Options& o, int argc, char** argv) {
    BirthText& birth = o.Birth;
    const std::string& language = o.Language;
    const bool byPlace = app.count("--place") > 0;
    const bool zoneGiven = app.count("--zone") > 0 || app.count("--offset") > 0 || o.Lmt;
    birth.Zone = o.Lmt ? "LMT" : app.count("--offset") > 0 ? o.Offset : std::to_string(o.Zone);
    birth.Dst = o.Dst ? "1" : "0";
    std::optional<PlaceChoice> place;
    if (byPlace) {
        if (!BuiltinAtlas()) return kExitRefused;  // no atlas to look in: not the user's mistake
        place = ApplyPlace(o.Place, zoneGiven, birth, o.Fold == "second" ? ClockFold::Second : ClockFold::First);
        if (!place) return kExitUsage;
    }
    ReadingOrError result = ReadBirth(birth);
    if (const auto* error = std::get_if<std::string>(&result)) {
        std::cerr << "quorvane-cli: " << l10n::LocalizedMessage(language, *error) << "\n";
        return kExitRefused;
    }
    NamedReading& reading = std::get<NamedReading>(result);
    // With the place's own clock, each minute of a window has the offset the clock had then, even on a day
    // it changed.
    if (reading.Window && place && place->Applied) {
        const std::vector<ClockPeriod> periods =
            ClockPeriodsOfDay(place->Town->TimeZoneId, reading.Birth.Year, reading.Birth.Month, reading.Birth.Day,
                              place->Town->Longitude);
        const std::vector<ClockStretch> clock = StretchesOfDay(periods);
        if (!clock.empty()) ReadWindow(reading, reading.Window->Window, clock);
    }
    // A zone that does not fit the place's clock then is never taken silently.
    if (place && DisagreesWithClock(*place, reading))
        Tell(Say(says::Warning, {Nested("warning", ClockDisagreement(*place, reading))}));
#ifdef QUORVANE_WITH_REPORT
    o.Report.Language = language;
    if (o.Report.Wanted())
        if (const int status =
                WriteReportFiles(o.Report, reading, place ? DescribePlace(*place->Town) : "",
                                 place ? l10n::Render(language, ClockDisagreement(*place, reading)) : "", argc, argv))
            return status;
#else
    (void)argc;
    (void)argv;
#endif
    if (place)
        Print(o.Json ? WithPlaceJson(FormatJson(reading, true), *place, birth, reading) + "\n"
                     : PlaceLines(*place, birth, reading, language) + "\n" + FormatText(reading, language));
    else
        Print(o.Json ? FormatJson(reading, true) + "\n" : FormatText(reading, language));
    return 0;
}

int Run(int argc, char** argv) {
    Options o;
    // The help and a refusal of the options themselves are already in the language they ask for.
    MessageLanguage() = LanguageOfArguments(argc, argv, o.Language);
    CLI::App app{Help(l10n::help_text::Description,
                      {Plain("example",
                             "quorvane-cli --name ASHA --date 1985-06-15 --time 07:30 --zone 29 --lat "
                             "40N42 --lon 74W00")}),
                 "quorvane-cli"};
    TranslateHelpLayout(app);
    AddOptions(app, o);
    try {
        app.parse(argc, argv);
        MessageLanguage() = o.Language;
    } catch (const CLI::ParseError& e) {
        // --help and --version end here too, with their own success.
        if (e.get_exit_code() == 0) return app.exit(e);
        Tell(Say(says::UsageRefused, {Nested("refusal", ParseRefusal(e))}));
        return kExitUsage;
    }

    if (o.Zones) {
        ListZones(o.Language);
        return 0;
    }
#ifndef QUORVANE_WITH_REPORT
    if (o.Report.Wanted() && !o.Batch) return RunReportProgram(argv);
#endif
    if (app.count("--find") > 0) return ListPlaces(o.Find, o.Json);
    if (!o.ConvertTo.empty()) return ConvertBirths(o.ConvertTo);
    if (o.Batch) {
        // A batch takes every birth from standard input: an option of a single reading would be ignored.
        for (const auto* option : kSingleReadingOptions)
            if (app.count(option) > 0) {
                Tell(Say(says::NotWithBatch, {Plain("option", option)}));
                return kExitUsage;
            }
        return RunBatch();
    }
    if (!SingleReadingIsComplete(app, o)) return kExitUsage;
    return ReadOneBirth(app, o, argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe ends the program quietly, even when the caller ignored SIGPIPE.
    std::signal(SIGPIPE, SIG_DFL);
    const int status = Run(argc, argv);
    return FinishOutput(status);
}
