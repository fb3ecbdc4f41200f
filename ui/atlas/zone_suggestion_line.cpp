#include "ui/atlas/zone_suggestion_line.h"

#include <QAccessible>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "reading/time_zones.h"

namespace quorvane {

ZoneSuggestionLine::ZoneSuggestionLine(QWidget* parent) : QWidget(parent) {
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    apply_ = new QPushButton(tr("Apply"), this);
    apply_->setAutoDefault(false);
    setAccessibleName(tr("Time zone suggestion"));
    label_->setAccessibleName(tr("Time zone suggestion"));
    apply_->setAccessibleName(tr("Apply the suggested time zone"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 1);
    layout->addWidget(apply_);
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (suggestion_ && suggestion_->Known) emit applyRequested(suggestion_->Row, suggestion_->DaylightSaving);
    });
    setVisible(false);
}

void ZoneSuggestionLine::setPlace(const QString& placeName, const QString& timeZoneId) {
    placeName_ = placeName;
    zoneId_ = timeZoneId;
    refresh();
}

void ZoneSuggestionLine::setLocalTime(int year, int month, int day, int hour, int minute) {
    clock_ = {year, month, day, hour, minute};
    refresh();
}

void ZoneSuggestionLine::setCurrentZone(int row, bool daylightSaving) {
    currentRow_ = row;
    currentDst_ = daylightSaving;
    refresh();
}

QString ZoneSuggestionLine::text() const { return label_->text(); }

void ZoneSuggestionLine::refresh() {
    suggestion_.reset();
    const bool validDate = QDate::isValid(clock_.Year, clock_.Month, clock_.Day);
    if (zoneId_.isEmpty() || !validDate) {
        setVisible(false);
        return;
    }
    suggestion_ = SuggestZone(zoneId_.toStdString(), clock_, placeName_.toStdString());
    QString line = QString::fromStdString(suggestion_->Description);
    if (suggestion_->Known && suggestion_->Exact) {
        const auto& row = TimeZoneTable()[static_cast<std::size_t>(suggestion_->Row)];
        line += QStringLiteral(" \u2192 ") + QString::fromUtf8(row.DisplayString.data(), static_cast<qsizetype>(row.DisplayString.size()));
        if (suggestion_->DaylightSaving) line += tr(" with Daylight Saving Time");
    }
    const bool changed = line != label_->text() || isHidden();
    label_->setText(line);
    label_->setAccessibleDescription(line);
    const bool differs = suggestion_->Row != currentRow_ || suggestion_->DaylightSaving != currentDst_;
    apply_->setEnabled(suggestion_->Known && differs);
    setVisible(true);
    // Announced as it appears or changes, without moving the focus from the field being filled in.
    if (changed && QAccessible::isActive()) {
        QAccessibleEvent described(label_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

}  // namespace quorvane
