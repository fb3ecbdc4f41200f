// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birth-data form's own look, drawn by the windows' style rather than by a style sheet: a style
// sheet keeps a large cache of rules for each control and lays each one out through its box model,
// which made up a third of the form's start-up and most of the memory it took beyond a bare window.

#include <QStyle>

#include <optional>

class QWidget;
class QPainter;
class QStyleOption;
class QStyleOptionComplex;

namespace quorvane::form_look {

// Whether the control is inside a part of a window marked with UseBirthFormLook (look.h): a list's
// popup counts as inside its list.
bool Covers(const QWidget* widget);
// Gives a control inside the look its colours and grounds.
void Polish(QWidget* widget);

// Each draws or measures what the look draws differently from the base style, and says whether it did.
bool DrawPrimitive(const QStyle* style, QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget);
bool DrawControl(const QStyle* style, QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                 const QWidget* widget);
bool DrawComplexControl(const QStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                        QPainter* painter, const QWidget* widget);
std::optional<QRect> SubControlRect(const QStyle* style, QStyle::ComplexControl control,
                                    const QStyleOptionComplex* option, QStyle::SubControl part, const QWidget* widget);
std::optional<QRect> SubElementRect(QStyle::SubElement element, const QStyleOption* option, const QWidget* widget);
std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& contents,
                                      const QWidget* widget);
std::optional<int> PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option, const QWidget* widget);

}  // namespace quorvane::form_look
