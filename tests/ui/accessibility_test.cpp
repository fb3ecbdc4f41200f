// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told, read in-process through QAccessible: every control of every window
// has a name, the birth-data form's names and roles are the ones written for it, links can be pressed,
// the reading form's frames and values are named, and Tab reaches every command.

#include <QAccessible>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QtTest>

#include "ui/atlas/place_finder_dialog.h"
#include "ui/atlas/zone_suggestion_line.h"
#include "ui/forms/frmAbout.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/frmMain.h"
#include "ui/a11y/accessibility.h"
#include "ui/widgets/small_widgets.h"
#include "ui/forms/wheel_window.h"
#include "app/translations.h"
#include "ui/births/births_window.h"
#include "ui/births/births_book.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

bool Interactive(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::Link:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::MenuItem:
        case QAccessible::ButtonMenu:
        case QAccessible::Tree:
        case QAccessible::List:
        case QAccessible::Table:
            return true;
        default:
            return false;
    }
}

// Every shown, focusable or interactive element below `node` that has no name, as "path (role)".
void Unnamed(QAccessibleInterface* node, const QString& path, QStringList& found, int depth = 0) {
    if (!node || !node->isValid() || depth > 40) return;
    const QAccessible::State state = node->state();
    if (state.invisible) return;
    const QString where = path + u'/' + (node->object() ? node->object()->objectName() : QString());
    if ((state.focusable || Interactive(node->role())) && node->text(QAccessible::Name).trimmed().isEmpty())
        found << QStringLiteral("%1 (role %2)").arg(where).arg(int(node->role()));
    // Items of a list view are named by their text; their containers are what must carry a name.
    if (node->role() == QAccessible::Tree || node->role() == QAccessible::List || node->role() == QAccessible::Table)
        return;
    for (int i = 0; i < node->childCount(); ++i) Unnamed(node->child(i), where, found, depth + 1);
}

QStringList UnnamedIn(QWidget* window) {
    QStringList found;
    Unnamed(QAccessible::queryAccessibleInterface(window), window->objectName(), found);
    return found;
}

// The controls Tab reaches from `start`, once round, as object names.
QStringList TabOrderFrom(QWidget* start) {
    QStringList order;
    QWidget* window = start->window();
    start->setFocus();
    QWidget* at = start;
    for (int i = 0; i < 60 && at; ++i) {
        order << at->objectName();
        at = at->nextInFocusChain();
        while (at && (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(window) || !at->isEnabled()))
            at = at->nextInFocusChain();
        if (at == start) break;
    }
    return order;
}

QAccessibleInterface* Of(QWidget* root, const char* name) {
    return QAccessible::queryAccessibleInterface(Child(root, name));
}

}  // namespace

class AccessibilityTest : public OnFreshBirthForm {
    Q_OBJECT

    frmDisplay* Read() {
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Type(form.get(), "txtLonD", QStringLiteral("0"));
        Type(form.get(), "txtLonM", QStringLiteral("7"));
        Type(form.get(), "txtLatD", QStringLiteral("51"));
        Type(form.get(), "txtLatM", QStringLiteral("30"));
        Pick(form.get(), "cboYear", QStringLiteral("1970"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        return form->ReadingForm();
    }

private slots:
    // The label-fit test runs again in every language: the environment (LANGUAGE ...) chooses it then.
    void initTestCase() {
        if (qEnvironmentVariableIsSet("QUORVANE_TEST_TRANSLATED"))
            QVERIFY(InstallTranslations() != QLatin1String("en"));
    }

    void birthFormNamesAndRoles() {
        const struct {
            const char* control;
            const char* name;
            QAccessible::Role role;
        } expected[] = {
            {"txtName", "Name", QAccessible::EditableText},
            {"cboMonth", "Birth month", QAccessible::ComboBox},
            {"cboDate", "Birth day", QAccessible::ComboBox},
            {"cboYear", "Birth year", QAccessible::ComboBox},
            {"cboHH", "Birth hour", QAccessible::ComboBox},
            {"cboMM", "Birth minute", QAccessible::ComboBox},
            {"cboSS", "Birth second", QAccessible::ComboBox},
            {"chkDST", "Daylight Saving Time", QAccessible::CheckBox},
            {"cmbTimeZone", "Time zone", QAccessible::ComboBox},
            {"txtLatD", "Latitude degrees", QAccessible::EditableText},
            {"txtLatM", "Latitude minutes", QAccessible::EditableText},
            {"optLat_0", "Latitude: North", QAccessible::RadioButton},
            {"optLat_1", "Latitude: South", QAccessible::RadioButton},
            {"txtLonD", "Longitude degrees", QAccessible::EditableText},
            {"txtLonM", "Longitude minutes", QAccessible::EditableText},
            {"optLong_0", "Longitude: East", QAccessible::RadioButton},
            {"optLong_1", "Longitude: West", QAccessible::RadioButton},
            {"txtMCity", "City", QAccessible::EditableText},
            {"txtMState", "State", QAccessible::EditableText},
            {"txtMCountry", "Country", QAccessible::EditableText},
            {"cmdBrowser", "Click Here To Find Latitude & Longitude", QAccessible::PushButton},
            {"cmdRashi", "Get My Galactic Astrology Reading", QAccessible::PushButton},
            {"Frame1", "Enter Personal Details", QAccessible::Grouping},
            {"Label61",
             "Talk galactic signs with other readers: visit the Quorvane discussion board online and share what your "
             "reading said",
             QAccessible::Link},
        };
        for (const auto& e : expected) {
            QAccessibleInterface* node = Of(form.get(), e.control);
            QVERIFY2(node, e.control);
            QCOMPARE(node->text(QAccessible::Name), QString::fromUtf8(e.name));
            QCOMPARE(node->role(), e.role);
        }
        // The list's value is the entry it shows; its name stays what it is for.
        Pick(form.get(), "cboMonth", QStringLiteral("March"));
        QCOMPARE(Of(form.get(), "cboMonth")->text(QAccessible::Value), QStringLiteral("March"));
        QCOMPARE(Of(form.get(), "cboMonth")->text(QAccessible::Name), QStringLiteral("Birth month"));
        // The visible labels point at their fields.
        QCOMPARE(Child<QLabel>(form.get(), "Label13")->buddy(), Child(form.get(), "txtName"));
        QCOMPARE(Child<QLabel>(form.get(), "Label54")->buddy(), Child(form.get(), "txtMCity"));
        // A label that stands for several fields ("Date of Birth") or for a unit ("Deg") labels none: each
        // field is read by its own name.
        QCOMPARE(Child<QLabel>(form.get(), "Label5")->buddy(), nullptr);
        QCOMPARE(Child<QLabel>(form.get(), "Label7")->buddy(), nullptr);
    }

    // A closed list's entries are there to be read and pressed, not shown; the shown one is selected.
    void listEntriesArePickedByPressing() {
        QAccessibleInterface* list = Of(form.get(), "cboYear");
        QCOMPARE(list->childCount(), 150);
        QAccessibleInterface* entry = list->child(84);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("1985"));
        QCOMPARE(entry->role(), QAccessible::ListItem);
        QCOMPARE(entry->parent()->object(), Child(form.get(), "cboYear"));
        QCOMPARE(list->indexOfChild(entry), 84);
        QVERIFY(entry->state().invisible);
        QVERIFY(!entry->state().selected);
        QVERIFY(list->child(0)->state().selected);
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Child<QComboBox>(form.get(), "cboYear")->currentText(), QStringLiteral("1985"));
        QVERIFY(entry->state().selected);
        QVERIFY(!list->child(0)->state().selected);
        QCOMPARE(list->child(84), entry);  // the same entry each time, so that events name one object
        QAccessibleTextInterface* shown = list->textInterface();
        QVERIFY(shown);
        QCOMPARE(shown->text(0, shown->characterCount()), QStringLiteral("1985"));
        Child<QComboBox>(form.get(), "cboYear")->showPopup();
        QVERIFY(!entry->state().invisible);
        QVERIFY(!entry->rect().isEmpty());
        Child<QComboBox>(form.get(), "cboYear")->hidePopup();
        // Groups inside the form are named for themselves, not for the form's frame.
        QCOMPARE(Of(form.get(), "fraZone")->text(QAccessible::Name), QStringLiteral("Zone"));
        QCOMPARE(Of(form.get(), "Frame4")->text(QAccessible::Name), QStringLiteral("Longitude"));
    }

    void linksArePressableByScreenReaderAndKeyboard() {
        for (const char* link : {"Label61", "lblFullBrand", "lblCobrand"}) {
            QAccessibleInterface* node = Of(form.get(), link);
            QCOMPARE(node->role(), QAccessible::Link);
            QVERIFY(node->state().focusable);
            QAccessibleActionInterface* actions = node->actionInterface();
            QVERIFY(actions);
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            const qsizetype before = t->web.opened.size();
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(t->web.opened.size(), before + 1);
            auto* label = Child<LinkLabel>(form.get(), link);
            label->setFocus();
            QVERIFY(label->hasFocus());
            QTest::keyClick(label, Qt::Key_Space);
            QTest::keyClick(label, Qt::Key_Return);
            QCOMPARE(t->web.opened.size(), before + 3);
        }
    }

    // The full-branding link lies under the co-brand link: while it has the focus it shows in front.
    void coveredLinkComesForwardWhileFocused() {
        auto* full = Child<LinkLabel>(form.get(), "lblFullBrand");
        auto* cobrand = Child<LinkLabel>(form.get(), "lblCobrand");
        QWidget* strip = full->parentWidget();
        const QPoint middle = full->geometry().center();
        QCOMPARE(strip->childAt(middle), cobrand);
        full->setFocus(Qt::TabFocusReason);
        QCOMPARE(strip->childAt(middle), full);
        cobrand->setFocus(Qt::TabFocusReason);
        QCOMPARE(strip->childAt(middle), cobrand);
        Child(form.get(), "txtName")->setFocus(Qt::TabFocusReason);
        QCOMPARE(strip->childAt(middle), cobrand);
        full->setFocus(Qt::TabFocusReason);
        Child(form.get(), "txtName")->setFocus(Qt::TabFocusReason);
        QCOMPARE(strip->childAt(middle), cobrand);
    }

    // Each pair of radio buttons is one stop, at its chosen button, however the choice was made.
    void tabReachesEveryCommandInVisualOrder() {
        const auto order = [](const char* latitude, const char* longitude) {
            return QStringList{"Label61",     "txtName",    "cboMonth", "cboDate",        "cboYear",      "cboHH",
                               "cboMM",       "cboSS",      "chkDST",   "cmbTimeZone",    "txtLatD",      "txtLatM",
                               latitude,      "txtLonD",    "txtLonM",  longitude,        "txtMCity",     "txtMState",
                               "txtMCountry", "cmdBrowser", "cmdRashi", "chkTimeUnknown", "lblFullBrand", "lblCobrand"};
        };
        QCOMPARE(TabOrderFrom(Child(form.get(), "Label61")), order("optLat_0", "optLong_0"));
        Child<QRadioButton>(form.get(), "optLat_1")->setChecked(true);
        Child<QRadioButton>(form.get(), "optLong_1")->click();
        QCOMPARE(TabOrderFrom(Child(form.get(), "Label61")), order("optLat_1", "optLong_1"));
        Child<QRadioButton>(form.get(), "optLat_0")->setChecked(true);
        Child<QRadioButton>(form.get(), "optLong_0")->setChecked(true);
    }

    // The reading form by keyboard: Tab in screen order, the description boxes scrolled by keys and left
    // by Tab, the menu bar's own commands by their letters.
    void readingFormByKeyboard() {
        frmDisplay* display = Read();
        QVERIFY(display);
        display->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(display));
        QCOMPARE(TabOrderFrom(Child(display, "Label61")), (QStringList{"Label61",
                                                                       "lblGalacticSunSign",
                                                                       "lblGalacticSunSignRulingPlanet",
                                                                       "lblGalacticSunSignConstellation",
                                                                       "lblGalacticSunSignKeywords",
                                                                       "txtGalacticSunSignDesc",
                                                                       "lblGalacticAscendant",
                                                                       "lblGalacticAscendantRulingPlanet",
                                                                       "lblGalacticAscendantConstellation",
                                                                       "lblGalacticAscendantKeywords",
                                                                       "txtGalacticAscendantDesc",
                                                                       "lblGalacticMoonSign",
                                                                       "lblGalacticMoonSignRulingPlanet",
                                                                       "lblGalacticMoonSignConstellation",
                                                                       "lblGalacticMoonSignKeywords",
                                                                       "txtGalacticMoonSignDesc",
                                                                       "lblGalacticDescendant",
                                                                       "lblGalacticDescendantRulingPlanet",
                                                                       "lblGalacticDescendantConstellation",
                                                                       "lblGalacticDescendantKeywords",
                                                                       "txtGalacticDescendantDesc",
                                                                       "lblFullBrand",
                                                                       "lblCobrand",
                                                                       "cmdWheel",
                                                                       "cmdOK",
                                                                       "cmdExit"}));
        auto* box = Child<QPlainTextEdit>(display, "txtGalacticSunSignDesc");
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QTest::keyClick(box, Qt::Key_PageDown);
        QVERIFY(box->verticalScrollBar()->value() > 0);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Child(display, "lblGalacticAscendant"));
        // Alt+D is the Donate command on the menu bar itself.
        QTest::keyClick(display, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(t->web.Keys(), QStringList{"donate"});
    }

    // Keys a screen reader uses reach it first: Return presses a focused button as Space does, and on the
    // reading form Enter and Esc act from the window's own key handling, not from shortcuts that run
    // before the key is offered to the screen reader; Enter on a focused link opens it.
    void returnAndEscapeActFromTheWindow() {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        auto* browser = Child<QPushButton>(form.get(), "cmdBrowser");
        browser->setFocus(Qt::TabFocusReason);
        QTest::keyClick(browser, Qt::Key_Return);
        QTRY_COMPARE(t->messages.shown.size(), 1);
        QCOMPARE(t->messages.shown[0].Text, QStringLiteral("Please Enter City"));

        frmDisplay* display = Read();
        QVERIFY(display);
        QVERIFY(display->findChildren<QShortcut*>().isEmpty());
        display->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(display));
        // The reading is what the form opens on.
        QCOMPARE(QApplication::focusWidget(), Child(display, "lblGalacticSunSign"));
        auto* banner = Child<LinkLabel>(display, "Label61");
        banner->setFocus(Qt::TabFocusReason);
        QTest::keyClick(banner, Qt::Key_Return);
        QCOMPARE(t->web.Keys(), QStringList{"home-page"});
        QCOMPARE(t->quits, 0);
        auto* wheel = Child<QPushButton>(display, "cmdWheel");
        wheel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(wheel, Qt::Key_Return);
        QTRY_VERIFY(display->Wheel() && display->Wheel()->isVisible());
        QTest::keyClick(display->Wheel(), Qt::Key_Escape);
        QTRY_VERIFY(!display->Wheel());
        QCOMPARE(t->quits, 0);
        // A value has the focus, no button: Enter presses Exit; Esc does too.
        QSignalSpy exit(Child<QPushButton>(display, "cmdExit"), &QPushButton::clicked);
        auto* planet = Child(display, "lblGalacticSunSignRulingPlanet");
        planet->setFocus(Qt::TabFocusReason);
        QTest::keyClick(planet, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(exit.size(), 1);
        QTest::keyClick(planet, Qt::Key_Escape);
        QCOMPARE(exit.size(), 2);
        QCOMPARE(t->quits, 1);
    }

    // The strips are named panels, not frames that screen readers take for windows; the zone suggestion is
    // a notification; the reading's headings are heard with their values, not on their own.
    void stripsNotificationsAndHeadings() {
        for (const char* strip : {"Frame2", "Frame5"}) {
            QCOMPARE(Of(form.get(), strip)->role(), QAccessible::Grouping);
            QVERIFY(!Of(form.get(), strip)->text(QAccessible::Name).isEmpty());
        }
        auto* line = form->findChild<ZoneSuggestionLine*>(QStringLiteral("zoneSuggestion"));
        QVERIFY(line);
        QAccessibleInterface* note = QAccessible::queryAccessibleInterface(line->findChild<QLabel*>());
        QCOMPARE(note->role(), QAccessible::Notification);
        QCOMPARE(note->text(QAccessible::Name), QStringLiteral("Time zone suggestion"));
        frmDisplay* display = Read();
        QVERIFY(display);
        QCOMPARE(Of(display, "Frame1")->role(), QAccessible::Grouping);
        QVERIFY(Of(display, "hdrSunRulingPlanet")->state().invisible);
        QVERIFY(!Of(display, "lblGalacticSunSignRulingPlanet")->state().invisible);
        QVERIFY(Of(display, "lblGalacticSunSignRulingPlanet")
                    ->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Ruling Planet, ")));
    }

    // Covers windows added later too: any control without a name is a fault.
    void everyWindowNamesEveryControl() {
        QCOMPARE(UnnamedIn(form.get()).join(u';'), QString());
        frmDisplay* display = Read();
        QVERIFY(display);
        QCOMPARE(UnnamedIn(display).join(u';'), QString());
        Trigger(display, "mnuShowWheel");
        QVERIFY(display->Wheel());
        QCOMPARE(UnnamedIn(display->Wheel()).join(u';'), QString());
        frmAbout about(t->shell, display);
        about.show();
        QCOMPARE(UnnamedIn(&about).join(u';'), QString());
        QCOMPARE(Of(&about, "lblHomePage")->role(), QAccessible::Link);
        PlaceFinderDialog finder(QStringLiteral("London"), display);
        finder.show();
        QCOMPARE(UnnamedIn(&finder).join(u';'), QString());

        // The births list, with a record that could not be read so that every part of it shows.
        QTemporaryDir dir;
        QFile births(dir.filePath(QStringLiteral("births.aaf")));
        QVERIFY(births.open(QIODevice::WriteOnly));
        births.write(
            "#A93:Lind,Mia,f,14.6.1962,23:15,Uppsala,S\n#B93:*,59n51,17e38,1he00,1\n#A93:Bad,Date,f,x,0:00,*,*\n");
        births.close();
        form->Births().SetSettingsFile(dir.filePath(QStringLiteral("settings.conf")));
        QVERIFY(form->Births().Open(births.fileName()));
        QCOMPARE(UnnamedIn(form->Births().Window()).join(u';'), QString());
    }

    // The About box opens on OK: Enter closes it and opens no page; Tab reaches both links first.
    void aboutBoxOpensOnOk() {
        frmAbout about(t->shell, form.get());
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        // The focus moves in with the window system's activation, which may come a moment later.
        QTRY_COMPARE(QApplication::focusWidget(), Child(&about, "cmdOK"));
        QCOMPARE(TabOrderFrom(Child(&about, "cmdOK")), (QStringList{"cmdOK", "lblHomePage", "lblCoBrand"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
        QVERIFY(t->web.opened.isEmpty());
    }

    // Run by ctest at display scales 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR).
    void labelTextsFitTheirBoxes() {
        frmDisplay* display = Read();
        QVERIFY(display);
        Trigger(display, "mnuShowWheel");
        QVERIFY(display->Wheel());
        QCOMPARE(UnnamedIn(display->Wheel()).join(u';'), QString());
        frmAbout about(t->shell, display);
        about.show();
        Trigger(display, "mnuShowWheel");
        QWidget* wheel = display->Wheel();
        QVERIFY(wheel);
        QVERIFY(QTest::qWaitForWindowExposed(wheel));
        QStringList cut;
        for (QWidget* window :
             {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(display), static_cast<QWidget*>(&about), wheel})
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->isVisibleTo(window) && label->window() == window && !label->text().isEmpty()) {
                    const QString where = window->objectName() + u'/' + label->objectName() + u' ';
                    if (!TextFitsItsBox(*label)) cut << where + QStringLiteral("does not fit its box");
                    // Where the text's own lines are drawn, not the whole label, must be seen: inside every
                    // box around it, and not under a box that lies in front.
                    const QRect text =
                        QFontMetrics(label->font())
                            .boundingRect(label->contentsRect(),
                                          int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                                          label->text())
                            .intersected(label->contentsRect());
                    for (QWidget* inner = label; inner != window; inner = inner->parentWidget()) {
                        QWidget* outer = inner->parentWidget();
                        const QRect shown(label->mapTo(outer, text.topLeft()), text.size());
                        if (!outer->rect().contains(shown))
                            cut << where + QStringLiteral("clipped by ") + outer->objectName();
                        const QObjectList& stack = outer->children();  // back to front
                        for (qsizetype i = stack.indexOf(inner) + 1; i < stack.size(); ++i) {
                            auto* front = qobject_cast<QWidget*>(stack[i]);
                            // A link stacked on the same spot hides the one behind by design.
                            if (front && front->isVisibleTo(window) && !front->isWindow() &&
                                front->geometry() != inner->geometry() && front->geometry().intersects(shown))
                                cut << where + QStringLiteral("covered by ") + front->objectName();
                        }
                    }
                }
        QCOMPARE(cut.join(u';'), QString());
        // The branding links lie one over the other: the one in front hides all of the one behind.
        for (QWidget* window : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(display)})
            QCOMPARE(Child(window, "lblCobrand")->geometry(), Child(window, "lblFullBrand")->geometry());
        // The written places stay: only the sizes grow.
        QCOMPARE(Child(form.get(), "Label12")->pos(), QPoint(320, 68));
        QVERIFY(Child(form.get(), "Label12")->width() >= 60);
    }

    void readingFrameGroupsHeadingsWithValues() {
        frmDisplay* display = Read();
        QVERIFY(display);
        const struct {
            const char* frame;
            const char* title;
            const char* prefix;
        } frames[] = {{"Frame3", "Galactic Sun Sign", "GalacticSunSign"},
                      {"Frame4", "Galactic Ascendant", "GalacticAscendant"},
                      {"Frame6", "Galactic Moon Sign", "GalacticMoonSign"},
                      {"Frame7", "Galactic Descendant", "GalacticDescendant"}};
        for (const auto& f : frames) {
            QAccessibleInterface* group = Of(display, f.frame);
            QCOMPARE(group->role(), QAccessible::Grouping);
            QCOMPARE(group->text(QAccessible::Name), QString::fromLatin1(f.title));
            const QString prefix = QLatin1String(f.prefix);
            auto* planet =
                Child<QLabel>(display, qPrintable(QStringLiteral("lbl") + prefix + QStringLiteral("RulingPlanet")));
            QVERIFY(planet->text() != QStringLiteral("..."));
            QCOMPARE(QAccessible::queryAccessibleInterface(planet)->text(QAccessible::Name),
                     QStringLiteral("Ruling Planet, ") + planet->text());
            auto* sign = Child<QLabel>(display, qPrintable(QStringLiteral("lbl") + prefix));
            QCOMPARE(QAccessible::queryAccessibleInterface(sign)->text(QAccessible::Name),
                     QLatin1String(f.title) + QStringLiteral(", ") + sign->text());
            auto* desc =
                Child<QPlainTextEdit>(display, qPrintable(QStringLiteral("txt") + prefix + QStringLiteral("Desc")));
            QCOMPARE(QAccessible::queryAccessibleInterface(desc)->text(QAccessible::Name),
                     QLatin1String(f.title) + QStringLiteral(" characteristics"));
            QVERIFY(desc->focusPolicy() & Qt::TabFocus);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
