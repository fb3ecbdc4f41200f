// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reading written out as text, in the reader's language, without Qt: the birth details, the four frames
// and, for a birth time not known, the signs with their clock times. The copied reading (plain text and
// HTML), the report's pages and the browser edition all take their words from here. Every string is UTF-8;
// the words come from the core's text catalogue ("report.*" keys, l10n/core/<language>.json).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/birth_data.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"

namespace quorvane::report {

// A reading with the birth details it came from.
struct ReadingDocument {
    BirthData Birth;
    int ZoneIndex = -1;  // row of the zone table, -1 for an exact offset or local mean time
    std::string Place;   // the birthplace when it came from the atlas, else empty
    GalacticReading Reading;
    bool LocalMeanTime = false;  // the offset is the birthplace's local mean time
    // When the atlas knows the place and its clock then showed another offset: that, in a plain sentence.
    std::string ClockNote;
    // The birth time is unknown: every minute of this window read. Only the signs that hold over it all are
    // shown as signs; `Reading` is its first minute's and gives the zone.
    std::optional<TimeWindowReading> Window;
};

// `language` is a core language code ("en", "de", "pt_BR" ...); English is the written English report.

// The report's heading, "Galactic Astrology Reading".
std::string ReadingTitle(std::string_view language);
// A frame's caption and its sign's name: "Galactic Ascendant: Build".
std::string CaptionWithSign(std::string_view language, std::string_view caption, std::string_view sign);
// One of a sign's values with its heading: "Ruling planet: Venus" (key "RulingPlanet", "Constellation",
// "Keywords" or "Characteristics"), and the heading of the characteristics alone.
std::string ValueLine(std::string_view language, std::string_view key, std::string_view value);
std::string CharacteristicsHeading(std::string_view language);

// A date as the report writes it: the ISO form under English, the language's long date otherwise; a clock
// time of day likewise ("07:30", Spanish "7:30").
std::string DateText(std::string_view language, int year, int month, int day);
std::string TimeText(std::string_view language, int hour, int minute);

// The lines of birth details shown on page 1 and in copied text: "Born: ...", "Time zone: ...".
std::vector<std::string> BirthDetailLines(std::string_view language, const ReadingDocument& doc);
// Of those, the lines that say which instant the reading is for: the zone (when asked), the Universal Time
// and the offset used, and any note on the birthplace's clock.
std::vector<std::string> InstantLines(std::string_view language, const ReadingDocument& doc, bool withZone);

// With an unknown birth time: whether a frame's sign changes over the window (frame order Ascendant,
// Descendant, Moon Sign, Sun Sign), "depends on the birth time", the frame's signs with their clock times
// ("Explore 06:00–07:01") and each sign it may have, once, with its keywords ("Explore: Travel, …").
bool DependsOnTime(const ReadingDocument& doc, std::size_t frame);
std::string DependsText(std::string_view language);
std::vector<std::string> SpanLines(std::string_view language, const ReadingDocument& doc, std::size_t frame);
std::vector<std::string> PossibleSigns(std::string_view language, const ReadingDocument& doc, std::size_t frame);

// The reading as text for the clipboard, and as HTML.
std::string ReadingPlainText(std::string_view language, const ReadingDocument& doc);
std::string ReadingHtml(std::string_view language, const ReadingDocument& doc);

// `text` with &, <, > and " written as HTML entities.
std::string HtmlEscaped(std::string_view text);

}  // namespace quorvane::report
