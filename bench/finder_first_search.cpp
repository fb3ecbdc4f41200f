// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The finder window's first search in a fresh process, as the user meets it: the dialog made with the
// birth-data form's query and its matches listed (the atlas index found, mapped and searched on the way);
// then a later search, one more letter typed into its search box: the matches listed, and then the
// window painted again. Prints the three in milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTreeWidget>

#include <cstdio>

#include "ui/atlas/place_finder_dialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    quorvane::PlaceFinderDialog finder(QStringLiteral("Madrid, Spain"));
    finder.show();
    QCoreApplication::processEvents();
    const double first = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    auto* results = finder.findChild<QTreeWidget*>();
    auto* search = finder.findChild<QLineEdit*>();
    if (!results || !search || results->topLevelItemCount() == 0) {
        std::fprintf(stderr, "the finder found nothing\n");
        return 1;
    }
    search->setText(QStringLiteral("Pun"));
    QCoreApplication::processEvents();
    timer.restart();
    search->setText(QStringLiteral("Pune"));  // searches and fills the list at once
    const double listed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    const double painted = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (results->topLevelItemCount() == 0) return 1;
    std::printf("%.3f %.3f %.3f\n", first, listed, painted);
    return 0;
}
