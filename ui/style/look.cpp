// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

#include "report/reading_report.h"
#include "ui/style/form_look.h"

namespace quorvane {

QString UiFontFamily() {
    return report::FontFamily();
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

namespace {
// The menu bar's "more menus" button: a double chevron in the button's text colour, drawn at any size.
// The menu bar makes the button at start, though the menus always fit and it never shows.
class ChevronIcon final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(
            QPen(palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText),
                 std::max(1.0, rect.height() / 8.0)));
        const QRectF box =
            QRectF(rect).adjusted(rect.width() / 4.0, rect.height() / 4.0, -rect.width() / 4.0, -rect.height() / 4.0);
        for (const qreal x : {box.left(), box.center().x()}) {
            const qreal half = box.width() / 2;
            painter->drawPolyline(QPolygonF{{x, box.top()}, {x + half * 0.8, box.center().y()}, {x, box.bottom()}});
        }
        painter->restore();
    }
    QIconEngine* clone() const override { return new ChevronIcon; }
};

class WindowStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new ChevronIcon);
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    // The birth-data form's own look, where a window asked for it.
    void polish(QWidget* widget) override {
        QProxyStyle::polish(widget);
        if (form_look::Covers(widget)) form_look::Polish(widget);
    }
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (!form_look::Covers(widget) || !form_look::DrawPrimitive(this, element, option, painter, widget))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (!form_look::Covers(widget) || !form_look::DrawControl(this, element, option, painter, widget))
            QProxyStyle::drawControl(element, option, painter, widget);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (!form_look::Covers(widget) || !form_look::DrawComplexControl(this, control, option, painter, widget))
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (form_look::Covers(widget))
            if (const auto rect = form_look::SubControlRect(this, control, option, part, widget)) return *rect;
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override {
        if (form_look::Covers(widget))
            if (const auto rect = form_look::SubElementRect(element, option, widget)) return *rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        if (form_look::Covers(widget))
            if (const auto size = form_look::SizeFromContents(type, option, contents, widget)) return *size;
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (form_look::Covers(widget))
            if (const auto value = form_look::PixelMetric(metric, option, widget)) return *value;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};
}  // namespace

QStyle* MakeWindowStyle() {
    return new WindowStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void EnsureWindowStyle() {
    if (!dynamic_cast<WindowStyle*>(QApplication::style())) QApplication::setStyle(MakeWindowStyle());
}

void ApplyUiFont(QWidget* window) {
    const QFont base = UiFont();
    // A control under a style sheet takes the application's font, not its window's: set on the window alone,
    // the font would reach none of the forms' controls. It is made the application's before the first
    // window's controls are made, so that they are laid out in it from the start.
    if (QApplication::font() != base) QApplication::setFont(base);
    window->setFont(base);
}

void UseDesktopFont(QWidget* dialog) {
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    dialog->setFont(desktop);
    for (QWidget* control : dialog->findChildren<QWidget*>()) control->setFont(desktop);
}

QString FocusAndSelectionStyle() {
    // The fields, lists and boxes are black or salmon: a white frame stands out from their grey border.
    return QStringLiteral(
        "\nQLineEdit:focus, QComboBox:focus, QPlainTextEdit:focus { border: 1px solid white; }"
        "\nQCheckBox:focus, QRadioButton:focus { border: 1px dotted white; }"
        // The buttons' light bevel turns black, and the caption is underlined: seen on black and salmon.
        "\nQPushButton:focus { border: 2px solid black; text-decoration: underline; }"
        // The place finder's list of places lies on the light dialog ground.
        "\nQTreeView:focus { border: 2px solid black; }"
        // Selected text: the fields are black, the description boxes salmon, the place list light.
        "\nQLineEdit { selection-background-color: rgb(228, 151, 114); selection-color: black; }"
        "\nQPlainTextEdit { selection-background-color: black; selection-color: rgb(228, 151, 114); }"
        "\nQTreeView { selection-background-color: rgb(0, 64, 128); selection-color: white; }");
}

}  // namespace quorvane
