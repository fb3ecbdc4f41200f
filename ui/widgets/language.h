// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the windows speak. English unless start-up chose a translated one (app/translations.h):
// under English every window keeps its written texts, dates and numbers exactly; under a translated
// language the windows take their own strings from Qt Linguist files, the core's texts from the core
// catalogue, and dates, numbers and month names from the language's QLocale.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <string>

#include "galactic/galactic_signs.h"
#include "l10n/sentence.h"
#include "reading/input_rules.h"

namespace quorvane {

// "en", or a translated language's code as the core catalogue names it ("de", "pt_BR" ...).
const std::string& UiLanguage();
// Set by start-up (InstallTranslations); any code but "en" takes the translated paths, even one the core
// catalogue does not know (its texts are English then): the pseudo-language of the tests is such a code.
void SetUiLanguage(const std::string& language);
// Whether UiLanguage() is a translated language.
bool UiTranslated();
// The language's locale; QLocale::c() under English (the written forms do not use it).
QLocale UiLocale();

// The core's texts as the window shows them: English under English, else the catalogue's.
QString UiMessage(const UserMessage& message);
const GalacticSign& UiSign(const GalacticSign& sign);
QString UiZoneRow(int row);
// A sentence of the core (a births note, the zone suggestion) in the windows' language.
QString UiText(const l10n::Sentence& sentence);
// A month's name as a list shows it ("June", "Juni", "Июнь"); month 1..12.
QString UiMonthName(int month);
// A calendar date in the language's long form ("June 15, 1985" under English, "15. Juni 1985").
QString UiLongDate(int year, int month, int day);

// What the name field's filter is told about a typed character: whether the language counts it as a
// letter, and its capital by the language's rules. Under English only A-Z are letters (the written rule).
NameLetter UiNameLetter(std::uint16_t code);

}  // namespace quorvane
