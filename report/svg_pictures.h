// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SVG pictures, drawn and written, without Qt Svg in sight. Two builds of these calls exist: with Qt Svg
// linked in (svg_pictures_qtsvg.cpp: the command line, the tests) and through the output module that the
// window program loads when it first draws a sign picture (output/output_loader.cpp), so that the window
// program starts without Qt Svg. A target that links quorvane_report gets the first unless it sets the
// property QUORVANE_OUTPUT_MODULE.

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QPainter;

namespace quorvane::svg {

class Picture {
public:
    virtual ~Picture() = default;
    // False when the SVG text could not be read (or the output module not loaded): Render then draws nothing.
    virtual bool IsValid() const = 0;
    // Into the painter's whole device, or into `bounds`.
    virtual void Render(QPainter& painter) = 0;
    virtual void Render(QPainter& painter, const QRectF& bounds) = 0;
};

// False when no picture can be drawn at all (the output module could not be loaded; that is said once, where
// it is found). A picture that fails while this is true is itself at fault.
bool Available();

// From SVG text (a resource read whole, for instance); never null.
std::unique_ptr<Picture> Load(const QByteArray& contents);

struct WriteOptions {
    QSize Size;
    QRectF ViewBox;
    QString Title;
};
// Writes what `paint` draws as an SVG document; false when SVG cannot be written (no output module).
bool Write(QIODevice& out, const WriteOptions& options, const std::function<void(QPainter&)>& paint);

}  // namespace quorvane::svg
