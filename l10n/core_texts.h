// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading core's user-visible texts in the reader's language. No Qt here.
//
// Every text a person reads that comes from the core (the twelve signs' records, the input messages, the
// Moon's phase, the four frames' captions, the time-zone rows, the names of the points and months) and the
// command line's text output has a stable key such as "sign.Build.name" or "message.OnlyLetters". The
// English stays where the core defines it; the translations live beside it as data (l10n/core/<lang>.json),
// compiled in at build time, so nothing is read from disk and a lookup is a binary search in a static table.
// A key without a translation falls back to the English (pt_BR -> pt -> English).

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "galactic/galactic_signs.h"
#include "l10n/sentence.h"

namespace quorvane::l10n {

struct KeyText {
    std::string_view Key;
    std::string_view Text;
};

// The language code of a locale name, as the catalogue names its languages: "de_DE.UTF-8" -> "de",
// "pt_BR.UTF-8" -> "pt_BR", "pt-br" -> "pt_BR", "ru" -> "ru"; "C", "POSIX", "" and every English -> "en".
// A language without a translation keeps its own code ("ja_JP" -> "ja"); lookups in it give the English.
std::string NormalizeLanguage(std::string_view localeName);

// The language the environment asks for: the first entry of LANGUAGE (a colon-separated list) that has a
// translation or is English, else LC_ALL, LC_MESSAGES, LANG in that order, the first one set;
// "C", "POSIX" or nothing set -> "en". Normalized as above.
std::string LanguageFromEnvironment();

// The translated languages, in the catalogue's order: de, es, fr, it, pt_BR, ru.
std::span<const std::string_view> TranslatedLanguages();
// Whether texts in `language` (any locale name) are translated rather than English.
bool IsTranslated(std::string_view language);

// The text of `key` in `language` (any locale name), the English when the language has no translation of
// it, and an empty view for a key the catalogue does not know. The view lives as long as the program.
std::string_view CoreText(std::string_view language, std::string_view key);
// Every key with its English text, sorted by key.
std::span<const KeyText> EnglishCatalogue();
// The translation of `key` in exactly `language` ("de", "pt_BR"), without any fallback; empty if none.
std::string_view Translation(std::string_view language, std::string_view key);
// Every key a translation file gave, sorted by key; empty for a language without a file.
std::span<const KeyText> TranslationCatalogue(std::string_view language);

// The sign's record with its texts in `language` (the same degrees); `sign` itself under English.
const GalacticSign& LocalizedSign(std::string_view language, const GalacticSign& sign);

// A core message (reading/input_rules.h) or one of the command line's refusals, found by its English text,
// in `language`; the text itself when the catalogue does not know it.
std::string_view LocalizedMessage(std::string_view language, std::string_view englishText);

// "Waxing Moon" / "Waning Moon" in `language`.
std::string_view MoonPhaseText(std::string_view language, MoonPhase phase);

// The four frames, in the reading's frame order.
enum class Frame { Ascendant, Descendant, MoonSign, SunSign };
std::string_view FrameCaption(std::string_view language, Frame frame);  // "Galactic Ascendant" ...

// The display text of zone row 0..70 in `language`.
std::string_view ZoneRowText(std::string_view language, int row);

// A calendar date in the language's usual long form: "15. Juni 1985", "15 июня 1985 г.", "June 15, 1985".
std::string LongDate(std::string_view language, int year, int month, int day);

// A sentence of the core written in `language` (any locale name): its key's translation, or its English,
// with each {name} replaced by its value, sentences within it written in the same language.
std::string Render(std::string_view language, const Sentence& sentence);
// The sentence as the program writes it in English (JSON, and English everywhere).
std::string English(const Sentence& sentence);

// `format` with each "{name}" replaced by its value; unknown names stay as written.
std::string Fill(std::string_view format, std::initializer_list<std::pair<std::string_view, std::string_view>> values);

}  // namespace quorvane::l10n
