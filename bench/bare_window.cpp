// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: an empty main window of the birth-data form's size, nothing else
// (or one line of text).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "common/version.h"
#include "app/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8(quorvane::kProductTitle));
    // With QUORVANE_BARE_WITH_TEXT=1 the window shows one line of text, so that it pays for loading the
    // system's fonts as every window with words on it does.
    if (qEnvironmentVariableIntValue("QUORVANE_BARE_WITH_TEXT") == 1)
        window.setCentralWidget(new QLabel(QStringLiteral("Know your Galactic sign")));
    else
        window.setCentralWidget(new QWidget);
    window.setFixedSize(quorvane::kBirthFormWidth, quorvane::kBirthFormHeight);
    quorvane::ExitAfterFirstPaint::InstallIfAsked(&window);
    window.show();
    return QApplication::exec();
}
