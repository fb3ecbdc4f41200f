// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SVG pictures with Qt Svg linked in.
#include "report/svg_pictures.h"

#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

namespace quorvane::svg {

namespace {
class RenderedPicture final : public Picture {
public:
    explicit RenderedPicture(const QByteArray& contents) : renderer_(contents) {}
    bool IsValid() const override { return renderer_.isValid(); }
    void Render(QPainter& painter) override { renderer_.render(&painter); }
    void Render(QPainter& painter, const QRectF& bounds) override { renderer_.render(&painter, bounds); }

private:
    QSvgRenderer renderer_;
};
}  // namespace

bool Available() {
    return true;
}

std::unique_ptr<Picture> Load(const QByteArray& contents) {
    return std::make_unique<RenderedPicture>(contents);
}

bool Write(QIODevice& out, const WriteOptions& options, const std::function<void(QPainter&)>& paint) {
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(options.Size);
    generator.setViewBox(options.ViewBox);
    generator.setTitle(options.Title);
    QPainter painter(&generator);
    paint(painter);
    return true;
}

}  // namespace quorvane::svg
