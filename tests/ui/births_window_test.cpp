// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The births book through the windows: open, filter, choose, form filled, reading made, save, reopen;
// delete and undo; Save / Discard / Cancel on closing and quitting; a failed save; a file changed by
// another program; unreadable records; a birth whose offset no zone row has; import.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUndoStack>

#include "ui/births/births_window.h"
#include "ui/births/births_book.h"
#include "ui/births/births_list_model.h"
#include "ui/births/births_questions.h"
#include "ui/seams/file_chooser.h"
#include "ui/forms/frmDisplay.h"
#include "ui/widgets/language.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

// Hands out the paths a test queued, as if the user had picked them; records each caption.
class ScriptedChooser final : public FileChooser {
public:
    QString OpenFile(QWidget*, const QString& caption, const QString&, const QString& filter) override {
        asked << caption;
        filters << filter;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString SaveFile(QWidget*, const QString& caption, const QString&, const QString& filter) override {
        return OpenFile(nullptr, caption, {}, filter);
    }
    QStringList paths, asked, filters;
};

class ScriptedQuestions final : public BirthsQuestions {
public:
    UnsavedAnswer AskUnsaved(QWidget*, const QString& fileName) override {
        unsavedAsked << fileName;
        return unsaved;
    }
    bool AskOverwriteChanged(QWidget*, const QString& path) override {
        overwriteAsked << path;
        return overwrite;
    }
    UnsavedAnswer unsaved = UnsavedAnswer::Cancel;
    bool overwrite = false;
    QStringList unsavedAsked, overwriteAsked;
};

const QByteArray kThreeBirths =
    "#: written by hand in another program's manner\n"
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"
    "#B93:*,49n05,8e11,1he00,0\n"
    "#ZNAM:CET\n"
    "#COM:a comment that must survive\n"
    "#A93:Okafor,Ada,f,3.2.1985,7:30,Lagos,WAN\n"
    "#B93:*,6n27,3e23,1he00,0\n"
    "#A93:Lind,Mia,f,14.6.1962,23:15,Uppsala,S\n"
    "#B93:*,59n51,17e38,1he00,1\n"
    "#SRC:birth certificate\n";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class BirthsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestShell> t;
    std::unique_ptr<frmMain> form;
    ScriptedChooser chooser;
    ScriptedQuestions questions;

    QString PathOf(const char* name) const { return dir->filePath(QLatin1String(name)); }
    QString SettingsPath() const { return PathOf("settings/quorvane.conf"); }
    BirthsBook& Book() { return form->Births(); }
    BirthsWindow* Window() { return Book().Window(); }

    // Writes `bytes` to `name` and opens it through File > Open Births… .
    QString OpenFile(const char* name, const QByteArray& bytes) {
        const QString path = PathOf(name);
        WriteAll(path, bytes);
        chooser.paths << path;
        Trigger(form.get(), "mnuOpenBirths");
        return path;
    }

    QStringList ShownNames() const {
        QStringList names;
        const BirthsListModel& model = const_cast<BirthsWindowTest*>(this)->Window()->Model();
        for (int row = 0; row < model.rowCount(); ++row) names << model.index(row, 0).data().toString();
        return names;
    }

    QString Text(const char* field) { return Child<QLineEdit>(form.get(), field)->text(); }
    QString ListText(const char* list) { return Child<QComboBox>(form.get(), list)->currentText(); }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        t = std::make_unique<TestShell>();
        form = OpenBirthForm(*t);
        chooser = {};
        questions = {};
        t->shell.SetFileChooser(chooser);
        Book().SetQuestions(questions);
        Book().SetSettingsFile(SettingsPath());
    }
    void cleanup() {
        SetUiLanguage("en");
        form.reset();
        t.reset();
        dir.reset();
    }

    void openFilterChooseReadSaveAndReopen() {
        const QString path = OpenFile("family.aaf", kThreeBirths);
        QVERIFY(Window() && Window()->isVisible());
        QVERIFY(t->messages.shown.isEmpty());
        QCOMPARE(ShownNames(), (QStringList{"Tobias Ferber", "Ada Okafor", "Mia Lind"}));
        QCOMPARE(Window()->CountText(), QStringLiteral("3 births"));
        QCOMPARE(Window()->Model().index(0, BirthsListModel::DateColumn).data().toString(),
                 QStringLiteral("1970-09-27 11:04"));
        QCOMPARE(Window()->Model().index(0, BirthsListModel::PlaceColumn).data().toString(),
                 QStringLiteral("Kandel/Pfalz, D"));

        // Narrowing as one types, by place as well as by name, whatever the case.
        QLineEdit* filter = Window()->FilterBox();
        filter->setFocus();
        QTest::keyClicks(filter, QStringLiteral("UPP"));
        QCOMPARE(ShownNames(), (QStringList{"Mia Lind"}));
        QCOMPARE(Window()->CountText(), QStringLiteral("1 of 3 births"));
        filter->clear();
        QTest::keyClicks(filter, QStringLiteral("a"));
        QCOMPARE(ShownNames(), (QStringList{"Tobias Ferber", "Ada Okafor", "Mia Lind"}));  // Kandel, Ada, Uppsala
        QTest::keyClicks(filter, QStringLiteral("d"));
        QCOMPARE(ShownNames(), (QStringList{"Ada Okafor"}));
        QTest::keyClick(filter, Qt::Key_Backspace);
        QTest::keyClicks(filter, QStringLiteral("nd"));
        QCOMPARE(ShownNames(), (QStringList{"Tobias Ferber"}));  // Kandel

        // Enter fills the form, the name as the file spells it.
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(Text("txtName"), QStringLiteral("Tobias Ferber"));
        QCOMPARE(ListText("cboDate"), QStringLiteral("27"));
        QCOMPARE(ListText("cboMonth"), QStringLiteral("September"));
        QCOMPARE(ListText("cboYear"), QStringLiteral("1970"));
        QCOMPARE(ListText("cboHH"), QStringLiteral("11"));
        QCOMPARE(ListText("cboMM"), QStringLiteral("4"));
        QVERIFY(ListText("cmbTimeZone").contains(QStringLiteral("CET")));
        QVERIFY(!Child<QCheckBox>(form.get(), "chkDST")->isChecked());
        QCOMPARE(Text("txtLatD") + ' ' + Text("txtLatM") + ' ' + Text("txtLonD") + ' ' + Text("txtLonM"),
                 QStringLiteral("49 5 8 11"));
        QVERIFY(Child<QRadioButton>(form.get(), "optLat_0")->isChecked());
        QVERIFY(Child<QRadioButton>(form.get(), "optLong_0")->isChecked());
        QCOMPARE(Text("txtMCity") + '|' + Text("txtMState") + '|' + Text("txtMCountry"),
                 QStringLiteral("Kandel|Pfalz|D"));

        // The reading is made from what the file gave.
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QVERIFY(t->messages.shown.isEmpty());
        QVERIFY(form->ReadingForm());
        QCOMPARE(t->shell.Session().LastBirthData().Year, 1970);
        QCOMPARE(t->shell.Session().LastZoneIndex(), Child<QComboBox>(form.get(), "cmbTimeZone")->currentIndex());
        Trigger(form->ReadingForm(), "mnuFileBack");

        // Ctrl+S updates the birth the form came from; the rest of the file stays byte for byte.
        Pick(form.get(), "cboHH", QStringLiteral("12"));
        Trigger(form.get(), "mnuSaveToBirths");
        QVERIFY(t->messages.shown.isEmpty());
        QVERIFY(!Book().IsModified());
        const QByteArray saved = ReadAll(path);
        QVERIFY(saved.contains("27.9.1970,12:04,Kandel/Pfalz,D\n"));
        QVERIFY(saved.contains("#COM:a comment that must survive\n"));
        QVERIFY(saved.startsWith("#: written by hand in another program's manner\n"));
        QVERIFY(saved.endsWith(kThreeBirths.mid(kThreeBirths.indexOf("#A93:Okafor"))));
        QCOMPARE(saved.count("#A93:"), 3);

        // A birth with another name is added, not written over the one the form came from.
        Child<QLineEdit>(form.get(), "txtName")->setText(QStringLiteral("NEW BORN"));
        Trigger(form.get(), "mnuSaveToBirths");
        QCOMPARE(Window()->Model().ReadableCount(), 4);

        // Reopened, the file gives what was saved.
        Window()->close();
        QVERIFY(!Book().File());
        chooser.paths << path;
        Trigger(form.get(), "mnuOpenBirths");
        QCOMPARE(Window()->Model().ReadableCount(), 4);
        Window()->FilterBox()->setText(QStringLiteral("tobias"));
        Window()->ChooseCurrent();
        QCOMPARE(ListText("cboHH"), QStringLiteral("12"));
        Window()->FilterBox()->clear();
        QTreeView* list = Window()->List();
        const QModelIndex last = Window()->Model().index(3, BirthsListModel::PlaceColumn);
        QVERIFY(QTest::qWaitForWindowExposed(Window()));
        QTRY_VERIFY(list->visualRect(last).isValid());  // the rows are laid out after the window shows
        // A double-click as the window system delivers it: press, release, then press and double-click.
        const QPoint at = list->visualRect(last).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(Text("txtName"), QStringLiteral("NEW BORN"));
        QCOMPARE(ListText("cboHH"), QStringLiteral("12"));
        QCOMPARE(Text("txtMCity") + '|' + Text("txtMState"), QStringLiteral("Kandel|Pfalz"));
    }

    void nothingIsRememberedUntilAFileIsUsed() {
        Type(form.get(), "txtName", QStringLiteral("ASHA"));
        Type(form.get(), "txtLonD", QStringLiteral("73"));
        Type(form.get(), "txtLonM", QStringLiteral("51"));
        Type(form.get(), "txtLatD", QStringLiteral("18"));
        Type(form.get(), "txtLatM", QStringLiteral("31"));
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QVERIFY(form->ReadingForm());
        Trigger(form->ReadingForm(), "mnuFileBack");
        auto* recent = Child<QMenu>(form.get(), "mnuOpenRecent");
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(!recent->actions().first()->isEnabled());
        QVERIFY(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

        // Saving the birth is the first use of a file: now it is remembered.
        const QString path = PathOf("mine.aaf");
        chooser.paths << path;
        Trigger(form.get(), "mnuSaveToBirths");
        QCOMPARE(chooser.asked, (QStringList{"Save to Births"}));
        QVERIFY(Window()->isVisible());
        QVERIFY(ReadAll(path).startsWith("#A93:ASHA,*,*,1.1.1901,0:00,*,*\n"));
        QVERIFY(QFile::exists(SettingsPath()));
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QCOMPARE(recent->actions().first()->text(), QStringLiteral("&1 mine.aaf"));

        // Open Recent opens it again after it was closed.
        Window()->close();
        recent->actions().first()->trigger();
        QVERIFY(Book().File());
        QCOMPARE(Book().FilePath(), path);

        // A remembered file that is gone says so once and is offered no more.
        Window()->close();
        QVERIFY(QFile::remove(path));
        emit recent->aboutToShow();
        recent->actions().first()->trigger();
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(t->messages.shown[0].Text.contains(QDir::toNativeSeparators(path)));
        emit recent->aboutToShow();
        QVERIFY(!recent->actions().first()->isEnabled());
    }

    // The settings cannot be written (their folder would have to be made inside a plain file): the first
    // time the user is told where, later failures go to standard error only; the births file still opens.
    void unsavedSettingsAreToldOnce() {
        WriteAll(PathOf("plain"), "not a folder");
        Book().SetSettingsFile(PathOf("plain/quorvane.conf"));
        OpenFile("one.aaf", kThreeBirths);
        QVERIFY(Book().File());
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY2(t->messages.shown[0].Text.startsWith(
                     QStringLiteral("The list of recent births files could not be saved to ")),
                 qPrintable(t->messages.shown[0].Text));
        QVERIFY(t->messages.shown[0].Text.contains(QDir::toNativeSeparators(PathOf("plain/quorvane.conf"))));
        Window()->close();
        OpenFile("two.aaf", kThreeBirths);
        QVERIFY(Book().File());
        QCOMPARE(t->messages.shown.size(), 1);
    }

    void deleteRemovesAndUndoPutsBack() {
        const QString path = OpenFile("family.aaf", kThreeBirths);
        QVERIFY(QTest::qWaitForWindowActive(Window()));  // the opened file's list comes to the front
        QTreeView* list = Window()->List();
        list->setFocus();
        list->setCurrentIndex(Window()->Model().index(1, 0));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(ShownNames(), (QStringList{"Tobias Ferber", "Mia Lind"}));
        QCOMPARE(Window()->CountText(), QStringLiteral("2 births"));
        QVERIFY(Book().IsModified());
        QVERIFY(Window()->isWindowModified());
        QCOMPARE(ReadAll(path), kThreeBirths);  // nothing written unless saved

        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ShownNames(), (QStringList{"Tobias Ferber", "Ada Okafor", "Mia Lind"}));
        QVERIFY(!Book().IsModified());

        // Delete in the filter box edits the filter, not the list.
        Window()->FilterBox()->setFocus();
        QTest::keyClicks(Window()->FilterBox(), QStringLiteral("mia"));
        QTest::keyClick(Window()->FilterBox(), Qt::Key_Home);
        QTest::keyClick(Window()->FilterBox(), Qt::Key_Delete);
        QCOMPARE(Window()->FilterBox()->text(), QStringLiteral("ia"));
        QCOMPARE(Window()->Model().ReadableCount(), 3);
        // Down goes from the filter box to the list, Delete there removes the one shown.
        QTest::keyClick(Window()->FilterBox(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(Window()->Model().ReadableCount(), 2);
        Child<QPushButton>(Window(), "birthsUndo")->click();
        QCOMPARE(Window()->Model().ReadableCount(), 3);
    }

    void closingTheListAsksAboutUnsavedChanges() {
        const QString path = OpenFile("family.aaf", kThreeBirths);
        Book().Remove(0);

        questions.unsaved = UnsavedAnswer::Cancel;
        QVERIFY(!Window()->close());
        QVERIFY(Window()->isVisible());
        QCOMPARE(Window()->Model().ReadableCount(), 2);
        QCOMPARE(questions.unsavedAsked, (QStringList{"family.aaf"}));

        questions.unsaved = UnsavedAnswer::Discard;
        QVERIFY(Window()->close());
        QVERIFY(!Book().File());
        QCOMPARE(ReadAll(path), kThreeBirths);

        chooser.paths << path;
        Trigger(form.get(), "mnuOpenBirths");
        Book().Remove(0);
        questions.unsaved = UnsavedAnswer::Save;
        QVERIFY(Window()->close());
        const QByteArray saved = ReadAll(path);
        QCOMPARE(saved.count("#A93:"), 2);
        QVERIFY(!saved.contains("Ferber"));
        QVERIFY(saved.contains("#SRC:birth certificate\n"));
        QCOMPARE(questions.unsavedAsked.size(), 3);
    }

    void quittingAsksAboutUnsavedChanges() {
        OpenFile("family.aaf", kThreeBirths);
        Book().Remove(2);
        questions.unsaved = UnsavedAnswer::Cancel;
        Trigger(form.get(), "mnuExit");
        QCOMPARE(t->quits, 0);
        QVERIFY(!t->shell.Quitting());
        QVERIFY(form->isVisible());
        QVERIFY(Window()->isVisible());

        // The reading form's close box asks the same, and the reading stays when the user cancels.
        Book().Choose(0);
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QVERIFY(form->ReadingForm());
        QVERIFY(!form->ReadingForm()->close());
        QCOMPARE(t->quits, 0);

        questions.unsaved = UnsavedAnswer::Discard;
        Trigger(form.get(), "mnuExit");
        QCOMPARE(t->quits, 1);
        QCOMPARE(questions.unsavedAsked.size(), 3);  // once each time: not again as each window closes
    }

    void failedSaveSaysSoAndKeepsTheBirths() {
        OpenFile("family.aaf", kThreeBirths);
        Book().Remove(0);
        const QString nowhere = PathOf("no such folder/family.aaf");
        chooser.paths << nowhere;
        Trigger(form.get(), "mnuSaveBirthsAs");
        QCOMPARE(t->messages.shown.size(), 1);
        QCOMPARE(t->messages.shown[0].Icon, MessageIcon::Error);
        QVERIFY2(t->messages.shown[0].Text.contains(QDir::toNativeSeparators(nowhere)),
                 qPrintable(t->messages.shown[0].Text));
        QVERIFY(Book().IsModified());
        QCOMPARE(Window()->Model().ReadableCount(), 2);
        QCOMPARE(Book().FilePath(), PathOf("family.aaf"));

        // A directory where the file should be: the old file is not touched either.
        QDir(dir->path()).mkdir(QStringLiteral("taken.aaf"));
        chooser.paths << PathOf("taken.aaf");
        Trigger(form.get(), "mnuSaveBirthsAs");
        QCOMPARE(t->messages.shown.size(), 2);
        QCOMPARE(ReadAll(PathOf("family.aaf")), kThreeBirths);
    }

    void fileChangedOnDiskIsNotOverwrittenUnasked() {
        const QString path = OpenFile("family.aaf", kThreeBirths);
        Book().Remove(0);
        const QByteArray theirs =
            kThreeBirths + "#A93:Other,Program,m,1.1.2000,0:00,Oslo,N\n#B93:*,59n55,10e45,1he00,0\n";
        WriteAll(path, theirs);

        questions.overwrite = false;
        QVERIFY(!Book().Save());
        QCOMPARE(questions.overwriteAsked, (QStringList{path}));
        QCOMPARE(ReadAll(path), theirs);
        QVERIFY(Book().IsModified());

        questions.overwrite = true;
        QVERIFY(Book().Save());
        QCOMPARE(ReadAll(path).count("#A93:"), 2);
        QVERIFY(!Book().IsModified());
        // Our own save is not a change by another program.
        Book().Remove(0);
        QVERIFY(Book().Save());
        QCOMPARE(questions.overwriteAsked.size(), 2);

        // Opening the open file again reads it again only when it changed.
        QVERIFY(Book().Open(path));
        QCOMPARE(Window()->Model().ReadableCount(), 1);
        WriteAll(path, theirs);
        QVERIFY(Book().Open(path));
        QCOMPARE(Window()->Model().ReadableCount(), 4);
    }

    void unreadableRecordsAreListedAndKept() {
        const QByteArray bytes = QByteArray(kThreeBirths).replace("3.2.1985", "31.2.19x5") +
                                 "#A93:Brandt,J\xfcrgen,m,2.5.1950,8:00,M\xfcnchen,D\n#B93:*,48n08,11e34,1he00,0\n";
        const QString path = OpenFile("old.aaf", bytes);  // Latin-1: not valid UTF-8
        QCOMPARE(t->messages.shown.size(), 1);            // told once, on opening
        QVERIFY(t->messages.shown[0].Text.startsWith(QStringLiteral("1 of the records in old.aaf could not be read")));
        auto* unreadable = Child<QListWidget>(Window(), "birthsUnreadable");
        QVERIFY(unreadable->isVisibleTo(Window()));
        QCOMPARE(unreadable->count(), 1);
        QVERIFY2(unreadable->item(0)->text().startsWith(
                     QStringLiteral("Line 6 (Ada Okafor): the date \"31.2.19x5\" is not day.month.year")),
                 qPrintable(unreadable->item(0)->text()));
        QCOMPARE(ShownNames(), (QStringList{"Tobias Ferber", "Mia Lind", "Jürgen Brandt"}));
        Window()->FilterBox()->setText(QStringLiteral("MÜNCHEN"));
        QCOMPARE(ShownNames(), (QStringList{"Jürgen Brandt"}));

        // Saved again, the unread record and the Latin-1 spelling come back as they were.
        Book().Remove(0);
        Book().Undo().undo();
        Book().Remove(2);  // Mia Lind: the unread record is the second of the book
        QVERIFY(Book().Save());
        const QByteArray saved = ReadAll(path);
        QVERIFY(saved.contains("#A93:Okafor,Ada,f,31.2.19x5,7:30,Lagos,WAN\n#B93:*,6n27,3e23,1he00,0\n"));
        QVERIFY(saved.contains("Brandt,J\xfcrgen,m,2.5.1950,8:00,M\xfcnchen,D\n"));
        QVERIFY(!saved.contains("Lind"));
    }

    void aHugeFieldIsShownByItsBeginningAndKeptWhole() {
        const QByteArray name(2'000'000, 'x');
        const QByteArray bytes = "#A93:" + name + ",*,m,1.1.1950,0:00,Oslo,N\n#B93:*,59n55,10e45,1he00,0\n";
        const QString path = OpenFile("huge.aaf", bytes);
        const QString shown = Window()->Model().index(0, BirthsListModel::NameColumn).data().toString();
        QCOMPARE(shown.size(), 201);
        QVERIFY(shown.startsWith(QStringLiteral("xxxx")));
        Window()->List()->viewport()->repaint();
        Window()->FilterBox()->setText(QStringLiteral("oslo"));
        QCOMPARE(Window()->Model().ShownCount(), 1);
        Window()->ChooseCurrent();
        QCOMPARE(Text("txtName").size(),
                 Child<QLineEdit>(form.get(), "txtName")->maxLength());  // the field's own limit
        Book().Remove(0);
        Book().Undo().undo();
        QVERIFY(Book().Save());
        QCOMPARE(ReadAll(path), bytes);
    }

    void filesThatAreNoBirthsAreRefused() {
        OpenFile("picture.aaf", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(t->messages.shown[0].Text.contains(QStringLiteral("binary")));
        QVERIFY(!Book().File());
        OpenFile("letter.aaf", "Dear Ada,\nthank you for the chart.\n");
        QCOMPARE(t->messages.shown.size(), 2);
        QVERIFY(t->messages.shown[1].Text.contains(QStringLiteral("neither an AAF nor a CSV")));
        QVERIFY(!Book().File());
        QVERIFY(!QFile::exists(SettingsPath()));
    }

    void anOffsetWithoutRowIsTakenExactly() {
        OpenFile("nepal.aaf", "#A93:Shrestha,Sita,f,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n");
        Window()->ChooseCurrent();
        QCOMPARE(Text("txtName"), QStringLiteral("Sita Shrestha"));
        auto* zones = Child<QComboBox>(form.get(), "cmbTimeZone");
        QCOMPARE(zones->currentIndex(), 72);  // the typed offset, after the 71 rows
        QCOMPARE(Child<QLineEdit>(form.get(), "txtZoneOffset")->text(), QStringLiteral("+05:45"));
        QVERIFY(zones->toolTip().isEmpty());
        QVERIFY(Child<QLabel>(Window(), "birthsNote")->text().contains(QStringLiteral("UTC+5:45")));

        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QVERIFY(form->ReadingForm());
        QVERIFY(t->messages.shown.isEmpty());
        QCOMPARE(t->shell.Session().LastReading()->UniversalTime, (CivilDateTime{1990, 4, 4, 0, 30, 0}));
        form->ReadingForm()->close();

        // Saved, the file keeps the offset it had.
        Trigger(form.get(), "mnuSaveToBirths");
        QVERIFY(ReadAll(PathOf("nepal.aaf")).contains("5he45"));

        zones->setCurrentIndex(34);  // the user picks a row instead
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QCOMPARE(t->shell.Session().LastReading()->UniversalTime, (CivilDateTime{1990, 4, 4, 0, 45, 0}));
    }

    void aTypedOffsetIsSavedExactly() {
        // A birth typed with "Other offset" keeps that offset in the file, not an unknown zone.
        Type(form.get(), "txtName", QStringLiteral("SITA"));
        Type(form.get(), "txtLonD", QStringLiteral("85"));
        Type(form.get(), "txtLonM", QStringLiteral("19"));
        Type(form.get(), "txtLatD", QStringLiteral("27"));
        Type(form.get(), "txtLatM", QStringLiteral("42"));
        Child<QComboBox>(form.get(), "cmbTimeZone")->setCurrentIndex(72);
        Type(form.get(), "txtZoneOffset", QStringLiteral("+05:45"));
        const QString path = PathOf("typed.aaf");
        chooser.paths << path;
        Trigger(form.get(), "mnuSaveToBirths");
        QVERIFY2(ReadAll(path).contains("#B93:*,27n42,85e19,5he45,0\n"), ReadAll(path).constData());
        QVERIFY(Book().Open(path));
        Window()->ChooseCurrent();
        QCOMPARE(Child<QLineEdit>(form.get(), "txtZoneOffset")->text(), QStringLiteral("+05:45"));
    }

    void aBirthInLocalMeanTimeTakesTheBirthplacesOwn() {
        OpenFile("lmt.aaf", "#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,L\n");
        Window()->ChooseCurrent();
        QCOMPARE(Child<QComboBox>(form.get(), "cmbTimeZone")->currentIndex(), 71);
        QCOMPARE(Child<QLineEdit>(form.get(), "txtZoneOffset")->text(), QStringLiteral("+05:35:56"));
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QVERIFY(form->ReadingForm());
        QCOMPARE(t->shell.Session().LastReading()->UniversalTime, (CivilDateTime{1905, 6, 1, 6, 24, 4}));
        QVERIFY(Child<QLabel>(Window(), "birthsNote")->text().startsWith(QStringLiteral("local mean time")));
    }

    void aBirthWhoseFileGivesNoZoneAsksForARow() {
        // Nepal kept standard time in 1990: the file's "*" leaves the choice to the user.
        OpenFile("unknown.aaf", "#A93:Rana,Hari,m,1.6.1990,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n");
        Window()->ChooseCurrent();
        auto* zones = Child<QComboBox>(form.get(), "cmbTimeZone");
        QCOMPARE(zones->currentIndex(), -1);
        QCOMPARE(zones->toolTip(), QStringLiteral("The file does not give the zone; choose a row"));
    }

    void aBirthWithoutZoneWhereLocalMeanTimeWasKeptTakesIt() {
        // In 1905 it kept local mean time: the birthplace's own is taken, said in the note, and the clock's
        // seconds reach the form and the reading. The file itself is written back as it was.
        const QByteArray text = "#A93:Rana,Hari,m,1.6.1905,12:00:30,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n";
        const QString path = OpenFile("unknown.aaf", text);
        Window()->ChooseCurrent();
        QCOMPARE(Child<QComboBox>(form.get(), "cmbTimeZone")->currentIndex(), 71);
        QCOMPARE(ListText("cboSS"), QStringLiteral("30"));
        QVERIFY(Child<QLabel>(Window(), "birthsNote")
                    ->text()
                    .startsWith(QStringLiteral(
                        "the file does not give the zone: local mean time of the birthplace, UTC+5:35:56, is taken")));
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        QCOMPARE(t->shell.Session().LastReading()->UniversalTime, (CivilDateTime{1905, 6, 1, 6, 24, 34}));
        QVERIFY(Book().Save());
        QCOMPARE(ReadAll(path), text);
    }

    // Under German the list's notes and the zone list's refusal are the core's sentences in German, with
    // no English left inside them.
    void notesAndRefusalsInTheWindowsLanguage() {
        SetUiLanguage("de");
        const QRegularExpression english(QStringLiteral("the zone|file|local mean time|choose|taken|offset|row"),
                                         QRegularExpression::CaseInsensitiveOption);
        OpenFile("de.aaf",
                 "#A93:Rana,Hari,m,1.6.1990,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n"
                 "#A93:Rana,Gita,f,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n"
                 "#A93:Shrestha,Sita,f,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n"
                 "#A93:Lind,Mia,f,30.2.1962,23:15,Uppsala,S\n#B93:*,59n52,17e38,1he00,0\n");
        // The file's own reason for a record it cannot read, in the language too.
        auto* unreadable = Child<QListWidget>(Window(), "birthsUnreadable");
        QCOMPARE(unreadable->count(), 1);
        QVERIFY2(unreadable->item(0)->text().endsWith(
                     QStringLiteral("den Tag 30 des Datums \"30.2.1962\" gibt es im Februar 1962 nicht")),
                 qPrintable(unreadable->item(0)->text()));
        auto* note = Child<QLabel>(Window(), "birthsNote");
        auto* zones = Child<QComboBox>(form.get(), "cmbTimeZone");
        const auto choose = [this](const QString& name) {
            const int row = static_cast<int>(ShownNames().indexOf(name));
            QVERIFY2(row >= 0, qPrintable(name));
            Window()
                ->findChild<QTreeView*>(QStringLiteral("birthsList"))
                ->setCurrentIndex(Window()->Model().index(row, 0));
            Window()->ChooseCurrent();
        };
        choose(QStringLiteral("Hari Rana"));
        QCOMPARE(zones->toolTip(), QStringLiteral("Die Datei nennt keine Zeitzone; wählen Sie eine Zone"));
        QCOMPARE(note->text(), zones->toolTip());
        choose(QStringLiteral("Gita Rana"));
        QVERIFY2(
            note->text().startsWith(QStringLiteral("die Datei nennt keine Zeitzone: Es gilt die mittlere Ortszeit des "
                                                   "Geburtsorts, UTC+5:35:56")),
            qPrintable(note->text()));
        choose(QStringLiteral("Sita Shrestha"));
        QCOMPARE(note->text(), QStringLiteral("keine Zone der Liste hat den Abstand UTC+5:45"));
        for (const QString& shown : {note->text(), zones->toolTip(), unreadable->item(0)->text()})
            QVERIFY2(!english.match(shown).hasMatch(), qPrintable(shown));
    }

    void aCsvBookIsSavedAsCsvAndAafAsCsvSaysWhatItLeavesOut() {
        const QString path =
            OpenFile("batch.csv", "name,date,time,zone,dst,lat,lon\nASHA,1985-06-15,07:30,34,0,18N31,73E51\n");
        QCOMPARE(Book().File()->Format, BirthsFormat::Csv);
        Window()->ChooseCurrent();
        QCOMPARE(ListText("cmbTimeZone"), QStringLiteral("Indian Time, IST, +5.3"));
        Pick(form.get(), "cboMM", QStringLiteral("45"));
        Trigger(form.get(), "mnuSaveToBirths");
        QCOMPARE(ReadAll(path),
                 QByteArray("name,date,time,zone,dst,lat,lon\nASHA,1985-06-15,07:45,34,0,18N31,73E51\n"));

        // An AAF book written as CSV: a birth no row has goes with its exact offset; one whose file gives no
        // zone cannot go, and the user is told.
        OpenFile("nepal.aaf", QByteArray(kThreeBirths) +
                                  "#A93:Shrestha,Sita,f,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n"
                                  "#A93:Rana,Hari,m,1.6.1990,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n");
        chooser.paths << PathOf("out.csv");
        Trigger(form.get(), "mnuSaveBirthsAs");
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(t->messages.shown[0].Text.startsWith(QStringLiteral("1 of the births give no zone")));
        const QByteArray csv = ReadAll(PathOf("out.csv"));
        QCOMPARE(csv.count('\n'), 5);
        QVERIFY(csv.contains("Sita Shrestha,1990-04-04,06:15,+05:45,0,27N42,85E19\n"));
        QVERIFY(!csv.contains("Rana"));
        QCOMPARE(Book().FilePath(), PathOf("out.csv"));
    }

    void importAddsTheOtherFormatsBirths() {
        const QString path = OpenFile("family.aaf", kThreeBirths);
        const QString csv = PathOf("friends.csv");
        WriteAll(csv,
                 "name,date,time,zone,dst,lat,lon\nASHA,1985-06-15,07:30,34,0,18N31,73E51\nBAD,1985-13-01,07:30,34,0,"
                 "18N31,73E51\n");
        chooser.paths << csv;
        Trigger(form.get(), "mnuImport");
        QVERIFY(chooser.filters.last().startsWith(QStringLiteral("CSV")));
        QCOMPARE(ShownNames().last(), QStringLiteral("ASHA"));
        QCOMPARE(Window()->Model().ReadableCount(), 4);
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(t->messages.shown[0].Text.contains(QStringLiteral("1 records could not be read")));
        QVERIFY(Book().IsModified());
        QVERIFY(Book().Save());
        const QByteArray saved = ReadAll(path);
        QVERIFY(saved.startsWith(kThreeBirths));
        QVERIFY(saved.contains("#A93:ASHA,*,*,15.6.1985,7:30,*,*\n#B93:*,18n31,73e51,5he30,0\n"));
        QVERIFY(!saved.contains("name,date"));
        // And the whole import is one Undo step.
        Book().Undo().undo();
        QCOMPARE(Window()->Model().ReadableCount(), 3);
    }
};

QTEST_MAIN(BirthsWindowTest)
#include "births_window_test.moc"
