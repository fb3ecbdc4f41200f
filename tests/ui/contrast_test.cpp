// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a person with weak sight sees: every text is drawn on its background at a contrast of at least
// 4.5 : 1, and the focus mark of every control stands out from what it covers by at least 3 : 1, on the
// black strips and on the salmon frames alike. Colours are read from the drawn windows, so that the style
// sheets, palettes and the focus marks are all measured as they come out.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>

#include "ui/atlas/place_finder_dialog.h"
#include "ui/forms/frmAbout.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

// Relative luminance of an sRGB colour.
double Luminance(QColor c) {
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage Picture(QWidget* window) {
    QApplication::processEvents();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour most pixels of `area` have: what the text stands on.
QColor Ground(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) & RGB_MASK];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor(most->first);
}

// Whether `colour` is drawn in `area` at all (bold text reaches its full colour in its strokes).
bool Drawn(const QImage& image, const QRect& area, QColor colour) {
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                24)
                return true;
        }
    return false;
}

// How far the strokes in `area` go from `ground` towards `colour`: 1 where some pixel is the colour itself.
// Plain text at 8 points is smoothed into its ground and may stop short of its full colour; a pixel is
// counted only where it lies near the way from the ground to the colour, so that another colour drawn there
// does not count.
double ShareOfColourReached(const QImage& image, const QRect& area, QColor colour, QColor ground) {
    const double dr = colour.red() - ground.red(), dg = colour.green() - ground.green(),
                 db = colour.blue() - ground.blue();
    const double length2 = dr * dr + dg * dg + db * db;
    if (length2 == 0) return 0;
    double best = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c(image.pixel(x, y));
            const double pr = c.red() - ground.red(), pg = c.green() - ground.green(), pb = c.blue() - ground.blue();
            const double share = (pr * dr + pg * dg + pb * db) / length2;
            const double offr = pr - share * dr, offg = pg - share * dg, offb = pb - share * db;
            if (std::sqrt(offr * offr + offg * offg + offb * offb) <= 24) best = std::max(best, share);
        }
    return best;
}

QString NameOf(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" in ") +
                                           w->parentWidget()->objectName()
                                     : w->objectName();
}

QString Describe(QColor c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

struct Text {
    QWidget* Widget;
    QRect Area;  // in the widget's own coordinates: where the text and its ground are
    QColor Colour;
};

// The texts a window shows: labels, fields, lists, boxes, buttons, frame titles and the menu bar.
QVector<Text> TextsOf(QWidget* window) {
    QVector<Text> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || w->window() != window) continue;
        const QPalette& p = w->palette();
        const QRect inner = w->rect().adjusted(2, 2, -2, -2);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().isEmpty() && label->pixmap().isNull())
                texts.push_back({w, inner, p.color(QPalette::WindowText)});
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
            texts.push_back({w, inner, p.color(QPalette::Text)});
        } else if (qobject_cast<QComboBox*>(w) || qobject_cast<QPushButton*>(w)) {
            texts.push_back({w, inner, p.color(QPalette::ButtonText)});
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            texts.push_back({w, inner.adjusted(16, 0, 0, 0), p.color(QPalette::WindowText)});
        } else if (auto* frame = qobject_cast<QGroupBox*>(w); frame && !frame->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title =
                frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            texts.push_back({w, title, p.color(QPalette::WindowText)});
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* menu : bar->actions())
                if (menu->isEnabled() && !menu->isSeparator())
                    texts.push_back(
                        {w, bar->actionGeometry(menu).adjusted(2, 2, -2, -2), p.color(QPalette::ButtonText)});
        }
    }
    return texts;
}

QStringList PoorContrast(QWidget* window) {
    // Selected text is measured by its palette below; here every text is drawn plain.
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) field->deselect();
    const QImage image = Picture(window);
    const qreal ratio = image.width() / qreal(window->width());
    QStringList poor;
    const QVector<Text> texts = TextsOf(window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A list's header marks no selection; lists, fields and boxes do.
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
            (!qobject_cast<QAbstractItemView*>(w) || qobject_cast<QHeaderView*>(w)))
            continue;
        const QPalette& p = w->palette();
        if (Contrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)) < 4.5)
            poor << window->objectName() + u'/' + NameOf(w) + QStringLiteral(": selected text ") +
                        Describe(p.color(QPalette::HighlightedText)) + QStringLiteral(" on ") +
                        Describe(p.color(QPalette::Highlight));
    }
    if (texts.size() < 3) poor << QStringLiteral("%1: only %2 texts found").arg(window->objectName()).arg(texts.size());
    for (const Text& t : texts) {
        const QRect topLeft(t.Widget->mapTo(window, t.Area.topLeft()), t.Area.size());
        const QRect area(std::lround(topLeft.x() * ratio), std::lround(topLeft.y() * ratio),
                         std::lround(topLeft.width() * ratio), std::lround(topLeft.height() * ratio));
        const QColor ground = Ground(image, area);
        const QString what = window->objectName() + u'/' + NameOf(t.Widget) + u' ' + Describe(t.Colour) +
                             QStringLiteral(" on ") + Describe(ground);
        if (const double share = ShareOfColourReached(image, area, t.Colour, ground); share < 0.8)
            poor << what + QStringLiteral(": the text colour is not what is drawn (%1% of the way from the ground)")
                               .arg(std::lround(share * 100));
        else if (Contrast(t.Colour, ground) < 4.5)
            poor << what + QStringLiteral(": %1 : 1").arg(Contrast(t.Colour, ground), 0, 'f', 2);
    }
    return poor;
}

// The controls Tab reaches whose focus mark does not stand out: fewer pixels than half the control's
// outline change, by at least 3 : 1, when it takes the focus.
QStringList FaintFocus(QWidget* window) {
    QStringList faint;
    QWidget* parking = nullptr;
    QVector<QWidget*> reached;
    for (QWidget* w : window->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() && w->window() == window) {
            reached.push_back(w);
        }
    if (reached.size() < 2)
        return {QStringLiteral("%1: fewer than two controls take the focus").arg(window->objectName())};
    for (QWidget* w : reached) {
        parking = w == reached.front() ? reached.back() : reached.front();
        parking->setFocus(Qt::TabFocusReason);
        const QImage before = Picture(window);
        w->setFocus(Qt::TabFocusReason);
        if (!w->hasFocus()) {
            faint << window->objectName() + u'/' + NameOf(w) + QStringLiteral(": does not take the focus");
            continue;
        }
        const QImage after = Picture(window);
        const qreal ratio = after.width() / qreal(window->width());
        // The part of the control that can be seen once it has the focus.
        const QRect seen = w->visibleRegion().boundingRect();
        const QRect box =
            QRect(w->mapTo(window, seen.topLeft()) * ratio, seen.size() * ratio).intersected(after.rect());
        int marked = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (Contrast(QColor(before.pixel(x, y)), QColor(after.pixel(x, y))) >= 3.0) ++marked;
        if (marked < box.width() + box.height())
            faint << window->objectName() + u'/' + NameOf(w) +
                         QStringLiteral(": %1 pixels mark the focus, %2 wanted")
                             .arg(marked)
                             .arg(box.width() + box.height());
    }
    return faint;
}

}  // namespace

// Every fault found, each on its own line.
#define NONE_OF(faults)                                                   \
    do {                                                                  \
        const QStringList found = faults;                                 \
        QVERIFY2(found.isEmpty(), qPrintable(u'\n' + found.join(u'\n'))); \
    } while (false)

class ContrastTest : public OnFreshBirthForm {
    Q_OBJECT

    // A birth typed in, and a birthplace chosen from the atlas so that the zone suggestion shows.
    void FillIn() {
        Place pune;
        pune.City = "Pune";
        pune.Country = "India";
        pune.Latitude = 18.52;
        pune.Longitude = 73.86;
        pune.TimeZoneId = "Asia/Kolkata";
        t->pick = PlacePick{PlacePick::Outcome::Use, pune};
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Type(form.get(), "txtMCity", QStringLiteral("Pune"));
        Type(form.get(), "txtMState", QStringLiteral("Maharashtra"));
        Type(form.get(), "txtMCountry", QStringLiteral("India"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        QVERIFY(Child(form.get(), "zoneSuggestion")->isVisible());
    }

private slots:
    void formulaMatchesKnownRatios() {
        QCOMPARE(Contrast(Qt::black, Qt::white), 21.0);
        QCOMPARE(Contrast(Qt::white, Qt::white), 1.0);
        // Grey 118 on white is the lightest grey that passes; salmon on black is the forms' main pair.
        QVERIFY(Contrast(QColor(118, 118, 118), Qt::white) >= 4.5);
        QVERIFY(Contrast(QColor(119, 119, 119), Qt::white) < 4.5);
        QVERIFY(std::abs(Contrast(QColor(228, 151, 114), Qt::black) - 8.97) < 0.01);
    }

    // The measure itself finds faint texts, black on the buttons' grey passing.
    void faintTextIsFound() {
        QWidget window;
        window.setObjectName(QStringLiteral("probe"));
        window.setStyleSheet(
            QStringLiteral("QWidget#probe { background-color: rgb(128, 128, 128); }"
                           "QLabel { font-weight: bold; }"));
        window.resize(300, 100);
        auto* faint = new QLabel(QStringLiteral("Faint grey words"), &window);
        faint->setObjectName(QStringLiteral("faint"));
        faint->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
        faint->setGeometry(10, 10, 200, 20);
        auto* plain = new QLabel(QStringLiteral("White words, 3.95 : 1"), &window);
        plain->setObjectName(QStringLiteral("white"));
        plain->setStyleSheet(QStringLiteral("color: white;"));
        plain->setGeometry(10, 40, 200, 20);
        auto* clear = new QLabel(QStringLiteral("Black words"), &window);
        clear->setStyleSheet(QStringLiteral("color: black;"));
        clear->setGeometry(10, 70, 200, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList found = PoorContrast(&window);
        QCOMPARE(found.size(), 2);
        QVERIFY2(found.join(u'\n').contains(QStringLiteral("probe/faint rgb(90,90,90) on rgb(128,128,128)")),
                 qPrintable(found.join(u'\n')));
        QVERIFY2(
            found.join(u'\n').contains(QStringLiteral("probe/white rgb(255,255,255) on rgb(128,128,128): 3.95 : 1")),
            qPrintable(found.join(u'\n')));
    }

    void everyTextStandsOutFromItsBackground() {
        FillIn();
        NONE_OF(PoorContrast(form.get()));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        frmDisplay* display = form->ReadingForm();
        QVERIFY(display);
        QVERIFY(QTest::qWaitForWindowExposed(display));
        NONE_OF(PoorContrast(display));
        frmAbout about(t->shell, display);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        NONE_OF(PoorContrast(&about));
        PlaceFinderDialog finder(QStringLiteral("Pune"), form.get());  // opened from the birth-data form
        finder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finder));
        NONE_OF(PoorContrast(&finder));
    }

    void openListsStandOutToo() {
        for (const char* name : {"cboMonth", "cmbTimeZone"}) {
            auto* list = Child<QComboBox>(form.get(), name);
            list->showPopup();
            QAbstractItemView* view = list->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            const QPalette& p = view->palette();
            QVERIFY2(Contrast(p.color(QPalette::Text), p.color(QPalette::Base)) >= 4.5, name);
            QVERIFY2(Contrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)) >= 4.5, name);
            list->hidePopup();
        }
    }

    // Each closed list shows its arrow in the right of its box, in the list's text colour, whether focused
    // or not (the arrow is drawn by the list itself, not by the style sheet).
    void everyListShowsItsArrow() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QList<QComboBox*> lists = form->findChildren<QComboBox*>();
        // The seven written lists and the four of "between … and …".
        QCOMPARE(lists.size(), 11);
        for (QComboBox* list : lists) {
            for (const bool focused : {false, true}) {
                if (focused) list->setFocus();
                const QImage picture = Picture(list);
                const QColor text = list->palette().color(list->foregroundRole());
                const QRect right(picture.width() - 18, 0, 18, picture.height());
                const QRect left(0, 0, picture.width() - 18, picture.height());
                QVERIFY2(Drawn(picture, right, text), qPrintable(NameOf(list)));
                QVERIFY2(Contrast(text, Ground(picture, right)) >= 3.0, qPrintable(NameOf(list)));
                // Nothing like it stands in the text part of an empty list.
                if (list->currentText().isEmpty()) QVERIFY2(!Drawn(picture, left, text), qPrintable(NameOf(list)));
            }
        }
    }

    // The options' marks are round: salmon through the middle when chosen, black there when not, and the
    // mark's corners stay black either way.
    void optionMarksAreRound() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const char* name : {"optLat_0", "optLat_1"}) {
            auto* option = Child<QRadioButton>(form.get(), name);
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect mark = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            const QImage picture = Picture(option);
            const QColor salmon(228, 151, 114);
            const auto near = [](QColor a, QColor b) {
                return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <=
                       24;
            };
            QVERIFY2(mark.width() >= 9 && mark.height() >= 9, name);
            for (const QPoint corner : {mark.topLeft(), mark.topRight(), mark.bottomLeft(), mark.bottomRight()})
                QVERIFY2(near(picture.pixelColor(corner), Qt::black), name);
            QCOMPARE(near(picture.pixelColor(mark.center()), salmon), option->isChecked());
            // The ring: at least half lit where it crosses the middle row (it is smoothed over two pixels).
            const int ring = std::max(picture.pixelColor(QPoint(mark.left(), mark.center().y())).red(),
                                      picture.pixelColor(QPoint(mark.left() + 1, mark.center().y())).red());
            QVERIFY2(ring >= salmon.red() / 2, name);
        }
    }

    // The form is drawn by the windows' style, not through a style sheet (which cost a third of its start),
    // and looks as it did: the grounds, the grey borders and the salmon marks in their places.
    void formLooksTheSameWithoutAStyleSheet() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->styleSheet().isEmpty());
        for (QWidget* w : form->findChildren<QWidget*>())
            QVERIFY2(!w->testAttribute(Qt::WA_StyleSheet), qPrintable(NameOf(w)));
        const QImage picture = Picture(form.get());
        const QColor salmon(228, 151, 114), grey(128, 128, 128);
        const auto at = [&](const char* name, QPoint p) {
            QWidget* w = Child(form.get(), name);
            return QColor(picture.pixel(w->mapTo(form.get(), p)));
        };
        QCOMPARE(at("Frame1", QPoint(3, 30)), salmon);              // the personal details on salmon
        QCOMPARE(at("fraZone", QPoint(3, 30)), QColor(Qt::black));  // the zone box inside it on black
        QCOMPARE(at("fraZone", QPoint(0, 30)), grey);               // its border
        auto* city = Child<QLineEdit>(form.get(), "txtMCity");      // not the focused field, whose border is white
        QCOMPARE(at("txtMCity", QPoint(0, city->height() / 2)), grey);
        QCOMPARE(at("txtMCity", QPoint(3, city->height() / 2)), QColor(Qt::black));
        // A group's title stands on its own ground, breaking the line above the box.
        auto* zone = Child<QGroupBox>(form.get(), "fraZone");
        QStyleOptionGroupBox option;
        option.initFrom(zone);
        option.text = zone->title();
        const QRect title = zone->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, zone);
        QCOMPARE(at("fraZone", QPoint(title.left() + 1, 7)), QColor(Qt::black));
        QCOMPARE(at("fraZone", QPoint(title.right() + 2, 7)), grey);
        // A tick box's square mark: salmon border, black inside until ticked.
        auto* dst = Child<QCheckBox>(form.get(), "chkDST");
        QStyleOptionButton box;
        box.initFrom(dst);
        const QRect mark = dst->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, dst);
        QCOMPARE(QColor(Picture(dst).pixel(mark.topLeft())), salmon);
        QCOMPARE(QColor(Picture(dst).pixel(mark.center())), QColor(Qt::black));
        dst->setChecked(true);
        QCOMPARE(QColor(Picture(dst).pixel(mark.center())), salmon);
    }

    // What the form makes inside the bold personal-details box takes the window's font, as the words the
    // form was laid out with do; only the box's title is bold.
    void controlsMadeInsideTheDetailsBoxAreNotBold() {
        for (const char* name : {"lblTimeUnknown", "lblTimeFrom", "lblTimeTo", "chkTimeUnknown"})
            QVERIFY2(!Child(form.get(), name)->font().bold(), name);
        QVERIFY(Child<QPushButton>(form.get(), "cmdRashi")->font().bold());
        auto* details = Child<QGroupBox>(form.get(), "Frame1");
        QStyleOptionGroupBox option;
        option.initFrom(details);
        option.text = details->title();
        const QRect title =
            details->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, details);
        QFont bold = details->font();
        bold.setBold(true);
        QVERIFY(title.width() >= QFontMetrics(bold).horizontalAdvance(details->title()));
    }

    // A dialog opened from the form shows the form's black fields and grey buttons on its light ground.
    void dialogsFromTheFormKeepItsFields() {
        PlaceFinderDialog finder(QStringLiteral("Pune"), form.get());
        finder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finder));
        auto* field = finder.findChild<QLineEdit*>();
        QVERIFY(field);
        field->deselect();
        const QImage picture = Picture(field);
        QCOMPARE(QColor(picture.pixel(picture.width() - 3, picture.height() / 2)), QColor(Qt::black));
        for (QPushButton* button : finder.findChildren<QPushButton*>()) {
            if (!button->isVisible()) continue;
            const QImage face = Picture(button);
            QCOMPARE(QColor(face.pixel(face.width() - 4, 3)), QColor(128, 128, 128));  // beside any icon and words
        }
        // The About box, which has a sheet of its own: the title in the form's magenta, OK grey.
        frmAbout about(t->shell, form.get());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(Child<QLabel>(&about, "Label2")->palette().color(QPalette::WindowText), QColor(255, 128, 255));
        const QImage ok = Picture(Child<QPushButton>(&about, "cmdOK"));
        QCOMPARE(QColor(ok.pixel(ok.width() - 4, 3)), QColor(128, 128, 128));
    }

    void focusShowsOnDarkAndSalmonGrounds() {
        FillIn();
        NONE_OF(FaintFocus(form.get()));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        frmDisplay* display = form->ReadingForm();
        QVERIFY(display);
        display->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(display));
        NONE_OF(FaintFocus(display));
        frmAbout about(t->shell, display);
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        NONE_OF(FaintFocus(&about));
        PlaceFinderDialog finder(QStringLiteral("Pune"), form.get());  // opened from the birth-data form
        finder.show();
        finder.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&finder));
        NONE_OF(FaintFocus(&finder));
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
