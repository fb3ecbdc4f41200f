// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The finder and the zone line driven by the keyboard alone.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "ui/atlas/place_finder_dialog.h"
#include "ui/atlas/zone_suggestion_line.h"

using quorvane::Atlas;
using quorvane::Place;
using quorvane::PlaceFinderDialog;
using quorvane::ZoneSuggestionLine;

namespace {

Place Town(const char* city, const char* state, const char* code, double lat, double lon, const char* zone,
           std::uint32_t population) {
    Place p;
    p.City = city;
    p.State = state;
    p.Country = code;
    p.CountryCode = code;
    p.Latitude = lat;
    p.Longitude = lon;
    p.TimeZoneId = zone;
    p.Population = population;
    return p;
}

const Atlas& TestAtlas() {
    static const Atlas atlas{{
        Town("Springfield", "Missouri", "US", 37.2153, -93.2982, "America/Chicago", 166810),
        Town("Springfield", "Illinois", "US", 39.8017, -89.6437, "America/Chicago", 116565),
        Town("Zürich", "Zürich", "CH", 47.3667, 8.55, "Europe/Zurich", 341730),
        Town("Madrid", "Madrid", "ES", 40.4165, -3.70256, "Europe/Madrid", 3255944),
    }};
    return atlas;
}

void Press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

}  // namespace

class PlaceFinderDialogTest : public QObject {
    Q_OBJECT

private:
    static void Open(PlaceFinderDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

private slots:
    void arrowsAndEnterUseTheHighlightedPlace() {
        PlaceFinderDialog dialog(TestAtlas(), PlaceFinderDialog::QueryOf("Springfield", "", ""));
        Open(dialog);
        auto* results = dialog.findChild<QTreeWidget*>();
        QCOMPARE(results->topLevelItemCount(), 2);
        QCOMPARE(results->topLevelItem(0)->text(1), QString("Missouri"));
        QCOMPARE(results->topLevelItem(0)->text(3), QString::fromUtf8("37\u00B013'N"));
        QCOMPARE(results->topLevelItem(0)->text(4), QString::fromUtf8("93\u00B018'W"));
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        Press(Qt::Key_Down);  // typing focus stays in the search field
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        Press(Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.ChosenPlace());
        QCOMPARE(dialog.ChosenPlace()->State, std::string("Illinois"));
    }

    void typingNarrowsTheMatches() {
        PlaceFinderDialog dialog(TestAtlas(), "");
        Open(dialog);
        QTest::keyClicks(QApplication::focusWidget(), "zurich");
        auto* results = dialog.findChild<QTreeWidget*>();
        QCOMPARE(results->topLevelItemCount(), 1);
        QCOMPARE(results->topLevelItem(0)->text(5), QString("Europe/Zurich"));
        Press(Qt::Key_Enter);
        QCOMPARE(dialog.ChosenPlace()->TimeZoneId, std::string("Europe/Zurich"));
    }

    void misspeltCountryStillShowsTheTown() {
        PlaceFinderDialog dialog(TestAtlas(), PlaceFinderDialog::QueryOf("Madrid", "Madrid", "Espana"));
        Open(dialog);
        QCOMPARE(dialog.findChild<QTreeWidget*>()->topLevelItemCount(), 1);
        Press(Qt::Key_Return);
        QCOMPARE(dialog.ChosenPlace()->City, std::string("Madrid"));
    }

    // The query field and its label are read without the shortcut's "&", on every Qt.
    void queryFieldIsNamedWithoutTheShortcutMark() {
        PlaceFinderDialog dialog(TestAtlas(), "Madrid");
        Open(dialog);
        auto* field = dialog.findChild<QLineEdit*>();
        QVERIFY(field);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), QString("Place (City, State, Country):"));
        const auto labels = face->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        for (const auto& [label, relation] : labels)
            QCOMPARE(label->text(QAccessible::Name), QString("Place (City, State, Country):"));
    }

    // The places are GeoNames data: the finder names its source beside the buttons, taking no row of its own.
    void namesTheSourceOfThePlaces() {
        PlaceFinderDialog dialog(TestAtlas(), "Madrid");
        Open(dialog);
        auto* source = dialog.findChild<QLabel*>("lblPlacesSource");
        QVERIFY(source && source->isVisible());
        QVERIFY(source->text().contains("GeoNames"));
        QVERIFY(source->text().contains("CC BY 4.0"));
        auto* use = dialog.findChild<QPushButton*>();
        QVERIFY(use);
        const QRect sourceBox(source->mapTo(&dialog, QPoint()), source->size());
        const QRect useBox(use->mapTo(&dialog, QPoint()), use->size());
        QVERIFY(sourceBox.top() < useBox.bottom() && useBox.top() < sourceBox.bottom());
    }

    void noMatchSaysSoAndEnterSearchesTheWeb() {
        PlaceFinderDialog dialog(TestAtlas(), "Atlantis");
        QSignalSpy web(&dialog, &PlaceFinderDialog::WebSearchRequested);
        Open(dialog);
        QCOMPARE(dialog.findChild<QTreeWidget*>()->topLevelItemCount(), 0);
        bool said = false;
        for (auto* label : dialog.findChildren<QLabel*>())
            said = said || (label->isVisible() && label->text().contains("No place in the atlas matches"));
        QVERIFY(said);
        Press(Qt::Key_Return);
        QCOMPARE(web.count(), 1);
        QCOMPARE(dialog.result(), int(PlaceFinderDialog::WebSearch));
        QVERIFY(!dialog.ChosenPlace());
    }

    // A town found by another of its names shows that name before the atlas's own.
    void otherNameIsShownBesideTheAtlasName() {
        Place mumbai = Town("Mumbai", "Maharashtra", "IN", 19.07, 72.88, "Asia/Kolkata", 12691836);
        mumbai.GeoNameId = 1275339;
        const Atlas named({mumbai}, {{1275339, "Bombay"}});
        PlaceFinderDialog dialog(named, "bombay");
        Open(dialog);
        auto* results = dialog.findChild<QTreeWidget*>();
        QCOMPARE(results->topLevelItemCount(), 1);
        QCOMPARE(results->topLevelItem(0)->text(0), QString::fromUtf8("Bombay \u2192 Mumbai"));
        dialog.findChild<QLineEdit*>()->setText("Mumbai");
        QCOMPARE(results->topLevelItem(0)->text(0), QString("Mumbai"));
        Press(Qt::Key_Return);
        QCOMPARE(dialog.ChosenPlace()->City, std::string("Mumbai"));
    }

    void unreadableAtlasSaysWhyAndOffersTheWeb() {
        static const Atlas missing = Atlas::FromFile("/nonexistent/atlas-index.bin");
        PlaceFinderDialog dialog(missing, "Madrid");
        QSignalSpy web(&dialog, &PlaceFinderDialog::WebSearchRequested);
        Open(dialog);
        bool said = false;
        for (auto* label : dialog.findChildren<QLabel*>())
            said = said || (label->isVisible() &&
                            label->text().contains("the atlas index /nonexistent/atlas-index.bin is missing"));
        QVERIFY(said);
        Press(Qt::Key_Return);
        QCOMPARE(web.count(), 1);
    }

    void escapeCancels() {
        PlaceFinderDialog dialog(TestAtlas(), "Madrid");
        Open(dialog);
        Press(Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.ChosenPlace());
    }

    void zoneLineAppliesOnlyOnRequest() {
        ZoneSuggestionLine line;
        QSignalSpy apply(&line, &ZoneSuggestionLine::ApplyRequested);
        line.SetLocalTime(1985, 3, 31, 12, 0);
        QVERIFY(line.isHidden());  // no place remembered yet
        line.SetPlace("Madrid", "Europe/Madrid");
        line.SetCurrentZone(29, false);
        line.show();
        line.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&line));
        QCOMPARE(line.Text(), QString::fromUtf8("Madrid on 31 Mar 1985 12:00: UTC+2, daylight saving time \u2192 "
                                                "Central European Time,CET,+1.0 with Daylight Saving Time"));
        QCOMPARE(apply.count(), 0);
        auto* button = line.findChild<QPushButton*>();
        button->setFocus();
        Press(Qt::Key_Space);
        QCOMPARE(apply.count(), 1);
        QCOMPARE(apply.first().at(0).toInt(), 20);
        QCOMPARE(apply.first().at(1).toBool(), true);
        line.SetCurrentZone(20, true);
        QVERIFY(!button->isEnabled());  // already as suggested
        line.SetLocalTime(1985, 2, 31, 12, 0);
        QVERIFY(line.isHidden());
    }
};

QTEST_MAIN(PlaceFinderDialogTest)
#include "place_finder_dialog_test.moc"
