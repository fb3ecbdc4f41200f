// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the browser page calls it. Every rule, text and number comes from the core; this file only
// moves values between JavaScript objects and the core's types.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/coordinates.h"
#include "atlas/fold_unicode.h"
#include "atlas/zone_suggestion.h"
#include "l10n/core_texts.h"
#include "reading/input_rules.h"
#include "reading/reading_driver.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
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
    const bool offsetUnreadable = !f.LocalMeanTime && f.ZoneIndex < 0 && !f.ExactOffset;
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
            const std::string& language) {
    const CivilDateTime local{Int(clock, "year", 0), Int(clock, "month", 1), Int(clock, "day", 1),
                              Int(clock, "hour", 0), Int(clock, "minute", 0)};
    const ZoneSuggestion s = SuggestZone(PageZones(), zoneId, local, placeName, longitudeEast);
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
    out.set("repeated", s.Repeated);
    out.set("skipped", s.Skipped);
    out.set("secondsEast", SuggestedSecondsEast(s));
    out.set("clockOffset", FormatUtcOffset(SuggestedSecondsEast(s)));
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
    emscripten::function("normalizeLanguage", &web::Language);
    emscripten::function("translatedLanguages", &web::Languages);
    emscripten::function("loadAtlas", &web::LoadAtlas);
    emscripten::function("findPlaces", &web::FindPlaces);
    emscripten::function("suggestZone", &web::Suggest);
}
