// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IMGSymbol: the twelve sign pictures, in the order of their keys, each filed under its sign's name.

#include <QPixmap>
#include <QString>
#include <QVector>

namespace quorvane {

class SignPictures {
public:
    struct Image {
        QString Key;
        QPixmap Picture;
    };

    static constexpr int kWidth = 22;
    static constexpr int kHeight = 26;

    // Rendered on first use: the pictures are needed for the first reading, not for the first paint.
    const QVector<Image>& Images() const;
    // The picture a frame shows before its first reading.
    static QPixmap Placeholder();
    // The picture filed under `key` (a sign's name, or "placeholder"); a missing one is an empty picture
    // of the same size, and the fault goes to standard error.
    static QPixmap Render(const QString& key);

private:
    mutable QVector<Image> images_;
};

}  // namespace quorvane
