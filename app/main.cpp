// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "app/app_shell.h"
#include "ui/births/births_book.h"
#include "app/first_paint.h"
#include "ui/forms/frmMain.h"
#include "app/later_starts.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "ui/style/look.h"

namespace {
// The window's own icon, for title bars and task lists; launchers and task switchers take the larger sizes
// from the installed desktop file's icon. Read as PNG by name: QIcon would first offer each file to every
// image plug-in, loading them all.
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/hicolor/%1x%1/apps/quorvane.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    QApplication::setDesktopFileName(QStringLiteral("io.quorvane.Quorvane"));
    QApplication::setStyle(quorvane::MakeWindowStyle());
    // The run ends through QuitApplication only, not when a window happens to be the last one hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop's language, before any window or message is made.
    quorvane::InstallTranslations();

    // `quorvane FILE` opens a births file; Qt's own options are taken out of the arguments already.
    QString births;
    for (const QString& argument : QApplication::arguments().mid(1))
        if (births.isEmpty() && !argument.startsWith(u'-')) births = QFileInfo(argument).absoluteFilePath();

    quorvane::AppShell shell;
    quorvane::SingleInstance instance;
    if (shell.RefuseSecondInstance(instance, births)) return 0;

    quorvane::frmMain form(shell);
    quorvane::ServeLaterStarts(instance, form);
    // Decoding the icon's sizes takes longer than building the form: the window shows first.
    quorvane::AfterFirstPaint::Install(&form, [] { QApplication::setWindowIcon(ApplicationIcon()); });
    quorvane::ExitAfterFirstPaint::InstallIfAsked(&form);
    form.show();
    if (!births.isEmpty()) form.Births().Open(births);
    return QApplication::exec();
}
