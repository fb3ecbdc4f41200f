// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/small_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace quorvane {
namespace {

// A LinkLabel is read as a link with a press action, not as static text.
class AccessibleLinkLabel : public QAccessibleWidget {
public:
    explicit AccessibleLinkLabel(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) return link()->text();
        return own;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override {
        if (action == pressAction())
            link()->Activate();
        else
            QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* LinkLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("quorvane::LinkLabel"))
        if (auto* link = qobject_cast<LinkLabel*>(object)) return new AccessibleLinkLabel(link);
    return nullptr;
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Installed before the first link is asked for its interface, which Qt then keeps.
    static const bool installed = (QAccessible::installFactory(LinkLabelFactory), true);
    (void)installed;
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Activate();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent*) {
    // The text is drawn as a plain label draws it. QLabel itself would lay a focusable label out as a
    // document, for links inside it that this label never has; that costs a fifth of the form's first paint.
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
    if (!hasFocus()) return;
    // A solid frame in the text's colour, round the part of the label that can be seen: a label wider
    // than its strip would otherwise lose the frame's right edge.
    painter.setPen(QPen(palette().color(foregroundRole()), 1));
    painter.drawRect(visibleRegion().boundingRect().intersected(rect()).adjusted(0, 0, -1, -1));
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    coveredBy_ = nullptr;
    if (QWidget* strip = parentWidget()) {
        const QObjectList& stack = strip->children();  // back to front
        for (qsizetype i = stack.indexOf(this) + 1; i < stack.size() && !coveredBy_; ++i)
            if (auto* sibling = qobject_cast<QWidget*>(stack[i]);
                sibling && sibling->isVisible() && sibling->geometry().intersects(geometry()))
                coveredBy_ = sibling;
    }
    if (coveredBy_) raise();
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    if (coveredBy_) stackUnder(coveredBy_);
    coveredBy_ = nullptr;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Activate();
}

void FormOption::paintEvent(QPaintEvent* event) {
    QRadioButton::paintEvent(event);  // the style sheet's square mark, its words and the focus frame
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect mark = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const QColor ink = palette().color(foregroundRole());
    QPainter painter(this);
    painter.fillRect(mark, palette().color(backgroundRole()));
    // A circle through the mark's pixel centres: four quarter curves, each bent by the usual 0.5523.
    const QRectF circle = QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPointF c = circle.center();
    const qreal rx = circle.width() / 2, ry = circle.height() / 2, kx = rx * 0.5523, ky = ry * 0.5523;
    QPainterPath path(QPointF(c.x() + rx, c.y()));
    path.cubicTo(c.x() + rx, c.y() + ky, c.x() + kx, c.y() + ry, c.x(), c.y() + ry);
    path.cubicTo(c.x() - kx, c.y() + ry, c.x() - rx, c.y() + ky, c.x() - rx, c.y());
    path.cubicTo(c.x() - rx, c.y() - ky, c.x() - kx, c.y() - ry, c.x(), c.y() - ry);
    path.cubicTo(c.x() + kx, c.y() - ry, c.x() + rx, c.y() - ky, c.x() + rx, c.y());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(isChecked() ? ink : palette().color(backgroundRole()));
    painter.drawPath(path);
}

void FormList::changeEvent(QEvent* event) {
    // QComboBox passes a new font on by setting it on the popup and laying all its rows out again, and Qt 6.4
    // makes the popup for it. Until it has done so once, the popup (made when the list is first opened, or
    // by Qt 6.8 at the first current entry) takes the list's font as its child window, so a hidden list's
    // font change has nothing to pass on. The list's size is not cached yet either: the forms place their
    // lists by hand, and nothing asks for a list's size before it is shown.
    if (event->type() == QEvent::FontChange) {
        if (!isVisible() && !popupFontSet_) {
            QWidget::changeEvent(event);
            return;
        }
        popupFontSet_ = true;
    }
    QComboBox::changeEvent(event);
}

void FormList::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect dropDown = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    // A 9 x 6 triangle centred in the drop-down button (an odd pixel left over goes to the left), its corners
    // on half pixels.
    const QPointF corner(dropDown.x() + (dropDown.width() - 9 + 1) / 2, dropDown.y() + (dropDown.height() - 6) / 2);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(foregroundRole()));
    painter.drawPolygon(QPolygonF{corner + QPointF(0.5, 0.5), corner + QPointF(8.5, 0.5), corner + QPointF(4.5, 5.5)});
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette, isEnabled(),
                         caption, QPalette::ButtonText);
}

}  // namespace quorvane
