// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "l10n/core_texts.h"
#include "report/reading_report.h"
#include "ui/widgets/language.h"

namespace quorvane {

namespace {
QTranslator* Own() {
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    return translator;
}
QTranslator* Qts() {
    static QTranslator* translator = new QTranslator(QCoreApplication::instance());
    return translator;
}
}  // namespace

QString InstallTranslations(const QString& language) {
    const std::string code =
        language.isEmpty() ? l10n::LanguageFromEnvironment() : l10n::NormalizeLanguage(language.toStdString());
    QCoreApplication::removeTranslator(Own());
    QCoreApplication::removeTranslator(Qts());
    SetUiLanguage(l10n::IsTranslated(code) ? code : std::string("en"));
    // The wheel, the PDF and the print-out follow the windows' language (English stays the written program).
    report::UseLanguage(code);
    static bool localeChanged = false;
    if (!UiTranslated()) {
        if (localeChanged) QLocale::setDefault(QLocale::system());
        return QStringLiteral("en");
    }
    localeChanged = true;
    const QString name = QString::fromStdString(UiLanguage());
    // Both are read in place: the program's from the resources, Qt's memory-mapped from its folder.
    if (Own()->load(QStringLiteral(":/i18n/quorvane_") + name)) QCoreApplication::installTranslator(Own());
    if (Qts()->load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(Qts());
    QLocale::setDefault(QLocale(name));
    return name;
}

}  // namespace quorvane
