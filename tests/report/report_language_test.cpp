// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The report's texts in the reader's language and its two themes: the birth details, the copied reading,
// the legend and the file names in each translated language with no English heading left, the written
// English back whole after a translated language, dates through the language's own forms, and the light
// wheel on white against the dark one on black.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include "l10n/core_texts.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"
#include "reading/time_zones.h"
#include "report/reading_report.h"

// Failures show the texts themselves.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

using namespace quorvane;
using namespace quorvane::report;

namespace {

ReadingDocument Document() {
    BirthFormValues form;
    form.Name = "ASHA";
    form.LatitudeDegrees = "40";
    form.LatitudeMinutes = "42";
    form.LongitudeDegrees = "74";
    form.LongitudeMinutes = "0";
    form.MonthPosition = 5;
    form.DayPosition = 14;
    form.Year = 1985;
    form.YearPosition = 1985 - kFirstYear;
    form.Hour = 7;
    form.Minute = 30;
    form.ZoneIndex = 27;  // Eastern Standard Time
    form.IsEast = false;
    ReadingSession session;
    const auto outcome = session.Read(form);
    return {session.LastBirthData(), session.LastZoneIndex(), "New York", *outcome.Reading, false, {}, std::nullopt};
}

// Restores English after each test, whatever it chose.
class ReportLanguage : public ::testing::Test {
protected:
    void TearDown() override { UseLanguage("C"); }
};

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

TEST(ReportTheme, NamesAreDarkAndLightInAnyCase) {
    EXPECT_EQ(ThemeFromName(QStringLiteral("dark")), Theme::Dark);
    EXPECT_EQ(ThemeFromName(QStringLiteral("Light")), Theme::Light);
    EXPECT_FALSE(ThemeFromName(QString()).has_value());
    EXPECT_FALSE(ThemeFromName(QStringLiteral("sepia")).has_value());
}

TEST_F(ReportLanguage, TakesTheTranslatedLanguagesAndEnglishForTheRest) {
    EXPECT_EQ(Language(), "en");
    EXPECT_EQ(UseLanguage("de_DE.UTF-8"), "de");
    EXPECT_EQ(Language(), "de");
    EXPECT_EQ(UseLanguage("pt-br"), "pt_BR");
    EXPECT_EQ(UseLanguage("ja_JP.UTF-8"), "en");  // no translation: the written English
    EXPECT_EQ(UseLanguage("POSIX"), "en");
}

TEST_F(ReportLanguage, EnglishIsTheWrittenReportAndComesBackWholeAfterAnotherLanguage) {
    const ReadingDocument doc = Document();
    const QStringList written = {QStringLiteral("Born: 1985-06-15, 07:30 local clock time"),
                                 QStringLiteral("Time zone: Eastern Standard Time,EST,-5.0"),
                                 QStringLiteral("Daylight saving: no"),
                                 QStringLiteral("Universal Time used: 1985-06-15 12:30"),
                                 QStringLiteral("UTC offset used: -05:00"),
                                 QStringLiteral("Latitude 40\u00B042\u2032 N, longitude 74\u00B000\u2032 W"),
                                 QStringLiteral("Place: New York")};
    EXPECT_EQ(BirthDetailLines(doc), written);
    const QString text = ReadingPlainText(doc), html = ReadingHtml(doc), legend = LegendLines(doc.Reading).join(u'\n');
    EXPECT_TRUE(text.startsWith(QStringLiteral("Galactic Astrology Reading\nASHA\nBorn: ")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nRuling planet: "))) << qPrintable(text);
    EXPECT_TRUE(legend.startsWith(QStringLiteral("1  \"Galactic Ascendant\" reads "))) << qPrintable(legend);
    EXPECT_EQ(SuggestedReportName(doc), QStringLiteral("ASHA galactic reading 1985-06-15.pdf"));
    EXPECT_EQ(DocumentTitle(doc), QStringLiteral("Galactic astrology reading of ASHA"));

    for (const char* language : {"de", "ru", "fr"}) {
        UseLanguage(language);
        EXPECT_NE(ReadingPlainText(doc), text) << language;
    }
    UseLanguage("en_US.UTF-8");
    EXPECT_EQ(BirthDetailLines(doc), written);
    EXPECT_EQ(ReadingPlainText(doc), text);
    EXPECT_EQ(ReadingHtml(doc), html);
    EXPECT_EQ(LegendLines(doc.Reading).join(u'\n'), legend);
}

TEST_F(ReportLanguage, GermanAndRussianBirthDetailsWriteTheirOwnDates) {
    const ReadingDocument doc = Document();
    UseLanguage("de");
    EXPECT_EQ(
        BirthDetailLines(doc),
        QStringList({QStringLiteral("Geboren: 15. Juni 1985, 07:30 Uhr Ortszeit"),
                     QStringLiteral("Zeitzone: ") + Q(l10n::ZoneRowText("de", 27)), QStringLiteral("Sommerzeit: nein"),
                     QStringLiteral("Verwendete Weltzeit: 15. Juni 1985 12:30"),
                     QStringLiteral("Verwendeter Abstand zu UTC: -05:00"),
                     QStringLiteral("Breite 40\u00B042\u2032 N, L\u00E4nge 74\u00B000\u2032 W"),
                     QStringLiteral("Ort: New York")}));
    EXPECT_EQ(SuggestedReportName(doc), QStringLiteral("ASHA galaktische Deutung 1985-06-15.pdf"));
    UseLanguage("ru_RU.UTF-8");
    const QStringList ru = BirthDetailLines(doc);
    // The month in the genitive after the day, as Russian writes a date.
    EXPECT_EQ(ru.value(0), QStringLiteral("Рождение: 15 июня 1985 г., 07:30 по местному времени"));
    EXPECT_EQ(ru.value(5), QStringLiteral("Широта 40\u00B042\u2032 с. ш., долгота 74\u00B000\u2032 з. д."));
}

TEST_F(ReportLanguage, ClockSecondsAreWrittenWhenThereAreAny) {
    ReadingDocument doc = Document();
    doc.Birth.Second = 15;
    EXPECT_EQ(BirthDetailLines(doc).value(0), QStringLiteral("Born: 1985-06-15, 07:30:15 local clock time"));
    UseLanguage("de");
    EXPECT_EQ(BirthDetailLines(doc).value(0), QStringLiteral("Geboren: 15. Juni 1985, 07:30:15 Uhr Ortszeit"));
}

TEST_F(ReportLanguage, TheFirstOfAMonthAsEachLanguageWritesIt) {
    ReadingDocument doc = Document();
    doc.Birth.Day = 1;
    UseLanguage("fr");
    EXPECT_EQ(BirthDetailLines(doc).value(0), QStringLiteral("Naissance\u00A0: 1er juin 1985 à 07:30, heure locale"));
    UseLanguage("pt_BR");
    EXPECT_EQ(BirthDetailLines(doc).value(0), QStringLiteral("Nascimento: 1º de junho de 1985, 07:30 (hora local)"));
    UseLanguage("es");
    EXPECT_EQ(BirthDetailLines(doc).value(0), QStringLiteral("Nacimiento: 1 de junio de 1985, 7:30 (hora local)"));
}

TEST_F(ReportLanguage, EveryTranslatedLanguageLeavesNoEnglishHeading) {
    const ReadingDocument doc = Document();
    const GalacticReading& r = doc.Reading;
    for (std::string_view language : l10n::TranslatedLanguages()) {
        SCOPED_TRACE(std::string(language));
        ASSERT_EQ(UseLanguage(std::string(language)), language);
        const QString text =
            ReadingPlainText(doc) + ReadingHtml(doc) + BirthDetailLines(doc).join(u'\n') + DocumentTitle(doc);
        for (const char* english : {"Galactic", "Ruling planet", "Constellation:", "Keywords", "Characteristics",
                                    "Born", "Time zone", "Daylight", "Universal Time", "Place:", "reading"})
            EXPECT_FALSE(text.contains(QLatin1String(english))) << english;
        // The signs' texts are the catalogue's, not the English records.
        for (const GalacticSign* sign : {r.AscendantSign, r.DescendantSign, r.MoonSign, r.SunSign}) {
            const GalacticSign& translated = l10n::LocalizedSign(language, *sign);
            EXPECT_TRUE(text.contains(Q(translated.Name) + u'\n')) << translated.Name;
            EXPECT_TRUE(text.contains(Q(translated.Description).trimmed().toHtmlEscaped()));
        }
        const QStringList legend = LegendLines(r);
        ASSERT_EQ(legend.size(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(legend[i].contains(Q(l10n::FrameCaption(language, static_cast<l10n::Frame>(i)))))
                << qPrintable(legend[i]);
            EXPECT_FALSE(legend[i].contains(QLatin1String(" reads "))) << qPrintable(legend[i]);
            EXPECT_FALSE(legend[i].contains(QLatin1String("the Moon")) ||
                         legend[i].contains(QLatin1String("opposite")));
        }
    }
}

namespace {
// The share of dark pixels of a wheel painted into a square picture, and its corner's colour.
std::pair<double, QRgb> PaintedWheel(Theme theme) {
    QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    {
        QPainter painter(&image);
        PaintWheel(painter, QRectF(0, 0, 300, 300), Document().Reading, true, theme);
    }
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 80;
    return {static_cast<double>(dark) / (image.width() * image.height()), image.pixel(1, 1)};
}
}  // namespace

TEST(ReportTheme, TheLightWheelIsOnWhiteAndTheDarkOneOnBlack) {
    const auto [lightShare, lightCorner] = PaintedWheel(Theme::Light);
    const auto [darkShare, darkCorner] = PaintedWheel(Theme::Dark);
    EXPECT_EQ(lightCorner, qRgb(255, 255, 255));
    EXPECT_EQ(darkCorner, qRgb(0, 0, 0));
    EXPECT_LT(lightShare, 0.08);
    EXPECT_GT(darkShare, 0.3);
}

namespace {
// Page 1 of a PDF as a small grey picture, through pdftoppm; null when that is not installed.
QImage FirstPage(const QString& pdf) {
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"), QStringLiteral("-f"),
                  QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf});
    if (!render.waitForFinished(30000) || render.exitCode() != 0) return {};
    return QImage::fromData(render.readAllStandardOutput(), "PGM");
}
double DarkShare(const QImage& page) {
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 80;
    return static_cast<double>(dark) / (page.width() * page.height());
}
}  // namespace

// The window's Save as PDF and its print-out take the defaults: both light, the dark wheel only when asked.
TEST(ReportTheme, PdfAndPrintOutAreLightUnlessDarkIsAsked) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ReadingDocument doc = Document();
    const QString saved = folder.filePath(QStringLiteral("saved.pdf")),
                  printed = folder.filePath(QStringLiteral("printed.pdf")),
                  dark = folder.filePath(QStringLiteral("dark.pdf"));
    ASSERT_FALSE(WriteReportPdf(doc, saved, QPageSize::A4).has_value());
    ASSERT_FALSE(WriteReportPdf(doc, dark, QPageSize::A4, Theme::Dark).has_value());
    {
        QPdfWriter writer(printed);
        writer.setPageSize(QPageSize(QPageSize::A4));
        PaintReport(writer, doc);
    }
    const QImage savedPage = FirstPage(saved);
    if (savedPage.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
    EXPECT_LT(DarkShare(savedPage), 0.06);
    EXPECT_LT(DarkShare(FirstPage(printed)), 0.06);
    EXPECT_GT(DarkShare(FirstPage(dark)), 0.2);
}

// Page text through pdftotext; empty when that is not installed.
QString PdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000) || text.exitCode() != 0) return {};
    return QString::fromUtf8(text.readAllStandardOutput());
}

// A whole day's reading on a small page: page 1 is full with the changing frames' clock times, so the
// wheel with the Sun's and the Moon's arcs is not dropped but gets a last page; on A4 it stays on page 1.
TEST(ReportPages, AWindowsWheelWithoutRoomOnPageOneGetsAPageOfItsOwn) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ReadingDocument doc = Document();
    doc.Window =
        ReadTimeWindow(doc.Birth, SteadyClock(*Zone_Calculation(27), false), MinuteWindow{}, 1985 - kFirstYear);
    const QString small = folder.filePath(QStringLiteral("a6.pdf")), large = folder.filePath(QStringLiteral("a4.pdf"));
    ASSERT_FALSE(WriteReportPdf(doc, small, QPageSize::A6).has_value());
    ASSERT_FALSE(WriteReportPdf(doc, large, QPageSize::A4).has_value());
    const QString smallText = PdfText(small), largeText = PdfText(large);
    if (smallText.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(smallText.contains(QStringLiteral("page 4 of 4"))) << smallText.toStdString();
    const QStringList smallPages = smallText.split(u'\f');
    ASSERT_GE(smallPages.size(), 4);
    // The legend under the wheel names the window.
    EXPECT_TRUE(smallPages[3].contains(QStringLiteral("The Sun and the Moon from 00:00 to 23:59")))
        << smallPages[3].toStdString();
    EXPECT_TRUE(largeText.contains(QStringLiteral("page 3 of 3")));
    EXPECT_FALSE(largeText.contains(QStringLiteral("page 4")));
    EXPECT_TRUE(largeText.split(u'\f').front().contains(QStringLiteral("The Sun and the Moon from 00:00 to 23:59")));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
