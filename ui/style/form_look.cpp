// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/style/form_look.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

#include <utility>
#include <vector>

#include "ui/style/look.h"

namespace quorvane {

namespace {
const QColor kSalmon(228, 151, 114);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kMagenta(255, 128, 255);
const QColor kWhite(255, 255, 255);
// The buttons' raised edge: light grey below and right, white above and left.
const QColor kBevel(192, 192, 192);

constexpr int kGroupTitleDrop = 7;     // the frame's line runs this far below the box's top, through the title
constexpr int kGroupTitleLeft = 6;     // the title's ground starts this far in from the box's left
constexpr int kGroupTitlePadding = 2;  // ground left and right of the title's words
constexpr int kMarkSize = 11;          // a tick box's or an option's square mark, its border included
constexpr int kMarkSpacing = 6;        // between the mark and its words
constexpr int kListPadding = 4;        // a list's words start this far inside its border
constexpr int kDropDownWidth = 16;     // a list's drop-down button, inside its border
constexpr int kButtonBorder = 2;

std::vector<QPointer<QWidget>>& Roots() {
    static std::vector<QPointer<QWidget>> roots;
    return roots;
}

// The boxes whose insides are salmon on black.
bool IsDarkBox(const QWidget* w) {
    const QString& name = w->objectName();
    return qobject_cast<const QGroupBox*>(w) &&
           (name == QLatin1String("fraZone") || name == QLatin1String("Frame3") || name == QLatin1String("Frame4"));
}

// The nearest enclosing group box, or none.
const QGroupBox* EnclosingBox(const QWidget* w) {
    for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (auto* box = qobject_cast<const QGroupBox*>(up)) return box;
    return nullptr;
}

// The same colour in every state: the form shows a turned-off control in its usual colours.
void SetEverywhere(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
}

void Colour(QWidget* w, QColor ink, QColor ground, bool filled) {
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        SetEverywhere(palette, role, ink);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        SetEverywhere(palette, role, ground);
    w->setPalette(palette);
    if (filled) w->setAutoFillBackground(true);
}

void SetSelection(QWidget* w, QColor ground, QColor ink) {
    QPalette palette = w->palette();
    SetEverywhere(palette, QPalette::Highlight, ground);
    SetEverywhere(palette, QPalette::HighlightedText, ink);
    w->setPalette(palette);
}

// A border of one pixel just inside the rectangle.
void Outline(QPainter* painter, const QRect& rect, const QColor& colour) {
    painter->save();
    painter->setPen(QPen(colour, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

// A field's or a list's border: white while it has the focus.
QColor FieldBorder(const QStyleOption* option) {
    return option->state & QStyle::State_HasFocus ? kWhite : kGrey;
}

// A two-pixel bevel: the light edges above and left, the others below and right, meeting on the diagonal
// at the two corners where they differ (the pixel on it takes half of each).
void Bevel(QPainter* painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    const QColor half((topLeft.red() + bottomRight.red()) / 2, (topLeft.green() + bottomRight.green()) / 2,
                      (topLeft.blue() + bottomRight.blue()) / 2);
    for (int i = 0; i < kButtonBorder; ++i) {
        painter->fillRect(QRect(r.left(), r.top() + i, r.width() - i - 1, 1), topLeft);   // top
        painter->fillRect(QRect(r.left() + i, r.top(), 1, r.height() - i - 1), topLeft);  // left
        painter->fillRect(QRect(r.left() + i + 1, r.bottom() - i, r.width() - i - 1, 1), bottomRight);
        painter->fillRect(QRect(r.right() - i, r.top() + i + 1, 1, r.height() - i - 1), bottomRight);
        painter->fillRect(QRect(r.right() - i, r.top() + i, 1, 1), half);
        painter->fillRect(QRect(r.left() + i, r.bottom() - i, 1, 1), half);
    }
}

// A tick box or an option is drawn inside a dotted frame while it has the focus, which moves its insides
// one pixel in.
int FocusInset(const QStyleOption* option) {
    return option->state & QStyle::State_HasFocus ? 1 : 0;
}

QRect MarkRect(const QStyleOption* option) {
    const QRect inside =
        option->rect.adjusted(FocusInset(option), FocusInset(option), -FocusInset(option), -FocusInset(option));
    return QRect(inside.left(), inside.top() + (inside.height() - kMarkSize) / 2, kMarkSize, kMarkSize);
}

constexpr char kTitleFont[] = "quorvaneTitleFont";

// A box's title keeps the font the form gives the box; the box itself passes on no font, so that what is
// made inside it takes the window's font, as the form was laid out.
QFont TitleFont(const QWidget* box) {
    const QVariant kept = box ? box->property(kTitleFont) : QVariant();
    return kept.isValid() ? kept.value<QFont>() : (box ? box->font() : QFont());
}

QRect GroupTitleRect(const QStyleOptionGroupBox* box, const QWidget* widget) {
    // The words and a space after them, as the base style measures a title.
    const QSize words = QFontMetrics(TitleFont(widget)).size(Qt::TextShowMnemonic, box->text + QLatin1Char(' '));
    return QRect(box->rect.left() + kGroupTitleLeft, box->rect.top(), words.width() + 2 * kGroupTitlePadding,
                 words.height());
}
// The dialogs the form opens keep the look they had when the form wore a style sheet and passed it on:
// the sheet, read when the first of them opens, goes before any sheet of the dialog's own.
class DialogLook final : public QObject {
public:
    DialogLook(QWidget* window, QString sheetPath) : QObject(window), sheetPath_(std::move(sheetPath)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished)
            if (auto* dialog = qobject_cast<QDialog*>(static_cast<QChildEvent*>(event)->child());
                dialog && !dialog->property(kDialogLookSet).toBool()) {
                if (sheet_.isEmpty()) sheet_ = StyleSheetResource(sheetPath_) + FocusAndSelectionStyle();
                dialog->setProperty(kDialogLookSet, true);
                dialog->setStyleSheet(sheet_ + u'\n' + dialog->styleSheet());
            }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr char kDialogLookSet[] = "quorvaneDialogLook";
    QString sheetPath_;
    QString sheet_;
};
}  // namespace

bool form_look::Covers(const QWidget* widget) {
    auto& roots = Roots();
    if (roots.empty()) return false;
    for (const QWidget* w = widget; w; w = w->parentWidget())
        for (const QPointer<QWidget>& root : roots)
            if (root == w) return true;
    return false;
}

void UseBirthFormLook(QWidget* root, const QString& dialogSheet) {
    auto& roots = Roots();
    std::erase_if(roots, [](const QPointer<QWidget>& w) { return w.isNull(); });
    roots.emplace_back(root);
    for (QGroupBox* box : root->findChildren<QGroupBox*>()) {
        box->setProperty(kTitleFont, box->font());
        box->setFont(QFont());
    }
    QWidget* window = root->window();
    if (window != root && !dialogSheet.isEmpty()) window->installEventFilter(new DialogLook(window, dialogSheet));
    EnsureWindowStyle();
}

void form_look::Polish(QWidget* w) {
    const QString& name = w->objectName();
    if (name == QLatin1String("centralwidget") || name == QLatin1String("Frame2") || name == QLatin1String("Frame5")) {
        Colour(w, kSalmon, kBlack, true);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (IsDarkBox(box))
            Colour(box, kSalmon, kBlack, false);
        else
            Colour(box, kBlack, kSalmon, false);
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QAbstractItemView*>(w)) {  // the last, a list's popup
        Colour(w, kSalmon, kBlack, false);
        SetSelection(w, kSalmon, kBlack);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        Colour(w, kSalmon, kBlack, true);
    } else if (qobject_cast<QPushButton*>(w)) {
        Colour(w, kBlack, kGrey, false);
    } else if (qobject_cast<QLabel*>(w)) {
        const QGroupBox* inside = EnclosingBox(w);
        if (name == QLatin1String("Label61") || name == QLatin1String("lblFullBrand") ||
            name == QLatin1String("lblCobrand"))
            Colour(w, kSalmon, kBlack, true);  // filled: the one in front hides the one behind
        else if (name == QLatin1String("Label2"))
            Colour(w, kMagenta, kBlack, false);
        else if (inside && IsDarkBox(inside))
            Colour(w, kSalmon, kBlack, true);
        else if (inside)
            Colour(w, kBlack, kSalmon, false);
    }
}

bool form_look::DrawPrimitive(const QStyle*, QStyle::PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget*) {
    switch (element) {
        case QStyle::PE_PanelLineEdit:
            painter->fillRect(option->rect, option->palette.color(QPalette::Base));
            Outline(painter, option->rect, FieldBorder(option));
            return true;
        case QStyle::PE_FrameLineEdit:
            Outline(painter, option->rect, FieldBorder(option));
            return true;
        case QStyle::PE_FrameFocusRect:
            // The focus shows in each control's own border instead.
            return true;
        case QStyle::PE_IndicatorCheckBox:
        case QStyle::PE_IndicatorRadioButton: {
            const bool on = option->state & QStyle::State_On;
            painter->fillRect(option->rect, on ? kSalmon : kBlack);
            Outline(painter, option->rect, kSalmon);
            return true;
        }
        case QStyle::PE_PanelButtonCommand: {
            const QRect r = option->rect;
            painter->fillRect(r, option->palette.color(QPalette::Button));
            if (option->state & QStyle::State_HasFocus)
                for (int i = 0; i < kButtonBorder; ++i) Outline(painter, r.adjusted(i, i, -i, -i), kBlack);
            else if (option->state & (QStyle::State_Sunken | QStyle::State_On))
                Bevel(painter, r, kBevel, kWhite);
            else
                Bevel(painter, r, kWhite, kBevel);
            return true;
        }
        case QStyle::PE_FrameGroupBox:
            return true;
        default:
            return false;
    }
}

bool form_look::DrawControl(const QStyle* style, QStyle::ControlElement element, const QStyleOption* option,
                            QPainter* painter, const QWidget* widget) {
    switch (element) {
        case QStyle::CE_PushButtonBevel:
            style->drawPrimitive(QStyle::PE_PanelButtonCommand, option, painter, widget);
            return true;
        case QStyle::CE_PushButtonLabel: {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            if (!button) return false;
            painter->save();
            if (button->state & QStyle::State_HasFocus) {
                QFont font = painter->font();
                font.setUnderline(true);
                painter->setFont(font);
            }
            style->drawItemText(painter, button->rect, Qt::AlignCenter | Qt::TextShowMnemonic, button->palette,
                                button->state & QStyle::State_Enabled, button->text, QPalette::ButtonText);
            painter->restore();
            return true;
        }
        case QStyle::CE_CheckBox:
        case QStyle::CE_RadioButton: {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            if (!button) return false;
            if (button->state & QStyle::State_HasFocus) {
                painter->save();
                painter->setPen(QPen(kWhite, 1, Qt::DotLine));
                painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
                painter->restore();
            }
            const bool check = element == QStyle::CE_CheckBox;
            QStyleOptionButton mark = *button;
            mark.rect = style->subElementRect(check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                                              button, widget);
            style->drawPrimitive(check ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &mark, painter,
                                 widget);
            QStyleOptionButton words = *button;
            words.rect = style->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                                               button, widget);
            style->drawItemText(painter, words.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                                button->palette, button->state & QStyle::State_Enabled, button->text,
                                QPalette::WindowText);
            return true;
        }
        case QStyle::CE_ComboBoxLabel: {
            const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
            if (!list) return false;
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, list, QStyle::SC_ComboBoxEditField, widget);
            style->drawItemText(painter, field, Qt::AlignLeft | Qt::AlignVCenter, list->palette,
                                list->state & QStyle::State_Enabled, list->currentText, QPalette::ButtonText);
            return true;
        }
        default:
            return false;
    }
}

bool form_look::DrawComplexControl(const QStyle* style, QStyle::ComplexControl control,
                                   const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) {
    switch (control) {
        case QStyle::CC_ComboBox:
            painter->fillRect(option->rect, option->palette.color(QPalette::Button));
            Outline(painter, option->rect, FieldBorder(option));
            return true;
        case QStyle::CC_GroupBox: {
            const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
            if (!box) return false;
            const QRect frame = box->rect.adjusted(0, kGroupTitleDrop, 0, 0);
            painter->fillRect(frame, box->palette.color(QPalette::Window));
            Outline(painter, frame, kGrey);
            if (!box->text.isEmpty()) {
                const QRect title = style->subControlRect(control, box, QStyle::SC_GroupBoxLabel, widget);
                painter->fillRect(title, IsDarkBox(widget) ? kBlack : kSalmon);
                painter->save();
                painter->setFont(TitleFont(widget));
                style->drawItemText(painter, title.adjusted(kGroupTitlePadding, 0, -kGroupTitlePadding, 0),
                                    Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                                    box->state & QStyle::State_Enabled, box->text, QPalette::WindowText);
                painter->restore();
            }
            return true;
        }
        default:
            return false;
    }
}

std::optional<QRect> form_look::SubControlRect(const QStyle*, QStyle::ComplexControl control,
                                               const QStyleOptionComplex* option, QStyle::SubControl part,
                                               const QWidget* widget) {
    const QRect r = option->rect;
    if (control == QStyle::CC_ComboBox) {
        const QRect inside = r.adjusted(1, 1, -1, -1);
        switch (part) {
            case QStyle::SC_ComboBoxArrow:
                return QRect(inside.right() - kDropDownWidth + 1, inside.top(), kDropDownWidth, inside.height());
            case QStyle::SC_ComboBoxEditField:
                return inside.adjusted(kListPadding, 0, -kDropDownWidth, 0);
            case QStyle::SC_ComboBoxFrame:
            case QStyle::SC_ComboBoxListBoxPopup:
                return r;
            default:
                return std::nullopt;
        }
    }
    if (control == QStyle::CC_GroupBox) {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (!box) return std::nullopt;
        switch (part) {
            case QStyle::SC_GroupBoxLabel:
                return GroupTitleRect(box, widget);
            case QStyle::SC_GroupBoxFrame:
                return r.adjusted(0, kGroupTitleDrop, 0, 0);
            case QStyle::SC_GroupBoxContents:
                return r.adjusted(1, GroupTitleRect(box, widget).bottom() + 1, -1, -1);
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<QRect> form_look::SubElementRect(QStyle::SubElement element, const QStyleOption* option, const QWidget*) {
    switch (element) {
        case QStyle::SE_CheckBoxIndicator:
        case QStyle::SE_RadioButtonIndicator:
            return MarkRect(option);
        case QStyle::SE_CheckBoxContents:
        case QStyle::SE_RadioButtonContents: {
            const QRect mark = MarkRect(option);
            const QRect inside = option->rect.adjusted(0, FocusInset(option), -FocusInset(option), -FocusInset(option));
            return QRect(mark.right() + 1 + kMarkSpacing, inside.top(), inside.right() - mark.right() - kMarkSpacing,
                         inside.height());
        }
        case QStyle::SE_CheckBoxFocusRect:
        case QStyle::SE_RadioButtonFocusRect:
        case QStyle::SE_CheckBoxClickRect:
        case QStyle::SE_RadioButtonClickRect:
            return option->rect;
        case QStyle::SE_LineEditContents:
            return option->rect.adjusted(1, 1, -1, -1);
        case QStyle::SE_PushButtonContents:
        case QStyle::SE_PushButtonFocusRect:
            return option->rect.adjusted(kButtonBorder, kButtonBorder, -kButtonBorder, -kButtonBorder);
        default:
            return std::nullopt;
    }
}

std::optional<QSize> form_look::SizeFromContents(QStyle::ContentsType type, const QStyleOption*, const QSize& contents,
                                                 const QWidget*) {
    // A button is as large as its words and its border: the form's buttons in a row take no more room.
    if (type == QStyle::CT_PushButton) return contents + QSize(2 * kButtonBorder, 2 * kButtonBorder);
    return std::nullopt;
}

std::optional<int> form_look::PixelMetric(QStyle::PixelMetric metric, const QStyleOption*, const QWidget* widget) {
    switch (metric) {
        case QStyle::PM_DefaultFrameWidth:
            return qobject_cast<const QPushButton*>(widget) ? kButtonBorder : 1;
        case QStyle::PM_IndicatorWidth:
        case QStyle::PM_IndicatorHeight:
        case QStyle::PM_ExclusiveIndicatorWidth:
        case QStyle::PM_ExclusiveIndicatorHeight:
            return kMarkSize;
        case QStyle::PM_ButtonShiftHorizontal:
        case QStyle::PM_ButtonShiftVertical:
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace quorvane
