// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/sign_pictures.h"

#include <QFile>
#include <QPainter>

#include "galactic/galactic_signs.h"
#include "report/svg_pictures.h"
#include "ui/widgets/text.h"

namespace quorvane {

QPixmap SignPictures::Render(const QString& key) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    const QString resource = QStringLiteral(":/signs/%1.svg").arg(key);
    QFile file(resource);
    const std::unique_ptr<svg::Picture> picture =
        svg::Load(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    if (!picture->IsValid()) {
        // Only a broken build lacks one; the reading is still right, its frame shows no picture. Without the
        // output module no picture can be drawn, which was said once already.
        if (svg::Available()) qWarning("quorvane: the sign picture %s is missing", qUtf8Printable(resource));
        return pixmap;
    }
    QPainter painter(&pixmap);
    picture->Render(painter);
    return pixmap;
}

const QVector<SignPictures::Image>& SignPictures::Images() const {
    if (images_.isEmpty()) {
        for (std::string_view key : GalacticPictureKeys()) {
            const QString name = ToQString(key);
            images_.push_back({name, Render(name)});
        }
    }
    return images_;
}

QPixmap SignPictures::Placeholder() {
    return Render(QStringLiteral("placeholder"));
}

}  // namespace quorvane
