#include "ui/forms/wheel_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

#include "common/version.h"
#include "galactic/galactic_signs.h"
#include "report/wheel_geometry.h"
#include "ui/widgets/text.h"

namespace quorvane {

WheelView::WheelView(const GalacticReading& reading, QWidget* parent) : QWidget(parent), reading_(reading) {
    setMinimumSize(300, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Galactic wheel"));
    setAccessibleDescription(QStringLiteral("The twelve galactic signs with the Sun, the Moon, the Ascendant and the "
                                            "Descendant; the positions are listed beside the wheel"));
}

void WheelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int side = std::min(width(), height());
    const QRectF square((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    report::PaintWheel(painter, square, reading_, false);
}

WheelWindow::WheelWindow(const report::ReadingDocument& doc, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmWheel"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Galactic Wheel of %1 - %2")
                       .arg(ToQString(doc.Birth.Name).trimmed(), QString::fromUtf8(kProductTitle)));

    auto* wheel = new WheelView(doc.Reading, this);
    wheel->setObjectName(QStringLiteral("wheelView"));

    auto* heading = new QLabel(QStringLiteral("&Positions"), this);
    positions_ = new QTreeWidget(this);
    positions_->setObjectName(QStringLiteral("lstPositions"));
    positions_->setAccessibleName(QStringLiteral("Positions"));
    heading->setBuddy(positions_);
    positions_->setColumnCount(3);
    positions_->setHeaderLabels({QStringLiteral("Point"), QStringLiteral("Longitude"), QStringLiteral("Galactic sign")});
    positions_->setRootIsDecorated(false);
    positions_->setAllColumnsShowFocus(true);
    positions_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    positions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    positions_->setMinimumWidth(340);
    FillPositions(doc);

    auto* legend = new QLabel(report::LegendLines(doc.Reading).join(u'\n'), this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    legend->setWordWrap(true);
    legend->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legend->setAccessibleName(QStringLiteral("Degrees the frames read"));

    auto* save = new QPushButton(QStringLiteral("&Save Picture\u2026"), this);
    save->setObjectName(QStringLiteral("cmdSavePicture"));
    connect(save, &QPushButton::clicked, this, &WheelWindow::SavePictureRequested);
    auto* closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto* side = new QVBoxLayout;
    side->addWidget(heading);
    side->addWidget(positions_, 1);
    side->addWidget(legend);
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
    resize(960, 600);
}

void WheelWindow::FillPositions(const report::ReadingDocument& doc) {
    auto add = [this](const QString& point, const QString& longitude, int degree) {
        const GalacticSign* sign = LookupGalacticDegree(degree);
        new QTreeWidgetItem(positions_, {point, longitude, sign ? ToQString(sign->Name) : QString()});
    };
    for (const wheel::BodyPoint& body : wheel::BodyPoints(doc.Reading))
        add(ToQString(body.Name), ToQString(wheel::ArcMinuteText(body.Longitude)),
            static_cast<int>(std::floor(body.Longitude)));
    // What each frame of the reading form looks up, numbered as on the wheel; the legend says from where.
    int n = 1;
    for (const wheel::ReadPoint& read : wheel::ReadPoints(doc.Reading))
        add(QStringLiteral("%1  %2").arg(n++).arg(ToQString(read.Frame)), QStringLiteral("%1\u00B0").arg(read.Degree),
            read.Degree);
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
