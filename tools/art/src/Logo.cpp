#include "Logo.h"

#include "Glyphs.h"
#include "Render.h"
#include "Style.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRadialGradient>
#include <QTextStream>

namespace art {

namespace {

const QColor kSplashBlue(0, 0, 192);
const Hue kMoonlight{QColor(255, 255, 255), QColor(238, 244, 255), QColor(184, 208, 250)};

void paintSky(QPainter& p)
{
    QRadialGradient glow(QPointF(300, -10), 280);
    glow.setColorAt(0.0, QColor(60, 100, 255, 120));
    glow.setColorAt(1.0, QColor(60, 100, 255, 0));
    p.fillRect(QRectF(0, 0, 328, 193), glow);
    QRadialGradient dusk(QPointF(0, 193), 220);
    dusk.setColorAt(0.0, QColor(0, 0, 110, 110));
    dusk.setColorAt(1.0, QColor(0, 0, 110, 0));
    p.fillRect(QRectF(0, 0, 328, 193), dusk);

    // Rings spreading from the lower right corner, like a spoken word.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const qreal r = 70 + i * 26;
        p.setPen(QPen(QColor(255, 255, 255, 22 - i * 2), 1.6));
        p.drawEllipse(QPointF(338, 203), r, r);
    }
}

// The word mark from drawn strokes between cap line y 20 and base line y 64: strokes run past both lines and
// are cut flat there, so pointed joins neither poke out nor sink; the A tucks under the T's bar.
const QRectF kMarkBand(0, 20, 328, 44);

QPainterPath wordMark()
{
    QPainterPath mark;
    mark.addPath(glyph::capitalT(QRectF(96, 24, 34, 44)));
    mark.addPath(glyph::capitalA(QRectF(128, 16, 40, 52)));
    mark.addPath(glyph::capitalV(QRectF(171, 16, 38, 54)));
    mark.addPath(glyph::capitalI(QRectF(214, 16, 12, 52)));
    mark.addPath(glyph::capitalK(QRectF(238, 16, 31, 52)));
    return mark;
}

void paintWordMark(QPainter& p)
{
    const QPainterPath mark = wordMark();
    p.save();
    p.translate(1.5, 2.5);
    p.setClipRect(kMarkBand);
    p.setPen(QPen(QColor(0, 0, 80, 150), 9.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.restore();
    p.save();
    p.setClipRect(kMarkBand);
    drawStrokedSolid(p, mark, 8.0, kMoonlight, 0);
    p.restore();

    // A red dot after the mark, the colour the drill gives its word.
    QPainterPath dot;
    dot.addEllipse(QPointF(283, 59.5), 4.4, 4.4);
    drawBody(p, dot, palette::red, 0);
}

QFont taglineFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    if (!QFontDatabase::families().contains(font.family()))
        QTextStream(stderr) << "tavik-art: DejaVu Sans is missing; the splash tag line uses a substitute\n";
    font.setPixelSize(11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintLogo(QPainter& p)
{
    paintSky(p);
    paintWordMark(p);
    p.setFont(taglineFont());
    p.setPen(QColor(176, 200, 255));
    p.drawText(QPointF(97, 84), QStringLiteral("English vocabulary drill"));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.drawLine(QPointF(24, 146.5), QPointF(304, 146.5));
}

} // namespace

std::vector<Asset> logo()
{
    return {{QStringLiteral("jpg"), QStringLiteral("JPG"), QStringLiteral("LOGO"),
             renderOpaque(QSize(328, 193), 4, kSplashBlue, paintLogo), true}};
}

} // namespace art
