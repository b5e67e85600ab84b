#include "Skins.h"

#include "SkinThumbnail.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cstdint>

namespace art {

namespace {

const QSize kSkin(720, 540);

// A fixed-seed generator of our own, so the texture is the same on every machine and library version.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : m_state(seed)
    {
    }
    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    qreal uniform(qreal low, qreal high) { return low + (high - low) * (next() % 100000) / 100000.0; }

private:
    std::uint32_t m_state;
};

// Grain of a few levels either way, shared by all three channels so it reads as paper rather than colour noise.
void addGrain(QImage& image, int amplitude, std::uint32_t seed)
{
    Noise noise(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(noise.next() % (2 * amplitude + 1)) - amplitude;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                           std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

// A band between a wavy top edge and the picture's bottom.
QPainterPath waveBand(qreal base, qreal amplitude, qreal wavelength, qreal phase, qreal ripple)
{
    QPainterPath band;
    band.moveTo(0, kSkin.height());
    for (int x = 0; x <= kSkin.width(); x += 4) {
        const qreal t = x / wavelength * 2 * M_PI + phase;
        band.lineTo(x, base + amplitude * qSin(t) + ripple * qSin(t * 2.7 + 1.3));
    }
    band.lineTo(kSkin.width(), kSkin.height());
    band.closeSubpath();
    return band;
}

void paintSunrise(QPainter& p)
{
    const QPointF sun(560, 640);
    QRadialGradient glow(sun, 560);
    glow.setColorAt(0.0, QColor(255, 206, 150, 120));
    glow.setColorAt(0.4, QColor(255, 222, 178, 60));
    glow.setColorAt(1.0, QColor(255, 236, 210, 0));
    p.fillRect(QRect(QPoint(0, 0), kSkin), glow);

    // Broad rays, barely brighter than the paper, fan out from the sun below the edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 11; ++i) {
        const qreal a = qDegreesToRadians(196.0 + i * 14.5);
        const qreal b = qDegreesToRadians(196.0 + i * 14.5 + 5.0);
        QPolygonF ray;
        ray << sun << sun + QPointF(qCos(a), qSin(a)) * 900 << sun + QPointF(qCos(b), qSin(b)) * 900;
        QRadialGradient fade(sun, 700);
        fade.setColorAt(0.0, QColor(255, 255, 255, 60));
        fade.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(fade);
        p.drawPolygon(ray);
    }
    p.setBrush(QColor(255, 196, 140, 70));
    p.drawEllipse(sun, 118, 118);
}

void drawBlossom(QPainter& p, QPointF centre, qreal size, qreal turn)
{
    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setPen(QPen(QColor(214, 150, 140, 110), 0.8));
    p.setBrush(QColor(250, 206, 196, 120));
    for (int petal = 0; petal < 5; ++petal) {
        p.drawEllipse(QPointF(0, -size * 0.55), size * 0.42, size * 0.52);
        p.rotate(72);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 150, 80, 140));
    p.drawEllipse(QPointF(0, 0), size * 0.2, size * 0.2);
    p.restore();
}

void paintSkin2(QPainter& p)
{
    QLinearGradient paper(0, 0, 0, kSkin.height());
    paper.setColorAt(0.0, QColor(255, 249, 238));
    paper.setColorAt(0.6, QColor(255, 244, 228));
    paper.setColorAt(1.0, QColor(251, 233, 212));
    p.fillRect(QRect(QPoint(0, 0), kSkin), paper);
    paintSunrise(p);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 196, 164, 56));
    p.drawPath(waveBand(486, 16, 520, 0.7, 5));
    p.setBrush(QColor(222, 178, 144, 52));
    p.drawPath(waveBand(508, 11, 340, 2.4, 3));

    // Paper fibres: short, faint, warm curls.
    Noise noise(2003);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 420; ++i) {
        const QPointF start(noise.uniform(0, kSkin.width()), noise.uniform(0, kSkin.height()));
        const QPointF end = start + QPointF(noise.uniform(-22, 22), noise.uniform(-10, 10));
        const QPointF bend = (start + end) / 2 + QPointF(noise.uniform(-6, 6), noise.uniform(-6, 6));
        QPainterPath fibre(start);
        fibre.quadTo(bend, end);
        p.setPen(QPen(QColor(176, 136, 96, 18), noise.uniform(0.5, 1.1)));
        p.drawPath(fibre);
    }

    // Plum blossoms drift down the free margin between the word list and the word.
    for (const qreal top : {52.0, 300.0}) {
        for (int i = 0; i < 5; ++i) {
            const QPointF at(242 + 12 * qSin(i * 2.1) + noise.uniform(-3, 3), top + i * 24 + noise.uniform(0, 6));
            drawBlossom(p, at, 6.2 - i * 0.7, noise.uniform(0, 72));
        }
    }

    // Three distant birds in the free strip above the word.
    p.setPen(QPen(QColor(150, 112, 84, 110), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF at : {QPointF(402, 14), QPointF(428, 22), QPointF(446, 11)}) {
        QPainterPath bird(at + QPointF(-6, -1));
        bird.quadTo(at + QPointF(-3, -4), at);
        bird.quadTo(at + QPointF(3, -4), at + QPointF(6, -1));
        p.drawPath(bird);
    }
}

void paintSkin3(QPainter& p)
{
    QLinearGradient water(0, 0, kSkin.width(), kSkin.height());
    water.setColorAt(0.0, QColor(238, 249, 246));
    water.setColorAt(0.5, QColor(232, 245, 247));
    water.setColorAt(1.0, QColor(226, 238, 250));
    p.fillRect(QRect(QPoint(0, 0), kSkin), water);

    // Soft shafts of light falling from the upper left.
    p.setPen(Qt::NoPen);
    for (const qreal x : {260.0, 420.0, 610.0}) {
        QLinearGradient shaft(0, 0, 0, kSkin.height());
        shaft.setColorAt(0.0, QColor(255, 255, 255, 90));
        shaft.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(shaft);
        p.drawPolygon(QPolygonF{QPointF(x, 0), QPointF(x + 60, 0), QPointF(x + 200, kSkin.height()),
                                QPointF(x + 90, kSkin.height())});
    }

    p.setBrush(QColor(176, 220, 218, 60));
    p.drawPath(waveBand(470, 9, 240, 0.3, 3));
    p.setBrush(QColor(156, 206, 220, 56));
    p.drawPath(waveBand(494, 8, 190, 2.1, 2));
    p.setBrush(QColor(140, 194, 214, 50));
    p.drawPath(waveBand(516, 6, 150, 4.0, 2));

    // Bubbles rise in the free margin between the word list and the word, shrinking as they go up.
    Noise noise(1115);
    p.setPen(QPen(QColor(112, 178, 198, 100), 1.0));
    p.setBrush(QColor(255, 255, 255, 80));
    for (const qreal bottom : {425.0, 168.0}) {
        for (int i = 0; i < 9; ++i) {
            const QPointF at(244 + 9 * qSin(i * 1.7) + noise.uniform(-3, 3), bottom - i * 14 - noise.uniform(0, 5));
            const qreal r = 5.8 - i * 0.45 + noise.uniform(-0.6, 0.6);
            p.drawEllipse(at, r, r);
        }
    }
}

QImage background(void (*paint)(QPainter&), int grain, std::uint32_t seed)
{
    QImage image(kSkin, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    addGrain(image, grain, seed);
    return image;
}

} // namespace

std::vector<Asset> skins()
{
    const QImage skin2 = background(paintSkin2, 3, 7);
    const QImage skin3 = background(paintSkin3, 2, 11);
    auto jpg = [](const char* name, const QImage& image) {
        return Asset{QStringLiteral("jpg"), QStringLiteral("JPG"), QString::fromLatin1(name), image, true};
    };
    return {jpg("SKIN2", skin2), jpg("SKIN3", skin3), jpg("SKIN2L", skinThumbnail(&skin2)),
            jpg("SKIN3L", skinThumbnail(&skin3)), jpg("SKIN4L", skinThumbnail(nullptr))};
}

} // namespace art
