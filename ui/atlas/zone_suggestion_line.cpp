// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/atlas/zone_suggestion_line.h"

#include <QAccessible>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "reading/time_zones.h"
#include "ui/a11y/accessibility.h"
#include "ui/widgets/language.h"
#include "reading/utc_offset.h"

namespace quorvane {

ZoneSuggestionLine::ZoneSuggestionLine(QWidget* parent) : QWidget(parent) {
    label_ = new QLabel(this);
    label_->setWordWrap(true);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    apply_ = new QPushButton(tr("Apply"), this);
    apply_->setAutoDefault(false);
    setAccessibleName(tr("Time zone suggestion"));
    label_->setAccessibleName(tr("Time zone suggestion"));
    MarkAsNotification(label_);
    apply_->setAccessibleName(tr("Apply the suggested time zone"));
    second_ = new QPushButton(tr("Second"), this);
    second_->setObjectName(QStringLiteral("applySecondPass"));
    second_->setAutoDefault(false);
    second_->setAccessibleName(tr("Apply the time zone of the second time"));
    second_->setVisible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 1);
    layout->addWidget(apply_);
    layout->addWidget(second_);
    const auto applyPass = [this](ClockFold fold) {
        if (!suggestion_ || !suggestion_->Known) return;
        fold_ = fold;
        Refresh();
        if (suggestion_->ExactOffset)
            emit ApplyOffsetRequested(SuggestedSecondsEast(*suggestion_), suggestion_->LocalMeanTime);
        else
            emit ApplyRequested(suggestion_->Row, suggestion_->DaylightSaving);
    };
    connect(apply_, &QPushButton::clicked, this, [applyPass] { applyPass(ClockFold::First); });
    connect(second_, &QPushButton::clicked, this, [applyPass] { applyPass(ClockFold::Second); });
    setVisible(false);
}

void ZoneSuggestionLine::SetPlace(const QString& placeName, const QString& timeZoneId,
                                  std::optional<double> longitude) {
    placeName_ = placeName;
    zoneId_ = timeZoneId;
    longitude_ = longitude;
    Refresh();
}

void ZoneSuggestionLine::SetLocalTime(int year, int month, int day, int hour, int minute) {
    // Another clock time is asked about afresh.
    if (clock_ != CivilDateTime{year, month, day, hour, minute}) fold_ = ClockFold::First;
    clock_ = {year, month, day, hour, minute};
    Refresh();
}

void ZoneSuggestionLine::SetCurrentZone(int row, bool daylightSaving, int secondsEast, bool localMeanTime) {
    currentRow_ = row;
    currentDst_ = daylightSaving;
    currentSecondsEast_ = secondsEast;
    currentLocalMeanTime_ = localMeanTime;
    Refresh();
}

QString ZoneSuggestionLine::Text() const {
    return label_->text();
}

void ZoneSuggestionLine::Refresh() {
    suggestion_.reset();
    const bool validDate = QDate::isValid(clock_.Year, clock_.Month, clock_.Day);
    if (zoneId_.isEmpty() || !validDate) {
        setVisible(false);
        return;
    }
    suggestion_ = SuggestZone(zoneId_.toStdString(), clock_, placeName_.toStdString(), longitude_, fold_);
    // A clock time that came twice or never is asked about, never taken silently.
    const l10n::Sentence question = ClockChangeText(*suggestion_, clock_, placeName_.toStdString());
    QString line = UiText(question.empty() ? suggestion_->Description : question);
    second_->setVisible(suggestion_->Repeated);
    apply_->setText(suggestion_->Repeated ? tr("First") : tr("Apply"));
    if (suggestion_->Known && suggestion_->Exact) {
        const auto& row = TimeZoneTable()[static_cast<std::size_t>(suggestion_->Row)];
        line += QStringLiteral(" \u2192 ") +
                (UiTranslated()
                     ? UiZoneRow(suggestion_->Row)
                     : QString::fromUtf8(row.DisplayString.data(), static_cast<qsizetype>(row.DisplayString.size())));
        if (suggestion_->DaylightSaving) line += tr(" with Daylight Saving Time");
    } else if (suggestion_->Known && suggestion_->ExactOffset) {
        line += QStringLiteral(" \u2192 ") +
                (suggestion_->LocalMeanTime
                     ? tr("Local mean time of the birthplace")
                     : tr("Other offset %1")
                           .arg(QString::fromStdString(FormatUtcOffset(SuggestedSecondsEast(*suggestion_)))));
    }
    const bool changed = line != label_->text() || isHidden();
    label_->setText(line);
    label_->setAccessibleDescription(line);
    // Apply says what it applies.
    apply_->setAccessibleDescription(line);
    const bool differs = suggestion_->ExactOffset
                             ? currentRow_ >= 0 || currentDst_ ||
                                   currentSecondsEast_ != SuggestedSecondsEast(*suggestion_) ||
                                   currentLocalMeanTime_ != suggestion_->LocalMeanTime
                             : suggestion_->Row != currentRow_ || suggestion_->DaylightSaving != currentDst_;
    apply_->setEnabled(suggestion_->Known && differs);
    // Either pass of a repeated time may be taken whatever the form holds.
    if (suggestion_->Repeated) apply_->setEnabled(suggestion_->Known);
    second_->setEnabled(suggestion_->Known);
    setVisible(true);
    // Announced as it appears or changes, without moving the focus from the field being filled in.
    if (changed && QAccessible::isActive()) {
        QAccessibleEvent described(label_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
        Announce(label_);
    }
}

}  // namespace quorvane
