// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/look.h"

#include <QFile>
#include <QFontDatabase>
#include <QWidget>

namespace quorvane {

QString UiFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* wanted : {"Verdana", "DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
            if (installed.contains(QLatin1String(wanted), Qt::CaseInsensitive)) return QString::fromLatin1(wanted);
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont UiFont() {
    QFont font(UiFontFamily());
    font.setPointSizeF(8.25);
    return font;
}

QString StyleSheetResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("style sheet %s is not built in", qUtf8Printable(path));
    return QString::fromUtf8(file.readAll());
}

void ApplyUiFont(QWidget* window) {
    window->setFont(UiFont());
}

}  // namespace quorvane
