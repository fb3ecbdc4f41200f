// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in other languages: every string a person reads goes through translation (a generated
// pseudo-language marks each translated text, so an English one left over shows), every window is
// complete in each shipped language, and the English program stays as written.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeWidget>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "app/translations.h"
#include "common/version.h"
#include "l10n/core_texts.h"
#include "galactic/galactic_signs.h"
#include "ui/a11y/accessibility.h"
#include "ui/atlas/zone_suggestion_line.h"
#include "ui/births/births_book.h"
#include "ui/births/births_window.h"
#include "ui/forms/frmAbout.h"
#include "ui/forms/frmDisplay.h"
#include "ui/forms/wheel_window.h"
#include "ui/widgets/language.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

struct Shown {
    QString Where;
    QString Text;
};

void Add(QList<Shown>& out, const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty()) out.push_back({where, text});
}

void CollectMenu(QList<Shown>& out, const QString& where, const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QString here = where + u'/' + (action->objectName().isEmpty() ? action->text() : action->objectName());
        Add(out, here, action->text());
        if (QMenu* menu = action->menu()) {
            Add(out, here + QStringLiteral("#accessibleName"), menu->accessibleName());
            CollectMenu(out, here, menu->actions());
        }
    }
}

// Everything a window shows or tells a screen reader: captions, texts, tips, names, descriptions, list
// entries, column headings and menus.
QList<Shown> ShownTexts(QWidget* window) {
    QList<Shown> out;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w != window && w->window() != window) continue;
        const QString where =
            window->objectName() + u'/' + w->objectName() + u'(' + QLatin1String(w->metaObject()->className()) + u')';
        if (w == window) Add(out, where + QStringLiteral("#title"), w->windowTitle());
        Add(out, where + QStringLiteral("#toolTip"), w->toolTip());
        Add(out, where + QStringLiteral("#accessibleName"), w->accessibleName());
        Add(out, where + QStringLiteral("#accessibleDescription"), w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w)) Add(out, where, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) Add(out, where, button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) Add(out, where, box->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            Add(out, where + QStringLiteral("#placeholder"), edit->placeholderText());
        if (auto* text = qobject_cast<QPlainTextEdit*>(w)) Add(out, where, text->toPlainText());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) Add(out, where + u'#' + QString::number(i), combo->itemText(i));
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                Add(out, where + QStringLiteral("#header") + QString::number(c),
                    model->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    Add(out, where + QStringLiteral("#%1,%2").arg(r).arg(c), model->index(r, c).data().toString());
        }
        if (auto* bar = qobject_cast<QMenuBar*>(w)) CollectMenu(out, where, bar->actions());
    }
    return out;
}

// The texts the core catalogue gives (in English under the pseudo-language): signs, zone rows, months,
// the points and frames; they are translated by the catalogue, not by Qt Linguist.
const std::set<QString>& CatalogueEnglish() {
    static const std::set<QString> texts = [] {
        std::set<QString> all;
        for (const l10n::KeyText& entry : l10n::EnglishCatalogue())
            all.insert(QString::fromUtf8(entry.Text.data(), static_cast<qsizetype>(entry.Text.size())));
        return all;
    }();
    return texts;
}

// The core catalogue's texts with {placeholders}, each as a pattern any filling matches ("UTC offset used: +00:00").
const std::vector<QRegularExpression>& CatalogueTemplates() {
    static const std::vector<QRegularExpression> patterns = [] {
        std::vector<QRegularExpression> all;
        static const QRegularExpression placeholder(QStringLiteral("\\\\\\{\\w+\\\\\\}"));
        for (const QString& text : CatalogueEnglish())
            if (text.contains(u'{'))
                all.emplace_back(QRegularExpression::anchoredPattern(
                    QRegularExpression::escape(text).replace(placeholder, QStringLiteral(".*"))));
        return all;
    }();
    return patterns;
}

// What may stay English under the pseudo-language: the product's name and version, numbers and degrees,
// the web address inside a translated sentence, and the core catalogue's texts, filled in or not, line by line.
bool LeftInEnglishOnPurpose(const QString& text) {
    if (text == QString::fromUtf8(kProductTitle) || text == QLatin1String(kProductName)) return true;
    static const QRegularExpression numbered(QStringLiteral("^\\d+  "));
    QString core = text;
    core.remove(numbered);  // "1  Galactic Ascendant": the wheel's numbered rows
    if (CatalogueEnglish().count(core) > 0) return true;
    const QStringList lines = core.split(u'\n');
    return std::all_of(lines.begin(), lines.end(), [](const QString& line) {
        return CatalogueEnglish().count(line) > 0 ||
               std::any_of(CatalogueTemplates().begin(), CatalogueTemplates().end(),
                           [&](const QRegularExpression& pattern) { return pattern.match(line).hasMatch(); });
    });
}

// A text with a word of English outside the pseudo-language's marks.
bool Untranslated(const QString& text) {
    // Marks nest where a translated text holds another (a frame's caption in an accessible name).
    static const QRegularExpression marked(QStringLiteral("⟦[^⟦⟧]*⟧"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QString rest = text;
    for (qsizetype before = -1; before != rest.size();) {
        before = rest.size();
        rest.remove(marked);
    }
    return rest.contains(word) && !LeftInEnglishOnPurpose(text);
}

// Types letters beyond ASCII the way a keyboard sends them: a key event carrying the text.
void TypeText(QWidget* root, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(root, field);
    edit->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
}

// The birth the windows are walked with: a reading, its wheel, and a births list holding it.
void EnterBirth(QWidget* form) {
    Type(form, "txtName", QStringLiteral("ASHA"));
    Pick(form, "cboYear", QStringLiteral("1985"));
    Child<QComboBox>(form, "cboMonth")->setCurrentIndex(5);
    Pick(form, "cboDate", QStringLiteral("15"));
    Type(form, "txtLatD", QStringLiteral("40"));
    Type(form, "txtLatM", QStringLiteral("42"));
    Type(form, "txtLonD", QStringLiteral("74"));
    Type(form, "txtLonM", QStringLiteral("0"));
}

}  // namespace

class TranslationTest : public OnFreshBirthForm {
    Q_OBJECT

    // Every window with a reading shown, its wheel, the About box and the births list; then `check` on
    // every text of each, and on every message shown on the way.
    template <class Check>
    void WalkEveryWindow(Check check) {
        auto* formWindow = form.get();
        form->setObjectName(QStringLiteral("frmMain"));
        std::map<QString, QWidget*> windows;
        // Messages first, on the empty form: the place fields and the name are checked.
        Child<QPushButton>(formWindow, "cmdBrowser")->click();
        Child<QPushButton>(formWindow, "cmdRashi")->click();
        EnterBirth(formWindow);
        Child<QPushButton>(formWindow, "cmdRashi")->click();
        frmDisplay* display = form->ReadingForm();
        QVERIFY(display);
        display->setObjectName(QStringLiteral("frmDisplay"));
        Trigger(display, "mnuShowWheel");
        QVERIFY(display->Wheel());
        frmAbout about(t->shell, display);
        about.setObjectName(QStringLiteral("frmAbout"));
        BirthsWindow births(form->Births(), nullptr);
        births.setObjectName(QStringLiteral("BirthsWindow"));
        for (QWidget* window :
             {static_cast<QWidget*>(formWindow), static_cast<QWidget*>(display),
              static_cast<QWidget*>(display->Wheel()), static_cast<QWidget*>(&about), static_cast<QWidget*>(&births)})
            for (const Shown& shown : ShownTexts(window)) check(shown.Where, shown.Text);
        for (const ShownMessage& message : t->messages.shown) check(QStringLiteral("message"), message.Text);
    }

private slots:
    void cleanup() {
        OnFreshBirthForm::cleanup();
        InstallTranslations(QStringLiteral("en"));
    }

    // Every text of every window goes through translation, but the ones listed in LeftInEnglishOnPurpose.
    void pseudoLanguageReachesEveryText() {
        form.reset();
        // Generated at build time from the sources: every text accented and a third longer.
        static QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
        static QTranslator pseudoReport;
        QVERIFY(pseudoReport.load(QStringLiteral(PSEUDO_REPORT_QM)));
        QCoreApplication::installTranslator(&pseudoReport);
        SetUiLanguage("qps");
        form = OpenBirthForm(*t);
        QStringList english;
        int marked = 0;
        WalkEveryWindow([&](const QString& where, const QString& text) {
            if (Untranslated(text)) english << where + QStringLiteral(": ") + text;
            if (text.contains(u'⟦')) ++marked;
        });
        QCoreApplication::removeTranslator(&pseudo);
        QCoreApplication::removeTranslator(&pseudoReport);
        QCOMPARE(english.join(u'\n'), QString());
        QVERIFY2(marked > 150, qPrintable(QString::number(marked)));
        QVERIFY(t->messages.shown.size() >= 2);
    }

    // In each shipped language every text differs from the English one at the same place, but the few
    // a language writes alike; the core's texts (signs, zone rows, months) come from its catalogue.
    void everyLanguageTranslatesEveryWindow_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "es", "fr", "it", "pt_BR", "ru"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyLanguageTranslatesEveryWindow() {
        QFETCH(QString, language);
        std::map<QString, QString> englishAt;
        WalkEveryWindow([&](const QString& where, const QString& text) { englishAt[where] = text; });
        const QVector<ShownMessage> englishMessages = t->messages.shown;
        cleanup();
        QCOMPARE(InstallTranslations(language), language);
        init();
        // Written alike in English and in that language.
        static const std::set<QString> alike = {QStringLiteral("Zone"),          QStringLiteral("West"),
                                                QStringLiteral("Name"),          QStringLiteral("&Filter:"),
                                                QStringLiteral("HH:MM:SS"),      QStringLiteral("&File"),
                                                QStringLiteral("&OK"),           QStringLiteral("..."),
                                                QStringLiteral("Latitude"),      QStringLiteral("Longitude"),
                                                QStringLiteral("Constellation"), QStringLiteral("Positions"),
                                                QStringLiteral("&Positions"),    QStringLiteral("Point"),
                                                QStringLiteral("Date"),          QString::fromUtf8(kProductTitle),
                                                QLatin1String(kProductName)};
        // And what the core catalogue or the language's month names write alike ("Venus", "April").
        std::set<QString> written;
        for (const l10n::KeyText& entry : l10n::TranslationCatalogue(language.toStdString()))
            written.insert(QString::fromUtf8(entry.Text.data(), static_cast<qsizetype>(entry.Text.size())));
        for (int month = 1; month <= 12; ++month) written.insert(UiMonthName(month));
        QStringList english;
        WalkEveryWindow([&](const QString& where, const QString& text) {
            if (written.count(QString(text).remove(QRegularExpression(QStringLiteral("^\\d+  "))))) return;
            const auto it = englishAt.find(where);
            if (it == englishAt.end() || it->second != text) return;
            static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2,}"));
            if (!text.contains(letters) || alike.count(text)) return;
            if (where.contains(QLatin1String("txtName")) || where.contains(QLatin1String("birthsList")))
                return;  // typed data
            english << where + QStringLiteral(": ") + text;
        });
        QCOMPARE(english.join(u'\n'), QString());
        QCOMPARE(t->messages.shown.size(), englishMessages.size());
        for (int i = 0; i < englishMessages.size(); ++i) QVERIFY(t->messages.shown[i].Text != englishMessages[i].Text);
    }

    // Every sign's name, planet, constellation and keywords fit the reading form's written boxes in every
    // language, not only the signs of one reading.
    void everySignFitsTheReadingForm_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "es", "fr", "it", "pt_BR", "ru"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everySignFitsTheReadingForm() {
        QFETCH(QString, language);
        cleanup();
        InstallTranslations(language);
        init();
        EnterBirth(form.get());
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        frmDisplay* display = form->ReadingForm();
        QVERIFY(display);
        QStringList cut;
        for (const char* frame : {"GalacticSunSign", "GalacticMoonSign", "GalacticAscendant", "GalacticDescendant"}) {
            const QString base = QStringLiteral("lbl") + QLatin1String(frame);
            for (const GalacticSign& english : GalacticSigns()) {
                const GalacticSign& sign = UiSign(english);
                const std::pair<QString, std::string_view> fields[] = {
                    {base, sign.Name},
                    {base + QStringLiteral("RulingPlanet"), sign.RulingPlanet},
                    {base + QStringLiteral("Constellation"), sign.Constellation},
                    {base + QStringLiteral("Keywords"), sign.Keywords}};
                for (const auto& [name, text] : fields) {
                    auto* label = display->findChild<QLabel*>(name);
                    QVERIFY2(label, qPrintable(name));
                    label->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
                    if (!TextFitsItsBox(*label) && !cut.contains(label->text())) cut << label->text();
                }
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    // The wheel window's positions show every column whole in every language, with the time known and
    // unknown (whose rows are the longest: an arc of longitudes, "depends on the birth time").
    void thePositionsFitTheWheelWindow_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("timeUnknown");
        for (const char* language : {"en", "de", "es", "fr", "it", "pt_BR", "ru"})
            for (bool unknown : {false, true})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(language), unknown ? u"unknown" : u"known")))
                    << QString::fromLatin1(language) << unknown;
    }
    void thePositionsFitTheWheelWindow() {
        QFETCH(QString, language);
        QFETCH(bool, timeUnknown);
        cleanup();
        InstallTranslations(language);
        init();
        EnterBirth(form.get());
        Child<QCheckBox>(form.get(), "chkTimeUnknown")->setChecked(timeUnknown);
        Child<QPushButton>(form.get(), "cmdRashi")->click();
        frmDisplay* display = form->ReadingForm();
        QVERIFY(display);
        Child<QPushButton>(display, "cmdWheel")->click();
        WheelWindow* wheel = display->Wheel();
        QVERIFY(wheel);
        QVERIFY(QTest::qWaitForWindowExposed(wheel));
        auto* positions = Child<QTreeWidget>(wheel, "lstPositions");
        QVERIFY2(
            positions->header()->length() <= positions->viewport()->width(),
            qPrintable(
                QStringLiteral("%1 > %2: ").arg(positions->header()->length()).arg(positions->viewport()->width()) +
                wheel->PositionLines().join(u'\n')));
        QVERIFY(Child<QWidget>(wheel, "wheelView")->width() >= 300);
    }

    // The name field takes the language's letters, as capitals by its rules; English keeps A-Z only.
    void nameFieldTakesTheLanguagesLetters() {
        TypeText(form.get(), "txtName", QStringLiteral("zoë"));
        QCOMPARE(Child<QLineEdit>(form.get(), "txtName")->text(), QStringLiteral("ZO"));
        QCOMPARE(t->messages.shown.size(), 1);
        cleanup();
        InstallTranslations(QStringLiteral("de"));
        init();
        TypeText(form.get(), "txtName", QStringLiteral("jürgen straß"));
        QCOMPARE(Child<QLineEdit>(form.get(), "txtName")->text(), QStringLiteral("JÜRGEN STRAß"));
        Type(form.get(), "txtName", QStringLiteral("1"));
        QCOMPARE(t->messages.shown.size(), 1);
        QCOMPARE(t->messages.shown[0].Text, QStringLiteral("Bitte geben Sie nur Buchstaben ein."));
        cleanup();
        InstallTranslations(QStringLiteral("ru"));
        init();
        TypeText(form.get(), "txtName", QStringLiteral("семён"));
        QCOMPARE(Child<QLineEdit>(form.get(), "txtName")->text(), QStringLiteral("СЕМЁН"));
    }

    // Months, dates and the births list's dates follow the language; English keeps its written forms.
    void monthsAndDatesFollowTheLanguage() {
        auto* months = Child<QComboBox>(form.get(), "cboMonth");
        QCOMPARE(months->itemText(5), QStringLiteral("June"));
        QCOMPARE(UiLongDate(1985, 6, 15), QStringLiteral("June 15, 1985"));
        cleanup();
        InstallTranslations(QStringLiteral("de_DE.UTF-8"));
        init();
        months = Child<QComboBox>(form.get(), "cboMonth");
        QCOMPARE(months->itemText(5), QStringLiteral("Juni"));
        QCOMPARE(UiLongDate(1985, 6, 15), QStringLiteral("15. Juni 1985"));
        cleanup();
        InstallTranslations(QStringLiteral("ru"));
        init();
        QCOMPARE(Child<QComboBox>(form.get(), "cboMonth")->itemText(5), QStringLiteral("Июнь"));
        QVERIFY(Child<QComboBox>(form.get(), "cmbTimeZone")->itemText(0) !=
                QString::fromUtf8(l10n::ZoneRowText("en", 0).data()));
    }

    // The zone suggestion under the zone list says the place's offset with the date in the language.
    void zoneSuggestionInTheLanguage() {
        const auto suggestion = [] {
            ZoneSuggestionLine line(nullptr);
            line.SetCurrentZone(-1, false);
            line.SetLocalTime(1985, 6, 15, 7, 30);
            line.SetPlace(QStringLiteral("Berlin"), QStringLiteral("Europe/Berlin"));
            return line.Text();
        };
        const QString english = suggestion();
        QVERIFY2(english.startsWith(QStringLiteral("Berlin on 15 Jun 1985 07:30: UTC+2, daylight saving time")),
                 qPrintable(english));
        InstallTranslations(QStringLiteral("de"));
        const QString german = suggestion();
        QVERIFY2(german.startsWith(QStringLiteral("Berlin am 15. Juni 1985, 07:30 Uhr: UTC+2, Sommerzeit")),
                 qPrintable(german));
        QVERIFY2(german.contains(QStringLiteral("Mitteleuropäische")) || !german.contains(QStringLiteral("Central")),
                 qPrintable(german));
    }

    // A birth the zone list cannot hold is explained in the language; English keeps the core's words.
    void birthRefusalsInTheLanguage() {
        births::Birth localMean;
        localMean.ZoneRow = -1;
        localMean.Clock = births::ClockKind::LocalMeanTime;
        births::Birth odd;
        odd.ZoneRow = -1;
        odd.StandardOffset = {-5, -45, 0};
        odd.Clock = births::ClockKind::Offset;
        births::Birth unknown;
        unknown.ZoneRow = -1;
        QCOMPARE(ReadingRefusalText(odd), QString::fromStdString(l10n::English(births::ReadingRefusal(odd))));
        InstallTranslations(QStringLiteral("fr"));
        QCOMPARE(ReadingRefusalText(odd),
                 QStringLiteral("Aucun fuseau de la liste n’a le décalage UTC+5:45 ; choisissez un fuseau"));
        QVERIFY(
            ReadingRefusalText(localMean).startsWith(QStringLiteral("La naissance est en temps moyen local (UTC+0)")));
        QCOMPARE(ReadingRefusalText(unknown),
                 QStringLiteral("Le fichier n’indique pas le fuseau ; choisissez un fuseau"));
        births::Birth readable;
        readable.ZoneRow = 29;
        QCOMPARE(ReadingRefusalText(readable), QString());
        // A zone the file left open, read in local mean time because the place kept it then.
        births::Birth taken;
        taken.StandardOffset = ZoneOffset::FromSecondsWest(-(5 * 3600 + 35 * 60 + 56));
        births::TakeLocalMeanTime(taken, "Pokhara (Asia/Kathmandu)");
        QCOMPARE(BirthNoteText(taken),
                 QStringLiteral("le fichier n’indique pas le fuseau : le temps moyen local du lieu de "
                                "naissance, UTC+5:35:56, est retenu, car Pokhara (Asia/Kathmandu) "
                                "suivait alors le temps moyen local"));
        // Notes read from the file itself, joined: each in the language, with the instants it names.
        const births::Book book = births::ReadAaf(
            "#A93:Lind,Eva,f,27.9.1970,11:04,Uppsala,S\n"
            "#B93:2440857.92000,59n52,17e38,1hE00,0\n");
        QCOMPARE(book.Births.size(), std::size_t{1});
        births::Birth joined = book.Births[0];
        joined.Notes.push_back({births::NoteKind::NoRowHasOffset, "UTC+0:44"});
        QVERIFY2(BirthNotesText(joined).startsWith(QStringLiteral("le jour julien donne ")),
                 qPrintable(BirthNotesText(joined)));
        QVERIFY(BirthNotesText(joined).endsWith(QStringLiteral("; aucun fuseau de la liste n’a le décalage UTC+0:44")));
        InstallTranslations(QStringLiteral("en"));
        QCOMPARE(BirthNotesText(joined), QString::fromStdString(births::NotesText(joined)));
        QCOMPARE(BirthNoteText(taken), QString::fromStdString(births::NotesText(taken)));
        QVERIFY(BirthNoteText(taken).startsWith(QStringLiteral("the file does not give the zone: local mean time")));
    }

    // A language without a translation, C and English give the written program.
    void otherLanguagesKeepTheWrittenEnglish() {
        for (const char* language : {"en_US.UTF-8", "C", "ja_JP", "POSIX"}) {
            QCOMPARE(InstallTranslations(QString::fromLatin1(language)), QStringLiteral("en"));
            QVERIFY(!UiTranslated());
            QCOMPARE(QCoreApplication::translate("frmMain", "Get My Galactic Astrology Reading"),
                     QStringLiteral("Get My Galactic Astrology Reading"));
        }
        InstallTranslations(QStringLiteral("pt_BR"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
