#pragma once
// One line under the zone list: what the remembered birthplace's clock showed at the entered date and
// time, with "Apply" to select the matching zone row and daylight-saving state. Nothing changes
// until the user presses it.

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

    // The place chosen in the finder; the line stays hidden until there is one.
    void setPlace(const QString& placeName, const QString& timeZoneId);
    // The birth date and local clock time as entered; an impossible date (31 February) shows no advice.
    void setLocalTime(int year, int month, int day, int hour, int minute);
    // The zone row and box as the form holds them; "Apply" is offered only when they differ.
    void setCurrentZone(int row, bool daylightSaving);

    const std::optional<ZoneSuggestion>& suggestion() const { return suggestion_; }
    QString text() const;

signals:
    void applyRequested(int row, bool daylightSaving);

private:
    void refresh();

    QLabel* label_;
    QPushButton* apply_;
    QString placeName_, zoneId_;
    CivilDateTime clock_{kFirstYear, 1, 1, 0, 0};
    int currentRow_ = -1;
    bool currentDst_ = false;
    std::optional<ZoneSuggestion> suggestion_;
};

}  // namespace quorvane
