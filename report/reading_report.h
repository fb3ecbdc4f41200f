// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One reading drawn once with QPainter, for every output: the wheel on screen, in a picture file or on a
// page, and the whole report on PDF or a printer. No widgets here.

#include <QPageSize>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "common/birth_data.h"
#include "reading/reading_driver.h"
#include "reading/time_window.h"
#include "report/reading_text.h"

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace quorvane::svg {
class Picture;
}

namespace quorvane::report {

// The product's own look.
namespace look {
inline constexpr unsigned kSalmon = 0xE49772;  // 228, 151, 114
inline constexpr unsigned kYellow = 0xFFFF00;
inline constexpr unsigned kMagenta = 0xFF00FF;
inline constexpr unsigned kGrey = 0x808080;
}  // namespace look

QString FontFamily();  // Verdana where installed, else the nearest sans

// How a wheel or a report is coloured. Dark is the screen's wheel: black ground, salmon signs, yellow points,
// magenta read degrees. Light is for paper: white ground, dark lines and text, the same salmon signs and the
// points and read degrees in deeper shades of their colours, so a printed page spends no black square of ink.
enum class Theme { Dark, Light };
std::optional<Theme> ThemeFromName(const QString& name);  // "dark" or "light", any case

// The language of every text the report draws, by the core's language codes ("en", "de", "pt_BR" ...): the
// report's own strings through its translation (quorvane_report_<language>.qm, built in), the signs' texts,
// frame captions and point names through the core's catalogue, dates through QLocale. Installs that
// translation into the running application (it must exist) and returns the language taken: "en", the
// written English, for English, C, or a language without a translation. Until it is called, English.
std::string UseLanguage(const std::string& localeName);
const std::string& Language();

// The wheel, fitted into `area` (a square is best). With the legend, the lower part of the area holds four
// lines that say which degree feeds which frame, and the wheel shrinks to leave room for them.
void PaintWheel(QPainter& painter, const QRectF& area, const GalacticReading& reading, bool withLegend,
                Theme theme = Theme::Dark);

// The document's wheel: with an unknown birth time the Sun and the Moon as arcs over the window, no Ascendant
// and no degrees read (the legend then says which frames hold their sign); else the reading's wheel.
void PaintWheel(QPainter& painter, const QRectF& area, const ReadingDocument& doc, bool withLegend,
                Theme theme = Theme::Dark);

// "1985-06-15" style date of the birth, and the proposed file names.
QString IsoDate(const BirthData& birth);
QString SuggestedReportName(const ReadingDocument& doc);  // "ASHA galactic reading 1985-06-15.pdf"
QString SuggestedWheelName(const ReadingDocument& doc);   // "ASHA galactic wheel 1985-06-15.svg"
QString DocumentTitle(const ReadingDocument& doc);        // the PDF's title

// The picture of a galactic sign by its name, rendered from the shared sign pictures and kept; nullptr (and
// a line on standard error, once) when there is none.
svg::Picture* SignPicture(std::string_view name);

// The report's language's texts of reading_text.h.
// The lines of birth details shown on page 1 and in copied text: "Born: ...", "Time zone: ...".
QStringList BirthDetailLines(const ReadingDocument& doc);
// Of those, the lines that say which instant the reading is for: the zone (when asked), the Universal Time
// and the offset used, and any note on the birthplace's clock.
QStringList InstantLines(const ReadingDocument& doc, bool withZone);
// With an unknown birth time (whether a frame depends on it: DependsOnTime of reading_text.h): "depends on
// the birth time", the frame's signs with their clock times ("Explore 06:00–07:01") and each sign it may
// have, once, with its keywords.
QString DependsText();
QStringList SpanLines(const ReadingDocument& doc, std::size_t frame);
QStringList PossibleSigns(const ReadingDocument& doc, std::size_t frame);

// The legend of an unknown birth time's wheel: the window, then each frame's sign or "depends on the birth time".
QStringList WindowLegendLines(const ReadingDocument& doc);

// The four degrees the frames read, in words, for the legend.
QStringList LegendLines(const GalacticReading& reading);

// The whole report: page 1 with details, the four signs and the wheel, then the four frames. Light for paper.
// A window's wheel that page 1 has no room for goes on a page of its own after them.
void PaintReport(QPagedPaintDevice& device, const ReadingDocument& doc, Theme theme = Theme::Light);
inline constexpr int kReportPages = 3;

// The reading as text for the clipboard.
QString ReadingPlainText(const ReadingDocument& doc);
QString ReadingHtml(const ReadingDocument& doc);

// A4 unless the locale measures in inches.
QPageSize::PageSizeId DefaultPaper();

// Writers: nothing is left half-written; an existing file is replaced only by a complete new one.
// Each returns the message to show when the file could not be written, naming the file.
std::optional<QString> WriteReportPdf(const ReadingDocument& doc, const QString& path, QPageSize::PageSizeId paper,
                                      Theme theme = Theme::Light);
// SVG for .svg, PNG (size x size pixels) for .png, by the file's extension.
std::optional<QString> WriteWheelPicture(const GalacticReading& reading, const QString& path, int size,
                                         Theme theme = Theme::Dark);
std::optional<QString> WriteWheelPicture(const ReadingDocument& doc, const QString& path, int size,
                                         Theme theme = Theme::Dark);

}  // namespace quorvane::report
