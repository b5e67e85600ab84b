#include "AppIcon.h"

#include "Glyphs.h"
#include "Render.h"
#include "Style.h"

#include <QPainter>

namespace art {

namespace {

using namespace palette;

// Proportions of the mark in a 32-unit square.
struct MarkPlan {
    qreal outline;
    QRectF tile;
    qreal tileRadius;
    QRectF book;
    qreal letterWeight;
};

QPainterPath page(const QRectF& book, bool left)
{
    const qreal spine = book.center().x();
    const qreal edge = left ? book.left() : book.right();
    const qreal sag = book.height() * 0.1;
    QPainterPath path;
    path.moveTo(spine, book.top() + sag);
    path.quadTo((spine + edge) / 2, book.top() - sag * 0.6, edge, book.top());
    path.lineTo(edge, book.bottom() - sag);
    path.quadTo((spine + edge) / 2, book.bottom() - sag * 1.6, spine, book.bottom());
    path.closeSubpath();
    return path;
}

void paintMark(QPainter& p, const MarkPlan& plan)
{
    const QPainterPath tile = roundedRect(plan.tile, plan.tileRadius);
    drawBody(p, tile, blue, plan.outline);
    drawGloss(p, tile, 0.45);

    const QRectF& b = plan.book;
    const QPainterPath cover = roundedRect(
        QRectF(b.left() - b.width() * 0.04, b.top() + b.height() * 0.12, b.width() * 1.08, b.height() * 0.98),
        b.width() * 0.05);
    drawBody(p, cover, orange, plan.outline);
    drawBody(p, page(b, true), paper, plan.outline);
    drawBody(p, page(b, false), paper, plan.outline);

    const qreal w = b.width() / 2;
    const QRectF leftText(b.left() + w * 0.2, b.top() + b.height() * 0.2, w * 0.58, b.height() * 0.56);
    const QRectF rightText(b.center().x() + w * 0.14, b.top() + b.height() * 0.16, w * 0.7, b.height() * 0.62);
    p.save();
    p.setPen(QPen(blue.dark, plan.letterWeight, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyph::capitalA(leftText));
    p.setPen(QPen(red.mid, plan.letterWeight, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(glyph::zhong(rightText));
    p.restore();
}

MarkPlan planFor(int size)
{
    const qreal outline = (1.0 + size / 80.0) * 32.0 / size;
    const qreal letterWeight = size <= 32 ? 1.9 : size <= 48 ? 1.7 : 1.5;
    return {outline, QRectF(1.5, 1.5, 28.0, 28.0), 6.5, QRectF(5.0, 8.5, 21.0, 15.5), letterWeight};
}

// At 16 pixels outlines would eat the letters: flat pages on the tile, one-pixel strokes on pixel centres.
void paintSmallMark(QPainter& p)
{
    const QPainterPath tile = roundedRect(QRectF(0.5, 0.5, 15.0, 15.0), 3.0);
    p.setPen(QPen(blue.dark, 1.0));
    p.setBrush(shade(tile.boundingRect(), blue));
    p.drawPath(tile);
    p.setPen(Qt::NoPen);
    p.setBrush(orange.mid);
    p.drawRect(QRectF(2.0, 12.0, 12.0, 1.5));
    p.setBrush(white);
    p.drawRect(QRectF(2.0, 3.5, 5.5, 9.0));
    p.drawRect(QRectF(8.5, 3.5, 5.5, 9.0));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(blue.dark, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(glyph::capitalA(QRectF(2.7, 5.0, 4.1, 6.6)));
    p.setPen(QPen(red.mid, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPainterPath zhong;
    zhong.addRect(QRectF(9.5, 6.5, 4.0, 3.0));
    zhong.moveTo(11.5, 4.5);
    zhong.lineTo(11.5, 11.5);
    p.drawPath(zhong);
}

} // namespace

std::vector<Asset> appIcons()
{
    std::vector<Asset> icons;
    auto icon = [](int size, const QImage& image) {
        return Asset{QStringLiteral("icons"), QStringLiteral("ICON"), QStringLiteral("APP%1").arg(size), image};
    };
    icons.push_back(icon(16, renderIcon({QSize(16, 16), QSizeF(16, 16), false}, paintSmallMark)));
    for (const int size : {32, 48, 64, 128, 256}) {
        const MarkPlan plan = planFor(size);
        icons.push_back(
            icon(size, renderIcon({QSize(size, size), QSizeF(32, 32)}, [&plan](QPainter& p) { paintMark(p, plan); })));
    }
    return icons;
}

} // namespace art
