// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading leaves the screen from the reading form: the PDF, printing, the clipboard, the wheel
// picture and the wheel window, by menu, shortcut and button, with the file dialogs answered by a recorder.

#include <QClipboard>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "atlas/atlas.h"
#include "report/reading_report.h"
#include "report/wheel_geometry.h"
#include "ui/seams/file_chooser.h"
#include "ui/forms/frmDisplay.h"
#include "ui/seams/report_printer.h"
#include "ui/forms/wheel_window.h"
#include "ui/widgets/sign_pictures.h"
#include "ui_test_support.h"

using namespace quorvane;
using namespace quorvane::testing;

namespace {

// Answers every save dialog with `answer` and remembers what was proposed.
class RecordingChooser final : public FileChooser {
public:
    QString OpenFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString& proposed, const QString& filter) override {
        proposals << proposed;
        filters << filter;
        return answer;
    }
    QString answer;
    QStringList proposals, filters;
};

// Prints to a PDF file through QPrinter itself, or plays a cancelled or broken printer.
class PdfPrinter final : public ReportPrinter {
public:
    Result Print(QWidget*, const std::function<void(QPagedPaintDevice&)>& paint) override {
        ++calls;
        if (result != Result::Printed) return result;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        paint(printer);
        return result;
    }
    QString output;
    Result result = Result::Printed;
    int calls = 0;
};

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class ReadingOutputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestShell> t;
    std::unique_ptr<frmMain> form;
    RecordingChooser chooser;
    PdfPrinter printer;
    std::unique_ptr<QTemporaryDir> dir;

    // 15 June 1985, 07:30 at 33 54 S, 151 12 E, GMT row: frames Protect, Trade, Heal, Art.
    frmDisplay* ReadSydney() {
        Child<QLineEdit>(form.get(), "txtName")->clear();
        Type(form.get(), "txtName", QStringLiteral("asha"));
        Pick(form.get(), "cboMonth", QStringLiteral("June"));
        Pick(form.get(), "cboDate", QStringLiteral("15"));
        Pick(form.get(), "cboYear", QStringLiteral("1985"));
        Pick(form.get(), "cboHH", QStringLiteral("7"));
        Pick(form.get(), "cboMM", QStringLiteral("30"));
        Child<QComboBox>(form.get(), "cmbTimeZone")->setCurrentIndex(29);
        for (const char* field : {"txtLatD", "txtLatM", "txtLonD", "txtLonM"})
            Child<QLineEdit>(form.get(), field)->clear();
        Type(form.get(), "txtLatD", QStringLiteral("33"));
        Type(form.get(), "txtLatM", QStringLiteral("54"));
        Type(form.get(), "txtLonD", QStringLiteral("151"));
        Type(form.get(), "txtLonM", QStringLiteral("12"));
        Child<QRadioButton>(form.get(), "optLat_1")->setChecked(true);
        Child<QRadioButton>(form.get(), "optLong_0")->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        frmDisplay* display = form->ReadingForm();
        if (!display) qFatal("no reading form");
        display->activateWindow();
        if (!QTest::qWaitForWindowActive(display)) qWarning("the reading form did not become active");
        return display;
    }

    QString Path(const QString& name) const { return dir->filePath(name); }

private slots:
    void init() {
        t = std::make_unique<TestShell>();
        chooser = {};
        printer.calls = 0;
        printer.result = ReportPrinter::Result::Printed;
        t->shell.SetFileChooser(chooser);
        t->shell.SetReportPrinter(printer);
        dir = std::make_unique<QTemporaryDir>();
        form = OpenBirthForm(*t);
    }
    void cleanup() {
        form.reset();
        t.reset();
    }

    // A sign picture the build lacks: the window's frame and the report's page go without it, and each says
    // which one on standard error; a picture the report looked for is named once.
    void aMissingSignPictureIsReported() {
        static QStringList said;
        said.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { said << text; });
        const auto drawn = [](const QPixmap& pixmap) {
            const QImage image = pixmap.toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).alpha() > 0) return true;
            return false;
        };
        const bool teachDrawn = drawn(SignPictures::Render(QStringLiteral("Teach")));
        const bool teachFound = report::SignPicture("Teach") != nullptr;
        const QPixmap blank = SignPictures::Render(QStringLiteral("Nowhere"));
        const bool elsewhereFound = report::SignPicture("Elsewhere") || report::SignPicture("Elsewhere");
        qInstallMessageHandler(previous);

        QVERIFY(teachDrawn);
        QVERIFY(teachFound);
        QCOMPARE(blank.size(), QSize(SignPictures::kWidth, SignPictures::kHeight));
        QVERIFY(!drawn(blank));
        QVERIFY(!elsewhereFound);
        QCOMPARE(said.filter(QStringLiteral("quorvane: the sign picture")),
                 (QStringList{"quorvane: the sign picture :/signs/Nowhere.svg is missing",
                              "quorvane: the sign picture :/signs/Elsewhere.svg is missing"}));
    }

    void savePdfProposesANameInDocumentsAndWritesTheReport() {
        frmDisplay* display = ReadSydney();
        chooser.answer = Path(QStringLiteral("reading"));  // no suffix: .pdf is added
        QTest::keyClick(display, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(chooser.proposals,
                 QStringList{QDir(DocumentsFolder()).filePath(QStringLiteral("ASHA galactic reading 1985-06-15.pdf"))});
        QVERIFY(t->messages.shown.isEmpty());
        const QString text = PdfText(Path(QStringLiteral("reading.pdf")));
        for (const char* expected :
             {"Galactic Astrology Reading", "ASHA", "Galactic Sun Sign", "Galactic Moon Sign", "Galactic Ascendant",
              "Galactic Descendant", "Protect", "Trade", "Heal", "Art", "Characteristics", "page 3 of 3"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);

        // The next dialog opens where the last file went.
        chooser.answer.clear();
        Trigger(display, "mnuSavePdf");
        QCOMPARE(QFileInfo(chooser.proposals.last()).absolutePath(), dir->path());
    }

    void aFileThatCannotBeWrittenIsNamedAndNothingIsLeft() {
        frmDisplay* display = ReadSydney();
        chooser.answer = Path(QStringLiteral("missing/folder/r.pdf"));
        Trigger(display, "mnuSavePdf");
        QCOMPARE(t->messages.shown.size(), 1);
        QVERIFY(t->messages.shown[0].Text.contains(chooser.answer));
        QCOMPARE(t->messages.shown[0].Icon, MessageIcon::Error);
        QVERIFY(!QFileInfo::exists(chooser.answer));

        // A picture must be SVG or PNG; anything else is refused by name and nothing is written.
        chooser.answer = Path(QStringLiteral("wheel.txt"));
        Trigger(display, "mnuSaveWheelPicture");
        QCOMPARE(t->messages.shown.size(), 2);
        QVERIFY(t->messages.shown[1].Text.contains(chooser.answer));
        QVERIFY(!QFileInfo::exists(chooser.answer));
        QVERIFY(display->isVisible());
    }

    void wheelPictureIsSvgOrPngByItsName() {
        frmDisplay* display = ReadSydney();
        chooser.answer = Path(QStringLiteral("wheel"));
        Trigger(display, "mnuSaveWheelPicture");
        QCOMPARE(QFileInfo(chooser.proposals.last()).fileName(), QStringLiteral("ASHA galactic wheel 1985-06-15.svg"));
        QVERIFY(chooser.filters.last().contains(QLatin1String("*.png")));
        QFile svg(Path(QStringLiteral("wheel.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray content = svg.readAll();
        QVERIFY(content.contains("<svg"));
        QVERIFY(content.contains("Protect"));

        chooser.answer = Path(QStringLiteral("wheel.png"));
        Trigger(display, "mnuSaveWheelPicture");
        const QImage png(chooser.answer);
        QCOMPARE(png.size(), QSize(frmDisplay::kWheelPictureSize, frmDisplay::kWheelPictureSize));
        QVERIFY(t->messages.shown.isEmpty());
    }

    void printingGoesThroughThePrinterAndCancelChangesNothing() {
        frmDisplay* display = ReadSydney();
        printer.output = Path(QStringLiteral("printed.pdf"));
        QTest::keyClick(display, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printer.calls, 1);
        const QString text = PdfText(printer.output);
        QVERIFY(text.contains(QLatin1String("Galactic Descendant")));
        QVERIFY(text.contains(QLatin1String("page 3 of 3")));

        printer.result = ReportPrinter::Result::Cancelled;
        Trigger(display, "mnuPrint");
        QVERIFY(t->messages.shown.isEmpty());
        printer.result = ReportPrinter::Result::Failed;
        Trigger(display, "mnuPrint");
        QCOMPARE(t->messages.shown.size(), 1);
        QCOMPARE(t->messages.shown[0].Icon, MessageIcon::Error);
        QVERIFY(display->isVisible());
    }

    void copyPutsTextAndHtmlOnTheClipboard() {
        frmDisplay* display = ReadSydney();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->text(), report::ReadingPlainText(display->Document()));
        QVERIFY(data->hasHtml());
        for (const char* sign : {"Protect", "Trade", "Heal", "Art"}) {
            QVERIFY(data->text().contains(QLatin1String(sign)));
            QVERIFY(data->html().contains(QLatin1String(sign)));
        }
        QVERIFY(data->text().contains(QLatin1String("ASHA")));
    }

    void theWheelOpensFromTheButtonAndTheMenuAndGoesWithTheReading() {
        frmDisplay* display = ReadSydney();
        auto* button = Child<QPushButton>(display, "cmdWheel");
        QVERIFY(button->isVisible());
        // It sits in the bottom strip beside Back, clear of the written controls.
        QVERIFY(button->geometry().right() < Child<QPushButton>(display, "cmdOK")->geometry().left());
        QVERIFY(button->geometry().left() > Child(display, "lblCobrand")->geometry().right());
        QTest::mouseClick(button, Qt::LeftButton);
        WheelWindow* wheel = display->Wheel();
        QVERIFY(wheel);
        QVERIFY(wheel->isVisible());
        const QStringList lines = wheel->PositionLines();
        QCOMPARE(lines.size(), 8);
        const GalacticReading& r = display->Document().Reading;
        QCOMPARE(lines[0], QStringLiteral("Sun\t%1\t%2")
                               .arg(ToQString(quorvane::wheel::ArcMinuteText(r.SunLongitude)),
                                    ToQString(LookupGalacticDegree(r.Degrees.Sun)->Name)));
        QVERIFY(lines[4].startsWith(QLatin1String("1  Galactic Ascendant\t")));
        QVERIFY(lines[4].endsWith(ToQString(r.AscendantSign->Name)));
        QVERIFY(lines[7].endsWith(ToQString(r.SunSign->Name)));

        // Resizable, and the wheel grows with it.
        auto* view = Child<WheelView>(wheel, "wheelView");
        wheel->resize(1200, 900);
        QApplication::processEvents();
        QVERIFY(std::min(view->width(), view->height()) > 700);

        // The menu command brings the same window back, not a second one.
        Trigger(display, "mnuShowWheel");
        QCOMPARE(display->findChildren<WheelWindow*>().size(), 1);

        // Back ends the reading and its wheel.
        QPointer<WheelWindow> watched(wheel);
        Trigger(display, "mnuFileBack");
        QTRY_VERIFY(!watched || !watched->isVisible());
    }

    void thePlaceFromTheAtlasIsInTheReportUntilTheCoordinatesChange() {
        Place sydney;
        sydney.City = "Sydney";
        sydney.State = "New South Wales";
        sydney.Country = "Australia";
        sydney.Latitude = -33.9;
        sydney.Longitude = 151.2;
        sydney.TimeZoneId = "Australia/Sydney";
        t->pick = {PlacePick::Outcome::Use, sydney};
        for (const char* field : {"txtMCity", "txtMState", "txtMCountry"}) Type(form.get(), field, QStringLiteral("x"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdBrowser"), Qt::LeftButton);
        QCOMPARE(Child<QLineEdit>(form.get(), "txtLatD")->text(), QStringLiteral("33"));

        // ReadSydney types the same coordinates again, so the place still holds.
        frmDisplay* display = ReadSydney();
        QCOMPARE(QString::fromStdString(display->Document().Place), ToQString(DescribePlace(sydney)));
        QVERIFY(report::ReadingPlainText(display->Document()).contains(QLatin1String("Sydney")));
        Trigger(display, "mnuFileBack");

        Child<QLineEdit>(form.get(), "txtLonM")->clear();
        Type(form.get(), "txtLonM", QStringLiteral("30"));
        QTest::mouseClick(Child<QPushButton>(form.get(), "cmdRashi"), Qt::LeftButton);
        QVERIFY(form->ReadingForm());
        QVERIFY(form->ReadingForm()->Document().Place.empty());
    }
};

QTEST_MAIN(ReadingOutputTest)
#include "reading_output_test.moc"
