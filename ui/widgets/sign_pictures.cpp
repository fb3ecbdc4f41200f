#include "ui/widgets/sign_pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "galactic/galactic_signs.h"
#include "ui/widgets/text.h"

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

const QVector<SignPictures::Image>& SignPictures::Images() const {
    if (images_.isEmpty()) {
        for (std::string_view key : GalacticPictureKeys()) {
            const QString name = ToQString(key);
            images_.push_back({name, Render(QStringLiteral(":/signs/%1.svg").arg(name))});
        }
    }
    return images_;
}

QPixmap SignPictures::Placeholder() {
    return Render(QStringLiteral(":/signs/placeholder.svg"));
}

}  // namespace quorvane
