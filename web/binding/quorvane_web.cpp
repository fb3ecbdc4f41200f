// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core as the browser page calls it. Every rule, text and number comes from the core; this file only
// moves values between JavaScript objects and the core's types.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "l10n/core_texts.h"
#include "reading/input_rules.h"
#include "reading/reading_driver.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "report/wheel_geometry.h"

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
}
