// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/birth_line.h"

#include <array>
#include <cctype>
#include <cmath>
#include <charconv>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "births/births_csv.h"
#include "common/text.h"
#include "reading/input_rules.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane::cli {

namespace {

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Digits only, and few enough of them to fit an int.
std::optional<int> Number(std::string_view s, std::size_t maxDigits) {
    if (!AllDigits(s) || s.size() > maxDigits) return std::nullopt;
    int value = 0;
    std::from_chars(s.data(), s.data() + s.size(), value);
    return value;
}

std::string_view Text(const GalacticSign* sign, SignText field) {
    return sign ? sign->*field : std::string_view{};
}

struct Frame {
    std::string_view Caption;
    const GalacticSign* Sign;
};

std::array<Frame, 4> FramesOf(const GalacticReading& r) {
    return {{{FrameCaption(quorvane::Frame::Ascendant), r.AscendantSign},
             {FrameCaption(quorvane::Frame::Descendant), r.DescendantSign},
             {FrameCaption(quorvane::Frame::MoonSign), r.MoonSign},
             {FrameCaption(quorvane::Frame::SunSign), r.SunSign}}};
}

}  // namespace

std::optional<Date> ParseDate(std::string_view text) {
    text = Trim(text);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto y = Number(text.substr(0, 4), 4), m = Number(text.substr(5, 2), 2), d = Number(text.substr(8, 2), 2);
    if (!y || !m || !d || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
    return Date{*y, *m, *d};
}

std::optional<Time> ParseTime(std::string_view text) {
    text = Trim(text);
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(colon + 1);
    std::optional<int> s = 0;
    if (const auto second = rest.find(':'); second != std::string_view::npos) {
        s = Number(rest.substr(second + 1), 2);
        rest = rest.substr(0, second);
    }
    const auto h = Number(text.substr(0, colon), 2), m = Number(rest, 2);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
    return Time{*h, *m, *s};
}

std::optional<Coordinate> ParseCoordinate(std::string_view text, char positive, char negative) {
    text = Trim(text);
    const auto letter = text.find_first_not_of("0123456789");
    if (letter == std::string_view::npos || letter == 0) return std::nullopt;
    const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(text[letter])));
    if (hemisphere != positive && hemisphere != negative) return std::nullopt;
    const std::string_view degrees = text.substr(0, letter), minutes = text.substr(letter + 1);
    // Few digits are enough for any real coordinate; longer runs are malformed, not out of range.
    if (degrees.size() > 3 || !AllDigits(minutes) || minutes.size() > 2) return std::nullopt;
    return Coordinate{std::string(degrees), std::string(minutes), hemisphere == negative};
}

std::optional<bool> ParseFlag(std::string_view text) {
    return births::DaylightFlagOf(text);
}

ReadingOrError ReadForm(const BirthFormValues& form) {
    ReadingSession session;
    ReadingSession::Outcome outcome = session.Read(form);
    if (!outcome.Validation.Ok) return std::string(outcome.Validation.Message.Text);
    return NamedReading{form.Name,          *outcome.Reading,        session.LastZoneIndex(),
                        form.LocalMeanTime, session.LastBirthData(), {},
                        std::nullopt};
}

ReadingOrError ReadBirth(const BirthText& birth) {
    // A typed name is taken as the name field would take it: small letters become capitals and anything
    // but letters and blanks is refused.
    std::string name;
    for (unsigned char c : birth.Name) {
        const KeyVerdict verdict = FilterNameKey(c);
        if (verdict.Code == 0 || c == '\r' || c == '\b') return std::string(msg::OnlyLetters);
        name += static_cast<char>(verdict.Code);
    }
    const auto date = ParseDate(birth.Date);
    if (!date) return std::string("date: expected YYYY-MM-DD");
    if (date->Year < kFirstYear || date->Year > kLastYear)
        return "date: year must be " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear);
    // The one place the time is read: a clock time, or a window of the day when the time is unknown.
    const std::optional<MinuteWindow> window = IsTimeWindow(birth.Time) ? ParseMinuteWindow(birth.Time) : std::nullopt;
    if (IsTimeWindow(birth.Time) && !window)
        return std::string("time: expected HH:MM-HH:MM, the start no later than the end, or unknown");
    const auto time = window ? Time{window->From / 60, window->From % 60, 0} : ParseTime(birth.Time);
    if (!time) return std::string("time: expected HH:MM or HH:MM:SS, 00:00 to 23:59:59");
    const std::optional<births::CsvZone> zone = births::ZoneOf(birth.Zone);
    if (!zone)
        return std::string(
            "zone: expected a row number 0 to 70 (see --zones), an offset such as +05:45 or -00:25:21, or LMT");
    const auto dst = ParseFlag(birth.Dst);
    if (!dst) return std::string("dst: expected 0 or 1");
    const auto lat = ParseCoordinate(birth.Latitude, 'N', 'S');
    if (!lat) return std::string("latitude: expected degrees, N or S, minutes (e.g. 40N42)");
    const auto lon = ParseCoordinate(birth.Longitude, 'E', 'W');
    if (!lon) return std::string("longitude: expected degrees, E or W, minutes (e.g. 74W00)");

    BirthFormValues form;
    form.Name = std::move(name);
    form.LongitudeDegrees = lon->Degrees;
    form.LongitudeMinutes = lon->Minutes;
    form.LatitudeDegrees = lat->Degrees;
    form.LatitudeMinutes = lat->Minutes;
    form.MonthPosition = date->Month - 1;
    form.DayPosition = date->Day - 1;
    form.Year = date->Year;
    form.YearPosition = date->Year - kFirstYear;
    form.Hour = time->Hour;
    form.Minute = time->Minute;
    form.Second = time->Second;
    form.ZoneIndex = zone->Row;
    form.LocalMeanTime = zone->LocalMeanTime;
    form.ExactOffset = zone->Offset;
    form.IsEast = !lon->Negative;
    form.IsSouth = lat->Negative;
    form.IsDaylightSaving = *dst;

    ReadingOrError result = ReadForm(form);
    if (auto* reading = std::get_if<NamedReading>(&result); reading && window) ReadWindow(*reading, *window);
    return result;
}

std::string FormatIsoMinute(const CivilDateTime& t) {
    const auto twoDigits = [](int v) { return v >= 0 && v <= 99; };
    if (t.Year < 0 || t.Year > 9999 || !twoDigits(t.Month) || !twoDigits(t.Day) || !twoDigits(t.Hour) ||
        !twoDigits(t.Minute) || !twoDigits(t.Second)) {
        char buffer[80];  // no instant of a reading, but written all the same
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.Year, t.Month, t.Day, t.Hour, t.Minute,
                      t.Second);
        return buffer;
    }
    // Digit by digit rather than through printf: a batch writes one for each of its readings.
    char text[24] = "0000-00-00T00:00:00Z";
    const auto put = [&text](std::size_t at, int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            text[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    };
    put(0, t.Year, 4);
    put(5, t.Month, 2);
    put(8, t.Day, 2);
    put(11, t.Hour, 2);
    put(14, t.Minute, 2);
    if (t.Second == 0) return std::string(text, 16) + 'Z';
    put(17, t.Second, 2);
    return std::string(text, 20);
}

std::string FormatText(const NamedReading& reading) {
    if (reading.Window) return FormatWindowText(reading);
    const GalacticReading& r = reading.Reading;
    std::string out = "Galactic astrology reading for " + reading.Name + "\n";
    if (reading.ZoneIndex >= 0 && reading.ZoneIndex < kTimeZoneCount) {
        out += "Born " + FormatIsoMinute(r.UniversalTime) + " (Universal Time), zone " +
               std::string(TimeZoneTable()[static_cast<std::size_t>(reading.ZoneIndex)].DisplayString) + "\n";
        out += "UTC offset: " + FormatUtcOffset(r.UtcOffsetSecondsEast) +
               (reading.Birth.IsDaylightSaving ? " (daylight saving)" : "") + "\n";
    } else {
        out += "Born " + FormatIsoMinute(r.UniversalTime) + " (Universal Time), " +
               (reading.LocalMeanTime ? "local mean time of the birthplace, " : "") + "UTC offset " +
               FormatUtcOffset(r.UtcOffsetSecondsEast) + (reading.Birth.IsDaylightSaving ? " (daylight saving)" : "") +
               "\n";
    }
    out += "Sun " + std::to_string(r.Degrees.Sun) + "\xC2\xB0, Moon " + std::to_string(r.Degrees.Moon) +
           "\xC2\xB0, Ascendant " + std::to_string(r.Degrees.Ascendant) + "\xC2\xB0, " +
           std::string(MoonPhaseText(r.Phase)) + "\n";
    for (const Frame& frame : FramesOf(r)) {
        out += "\n" + std::string(frame.Caption) + ": " + std::string(Text(frame.Sign, &GalacticSign::Name)) + "\n";
        out += "  Ruling Planet: " + std::string(Text(frame.Sign, &GalacticSign::RulingPlanet)) + "\n";
        out += "  Constellation: " + std::string(Text(frame.Sign, &GalacticSign::Constellation)) + "\n";
        out += "  Keywords:      " + std::string(Text(frame.Sign, &GalacticSign::Keywords)) + "\n";
        out += "  Characteristics: " + std::string(Text(frame.Sign, &GalacticSign::Description)) + "\n";
    }
    return out;
}

namespace {

// JSON string with the escapes a reader needs; the texts here are the program's own or checked names.
void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendMember(std::string& out, std::string_view key, std::string_view value) {
    out += ",\"";
    out += key;
    out += "\":";
    AppendJsonString(out, value);
}

void AppendMember(std::string& out, std::string_view key, int value) {
    out += ",\"";
    out += key;
    out += "\":";
    out += std::to_string(value);
}

// Four decimals, folded into 0 <= x < 360 after rounding (359.99996 would otherwise print as 360.0000).
void AppendLongitude(std::string& out, std::string_view key, double degrees) {
    double units = std::round(degrees * 10000.0);  // ten-thousandths of a degree
    if (units >= 3600000.0) units -= 3600000.0;
    if (!(units >= 0.0)) units = 0.0;
    out += ",\"";
    out += key;
    out += "\":";
    if (units >= 1e15) {  // no longitude, but written all the same
        char text[32];
        const auto written = std::to_chars(text, text + sizeof text, units / 10000.0, std::chars_format::fixed, 4);
        out.append(text, written.ptr);
        return;
    }
    // The digits of the whole ten-thousandths, as "%.4f" would write them, without formatting a double.
    auto whole = static_cast<long long>(units);
    char text[24];
    char* at = text + sizeof text;
    for (int digit = 0; digit < 4; ++digit, whole /= 10) *--at = static_cast<char>('0' + whole % 10);
    *--at = '.';
    do *--at = static_cast<char>('0' + whole % 10);
    while ((whole /= 10) > 0);
    out.append(at, text + sizeof text);
}

}  // namespace

// Written directly rather than through a JSON document: a batch writes hundreds of thousands of these.
std::string FormatJson(const NamedReading& reading, bool withFrames) {
    if (reading.Window) return FormatWindowJson(reading);
    const GalacticReading& r = reading.Reading;
    std::string out = "{\"name\":";
    out.reserve(320);
    AppendJsonString(out, reading.Name);
    AppendMember(out, "universalTime", FormatIsoMinute(r.UniversalTime));
    AppendMember(out, "utcOffset", FormatUtcOffset(r.UtcOffsetSecondsEast));
    AppendMember(out, "sunDegree", r.Degrees.Sun);
    AppendMember(out, "moonDegree", r.Degrees.Moon);
    AppendMember(out, "ascendantDegree", r.Degrees.Ascendant);
    AppendLongitude(out, "sunLongitude", r.SunLongitude);
    AppendLongitude(out, "moonLongitude", r.MoonLongitude);
    AppendLongitude(out, "ascendantLongitude", r.AscendantLongitude);
    AppendMember(out, "moonPhase", MoonPhaseText(r.Phase));
    AppendMember(out, "ascendant", Text(r.AscendantSign, &GalacticSign::Name));
    AppendMember(out, "descendant", Text(r.DescendantSign, &GalacticSign::Name));
    AppendMember(out, "moonSign", Text(r.MoonSign, &GalacticSign::Name));
    AppendMember(out, "sunSign", Text(r.SunSign, &GalacticSign::Name));
    if (!reading.Note.empty()) AppendMember(out, "note", reading.Note);
    if (withFrames) {
        nlohmann::ordered_json frames = nlohmann::ordered_json::array();
        for (const Frame& frame : FramesOf(r)) {
            frames.push_back({{"frame", frame.Caption},
                              {"sign", Text(frame.Sign, &GalacticSign::Name)},
                              {"rulingPlanet", Text(frame.Sign, &GalacticSign::RulingPlanet)},
                              {"constellation", Text(frame.Sign, &GalacticSign::Constellation)},
                              {"keywords", Text(frame.Sign, &GalacticSign::Keywords)},
                              {"description", Text(frame.Sign, &GalacticSign::Description)}});
        }
        out += ",\"frames\":";
        out += frames.dump();
    }
    out += '}';
    return out;
}

bool IsTimeWindow(std::string_view text) {
    text = Trim(text);
    const bool unknown = text.size() == 7 && std::equal(text.begin(), text.end(), "unknown", [](char a, char b) {
                             return std::tolower(static_cast<unsigned char>(a)) == b;
                         });
    return unknown || text.find('-') != std::string_view::npos || text.find("\xE2\x80\x93") != std::string_view::npos;
}

void ReadWindow(NamedReading& reading, MinuteWindow window, std::span<const ClockStretch> clock) {
    const int secondsEast = reading.Reading.UtcOffsetSecondsEast;
    // The reading's own zone as it took it: the offset and the daylight-saving hour apart, as a row reads them.
    const ZoneOffset zone = ZoneOffset::FromSecondsWest(-secondsEast + (reading.Birth.IsDaylightSaving ? 3600 : 0));
    const std::vector<ClockStretch> steady = SteadyClock(zone, reading.Birth.IsDaylightSaving);
    reading.Window = ReadTimeWindow(reading.Birth, clock.empty() ? std::span<const ClockStretch>(steady) : clock,
                                    window, reading.Birth.Year - kFirstYear);
}

namespace {

constexpr std::string_view kEnDash = "\xE2\x80\x93";

std::string_view FrameKey(int frame) {
    static constexpr std::array<std::string_view, kFrameCount> keys{"ascendant", "descendant", "moonSign", "sunSign"};
    return keys[static_cast<std::size_t>(frame)];
}

// A clock time of the window; in an hour that came twice, which time it was.
std::string ClockText(int minute, ClockFold fold) {
    return MinuteText(minute) + (fold == ClockFold::First ? " (first)" : fold == ClockFold::Second ? " (second)" : "");
}

std::string DateText(const BirthData& b) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", b.Year, b.Month, b.Day);
    return text;
}

// One frame's signs over the window with their clock times: "Build 00:00–01:46, Trade 01:47–03:09".
std::string FrameChanges(const TimeWindowReading& w, quorvane::Frame frame) {
    std::string out;
    for (const FrameSpan& span : FrameSpans(w, frame)) {
        if (!out.empty()) out += ", ";
        out += std::string(Text(span.Sign, &GalacticSign::Name)) + " " + ClockText(span.FirstMinute, span.FirstFold) +
               std::string(kEnDash) + ClockText(span.LastMinute, span.LastFold);
    }
    return out;
}

}  // namespace

std::string FormatWindowText(const NamedReading& reading) {
    const TimeWindowReading& w = *reading.Window;
    const GalacticReading& r = reading.Reading;
    const bool wholeDay = w.Window.From == 0 && w.Window.To == kLastMinuteOfDay;
    std::string out = "Galactic astrology reading for " + reading.Name + "\n";
    out += "Born " + DateText(reading.Birth) +
           (wholeDay ? ", time unknown: every clock minute read, 00:00" : ", between ") +
           (wholeDay ? std::string(kEnDash) + "23:59" : MinuteText(w.Window.From) + " and " + MinuteText(w.Window.To)) +
           "\n";
    if (reading.ZoneIndex >= 0 && reading.ZoneIndex < kTimeZoneCount)
        out += "Zone " + std::string(TimeZoneTable()[static_cast<std::size_t>(reading.ZoneIndex)].DisplayString) +
               ", UTC offset " + FormatUtcOffset(r.UtcOffsetSecondsEast) +
               (reading.Birth.IsDaylightSaving ? " (daylight saving)" : "") + "\n";
    else
        out += std::string(reading.LocalMeanTime ? "Local mean time of the birthplace, " : "") + "UTC offset " +
               FormatUtcOffset(r.UtcOffsetSecondsEast) + (reading.Birth.IsDaylightSaving ? " (daylight saving)" : "") +
               "\n";
    out += std::string(MoonPhaseText(w.Phase)) + "\n";
    for (const MinuteRange& gap : w.Skipped)
        out += "Note: there was no " + MinuteText(gap.First) + std::string(kEnDash) + MinuteText(gap.Last) +
               " that day (clocks went forward); those minutes are left out\n";
    if (w.Repeated)
        out +=
            "Note: clocks went back and an hour came twice; it is read twice, its times marked (first) and (second)\n";
    static constexpr std::array<quorvane::Frame, kFrameCount> kOrder{
        quorvane::Frame::Ascendant, quorvane::Frame::Descendant, quorvane::Frame::MoonSign, quorvane::Frame::SunSign};
    for (const quorvane::Frame frame : kOrder) {
        const GalacticSign* sign = w.CertainSign(frame);
        if (!sign) continue;
        out += "\n" + std::string(FrameCaption(frame)) + ": " + std::string(sign->Name) + "\n";
        out += "  Ruling Planet: " + std::string(sign->RulingPlanet) + "\n";
        out += "  Constellation: " + std::string(sign->Constellation) + "\n";
        out += "  Keywords:      " + std::string(sign->Keywords) + "\n";
        out += "  Characteristics: " + std::string(sign->Description) + "\n";
    }
    bool heading = false;
    for (const quorvane::Frame frame : kOrder) {
        if (w.CertainSign(frame)) continue;
        if (!heading) out += "\nDepends on the birth time:\n";
        heading = true;
        out += std::string(FrameCaption(frame)) + ": " + FrameChanges(w, frame) + "\n";
    }
    return out;
}

std::string FormatWindowJson(const NamedReading& reading) {
    const TimeWindowReading& w = *reading.Window;
    const auto sign = [](const GalacticSign* s) {
        return s ? nlohmann::ordered_json(s->Name) : nlohmann::ordered_json();
    };
    nlohmann::ordered_json j;
    j["name"] = reading.Name;
    j["date"] = DateText(reading.Birth);
    j["from"] = MinuteText(w.Window.From);
    j["to"] = MinuteText(w.Window.To);
    j["timeUnknown"] = true;
    for (int f = 0; f < kFrameCount; ++f)
        j[std::string(FrameKey(f))] = sign(w.CertainSign(static_cast<quorvane::Frame>(f)));
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    for (const TimeRun& run : w.Runs) {
        nlohmann::ordered_json c;
        c["from"] = MinuteText(run.FirstMinute);
        for (int f = 0; f < kFrameCount; ++f)
            c[std::string(FrameKey(f))] = sign(run.Signs[static_cast<std::size_t>(f)]);
        if (run.Fold != ClockFold::None) c["fold"] = run.Fold == ClockFold::First ? "first" : "second";
        changes.push_back(std::move(c));
    }
    j["changes"] = std::move(changes);
    if (!w.Skipped.empty()) {
        nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
        for (const MinuteRange& gap : w.Skipped)
            skipped.push_back({{"from", MinuteText(gap.First)}, {"to", MinuteText(gap.Last)}});
        j["skipped"] = std::move(skipped);
    }
    if (!reading.Note.empty()) j["note"] = reading.Note;
    return j.dump();
}

std::string FormatJsonError(long line, std::string_view message) {
    nlohmann::ordered_json j;
    j["line"] = line;
    j["error"] = message;
    // A refusal may quote the line's own bytes, which need not be UTF-8: those become U+FFFD, never a throw.
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace quorvane::cli
