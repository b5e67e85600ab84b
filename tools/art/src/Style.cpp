#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace art {

namespace {

QPainterPath roundButton()
{
    QPainterPath path;
    path.addEllipse(QPointF(15.5, 15.5), 13.6, 13.6);
    return path;
}

} // namespace

QBrush shade(const QRectF& r, const Hue& hue)
{
    QLinearGradient g(r.topLeft(), QPointF(r.left() + r.width() * 0.45, r.bottom()));
    g.setColorAt(0.0, hue.light);
    g.setColorAt(0.55, hue.mid);
    g.setColorAt(1.0, hue.dark);
    return g;
}

void drawBody(QPainter& p, const QPainterPath& shape, const Hue& hue, qreal outline)
{
    p.save();
    p.setBrush(shade(shape.boundingRect(), hue));
    if (outline > 0)
        p.setPen(QPen(palette::ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(shape);
    p.restore();
}

void drawGloss(QPainter& p, const QPainterPath& shape, qreal strength)
{
    const QRectF r = shape.boundingRect();
    QRadialGradient g(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.22), r.width() * 0.6);
    QColor lit(255, 255, 255, qRound(255 * strength));
    QColor gone(255, 255, 255, 0);
    g.setColorAt(0.0, lit);
    g.setColorAt(0.55, QColor(255, 255, 255, qRound(90 * strength)));
    g.setColorAt(1.0, gone);
    p.save();
    p.setClipPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath upper;
    upper.addEllipse(
        QRectF(r.left() - r.width() * 0.15, r.top() - r.height() * 0.35, r.width() * 1.1, r.height() * 0.9));
    p.drawPath(upper);
    p.restore();
}

void strokeLine(QPainter& p, const QPainterPath& line, qreal width, const QColor& colour)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);
    p.restore();
}

void drawStrokedSolid(QPainter& p, const QPainterPath& line, qreal width, const Hue& hue, qreal outline)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    drawBody(p, stroker.createStroke(line).simplified(), hue, outline);
}

void drawRoundButton(QPainter& p, const Hue& hue)
{
    const QPainterPath disc = roundButton();
    drawBody(p, disc, hue);
    // An inner rim catches the light on the lower edge, as a domed button does.
    p.save();
    p.setClipPath(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
    p.drawEllipse(QPointF(15.5, 16.3), 11.6, 11.6);
    p.restore();
    drawGloss(p, disc, 0.45);
}

QPainterPath roundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

} // namespace art
