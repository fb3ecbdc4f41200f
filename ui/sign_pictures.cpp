#include "ui/sign_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "galactic/galactic_signs.h"
#include "ui/services.h"

namespace quorvane {

namespace {
QPixmap Render(const QString& resource) {
    QPixmap pixmap(SignPictures::kWidth, SignPictures::kHeight);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}
}  // namespace

SignPictures::SignPictures() {
    for (std::string_view key : GalacticPictureKeys()) {
        const QString name = ToQString(key);
        images_.push_back({name, Render(QStringLiteral(":/signs/%1.svg").arg(name))});
    }
}

QPixmap SignPictures::Placeholder() {
    return Render(QStringLiteral(":/signs/placeholder.svg"));
}

}  // namespace quorvane
