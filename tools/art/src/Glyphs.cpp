#include "Glyphs.h"

namespace art::glyph {

namespace {

// Maps a point given in fractions of the box.
QPointF at(const QRectF& box, qreal fx, qreal fy)
{
    return {box.left() + box.width() * fx, box.top() + box.height() * fy};
}

void segment(QPainterPath& path, const QRectF& box, qreal x0, qreal y0, qreal x1, qreal y1)
{
    path.moveTo(at(box, x0, y0));
    path.lineTo(at(box, x1, y1));
}

} // namespace

QPainterPath zhong(const QRectF& box)
{
    QPainterPath path;
    path.moveTo(at(box, 0.1, 0.26));
    path.lineTo(at(box, 0.9, 0.26));
    path.lineTo(at(box, 0.9, 0.7));
    path.lineTo(at(box, 0.1, 0.7));
    path.closeSubpath();
    segment(path, box, 0.5, 0.0, 0.5, 1.0);
    return path;
}

QPainterPath wen(const QRectF& box)
{
    QPainterPath path;
    segment(path, box, 0.47, 0.0, 0.53, 0.13);
    segment(path, box, 0.06, 0.3, 0.94, 0.3);
    // The two sweeping strokes cross low in the character and flare out to its feet.
    path.moveTo(at(box, 0.72, 0.32));
    path.quadTo(at(box, 0.58, 0.72), at(box, 0.06, 1.0));
    path.moveTo(at(box, 0.3, 0.32));
    path.quadTo(at(box, 0.44, 0.74), at(box, 0.96, 1.0));
    return path;
}

QPainterPath capitalA(const QRectF& box)
{
    QPainterPath path;
    path.moveTo(at(box, 0.0, 1.0));
    path.lineTo(at(box, 0.5, 0.0));
    path.lineTo(at(box, 1.0, 1.0));
    segment(path, box, 0.24, 0.66, 0.76, 0.66);
    return path;
}

QPainterPath smallA(const QRectF& box)
{
    // Two storeys (a hook over the bowl), which cannot be mistaken for "d" or "o" at icon size.
    QPainterPath path;
    path.moveTo(at(box, 0.1, 0.16));
    path.cubicTo(at(box, 0.3, -0.04), at(box, 0.82, -0.06), at(box, 0.82, 0.3));
    path.lineTo(at(box, 0.82, 1.0));
    path.addEllipse(QRectF(at(box, 0.02, 0.5), at(box, 0.84, 1.0)));
    return path;
}

QPainterPath question(const QRectF& box)
{
    QPainterPath path;
    const QRectF hook(at(box, 0.08, 0.0), at(box, 0.92, 0.52));
    path.moveTo(at(box, 0.08, 0.27));
    path.arcTo(hook, 180.0, -230.0);
    path.quadTo(at(box, 0.5, 0.5), at(box, 0.5, 0.7));
    return path;
}

QPointF questionDot(const QRectF& box)
{
    return at(box, 0.5, 0.94);
}

QPainterPath capitalT(const QRectF& box)
{
    QPainterPath path;
    segment(path, box, 0.0, 0.0, 1.0, 0.0);
    segment(path, box, 0.5, 0.0, 0.5, 1.0);
    return path;
}

QPainterPath capitalV(const QRectF& box)
{
    QPainterPath path;
    path.moveTo(at(box, 0.0, 0.0));
    path.lineTo(at(box, 0.5, 1.0));
    path.lineTo(at(box, 1.0, 0.0));
    return path;
}

QPainterPath capitalI(const QRectF& box)
{
    QPainterPath path;
    segment(path, box, 0.5, 0.0, 0.5, 1.0);
    return path;
}

QPainterPath capitalK(const QRectF& box)
{
    QPainterPath path;
    segment(path, box, 0.0, 0.0, 0.0, 1.0);
    segment(path, box, 1.0, 0.0, 0.0, 0.58);
    segment(path, box, 0.3, 0.4, 1.0, 1.0);
    return path;
}

} // namespace art::glyph
