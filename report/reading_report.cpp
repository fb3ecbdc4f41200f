// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reading_report.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTranslator>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "common/version.h"
#include "l10n/core_texts.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "report/svg_pictures.h"
#include "report/wheel_geometry.h"

namespace quorvane::report {

// The report's own strings; l10n/quorvane_report_<language>.ts holds their translations.
class Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string& CurrentLanguage() {
    static std::string language = "en";
    return language;
}
bool Translated() {
    return Language() != "en";
}

// The colours of one theme.
struct Palette {
    QColor Ground, TropicalFill, TropicalLine, TropicalText;
    QColor SignDark, SignLight, SignEdge, SignText, Tick;
    QColor Body;                           // the real points: yellow
    QColor ReadLine, ReadDot, ReadNumber;  // the degrees the frames read: magenta
    QColor Legend;
};

Palette PaletteOf(Theme theme) {
    const QColor salmon{QRgb{look::kSalmon}}, yellow{QRgb{look::kYellow}}, magenta{QRgb{look::kMagenta}};
    if (theme == Theme::Dark)
        return {Qt::black,
                QColor(40, 40, 40),
                QColor(120, 120, 120),
                QColor(200, 200, 200),
                salmon.darker(125),
                salmon,
                Qt::black,
                Qt::black,
                Qt::black,
                yellow,
                magenta,
                magenta,
                Qt::black,
                yellow};
    // On white, yellow and magenta lines and text would hardly show: the same hues, deeper.
    return {Qt::white,
            QColor(244, 244, 244),
            QColor(120, 120, 120),
            QColor(60, 60, 60),
            salmon.darker(125),
            salmon,
            QColor(90, 50, 35),
            Qt::black,
            QColor(60, 35, 25),
            QColor(150, 110, 0),
            QColor(170, 0, 170),
            magenta,
            Qt::black,
            QColor(30, 30, 30)};
}

QFont Font(const QPainter& painter, qreal points, bool bold = false) {
    QFont f(FontFamily());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points * 72.0 / painter.device()->logicalDpiY());
    f.setBold(bold);
    return f;
}

// A font `size` of the painter's own units high: a point size alone would be taken at the device's
// resolution and then scaled again by the painter.
QFont ScaledFont(const QPainter& painter, qreal size, bool bold = false) {
    QFont f(FontFamily());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(std::max<qreal>(size, 0.5) * 72.0 / painter.device()->logicalDpiY());
    f.setBold(bold);
    return f;
}

QPointF OnCircle(const QPointF& c, qreal r, double angleDegrees) {
    const double a = qDegreesToRadians(angleDegrees);
    return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

// Text centred on a circle and written along it, never upside down, so that a name fits a narrow ring
// at 3 and 9 o'clock as well as at 12.
void AlongRing(QPainter& painter, const QPointF& centre, qreal radius, double angleDegrees, qreal width, qreal height,
               const QString& text) {
    painter.save();
    painter.translate(OnCircle(centre, radius, angleDegrees));
    painter.rotate(90.0 - angleDegrees + (angleDegrees > 180.0 ? 180.0 : 0.0));
    painter.drawText(QRectF(-width / 2, -height / 2, width, height), Qt::AlignCenter, text);
    painter.restore();
}

// A sign's picture: a yellow figure on a dark tile, or for paper the same figure in deep gold on a white
// tile, so the page spends no dark squares.
svg::Picture* ThemedSignPicture(std::string_view name, Theme theme) {
    static std::map<std::pair<std::string, Theme>, std::unique_ptr<svg::Picture>> cache;
    auto& slot = cache[{std::string(name), theme}];
    if (!slot) {
        QFile file(QStringLiteral(":/signs/%1.svg").arg(Q(name)));
        QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (theme == Theme::Light)
            svg.replace("fill=\"#1a1030\"", "fill=\"#ffffff\"")
                .replace("fill=\"#000\"", "fill=\"#ffffff\"")
                .replace("#ffd23f", "#9a6e00");
        slot = svg::Load(svg);
        // Only a broken build lacks one; the page is still right without it. Said once per picture.
        if (!slot->IsValid() && svg::Available())
            qWarning("quorvane: the sign picture %s is missing", qUtf8Printable(file.fileName()));
    }
    return slot->IsValid() ? slot.get() : nullptr;
}

const char* const kTropical[] = {QT_TRANSLATE_NOOP("Report", "Aries"),       QT_TRANSLATE_NOOP("Report", "Taurus"),
                                 QT_TRANSLATE_NOOP("Report", "Gemini"),      QT_TRANSLATE_NOOP("Report", "Cancer"),
                                 QT_TRANSLATE_NOOP("Report", "Leo"),         QT_TRANSLATE_NOOP("Report", "Virgo"),
                                 QT_TRANSLATE_NOOP("Report", "Libra"),       QT_TRANSLATE_NOOP("Report", "Scorpio"),
                                 QT_TRANSLATE_NOOP("Report", "Sagittarius"), QT_TRANSLATE_NOOP("Report", "Capricorn"),
                                 QT_TRANSLATE_NOOP("Report", "Aquarius"),    QT_TRANSLATE_NOOP("Report", "Pisces")};

// Where each frame's degree comes from, as the wheel's legend says it.
[[maybe_unused]] const char* const kSources[] = {
    QT_TRANSLATE_NOOP("Report", "the Moon"), QT_TRANSLATE_NOOP("Report", "opposite the Moon"),
    QT_TRANSLATE_NOOP("Report", "the Ascendant"), QT_TRANSLATE_NOOP("Report", "opposite the Sun"),
    QT_TRANSLATE_NOOP("Report", "the Descendant (opposite the Ascendant)")};

struct FrameOf {
    l10n::Frame Frame;
    const GalacticSign* Sign;
};
std::array<FrameOf, 4> Frames(const GalacticReading& r) {
    return {{{l10n::Frame::Ascendant, r.AscendantSign},
             {l10n::Frame::Descendant, r.DescendantSign},
             {l10n::Frame::MoonSign, r.MoonSign},
             {l10n::Frame::SunSign, r.SunSign}}};
}
QString Caption(const FrameOf& f) {
    return Q(l10n::FrameCaption(Language(), f.Frame));
}
std::string U(const QString& s) {
    return s.toStdString();
}
QStringList Qs(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << Q(line);
    return out;
}

// "Galactic Ascendant: Build"
QString CaptionWithSign(const QString& caption, const QString& sign) {
    return Q(report::CaptionWithSign(Language(), U(caption), U(sign)));
}
QString ValueLine(std::string_view key, const QString& value) {
    return Q(report::ValueLine(Language(), key, U(value)));
}

QString Field(const GalacticSign* s, SignText f) {
    return s ? Q(l10n::LocalizedSign(Language(), *s).*f) : QString();
}
QString SignName(const GalacticSign& s) {
    return Q(l10n::LocalizedSign(Language(), s).Name);
}
QString PointName(const std::string& english) {
    return Q(l10n::CoreText(Language(), "point." + english));
}

// The frames as the document has them: with an unknown birth time, a sign only where it holds all window long.
std::array<FrameOf, 4> Frames(const ReadingDocument& d) {
    std::array<FrameOf, 4> frames = Frames(d.Reading);
    if (d.Window)
        for (std::size_t i = 0; i < frames.size(); ++i) frames[i].Sign = d.Window->CertainSign(static_cast<Frame>(i));
    return frames;
}

}  // namespace

svg::Picture* SignPicture(std::string_view name) {
    return ThemedSignPicture(name, Theme::Dark);
}

QString DependsText() {
    return Q(DependsText(Language()));
}

QStringList SpanLines(const ReadingDocument& d, std::size_t frame) {
    return Qs(SpanLines(Language(), d, frame));
}

QStringList PossibleSigns(const ReadingDocument& d, std::size_t frame) {
    return Qs(PossibleSigns(Language(), d, frame));
}

std::optional<Theme> ThemeFromName(const QString& name) {
    if (name.compare(QLatin1String("dark"), Qt::CaseInsensitive) == 0) return Theme::Dark;
    if (name.compare(QLatin1String("light"), Qt::CaseInsensitive) == 0) return Theme::Light;
    return std::nullopt;
}

const std::string& Language() {
    return CurrentLanguage();
}

std::string UseLanguage(const std::string& localeName) {
    static QTranslator* installed = nullptr;
    std::string language = l10n::NormalizeLanguage(localeName);
    if (!l10n::IsTranslated(language)) language = "en";
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (language != "en") {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(
                QStringLiteral(":/i18n/report/quorvane_report_%1.qm").arg(QString::fromStdString(language))) &&
            QCoreApplication::installTranslator(translator.get()))
            installed = translator.release();
    }
    CurrentLanguage() = language;
    return language;
}

QString FontFamily() {
    // The windows and the pages share this choice. Each fallback is a sans that carries Latin and Cyrillic.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* wanted : {"Verdana", "DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
            if (installed.contains(QLatin1String(wanted), Qt::CaseInsensitive)) return QString::fromLatin1(wanted);
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QStringList LegendLines(const GalacticReading& reading) {
    QStringList out;
    int n = 1;
    for (const wheel::ReadPoint& p : wheel::ReadPoints(reading)) {
        const GalacticSign* sign = LookupGalacticDegree(p.Degree);
        // The frames' captions in frame order, as the catalogue has them.
        const QString frame = Q(l10n::FrameCaption(Language(), static_cast<l10n::Frame>(n - 1)));
        const QString source = QCoreApplication::translate("Report", p.Source.c_str());
        //: The wheel's legend: 1 the number on the wheel, 2 a frame's caption, 3 a degree, 4 where it comes from, 5 its
        //: sign
        out << (sign ? Report::tr("%1  \"%2\" reads %3\u00B0, %4: %5")
                           .arg(QString::number(n), frame, QString::number(p.Degree), source, SignName(*sign))
                     //: The wheel's legend for a degree without a sign
                     : Report::tr("%1  \"%2\" reads %3\u00B0, %4")
                           .arg(QString::number(n), frame, QString::number(p.Degree), source));
        ++n;
    }
    return out;
}

QStringList WindowLegendLines(const ReadingDocument& doc) {
    const MinuteWindow& w = doc.Window->Window;
    //: The legend of the wheel of an unknown birth time: 1 and 2 the first and last clock minutes read
    QStringList out{Report::tr("The Sun and the Moon from %1 to %2, no Ascendant")
                        .arg(Q(report::TimeText(Language(), w.From / 60, w.From % 60)),
                             Q(report::TimeText(Language(), w.To / 60, w.To % 60)))};
    const auto frames = Frames(doc);
    for (std::size_t i = 0; i < frames.size(); ++i)
        out << CaptionWithSign(Caption(frames[i]),
                               DependsOnTime(doc, i) ? DependsText() : Field(frames[i].Sign, &GalacticSign::Name));
    return out;
}

namespace {

// The wheel's rings and the circles things are placed on, from the outside in, as parts of its radius R.
struct WheelRings {
    explicit WheelRings(qreal R)
        : TropicalOuter(R),
          TropicalInner(R * 0.92),
          DegreeTicksInner(R * 0.84),
          SignsInner(R * 0.58),
          ReadDots(R * 0.20),
          DegreeNumbers(TropicalInner - R * 0.085),
          SignNames(DegreeTicksInner - R * 0.07),
          SignPictures(SignsInner + R * 0.09),
          BodyMarksInner(SignsInner - R * 0.05),
          BodyLeadersInner(SignsInner - R * 0.09),
          BodyLabels(SignsInner - R * 0.13),
          ReadSpokesBend(ReadDots + R * 0.04) {}
    qreal TropicalOuter;  // the tropical signs' ring, outside the galactic signs
    qreal TropicalInner;  // also the galactic signs' outer edge and the degree ticks' base
    qreal DegreeTicksInner;
    qreal SignsInner;  // the galactic signs' inner edge, where the real points are marked
    qreal ReadDots;    // the numbered dots of the degrees the frames read
    qreal DegreeNumbers;
    qreal SignNames;
    qreal SignPictures;
    qreal BodyMarksInner;
    qreal BodyLeadersInner;
    qreal BodyLabels;
    qreal ReadSpokesBend;
};

// The wheel's rings, each drawn by one member, with what they share: the painter, the centre c, the radius R
// and the ring circles, the colours, and where a longitude lies on the screen (the Ascendant at the left).
struct WheelPainter {
    QPainter& painter;
    QPointF c;
    qreal R;
    WheelRings ring;
    Palette colour;
    double Ascendant;
    Theme theme;
    double at(double longitude) const { return wheel::WheelAngle(longitude, Ascendant); }

    // Tropical ring: thin, so the familiar sign can be found.
    void TropicalRing() const {
        painter.setPen(QPen(colour.TropicalLine, R * 0.004));
        painter.setBrush(colour.TropicalFill);
        painter.drawEllipse(c, ring.TropicalOuter, ring.TropicalOuter);
        painter.setFont(ScaledFont(painter, R * 0.024));
        for (int i = 0; i < 12; ++i) {
            painter.setPen(QPen(colour.TropicalLine, R * 0.004));
            painter.drawLine(OnCircle(c, ring.TropicalInner, at(i * 30.0)),
                             OnCircle(c, ring.TropicalOuter, at(i * 30.0)));
            painter.setPen(colour.TropicalText);
            AlongRing(painter, c, (ring.TropicalInner + ring.TropicalOuter) / 2, at(i * 30.0 + 15.0), R * 0.4, R * 0.07,
                      QCoreApplication::translate("Report", kTropical[i]));
        }
    }

    // Galactic signs at their true widths.
    void GalacticSigns() const {
        int index = 0;
        for (const wheel::SignSector& s : wheel::GalacticSectors()) {
            QPainterPath path;
            const double a0 = at(s.Start);
            const double span = s.End - s.Start;
            path.arcMoveTo(QRectF(c.x() - ring.TropicalInner, c.y() - ring.TropicalInner, 2 * ring.TropicalInner,
                                  2 * ring.TropicalInner),
                           a0);
            path.arcTo(QRectF(c.x() - ring.TropicalInner, c.y() - ring.TropicalInner, 2 * ring.TropicalInner,
                              2 * ring.TropicalInner),
                       a0, span);
            path.arcTo(
                QRectF(c.x() - ring.SignsInner, c.y() - ring.SignsInner, 2 * ring.SignsInner, 2 * ring.SignsInner),
                a0 + span, -span);
            path.closeSubpath();
            painter.setPen(QPen(colour.SignEdge, R * 0.006));
            painter.setBrush(index++ % 2 ? colour.SignLight : colour.SignDark);
            painter.drawPath(path);
            const double mid = at(s.Start + span / 2);
            painter.setPen(colour.SignText);
            QFont nameFont = ScaledFont(painter, R * 0.036, true);
            const QString name = SignName(*s.Sign);
            if (Translated()) {
                // A longer name in another language shrinks to its sector's arc rather than run into the next.
                const qreal room = std::min(R * 0.3, qDegreesToRadians(span) * (ring.SignNames) * 0.9);
                const qreal width = QFontMetricsF(nameFont, painter.device()).horizontalAdvance(name);
                if (width > room) nameFont = ScaledFont(painter, R * 0.036 * room / width, true);
            }
            painter.setFont(nameFont);
            AlongRing(painter, c, ring.SignNames, mid, R * 0.3, R * 0.06, name);
            if (svg::Picture* pic = ThemedSignPicture(s.Sign->Name, theme)) {
                const QPointF pp = OnCircle(c, ring.SignPictures, mid);
                const qreal width = R * 0.055, height = R * 0.065;
                pic->Render(painter, QRectF(pp.x() - width / 2, pp.y() - height / 2, width, height));
            }
        }
    }

    // Degree ring: every degree, longer every 5, numbered every 30.
    void DegreeRing() const {
        painter.setFont(ScaledFont(painter, R * 0.026));
        for (int d = 0; d < 360; ++d) {
            const qreal len = d % 30 == 0 ? R * 0.06 : d % 5 == 0 ? R * 0.035 : R * 0.018;
            painter.setPen(QPen(colour.Tick, d % 5 == 0 ? R * 0.004 : R * 0.002));
            painter.drawLine(OnCircle(c, ring.TropicalInner, at(d)), OnCircle(c, ring.TropicalInner - len, at(d)));
            if (d % 30 == 0 && d != 0) {
                const QPointF p = OnCircle(c, ring.DegreeNumbers, at(d) + 2.2);
                painter.drawText(QRectF(p.x() - R * 0.04, p.y() - R * 0.02, R * 0.08, R * 0.04), Qt::AlignCenter,
                                 QString::number(d));
            }
        }
    }

    // The real points: marker on the inner edge of the signs, labels spread with leader lines.
    void Bodies(const GalacticReading& reading) const {
        const auto bodies = wheel::BodyPoints(reading);
        std::vector<double> bodyAngles;
        for (const auto& b : bodies) bodyAngles.push_back(at(b.Longitude));
        const std::vector<double> bodyLabels = wheel::SpreadLabels(bodyAngles, 22.0);
        painter.setFont(ScaledFont(painter, R * 0.034, true));
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            painter.setPen(QPen(colour.Body, R * 0.006));
            painter.drawLine(OnCircle(c, ring.SignsInner, bodyAngles[i]),
                             OnCircle(c, ring.BodyMarksInner, bodyAngles[i]));
            painter.setPen(QPen(colour.Body, R * 0.003));
            const QPointF labelAt = OnCircle(c, ring.BodyLabels, bodyLabels[i]);
            painter.drawLine(OnCircle(c, ring.BodyMarksInner, bodyAngles[i]),
                             OnCircle(c, ring.BodyLeadersInner, bodyLabels[i]));
            painter.drawText(
                QRectF(labelAt.x() - R * 0.14, labelAt.y() - R * 0.045, R * 0.28, R * 0.09), Qt::AlignCenter,
                PointName(bodies[i].Name) + QLatin1Char('\n') + Q(wheel::ArcMinuteText(bodies[i].Longitude)));
        }
    }

    // With the time unknown: the Sun and the Moon as arcs from their places at the window's first minute to
    // its last, each on its own circle just inside the signs, ticked at both ends; labels spread with leaders.
    void BodyArcs(const TimeWindowReading& window) const {
        const auto arcs = wheel::BodyArcs(window);
        const qreal radii[] = {ring.SignsInner - R * 0.018, ring.SignsInner - R * 0.045};
        std::vector<double> middles;
        for (const wheel::BodyArc& a : arcs) middles.push_back(at(a.From + a.Span / 2));
        const std::vector<double> labels = wheel::SpreadLabels(middles, 30.0);
        painter.setFont(ScaledFont(painter, R * 0.03, true));
        for (std::size_t i = 0; i < arcs.size(); ++i) {
            const wheel::BodyArc& a = arcs[i];
            const qreal r = radii[i];
            QPainterPath path;
            const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
            // A window of a minute or two still shows as a short stroke.
            const double span = std::max(a.Span, 0.6);
            path.arcMoveTo(box, at(a.From));
            path.arcTo(box, at(a.From), span);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(colour.Body, R * 0.02, Qt::SolidLine, Qt::FlatCap));
            painter.drawPath(path);
            painter.setPen(QPen(colour.Body, R * 0.005));
            for (double end : {a.From, a.From + a.Span})
                painter.drawLine(OnCircle(c, ring.SignsInner, at(end)), OnCircle(c, r - R * 0.016, at(end)));
            painter.setPen(QPen(colour.Body, R * 0.003));
            painter.drawLine(OnCircle(c, r - R * 0.012, middles[i]),
                             OnCircle(c, ring.BodyLeadersInner - R * 0.02, labels[i]));
            const QPointF labelAt = OnCircle(c, ring.BodyLabels - R * 0.03, labels[i]);
            painter.drawText(QRectF(labelAt.x() - R * 0.17, labelAt.y() - R * 0.045, R * 0.34, R * 0.09),
                             Qt::AlignCenter,
                             PointName(a.Name) + QLatin1Char('\n') + Q(wheel::ArcMinuteText(a.From)) + QChar(0x2013) +
                                 Q(wheel::ArcMinuteText(a.To())));
        }
    }

    // The degrees the four frames read: numbered dots near the centre, on dashed spokes.
    void ReadPoints(const GalacticReading& reading) const {
        const auto reads = wheel::ReadPoints(reading);
        std::vector<double> readAngles;
        for (const auto& p : reads) readAngles.push_back(at(p.Longitude()));
        const std::vector<double> readLabels = wheel::SpreadLabels(readAngles, 16.0);
        painter.setFont(ScaledFont(painter, R * 0.03, true));
        for (std::size_t i = 0; i < reads.size(); ++i) {
            painter.setPen(QPen(colour.ReadLine, R * 0.003, Qt::DashLine));
            painter.drawLine(OnCircle(c, ring.SignsInner, readAngles[i]),
                             OnCircle(c, ring.ReadSpokesBend, readAngles[i]));
            painter.drawLine(OnCircle(c, ring.ReadSpokesBend, readAngles[i]),
                             OnCircle(c, ring.ReadDots, readLabels[i]));
            const QPointF dot = OnCircle(c, ring.ReadDots, readLabels[i]);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour.ReadDot);
            painter.drawEllipse(dot, R * 0.032, R * 0.032);
            painter.setPen(colour.ReadNumber);
            painter.drawText(QRectF(dot.x() - R * 0.032, dot.y() - R * 0.032, R * 0.064, R * 0.064), Qt::AlignCenter,
                             QString::number(i + 1));
        }
    }
};

// The rings every wheel has, turned so that `ascendant` lies at 9 o'clock and fitted into the area (less a
// strip for the legend when asked); then what `marks` draws on them, and the legend's lines.
template <class Marks, class Legend>
void PaintRings(QPainter& painter, const QRectF& area, bool withLegend, Theme theme, double ascendant, Marks marks,
                Legend legend) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QRectF square = area;
    QRectF legendArea;
    if (withLegend) {
        const qreal legendHeight = area.height() * 0.16;
        square.setHeight(area.height() - legendHeight);
        legendArea = QRectF(area.left(), area.bottom() - legendHeight, area.width(), legendHeight);
    }
    const qreal side = std::min(square.width(), square.height());
    const qreal R = side / 2 * 0.97;
    const WheelPainter rings{painter, square.center(), R, WheelRings(R), PaletteOf(theme), ascendant, theme};

    painter.fillRect(area, rings.colour.Ground);
    rings.TropicalRing();
    rings.GalacticSigns();
    rings.DegreeRing();
    marks(rings);
    if (withLegend) {
        painter.setPen(rings.colour.Legend);
        painter.setFont(ScaledFont(painter, legendArea.height() * 0.085));
        const QStringList lines = legend();
        const qreal lineHeight = legendArea.height() / (lines.size() + 0.5);
        for (int i = 0; i < lines.size(); ++i)
            painter.drawText(QRectF(legendArea.left() + legendArea.width() * 0.03, legendArea.top() + i * lineHeight,
                                    legendArea.width() * 0.95, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    painter.restore();
}

}  // namespace

void PaintWheel(QPainter& painter, const QRectF& area, const GalacticReading& reading, bool withLegend, Theme theme) {
    // The legend says what each numbered dot reads.
    PaintRings(
        painter, area, withLegend, theme, reading.AscendantLongitude,
        [&](const WheelPainter& rings) {
            rings.Bodies(reading);
            rings.ReadPoints(reading);
        },
        [&] { return LegendLines(reading); });
}

void PaintWheel(QPainter& painter, const QRectF& area, const ReadingDocument& doc, bool withLegend, Theme theme) {
    if (!doc.Window) {
        PaintWheel(painter, area, doc.Reading, withLegend, theme);
        return;
    }
    PaintRings(
        painter, area, withLegend, theme, wheel::kUnturnedAscendant,
        [&](const WheelPainter& rings) { rings.BodyArcs(*doc.Window); }, [&] { return WindowLegendLines(doc); });
}

QString IsoDate(const BirthData& b) {
    return QStringLiteral("%1-%2-%3")
        .arg(b.Year, 4, 10, QLatin1Char('0'))
        .arg(b.Month, 2, 10, QLatin1Char('0'))
        .arg(b.Day, 2, 10, QLatin1Char('0'));
}
// The file names keep the ISO date, which sorts.
QString SuggestedReportName(const ReadingDocument& d) {
    //: The proposed PDF file name: 1 the person's name, 2 the birth date as 1985-06-15
    return Report::tr("%1 galactic reading %2.pdf").arg(Q(d.Birth.Name).trimmed(), IsoDate(d.Birth));
}
QString SuggestedWheelName(const ReadingDocument& d) {
    //: The proposed picture file name: 1 the person's name, 2 the birth date as 1985-06-15
    return Report::tr("%1 galactic wheel %2.svg").arg(Q(d.Birth.Name).trimmed(), IsoDate(d.Birth));
}
QString DocumentTitle(const ReadingDocument& d) {
    return Report::tr("Galactic astrology reading of %1").arg(Q(d.Birth.Name).trimmed());
}

QStringList BirthDetailLines(const ReadingDocument& d) {
    return Qs(BirthDetailLines(Language(), d));
}

QStringList InstantLines(const ReadingDocument& d, bool withZone) {
    return Qs(InstantLines(Language(), d, withZone));
}

void PaintReport(QPagedPaintDevice& device, const ReadingDocument& doc, Theme theme) {
    QPainter p(&device);
    // Work in points whatever the device's resolution.
    const qreal scale = device.logicalDpiX() / 72.0;
    p.scale(scale, scale);
    const qreal W = device.width() / scale, H = device.height() / scale;
    const qreal m = 36;  // margin inside the printable area
    const qreal textWidth = W - 2 * m;
    int page = 1, pages = kReportPages;
    auto footer = [&] {
        p.setFont(Font(p, 8));
        p.setPen(Qt::black);
        p.drawText(QRectF(m, H - m, textWidth, 16), Qt::AlignLeft,
                   QString::fromUtf8(kProductName) + QLatin1Char(' ') + QString::fromUtf8(kProductVersion));
        p.drawText(QRectF(m, H - m, textWidth, 16), Qt::AlignRight, Report::tr("page %1 of %2").arg(page).arg(pages));
    };
    auto text = [&](qreal& y, const QString& s, const QFont& f, int flags = Qt::TextWordWrap) {
        p.setFont(f);
        const QRectF r = p.boundingRect(QRectF(m, y, textWidth, H), flags, s);
        p.drawText(QRectF(m, y, textWidth, r.height()), flags, s);
        y += r.height() + 4;
    };

    qreal y = m;
    text(y, Q(ReadingTitle(Language())), Font(p, 20, true));
    text(y, Q(doc.Birth.Name), Font(p, 14, true));
    for (const QString& line : BirthDetailLines(doc)) text(y, line, Font(p, 10));
    y += 6;
    const auto frames = Frames(doc);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const FrameOf& f = frames[i];
        if (f.Sign)
            if (svg::Picture* pic = ThemedSignPicture(f.Sign->Name, theme)) pic->Render(p, QRectF(m, y, 13, 16));
        p.setFont(Font(p, 11, true));
        p.drawText(
            QRectF(m + 20, y, textWidth - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
            CaptionWithSign(Caption(f), DependsOnTime(doc, i) ? DependsText() : Field(f.Sign, &GalacticSign::Name)));
        y += 20;
    }
    if (doc.Window) {
        // The changing frames' signs with their clock times.
        y += 6;
        for (std::size_t i = 0; i < frames.size(); ++i)
            if (DependsOnTime(doc, i)) {
                text(y, Caption(frames[i]), Font(p, 11, true));
                text(y, SpanLines(doc, i).join(QStringLiteral(", ")), Font(p, 10));
            }
    }
    // The wheel; the window's (the Sun's and the Moon's arcs) where the page has room for one that can be
    // read, else on a last page of its own.
    const qreal wheelSide = std::min(textWidth, H - m - 24 - y - 4);
    const bool wheelOnItsOwnPage = doc.Window && wheelSide < 200;
    if (wheelOnItsOwnPage)
        ++pages;
    else
        PaintWheel(p, QRectF(m + (textWidth - wheelSide) / 2, y + 4, wheelSide, wheelSide), doc, true, theme);
    footer();

    // Two frames a page: the longest characteristics text takes about ten lines.
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (i % 2 == 0) {
            device.newPage();
            ++page;
            y = m;
        }
        const FrameOf& f = frames[i];
        text(y, Caption(f), Font(p, 16, true));
        if (DependsOnTime(doc, i)) {
            text(y, DependsText(), Font(p, 14, true));
            text(y, SpanLines(doc, i).join(QStringLiteral(", ")), Font(p, 10));
            for (const QString& sign : PossibleSigns(doc, i)) text(y, sign, Font(p, 10));
            y += 24;
            if (i % 2 == 1) footer();
            continue;
        }
        if (f.Sign)
            if (svg::Picture* pic = ThemedSignPicture(f.Sign->Name, theme))
                pic->Render(p, QRectF(W - m - 26, y - 26, 22, 26));
        text(y, Field(f.Sign, &GalacticSign::Name), Font(p, 14, true));
        text(y, ValueLine("RulingPlanet", Field(f.Sign, &GalacticSign::RulingPlanet)), Font(p, 10));
        text(y, ValueLine("Constellation", Field(f.Sign, &GalacticSign::Constellation)), Font(p, 10));
        text(y, ValueLine("Keywords", Field(f.Sign, &GalacticSign::Keywords)), Font(p, 10));
        text(y, Q(CharacteristicsHeading(Language())), Font(p, 11, true));
        text(y, Field(f.Sign, &GalacticSign::Description).trimmed(), Font(p, 10));
        y += 24;
        if (i % 2 == 1) footer();
    }
    if (wheelOnItsOwnPage) {
        device.newPage();
        ++page;
        const qreal side = std::min(textWidth, H - 2 * m - 24);
        PaintWheel(p, QRectF(m + (textWidth - side) / 2, m, side, side), doc, true, theme);
        footer();
    }
}

QString ReadingPlainText(const ReadingDocument& doc) {
    return Q(ReadingPlainText(Language(), doc));
}

QString ReadingHtml(const ReadingDocument& doc) {
    return Q(ReadingHtml(Language(), doc));
}

QPageSize::PageSizeId DefaultPaper() {
    return QLocale::system().measurementSystem() == QLocale::MetricSystem ? QPageSize::A4 : QPageSize::Letter;
}

namespace {
QString CannotWrite(const QString& path, const QString& why) {
    return Report::tr("Could not write \"%1\": %2").arg(QFileInfo(path).absoluteFilePath(), why);
}
}  // namespace

std::optional<QString> WriteReportPdf(const ReadingDocument& doc, const QString& path, QPageSize::PageSizeId paper,
                                      Theme theme) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(DocumentTitle(doc));
        writer.setCreator(QString::fromUtf8(kProductTitle));
        PaintReport(writer, doc, theme);
    }
    if (!file.commit()) return CannotWrite(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> WriteWheelPicture(const GalacticReading& reading, const QString& path, int size, Theme theme) {
    ReadingDocument doc;
    doc.Reading = reading;
    return WriteWheelPicture(doc, path, size, theme);
}

std::optional<QString> WriteWheelPicture(const ReadingDocument& doc, const QString& path, int size, Theme theme) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        return CannotWrite(path, Report::tr("the name must end in .svg or .png"));
    if (size < 16 || size > 20000) return CannotWrite(path, Report::tr("the size must be 16 to 20000 pixels"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    if (suffix == QLatin1String("svg")) {
        const svg::WriteOptions options{QSize(size, size), QRectF(0, 0, size, size), Report::tr("Galactic wheel")};
        if (!svg::Write(file, options,
                        [&](QPainter& painter) { PaintWheel(painter, QRectF(0, 0, size, size), doc, true, theme); })) {
            file.cancelWriting();
            return CannotWrite(path, Report::tr("SVG cannot be written: the program's output module is missing"));
        }
    } else {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(PaletteOf(theme).Ground);
        {
            QPainter painter(&image);
            PaintWheel(painter, QRectF(0, 0, size, size), doc, true, theme);
        }
        if (!image.save(&file, "PNG")) {
            file.cancelWriting();
            return CannotWrite(path, file.errorString());
        }
    }
    if (!file.commit()) return CannotWrite(path, file.errorString());
    return std::nullopt;
}

}  // namespace quorvane::report
