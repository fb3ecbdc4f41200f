// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/language.h"

#include "l10n/core_texts.h"
#include "reading/time_zones.h"
#include "ui/widgets/text.h"

namespace quorvane {

namespace {
std::string& Current() {
    static std::string language = "en";
    return language;
}
}  // namespace

const std::string& UiLanguage() {
    return Current();
}

void SetUiLanguage(const std::string& language) {
    Current() = language.empty() ? std::string("en") : language;
}

bool UiTranslated() {
    return Current() != "en";
}

QLocale UiLocale() {
    return UiTranslated() ? QLocale(QString::fromStdString(Current())) : QLocale::c();
}

QString UiMessage(const UserMessage& message) {
    return ToQString(UiTranslated() ? l10n::LocalizedMessage(Current(), message.Text) : message.Text);
}

const GalacticSign& UiSign(const GalacticSign& sign) {
    return UiTranslated() ? l10n::LocalizedSign(Current(), sign) : sign;
}

QString UiZoneRow(int row) {
    if (UiTranslated()) return ToQString(l10n::ZoneRowText(Current(), row));
    return ToQString(TimeZoneTable()[static_cast<std::size_t>(row)].DisplayString);
}

QString UiMonthName(int month) {
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    if (!UiTranslated()) return QString::fromLatin1(kMonths[month - 1]);
    // The name on its own, as a list shows it ("Juni", "июнь"), with a capital as the list's first letter.
    const QLocale locale = UiLocale();
    QString name = locale.standaloneMonthName(month, QLocale::LongFormat);
    if (!name.isEmpty()) name.replace(0, 1, locale.toUpper(name.left(1)));
    return name;
}

QString UiText(const l10n::Sentence& sentence) {
    return QString::fromStdString(l10n::Render(Current(), sentence));
}

QString UiLongDate(int year, int month, int day) {
    return QString::fromStdString(l10n::LongDate(Current(), year, month, day));
}

NameLetter UiNameLetter(std::uint16_t code) {
    const QChar typed(code);
    if (!UiTranslated() || !typed.isLetter()) return {};
    const QString capital = UiLocale().toUpper(QString(typed));
    // A letter whose capital is two letters (ß) stays as typed: one key, one character.
    return {true, static_cast<std::uint16_t>(capital.size() == 1 ? capital.at(0).unicode() : code)};
}

}  // namespace quorvane
