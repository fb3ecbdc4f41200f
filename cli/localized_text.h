// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's text output in the reader's language. The English keeps its own form exactly
// (FormatText of birth_line.h); every other language goes through the core's text catalogue.

#include <string>
#include <string_view>

#include "cli/birth_line.h"
#include "l10n/sentence.h"

namespace quorvane::cli {

// A reading as plain text in `language`: the four frames with all their texts, the birth date in the
// language's long form ("15. Juni 1985"); for a window, the frames that change with their signs' clock
// times. Under English this is FormatText(reading), unchanged.
std::string FormatText(const NamedReading& reading, std::string_view language);

// "Place: <place>", and "Zone: <row> [with daylight saving] (from <note>)" or "... (as given)" when no
// note; without a line break.
std::string PlaceLine(std::string_view language, std::string_view place);
std::string ZoneLine(std::string_view language, int row, bool daylightSaving, const std::string* note);

// A zone no row names: "local mean time of the birthplace, UTC+00:19:32" or "UTC+05:45".
std::string ExactZoneText(std::string_view language, int secondsEast, bool localMeanTime);
// "Warning: the clock there showed <clock> (<note>), but this reading uses <used> as given", without a line
// break; `disagreement` is the sentence after "Warning: ".
std::string ClockWarningLine(std::string_view language, const l10n::Sentence& disagreement);

// Whether --lang CODE names English or a translated language.
bool KnownLanguage(std::string_view code);

}  // namespace quorvane::cli
