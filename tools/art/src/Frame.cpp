#include "Frame.h"

#include "Glyphs.h"
#include "Render.h"
#include "Style.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace art {

namespace {

constexpr int kPieceW = 19;
constexpr int kPieceH = 30;
constexpr qreal kRadius = 12.0;
// A model window the pieces are cut from; any size well above two pieces gives the same pixels.
constexpr int kModel = 400;
const QColor kMagenta(255, 0, 255);
const QColor kFrameGrey(207, 207, 207);

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Title bar colour of pixel row `row`: a lit top line, the blue (21, 98, 175) gradient, a dark foot line.
QColor titleRow(int row)
{
    if (row == 0)
        return QColor(118, 176, 234);
    if (row == kPieceH - 1)
        return QColor(12, 56, 110);
    const qreal t = (row - 1) / qreal(kPieceH - 3);
    return t < 0.5 ? mix(QColor(70, 144, 218), QColor(21, 98, 175), t * 2)
                   : mix(QColor(21, 98, 175), QColor(15, 76, 144), (t - 0.5) * 2);
}

// Distance inside the model window's rounded outline and the outward direction there.
struct EdgeHit {
    qreal depth;
    QPointF normal;
};

EdgeHit nearestEdge(QPointF at)
{
    const QPointF corner(std::clamp(at.x(), kRadius, kModel - kRadius), std::clamp(at.y(), kRadius, kModel - kRadius));
    const QPointF offset = at - corner;
    const qreal far = qSqrt(QPointF::dotProduct(offset, offset));
    if (offset.x() != 0 && offset.y() != 0)
        return {kRadius - far, offset / far};
    const qreal left = at.x(), top = at.y(), right = kModel - at.x(), bottom = kModel - at.y();
    const qreal nearest = std::min({left, top, right, bottom});
    if (nearest == left)
        return {left, QPointF(-1, 0)};
    if (nearest == top)
        return {top, QPointF(0, -1)};
    if (nearest == right)
        return {right, QPointF(1, 0)};
    return {bottom, QPointF(0, 1)};
}

// Edges facing the top-left light are lit, the others shaded, a few pixels deep; grey and blue alike.
QColor shadeEdge(const QColor& base, bool title, const EdgeHit& edge)
{
    const qreal facing = (-edge.normal.x() - edge.normal.y()) / M_SQRT2;
    const qreal depth = std::max(edge.depth, 0.0);
    const qreal strength = depth < 1 ? 1.0 : depth < 2 ? 0.55 : depth < 3 ? 0.25 : 0.0;
    if (strength == 0 || facing == 0)
        return base;
    const QColor lit = title ? QColor(128, 186, 240) : QColor(246, 246, 246);
    const QColor dark = title ? QColor(10, 44, 92) : QColor(104, 104, 104);
    const qreal amount = std::min(1.0, qAbs(facing) * M_SQRT2) * strength;
    return mix(base, facing > 0 ? lit : dark, facing > 0 ? amount * 0.85 : amount);
}

QColor modelColour(QPointF at)
{
    const bool title = at.y() < kPieceH;
    const QColor base = title ? titleRow(int(at.y())) : kFrameGrey;
    return shadeEdge(base, title, nearestEdge(at));
}

bool outsideOutline(QPointF pixelCentre)
{
    const EdgeHit edge = nearestEdge(pixelCentre);
    // Only pixels almost wholly outside turn magenta, so the region never shows one.
    return edge.depth < -0.7;
}

// Cuts the piece whose top-left pixel sits at `origin` in the model window, averaging 8 x 8 samples a pixel.
QImage cutPiece(QPoint origin)
{
    QImage piece(kPieceW, kPieceH, QImage::Format_RGB32);
    constexpr int n = 8;
    for (int y = 0; y < kPieceH; ++y) {
        for (int x = 0; x < kPieceW; ++x) {
            const QPointF centre(origin.x() + x + 0.5, origin.y() + y + 0.5);
            if (outsideOutline(centre)) {
                piece.setPixelColor(x, y, kMagenta);
                continue;
            }
            qreal r = 0, g = 0, b = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const QPointF sample(origin.x() + x + (sx + 0.5) / n, origin.y() + y + (sy + 0.5) / n);
                    const QColor c = modelColour(sample);
                    r += c.redF();
                    g += c.greenF();
                    b += c.blueF();
                }
            }
            piece.setPixelColor(x, y, QColor::fromRgbF(r / (n * n), g / (n * n), b / (n * n)));
        }
    }
    return piece;
}

enum class TitleButton { Close, Minimise, Help };

// The title buttons stand on the title bar 8 pixels from the top, so their square corners take its rows.
void paintTitleButton(QPainter& p, TitleButton kind)
{
    for (int row = 0; row < 13; ++row)
        p.fillRect(QRectF(0, row, 13, 1), titleRow(8 + row));
    const QRectF face(0.5, 0.5, 12.0, 12.0);
    QLinearGradient lit(face.topLeft(), face.bottomLeft());
    lit.setColorAt(0.0, QColor(176, 214, 250));
    lit.setColorAt(0.5, QColor(96, 160, 226));
    lit.setColorAt(1.0, QColor(56, 122, 198));
    p.setPen(QPen(QColor(10, 44, 92), 1.0));
    p.setBrush(lit);
    p.drawRoundedRect(face, 3.0, 3.0);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (kind == TitleButton::Close) {
        p.drawLine(QPointF(3.9, 3.9), QPointF(9.1, 9.1));
        p.drawLine(QPointF(9.1, 3.9), QPointF(3.9, 9.1));
    } else if (kind == TitleButton::Minimise) {
        p.setPen(QPen(Qt::black, 1.9, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(3.5, 8.6), QPointF(9.5, 8.6));
    } else {
        const QRectF box(4.1, 2.6, 4.8, 8.4);
        p.setPen(QPen(Qt::black, 1.45, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(glyph::question(QRectF(box.left(), box.top(), box.width(), box.height() * 0.84)));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(glyph::questionDot(box) + QPointF(0, 0.3), 0.95, 0.95);
    }
}

Asset piece(const char* name, const QImage& image)
{
    return {QStringLiteral("frame"), QStringLiteral("FRAME"), QString::fromLatin1(name), image};
}

} // namespace

std::vector<Asset> frame()
{
    const int mid = kModel / 2;
    const int right = kModel - kPieceW;
    const int bottom = kModel - kPieceH;
    auto button = [](TitleButton kind) {
        return renderOpaque(QSize(13, 13), 8, Qt::black, [kind](QPainter& p) { paintTitleButton(p, kind); });
    };
    return {piece("imgTitleLeft", cutPiece(QPoint(0, 0))),
            piece("imgTitleMain", cutPiece(QPoint(mid, 0))),
            piece("imgTitleRight", cutPiece(QPoint(right, 0))),
            piece("imgWindowLeft", cutPiece(QPoint(0, mid))),
            piece("imgWindowRight", cutPiece(QPoint(right, mid))),
            piece("imgWindowBottomLeft", cutPiece(QPoint(0, bottom))),
            piece("imgWindowBottom", cutPiece(QPoint(mid, bottom))),
            piece("imgWindowBottomRight", cutPiece(QPoint(right, bottom))),
            piece("imgTitleClose", button(TitleButton::Close)),
            piece("imgTitleMinimize", button(TitleButton::Minimise)),
            piece("imgTitleHelp", button(TitleButton::Help))};
}

} // namespace art
