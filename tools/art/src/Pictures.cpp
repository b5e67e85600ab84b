#include "Pictures.h"

#include "Glyphs.h"
#include "Render.h"
#include "Style.h"

#include <QPainter>

namespace art {

namespace {

using namespace palette;

// A spiral-bound note book: orange cover, a white label and the rings along its left edge.
void drawNotebook(QPainter& p, const QRectF& cover, qreal outline)
{
    const QPainterPath body = roundedRect(cover, cover.width() * 0.1);
    drawBody(p, body, orange, outline);
    drawGloss(p, body, 0.35);
    const QRectF label(cover.left() + cover.width() * 0.3, cover.top() + cover.height() * 0.16, cover.width() * 0.56,
                       cover.height() * 0.26);
    drawBody(p, roundedRect(label, label.height() * 0.15), paper, outline * 0.7);
    p.save();
    p.setPen(QPen(orange.dark, outline * 0.7, Qt::SolidLine, Qt::RoundCap));
    const qreal inset = label.width() * 0.15;
    p.drawLine(QPointF(label.left() + inset, label.top() + label.height() * 0.38),
               QPointF(label.right() - inset, label.top() + label.height() * 0.38));
    p.drawLine(QPointF(label.left() + inset, label.top() + label.height() * 0.68),
               QPointF(label.right() - inset * 2, label.top() + label.height() * 0.68));
    p.restore();
    constexpr int rings = 5;
    const qreal pitch = cover.height() / rings;
    for (int i = 0; i < rings; ++i) {
        const qreal y = cover.top() + pitch * (i + 0.5);
        const QRectF ring(cover.left() - cover.width() * 0.14, y - pitch * 0.18, cover.width() * 0.3, pitch * 0.36);
        drawBody(p, roundedRect(ring, ring.height() / 2), steel, outline * 0.7);
    }
}

// A round badge with a white plus or minus, the same bar weight as the round buttons' symbols.
void drawBadge(QPainter& p, QPointF centre, qreal radius, const Hue& hue, bool plus, qreal outline)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    drawBody(p, disc, hue, outline);
    drawGloss(p, disc, 0.4);
    const qreal arm = radius * 0.58;
    const qreal half = radius * 0.2;
    QPainterPath sign;
    sign.setFillRule(Qt::WindingFill);
    sign.addRect(QRectF(centre.x() - arm, centre.y() - half, 2 * arm, 2 * half));
    if (plus)
        sign.addRect(QRectF(centre.x() - half, centre.y() - arm, 2 * half, 2 * arm));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(sign.simplified());
    p.restore();
}

void paintNoteAdd(QPainter& p)
{
    drawNotebook(p, QRectF(6.0, 2.5, 18.5, 25.5), kOutline);
    drawBadge(p, QPointF(24.3, 23.6), 6.4, green, true, kOutline);
}

void paintNoteDelete(QPainter& p)
{
    drawNotebook(p, QRectF(5.5, 2.5, 17.0, 25.5), kOutline);
    drawBadge(p, QPointF(21.7, 23.6), 6.0, red, false, kOutline);
}

// At 16 pixels the rings become plain ticks and the label loses its lines.
void paintNoteAddSmall(QPainter& p)
{
    const QPainterPath body = roundedRect(QRectF(3.5, 1.0, 9.0, 13.0), 1.5);
    drawBody(p, body, orange, 1.0);
    p.fillRect(QRectF(6.5, 3.0, 4.5, 2.5), white);
    p.save();
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal y : {3.5, 7.5, 11.5})
        p.drawLine(QPointF(2.2, y), QPointF(5.0, y));
    p.restore();
    drawBadge(p, QPointF(11.6, 11.4), 4.1, green, true, 1.0);
}

void paintCase(QPainter& p)
{
    drawStrokedSolid(p, glyph::capitalA(QRectF(2.4, 4.5, 14.4, 22.0)), 3.7, blue, 1.2);
    drawStrokedSolid(p, glyph::smallA(QRectF(17.0, 11.5, 12.0, 15.0)), 3.2, orange, 1.2);
}

// A fat arrow pointing down (or up) with its tip at `tip`, the way the window-size pictures point.
QPainterPath arrow(QPointF tip, qreal length, bool down)
{
    const qreal d = down ? -1 : 1;
    const qreal head = length * 0.45;
    QPolygonF shape;
    shape << tip << QPointF(tip.x() + 4.4, tip.y() + d * head) << QPointF(tip.x() + 1.7, tip.y() + d * head)
          << QPointF(tip.x() + 1.7, tip.y() + d * length) << QPointF(tip.x() - 1.7, tip.y() + d * length)
          << QPointF(tip.x() - 1.7, tip.y() + d * head) << QPointF(tip.x() - 4.4, tip.y() + d * head);
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

void paintTray(QPainter& p)
{
    const QPainterPath bar = roundedRect(QRectF(1.0, 16.0, 20.5, 6.0), 1.5);
    drawBody(p, bar, blue, 1.1);
    drawBody(p, roundedRect(QRectF(12.5, 17.8, 7.0, 2.6), 0.8), paper, 0.8);
    drawBody(p, arrow(QPointF(15.8, 14.0), 12.5, true), green, 1.1);
}

void paintStrip(QPainter& p)
{
    drawBody(p, roundedRect(QRectF(8.5, 18.0, 6.5, 3.0), 0.5), steel, 1.0);
    drawBody(p, roundedRect(QRectF(5.0, 20.5, 13.5, 2.2), 1.0), steel, 1.0);
    const QPainterPath screen = roundedRect(QRectF(1.0, 1.0, 21.5, 17.5), 2.0);
    drawBody(p, screen, paper, 1.1);
    drawBody(p, roundedRect(QRectF(3.0, 3.0, 17.5, 3.6), 1.0), blue, 0.9);
    drawBody(p, arrow(QPointF(11.75, 7.8), 9.0, false), green, 1.1);
}

void paintBigList(QPainter& p)
{
    const QPainterPath window = roundedRect(QRectF(0.8, 0.8, 18.4, 17.0), 1.8);
    drawBody(p, window, paper, 1.1);
    p.save();
    p.setClipPath(window);
    p.fillRect(QRectF(0.8, 0.8, 18.4, 4.2), shade(QRectF(0.8, 0.8, 18.4, 4.2), blue));
    p.restore();
    strokeLine(p, window, 1.1, ink);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 8.0 + i * 3.4;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(orange.mid);
        p.drawEllipse(QPointF(4.2, y), 1.1, 1.1);
        p.restore();
        QPainterPath line(QPointF(6.8, y));
        line.lineTo(i == 1 ? 12.5 : 15.8, y);
        strokeLine(p, line, 1.3, blue.dark);
    }
}

Asset picture(const char* name, QSize size, const PaintFn& paint)
{
    return {QStringLiteral("pictures"), QStringLiteral("PICTURE"), QString::fromLatin1(name),
            renderIcon({size, QSizeF(size)}, paint)};
}

} // namespace

std::vector<Asset> pictures()
{
    return {picture("NOTEADD", QSize(32, 32), paintNoteAdd),
            picture("NOTEDEL", QSize(29, 32), paintNoteDelete),
            picture("NOTEADD16", QSize(16, 16), paintNoteAddSmall),
            picture("CASE", QSize(31, 31), paintCase),
            picture("TRAY", QSize(23, 24), paintTray),
            picture("STRIP", QSize(24, 24), paintStrip),
            picture("BIGLIST", QSize(21, 20), paintBigList)};
}

} // namespace art
