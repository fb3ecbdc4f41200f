// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms/wheel_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/version.h"
#include "galactic/galactic_signs.h"
#include "report/wheel_geometry.h"
#include "ui/a11y/accessibility.h"
#include "ui/widgets/language.h"
#include "ui/widgets/text.h"
#include "l10n/core_texts.h"

namespace quorvane {

namespace {
// The core's English names of the points and frames, in the windows' language.
QString PointName(const std::string& english) {
    if (!UiTranslated()) return ToQString(english);
    const std::string_view text = l10n::CoreText(UiLanguage(), "point." + english);
    return ToQString(text.empty() ? std::string_view(english) : text);
}
QString FrameName(const std::string& english) {
    for (l10n::Frame frame :
         {l10n::Frame::Ascendant, l10n::Frame::Descendant, l10n::Frame::MoonSign, l10n::Frame::SunSign})
        if (l10n::FrameCaption("en", frame) == english) return ToQString(l10n::FrameCaption(UiLanguage(), frame));
    return ToQString(english);
}
QString SignName(const GalacticSign* sign) {
    return sign ? ToQString(UiSign(*sign).Name) : QString();
}

// Where a frame's degree comes from, as the legend says it.
QString SourceText(const std::string& english) {
    static const char* const kSources[] = {
        QT_TRANSLATE_NOOP("quorvane::WheelWindow", "the Moon"),
        QT_TRANSLATE_NOOP("quorvane::WheelWindow", "opposite the Moon"),
        QT_TRANSLATE_NOOP("quorvane::WheelWindow", "the Ascendant"),
        QT_TRANSLATE_NOOP("quorvane::WheelWindow", "opposite the Sun"),
        QT_TRANSLATE_NOOP("quorvane::WheelWindow", "the Descendant (opposite the Ascendant)"),
    };
    for (const char* source : kSources)
        if (english == source) return WheelWindow::tr(source);
    return ToQString(english);
}

QStringList Legend(const GalacticReading& reading) {
    // Under English the same lines as the report's legend.
    QStringList out;
    int n = 1;
    for (const wheel::ReadPoint& p : wheel::ReadPoints(reading)) {
        const GalacticSign* sign = LookupGalacticDegree(p.Degree);
        const QString line = sign ? WheelWindow::tr("%1  \"%2\" reads %3°, %4: %5")
                                        .arg(n)
                                        .arg(FrameName(p.Frame))
                                        .arg(p.Degree)
                                        .arg(SourceText(p.Source), SignName(sign))
                                  : WheelWindow::tr("%1  \"%2\" reads %3°, %4")
                                        .arg(n)
                                        .arg(FrameName(p.Frame))
                                        .arg(p.Degree)
                                        .arg(SourceText(p.Source));
        out << line;
        ++n;
    }
    return out;
}
}  // namespace

WheelView::WheelView(const report::ReadingDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setMinimumSize(300, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Galactic wheel"));
    setAccessibleDescription(doc.Window
                                 ? tr("The twelve galactic signs with the Sun and the Moon as arcs over the "
                                      "hours read, without the Ascendant; the positions are listed beside the wheel")
                                 : tr("The twelve galactic signs with the Sun, the Moon, the Ascendant and the "
                                      "Descendant; the positions are listed beside the wheel"));
}

void WheelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int side = std::min(width(), height());
    const QRectF square((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    report::PaintWheel(painter, square, doc_, false);
}

WheelWindow::WheelWindow(const report::ReadingDocument& doc, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmWheel"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        tr("Galactic Wheel of %1 - %2").arg(ToQString(doc.Birth.Name).trimmed(), QString::fromUtf8(kProductTitle)));

    auto* wheel = new WheelView(doc, this);
    wheel->setObjectName(QStringLiteral("wheelView"));

    auto* heading = new QLabel(tr("&Positions"), this);
    positions_ = new QTreeWidget(this);
    positions_->setObjectName(QStringLiteral("lstPositions"));
    positions_->setAccessibleName(tr("Positions"));
    ReadCurrentRowOnFocus(positions_);
    heading->setBuddy(positions_);
    positions_->setColumnCount(3);
    positions_->setHeaderLabels({tr("Point"), tr("Longitude"), tr("Galactic sign")});
    positions_->setRootIsDecorated(false);
    positions_->setAllColumnsShowFocus(true);
    positions_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    positions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillPositions(doc);
    // Wide enough for every column as filled, so that no language's longer words are cut off; the
    // wheel takes what is left.
    const QAbstractItemView* view = positions_;  // the size hint is public there
    int columns = 0;
    for (int c = 0; c < positions_->columnCount(); ++c)
        columns += std::max(view->sizeHintForColumn(c), positions_->header()->sectionSizeHint(c));
    positions_->setMinimumWidth(
        std::max(340, columns + 2 * positions_->frameWidth() + positions_->verticalScrollBar()->sizeHint().width()));

    auto* legend = new QLabel((doc.Window ? report::WindowLegendLines(doc) : Legend(doc.Reading)).join(u'\n'), this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    legend->setWordWrap(true);
    legend->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legend->setAccessibleName(tr("Degrees the frames read"));

    // The instant the positions are for: the Universal Time and the offset used, and any note on the zone.
    const QStringList instantLines = report::InstantLines(doc, false);
    auto* instant = new QLabel(instantLines.join(u'\n'), this);
    instant->setObjectName(QStringLiteral("lblInstant"));
    instant->setWordWrap(true);
    instant->setTextInteractionFlags(Qt::TextSelectableByMouse);
    instant->setAccessibleName(tr("Birth instant used"));

    auto* save = new QPushButton(tr("&Save Picture…"), this);
    save->setObjectName(QStringLiteral("cmdSavePicture"));
    connect(save, &QPushButton::clicked, this, &WheelWindow::SavePictureRequested);
    auto* closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* side = new QVBoxLayout;
    side->addWidget(heading);
    side->addWidget(positions_, 1);
    side->addWidget(legend);
    side->addWidget(instant);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(closeButton);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(wheel, 1);
    layout->addLayout(side, 0);
    setTabOrder(positions_, save);
    setTabOrder(save, closeButton);
    LetReturnPressFocusedButtons(this);
    resize(960, 600);
}

void WheelWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes the window; it comes here once the screen reader has had it and the focused control
    // has not used it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WheelWindow::FillPositions(const report::ReadingDocument& doc) {
    if (doc.Window) {
        FillWindowPositions(doc);
        return;
    }
    auto add = [this](const QString& point, const QString& longitude, int degree) {
        const GalacticSign* sign = LookupGalacticDegree(degree);
        new QTreeWidgetItem(positions_, {point, longitude, SignName(sign)});
    };
    for (const wheel::BodyPoint& body : wheel::BodyPoints(doc.Reading))
        add(PointName(body.Name), ToQString(wheel::ArcMinuteText(body.Longitude)),
            static_cast<int>(std::floor(body.Longitude)));
    // What each frame of the reading form looks up, numbered as on the wheel; the legend says from where.
    int n = 1;
    for (const wheel::ReadPoint& read : wheel::ReadPoints(doc.Reading))
        add(QStringLiteral("%1  %2").arg(n++).arg(FrameName(read.Frame)), QStringLiteral("%1\u00B0").arg(read.Degree),
            read.Degree);
    positions_->setCurrentItem(positions_->topLevelItem(0));
}

void WheelWindow::FillWindowPositions(const report::ReadingDocument& doc) {
    // "84°13′–85°14′" and the galactic signs of its two ends ("Build", or "Build–Trade" when it crosses into another).
    for (const wheel::BodyArc& arc : wheel::BodyArcs(*doc.Window)) {
        const GalacticSign* from = LookupGalacticDegree(static_cast<int>(std::floor(arc.From)));
        const GalacticSign* to = LookupGalacticDegree(static_cast<int>(std::floor(arc.To())));
        const QString signs = from == to ? SignName(from) : SignName(from) + QChar(0x2013) + SignName(to);
        new QTreeWidgetItem(positions_, {PointName(arc.Name),
                                         ToQString(wheel::ArcMinuteText(arc.From)) + QChar(0x2013) +
                                             ToQString(wheel::ArcMinuteText(arc.To())),
                                         signs});
    }
    for (int frame = 0; frame < kFrameCount; ++frame) {
        const GalacticSign* certain = doc.Window->CertainSign(static_cast<Frame>(frame));
        new QTreeWidgetItem(positions_, {ToQString(l10n::FrameCaption(UiLanguage(), static_cast<l10n::Frame>(frame))),
                                         QString(), certain ? SignName(certain) : report::DependsText()});
    }
    positions_->setCurrentItem(positions_->topLevelItem(0));
}

QStringList WheelWindow::PositionLines() const {
    QStringList lines;
    for (int i = 0; i < positions_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = positions_->topLevelItem(i);
        lines << row->text(0) + u'\t' + row->text(1) + u'\t' + row->text(2);
    }
    return lines;
}

}  // namespace quorvane
