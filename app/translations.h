// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows in the desktop's language: the program's own translation (compiled in as a resource) and
// Qt's (its standard buttons and dialogs), chosen from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.

#include <QString>

namespace quorvane {

// Installs the translators for `language` ("de", "pt_BR", "de_DE.UTF-8" ...; empty: the environment's) and
// makes it the windows' language. English, C or a language without a translation installs nothing: the
// written English program. Returns the language the windows speak ("en" when untranslated).
QString InstallTranslations(const QString& language = QString());

}  // namespace quorvane
