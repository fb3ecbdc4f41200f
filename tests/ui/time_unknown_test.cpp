// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Time unknown" on the birth-data form, and the reading form of a birth whose time is not known.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "reading/time_window.h"
#include "reading/time_zones.h"
#include "atlas/atlas.h"
#include "births/births.h"
#include "ui/atlas/zone_suggestion_line.h"
#include "ui/births/births_list_model.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"
#include "ui/forms/wheel_window.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

class TimeUnknownTest : public OnFreshBirthForm {
    Q_OBJECT

    QCheckBox* Box() const { return Child<QCheckBox>(form.get(), "chkTimeUnknown"); }

    QComboBox* WindowList(const char* name) const { return Child<QComboBox>(form.get(), name); }
    void SetWindow(int fromHour, int fromMinute, int toHour, int toMinute) {
        WindowList("cboTimeFromHH")->setCurrentIndex(fromHour);
        WindowList("cboTimeFromMM")->setCurrentIndex(fromMinute);
        WindowList("cboTimeToHH")->setCurrentIndex(toHour);
        WindowList("cboTimeToMM")->setCurrentIndex(toMinute);
    }

    frmDisplay* ReadWithTimeUnknown() {
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Type(form.get(), "txtLatD", QStringLiteral("51"));
        Type(form.get(), "txtLatM", QStringLiteral("30"));
        Type(form.get(), "txtLonD", QStringLiteral("0"));
        Type(form.get(), "txtLonM", QStringLiteral("7"));
        Pick(form.get(), "cboYear", QStringLiteral("1985"));
        Pick(form.get(), "cboDate", QStringLiteral("15"));
        Child<QComboBox>(form.get(), "cboMonth")->setCurrentIndex(5);
        Box()->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        if (QWidget* reading = form->ReadingForm()) {
            reading->activateWindow();
            if (!QTest::qWaitForWindowActive(reading)) qWarning("the reading form did not become active");
        }
        return form->ReadingForm();
    }

private slots:
    void theBoxDisablesTheWrittenTimeLists() {
        QVERIFY(!Box()->isChecked());
        QCOMPARE(Box()->accessibleName(), QStringLiteral("Time unknown"));
        QTest::mouseClick(Child<QLabel>(form.get(), "lblTimeUnknown"), Qt::LeftButton);
        QVERIFY(Box()->isChecked());
        for (const char* list : {"cboHH", "cboMM", "cboSS"}) QVERIFY(!Child<QWidget>(form.get(), list)->isEnabled());
        Box()->setChecked(false);
        for (const char* list : {"cboHH", "cboMM", "cboSS"}) QVERIFY(Child<QWidget>(form.get(), list)->isEnabled());
    }

    // Each frame shows its sign only when it holds all day; otherwise it says so, and its box lists the
    // signs it may have with their clock times, each with its characteristics.
    void theReadingShowsOnlyCertainSignsAsSigns() {
        frmDisplay* display = ReadWithTimeUnknown();
        QVERIFY(display);
        const report::ReadingDocument& doc = display->Document();
        QVERIFY(doc.Window);
        // The day as the core reads it, independently of the form.
        BirthData birth = doc.Birth;
        const auto day = ReadTimeWindow(birth, SteadyClock(*Zone_Calculation(kDefaultTimeZoneIndex), false),
                                        MinuteWindow{}, 1985 - kFirstYear);
        const char* names[] = {"lblGalacticAscendant", "lblGalacticDescendant", "lblGalacticMoonSign",
                               "lblGalacticSunSign"};
        const char* boxes[] = {"txtGalacticAscendantDesc", "txtGalacticDescendantDesc", "txtGalacticMoonSignDesc",
                               "txtGalacticSunSignDesc"};
        bool someDepend = false;
        for (int f = 0; f < kFrameCount; ++f) {
            const GalacticSign* certain = day.CertainSign(static_cast<Frame>(f));
            const QString shown = Child<QLabel>(display, names[f])->text();
            const QString box = Child<QPlainTextEdit>(display, boxes[f])->toPlainText();
            if (certain) {
                QCOMPARE(shown, QString::fromUtf8(certain->Name.data(), static_cast<qsizetype>(certain->Name.size())));
                continue;
            }
            someDepend = true;
            QCOMPARE(shown, QStringLiteral("depends on the birth time"));
            const auto spans = FrameSpans(day, static_cast<Frame>(f));
            QVERIFY(box.startsWith(QString::fromUtf8(spans.front().Sign->Name.data(),
                                                     static_cast<qsizetype>(spans.front().Sign->Name.size())) +
                                   QStringLiteral(" 00:00\u2013")));
            for (const FrameSpan& span : spans)
                QVERIFY(box.contains(QString::fromUtf8(span.Sign->Description.data(),
                                                       static_cast<qsizetype>(span.Sign->Description.size()))
                                         .trimmed()));
        }
        // The Moon Sign frame reads the Ascendant, which goes round in a day.
        QVERIFY(someDepend);
        QCOMPARE(Child<QLabel>(display, "lblGalacticMoonSign")->text(), QStringLiteral("depends on the birth time"));
        // The copied reading says what the form says.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        const QString copied = data->text();
        QVERIFY2(copied.contains(QStringLiteral("Galactic Moon Sign: depends on the birth time")), qPrintable(copied));
        QVERIFY(copied.contains(QStringLiteral("time unknown: every clock minute from 00:00 to 23:59 read")));
    }

    // "between … and …" comes after the box in Tab order, usable only with it ticked, the whole day until narrowed.
    void theWindowListsFollowTheBox() {
        const char* lists[] = {"cboTimeFromHH", "cboTimeFromMM", "cboTimeToHH", "cboTimeToMM"};
        const char* names[] = {"Earliest birth hour", "Earliest birth minute", "Latest birth hour",
                               "Latest birth minute"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!WindowList(lists[i])->isEnabled());
            QCOMPARE(WindowList(lists[i])->accessibleName(), QLatin1String(names[i]));
        }
        QCOMPARE(WindowList("cboTimeToHH")->currentText(), QStringLiteral("23"));
        QCOMPARE(WindowList("cboTimeToMM")->currentText(), QStringLiteral("59"));
        Box()->setChecked(true);
        const auto nextTabStop = [](QWidget* at) {
            do at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus));
            return at;
        };
        QWidget* at = Box();
        for (const char* list : lists) {
            at = nextTabStop(at);
            QCOMPARE(at->objectName(), QLatin1String(list));
            QVERIFY(at->isEnabled());
        }
        QCOMPARE(nextTabStop(at)->objectName(), QStringLiteral("lblFullBrand"));
    }

    // A narrowed window is what the reading covers: its runs are the core's for those minutes.
    void theReadingCoversTheWindowChosen() {
        Box()->setChecked(true);
        SetWindow(6, 0, 12, 30);
        frmDisplay* display = ReadWithTimeUnknown();
        QVERIFY(display && display->Document().Window);
        const TimeWindowReading& shown = *display->Document().Window;
        QCOMPARE(shown.Window.From, 360);
        QCOMPARE(shown.Window.To, 750);
        const auto expected =
            ReadTimeWindow(display->Document().Birth, SteadyClock(*Zone_Calculation(kDefaultTimeZoneIndex), false),
                           MinuteWindow{360, 750}, 1985 - kFirstYear);
        QCOMPARE(shown.Runs.size(), expected.Runs.size());
        QCOMPARE(shown.Runs.back().LastMinute, 750);
        QVERIFY(
            report::BirthDetailLines(display->Document()).front().contains(QStringLiteral("from 06:00 to 12:30 read")));
        // The wheel shows the Sun and the Moon as arcs over the window and no Ascendant.
        QVERIFY(Child<QPushButton>(display, "cmdWheel")->isEnabled());
        QTest::mouseClick(Child<QPushButton>(display, "cmdWheel"), Qt::LeftButton);
        QVERIFY(display->Wheel());
        const QStringList rows = display->Wheel()->PositionLines();
        QCOMPARE(rows.size(), 6);
        QVERIFY2(rows[0].startsWith(QStringLiteral("Sun\t")) && rows[0].contains(QChar(0x2013)), qPrintable(rows[0]));
        QVERIFY(rows[1].startsWith(QStringLiteral("Moon\t")));
        for (const QString& row : rows)
            QVERIFY2(!row.startsWith(QStringLiteral("Ascendant\t")) && !row.startsWith(QStringLiteral("Descendant\t")),
                     qPrintable(row));
        QCOMPARE(rows[4], QStringLiteral("Galactic Moon Sign\t\tdepends on the birth time"));
    }

    // An earliest time after the latest is refused with a message, on the earliest hour.
    void aWindowEndingBeforeItBeginsIsRefused() {
        Box()->setChecked(true);
        SetWindow(12, 0, 11, 59);
        QVERIFY(!ReadWithTimeUnknown());
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY2(t->messages.shown[0].Text.contains(QStringLiteral("\"between\"")) &&
                     t->messages.shown[0].Text.contains(QStringLiteral("\"and\"")),
                 qPrintable(t->messages.shown[0].Text));
        QCOMPARE(form->focusWidget(), WindowList("cboTimeFromHH"));
        // One minute is a window.
        SetWindow(12, 0, 12, 0);
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm() && form->ReadingForm()->Document().Window);
        QCOMPARE(form->ReadingForm()->Document().Window->Runs.size(), std::size_t{1});
        QCOMPARE(t->messages.shown.size(), 1);
    }

    // Unticked, the same form gives the written reading of its clock time.
    void untickedTheReadingIsTheWrittenOne() {
        frmDisplay* display = ReadWithTimeUnknown();
        QVERIFY(display && display->Document().Window);
        QTest::mouseClick(Child<QPushButton>(display, "cmdOK"), Qt::LeftButton);
        Box()->setChecked(false);
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm() && !form->ReadingForm()->Document().Window);
        QVERIFY(Child<QLabel>(form->ReadingForm(), "lblGalacticMoonSign")->text() !=
                QStringLiteral("depends on the birth time"));
    }

    // A births record without its time is put on the form with the box ticked and listed as such.
    void aBirthWithoutItsTimeStaysSo() {
        births::Book book = births::ReadAaf("#A93:Lind,Mia,*,14.6.1962G,*,Uppsala,S\n#B93:*,59n52,17e38,1he00,0\n");
        QCOMPARE(book.Births.size(), std::size_t{1});
        form->ShowBirth(book.Births[0]);
        QVERIFY(Box()->isChecked());
        QVERIFY(form->CollectBirthForm().TimeUnknown);
        QCOMPARE(BirthsListModel::DateText(book.Births[0]), QStringLiteral("1962-06-14, time unknown"));
        births::Birth timed = book.Births[0];
        timed.TimeUnknown = false;
        form->ShowBirth(timed);
        QVERIFY(!Box()->isChecked());
    }

    // With the time unknown, the zone suggestion and the reading's note on the place's clock are for the
    // window's first minute, not for the switched-off clock lists: on the day Madrid's clocks went forward,
    // the whole day starts in standard time.
    void thePlacesClockIsTakenAtTheWindowsFirstMinute() {
        Place madrid;
        madrid.City = "Madrid";
        madrid.Country = "Spain";
        madrid.Latitude = 40.4;
        madrid.Longitude = -3.7;
        madrid.TimeZoneId = "Europe/Madrid";
        t->pick = {PlacePick::Outcome::Use, madrid};
        for (const char* field : {"txtMCity", "txtMState", "txtMCountry"}) Type(form.get(), field, QStringLiteral("x"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Pick(form.get(), "cboYear", QStringLiteral("1985"));
        Child<QComboBox>(form.get(), "cboMonth")->setCurrentIndex(2);
        Pick(form.get(), "cboDate", QStringLiteral("31"));
        int row = -1;
        for (std::size_t i = 0; i < TimeZoneTable().size(); ++i)
            if (std::string_view(TimeZoneTable()[i].DisplayString).starts_with("Central European Time,"))
                row = static_cast<int>(i);
        QVERIFY(row >= 0);
        Child<QComboBox>(form.get(), "cmbTimeZone")->setCurrentIndex(row);
        Child<QCheckBox>(form.get(), "chkDST")->setChecked(false);
        Pick(form.get(), "cboHH", QStringLiteral("12"));
        const QString line = Child<ZoneSuggestionLine>(form.get(), "zoneSuggestion")->Text();
        QVERIFY2(line.contains(QStringLiteral("12:00: UTC+2")), qPrintable(line));

        Box()->setChecked(true);
        const QString whole = Child<ZoneSuggestionLine>(form.get(), "zoneSuggestion")->Text();
        QVERIFY2(whole.startsWith(QStringLiteral("Madrid on 31 Mar 1985 00:00: UTC+1")), qPrintable(whole));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm());
        QCOMPARE(QString::fromStdString(form->ReadingForm()->Document().ClockNote), QString());
        Trigger(form->ReadingForm(), "mnuFileBack");

        // From noon on, the clock showed summer time: the reading says it used the other offset.
        SetWindow(12, 0, 23, 59);
        QVERIFY(
            Child<ZoneSuggestionLine>(form.get(), "zoneSuggestion")->Text().contains(QStringLiteral("12:00: UTC+2")));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm());
        const QString note = QString::fromStdString(form->ReadingForm()->Document().ClockNote);
        QVERIFY2(note.contains(QStringLiteral("+02:00")) || note.contains(QStringLiteral("UTC+2")), qPrintable(note));
    }

    // A clock time that came twice asks which it was, and offers both; one that never came says so.
    void theZoneLineAsksAboutTimesThatCameTwiceOrNever() {
        ZoneSuggestionLine line;
        line.SetPlace(QStringLiteral("Madrid"), QStringLiteral("Europe/Madrid"), -3.7);
        line.SetLocalTime(1985, 9, 29, 2, 30);
        QVERIFY2(line.Text().startsWith(
                     QStringLiteral("02:30 came twice on 29 Sep 1985 in Madrid: first (UTC+2) or second (UTC+1)")),
                 qPrintable(line.Text()));
        auto* second = Child<QPushButton>(&line, "applySecondPass");
        QVERIFY(!second->isHidden());
        QSignalSpy applied(&line, &ZoneSuggestionLine::ApplyRequested);
        QTest::mouseClick(second, Qt::LeftButton);
        QTest::mouseClick(line.findChild<QPushButton*>(), Qt::LeftButton);
        QCOMPARE(applied.size(), 2);
        // The second pass is standard time, the first the summer time an hour ahead of the same row.
        QCOMPARE(applied[0][0].toInt(), applied[1][0].toInt());
        QCOMPARE(applied[0][1].toBool(), false);
        QCOMPARE(applied[1][1].toBool(), true);
        line.SetLocalTime(1985, 3, 31, 2, 30);
        QVERIFY2(line.Text().startsWith(
                     QStringLiteral("there was no 02:30 on 31 Mar 1985: clocks went from 02:00 to 03:00")),
                 qPrintable(line.Text()));
        QVERIFY(second->isHidden());
        line.SetLocalTime(1985, 6, 1, 2, 30);
        QVERIFY(line.Text().startsWith(QStringLiteral("Madrid on 1 Jun 1985 02:30: UTC+2, daylight saving time")));
    }
};

QTEST_MAIN(TimeUnknownTest)
#include "time_unknown_test.moc"
