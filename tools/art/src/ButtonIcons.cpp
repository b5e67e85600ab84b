#include "ButtonIcons.h"

#include "Glyphs.h"
#include "Render.h"
#include "Style.h"

#include <QPainter>
#include <QtMath>

namespace art {

namespace {

using namespace palette;

// White symbols on the round buttons get a faint ink shadow so they keep a crisp edge on light hues.
void drawSymbol(QPainter& p, const QPainterPath& shape, bool filled, qreal width = 2.8)
{
    for (int pass = 0; pass < 2; ++pass) {
        const QColor colour = pass == 0 ? QColor(20, 30, 60, 90) : white;
        p.save();
        if (pass == 0)
            p.translate(0.35, 0.6);
        p.setPen(filled ? QPen(colour, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                        : QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
        p.drawPath(shape);
        p.restore();
    }
}

void paintSearch(QPainter& p)
{
    QTransform toCorner;
    toCorner.translate(19.2, 19.2);
    toCorner.rotate(-45);
    const QPainterPath handle = toCorner.map(roundedRect(QRectF(-2.7, -1.0, 5.4, 13.0), 2.5));
    drawBody(p, handle, orange);

    const QPointF centre(12.5, 12.5);
    QPainterPath lens;
    lens.addEllipse(centre, 7.0, 7.0);
    drawBody(p, lens, glass, 0);
    drawGloss(p, lens, 0.8);

    QPainterPath rim;
    rim.addEllipse(centre, 10.2, 10.2);
    rim.addEllipse(centre, 7.0, 7.0);
    rim.setFillRule(Qt::OddEvenFill);
    drawBody(p, rim, blue);

    QPainterPath glint;
    glint.arcMoveTo(QRectF(8.0, 8.0, 9.0, 9.0), 160);
    glint.arcTo(QRectF(8.0, 8.0, 9.0, 9.0), 160, 60);
    strokeLine(p, glint, 1.4, white);
}

QPainterPath gearShape(QPointF c, qreal root, qreal tip, int teeth)
{
    QPolygonF outline;
    const qreal step = 360.0 / teeth;
    auto polar = [&](qreal r, qreal degrees) {
        const qreal a = qDegreesToRadians(degrees);
        return QPointF(c.x() + r * qCos(a), c.y() + r * qSin(a));
    };
    for (int i = 0; i < teeth; ++i) {
        const qreal mid = i * step + step / 2;
        outline << polar(root, mid - step * 0.34) << polar(tip, mid - step * 0.2) << polar(tip, mid + step * 0.2)
                << polar(root, mid + step * 0.34);
        for (int k = 1; k <= 3; ++k)
            outline << polar(root, mid + step * 0.34 + k * step * 0.32 / 4);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

void paintSetting(QPainter& p)
{
    const QPointF c(15.5, 15.5);
    QPainterPath gear = gearShape(c, 10.6, 14.0, 8);
    gear.addEllipse(c, 4.4, 4.4);
    gear.setFillRule(Qt::OddEvenFill);
    drawBody(p, gear, steel);
    drawGloss(p, gear, 0.5);

    // A raised hub ring gives the flat gear some depth.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(steel.dark, 1.0));
    p.drawEllipse(c, 7.6, 7.6);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.drawArc(QRectF(c.x() - 6.7, c.y() - 6.7, 13.4, 13.4), 45 * 16, 180 * 16);
    p.restore();
}

// A closed book seen from the front: cover, darker spine band and the page edges showing below.
void drawBook(QPainter& p, const QRectF& cover, const Hue& hue)
{
    const QPainterPath pages =
        roundedRect(QRectF(cover.left() + 2.2, cover.bottom() - 3.0, cover.width() - 2.2, 5.0), 1.0);
    drawBody(p, pages, paper, 1.2);
    const QPainterPath body = roundedRect(cover, 1.8);
    drawBody(p, body, hue, 1.4);
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(cover.left(), cover.top(), 3.2, cover.height()), QColor(0, 0, 0, 55));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cover.left() + 6.0, cover.top() + 4.5), QPointF(cover.right() - 3.0, cover.top() + 4.5));
    p.drawLine(QPointF(cover.left() + 6.0, cover.top() + 7.5), QPointF(cover.right() - 5.0, cover.top() + 7.5));
    p.restore();
    drawGloss(p, body, 0.35);
}

// A bent arrow whose head follows the curve's last direction.
void drawCurvedArrow(QPainter& p, QPointF from, QPointF bend, QPointF to)
{
    QPointF direction = to - bend;
    direction /= qSqrt(QPointF::dotProduct(direction, direction));
    const QPointF across(-direction.y(), direction.x());
    QPainterPath shaft(from);
    shaft.quadTo(bend, to - direction * 0.5);
    drawStrokedSolid(p, shaft, 2.6, green, 1.2);
    QPainterPath head;
    head.moveTo(to + direction * 4.2);
    head.lineTo(to - direction * 0.8 + across * 3.6);
    head.lineTo(to - direction * 0.8 - across * 3.6);
    head.closeSubpath();
    drawBody(p, head, green, 1.2);
}

void paintChange(QPainter& p)
{
    drawBook(p, QRectF(2.0, 11.0, 13.0, 15.5), blue);
    drawBook(p, QRectF(15.5, 11.0, 13.0, 15.5), orange);
    drawCurvedArrow(p, QPointF(8.0, 10.0), QPointF(14.0, -1.5), QPointF(21.2, 6.2));
}

void paintShow(QPainter& p)
{
    const QPainterPath card = roundedRect(QRectF(2.5, 2.0, 20.0, 21.5), 2.2);
    drawBody(p, card, paper);
    strokeLine(p, glyph::wen(QRectF(6.0, 4.8, 13.0, 14.6)), 2.2, ink);

    QPainterPath eye;
    eye.moveTo(11.0, 22.5);
    eye.quadTo(20.5, 11.5, 30.0, 22.5);
    eye.quadTo(20.5, 33.5, 11.0, 22.5);
    eye.closeSubpath();
    drawBody(p, eye, paper);
    QPainterPath iris;
    iris.addEllipse(QPointF(20.5, 22.5), 4.4, 4.4);
    p.save();
    p.setClipPath(eye);
    drawBody(p, iris, blue, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(20.5, 22.5), 2.0, 2.0);
    p.setBrush(white);
    p.drawEllipse(QPointF(19.0, 21.0), 1.1, 1.1);
    p.restore();
    strokeLine(p, eye, kOutline, ink);
}

void paintStart(QPainter& p)
{
    drawRoundButton(p, green);
    QPainterPath triangle;
    triangle.moveTo(12.2, 9.0);
    triangle.lineTo(22.6, 15.5);
    triangle.lineTo(12.2, 22.0);
    triangle.closeSubpath();
    drawSymbol(p, triangle, true);
}

void paintStop(QPainter& p)
{
    drawRoundButton(p, orange);
    QPainterPath bars;
    bars.addRoundedRect(QRectF(10.3, 9.3, 3.9, 12.4), 1.0, 1.0);
    bars.addRoundedRect(QRectF(16.8, 9.3, 3.9, 12.4), 1.0, 1.0);
    drawSymbol(p, bars, true);
}

void paintExit(QPainter& p)
{
    drawRoundButton(p, red);
    QPainterPath power;
    const QRectF ring(9.0, 9.5, 13.0, 13.0);
    power.arcMoveTo(ring, 125);
    power.arcTo(ring, 125, 290);
    power.moveTo(15.5, 7.4);
    power.lineTo(15.5, 15.2);
    drawSymbol(p, power, false, 2.7);
}

void paintHelp(QPainter& p)
{
    drawRoundButton(p, blue);
    const QRectF box(10.8, 7.2, 9.4, 17.6);
    drawSymbol(p, glyph::question(QRectF(box.left(), box.top(), box.width(), box.height() * 0.88)), false, 2.8);
    QPainterPath dot;
    dot.addEllipse(glyph::questionDot(box), 1.7, 1.7);
    drawSymbol(p, dot, true);
}

void paintSound(QPainter& p)
{
    QPainterPath speaker;
    speaker.moveTo(3.0, 12.0);
    speaker.lineTo(8.5, 12.0);
    speaker.lineTo(15.5, 5.5);
    speaker.lineTo(15.5, 26.5);
    speaker.lineTo(8.5, 20.0);
    speaker.lineTo(3.0, 20.0);
    speaker.closeSubpath();
    drawBody(p, speaker, blue);
    drawGloss(p, speaker, 0.4);
    for (const qreal r : {5.0, 10.0}) {
        QPainterPath wave;
        const QRectF bounds(16.5 - r, 16.0 - r, 2 * r, 2 * r);
        wave.arcMoveTo(bounds, -42);
        wave.arcTo(bounds, -42, 84);
        drawStrokedSolid(p, wave, 2.4, orange, 1.1);
    }
}

void paintInterpret(QPainter& p)
{
    QPainterPath bubble = roundedRect(QRectF(2.5, 3.0, 26.5, 19.5), 5.0);
    QPainterPath tail;
    tail.moveTo(7.5, 20.0);
    tail.lineTo(6.5, 28.5);
    tail.lineTo(15.5, 20.0);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    drawBody(p, bubble, glass);
    drawGloss(p, bubble, 0.5);
    strokeLine(p, glyph::zhong(QRectF(9.2, 5.6, 13.2, 14.2)), 2.5, red.mid);
}

void paintMinimise(QPainter& p)
{
    drawRoundButton(p, steel);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(9.5, 18.0, 12.0, 3.6), 1.0, 1.0);
    drawSymbol(p, bar, true);
}

Asset icon(const char* name, const PaintFn& paint)
{
    return {QStringLiteral("icons"), QStringLiteral("ICON"), QString::fromLatin1(name),
            renderIcon({QSize(32, 32), QSizeF(32, 32)}, paint)};
}

} // namespace

std::vector<Asset> buttonIcons()
{
    return {icon("SEARCH1", paintSearch), icon("SETTING1", paintSetting), icon("CHANGE1", paintChange),
            icon("SHOW1", paintShow),     icon("START1", paintStart),     icon("STOP1", paintStop),
            icon("EXIT1", paintExit),     icon("HELP1", paintHelp),       icon("SND1", paintSound),
            icon("INT1", paintInterpret), icon("MIN1", paintMinimise)};
}

} // namespace art
