// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The galactic wheel of one reading in a window of its own: resizable, with the positions listed beside it.

#include <QWidget>

#include "report/reading_report.h"

class QTreeWidget;

namespace quorvane {

// Paints the wheel at whatever size it is given, keeping it round.
class WheelView final : public QWidget {
    Q_OBJECT
public:
    WheelView(const report::ReadingDocument& doc, QWidget* parent);
    QSize sizeHint() const override { return {520, 520}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    report::ReadingDocument doc_;  // with an unknown birth time, its window's wheel
};

class WheelWindow final : public QWidget {
    Q_OBJECT
public:
    WheelWindow(const report::ReadingDocument& doc, QWidget* parent);

    // The rows of the positions list as "point<TAB>longitude<TAB>galactic sign", for tests and copying.
    QStringList PositionLines() const;

signals:
    void SavePictureRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillPositions(const report::ReadingDocument& doc);
    // With an unknown birth time: the Sun's and the Moon's arcs, and each frame's sign where it holds.
    void FillWindowPositions(const report::ReadingDocument& doc);

    QTreeWidget* positions_;
};

}  // namespace quorvane
