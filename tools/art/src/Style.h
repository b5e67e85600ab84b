#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>

class QPainter;

namespace art {

// Three tones of one colour: lit face, body and the side turned from the light.
struct Hue {
    QColor light;
    QColor mid;
    QColor dark;
};

// The one palette every icon draws from.
namespace palette {
inline const QColor ink(28, 46, 82);
inline const QColor white(255, 255, 255);
inline const Hue blue{QColor(128, 186, 246), QColor(52, 124, 214), QColor(26, 80, 160)};
inline const Hue orange{QColor(255, 212, 120), QColor(246, 154, 44), QColor(200, 104, 22)};
inline const Hue green{QColor(136, 222, 128), QColor(52, 170, 84), QColor(28, 118, 56)};
inline const Hue red{QColor(252, 138, 126), QColor(222, 70, 62), QColor(156, 36, 34)};
inline const Hue steel{QColor(214, 224, 238), QColor(146, 164, 190), QColor(84, 102, 132)};
inline const Hue paper{QColor(255, 255, 255), QColor(246, 248, 252), QColor(214, 222, 236)};
inline const Hue glass{QColor(236, 246, 255), QColor(178, 216, 250), QColor(116, 170, 230)};
} // namespace palette

// Outline weight of a 32-unit icon.
inline constexpr qreal kOutline = 1.5;

// A gradient lit from the top left across `r`.
QBrush shade(const QRectF& r, const Hue& hue);

// Fills `shape` with the hue's shading and outlines it in ink.
void drawBody(QPainter& p, const QPainterPath& shape, const Hue& hue, qreal outline = kOutline);

// A soft white sheen on the upper left part of `shape`.
void drawGloss(QPainter& p, const QPainterPath& shape, qreal strength = 0.55);

// Strokes a centre-line path with round ends.
void strokeLine(QPainter& p, const QPainterPath& line, qreal width, const QColor& colour);

// A centre-line path turned into an outlined, shaded solid (letters that must read on any background).
void drawStrokedSolid(QPainter& p, const QPainterPath& line, qreal width, const Hue& hue, qreal outline);

// A round push button in the given hue, the shape of the start, pause, exit and help icons.
void drawRoundButton(QPainter& p, const Hue& hue);

QPainterPath roundedRect(const QRectF& r, qreal radius);

} // namespace art
