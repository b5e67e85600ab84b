#include "Render.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace art {

namespace {

// Three box passes approximate a Gaussian; a plain array keeps the blur independent of any image format.
void boxBlur(std::vector<float>& values, int width, int height, int radius)
{
    if (radius < 1)
        return;
    std::vector<float> scratch(values.size());
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? height : width;
        const int length = horizontal ? width : height;
        for (int line = 0; line < lines; ++line) {
            auto at = [&](int i) -> float& { return horizontal ? values[line * width + i] : values[i * width + line]; };
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += (i >= 0 && i < length) ? at(i) : 0.0f;
            for (int i = 0; i < length; ++i) {
                const int index = horizontal ? line * width + i : i * width + line;
                scratch[index] = sum / float(2 * radius + 1);
                const int out = i - radius;
                const int in = i + radius + 1;
                sum += (in < length ? at(in) : 0.0f) - (out >= 0 ? at(out) : 0.0f);
            }
        }
        values.swap(scratch);
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
}

QImage shadowOf(const QImage& layer, QPoint offset, int radius, const QColor& colour)
{
    const int w = layer.width();
    const int h = layer.height();
    std::vector<float> alpha(size_t(w) * size_t(h), 0.0f);
    for (int y = 0; y < h; ++y) {
        const int sy = y - offset.y();
        if (sy < 0 || sy >= h)
            continue;
        const auto* source = reinterpret_cast<const QRgb*>(layer.constScanLine(sy));
        for (int x = 0; x < w; ++x) {
            const int sx = x - offset.x();
            if (sx >= 0 && sx < w)
                alpha[size_t(y) * w + x] = float(qAlpha(source[sx]));
        }
    }
    boxBlur(alpha, w, h, radius);
    QImage shadow(layer.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = std::clamp(int(alpha[size_t(y) * w + x] * colour.alphaF() + 0.5f), 0, 255);
            line[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), a));
        }
    }
    return shadow;
}

QImage reduce(const QImage& big, QSize pixels)
{
    return big.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Supersampling factor that keeps the working canvas near 256 pixels or larger.
int superFactor(QSize pixels)
{
    const int longest = std::max(pixels.width(), pixels.height());
    return std::max(2, (256 + longest - 1) / longest);
}

} // namespace

QImage renderIcon(const IconFrame& frame, const PaintFn& paint)
{
    const int factor = superFactor(frame.pixels);
    const QSize big = frame.pixels * factor;
    QImage layer(big, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(big.width() / frame.units.width(), big.height() / frame.units.height());
        paint(p);
    }
    if (!frame.shadow)
        return reduce(layer, frame.pixels).convertToFormat(QImage::Format_ARGB32);

    // Shadow measured in output pixels so small and large icons cast the same soft edge.
    const QPoint offset(qRound(0.5 * factor), qRound(0.9 * factor));
    QImage composed = shadowOf(layer, offset, qRound(0.45 * factor), QColor(20, 30, 60, 80));
    {
        QPainter p(&composed);
        p.drawImage(0, 0, layer);
    }
    return reduce(composed, frame.pixels).convertToFormat(QImage::Format_ARGB32);
}

QImage renderOpaque(QSize pixels, int factor, const QColor& background, const PaintFn& paint)
{
    QImage big(pixels * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(background);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(factor, factor);
        paint(p);
    }
    return reduce(big, pixels).convertToFormat(QImage::Format_RGB32);
}

} // namespace art
