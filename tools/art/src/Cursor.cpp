#include "Cursor.h"

#include "Render.h"
#include "Style.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace art {

namespace {

QPainterPath handOutline()
{
    QPainterPath hand = roundedRect(QRectF(9.0, 1.0, 4.6, 17.0), 2.3);
    hand = hand.united(roundedRect(QRectF(13.6, 9.2, 4.1, 10.0), 2.0));
    hand = hand.united(roundedRect(QRectF(17.7, 10.4, 4.0, 9.0), 2.0));
    hand = hand.united(roundedRect(QRectF(21.7, 12.0, 3.6, 8.0), 1.8));
    hand = hand.united(roundedRect(QRectF(9.0, 14.0, 16.3, 12.0), 3.6));
    hand = hand.united(roundedRect(QRectF(11.0, 22.0, 12.6, 8.5), 1.2));
    QPainterPath thumbLine(QPointF(11.0, 22.0));
    thumbLine.lineTo(QPointF(5.2, 15.4));
    QPainterPathStroker thumb;
    thumb.setWidth(4.4);
    thumb.setCapStyle(Qt::RoundCap);
    hand = hand.united(thumb.createStroke(thumbLine));
    return hand.simplified();
}

void paintHand(QPainter& p)
{
    const QPainterPath hand = handOutline();
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);

    // Creases between the folded fingers and the cuff line keep the hand readable at cursor size.
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.6, 11.0), QPointF(13.6, 16.5));
    p.drawLine(QPointF(17.7, 12.2), QPointF(17.7, 17.0));
    p.drawLine(QPointF(21.7, 13.8), QPointF(21.7, 17.5));
    p.drawLine(QPointF(11.0, 26.0), QPointF(23.6, 26.0));
}

} // namespace

std::vector<Asset> cursors()
{
    return {{QStringLiteral("cursor"), QStringLiteral("CURSOR"), QStringLiteral("MOUSEICON1"),
             renderIcon({QSize(32, 32), QSizeF(32, 32)}, paintHand)}};
}

} // namespace art
