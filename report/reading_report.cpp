#include "report/reading_report.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>
#include <map>
#include <memory>

#include "common/version.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "report/wheel_geometry.h"

namespace quorvane::report {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

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

QSvgRenderer* SignPicture(std::string_view name) {
    static std::map<std::string, std::unique_ptr<QSvgRenderer>> cache;
    auto& slot = cache[std::string(name)];
    if (!slot) slot = std::make_unique<QSvgRenderer>(QStringLiteral(":/signs/%1.svg").arg(Q(name)));
    return slot->isValid() ? slot.get() : nullptr;
}

const char* const kTropical[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                 "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct FrameOf { const char* Caption; const GalacticSign* Sign; };
std::array<FrameOf, 4> Frames(const GalacticReading& r) {
    return {{{"Galactic Ascendant", r.AscendantSign}, {"Galactic Descendant", r.DescendantSign},
             {"Galactic Moon Sign", r.MoonSign}, {"Galactic Sun Sign", r.SunSign}}};
}

QString Field(const GalacticSign* s, std::string_view GalacticSign::*f) { return s ? Q(s->*f) : QString(); }

}  // namespace

QString FontFamily() {
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana")) ? QStringLiteral("Verdana")
                                                                                      : QStringLiteral("DejaVu Sans");
    return family;
}

QStringList LegendLines(const GalacticReading& reading) {
    QStringList out;
    int n = 1;
    for (const wheel::ReadPoint& p : wheel::ReadPoints(reading)) {
        const GalacticSign* sign = LookupGalacticDegree(p.Degree);
        out << QStringLiteral("%1  \"%2\" reads %3\u00B0, %4%5").arg(n++).arg(Q(p.Frame)).arg(p.Degree).arg(Q(p.Source),
                 sign ? QStringLiteral(": ") + Q(sign->Name) : QString());
    }
    return out;
}

void PaintWheel(QPainter& painter, const QRectF& area, const GalacticReading& reading, bool withLegend) {
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
    const QPointF c = square.center();
    const qreal R = side / 2 * 0.97;
    const double asc = reading.AscendantLongitude;
    auto at = [&](double longitude) { return wheel::WheelAngle(longitude, asc); };
    const QColor salmon(QRgb(look::kSalmon)), yellow(QRgb(look::kYellow)), magenta(QRgb(look::kMagenta));

    painter.fillRect(area, Qt::black);
    const qreal rTropOut = R, rTropIn = R * 0.92, rTickIn = R * 0.84, rSignIn = R * 0.58, rRead = R * 0.20;

    // Tropical ring: thin, so the familiar sign can be found.
    painter.setPen(QPen(QColor(120, 120, 120), R * 0.004));
    painter.setBrush(QColor(40, 40, 40));
    painter.drawEllipse(c, rTropOut, rTropOut);
    painter.setFont(ScaledFont(painter, R * 0.024));
    for (int i = 0; i < 12; ++i) {
        painter.setPen(QPen(QColor(120, 120, 120), R * 0.004));
        painter.drawLine(OnCircle(c, rTropIn, at(i * 30.0)), OnCircle(c, rTropOut, at(i * 30.0)));
        painter.setPen(QColor(200, 200, 200));
        AlongRing(painter, c, (rTropIn + rTropOut) / 2, at(i * 30.0 + 15.0), R * 0.4, R * 0.07, QLatin1String(kTropical[i]));
    }

    // Galactic signs at their true widths.
    int index = 0;
    for (const wheel::SignSector& s : wheel::GalacticSectors()) {
        QPainterPath path;
        const double a0 = at(s.Start);
        const double span = s.End - s.Start;
        path.arcMoveTo(QRectF(c.x() - rTropIn, c.y() - rTropIn, 2 * rTropIn, 2 * rTropIn), a0);
        path.arcTo(QRectF(c.x() - rTropIn, c.y() - rTropIn, 2 * rTropIn, 2 * rTropIn), a0, span);
        path.arcTo(QRectF(c.x() - rSignIn, c.y() - rSignIn, 2 * rSignIn, 2 * rSignIn), a0 + span, -span);
        path.closeSubpath();
        painter.setPen(QPen(Qt::black, R * 0.006));
        painter.setBrush(index++ % 2 ? salmon : salmon.darker(125));
        painter.drawPath(path);
        const double mid = at(s.Start + span / 2);
        painter.setPen(Qt::black);
        painter.setFont(ScaledFont(painter, R * 0.036, true));
        AlongRing(painter, c, rTickIn - R * 0.07, mid, R * 0.3, R * 0.06, Q(s.Sign->Name));
        if (QSvgRenderer* pic = SignPicture(s.Sign->Name)) {
            const QPointF pp = OnCircle(c, rSignIn + R * 0.09, mid);
            const qreal w = R * 0.055, h = R * 0.065;
            pic->render(&painter, QRectF(pp.x() - w / 2, pp.y() - h / 2, w, h));
        }
    }

    // Degree ring: every degree, longer every 5, numbered every 30.
    painter.setFont(ScaledFont(painter, R * 0.026));
    for (int d = 0; d < 360; ++d) {
        const qreal len = d % 30 == 0 ? R * 0.06 : d % 5 == 0 ? R * 0.035 : R * 0.018;
        painter.setPen(QPen(Qt::black, d % 5 == 0 ? R * 0.004 : R * 0.002));
        painter.drawLine(OnCircle(c, rTropIn, at(d)), OnCircle(c, rTropIn - len, at(d)));
        if (d % 30 == 0 && d != 0) {
            const QPointF p = OnCircle(c, rTropIn - R * 0.085, at(d) + 2.2);
            painter.drawText(QRectF(p.x() - R * 0.04, p.y() - R * 0.02, R * 0.08, R * 0.04), Qt::AlignCenter, QString::number(d));
        }
    }

    // The real points: marker on the inner edge of the signs, labels spread with leader lines.
    const auto bodies = wheel::BodyPoints(reading);
    std::vector<double> bodyAngles;
    for (const auto& b : bodies) bodyAngles.push_back(at(b.Longitude));
    const std::vector<double> bodyLabels = wheel::SpreadLabels(bodyAngles, 22.0);
    painter.setFont(ScaledFont(painter, R * 0.034, true));
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        painter.setPen(QPen(yellow, R * 0.006));
        painter.drawLine(OnCircle(c, rSignIn, bodyAngles[i]), OnCircle(c, rSignIn - R * 0.05, bodyAngles[i]));
        painter.setPen(QPen(yellow, R * 0.003));
        const QPointF labelAt = OnCircle(c, rSignIn - R * 0.13, bodyLabels[i]);
        painter.drawLine(OnCircle(c, rSignIn - R * 0.05, bodyAngles[i]), OnCircle(c, rSignIn - R * 0.09, bodyLabels[i]));
        painter.drawText(QRectF(labelAt.x() - R * 0.14, labelAt.y() - R * 0.045, R * 0.28, R * 0.09), Qt::AlignCenter,
                         Q(bodies[i].Name) + QLatin1Char('\n') + Q(wheel::ArcMinuteText(bodies[i].Longitude)));
    }

    // The degrees the four frames read: numbered dots near the centre, on dashed spokes.
    const auto reads = wheel::ReadPoints(reading);
    std::vector<double> readAngles;
    for (const auto& p : reads) readAngles.push_back(at(p.Longitude()));
    const std::vector<double> readLabels = wheel::SpreadLabels(readAngles, 16.0);
    painter.setFont(ScaledFont(painter, R * 0.03, true));
    for (std::size_t i = 0; i < reads.size(); ++i) {
        painter.setPen(QPen(magenta, R * 0.003, Qt::DashLine));
        painter.drawLine(OnCircle(c, rSignIn, readAngles[i]), OnCircle(c, rRead + R * 0.04, readAngles[i]));
        painter.drawLine(OnCircle(c, rRead + R * 0.04, readAngles[i]), OnCircle(c, rRead, readLabels[i]));
        const QPointF dot = OnCircle(c, rRead, readLabels[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(magenta);
        painter.drawEllipse(dot, R * 0.032, R * 0.032);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(dot.x() - R * 0.032, dot.y() - R * 0.032, R * 0.064, R * 0.064), Qt::AlignCenter, QString::number(i + 1));
    }

    if (withLegend) {
        painter.setPen(yellow);
        painter.setFont(ScaledFont(painter, legendArea.height() * 0.085));
        const QStringList lines = LegendLines(reading);
        const qreal lineHeight = legendArea.height() / (lines.size() + 0.5);
        for (int i = 0; i < lines.size(); ++i)
            painter.drawText(QRectF(legendArea.left() + legendArea.width() * 0.03, legendArea.top() + i * lineHeight,
                                    legendArea.width() * 0.95, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    painter.restore();
}

QString IsoDate(const BirthData& b) {
    return QStringLiteral("%1-%2-%3").arg(b.Year, 4, 10, QLatin1Char('0')).arg(b.Month, 2, 10, QLatin1Char('0')).arg(b.Day, 2, 10, QLatin1Char('0'));
}
QString SuggestedReportName(const ReadingDocument& d) { return Q(d.Birth.Name).trimmed() + QStringLiteral(" galactic reading ") + IsoDate(d.Birth) + QStringLiteral(".pdf"); }
QString SuggestedWheelName(const ReadingDocument& d) { return Q(d.Birth.Name).trimmed() + QStringLiteral(" galactic wheel ") + IsoDate(d.Birth) + QStringLiteral(".svg"); }
QString DocumentTitle(const ReadingDocument& d) { return QStringLiteral("Galactic astrology reading of ") + Q(d.Birth.Name).trimmed(); }

QStringList BirthDetailLines(const ReadingDocument& d) {
    const BirthData& b = d.Birth;
    const CivilDateTime& u = d.Reading.UniversalTime;
    QStringList out;
    out << QStringLiteral("Born: %1, %2:%3 local clock time").arg(IsoDate(b)).arg(b.Hour, 2, 10, QLatin1Char('0')).arg(b.Minute, 2, 10, QLatin1Char('0'));
    const auto& table = TimeZoneTable();
    const QString offset = Q(FormatUtcOffset(d.Reading.UtcOffsetSecondsEast));
    if (d.ZoneIndex >= 0 && static_cast<std::size_t>(d.ZoneIndex) < table.size())
        out << QStringLiteral("Time zone: ") + Q(table[static_cast<std::size_t>(d.ZoneIndex)].DisplayString);
    else if (d.LocalMeanTime)
        out << QStringLiteral("Time zone: local mean time of the birthplace");
    else
        out << QStringLiteral("Time zone: an offset no zone in the list has");
    out << QStringLiteral("Daylight saving: ") + (b.IsDaylightSaving ? QStringLiteral("yes") : QStringLiteral("no"));
    QString universal = QStringLiteral("Universal Time used: %1-%2-%3 %4:%5").arg(u.Year).arg(u.Month, 2, 10, QLatin1Char('0')).arg(u.Day, 2, 10, QLatin1Char('0'))
               .arg(u.Hour, 2, 10, QLatin1Char('0')).arg(u.Minute, 2, 10, QLatin1Char('0'));
    if (u.Second != 0) universal += QStringLiteral(":%1").arg(u.Second, 2, 10, QLatin1Char('0'));
    out << universal;
    out << QStringLiteral("UTC offset used: ") + offset;
    out << QStringLiteral("Latitude %1\u00B0%2\u2032 %3, longitude %4\u00B0%5\u2032 %6")
               .arg(b.LatitudeDegrees).arg(b.LatitudeMinutes, 2, 10, QLatin1Char('0')).arg(b.IsSouth ? QLatin1Char('S') : QLatin1Char('N'))
               .arg(b.LongitudeDegrees).arg(b.LongitudeMinutes, 2, 10, QLatin1Char('0')).arg(b.IsEast ? QLatin1Char('E') : QLatin1Char('W'));
    if (!d.Place.empty()) out << QStringLiteral("Place: ") + Q(d.Place);
    if (!d.ClockNote.empty()) out << QStringLiteral("Note: ") + Q(d.ClockNote);
    return out;
}

void PaintReport(QPagedPaintDevice& device, const ReadingDocument& doc) {
    QPainter p(&device);
    // Work in points whatever the device's resolution.
    const qreal scale = device.logicalDpiX() / 72.0;
    p.scale(scale, scale);
    const qreal W = device.width() / scale, H = device.height() / scale;
    const qreal m = 36;  // margin inside the printable area
    const qreal textWidth = W - 2 * m;
    int page = 1;
    auto footer = [&] {
        p.setFont(Font(p, 8));
        p.setPen(Qt::black);
        p.drawText(QRectF(m, H - m, textWidth, 16), Qt::AlignLeft, QString::fromUtf8(kProductName) + QLatin1Char(' ') + QString::fromUtf8(kProductVersion));
        p.drawText(QRectF(m, H - m, textWidth, 16), Qt::AlignRight, QStringLiteral("page %1 of %2").arg(page).arg(kReportPages));
    };
    auto text = [&](qreal& y, const QString& s, const QFont& f, int flags = Qt::TextWordWrap) {
        p.setFont(f);
        const QRectF r = p.boundingRect(QRectF(m, y, textWidth, H), flags, s);
        p.drawText(QRectF(m, y, textWidth, r.height()), flags, s);
        y += r.height() + 4;
    };

    qreal y = m;
    text(y, QStringLiteral("Galactic Astrology Reading"), Font(p, 20, true));
    text(y, Q(doc.Birth.Name), Font(p, 14, true));
    for (const QString& line : BirthDetailLines(doc)) text(y, line, Font(p, 10));
    y += 6;
    for (const FrameOf& f : Frames(doc.Reading)) {
        if (f.Sign)
            if (QSvgRenderer* pic = SignPicture(f.Sign->Name)) pic->render(&p, QRectF(m, y, 13, 16));
        p.setFont(Font(p, 11, true));
        p.drawText(QRectF(m + 20, y, textWidth - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(f.Caption) + QStringLiteral(": ") + Field(f.Sign, &GalacticSign::Name));
        y += 20;
    }
    const qreal wheelSide = std::min(textWidth, H - m - 24 - y - 4);
    PaintWheel(p, QRectF(m + (textWidth - wheelSide) / 2, y + 4, wheelSide, wheelSide), doc.Reading, true);
    footer();

    // Two frames a page: the longest characteristics text takes about ten lines.
    const auto frames = Frames(doc.Reading);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (i % 2 == 0) {
            device.newPage();
            ++page;
            y = m;
        }
        const FrameOf& f = frames[i];
        text(y, QString::fromUtf8(f.Caption), Font(p, 16, true));
        if (f.Sign)
            if (QSvgRenderer* pic = SignPicture(f.Sign->Name)) pic->render(&p, QRectF(W - m - 26, y - 26, 22, 26));
        text(y, Field(f.Sign, &GalacticSign::Name), Font(p, 14, true));
        text(y, QStringLiteral("Ruling planet: ") + Field(f.Sign, &GalacticSign::RulingPlanet), Font(p, 10));
        text(y, QStringLiteral("Constellation: ") + Field(f.Sign, &GalacticSign::Constellation), Font(p, 10));
        text(y, QStringLiteral("Keywords: ") + Field(f.Sign, &GalacticSign::Keywords), Font(p, 10));
        text(y, QStringLiteral("Characteristics"), Font(p, 11, true));
        text(y, Field(f.Sign, &GalacticSign::Description).trimmed(), Font(p, 10));
        y += 24;
        if (i % 2 == 1) footer();
    }
}

QString ReadingPlainText(const ReadingDocument& doc) {
    QString out = QStringLiteral("Galactic Astrology Reading\n") + Q(doc.Birth.Name) + QLatin1Char('\n');
    for (const QString& line : BirthDetailLines(doc)) out += line + QLatin1Char('\n');
    for (const FrameOf& f : Frames(doc.Reading)) {
        out += QLatin1Char('\n') + QString::fromUtf8(f.Caption) + QStringLiteral(": ") + Field(f.Sign, &GalacticSign::Name) + QLatin1Char('\n');
        out += QStringLiteral("Ruling planet: ") + Field(f.Sign, &GalacticSign::RulingPlanet) + QLatin1Char('\n');
        out += QStringLiteral("Constellation: ") + Field(f.Sign, &GalacticSign::Constellation) + QLatin1Char('\n');
        out += QStringLiteral("Keywords: ") + Field(f.Sign, &GalacticSign::Keywords) + QLatin1Char('\n');
        out += QStringLiteral("Characteristics: ") + Field(f.Sign, &GalacticSign::Description).trimmed() + QLatin1Char('\n');
    }
    return out;
}

QString ReadingHtml(const ReadingDocument& doc) {
    QString out = QStringLiteral("<h1>Galactic Astrology Reading</h1><h2>") + Q(doc.Birth.Name).toHtmlEscaped() + QStringLiteral("</h2><p>");
    out += BirthDetailLines(doc).join(QStringLiteral("<br>")).toHtmlEscaped().replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("<br>"));
    out += QStringLiteral("</p>");
    for (const FrameOf& f : Frames(doc.Reading)) {
        out += QStringLiteral("<h3>%1: %2</h3><p>Ruling planet: %3<br>Constellation: %4<br>Keywords: %5</p><p><b>Characteristics</b><br>%6</p>")
                   .arg(QString::fromUtf8(f.Caption), Field(f.Sign, &GalacticSign::Name).toHtmlEscaped(),
                        Field(f.Sign, &GalacticSign::RulingPlanet).toHtmlEscaped(), Field(f.Sign, &GalacticSign::Constellation).toHtmlEscaped(),
                        Field(f.Sign, &GalacticSign::Keywords).toHtmlEscaped(), Field(f.Sign, &GalacticSign::Description).trimmed().toHtmlEscaped());
    }
    return out;
}

QPageSize::PageSizeId DefaultPaper() {
    return QLocale::system().measurementSystem() == QLocale::MetricSystem ? QPageSize::A4 : QPageSize::Letter;
}

namespace {
QString CannotWrite(const QString& path, const QString& why) {
    return QStringLiteral("Could not write \"%1\": %2").arg(QFileInfo(path).absoluteFilePath(), why);
}
}  // namespace

std::optional<QString> WriteReportPdf(const ReadingDocument& doc, const QString& path, QPageSize::PageSizeId paper) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(DocumentTitle(doc));
        writer.setCreator(QString::fromUtf8(kProductTitle));
        PaintReport(writer, doc);
    }
    if (!file.commit()) return CannotWrite(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> WriteWheelPicture(const GalacticReading& reading, const QString& path, int size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        return CannotWrite(path, QStringLiteral("the name must end in .svg or .png"));
    if (size < 16 || size > 20000) return CannotWrite(path, QStringLiteral("the size must be 16 to 20000 pixels"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file.errorString());
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(size, size));
        svg.setViewBox(QRectF(0, 0, size, size));
        svg.setTitle(QStringLiteral("Galactic wheel"));
        QPainter painter(&svg);
        PaintWheel(painter, QRectF(0, 0, size, size), reading, true);
    } else {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            PaintWheel(painter, QRectF(0, 0, size, size), reading, true);
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
