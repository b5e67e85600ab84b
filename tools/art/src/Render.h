#pragma once

#include <QColor>
#include <QImage>
#include <QSizeF>

#include <functional>

class QPainter;

namespace art {

// A painting step in a design space of the size handed to the render call.
using PaintFn = std::function<void(QPainter&)>;

// How an icon is put on the page: its pixel size, the design space it is drawn in and the soft shadow under it.
struct IconFrame {
    QSize pixels;
    QSizeF units;
    bool shadow = true;
};

// Paints in the frame's design space on a canvas several times larger and reduces it by area averaging, so
// every edge gets the same smooth coverage; the shadow falls to the lower right, away from a top-left light.
QImage renderIcon(const IconFrame& frame, const PaintFn& paint);

// Paints an opaque picture at `factor` times its size on `background` and reduces it the same way.
QImage renderOpaque(QSize pixels, int factor, const QColor& background, const PaintFn& paint);

} // namespace art
