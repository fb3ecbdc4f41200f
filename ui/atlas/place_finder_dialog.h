// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The birthplace finder: best matches from the offline atlas, chosen with the keyboard or the mouse.

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

#include "atlas/atlas.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace quorvane {

class PlaceFinderDialog : public QDialog {
    Q_OBJECT
public:
    // exec() returns Accepted ("Use": ChosenPlace() is set), Rejected, or WebSearch.
    enum Outcome { WebSearch = 2 };

    // Searches the built-in atlas at once for `query` ("City[, State][, Country]").
    explicit PlaceFinderDialog(const QString& query, QWidget* parent = nullptr);
    PlaceFinderDialog(const Atlas& atlas, const QString& query, QWidget* parent = nullptr);

    // "Pune", "Maharashtra", "India" -> "Pune, Maharashtra, India"; empty parts are left out.
    static QString QueryOf(const QString& city, const QString& state, const QString& country);

    std::optional<Place> ChosenPlace() const { return chosen_; }

    // "40°25'N", "3°42'W": as the coordinate fields will hold them.
    static QString LatitudeText(double latitude);
    static QString LongitudeText(double longitude);

signals:
    void WebSearchRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search();
    void Use();
    void SearchTheWeb();

    const Atlas& atlas_;
    QLineEdit* search_;
    QTreeWidget* results_;
    QLabel* status_;
    QPushButton* use_;
    QPushButton* web_;
    std::vector<const Place*> shown_;
    std::optional<Place> chosen_;
};

}  // namespace quorvane
