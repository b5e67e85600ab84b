#pragma once

#include <QPainterPath>
#include <QRectF>

// Centre lines of the few letters the pictures show, drawn as shapes so no font is needed. Each fills `box`;
// the caller strokes the line at the weight the picture wants.
namespace art::glyph {

QPainterPath zhong(const QRectF& box);    // 中
QPainterPath wen(const QRectF& box);      // 文
QPainterPath capitalA(const QRectF& box); // A
QPainterPath smallA(const QRectF& box);   // a
QPainterPath question(const QRectF& box); // ? without its dot
QPointF questionDot(const QRectF& box);
QPainterPath capitalT(const QRectF& box);
QPainterPath capitalV(const QRectF& box);
QPainterPath capitalI(const QRectF& box);
QPainterPath capitalK(const QRectF& box);

} // namespace art::glyph
