#pragma once
// Colours and typeface shared by the windows.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace quorvane {

inline const QColor kSalmon{228, 151, 114};
inline const QColor kPink{255, 128, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kMagenta{255, 0, 255};
inline const QColor kButtonGrey{128, 128, 128};

// Verdana where installed, otherwise the nearest installed sans.
QString UiFontFamily();
// The windows' base font: the family above at 8.25 point; sizes and weights in the forms add to it.
QFont UiFont();
// Puts the family on a window; its children inherit it and keep their own size and weight.
void ApplyUiFont(QWidget* window);

// Pixel size of a length given in twips, at 15 twips per pixel.
constexpr int Twips(int twips) { return (twips + 7) / 15; }

}  // namespace quorvane
