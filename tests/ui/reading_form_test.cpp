// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A reading typed into the birth-data form and shown on the reading form; Back, Exit and About.

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>

#include "reading/reading_driver.h"
#include "reading/time_zones.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"
#include "ui/widgets/small_widgets.h"
#include "common/version.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

struct Birth {
    QString Name, Month, Day, Year, Hour, Minute;
    int Zone;
    QString LatD, LatM, LonD, LonM;
    bool South, West;
};

// The frames in the order a reading fills them, by the names of their widgets.
const char* const kFrames[] = {"Ascendant", "Descendant", "MoonSign", "SunSign"};

QString Field(const frmDisplay* form, const char* prefix, const char* frame, const char* suffix) {
    const QString name =
        QString::fromLatin1(prefix) + QLatin1String("Galactic") + QLatin1String(frame) + QLatin1String(suffix);
    if (auto* text = form->findChild<QPlainTextEdit*>(name)) return text->toPlainText();
    auto* label = form->findChild<QLabel*>(name);
    if (!label) qFatal("no field %s", qPrintable(name));
    return label->text();
}

QImage Picture(const frmDisplay* form, const char* frame) {
    return Child<QLabel>(form, qPrintable(QStringLiteral("picGalactic%1").arg(QLatin1String(frame))))
        ->pixmap()
        .toImage();
}

}  // namespace

class ReadingFormTest : public OnFreshBirthForm {
    Q_OBJECT

    void Enter(const Birth& b) {
        for (const char* field : {"txtName", "txtLatD", "txtLatM", "txtLonD", "txtLonM"})
            Child<QLineEdit>(form.get(), field)->clear();
        Type(form.get(), "txtName", b.Name);
        Pick(form.get(), "cboMonth", b.Month);
        Pick(form.get(), "cboDate", b.Day);
        Pick(form.get(), "cboYear", b.Year);
        Pick(form.get(), "cboHH", b.Hour);
        Pick(form.get(), "cboMM", b.Minute);
        Child<QComboBox>(form.get(), "cmbTimeZone")->setCurrentIndex(b.Zone);
        Type(form.get(), "txtLatD", b.LatD);
        Type(form.get(), "txtLatM", b.LatM);
        Type(form.get(), "txtLonD", b.LonD);
        Type(form.get(), "txtLonM", b.LonM);
        QTest::mouseClick(Child<QRadioButton>(form.get(), b.South ? "optLat_1" : "optLat_0"), Qt::LeftButton);
        QTest::mouseClick(Child<QRadioButton>(form.get(), b.West ? "optLong_1" : "optLong_0"), Qt::LeftButton);
    }

    frmDisplay* Read(const Birth& b) {
        Enter(b);
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        if (!t->messages.shown.isEmpty()) qWarning("message: %s", qPrintable(t->messages.shown.last().Text));
        return form->ReadingForm();
    }

    // What the core's own reading session gives for the birth as the test describes it, independent
    // of how the form turns its controls into birth data.
    static GalacticReading CoreReading(const Birth& b) {
        static const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
        BirthFormValues v;
        v.Name = b.Name.toStdString();
        v.LatitudeDegrees = b.LatD.toStdString();
        v.LatitudeMinutes = b.LatM.toStdString();
        v.LongitudeDegrees = b.LonD.toStdString();
        v.LongitudeMinutes = b.LonM.toStdString();
        v.MonthPosition = static_cast<int>(months.indexOf(b.Month));
        v.DayPosition = b.Day.toInt() - 1;
        v.Year = b.Year.toInt();
        v.YearPosition = v.Year - kFirstYear;
        v.Hour = b.Hour.toInt();
        v.Minute = b.Minute.toInt();
        v.ZoneIndex = b.Zone;
        v.IsEast = !b.West;
        v.IsSouth = b.South;
        ReadingSession session;
        const ReadingSession::Outcome outcome = session.Read(v);
        if (!outcome.Reading) qFatal("the core refused %s", qPrintable(b.Name));
        return *outcome.Reading;
    }

    void CheckShows(const frmDisplay* display, const GalacticReading& r) {
        const GalacticSign* signs[] = {r.AscendantSign, r.DescendantSign, r.MoonSign, r.SunSign};
        for (int i = 0; i < 4; ++i) {
            const GalacticSign& s = *signs[i];
            QCOMPARE(Field(display, "lbl", kFrames[i], ""), ToQString(s.Name));
            QCOMPARE(Field(display, "lbl", kFrames[i], "Keywords"), ToQString(s.Keywords));
            QCOMPARE(Field(display, "txt", kFrames[i], "Desc"), ToQString(s.Description));
            QCOMPARE(Field(display, "lbl", kFrames[i], "RulingPlanet"), ToQString(s.RulingPlanet));
            QCOMPARE(Field(display, "lbl", kFrames[i], "Constellation"), ToQString(s.Constellation));
            const auto& images = form->Pictures().Images();
            const auto match = std::find_if(images.begin(), images.end(), [&](const SignPictures::Image& image) {
                return image.Key == ToQString(s.Name);
            });
            QVERIFY(match != images.end());
            QCOMPARE(Picture(display, kFrames[i]), match->Picture.toImage());
        }
    }

    QStringList ShownNames(const frmDisplay* display) {
        QStringList names;
        for (const char* frame : kFrames) names << Field(display, "lbl", frame, "");
        return names;
    }

    // 1 January 2000, 12:00 GMT at 51 30 N, 0 0 E: Sun 280, Moon 223, Ascendant 24, waning Moon
    // (y 0, s 4, t 0). Ascendant frame: opposite of the Moon, 43, Trade. Descendant: the Moon, 223,
    // Protect. Moon Sign: opposite of the Ascendant, 204, Teach. Sun Sign: opposite of 280, 100, Heal.
    const Birth kLondon{"ASHA", "January", "1", "2000", "12", "0", 29, "51", "30", "0", "0", false, false};
    // 15 June 1985, 07:30 GMT at 33 54 S, 151 12 E: Sun 84, Moon 48, Ascendant 273, waning Moon
    // (y 85, g 9, s 30, t 26). Frames: 228 Protect, 48 Trade, 93 Heal, 264 Art.
    const Birth kSydney{"RAVI", "June", "15", "1985", "7", "30", 29, "33", "54", "151", "12", true, false};

private slots:
    void readingShowsTheFourSignsWorkedOutByHand() {
        const frmDisplay* display = Read(kLondon);
        QVERIFY(display);
        QCOMPARE(ShownNames(display), (QStringList{"Trade", "Protect", "Teach", "Heal"}));
        QCOMPARE(Field(display, "lbl", "SunSign", "RulingPlanet"), QString());  // Heal has none
        QCOMPARE(Field(display, "lbl", "MoonSign", "Constellation"), QStringLiteral("Crux"));
        CheckShows(display, CoreReading(kLondon));
        QVERIFY(display->isVisible());
        QVERIFY(!form->isVisible());
        QCOMPARE(display->windowTitle(), QString::fromUtf8(kProductTitle));
        // As designed, taller only by what a branding text needs where the font's lines do not fit.
        QCOMPARE(display->centralWidget()->width(), kReadingFormWidth);
        QVERIFY(display->centralWidget()->height() >= kReadingFormHeight &&
                display->centralWidget()->height() <= kReadingFormHeight + 16);
    }

    void backKeepsEveryEntryAndTheNextReadingReplacesEveryField() {
        frmDisplay* first = Read(kLondon);
        QVERIFY(first);
        const QPointer<frmDisplay> firstForm(first);
        QTest::mouseClick(Child<QPushButton>(first, "cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(firstForm.isNull());
        QVERIFY(form->isVisible());
        QCOMPARE(t->quits, 0);
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLatD")->text(), QStringLiteral("51"));
        QCOMPARE(Child<QComboBox>(form.get(), "cboYear")->currentText(), QStringLiteral("2000"));

        const frmDisplay* second = Read(kSydney);
        QVERIFY(second);
        QCOMPARE(ShownNames(second), (QStringList{"Protect", "Trade", "Heal", "Art"}));
        CheckShows(second, CoreReading(kSydney));
        QCOMPARE(second->windowTitle(), QString::fromUtf8(kProductTitle));

        // Back from the File menu, then one field changed: every field follows the new reading.
        Child<QAction>(const_cast<frmDisplay*>(second), "mnuFileBack")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form->ReadingForm());
        Pick(form.get(), "cboHH", QStringLiteral("19"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm());
        Birth evening = kSydney;
        evening.Hour = QStringLiteral("19");
        const GalacticReading later = CoreReading(evening);
        QVERIFY(later.Degrees != CoreReading(kSydney).Degrees);
        CheckShows(form->ReadingForm(), later);
    }

    void failedValidationLeavesTheReadingFormAlone() {
        Birth noName = kLondon;
        noName.Name = QStringLiteral(" ");
        QVERIFY(!Read(noName));
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(form->isVisible());
    }

    void readingFormLayoutTextsAndMenus() {
        frmDisplay* display = Read(kLondon);
        QVERIFY(display);
        const struct {
            const char* frame;
            const char* caption;
            QRect geometry;
        } frames[] = {{"Frame3", "Galactic Sun Sign", {8, 8, 369, 209}},
                      {"Frame4", "Galactic Ascendant", {384, 8, 377, 209}},
                      {"Frame6", "Galactic Moon Sign", {8, 224, 369, 209}},
                      {"Frame7", "Galactic Descendant", {384, 224, 377, 209}}};
        for (const auto& f : frames) {
            auto* box = Child<QGroupBox>(display, f.frame);
            QCOMPARE(box->title(), QString::fromLatin1(f.caption));
            QCOMPARE(box->geometry(), f.geometry);
            QStringList headings;
            for (QLabel* label : box->findChildren<QLabel*>())
                if (label->font().underline()) headings << label->text();
            QCOMPARE(headings,
                     (QStringList{f.caption, "Ruling Planet", "Constellation", "Keywords", "Characterstics"}));
        }
        for (const char* frame : kFrames) {
            auto* desc = Child<QPlainTextEdit>(
                display, qPrintable(QStringLiteral("txtGalactic%1Desc").arg(QLatin1String(frame))));
            QVERIFY(desc->isReadOnly());
            QCOMPARE(desc->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(Child<QLabel>(display, qPrintable(QStringLiteral("lblGalactic%1").arg(QLatin1String(frame))))
                         ->font()
                         .pointSizeF(),
                     9.75);
        }
        QStringList bar;
        for (const QAction* action : display->menuBar()->actions()) bar << action->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QStringList file, help;
        for (const QAction* a : Child<QMenu>(display, "mnuFile")->actions()) file << a->text();
        for (const QAction* a : Child<QMenu>(display, "mnuHelp")->actions())
            help << (a->isSeparator() ? "-" : a->text());
        // The written commands first, in their order; the reading's outputs after them.
        QCOMPARE(file, (QStringList{"&Back", "E&xit", "", "Save as &PDF\u2026", "P&rint\u2026", "&Copy Reading",
                                    "Save &Wheel Picture\u2026", "Show W&heel\u2026"}));
        QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-",
                                    "&About Software"}));
        QVERIFY(!Child<QAction>(display, "mkmoney")->isEnabled());
        QCOMPARE(Child<QPushButton>(display, "cmdOK")->text(), QStringLiteral("&Back"));
        QCOMPARE(Child<QPushButton>(display, "cmdExit")->text(), QStringLiteral("&Exit"));
    }

    void exitEndsTheRunFromButtonMenuCloseBoxAndKeys() {
        const std::function<void(frmDisplay*)> exits[] = {
            [](frmDisplay* d) { QTest::mouseClick(Child<QPushButton>(d, "cmdExit"), Qt::LeftButton); },
            [](frmDisplay* d) { Child<QAction>(d, "mnuExit")->trigger(); },
            [](frmDisplay* d) { d->close(); },
            [](frmDisplay* d) { QTest::keyClick(d, Qt::Key_Escape); },
            [](frmDisplay* d) { QTest::keyClick(d, Qt::Key_Return); },
        };
        for (const auto& exit : exits) {
            cleanup();
            init();
            frmDisplay* display = Read(kLondon);
            QVERIFY(display);
            QVERIFY(QTest::qWaitForWindowActive(display));
            exit(display);
            QCOMPARE(t->quits, 1);
            QVERIFY(!form->isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!form->ReadingForm());
        }
        // Enter on the Back button presses Back, not Exit.
        cleanup();
        init();
        frmDisplay* display = Read(kLondon);
        QVERIFY(QTest::qWaitForWindowActive(display));
        auto* back = Child<QPushButton>(display, "cmdOK");
        back->setFocus();
        QTest::keyClick(back, Qt::Key_Return);
        QCOMPARE(t->quits, 0);
        QVERIFY(form->isVisible());
    }

    void aboutBoxIsModalEachTime() {
        frmDisplay* display = Read(kLondon);
        QWidget* owners[] = {display, display, form.get()};
        int shown = 0;
        for (QWidget* owner : owners) {
            if (owner == form.get()) {
                QTest::mouseClick(Child<QPushButton>(display, "cmdOK"), Qt::LeftButton);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            QPointer<QDialog> seen;
            QTimer::singleShot(0, this, [&] {
                seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!seen) return;
                // A failed check returns from here at once: the box must still close, or the modal
                // loop below would wait for ever.
                const auto closeBox = qScopeGuard([&] {
                    if (seen) seen->reject();
                });
                QCOMPARE(seen->objectName(), QStringLiteral("frmAbout"));
                QCOMPARE(seen->parentWidget(), owner);
                QCOMPARE(seen->windowTitle(), QString::fromUtf8(kProductTitle));
                QCOMPARE(Child<QLabel>(seen, "Label2")->text(), QString::fromUtf8(kProductTitle));
                QVERIFY(Child<QLabel>(seen, "Label3")->text().startsWith(QStringLiteral("Home Business Opportunity.")));
                QVERIFY(!Child<QLabel>(seen, "picIcon")->pixmap().isNull());
                emit Child<LinkLabel>(seen, "lblHomePage")->Clicked();
                emit Child<LinkLabel>(seen, "lblCoBrand")->Clicked();
                ++shown;
                QTest::mouseClick(Child<QPushButton>(seen, "cmdOK"), Qt::LeftButton);
            });
            Child<QAction>(owner, "mnuAbout")->trigger();  // returns when the box has closed
            QVERIFY(seen.isNull());                        // each box is gone once closed
            QVERIFY(!QApplication::activeModalWidget());
        }
        QCOMPARE(shown, 3);
        QCOMPARE(t->web.Keys(), (QStringList{"home-page", "fully-branded", "home-page", "fully-branded", "home-page",
                                             "fully-branded"}));
    }

    void readingFormWebCommandsOpenTheirPageKeys() {
        frmDisplay* display = Read(kLondon);
        for (const WebCommand& command : kWebCommands) {
            t->web.opened.clear();
            Trigger(display, command.Control);
            QCOMPARE(t->web.Keys(), QStringList{QString::fromLatin1(command.Key)});
        }
        // Here the full-branding label lies in front.
        t->web.opened.clear();
        auto* front = Child<LinkLabel>(display, "lblFullBrand");
        QTest::mouseClick(front->parentWidget()->childAt(front->geometry().center()), Qt::LeftButton);
        QCOMPARE(t->web.Keys(), QStringList{"fully-branded"});
        QVERIFY(display->isVisible());
    }
};

QTEST_MAIN(ReadingFormTest)
#include "reading_form_test.moc"
