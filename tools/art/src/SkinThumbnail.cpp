#include "SkinThumbnail.h"

#include "Render.h"
#include "Style.h"

#include <QPainter>

#include <algorithm>

namespace art {

namespace {

using namespace palette;

// Thumbnail units are window pixels: the sketch is drawn over the 720 x 540 window and then reduced.
constexpr qreal kScale = 160.0 / 720.0;

void box(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.setPen(QPen(QColor(150, 160, 176), 3.0));
    p.setBrush(fill);
    p.drawRect(r);
}

void bars(QPainter& p, const QRectF& area, int count, qreal pitch, qreal thickness, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        const qreal width = area.width() * (i % 3 == 1 ? 0.62 : (i % 3 == 2 ? 0.8 : 0.72));
        p.drawRoundedRect(QRectF(area.left(), area.top() + i * pitch, width, thickness), thickness / 2, thickness / 2);
    }
}

// Boxes are `fill`: see-through white over a skin, so its colour still tints the whole thumbnail.
void sketchWindow(QPainter& p, const QColor& fill)
{
    box(p, QRectF(32, 0, 185, 31), fill);
    p.setPen(Qt::NoPen);
    p.setBrush(blue.mid);
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 6, 6);
    box(p, QRectF(0, 32, 217, 508), fill);
    bars(p, QRectF(14, 50, 170, 480), 21, 23, 9, QColor(150, 158, 172));
    p.setBrush(QColor(70, 130, 220, 90));
    p.drawRect(QRectF(2, 163, 213, 22));

    // The big word, its phonetic line, and the speak and meaning buttons beside them.
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(330, 62, 290, 56), 14, 14);
    p.setBrush(QColor(110, 110, 120));
    p.drawRoundedRect(QRectF(322, 184, 190, 16), 8, 8);
    p.setBrush(blue.mid);
    p.drawRoundedRect(QRectF(270, 178, 38, 28), 6, 6);
    p.drawRoundedRect(QRectF(270, 242, 38, 28), 6, 6);

    box(p, QRectF(312, 248, 406, 169), fill);
    bars(p, QRectF(330, 268, 360, 130), 5, 28, 11, QColor(120, 120, 132));
    box(p, QRectF(320, 437, 393, 30), fill);

    const QColor buttons[] = {blue.mid, blue.mid, orange.mid, orange.mid, steel.mid, blue.mid, ink, green.mid, red.mid};
    const int lefts[] = {248, 304, 352, 400, 456, 512, 568, 624, 680};
    for (int i = 0; i < 9; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(buttons[i]);
        p.drawEllipse(QRectF(lefts[i] + 2, 490, 30, 30));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(lefts[i] + 4, 526, 26, 6));
    }
    for (const int left : {640, 666, 696}) {
        p.setBrush(blue.mid);
        p.drawRoundedRect(QRectF(left, 4, 21, 21), 4, 4);
    }
}

// Deepens a pale skin away from white so its mood survives being squeezed into a small button.
QImage deepened(const QImage& skin, qreal factor)
{
    QImage out = skin.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            auto deepen = [factor](int c) { return std::clamp(qRound(255 - (255 - c) * factor), 0, 255); };
            line[x] = qRgb(deepen(qRed(line[x])), deepen(qGreen(line[x])), deepen(qBlue(line[x])));
        }
    }
    return out;
}

} // namespace

QImage skinThumbnail(const QImage* skin)
{
    const QSize pixels(160, 120);
    const QImage backdrop = skin ? deepened(*skin, 2.2) : QImage();
    return renderOpaque(pixels, 4, Qt::white, [&backdrop](QPainter& p) {
        p.scale(kScale, kScale);
        const bool plain = backdrop.isNull();
        if (!plain)
            p.drawImage(QRectF(0, 0, 720, 540), backdrop);
        sketchWindow(p, plain ? white : QColor(255, 255, 255, 190));
        if (plain) {
            // The plain window is white on a white panel: its outer edge shows where it ends.
            p.setPen(QPen(QColor(150, 160, 176), 6.0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(3, 3, 714, 534));
        }
    });
}

} // namespace art
