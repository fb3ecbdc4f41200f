// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader needs beyond Qt's defaults: links that announce themselves as links and can be
// activated, lists named for what they hold (on Linux Qt would name a list by the entry it shows), and
// a focus mark that shows on the dark and the salmon backgrounds alike.

#include <QString>

class QAbstractItemView;
class QButtonGroup;
class QLabel;
class QWidget;

namespace quorvane {

// Registers the accessible interfaces for named lists and marked labels; safe to call more than once.
void InstallAccessibleInterfaces();

// Gives `widget` the name a screen reader speaks for it, and an optional longer description.
void NameForAssistiveTechnology(QWidget* widget, const QString& name, const QString& description = {});

// Return and Enter press the focused push button of `window` as Space does. The keys reach the window only
// when the focused control has not used them, and only after the screen reader has had them.
void LetReturnPressFocusedButtons(QWidget* window);

// Tab enters the group at its chosen button, as everywhere on the desktop, also after the choice was made
// by a click, a key or a loaded birth. (Qt itself moves the Tab stop only once a button has had the focus.)
void TabToTheCheckedButton(QButtonGroup* group);

// The view tells a screen reader its current row whenever it gets the focus, also when that row was
// current before (a list of one found place).
void ReadCurrentRowOnFocus(QAbstractItemView* view);

// A value label that Tab reaches, read by its accessible name; a frame in its text colour marks the focus.
void MakeReachableByTab(QLabel* value);

// A heading whose text is part of the name of the value it heads: a screen reader hears it with the value
// and not once more on its own.
void SpokenWithItsValue(QLabel* heading);

// A label that a screen reader presents as a notification each time Announce is called for it (its
// name, then its description).
void MarkAsNotification(QLabel* label);
void Announce(QLabel* notification);

// Whether a label's text fits its box in the label's own font; a word-wrapped label is measured by
// height at its width, a single line by width.
bool TextFitsItsBox(const QLabel& label);
// Grows each label of `window` whose text does not fit, keeping its top-left corner where it is.
void GrowLabelsToFitTheirTexts(QWidget* window);

}  // namespace quorvane
