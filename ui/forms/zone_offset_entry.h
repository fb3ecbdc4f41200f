// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two choices after the 71 zone rows of the birth-data form's zone list: the local mean time of the
// birthplace, and an offset typed as ±hh:mm[:ss] in a small field beside the list. The field is shown
// only while one of the two is chosen: read-only with the mean time worked out from the longitude, or
// for typing.

#include <QObject>
#include <QString>

#include <optional>

#include "common/birth_data.h"
#include "reading/reading_driver.h"
#include "reading/time_zones.h"

class QComboBox;
class QLineEdit;
class QRect;
class QWidget;

namespace quorvane {

class ZoneOffsetEntry : public QObject {
    Q_OBJECT
public:
    static constexpr int kLocalMeanTimeIndex = kTimeZoneCount;
    static constexpr int kOtherOffsetIndex = kTimeZoneCount + 1;

    // Adds the two entries to `zones` (which holds the 71 rows) and the field, at `field` in `parent`.
    ZoneOffsetEntry(QComboBox* zones, QWidget* parent, const QRect& field);

    // The form's values with the choice made here: local mean time or the typed offset in place of a
    // row (the zone index is then -1). Nothing changes while a row is chosen.
    void Fill(BirthFormValues& form) const;
    // Whether an offset is chosen but cannot be read; the message says how to write it.
    bool Unreadable() const;
    static QString UnreadableMessage();

    void ChooseLocalMeanTime();
    void ChooseOffset(int secondsEast);
    // The local mean time the form's longitude gives, shown while that entry is chosen.
    void ShowLocalMeanTime(std::optional<ZoneOffset> offset);

    QLineEdit* Field() const { return field_; }

signals:
    void Changed();

private:
    void Follow(int index);

    QComboBox* zones_;
    QLineEdit* field_;
    QString typed_;  // the typed offset, kept while local mean time is shown in the field
    std::optional<ZoneOffset> localMeanTime_;
};

}  // namespace quorvane
