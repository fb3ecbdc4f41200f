// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-data form driven through its widgets: opening state, key filters, validation and the
// coordinate finder, web commands and quitting.

#include <QAction>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include "ui/atlas/zone_suggestion_line.h"
#include "reading/time_zones.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"
#include "ui/widgets/small_widgets.h"
#include "ui/seams/message_sink.h"
#include "ui/style/look.h"
#include "common/version.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

class RecordingFinder final : public CoordinateFinder {
public:
    explicit RecordingFinder(QStringList& calls) : calls_(calls) {}
    void FindCoordinates(const QString& phrase, const QUrl& home) override {
        calls_ << phrase << QUrlQuery(home).queryItemValue(QStringLiteral("page"));
    }

private:
    QStringList& calls_;
};

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

}  // namespace

class BirthFormTest : public OnFreshBirthForm {
    Q_OBJECT

    QVector<ShownMessage>& Messages() { return t->messages.shown; }

    void FillValidBirth() {
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Type(form.get(), "txtLonD", QStringLiteral("73"));
        Type(form.get(), "txtLonM", QStringLiteral("51"));
        Type(form.get(), "txtLatD", QStringLiteral("18"));
        Type(form.get(), "txtLatM", QStringLiteral("31"));
    }

    QWidget* Focused() const { return QApplication::focusWidget(); }

private slots:
    void opensWithListsPresetAndFieldsEmpty() {
        QCOMPARE(form->windowTitle(), QString::fromUtf8(kProductTitle));
        // As designed, taller only by what a branding text needs where the font's lines do not fit.
        QCOMPARE(form->centralWidget()->width(), kBirthFormWidth);
        QVERIFY(form->centralWidget()->height() >= kBirthFormHeight &&
                form->centralWidget()->height() <= kBirthFormHeight + 16);
        const struct {
            const char* list;
            int count;
            const char* first;
            const char* last;
        } lists[] = {{"cboMonth", 12, "January", "December"},
                     {"cboDate", 31, "1", "31"},
                     {"cboYear", 150, "1901", "2050"},
                     {"cboHH", 24, "0", "23"},
                     {"cboMM", 60, "0", "59"},
                     {"cboSS", 60, "0", "59"}};
        for (const auto& l : lists) {
            auto* combo = Child<QComboBox>(form.get(), l.list);
            QCOMPARE(combo->count(), l.count);
            QCOMPARE(combo->itemText(0), QString::fromLatin1(l.first));
            QCOMPARE(combo->itemText(l.count - 1), QString::fromLatin1(l.last));
            QCOMPARE(combo->currentIndex(), 0);
            QVERIFY2(!combo->isEditable(), l.list);
        }
        QCOMPARE(Child<QComboBox>(form.get(), "cboMonth")->itemText(8), QStringLiteral("September"));
        auto* zones = Child<QComboBox>(form.get(), "cmbTimeZone");
        // The 71 rows, then local mean time and a typed offset.
        QCOMPARE(zones->count(), 73);
        QCOMPARE(zones->itemText(70), QStringLiteral("Yukon War Time,YWT,-8.0"));
        QCOMPARE(zones->itemText(71), QStringLiteral("Local mean time of the birthplace"));
        QCOMPARE(zones->itemText(72), QStringLiteral("Other offset (\u00B1hh:mm[:ss])\u2026"));
        QVERIFY(!Child<QLineEdit>(form.get(), "txtZoneOffset")->isVisible());
        QVERIFY(!zones->isEditable());
        QCOMPARE(zones->currentIndex(), 29);
        QCOMPARE(zones->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
        QCOMPARE(zones->itemText(34), QStringLiteral("Indian Time, IST, +5.3"));

        QVERIFY(Child<QRadioButton>(form.get(), "optLong_0")->isChecked());
        QCOMPARE(Child<QRadioButton>(form.get(), "optLong_0")->text(), QStringLiteral("East"));
        QVERIFY(Child<QRadioButton>(form.get(), "optLat_0")->isChecked());
        QCOMPARE(Child<QRadioButton>(form.get(), "optLat_1")->text(), QStringLiteral("South"));
        QCOMPARE(Child<QButtonGroup>(form.get(), "optLat")->checkedId(), 0);
        QCOMPARE(Child<QButtonGroup>(form.get(), "optLong")->checkedId(), 0);
        QVERIFY(!Child<QCheckBox>(form.get(), "chkDST")->isChecked());
        for (const char* field :
             {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity", "txtMState", "txtMCountry"})
            QVERIFY2(Child<QLineEdit>(form.get(), field)->text().isEmpty(), field);
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLonD")->maxLength(), 3);
        for (const char* field : {"txtLonM", "txtLatD", "txtLatM"})
            QCOMPARE(Child<QLineEdit>(form.get(), field)->maxLength(), 2);
        QCOMPARE(Child<QPushButton>(form.get(), "cmdBrowser")->text(),
                 QStringLiteral("Click Here To Find Latitude && Longitude"));
        QCOMPARE(Child<QPushButton>(form.get(), "cmdRashi")->text(),
                 QStringLiteral("Get My Galactic Astrology Reading"));
    }

    // A list's popup shows the list's own font: plain, though the frame around it is bold; whether the font
    // was set before the entries (the form's order) or after them, while the list was hidden or shown, and
    // before or after the list was first opened. The form's own lists, under its style sheet, too.
    void listPopupsShowTheListsOwnFont() {
        const auto shows = [](FormList* list, const QFont& font) {
            list->showPopup();
            if (!QTest::qWaitFor([list] { return list->view()->isVisible(); })) return QStringLiteral("not opened");
            const QFont shown = list->view()->font();
            list->hidePopup();
            if (shown.family() == font.family() && shown.pointSizeF() == font.pointSizeF() &&
                shown.bold() == font.bold() && shown.italic() == font.italic())
                return QString();
            return shown.toString() + QStringLiteral(" instead of ") + font.toString();
        };
        QWidget frame;
        QFont bold = frame.font();
        bold.setBold(true);
        bold.setPointSize(13);
        frame.setFont(bold);
        QFont plain = bold;
        plain.setBold(false);
        const QStringList entries{QStringLiteral("one"), QStringLiteral("two")};
        auto* fontFirst = new FormList(&frame);
        fontFirst->setFont(plain);
        fontFirst->addItems(entries);
        fontFirst->setCurrentIndex(1);
        auto* entriesFirst = new FormList(&frame);
        entriesFirst->addItems(entries);
        entriesFirst->setFont(plain);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(shows(fontFirst, plain), QString());
        QCOMPARE(shows(entriesFirst, plain), QString());

        QFont italic = plain;
        italic.setItalic(true);
        italic.setPointSize(11);
        frame.hide();
        entriesFirst->setFont(italic);  // hidden, after it was opened
        frame.show();
        QCOMPARE(shows(entriesFirst, italic), QString());
        QFont larger = plain;
        larger.setPointSize(15);
        entriesFirst->setFont(larger);  // shown
        QCOMPARE(shows(entriesFirst, larger), QString());
        frame.hide();
        entriesFirst->setFont(plain);  // hidden again, after a font was passed on while shown
        frame.show();
        QCOMPARE(shows(entriesFirst, plain), QString());

        for (const char* name : {"cboMonth", "cmbTimeZone"}) {
            auto* list = Child<FormList>(form.get(), name);
            QVERIFY2(!list->font().bold(), name);
            QCOMPARE(shows(list, list->font()), QString());
        }
    }

    // Every text of the form is in the windows' typeface at 8.25 points, keeping its own weight, though the
    // form's style sheet keeps Qt from passing the window's font on; a message box keeps the desktop's font.
    void textsInTheWindowsFontAndMessagesInTheDesktops() {
        QStringList wrong;
        for (QWidget* control : form->centralWidget()->findChildren<QWidget*>()) {
            const QFontInfo shown(control->font());
            if (shown.family() != UiFontFamily() || control->font().pointSizeF() != 8.25)
                wrong << control->objectName() + u' ' + shown.family() + u' ' +
                             QString::number(control->font().pointSizeF());
        }
        QCOMPARE(wrong.join(u"; "), QString());
        QVERIFY(Child<QLabel>(form.get(), "Label2")->font().bold());
        QVERIFY(!Child<QLabel>(form.get(), "Label13")->font().bold());

        const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        QVERIFY(desktop != UiFont());
        QStringList boxFonts;
        QTimer::singleShot(0, [&boxFonts] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            for (const QLabel* label : box->findChildren<QLabel*>())
                if (!label->text().isEmpty()) boxFonts << label->font().toString();
            box->close();
        });
        BoxMessageSink().Show(QStringLiteral("A message"), MessageIcon::Information, form.get());
        QVERIFY(!boxFonts.isEmpty());
        for (const QString& font : boxFonts) QCOMPARE(font, desktop.toString());
    }

    void menusInOrderWithMakeMoneySwitchedOff() {
        QStringList bar;
        for (const QAction* action : form->menuBar()->actions()) bar << action->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QCOMPARE(MenuTexts(Child<QMenu>(form.get(), "mnuFile")),
                 (QStringList{"Get My Galactic Astrology Reading", "E&xit", "-", "Open Births…", "Open Recent",
                              "Save to Births", "Save Births As…", "Import…"}));
        QCOMPARE(Child<QAction>(form.get(), "mnuOpenBirths")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(Child<QAction>(form.get(), "mnuSaveToBirths")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(MenuTexts(Child<QMenu>(form.get(), "mnuHelp")),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                              "&About Software"}));
        auto* mkmoney = Child<QAction>(form.get(), "mkmoney");
        QVERIFY(!mkmoney->isEnabled());
        mkmoney->trigger();  // a switched-off command does not fire
        QVERIFY(t->web.opened.isEmpty());
    }

    void coordinateFieldsTakeDigitsAndBackspaceOnly() {
        auto* lonD = Child<QLineEdit>(form.get(), "txtLonD");
        lonD->setFocus();
        QTest::keyClicks(lonD, QStringLiteral("12"));
        QTest::keyClick(lonD, Qt::Key_Backspace);
        QCOMPARE(lonD->text(), QStringLiteral("1"));
        QVERIFY(Messages().isEmpty());

        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        struct {
            const char* what;
            std::function<void()> press;
        } refused[] = {
            {"Enter", [&] { QTest::keyClick(lonD, Qt::Key_Return); }},
            {"minus", [&] { QTest::keyClick(lonD, '-'); }},
            {"decimal point", [&] { QTest::keyClick(lonD, '.'); }},
            {"letter", [&] { QTest::keyClick(lonD, 'a'); }},
            {"Ctrl+V", [&] { QTest::keyClick(lonD, Qt::Key_V, Qt::ControlModifier); }},
        };
        for (auto& key : refused) {
            Messages().clear();
            key.press();
            QCOMPARE(Messages(), (QVector<ShownMessage>{{"Only Numbers Are Accepted", MessageIcon::Error}}));
            QVERIFY2(lonD->text() == QStringLiteral("1"), key.what);
        }
        // Each of the four fields runs the same filter.
        for (const char* field : {"txtLonM", "txtLatD", "txtLatM"}) {
            Messages().clear();
            Type(form.get(), field, QStringLiteral("4-"));
            QCOMPARE(Child<QLineEdit>(form.get(), field)->text(), QStringLiteral("4"));
            QCOMPARE(Messages().size(), 1);
        }
    }

    void coordinateFieldsStopAtTheirLength() {
        Type(form.get(), "txtLonD", QStringLiteral("1234"));
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLonD")->text(), QStringLiteral("123"));
        for (const char* field : {"txtLonM", "txtLatD", "txtLatM"}) {
            Type(form.get(), field, QStringLiteral("567"));
            QCOMPARE(Child<QLineEdit>(form.get(), field)->text(), QStringLiteral("56"));
        }
        QVERIFY(Messages().isEmpty());
    }

    void nameTurnsSmallLettersIntoCapitalsAndRefusesTheRest() {
        auto* name = Child<QLineEdit>(form.get(), "txtName");
        Type(form.get(), "txtName", QStringLiteral("mary ann"));
        QCOMPARE(name->text(), QStringLiteral("MARY ANN"));
        QVERIFY(Messages().isEmpty());
        for (QChar refused : {QChar(u'\''), QChar(u'-'), QChar(u'7'), QChar(u'\u00e9')}) {
            Messages().clear();
            QTest::sendKeyEvent(QTest::Press, name, Qt::Key_unknown, QString(refused), Qt::NoModifier);
            QCOMPARE(Messages(), (QVector<ShownMessage>{{"Please Enter only Letters", MessageIcon::Information}}));
        }
        QCOMPARE(name->text(), QStringLiteral("MARY ANN"));
        // No length limit on the name.
        Type(form.get(), "txtName", QString(40, u'x'));
        QCOMPARE(name->text().size(), 48);
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text().size(), 47);
    }

    void validationReportsTheFirstFaultAndMovesTheFocus() {
        // The menu command runs the same reading and, unlike a click on the button, leaves the focus.
        auto press = [&] {
            Messages().clear();
            Child<QAction>(form.get(), "mnuNext")->trigger();
        };
        Type(form.get(), "txtName", QStringLiteral("   "));
        Child<QLineEdit>(form.get(), "txtMCity")->setFocus();
        press();
        QCOMPARE(Messages(), (QVector<ShownMessage>{{"Please Enter Name", MessageIcon::Error}}));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtName"));

        // Every coordinate empty: longitude comes before latitude, degrees before minutes.
        Type(form.get(), "txtName", QStringLiteral("x"));
        press();
        QCOMPARE(Messages().value(0).Text,
                 QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude"));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtLonD"));
        Type(form.get(), "txtLonD", QStringLiteral("180"));
        press();
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtLonD"));
        Child<QLineEdit>(form.get(), "txtLonD")->setText(QStringLiteral("179"));
        press();
        QCOMPARE(Messages().value(0).Text,
                 QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude"));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtLonM"));
        Type(form.get(), "txtLonM", QStringLiteral("59"));
        press();
        QCOMPARE(Messages().value(0).Text,
                 QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude"));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtLatD"));
        Type(form.get(), "txtLatD", QStringLiteral("00"));
        Type(form.get(), "txtLatM", QStringLiteral("60"));
        press();
        QCOMPARE(Messages(), (QVector<ShownMessage>{{"Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                                                     MessageIcon::Error}}));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtLatM"));
        Child<QLineEdit>(form.get(), "txtLatM")->setText(QStringLiteral("0"));

        // Date faults keep the focus where it was.
        Pick(form.get(), "cboMonth", QStringLiteral("February"));
        Pick(form.get(), "cboDate", QStringLiteral("29"));
        Pick(form.get(), "cboYear", QStringLiteral("1901"));
        Child<QLineEdit>(form.get(), "txtMState")->setFocus();
        press();
        QCOMPARE(Messages(),
                 (QVector<ShownMessage>{{"Please Enter Correct Date Or Month!", MessageIcon::Information}}));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtMState"));
        Pick(form.get(), "cboMonth", QStringLiteral("November"));
        Pick(form.get(), "cboDate", QStringLiteral("31"));
        press();
        QCOMPARE(Messages(),
                 (QVector<ShownMessage>{{"Please Enter Correct Date Or Month !", MessageIcon::Information}}));
        QCOMPARE(Focused(), Child<QWidget>(form.get(), "txtMState"));
        QVERIFY(!form->ReadingForm());

        Pick(form.get(), "cboDate", QStringLiteral("30"));
        press();
        QVERIFY(Messages().isEmpty());
        QVERIFY(form->ReadingForm());
    }

    void formValuesReachTheReadingAsShown() {
        FillValidBirth();
        Pick(form.get(), "cboMonth", QStringLiteral("June"));
        Pick(form.get(), "cboDate", QStringLiteral("15"));
        Pick(form.get(), "cboYear", QStringLiteral("1985"));
        Pick(form.get(), "cboHH", QStringLiteral("7"));
        Pick(form.get(), "cboMM", QStringLiteral("30"));
        Pick(form.get(), "cboSS", QStringLiteral("45"));
        Child<QComboBox>(form.get(), "cmbTimeZone")->setCurrentIndex(34);
        QTest::mouseClick(Child<QRadioButton>(form.get(), "optLat_1"), Qt::LeftButton);
        QTest::mouseClick(Child<QRadioButton>(form.get(), "optLong_1"), Qt::LeftButton);
        QTest::mouseClick(Child<QCheckBox>(form.get(), "chkDST"), Qt::LeftButton);
        const BirthFormValues v = form->CollectBirthForm();
        QCOMPARE(v.Name, std::string("ASHA"));
        QCOMPARE(v.LongitudeDegrees, std::string("73"));
        QCOMPARE(v.LatitudeMinutes, std::string("31"));
        QCOMPARE(v.MonthPosition, 5);
        QCOMPARE(v.DayPosition, 14);
        QCOMPARE(v.YearPosition, 84);
        QCOMPARE(v.Year, 1985);
        QCOMPARE(v.Hour, 7);
        QCOMPARE(v.Minute, 30);
        QCOMPARE(v.Second, 0);  // the seconds list is offered, but a second picked there does not count
        QCOMPARE(v.ZoneIndex, 34);
        QVERIFY(v.IsSouth);
        QVERIFY(!v.IsEast);
        QVERIFY(v.IsDaylightSaving);
    }

    // A births record's clock seconds count while the form shows its date and time; a second picked on the
    // form, or any other date or time, leaves them out.
    void recordSecondsCountWhileItsTimeIsShown() {
        births::Birth birth;
        birth.Data.Name = "MIA LIND";
        birth.Data.Year = 1962;
        birth.Data.Month = 6;
        birth.Data.Day = 14;
        birth.Data.Hour = 23;
        birth.Data.Minute = 15;
        birth.Data.Second = 30;
        birth.Data.LatitudeDegrees = 59;
        birth.Data.LongitudeDegrees = 17;
        birth.ZoneRow = 29;
        form->ShowBirth(birth);
        QCOMPARE(Child<QComboBox>(form.get(), "cboSS")->currentText(), QStringLiteral("30"));
        QCOMPARE(form->CollectBirthForm().Second, 30);
        Pick(form.get(), "cboSS", QStringLiteral("31"));
        QCOMPARE(form->CollectBirthForm().Second, 0);
        Pick(form.get(), "cboSS", QStringLiteral("30"));
        QCOMPARE(form->CollectBirthForm().Second, 30);
        Pick(form.get(), "cboMM", QStringLiteral("16"));
        QCOMPARE(form->CollectBirthForm().Second, 0);
    }

    void coordinateFinderAsksForCityStateCountryThenSearches() {
        QStringList calls;
        t->shell.SetCoordinateFinderFactory([&calls] { return std::make_unique<RecordingFinder>(calls); });
        auto* browse = Child<QPushButton>(form.get(), "cmdBrowser");
        const struct {
            const char* type;  // field typed into before the click, or nullptr
            const char* text;
            const char* message;
            const char* focus;
        } steps[] = {{nullptr, "", "Please Enter City", "txtMCity"},
                     {"txtMCity", "Pune", "Please Enter State", "txtMState"},
                     {"txtMState", "Maharashtra", "Please Enter Country", "txtMCountry"}};
        for (const auto& step : steps) {
            if (step.type) Type(form.get(), step.type, QString::fromLatin1(step.text));
            Messages().clear();
            Child<QLineEdit>(form.get(), "txtName")->setFocus();
            QTest::mouseClick(browse, Qt::LeftButton);
            QCOMPARE(Messages(), (QVector<ShownMessage>{{step.message, MessageIcon::Information}}));
            QCOMPARE(Focused(), Child<QWidget>(form.get(), step.focus));
        }
        QVERIFY(calls.isEmpty());
        Type(form.get(), "txtMCountry", QStringLiteral("India"));
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(calls, (QStringList{"Pune Maharashtra India Latitude Longitude", "home-page"}));
        QVERIFY(Child<QLineEdit>(form.get(), "txtLatD")->text().isEmpty());
    }

    void defaultFinderSearchesTheWebWithThePhraseEncoded() {
        Type(form.get(), "txtMCity", QStringLiteral("St. John's"));
        Type(form.get(), "txtMState", QStringLiteral("NL&x=1"));
        Type(form.get(), "txtMCountry", QStringLiteral(" "));  // blanks count as filled
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        QVERIFY(Messages().isEmpty());
        QCOMPARE(t->web.opened.size(), 1);
        const QByteArray encoded = t->web.opened[0].toEncoded();
        QVERIFY2(!encoded.contains(' ') && !encoded.contains("&x=1") && !encoded.contains('\''), encoded.constData());
        QCOMPARE(QUrl::fromPercentEncoding(encoded.mid(encoded.indexOf('=') + 1)),
                 QStringLiteral("St. John's NL&x=1   Latitude Longitude"));
    }

    void atlasPlaceFillsCoordinatesAndSuggestsTheZoneOnlyOnApply() {
        Type(form.get(), "txtMCity", QStringLiteral("Madrid"));
        Type(form.get(), "txtMState", QStringLiteral(" "));
        Type(form.get(), "txtMCountry", QStringLiteral("Spain"));
        Pick(form.get(), "cboMonth", QStringLiteral("March"));
        Pick(form.get(), "cboDate", QStringLiteral("10"));
        Pick(form.get(), "cboYear", QStringLiteral("1985"));
        Pick(form.get(), "cboHH", QStringLiteral("8"));
        Pick(form.get(), "cboMM", QStringLiteral("30"));
        Place madrid;
        madrid.City = "Madrid";
        madrid.Country = "Spain";
        madrid.Latitude = 40.4165;    // 40 deg 24.99 min: rounds up to 25
        madrid.Longitude = -3.70256;  // 3 deg 42.15 min west
        madrid.TimeZoneId = "Europe/Madrid";
        t->pick = {PlacePick::Outcome::Use, madrid};
        const int heightBefore = form->height();

        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        QCOMPARE(t->placeQueries, QStringList{"Madrid, Spain"});
        QVERIFY(t->web.opened.isEmpty());
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLatD")->text(), QStringLiteral("40"));
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLatM")->text(), QStringLiteral("25"));
        QVERIFY(Child<QRadioButton>(form.get(), "optLat_0")->isChecked());
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLonD")->text(), QStringLiteral("3"));
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLonM")->text(), QStringLiteral("42"));
        QVERIFY(Child<QRadioButton>(form.get(), "optLong_1")->isChecked());

        // The suggestion appears under the zone box; nothing in the zone changes until Apply.
        auto* line = Child<ZoneSuggestionLine>(form.get(), "zoneSuggestion");
        QVERIFY(line->isVisible());
        QVERIFY2(line->Text().startsWith(QStringLiteral("Madrid on 10 Mar 1985 08:30: UTC+1")),
                 qPrintable(line->Text()));
        QCOMPARE(Child<QComboBox>(form.get(), "cmbTimeZone")->currentIndex(), 29);
        QVERIFY(form->height() > heightBefore);
        const QRect zone = Child<QWidget>(form.get(), "fraZone")->geometry();
        QVERIFY(Child<QWidget>(form.get(), "Frame3")->geometry().top() > line->geometry().bottom());
        QVERIFY(line->geometry().top() > zone.bottom());

        auto* apply = line->findChild<QPushButton*>();
        QVERIFY(apply && apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(Child<QComboBox>(form.get(), "cmbTimeZone")->currentText(),
                 QStringLiteral("Central European Time,CET,+1.0"));
        QVERIFY(!Child<QCheckBox>(form.get(), "chkDST")->isChecked());
        QVERIFY(!apply->isEnabled());

        // 10 July: summer time in Madrid (UTC+2). Applied, 09:30 on the clock is 07:30 UT.
        Pick(form.get(), "cboMonth", QStringLiteral("July"));
        QVERIFY(apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
        Pick(form.get(), "cboHH", QStringLiteral("9"));
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        const auto outcome = t->shell.Session().Read(form->CollectBirthForm());
        QVERIFY(outcome.Reading);
        QCOMPARE(outcome.Reading->UniversalTime.Hour * 60 + outcome.Reading->UniversalTime.Minute, 7 * 60 + 30);
    }

    // An offset typed to the second, or the birthplace's local mean time, instead of a row: the field beside
    // the list takes it, an unreadable one stops the reading with the way to write it.
    void exactOffsetAndLocalMeanTimeAfterTheRows() {
        FillValidBirth();  // 18N31 73E51
        Pick(form.get(), "cboYear", QStringLiteral("1990"));
        Pick(form.get(), "cboMonth", QStringLiteral("May"));
        Pick(form.get(), "cboHH", QStringLiteral("10"));
        auto* offset = Child<QLineEdit>(form.get(), "txtZoneOffset");
        Pick(form.get(), "cmbTimeZone", QStringLiteral("Other offset (\u00B1hh:mm[:ss])\u2026"));
        QVERIFY(offset->isVisible());
        QVERIFY(!offset->isReadOnly());
        QCOMPARE(offset->accessibleName(), QStringLiteral("UTC offset"));
        QVERIFY(offset->accessibleDescription().contains(QStringLiteral("+05:45")));
        // Tab goes from the list to the field.
        QCOMPARE(Child<QComboBox>(form.get(), "cmbTimeZone")->nextInFocusChain(), offset);

        Type(form.get(), "txtZoneOffset", QStringLiteral("+5:7"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(!form->ReadingForm());
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages()[0].Text.startsWith(QStringLiteral("Please enter the offset from Universal Time as +hh:mm")));
        QCOMPARE(Focused(), offset);

        offset->clear();
        Type(form.get(), "txtZoneOffset", QStringLiteral("-00:25:21"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm());
        QCOMPARE(t->shell.Session().LastReading()->UniversalTime, (CivilDateTime{1990, 5, 1, 10, 25, 21}));
        auto* instant = Child<QLabel>(form->ReadingForm(), "lblInstant");
        QVERIFY(instant->isVisible());
        QVERIFY2(instant->text().contains(QStringLiteral("Universal Time used: 1990-05-01 10:25:21")),
                 qPrintable(instant->text()));
        QVERIFY(instant->text().contains(QStringLiteral("UTC offset used: -00:25:21")));
        QCOMPARE(form->ReadingForm()->height(),
                 537 + instant->height() + form->ReadingForm()->menuBar()->sizeHint().height());
        QVERIFY(report::ReadingPlainText(form->ReadingForm()->Document())
                    .contains(QStringLiteral("UTC offset used: -00:25:21\n")));
        form->ReadingForm()->close();

        // Local mean time: worked out from the longitude as it is typed, shown read-only.
        Pick(form.get(), "cmbTimeZone", QStringLiteral("Local mean time of the birthplace"));
        QVERIFY(!offset->isHidden());
        QVERIFY(offset->isReadOnly());
        QCOMPARE(offset->text(), QStringLiteral("+04:55:24"));  // 73 deg 51 min E
        Child<QLineEdit>(form.get(), "txtLonM")->setText(QStringLiteral("53"));
        QCOMPARE(offset->text(), QStringLiteral("+04:55:32"));
        Child<QLineEdit>(form.get(), "txtLonD")->setText(QStringLiteral("4"));
        QCOMPARE(offset->text(), QStringLiteral("+00:19:32"));
        const BirthFormValues values = form->CollectBirthForm();
        QVERIFY(values.LocalMeanTime);
        QCOMPARE(values.ZoneIndex, -1);
        const auto reading = t->shell.Session().Read(values).Reading;
        QCOMPARE(reading->UniversalTime, (CivilDateTime{1990, 5, 1, 9, 40, 28}));

        // Back to a row: the field goes, and the reading is the row's.
        Pick(form.get(), "cmbTimeZone", QStringLiteral("Indian Time, IST, +5.3"));
        QVERIFY(offset->isHidden());
        QCOMPARE(form->CollectBirthForm().ZoneIndex, 34);
        QVERIFY(!form->CollectBirthForm().ExactOffset && !form->CollectBirthForm().LocalMeanTime);
    }

    // Apply chooses the exact offset, or local mean time, wherever no row has the clock's offset; each
    // checked against the time-zone database's own offset at that date.
    void applyChoosesTheExactOffsetWhereNoRowHasIt() {
        const struct {
            const char* City;
            const char* Zone;
            double Latitude, Longitude;
            const char *Year, *Month;
            const char* Offset;  // in the field after Apply; empty: local mean time
            CivilDateTime Universal;
        } places[] = {
            {"Kathmandu", "Asia/Kathmandu", 27.7017, 85.3206, "1990", "May", "+05:45", {1990, 5, 1, 4, 15, 0}},
            {"Caracas", "America/Caracas", 10.4880, -66.8792, "2010", "June", "-04:30", {2010, 6, 1, 14, 30, 0}},
            {"Amsterdam", "Europe/Amsterdam", 52.3740, 4.8897, "1925", "June", "+00:19:32", {1925, 6, 1, 9, 40, 28}},
            {"Dublin", "Europe/Dublin", 53.3331, -6.2489, "1910", "June", "-00:25:21", {1910, 6, 1, 10, 25, 21}},
            {"Monrovia", "Africa/Monrovia", 6.3005, -10.7969, "1950", "June", "-00:44:30", {1950, 6, 1, 10, 44, 30}},
            {"Pokhara", "Asia/Kathmandu", 28.2096, 83.9856, "1905", "June", "", {1905, 6, 1, 4, 24, 4}},
        };
        auto* zones = Child<QComboBox>(form.get(), "cmbTimeZone");
        auto* offset = Child<QLineEdit>(form.get(), "txtZoneOffset");
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Pick(form.get(), "cboHH", QStringLiteral("10"));
        for (const auto& p : places) {
            Pick(form.get(), "cboYear", QLatin1String(p.Year));
            Pick(form.get(), "cboMonth", QLatin1String(p.Month));
            Place place;
            place.City = p.City;
            place.Country = "Here";
            place.Latitude = p.Latitude;
            place.Longitude = p.Longitude;
            place.TimeZoneId = p.Zone;
            t->pick = {PlacePick::Outcome::Use, place};
            for (const char* field : {"txtMCity", "txtMState", "txtMCountry"})
                Child<QLineEdit>(form.get(), field)->setText(QStringLiteral("x"));
            QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
            auto* line = Child<ZoneSuggestionLine>(form.get(), "zoneSuggestion");
            auto* apply = line->findChild<QPushButton*>();
            QVERIFY2(apply->isEnabled(), p.City);
            QTest::mouseClick(apply, Qt::LeftButton);
            QVERIFY2(!apply->isEnabled(), p.City);
            QVERIFY(!Child<QCheckBox>(form.get(), "chkDST")->isChecked());
            if (*p.Offset) {
                QCOMPARE(zones->currentIndex(), 72);
                QCOMPARE(offset->text(), QLatin1String(p.Offset));
            } else {
                QCOMPARE(zones->currentIndex(), 71);
                QVERIFY2(line->Text().contains(QStringLiteral("local mean time of the birthplace")),
                         qPrintable(line->Text()));
            }
            const auto reading = t->shell.Session().Read(form->CollectBirthForm()).Reading;
            QVERIFY(reading);
            QCOMPARE(reading->UniversalTime, p.Universal);
        }

        // Kathmandu with India's row chosen after all: the reading says the clock there showed +05:45.
        Pick(form.get(), "cboYear", QStringLiteral("1990"));
        Pick(form.get(), "cboMonth", QStringLiteral("May"));
        Place kathmandu;
        kathmandu.City = "Kathmandu";
        kathmandu.Country = "Nepal";
        kathmandu.Latitude = 27.7017;
        kathmandu.Longitude = 85.3206;
        kathmandu.TimeZoneId = "Asia/Kathmandu";
        t->pick = {PlacePick::Outcome::Use, kathmandu};
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        zones->setCurrentIndex(34);
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm());
        const QString copied = report::ReadingPlainText(form->ReadingForm()->Document());
        QVERIFY2(copied.contains(QStringLiteral("Time zone: Indian Time, IST, +5.3\n")), qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("UTC offset used: +05:30\n")));
        QVERIFY(copied.contains(
            QStringLiteral("Note: the clock there showed +05:45 (Kathmandu on 1 May 1990 10:00: UTC+5:45, "
                           "standard time), but this reading uses +05:30 as chosen")));
        QVERIFY(Child<QLabel>(form->ReadingForm(), "lblInstant")
                    ->text()
                    .contains(QStringLiteral("Note: the clock there showed +05:45")));
    }

    void atlasWebSearchAndCancel() {
        Type(form.get(), "txtMCity", QStringLiteral("Nowhere"));
        Type(form.get(), "txtMState", QStringLiteral("X"));
        Type(form.get(), "txtMCountry", QStringLiteral("Y"));
        t->pick = {};
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        QVERIFY(t->web.opened.isEmpty());
        QVERIFY(Child<QLineEdit>(form.get(), "txtLatD")->text().isEmpty());
        QVERIFY(!Child<ZoneSuggestionLine>(form.get(), "zoneSuggestion")->isVisible());
        t->pick = {PlacePick::Outcome::WebSearch, std::nullopt};
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        QCOMPARE(t->web.opened.size(), 1);
    }

    void webCommandsOpenTheirPageKeys() {
        for (const WebCommand& command : kWebCommands) {
            t->web.opened.clear();
            Trigger(form.get(), command.Control);
            QCOMPARE(t->web.Keys(), QStringList{QString::fromLatin1(command.Key)});
            QCOMPARE(t->web.opened[0].toString(),
                     QStringLiteral("https://quorvane.example/page.php?page=") + command.Key);
        }
        // The co-brand label lies in front of the other one, so a click on the spot reaches it.
        t->web.opened.clear();
        auto* front = Child<LinkLabel>(form.get(), "lblCobrand");
        QWidget* strip = front->parentWidget();
        QTest::mouseClick(strip->childAt(front->geometry().center()), Qt::LeftButton);
        QCOMPARE(t->web.Keys(), QStringList{"co-brand"});
        QVERIFY(Messages().isEmpty());
    }

    void exitFromMenuOrCloseBoxEndsTheRun() {
        Child<QAction>(form.get(), "mnuExit")->trigger();
        QCOMPARE(t->quits, 1);
        QVERIFY(!form->isVisible());

        cleanup();
        init();
        form->close();
        QCOMPARE(t->quits, 1);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(BirthFormTest)
#include "birth_form_test.moc"
