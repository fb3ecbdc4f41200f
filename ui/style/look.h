// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typeface shared by the windows.

#include <QFont>
#include <QString>

class QStyle;
class QWidget;

namespace quorvane {

// Verdana where installed, otherwise the nearest installed sans.
QString UiFontFamily();
// The windows' base font: the family above at 8.25 point; sizes and weights in the forms add to it.
QFont UiFont();
// A window's style sheet, kept as a resource beside its form.
QString StyleSheetResource(const QString& path);

// Style-sheet rules that mark the focused field, list, box or button so that the mark shows on the black
// and the salmon grounds, and give selected text colours that stand out from its selection; appended to
// a window's own style sheet so that the written colours stay as they are.
QString FocusAndSelectionStyle();

// The windows' style: Fusion, whose few pictures the windows show are drawn rather than read from files.
// (Reading one picture file makes Qt load every image plug-in, which the birth-data form never needs.)
QStyle* MakeWindowStyle();
// Makes the windows' style the application's, if it is not yet.
void EnsureWindowStyle();
// Gives ROOT and every control in it, now or later, the birth-data form's look: black and salmon grounds,
// grey-bordered fields, lists and boxes, square marks, grey raised buttons; the focused control marked in
// its own border. Drawn by the windows' style, which it makes the application's. The dialogs ROOT's window
// opens wear the style sheet at DIALOG_SHEET (a resource path), before any sheet of their own.
void UseBirthFormLook(QWidget* root, const QString& dialogSheet);
// Puts the base font on a window and its controls, which keep their own size and weight. Call it before the
// window's controls are made.
void ApplyUiFont(QWidget* window);
// Gives a message box or other desktop dialog, and its controls, the desktop's own font.
void UseDesktopFont(QWidget* dialog);

}  // namespace quorvane
