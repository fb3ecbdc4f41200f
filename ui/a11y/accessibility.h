#pragma once
// What a screen reader needs beyond Qt's defaults: links that announce themselves as links and can be
// activated, lists named for what they hold (on Linux Qt would name a list by the entry it shows), and
// a focus mark that shows on the dark and the salmon backgrounds alike.

#include <QString>

class QLabel;
class QWidget;

namespace quorvane {

// Registers the accessible interfaces for LinkLabel and named lists; safe to call more than once.
void InstallAccessibleInterfaces();

// Gives `widget` the name a screen reader speaks for it, and an optional longer description.
void NameForAssistiveTechnology(QWidget* widget, const QString& name, const QString& description = {});

// Style-sheet rules that mark the focused field, list, box or button so that the mark shows on the black
// and the salmon grounds, and give selected text colours that stand out from its selection; appended to
// a window's own style sheet so that the written colours stay as they are.
QString FocusAndSelectionStyle();

// Whether a label's text fits its box in the label's own font; a word-wrapped label is measured by
// height at its width, a single line by width.
bool TextFitsItsBox(const QLabel& label);
// Grows each label of `window` whose text does not fit, keeping its top-left corner where it is.
void GrowLabelsToFitTheirTexts(QWidget* window);

}  // namespace quorvane
