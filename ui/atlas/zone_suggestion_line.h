// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line under the zone list: what the remembered birthplace's clock showed at the entered date and
// time, with "Apply" to select the matching zone row and daylight-saving state, or, where no row has
// the offset, that exact offset or the birthplace's local mean time. Nothing changes until the user
// presses it.

#include <QString>
#include <QWidget>

#include <optional>

#include "atlas/zone_suggestion.h"
#include "common/birth_data.h"

class QLabel;
class QPushButton;

namespace quorvane {

class ZoneSuggestionLine : public QWidget {
    Q_OBJECT
public:
    explicit ZoneSuggestionLine(QWidget* parent = nullptr);

    // The place chosen in the finder (its longitude, east positive, gives its local mean time); the line
    // stays hidden until there is one.
    void SetPlace(const QString& placeName, const QString& timeZoneId, std::optional<double> longitude = std::nullopt);
    // The birth date and local clock time as entered; an impossible date (31 February) shows no advice.
    void SetLocalTime(int year, int month, int day, int hour, int minute);
    // The zone row and box as the form holds them (row -1 with the offset in force, east positive, for an
    // exact offset or local mean time); "Apply" is offered only when they differ from the suggestion.
    void SetCurrentZone(int row, bool daylightSaving, int secondsEast = 0, bool localMeanTime = false);

    const std::optional<ZoneSuggestion>& suggestion() const { return suggestion_; }
    QString Text() const;

signals:
    void ApplyRequested(int row, bool daylightSaving);
    // No row has the clock's offset: that offset (east positive), or the birthplace's local mean time.
    void ApplyOffsetRequested(int secondsEast, bool localMeanTime);

private:
    void Refresh();

    QLabel* label_;
    QPushButton* apply_;
    // A clock time that came twice: Apply takes its first pass, this its second.
    QPushButton* second_;
    ClockFold fold_ = ClockFold::First;
    QString placeName_, zoneId_;
    CivilDateTime clock_{kFirstYear, 1, 1, 0, 0};
    std::optional<double> longitude_;
    int currentRow_ = -1;
    bool currentDst_ = false;
    int currentSecondsEast_ = 0;
    bool currentLocalMeanTime_ = false;
    std::optional<ZoneSuggestion> suggestion_;
};

}  // namespace quorvane
