// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the browser page calls it. Every rule, text and number comes from the core; this file only
// moves values between JavaScript objects and the core's types.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/birth_clock.h"
#include "atlas/coordinates.h"
#include "atlas/fold_unicode.h"
#include "atlas/web_search.h"
#include "atlas/zone_suggestion.h"
#include "births/birth_from_form.h"
#include "births/births_csv.h"
#include "births/births_edits.h"
#include "births/births_file.h"
#include "l10n/core_texts.h"
#include "reading/input_rules.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "report/reading_text.h"
#include "report/wheel_geometry.h"
#include "zones/zone_database.h"

using emscripten::val;

namespace quorvane::web {
namespace {

std::string Str(const val& object, const char* key) {
    const val v = object[key];
    return v.isString() ? v.as<std::string>() : std::string();
}
int Int(const val& object, const char* key, int fallback) {
    const val v = object[key];
    return v.isNumber() ? v.as<int>() : fallback;
}
bool Bool(const val& object, const char* key) {
    return object[key].as<bool>();
}

const char* FieldName(FormField field) {
    switch (field) {
        case FormField::Name:
            return "name";
        case FormField::LongitudeDegrees:
            return "longitudeDegrees";
        case FormField::LongitudeMinutes:
            return "longitudeMinutes";
        case FormField::LatitudeDegrees:
            return "latitudeDegrees";
        case FormField::LatitudeMinutes:
            return "latitudeMinutes";
        case FormField::None:
            break;
    }
    return "";
}

val Message(std::string_view language, const UserMessage& message) {
    val out = val::object();
    out.set("text", std::string(l10n::LocalizedMessage(language, message.Text)));
    out.set("icon", message.Icon == MessageIcon::Error ? "error" : "information");
    return out;
}

// The page's form as the core reads it. "zone" is a row 0..70, "lmt" or "offset" (then "offset" holds
// the typed text); "recordSecond" is the clock's second of a births record shown on the form.
BirthFormValues FormOf(const val& form) {
    BirthFormValues f;
    f.Name = Str(form, "name");
    f.LongitudeDegrees = Str(form, "longitudeDegrees");
    f.LongitudeMinutes = Str(form, "longitudeMinutes");
    f.LatitudeDegrees = Str(form, "latitudeDegrees");
    f.LatitudeMinutes = Str(form, "latitudeMinutes");
    f.MonthPosition = Int(form, "month", 1) - 1;
    f.DayPosition = Int(form, "day", 1) - 1;
    f.Year = Int(form, "year", kFirstYear);
    f.YearPosition = f.Year - kFirstYear;
    f.Hour = Int(form, "hour", 0);
    f.Minute = Int(form, "minute", 0);
    // A second picked on the form does not enter the reading; a births record's clock seconds do.
    f.Second = Int(form, "recordSecond", 0);
    f.IsEast = Bool(form, "east");
    f.IsSouth = Bool(form, "south");
    f.IsDaylightSaving = Bool(form, "daylightSaving");
    const val zone = form["zone"];
    if (zone.isNumber()) {
        f.ZoneIndex = zone.as<int>();
    } else {
        f.ZoneIndex = -1;
        const std::string kind = zone.isString() ? zone.as<std::string>() : std::string();
        f.LocalMeanTime = kind == "lmt";
        if (kind == "offset") f.ExactOffset = ParseUtcOffset(Str(form, "offset"));
    }
    return f;
}

val SignOf(std::string_view language, const GalacticSign* sign, l10n::Frame frame) {
    val out = val::object();
    out.set("caption", std::string(l10n::FrameCaption(language, frame)));
    if (!sign) return out;
    const GalacticSign& s = l10n::LocalizedSign(language, *sign);
    out.set("picture", std::string(sign->Name));  // the picture's key is the English name
    out.set("sign", std::string(s.Name));
    out.set("rulingPlanet", std::string(s.RulingPlanet));
    out.set("constellation", std::string(s.Constellation));
    out.set("keywords", std::string(s.Keywords));
    out.set("description", std::string(s.Description));
    return out;
}

val TimeOf(const CivilDateTime& t) {
    val out = val::object();
    out.set("year", t.Year);
    out.set("month", t.Month);
    out.set("day", t.Day);
    out.set("hour", t.Hour);
    out.set("minute", t.Minute);
    out.set("second", t.Second);
    return out;
}

// The wheel of one reading as numbers: drawing angles (counter-clockwise from 3 o'clock, the Ascendant at
// 9 o'clock) of the twelve sectors, the four points and the four degrees the frames read, with the label
// angles spread as the report spreads them.
val WheelOf(std::string_view language, const GalacticReading& r) {
    const auto at = [&](double longitude) { return wheel::WheelAngle(longitude, r.AscendantLongitude); };
    val out = val::object();
    val sectors = val::array();
    for (const wheel::SignSector& s : wheel::GalacticSectors()) {
        val sector = val::object();
        sector.set("sign", std::string(l10n::LocalizedSign(language, *s.Sign).Name));
        sector.set("picture", std::string(s.Sign->Name));
        sector.set("start", s.Start);
        sector.set("end", s.End);
        sector.set("startAngle", at(s.Start));
        sector.set("middleAngle", at(s.Start + (s.End - s.Start) / 2));
        sectors.call<void>("push", sector);
    }
    out.set("sectors", sectors);
    const auto bodies = wheel::BodyPoints(r);
    std::vector<double> bodyAngles;
    for (const auto& b : bodies) bodyAngles.push_back(at(b.Longitude));
    const std::vector<double> bodyLabels = wheel::SpreadLabels(bodyAngles, 22.0);
    val points = val::array();
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        val point = val::object();
        point.set("name", bodies[i].Name);
        point.set("longitude", bodies[i].Longitude);
        point.set("text", wheel::ArcMinuteText(bodies[i].Longitude));
        point.set("angle", bodyAngles[i]);
        point.set("labelAngle", bodyLabels[i]);
        points.call<void>("push", point);
    }
    out.set("points", points);
    const auto reads = wheel::ReadPoints(r);
    std::vector<double> readAngles;
    for (const auto& p : reads) readAngles.push_back(at(p.Longitude()));
    const std::vector<double> readLabels = wheel::SpreadLabels(readAngles, 16.0);
    val readList = val::array();
    for (std::size_t i = 0; i < reads.size(); ++i) {
        val read = val::object();
        read.set("frame", reads[i].Frame);
        read.set("degree", reads[i].Degree);
        read.set("source", reads[i].Source);
        read.set("angle", readAngles[i]);
        read.set("labelAngle", readLabels[i]);
        readList.call<void>("push", read);
    }
    out.set("reads", readList);
    val degrees = val::array();  // the drawing angle of every whole degree of longitude, 0..359
    for (int d = 0; d < 360; ++d) degrees.call<void>("push", at(d));
    out.set("degreeAngles", degrees);
    return out;
}

// The page keeps one session, as the desktop's form does: a reading without a zone row takes the last one.
ReadingSession& Session() {
    static ReadingSession session;
    return session;
}

// { ok: false, message: {text, icon}, focus } or { ok: true, reading: {...} }. An exact offset that
// cannot be read stops the reading with its own message (the page shows it), as on the desktop.
val Read(const val& form, const std::string& language) {
    const BirthFormValues f = FormOf(form);
    val out = val::object();
    // No row chosen (a births record that gives no zone) reads as the desktop's form does, with the last
    // reading's zone; only a typed offset can be unreadable.
    const val zone = form["zone"];
    const bool offsetUnreadable = zone.isString() && zone.as<std::string>() == "offset" && !f.ExactOffset;
    if (offsetUnreadable && ValidateBirthData(TextsOf(f)).Ok) {
        out.set("ok", false);
        out.set("offsetUnreadable", true);
        return out;
    }
    const ReadingSession::Outcome outcome = Session().Read(f);
    out.set("ok", outcome.Validation.Ok);
    if (!outcome.Validation.Ok) {
        out.set("message", Message(language, outcome.Validation.Message));
        out.set("focus", std::string(FieldName(outcome.Validation.Focus)));
        return out;
    }
    const GalacticReading& r = *outcome.Reading;
    val reading = val::object();
    // In the order the desktop's reading form lays them out: Sun and Ascendant above, Moon and Descendant below.
    val frames = val::array();
    frames.call<void>("push", SignOf(language, r.SunSign, l10n::Frame::SunSign));
    frames.call<void>("push", SignOf(language, r.AscendantSign, l10n::Frame::Ascendant));
    frames.call<void>("push", SignOf(language, r.MoonSign, l10n::Frame::MoonSign));
    frames.call<void>("push", SignOf(language, r.DescendantSign, l10n::Frame::Descendant));
    reading.set("frames", frames);
    reading.set("universalTime", TimeOf(r.UniversalTime));
    reading.set("utcOffset", FormatUtcOffset(r.UtcOffsetSecondsEast));
    reading.set("sunDegree", r.Degrees.Sun);
    reading.set("moonDegree", r.Degrees.Moon);
    reading.set("ascendantDegree", r.Degrees.Ascendant);
    reading.set("sunLongitude", r.SunLongitude);
    reading.set("moonLongitude", r.MoonLongitude);
    reading.set("ascendantLongitude", r.AscendantLongitude);
    reading.set("moonPhase", std::string(l10n::MoonPhaseText(language, r.Phase)));
    reading.set("zoneRow", Session().LastZoneIndex());
    reading.set("localMeanTime", Session().LastWasLocalMeanTime());
    reading.set("wheel", WheelOf(language, r));
    out.set("reading", reading);
    return out;
}

val Verdict(std::string_view language, const KeyVerdict& verdict) {
    val out = val::object();
    out.set("code", verdict.Code);
    if (verdict.Message) out.set("message", Message(language, *verdict.Message));
    return out;
}

// A typed character of the name field; `isLetter`/`capital` are the browser's word on letters beyond A-Z
// in the page's language.
val FilterName(int code, bool isLetter, int capital, const std::string& language) {
    return Verdict(language, FilterNameKey(static_cast<std::uint16_t>(code),
                                           NameLetter{isLetter, static_cast<std::uint16_t>(capital)}));
}

val FilterCoordinate(int code, const std::string& language) {
    return Verdict(language, FilterCoordinateKey(static_cast<std::uint16_t>(code)));
}

// The local mean time of the longitude the form holds, as the offset field shows it; empty while the
// longitude cannot be read.
std::string LocalMeanTime(const val& form) {
    const BirthFormValues f = FormOf(form);
    if (!ParseWholeNumber(f.LongitudeDegrees) || !ParseWholeNumber(f.LongitudeMinutes)) return {};
    return FormatUtcOffset(LocalMeanTimeOffset(BirthDataOf(f, {})));
}

bool OffsetReadable(const std::string& text) {
    return ParseUtcOffset(text).has_value();
}

std::string SearchUrl(const std::string& city, const std::string& state, const std::string& country) {
    return WebSearchUrl(WebSearchPhrase(city, state, country));
}

std::string Text(const std::string& language, const std::string& key) {
    return std::string(l10n::CoreText(language, key));
}

std::string Language(const std::string& localeName) {
    return l10n::NormalizeLanguage(localeName);
}

val Languages() {
    val out = val::array();
    for (std::string_view language : l10n::TranslatedLanguages()) out.call<void>("push", std::string(language));
    return out;
}

// The atlas and the tz files the page fetched when the finder was first opened.
std::unique_ptr<Atlas>& PageAtlas() {
    static std::unique_ptr<Atlas> atlas;
    return atlas;
}
std::map<std::string, std::string, std::less<>>& ZoneFileBytes() {
    static std::map<std::string, std::string, std::less<>> files;
    return files;
}
const zones::ZoneDatabase& PageZones() {
    static const zones::ZoneDatabase database([](std::string_view name) -> std::optional<std::string> {
        const auto& files = ZoneFileBytes();
        const auto found = files.find(name);
        if (found == files.end()) return std::nullopt;
        return found->second;
    });
    return database;
}

// The atlas index, the fold table and the zone files (make_web_atlas); the atlas's problem, or nothing.
std::string LoadAtlas(const val& index, const val& foldTable, const val& zoneFiles) {
    const std::vector<unsigned char> table = emscripten::convertJSArrayToNumberVector<unsigned char>(foldTable);
    fold_table::Load(std::string(table.begin(), table.end()));
    const std::vector<unsigned char> zonesBytes = emscripten::convertJSArrayToNumberVector<unsigned char>(zoneFiles);
    const std::string bundle(zonesBytes.begin(), zonesBytes.end());
    auto& files = ZoneFileBytes();
    for (std::size_t at = 0; at + 2 <= bundle.size();) {
        const std::size_t nameLength =
            static_cast<unsigned char>(bundle[at]) | static_cast<unsigned char>(bundle[at + 1]) << 8;
        at += 2;
        if (at + nameLength + 4 > bundle.size()) break;
        std::string name = bundle.substr(at, nameLength);
        at += nameLength;
        std::size_t length = 0;
        for (int i = 3; i >= 0; --i)
            length = length << 8 | static_cast<unsigned char>(bundle[at + static_cast<std::size_t>(i)]);
        at += 4;
        if (at + length > bundle.size()) break;
        files[std::move(name)] = bundle.substr(at, length);
        at += length;
    }
    const std::vector<unsigned char> bytes = emscripten::convertJSArrayToNumberVector<unsigned char>(index);
    try {
        PageAtlas() = std::make_unique<Atlas>(Atlas::FromIndex(std::vector<char>(bytes.begin(), bytes.end())));
    } catch (const atlas_index::BadIndex& bad) {
        return std::string("the atlas index is damaged: ") + bad.what();
    }
    return {};
}

val Coordinate(const DegreesMinutes& dm) {
    val out = val::object();
    out.set("degrees", dm.Degrees);
    out.set("minutes", dm.Minutes);
    out.set("hemisphere", std::string(1, dm.Hemisphere));
    return out;
}

// Up to `limit` places that fit the text, best first, with the fields quorvane-cli --find --json gives.
val FindPlaces(const std::string& query, int limit) {
    val out = val::object();
    val list = val::array();
    out.set("matches", list);
    out.set("nameOnly", false);
    out.set("name", std::string());
    if (!PageAtlas()) return out;
    const PlaceSearch search = SearchPlaces(*PageAtlas(), query, static_cast<std::size_t>(limit));
    out.set("nameOnly", search.NameOnly);
    out.set("name", search.Name);
    for (const PlaceMatch& m : search.Matches) {
        const Place& p = *m.Town;
        val place = val::object();
        place.set("matched", m.MatchedName.empty() ? p.City : std::string(m.MatchedName));
        place.set("city", p.City);
        place.set("state", p.State);
        place.set("country", p.Country);
        place.set("countryCode", p.CountryCode);
        place.set("latitude", p.Latitude);
        place.set("longitude", p.Longitude);
        place.set("lat", Coordinate(LatitudeToDegreesMinutes(p.Latitude)));
        place.set("lon", Coordinate(LongitudeToDegreesMinutes(p.Longitude)));
        place.set("timeZone", p.TimeZoneId);
        place.set("population", p.Population);
        place.set("geonameId", p.GeoNameId);
        list.call<void>("push", place);
    }
    return out;
}

// What the place's clock showed at the local time, by the zone files the page has; its line in the page's
// language.
val Suggest(const std::string& zoneId, const val& clock, const std::string& placeName, double longitudeEast,
            const std::string& language, const std::string& pass) {
    const CivilDateTime local{Int(clock, "year", 0), Int(clock, "month", 1), Int(clock, "day", 1),
                              Int(clock, "hour", 0), Int(clock, "minute", 0)};
    const ZoneSuggestion s = SuggestZone(PageZones(), zoneId, local, placeName, longitudeEast,
                                         pass == "second" ? ClockFold::Second : ClockFold::First);
    val out = val::object();
    out.set("known", s.Known);
    out.set("row", s.Row);
    out.set("daylightSaving", s.DaylightSaving);
    out.set("exact", s.Exact);
    out.set("exactOffset", s.ExactOffset.has_value());
    out.set("localMeanTime", s.LocalMeanTime);
    out.set("offsetSeconds", s.OffsetSeconds);
    out.set("daylightTime", s.DaylightTime);
    out.set("abbreviation", s.Abbreviation);
    out.set("offsetText", s.OffsetText);
    out.set("description", l10n::Render(language, s.Description));
    // A clock time that came twice or never is asked about, never taken silently.
    out.set("question", l10n::Render(language, ClockChangeText(s, local, placeName)));
    out.set("repeated", s.Repeated);
    out.set("skipped", s.Skipped);
    out.set("secondsEast", SuggestedSecondsEast(s));
    out.set("clockOffset", FormatUtcOffset(SuggestedSecondsEast(s)));
    return out;
}

// ---- The births book, kept in the page (the page stores it in the browser between visits).

births::EditedBook& PageBook() {
    static births::EditedBook book = [] {
        births::EditedBook b;
        BirthsFile empty;
        empty.Path = "Births.aaf";
        b.Adopt(std::move(empty));
        return b;
    }();
    return book;
}

std::string BytesOf(const val& array) {
    std::string bytes(array["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data())))
        .call<void>("set", array);
    return bytes;
}
val ByteArray(std::string_view bytes) {
    // A copy the page keeps: the view itself would move when the WebAssembly memory grows.
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())));
}
const char* FormatName(BirthsFormat format) {
    return format == BirthsFormat::Csv ? "csv" : "aaf";
}

// The book's name and format, with which both what the page shows of it and its kept state begin.
val BookHeader(const BirthsFile& file) {
    val out = val::object();
    out.set("name", file.Path);
    out.set("format", std::string(FormatName(file.Format)));
    return out;
}

val BookInfo() {
    const BirthsFile& file = PageBook().File();
    val out = BookHeader(file);
    out.set("count", static_cast<int>(file.Book.Births.size()));
    out.set("unreadable", file.UnreadableCount());
    out.set("canUndo", PageBook().CanUndo());
    const births::EditedBook::Step step = PageBook().UndoStep();
    out.set("undoKind", step.Kind);
    out.set("undoSubject", step.Subject);
    return out;
}

CivilDateTime ClockOf(const BirthData& d) {
    return {d.Year, d.Month, d.Day, d.Hour, d.Minute, d.Second};
}

// Whether the atlas should be fetched before the file is opened: it is not there yet, and a record of
// the file gives no clock, which its birthplace's history may answer.
bool BirthsNeedAtlas(const val& bytes, const std::string& fileName) {
    if (PageAtlas()) return false;
    const BirthsFile::Opened opened = BirthsFile::Parse(BytesOf(bytes), fileName);
    if (!opened.File) return false;
    const auto& records = opened.File->Book.Births;
    return std::any_of(records.begin(), records.end(), births::GivesNoClock);
}

// A births file the person chose: { ok, refusal } and, read, how many of its records could not be.
val OpenBirths(const val& bytes, const std::string& fileName, bool import, const std::string& language) {
    BirthsFile::Opened opened = BirthsFile::Parse(BytesOf(bytes), fileName);
    val out = val::object();
    out.set("ok", opened.File.has_value());
    if (!opened.File) {
        out.set("refusal", l10n::Render(language, opened.Refusal));
        return out;
    }
    // A record without its zone is read in local mean time where the nearest town kept it then, as on the
    // desktop, once the finder has fetched the atlas (the record itself stays as written until edited).
    if (PageAtlas())
        for (births::Birth& b : opened.File->Book.Births) TakeLocalMeanTimeWhereKept(b, *PageAtlas(), PageZones());
    if (import) {
        const births::EditedBook::Imported imported = PageBook().Import(std::move(*opened.File));
        out.set("added", imported.Added);
        out.set("unreadable", imported.Unreadable);
    } else {
        out.set("unreadable", opened.File->UnreadableCount());
        PageBook().Adopt(std::move(*opened.File));
    }
    return out;
}

// Every record of the book, in its order, with what the list shows of it, its notes and reasons in `language`.
val BookRows(const std::string& language) {
    val out = val::array();
    int index = 0;
    for (const births::Birth& b : PageBook().File().Book.Births) {
        val row = b.Error.empty() ? TimeOf(ClockOf(b.Data)) : val::object();
        row.set("index", index++);
        row.set("line", b.Line);
        if (!b.Error.empty()) {
            row.set("error", l10n::Render(language, b.Error));
            row.set("recordName", births::RecordName(b));
        } else {
            row.set("name", b.Data.Name);
            row.set("timeUnknown", b.TimeUnknown);
            row.set("place", b.Place);
            row.set("country", b.Country);
            // A birth no row has is read with its exact offset or local mean time: its note says which; any
            // other birth without a row says why it cannot be read.
            row.set("note", l10n::Render(language, births::HasExactOffset(b) ? births::NotesSentence(b)
                                                                             : births::ReadingRefusal(b)));
            row.set("notes", l10n::Render(language, births::NotesSentence(b)));
            row.set("exactOffset", births::HasExactOffset(b));
            if (!births::HasExactOffset(b) && b.ZoneRow < 0) {
                row.set("refusal", std::string(b.Clock == births::ClockKind::LocalMeanTime ? "lmt"
                                               : b.Clock == births::ClockKind::Offset      ? "offset"
                                                                                           : "zone"));
                row.set("offset", UtcOffsetText(-b.StandardOffset.TotalSecondsWest()));
            }
        }
        out.call<void>("push", row);
    }
    return out;
}

// The form's entries for a birth of the book (and the book remembers that the form holds it); null for
// a record that cannot be read.
val ChooseBirth(int index) {
    if (!PageBook().Choose(index)) return val::null();
    const births::Birth& b = PageBook().File().Book.Births[static_cast<std::size_t>(index)];
    const BirthData& d = b.Data;
    val form = TimeOf(ClockOf(d));
    form.set("name", d.Name);
    form.set("recordSecond", d.Second);
    form.set("timeUnknown", b.TimeUnknown);
    form.set("daylightSaving", d.IsDaylightSaving);
    form.set("latitudeDegrees", std::to_string(d.LatitudeDegrees));
    form.set("latitudeMinutes", std::to_string(d.LatitudeMinutes));
    form.set("south", d.IsSouth);
    form.set("longitudeDegrees", std::to_string(d.LongitudeDegrees));
    form.set("longitudeMinutes", std::to_string(d.LongitudeMinutes));
    form.set("east", d.IsEast);
    // A place is kept as "city/state", the way exchange files write a town and its region.
    const std::size_t slash = b.Place.find('/');
    form.set("city", b.Place.substr(0, slash));
    form.set("state", slash == std::string::npos ? std::string() : b.Place.substr(slash + 1));
    form.set("country", b.Country);
    form.set("offset", std::string());
    if (b.ZoneRow >= 0) {
        form.set("zone", b.ZoneRow);
    } else if (births::HasExactOffset(b)) {
        // No row has the file's offset: it is taken exactly, or as the birthplace's local mean time.
        form.set("zone", std::string(b.Clock == births::ClockKind::LocalMeanTime ? "lmt" : "offset"));
        form.set("offset", FormatUtcOffset(-b.StandardOffset.TotalSecondsWest()));
    } else {
        form.set("zone", -1);  // the list shows no row: one must be chosen (the row's note says why)
    }
    return form;
}

// The form's birth into the book: { ok: false, message, focus } when the form's check refuses it,
// { ok: false, noZone: true } when it names no zone, else { ok: true, saved: "added" | "updated" |
// "unchanged", index }.
val SaveBirth(const val& form, const std::string& language) {
    BirthFormValues f = FormOf(form);
    f.TimeUnknown = form["timeUnknown"].isTrue();
    births::EditedBook& book = PageBook();
    const births::FormBirth birth =
        births::BirthFromForm(f, book.FormEntry(f.Name), Str(form, "city"), Str(form, "state"), Str(form, "country"));
    val out = val::object();
    out.set("ok", birth.Value.has_value());
    if (!birth.Check.Ok) {
        out.set("message", Message(language, birth.Check.Message));
        out.set("focus", std::string(FieldName(birth.Check.Focus)));
        return out;
    }
    if (birth.NoZone) {
        out.set("noZone", true);
        return out;
    }
    const births::EditedBook::Saved saved = book.Save(*birth.Value);
    out.set("saved", std::string(saved == births::EditedBook::Saved::Added     ? "added"
                                 : saved == births::EditedBook::Saved::Updated ? "updated"
                                                                               : "unchanged"));
    out.set("index", book.FormEntryIndex());
    return out;
}

void RemoveBirth(int index) {
    PageBook().Remove(index);
}
bool UndoBirths() {
    return PageBook().Undo();
}

// The book as a file in either format, and how many births CSV could not hold.
val BookBytes(const std::string& format) {
    BirthsFile file = PageBook().File();
    file.Format = format == "csv" ? BirthsFormat::Csv : BirthsFormat::Aaf;
    int leftOut = 0;
    if (file.Format == BirthsFormat::Csv)
        for (const births::Birth& b : file.Book.Births) leftOut += births::CsvCanHold(b) ? 0 : 1;
    val out = val::object();
    out.set("bytes", ByteArray(file.Bytes()));
    out.set("leftOut", leftOut);
    return out;
}

// The whole book as plain values, for the page to keep in the browser, and back: every field, so that
// a book kept and taken up again writes the same bytes. Each field is named once, for both directions.
using births::Birth;
constexpr std::pair<const char*, std::string Birth::*> kBirthTexts[] = {
    {"last", &Birth::LastName},   {"first", &Birth::FirstName}, {"place", &Birth::Place},
    {"country", &Birth::Country}, {"type", &Birth::Type},       {"clockPlace", &Birth::ClockPlace}};
constexpr std::pair<const char*, int Birth::*> kBirthNumbers[] = {{"row", &Birth::ZoneRow}, {"line", &Birth::Line}};
constexpr std::pair<const char*, bool Birth::*> kBirthFlags[] = {{"timeUnknown", &Birth::TimeUnknown},
                                                                 {"modified", &Birth::Modified}};
using BirthNumber = std::int16_t BirthData::*;
using BirthFlag = bool BirthData::*;
constexpr BirthNumber kBirthDataNumbers[] = {&BirthData::Month,
                                             &BirthData::Day,
                                             &BirthData::Year,
                                             &BirthData::Hour,
                                             &BirthData::Minute,
                                             &BirthData::Second,
                                             &BirthData::LongitudeDegrees,
                                             &BirthData::LongitudeMinutes,
                                             &BirthData::LatitudeDegrees,
                                             &BirthData::LatitudeMinutes};
constexpr BirthFlag kBirthDataFlags[] = {&BirthData::IsEast, &BirthData::IsSouth, &BirthData::IsDaylightSaving};

using Json = nlohmann::json;

Json BirthState(const Birth& b) {
    Json data = Json::array();
    for (auto field : kBirthDataNumbers) data.push_back(int(b.Data.*field));
    for (auto field : kBirthDataFlags) data.push_back(b.Data.*field);
    Json out = {{"data", std::move(data)},
                {"name", b.Data.Name},
                {"offset", b.StandardOffset.TotalSecondsWest()},
                {"clock", static_cast<int>(b.Clock)},
                {"lines", b.Lines}};
    for (const auto& [key, field] : kBirthTexts) out[key] = b.*field;
    // An unreadable record's reason is kept in English and comes back as that text (its lines are kept whole).
    out["error"] = l10n::English(b.Error);
    for (const auto& [key, field] : kBirthNumbers) out[key] = b.*field;
    for (const auto& [key, field] : kBirthFlags) out[key] = b.*field;
    Json notes = Json::array();
    for (const births::Note& n : b.Notes) notes.push_back({static_cast<int>(n.Kind), n.First, n.Second});
    out["notes"] = std::move(notes);
    return out;
}

// Kept state is the page's own: a value of the wrong kind is taken as empty rather than stopping the page.
template <class T>
T Field(const Json& object, const char* key, T fallback) {
    const auto found = object.find(key);
    if (found == object.end()) return fallback;
    if constexpr (std::is_same_v<T, bool>)
        return found->is_boolean() ? found->get<bool>() : fallback;
    else if constexpr (std::is_same_v<T, int>)
        return found->is_number_integer() ? found->get<int>() : fallback;
    else
        return found->is_string() ? found->get<std::string>() : fallback;
}
// The array under a key, or an empty one.
const Json& Items(const Json& object, const char* key) {
    static const Json none = Json::array();
    const auto found = object.find(key);
    return found != object.end() && found->is_array() ? *found : none;
}
std::vector<std::string> Texts(const Json& list) {
    std::vector<std::string> out;
    if (list.is_array())
        for (const Json& item : list) out.push_back(item.is_string() ? item.get<std::string>() : std::string());
    return out;
}

Birth BirthOfState(const Json& s) {
    Birth b;
    const Json& data = Items(s, "data");
    std::size_t at = 0;
    const auto next = [&] {
        return at < data.size() && data[at].is_number_integer() ? data[at++].get<int>() : (++at, 0);
    };
    for (auto field : kBirthDataNumbers) b.Data.*field = static_cast<std::int16_t>(next());
    for (auto field : kBirthDataFlags) {
        b.Data.*field = at < data.size() && data[at].is_boolean() && data[at].get<bool>();
        ++at;
    }
    b.Data.Name = Field<std::string>(s, "name", {});
    for (const auto& [key, field] : kBirthTexts) b.*field = Field<std::string>(s, key, {});
    if (std::string error = Field<std::string>(s, "error", {}); !error.empty())
        b.Error = l10n::Verbatim(std::move(error));
    for (const auto& [key, field] : kBirthNumbers) b.*field = Field(s, key, 0);
    for (const auto& [key, field] : kBirthFlags) b.*field = Field(s, key, false);
    b.StandardOffset = ZoneOffset::FromSecondsWest(Field(s, "offset", 0));
    b.Clock = static_cast<births::ClockKind>(Field(s, "clock", 0));
    for (const Json& note : Items(s, "notes"))
        if (note.is_array() && note.size() == 3 && note[0].is_number_integer() && note[1].is_string() &&
            note[2].is_string())
            b.Notes.push_back({static_cast<births::NoteKind>(note[0].get<int>()), note[1].get<std::string>(),
                               note[2].get<std::string>()});
    b.Lines = Texts(Items(s, "lines"));
    return b;
}

// The book as one JSON text: crossing into JavaScript once is what keeps a book of ten thousand births
// quick to keep after every change.
std::string BookState() {
    const BirthsFile& file = PageBook().File();
    Json births = Json::array();
    for (const Birth& b : file.Book.Births) births.push_back(BirthState(b));
    const Json out = {{"name", file.Path},
                      {"format", FormatName(file.Format)},
                      {"preamble", file.Book.Preamble},
                      {"latin1", file.Book.TextEncoding == births::Encoding::Latin1},
                      {"byteOrderMark", file.Book.ByteOrderMark},
                      {"crLf", file.Book.CrLf},
                      {"finalLineEnd", file.Book.FinalLineEnd},
                      {"births", std::move(births)}};
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// False when the text is no kept book (the book is then left as it was).
bool RestoreBook(const std::string& state) {
    const Json s = Json::parse(state, nullptr, false);
    if (!s.is_object()) return false;
    BirthsFile file;
    file.Path = Field<std::string>(s, "name", "Births.aaf");
    file.Format = Field<std::string>(s, "format", "aaf") == "csv" ? BirthsFormat::Csv : BirthsFormat::Aaf;
    file.Book.Preamble = Texts(Items(s, "preamble"));
    file.Book.TextEncoding = Field(s, "latin1", false) ? births::Encoding::Latin1 : births::Encoding::Utf8;
    file.Book.ByteOrderMark = Field(s, "byteOrderMark", false);
    file.Book.CrLf = Field(s, "crLf", false);
    file.Book.FinalLineEnd = Field(s, "finalLineEnd", true);
    for (const Json& birth : Items(s, "births"))
        if (birth.is_object()) file.Book.Births.push_back(BirthOfState(birth));
    PageBook().Adopt(std::move(file));
    return true;
}

// Every birth gone: the page's book is empty again.
void ClearBook() {
    BirthsFile empty;
    empty.Path = "Births.aaf";
    PageBook().Adopt(std::move(empty));
}
// ---- A birth time not known, and the reading as text (Copy Reading).

val SignOrNull(const GalacticSign* sign) {
    return sign ? val(std::string(sign->Name)) : val::null();
}

// What the desktop's form reads: { ok: false, ... } as Read gives it, or the document of the reading, with
// every clock minute of the birth date read when `timeUnknown`.
struct DocumentOutcome {
    std::optional<report::ReadingDocument> Document;
    val Refusal = val::undefined();
};
DocumentOutcome DocumentOf(const val& form, const std::string& language, bool timeUnknown, const val& place) {
    BirthFormValues f = FormOf(form);
    f.TimeUnknown = timeUnknown;
    DocumentOutcome result;
    const bool offsetUnreadable = !f.LocalMeanTime && f.ZoneIndex < 0 && !f.ExactOffset;
    if (offsetUnreadable && ValidateBirthData(TextsOf(f)).Ok) {
        result.Refusal = val::object();
        result.Refusal.set("ok", false);
        result.Refusal.set("offsetUnreadable", true);
        return result;
    }
    const ReadingSession::Outcome outcome = Session().Read(f);
    if (!outcome.Validation.Ok) {
        result.Refusal = val::object();
        result.Refusal.set("ok", false);
        result.Refusal.set("message", Message(language, outcome.Validation.Message));
        result.Refusal.set("focus", std::string(FieldName(outcome.Validation.Focus)));
        return result;
    }
    const BirthData& birth = Session().LastBirthData();
    report::ReadingDocument doc{
        birth, Session().LastZoneIndex(), {}, *outcome.Reading, Session().LastWasLocalMeanTime(), {}, std::nullopt};
    // The clock minutes the form names, the whole day when it names none; the page refuses a window that
    // ends before it begins before it asks.
    MinuteWindow window;
    if (form["windowFrom"].isNumber() && form["windowTo"].isNumber()) {
        window.From = std::clamp(form["windowFrom"].as<int>(), 0, kLastMinuteOfDay);
        window.To = std::clamp(form["windowTo"].as<int>(), window.From, kLastMinuteOfDay);
    }
    if (timeUnknown)
        doc.Window =
            ReadTimeWindow(birth, SteadyClock(Session().LastZone(), birth.IsDaylightSaving), window, f.YearPosition);
    // The birthplace found in the atlas, and what its clock showed when that was not the offset read.
    if (!place.isNull() && !place.isUndefined()) {
        Place town;
        town.City = Str(place, "city");
        town.State = Str(place, "state");
        town.Country = Str(place, "country");
        doc.Place = DescribePlace(town);
        // Unknown, the window is read: its zone is that of its first minute, as the command line takes it.
        const CivilDateTime local{birth.Year, birth.Month, birth.Day, timeUnknown ? window.From / 60 : f.Hour,
                                  timeUnknown ? window.From % 60 : f.Minute};
        const ZoneSuggestion s =
            SuggestZone(PageZones(), Str(place, "timeZone"), local, town.City, place["longitude"].as<double>());
        doc.ClockNote = l10n::Render(language, ClockDisagreement(s, doc.Reading.UtcOffsetSecondsEast, true));
    }
    result.Document = std::move(doc);
    return result;
}

// { ok: true, window: {...} }: the frames in the page's order (Sun, Ascendant, Moon, Descendant), each with
// its sign when it holds all day (else `depends` and the text saying so), its signs with their clock times
// and each sign it may have; and the runs with the fields quorvane-cli --time unknown --json gives.
val ReadTimeUnknown(const val& form, const std::string& language) {
    DocumentOutcome made = DocumentOf(form, language, true, val::undefined());
    if (!made.Document) return made.Refusal;
    const report::ReadingDocument& doc = *made.Document;
    const TimeWindowReading& w = *doc.Window;
    val window = val::object();
    window.set("from", MinuteText(w.Window.From));
    window.set("to", MinuteText(w.Window.To));
    window.set("dependsText", report::DependsText(language));
    // Frame order (Ascendant, Descendant, Moon Sign, Sun Sign) to the page's.
    static constexpr std::size_t kPageOrder[] = {3, 0, 2, 1};
    static constexpr l10n::Frame kCaptions[] = {l10n::Frame::Ascendant, l10n::Frame::Descendant, l10n::Frame::MoonSign,
                                                l10n::Frame::SunSign};
    val frames = val::array();
    for (const std::size_t i : kPageOrder) {
        const GalacticSign* certain = w.CertainSign(static_cast<Frame>(i));
        val frame = SignOf(language, certain, kCaptions[i]);
        frame.set("depends", certain == nullptr);
        val spans = val::array();
        const std::vector<std::string> spanTexts = report::SpanLines(language, doc, i);
        const std::vector<FrameSpan> frameSpans = FrameSpans(w, static_cast<Frame>(i));
        std::vector<const GalacticSign*> seen;
        val possible = val::array();
        for (std::size_t k = 0; k < frameSpans.size(); ++k) {
            val span = val::object();
            span.set("text", spanTexts[k]);
            span.set("from", MinuteText(frameSpans[k].FirstMinute));
            span.set("to", MinuteText(frameSpans[k].LastMinute));
            spans.call<void>("push", span);
            const GalacticSign* sign = frameSpans[k].Sign;
            if (!sign || std::find(seen.begin(), seen.end(), sign) != seen.end()) continue;
            seen.push_back(sign);
            possible.call<void>("push", SignOf(language, sign, kCaptions[i]));
        }
        frame.set("spans", spans);
        frame.set("possible", possible);
        frames.call<void>("push", frame);
    }
    window.set("frames", frames);
    window.set("ascendant", SignOrNull(w.CertainSign(Frame::Ascendant)));
    window.set("descendant", SignOrNull(w.CertainSign(Frame::Descendant)));
    window.set("moonSign", SignOrNull(w.CertainSign(Frame::MoonSign)));
    window.set("sunSign", SignOrNull(w.CertainSign(Frame::SunSign)));
    val changes = val::array();
    for (const TimeRun& run : w.Runs) {
        val change = val::object();
        change.set("from", MinuteText(run.FirstMinute));
        change.set("ascendant", SignOrNull(run.Signs[static_cast<std::size_t>(Frame::Ascendant)]));
        change.set("descendant", SignOrNull(run.Signs[static_cast<std::size_t>(Frame::Descendant)]));
        change.set("moonSign", SignOrNull(run.Signs[static_cast<std::size_t>(Frame::MoonSign)]));
        change.set("sunSign", SignOrNull(run.Signs[static_cast<std::size_t>(Frame::SunSign)]));
        changes.call<void>("push", change);
    }
    window.set("changes", changes);
    val out = val::object();
    out.set("ok", true);
    out.set("window", window);
    return out;
}

// The reading as the desktop's Copy Reading puts it on the clipboard: { ok: true, text, html }.
val ReadingText(const val& form, const std::string& language, bool timeUnknown, const val& place) {
    DocumentOutcome made = DocumentOf(form, language, timeUnknown, place);
    if (!made.Document) return made.Refusal;
    val out = val::object();
    out.set("ok", true);
    out.set("text", report::ReadingPlainText(language, *made.Document));
    out.set("html", report::ReadingHtml(language, *made.Document));
    return out;
}

}  // namespace
}  // namespace quorvane::web

EMSCRIPTEN_BINDINGS(quorvane) {
    using namespace quorvane;
    emscripten::constant("zoneCount", kTimeZoneCount);
    emscripten::constant("defaultZone", kDefaultTimeZoneIndex);
    emscripten::constant("firstYear", kFirstYear);
    emscripten::constant("lastYear", kLastYear);
    emscripten::function("read", &web::Read);
    emscripten::function("filterNameKey", &web::FilterName);
    emscripten::function("filterCoordinateKey", &web::FilterCoordinate);
    emscripten::function("localMeanTime", &web::LocalMeanTime);
    emscripten::function("offsetReadable", &web::OffsetReadable);
    emscripten::function("text", &web::Text);
    emscripten::function("webSearchUrl", &web::SearchUrl);
    emscripten::function("normalizeLanguage", &web::Language);
    emscripten::function("translatedLanguages", &web::Languages);
    emscripten::function("loadAtlas", &web::LoadAtlas);
    emscripten::function("findPlaces", &web::FindPlaces);
    emscripten::function("suggestZone", &web::Suggest);
    emscripten::function("bookInfo", &web::BookInfo);
    emscripten::function("birthsNeedAtlas", &web::BirthsNeedAtlas);
    emscripten::function("openBirths", &web::OpenBirths);
    emscripten::function("bookRows", &web::BookRows);
    emscripten::function("chooseBirth", &web::ChooseBirth);
    emscripten::function("saveBirth", &web::SaveBirth);
    emscripten::function("removeBirth", &web::RemoveBirth);
    emscripten::function("undoBirths", &web::UndoBirths);
    emscripten::function("bookBytes", &web::BookBytes);
    emscripten::function("bookState", &web::BookState);
    emscripten::function("restoreBook", &web::RestoreBook);
    emscripten::function("clearBook", &web::ClearBook);
    // A birth time not known; the reading as text.
    emscripten::function("readTimeUnknown", &web::ReadTimeUnknown);
    emscripten::function("readingText", &web::ReadingText);
}
