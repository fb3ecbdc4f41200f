// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/forms/zone_offset_entry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRect>

#include "reading/utc_offset.h"

namespace quorvane {

namespace {
QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

ZoneOffsetEntry::ZoneOffsetEntry(QComboBox* zones, QWidget* parent, const QRect& field)
    : QObject(zones), zones_(zones), field_(new QLineEdit(parent)) {
    zones_->addItem(tr("Local mean time of the birthplace"));
    zones_->addItem(tr("Other offset (\u00B1hh:mm[:ss])\u2026"));
    field_->setObjectName(QStringLiteral("txtZoneOffset"));
    field_->setGeometry(field);
    field_->setMaxLength(12);
    field_->setPlaceholderText(QStringLiteral("+05:45"));
    field_->setAccessibleName(tr("UTC offset"));
    field_->hide();
    connect(zones_, &QComboBox::currentIndexChanged, this, &ZoneOffsetEntry::Follow);
    connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) {
        typed_ = text;
        const bool readable = text.isEmpty() || ParseUtcOffset(text.toStdString());
        field_->setAccessibleDescription(readable ? tr("East of Greenwich +, west \u2212: hours, minutes and "
                                                       "seconds, for example +05:45 or -00:25:21")
                                                  : UnreadableMessage());
        emit Changed();
    });
}

void ZoneOffsetEntry::Follow(int index) {
    const bool mean = index == kLocalMeanTimeIndex, other = index == kOtherOffsetIndex;
    field_->setVisible(mean || other);
    field_->setReadOnly(mean);
    if (mean) {
        field_->setText(localMeanTime_ ? Q(FormatUtcOffset(*localMeanTime_)) : QString());
        field_->setAccessibleDescription(
            tr("The local mean time of the longitude entered below: four minutes "
               "of clock per degree"));
    } else if (other) {
        field_->setText(typed_);
        field_->setAccessibleDescription(
            tr("East of Greenwich +, west \u2212: hours, minutes and seconds, for "
               "example +05:45 or -00:25:21"));
    }
    emit Changed();
}

void ZoneOffsetEntry::Fill(BirthFormValues& form) const {
    const int index = zones_->currentIndex();
    if (index == kLocalMeanTimeIndex) {
        form.ZoneIndex = -1;
        form.LocalMeanTime = true;
    } else if (index == kOtherOffsetIndex) {
        form.ZoneIndex = -1;
        // An unreadable offset leaves none chosen: the reading is stopped before it (see Unreadable).
        form.ExactOffset = ParseUtcOffset(typed_.toStdString());
    }
}

bool ZoneOffsetEntry::Unreadable() const {
    return zones_->currentIndex() == kOtherOffsetIndex && !ParseUtcOffset(typed_.toStdString());
}

QString ZoneOffsetEntry::UnreadableMessage() {
    return tr(
        "Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm "
        "or -hh:mm:ss west of it, up to 15 hours");
}

void ZoneOffsetEntry::ChooseLocalMeanTime() {
    zones_->setCurrentIndex(kLocalMeanTimeIndex);
}

void ZoneOffsetEntry::ChooseOffset(int secondsEast) {
    typed_ = Q(FormatUtcOffset(secondsEast));
    if (zones_->currentIndex() == kOtherOffsetIndex)
        Follow(kOtherOffsetIndex);
    else
        zones_->setCurrentIndex(kOtherOffsetIndex);
}

void ZoneOffsetEntry::ShowLocalMeanTime(std::optional<ZoneOffset> offset) {
    localMeanTime_ = offset;
    if (zones_->currentIndex() == kLocalMeanTimeIndex)
        field_->setText(offset ? Q(FormatUtcOffset(*offset)) : QString());
}

}  // namespace quorvane
