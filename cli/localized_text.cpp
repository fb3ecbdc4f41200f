// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/localized_text.h"

#include <array>
#include <cstdio>

#include "l10n/core_texts.h"
#include "report/reading_text.h"
#include "reading/utc_offset.h"

namespace quorvane::cli {

namespace {

using l10n::CoreText;

// "Heading: value" as the language writes it (French puts a space before the colon).
std::string Labelled(std::string_view language, std::string_view heading, std::string_view value) {
    return l10n::Fill(CoreText(language, "format.Labelled"), {{"label", heading}, {"value", value}});
}

std::string ValueLine(std::string_view language, std::string_view labelKey, std::string_view value) {
    // Collect and Heal have no ruling planet: a dash rather than nothing after the colon.
    return "  " + Labelled(language, CoreText(language, labelKey), value.empty() ? "\u2014" : value) + "\n";
}

// A sign's four texts under its frame's caption, as a single reading writes them.
std::string FrameText(std::string_view language, l10n::Frame frame, const GalacticSign* english) {
    const GalacticSign blank{};
    const GalacticSign& sign = english ? l10n::LocalizedSign(language, *english) : blank;
    std::string out = "\n" + Labelled(language, l10n::FrameCaption(language, frame), sign.Name) + "\n";
    out += ValueLine(language, "label.RulingPlanet", sign.RulingPlanet);
    out += ValueLine(language, "label.Constellation", sign.Constellation);
    out += ValueLine(language, "label.Keywords", sign.Keywords);
    out += ValueLine(language, "label.Characteristics", sign.Description);
    return out;
}

constexpr std::array<l10n::Frame, 4> kFrameOrder{l10n::Frame::Ascendant, l10n::Frame::Descendant, l10n::Frame::MoonSign,
                                                 l10n::Frame::SunSign};

// The reading of every clock minute of a window, laid out as the English one: the window, the zone and the
// offset of its first minute, the Moon's phase, the notes on clock changes, the frames whose sign holds
// over it all in full, then each other frame with its signs and their clock times.
std::string FormatWindowText(const NamedReading& reading, std::string_view language) {
    const TimeWindowReading& w = *reading.Window;
    const GalacticReading& r = reading.Reading;
    const report::ReadingDocument doc{reading.Birth, reading.ZoneIndex, {}, r, reading.LocalMeanTime, {}, w};
    const auto time = [&](int minute) { return report::TimeText(language, minute / 60, minute % 60); };
    const auto word = [&](std::string_view key) { return std::string(CoreText(language, key)); };
    std::string out = l10n::Fill(CoreText(language, "text.Title"), {{"name", reading.Name}}) + "\n";
    out += l10n::Fill(CoreText(language, "report.BornTimeUnknown"),
                      {{"date", l10n::LongDate(language, reading.Birth.Year, reading.Birth.Month, reading.Birth.Day)},
                       {"from", time(w.Window.From)},
                       {"to", time(w.Window.To)}}) +
           "\n";
    const std::string zone = reading.ZoneIndex >= 0
                                 ? std::string(l10n::ZoneRowText(language, reading.ZoneIndex))
                                 : ExactZoneText(language, r.UtcOffsetSecondsEast, reading.LocalMeanTime);
    out += l10n::Fill(CoreText(language, reading.Birth.IsDaylightSaving ? "text.ZoneDst" : "text.Zone"),
                      {{"zone", zone}}) +
           "\n";
    out += l10n::Fill(CoreText(language, reading.Birth.IsDaylightSaving ? "text.UtcOffsetDst" : "text.UtcOffset"),
                      {{"offset", FormatUtcOffset(r.UtcOffsetSecondsEast)}}) +
           "\n";
    out += std::string(l10n::MoonPhaseText(language, w.Phase)) + "\n";
    for (const MinuteRange& gap : w.Skipped)
        out += l10n::Fill(CoreText(language, "report.ClocksWentForward"),
                          {{"from", time(gap.First)}, {"to", time(gap.Last)}}) +
               "\n";
    if (w.Repeated)
        out += l10n::Fill(CoreText(language, "text.HourRepeated"),
                          {{"first", word("report.FirstPass")}, {"second", word("report.SecondPass")}}) +
               "\n";
    for (const l10n::Frame frame : kFrameOrder)
        if (const GalacticSign* sign = w.CertainSign(static_cast<quorvane::Frame>(frame)))
            out += FrameText(language, frame, sign);
    for (const l10n::Frame frame : kFrameOrder) {
        if (w.CertainSign(static_cast<quorvane::Frame>(frame))) continue;
        out += "\n" + Labelled(language, l10n::FrameCaption(language, frame), report::DependsText(language)) + "\n";
        std::string spans;
        for (const std::string& span : report::SpanLines(language, doc, static_cast<std::size_t>(frame)))
            spans += (spans.empty() ? "" : ", ") + span;
        out += "  " + spans + "\n";
    }
    return out;
}

}  // namespace

std::string FormatText(const NamedReading& reading, std::string_view language) {
    if (!l10n::IsTranslated(language)) return FormatText(reading);
    if (reading.Window) return FormatWindowText(reading, language);
    const GalacticReading& r = reading.Reading;
    const CivilDateTime& t = r.UniversalTime;
    char time[16];
    if (t.Second != 0)
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
    else
        std::snprintf(time, sizeof time, "%02d:%02d", t.Hour, t.Minute);
    // An exact offset or local mean time has no row's name: the offset stands for it.
    const std::string zone = reading.ZoneIndex >= 0
                                 ? std::string(l10n::ZoneRowText(language, reading.ZoneIndex))
                                 : ExactZoneText(language, r.UtcOffsetSecondsEast, reading.LocalMeanTime);
    const std::string date = l10n::LongDate(language, t.Year, t.Month, t.Day);
    const std::string sun = std::to_string(r.Degrees.Sun), moon = std::to_string(r.Degrees.Moon),
                      ascendant = std::to_string(r.Degrees.Ascendant);

    std::string out = l10n::Fill(CoreText(language, "text.Title"), {{"name", reading.Name}}) + "\n";
    out += l10n::Fill(CoreText(language, "text.Born"), {{"date", date}, {"time", time}, {"zone", zone}}) + "\n";
    // The offset in force: always under a row's name, and with an exact offset when daylight saving moved it.
    if (reading.ZoneIndex >= 0 || reading.Birth.IsDaylightSaving)
        out += l10n::Fill(CoreText(language, reading.Birth.IsDaylightSaving ? "text.UtcOffsetDst" : "text.UtcOffset"),
                          {{"offset", FormatUtcOffset(r.UtcOffsetSecondsEast)}}) +
               "\n";
    out += l10n::Fill(CoreText(language, "text.Degrees"), {{"sun", sun},
                                                           {"moon", moon},
                                                           {"ascendant", ascendant},
                                                           {"phase", l10n::MoonPhaseText(language, r.Phase)}}) +
           "\n";
    const std::array<std::pair<l10n::Frame, const GalacticSign*>, 4> frames{
        {{l10n::Frame::Ascendant, r.AscendantSign},
         {l10n::Frame::Descendant, r.DescendantSign},
         {l10n::Frame::MoonSign, r.MoonSign},
         {l10n::Frame::SunSign, r.SunSign}}};
    for (const auto& [frame, english] : frames) out += FrameText(language, frame, english);
    return out;
}

std::string PlaceLine(std::string_view language, std::string_view place) {
    return l10n::Fill(CoreText(language, "text.Place"), {{"place", place}});
}

std::string ZoneLine(std::string_view language, int row, bool daylightSaving, const std::string* note) {
    std::string out = l10n::Fill(CoreText(language, daylightSaving ? "text.ZoneDst" : "text.Zone"),
                                 {{"zone", l10n::ZoneRowText(language, row)}});
    out += ' ';
    out += note ? l10n::Fill(CoreText(language, "text.From"), {{"note", *note}})
                : std::string(CoreText(language, "text.AsGiven"));
    return out;
}

std::string ExactZoneText(std::string_view language, int secondsEast, bool localMeanTime) {
    const std::string offset = FormatUtcOffset(secondsEast);
    return localMeanTime ? l10n::Fill(CoreText(language, "text.LocalMeanTime"), {{"offset", offset}}) : "UTC" + offset;
}

std::string ClockWarningLine(std::string_view language, const l10n::Sentence& disagreement) {
    return l10n::Fill(CoreText(language, "text.ClockWarning"), {{"warning", l10n::Render(language, disagreement)}});
}

bool KnownLanguage(std::string_view code) {
    return l10n::NormalizeLanguage(code) == "en" || l10n::IsTranslated(code);
}

}  // namespace quorvane::cli
