// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reading_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "l10n/core_texts.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane::report {

namespace {

using l10n::Fill;

std::string Word(std::string_view language, std::string_view key) {
    return std::string(l10n::CoreText(language, std::string("report.").append(key)));
}

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) out += separator;
        out += parts[i];
    }
    return out;
}

std::string Replaced(std::string text, std::string_view what, std::string_view with) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// Without the white space around it (a no-break space counts).
std::string Trimmed(std::string_view text) {
    const auto spaceAt = [&](std::size_t i, bool fromEnd) -> std::size_t {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
        if (!fromEnd && c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) return 2;
        if (fromEnd && c == 0xA0 && i > 0 && static_cast<unsigned char>(text[i - 1]) == 0xC2) return 2;
        return 0;
    };
    while (!text.empty())
        if (const std::size_t n = spaceAt(0, false))
            text.remove_prefix(n);
        else
            break;
    while (!text.empty())
        if (const std::size_t n = spaceAt(text.size() - 1, true))
            text.remove_suffix(n);
        else
            break;
    return std::string(text);
}

struct FrameOf {
    l10n::Frame Frame;
    const GalacticSign* Sign;
};

// The frames as the document has them: with an unknown birth time, a sign only where it holds all window long.
std::array<FrameOf, kFrameCount> Frames(const ReadingDocument& d) {
    const GalacticReading& r = d.Reading;
    std::array<FrameOf, kFrameCount> frames{{{l10n::Frame::Ascendant, r.AscendantSign},
                                             {l10n::Frame::Descendant, r.DescendantSign},
                                             {l10n::Frame::MoonSign, r.MoonSign},
                                             {l10n::Frame::SunSign, r.SunSign}}};
    if (d.Window)
        for (std::size_t i = 0; i < frames.size(); ++i) frames[i].Sign = d.Window->CertainSign(static_cast<Frame>(i));
    return frames;
}

std::string Caption(std::string_view language, const FrameOf& f) {
    return std::string(l10n::FrameCaption(language, f.Frame));
}

std::string Field(std::string_view language, const GalacticSign* s, SignText field) {
    return s ? std::string(l10n::LocalizedSign(language, *s).*field) : std::string();
}

std::string ClockText(std::string_view language, int minute, ClockFold fold) {
    std::string text = TimeText(language, minute / 60, minute % 60);
    if (fold == ClockFold::First) text += ' ' + Word(language, "FirstPass");
    if (fold == ClockFold::Second) text += ' ' + Word(language, "SecondPass");
    return text;
}

std::string ZoneLine(std::string_view language, const ReadingDocument& d) {
    if (d.ZoneIndex >= 0 && static_cast<std::size_t>(d.ZoneIndex) < TimeZoneTable().size())
        return Fill(Word(language, "Zone"), {{"zone", l10n::ZoneRowText(language, d.ZoneIndex)}});
    return Word(language, d.LocalMeanTime ? "ZoneLocalMeanTime" : "ZoneExactOffset");
}

std::string UniversalLine(std::string_view language, const ReadingDocument& d) {
    const CivilDateTime& u = d.Reading.UniversalTime;
    std::string universal =
        l10n::IsTranslated(language)
            ? DateText(language, u.Year, u.Month, u.Day) + ' ' + TimeText(language, u.Hour, u.Minute)
            : std::to_string(u.Year) + '-' + TwoDigits(u.Month) + '-' + TwoDigits(u.Day) + ' ' + TwoDigits(u.Hour) +
                  ':' + TwoDigits(u.Minute);
    if (u.Second != 0) universal += ':' + TwoDigits(u.Second);
    return Fill(Word(language, "UniversalTime"), {{"time", universal}});
}

std::string OffsetLine(std::string_view language, const ReadingDocument& d) {
    return Fill(Word(language, "UtcOffset"), {{"offset", FormatUtcOffset(d.Reading.UtcOffsetSecondsEast)}});
}

std::string NoteLine(std::string_view language, std::string_view note) {
    return Fill(Word(language, "Note"), {{"note", note}});
}

}  // namespace

std::string ReadingTitle(std::string_view language) {
    return Word(language, "Title");
}

std::string CaptionWithSign(std::string_view language, std::string_view caption, std::string_view sign) {
    return Fill(Word(language, "CaptionWithSign"), {{"caption", caption}, {"sign", sign}});
}

std::string ValueLine(std::string_view language, std::string_view key, std::string_view value) {
    return Fill(Word(language, key), {{"value", value}});
}

std::string CharacteristicsHeading(std::string_view language) {
    return Word(language, "CharacteristicsHeading");
}

std::string DateText(std::string_view language, int year, int month, int day) {
    if (!l10n::IsTranslated(language)) {
        char text[24];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        return text;
    }
    return l10n::LongDate(language, year, month, day);
}

std::string TimeText(std::string_view language, int hour, int minute) {
    if (!l10n::IsTranslated(language)) return TwoDigits(hour) + ':' + TwoDigits(minute);
    // The language's pattern: "HH" the hour of two digits, "H" without a leading zero, "mm" the minute.
    const std::string_view pattern = l10n::CoreText(language, "format.ClockTime");
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 2) == "HH") {
            out += TwoDigits(hour);
            ++i;
        } else if (pattern[i] == 'H') {
            out += std::to_string(hour);
        } else if (pattern.substr(i, 2) == "mm") {
            out += TwoDigits(minute);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::vector<std::string> BirthDetailLines(std::string_view language, const ReadingDocument& d) {
    const BirthData& b = d.Birth;
    std::vector<std::string> out;
    std::string clock = TimeText(language, b.Hour, b.Minute);
    if (b.Second != 0) clock += ':' + TwoDigits(b.Second);  // as Universal Time's
    const std::string date = DateText(language, b.Year, b.Month, b.Day);
    if (d.Window) {
        const MinuteWindow& w = d.Window->Window;
        out.push_back(Fill(Word(language, "BornTimeUnknown"), {{"date", date},
                                                               {"from", TimeText(language, w.From / 60, w.From % 60)},
                                                               {"to", TimeText(language, w.To / 60, w.To % 60)}}));
    } else {
        out.push_back(Fill(Word(language, "Born"), {{"date", date}, {"time", clock}}));
    }
    out.push_back(ZoneLine(language, d));
    out.push_back(
        Fill(Word(language, "DaylightSaving"), {{"answer", Word(language, b.IsDaylightSaving ? "Yes" : "No")}}));
    // Each minute has its own instant: no one Universal Time.
    if (!d.Window) out.push_back(UniversalLine(language, d));
    out.push_back(OffsetLine(language, d));
    if (d.Window)
        for (const MinuteRange& gap : d.Window->Skipped)
            out.push_back(
                Fill(Word(language, "ClocksWentForward"), {{"from", TimeText(language, gap.First / 60, gap.First % 60)},
                                                           {"to", TimeText(language, gap.Last / 60, gap.Last % 60)}}));
    out.push_back(Fill(Word(language, "Coordinates"), {{"latitudeDegrees", std::to_string(b.LatitudeDegrees)},
                                                       {"latitudeMinutes", TwoDigits(b.LatitudeMinutes)},
                                                       {"northSouth", Word(language, b.IsSouth ? "South" : "North")},
                                                       {"longitudeDegrees", std::to_string(b.LongitudeDegrees)},
                                                       {"longitudeMinutes", TwoDigits(b.LongitudeMinutes)},
                                                       {"eastWest", Word(language, b.IsEast ? "East" : "West")}}));
    if (!d.Place.empty()) out.push_back(Fill(Word(language, "Place"), {{"place", d.Place}}));
    if (!d.ClockNote.empty()) out.push_back(NoteLine(language, d.ClockNote));
    return out;
}

std::vector<std::string> InstantLines(std::string_view language, const ReadingDocument& d, bool withZone) {
    std::vector<std::string> out;
    if (withZone) out.push_back(ZoneLine(language, d));
    if (!d.Window) out.push_back(UniversalLine(language, d));
    out.push_back(OffsetLine(language, d));
    if (!d.ClockNote.empty()) out.push_back(NoteLine(language, d.ClockNote));
    return out;
}

bool DependsOnTime(const ReadingDocument& d, std::size_t frame) {
    return d.Window && !d.Window->CertainSign(static_cast<Frame>(frame));
}

std::string DependsText(std::string_view language) {
    return Word(language, "DependsOnTime");
}

// "Explore 06:00–07:01", "Nurture 07:02–11:06"
std::vector<std::string> SpanLines(std::string_view language, const ReadingDocument& d, std::size_t frame) {
    std::vector<std::string> out;
    if (!d.Window) return out;
    for (const FrameSpan& span : FrameSpans(*d.Window, static_cast<Frame>(frame)))
        out.push_back(Field(language, span.Sign, &GalacticSign::Name) + ' ' +
                      ClockText(language, span.FirstMinute, span.FirstFold) + "\u2013" +
                      ClockText(language, span.LastMinute, span.LastFold));
    return out;
}

// Each sign a changing frame may have, once, with its keywords.
std::vector<std::string> PossibleSigns(std::string_view language, const ReadingDocument& d, std::size_t frame) {
    std::vector<std::string> out;
    if (!d.Window) return out;
    std::vector<const GalacticSign*> seen;
    for (const FrameSpan& span : FrameSpans(*d.Window, static_cast<Frame>(frame))) {
        if (!span.Sign || std::find(seen.begin(), seen.end(), span.Sign) != seen.end()) continue;
        seen.push_back(span.Sign);
        out.push_back(CaptionWithSign(language, Field(language, span.Sign, &GalacticSign::Name),
                                      Field(language, span.Sign, &GalacticSign::Keywords)));
    }
    return out;
}

std::string ReadingPlainText(std::string_view language, const ReadingDocument& doc) {
    std::string out = ReadingTitle(language) + '\n' + doc.Birth.Name + '\n';
    for (const std::string& line : BirthDetailLines(language, doc)) out += line + '\n';
    const auto frames = Frames(doc);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const FrameOf& f = frames[i];
        if (DependsOnTime(doc, i)) {
            out += '\n' + CaptionWithSign(language, Caption(language, f), DependsText(language)) + '\n';
            out += Joined(SpanLines(language, doc, i), ", ") + '\n';
            for (const std::string& sign : PossibleSigns(language, doc, i)) out += sign + '\n';
            continue;
        }
        out +=
            '\n' + CaptionWithSign(language, Caption(language, f), Field(language, f.Sign, &GalacticSign::Name)) + '\n';
        out += ValueLine(language, "RulingPlanet", Field(language, f.Sign, &GalacticSign::RulingPlanet)) + '\n';
        out += ValueLine(language, "Constellation", Field(language, f.Sign, &GalacticSign::Constellation)) + '\n';
        out += ValueLine(language, "Keywords", Field(language, f.Sign, &GalacticSign::Keywords)) + '\n';
        out +=
            ValueLine(language, "Characteristics", Trimmed(Field(language, f.Sign, &GalacticSign::Description))) + '\n';
    }
    return out;
}

std::string ReadingHtml(std::string_view language, const ReadingDocument& doc) {
    std::string out =
        "<h1>" + HtmlEscaped(ReadingTitle(language)) + "</h1><h2>" + HtmlEscaped(doc.Birth.Name) + "</h2><p>";
    out += Replaced(HtmlEscaped(Joined(BirthDetailLines(language, doc), "<br>")), "&lt;br&gt;", "<br>");
    out += "</p>";
    const auto frames = Frames(doc);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const FrameOf& f = frames[i];
        if (DependsOnTime(doc, i)) {
            out += "<h3>" + HtmlEscaped(CaptionWithSign(language, Caption(language, f), DependsText(language))) +
                   "</h3><p>" + HtmlEscaped(Joined(SpanLines(language, doc, i), ", ")) + "</p><p>" +
                   Replaced(HtmlEscaped(Joined(PossibleSigns(language, doc, i), "\n")), "\n", "<br>") + "</p>";
            continue;
        }
        const auto escaped = [&](SignText field) { return HtmlEscaped(Field(language, f.Sign, field)); };
        out += "<h3>" + CaptionWithSign(language, Caption(language, f), escaped(&GalacticSign::Name)) + "</h3><p>" +
               ValueLine(language, "RulingPlanet", escaped(&GalacticSign::RulingPlanet)) + "<br>" +
               ValueLine(language, "Constellation", escaped(&GalacticSign::Constellation)) + "<br>" +
               ValueLine(language, "Keywords", escaped(&GalacticSign::Keywords)) + "</p><p><b>" +
               HtmlEscaped(CharacteristicsHeading(language)) + "</b><br>" +
               HtmlEscaped(Trimmed(Field(language, f.Sign, &GalacticSign::Description))) + "</p>";
    }
    return out;
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace quorvane::report
