#include "ContactSheet.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace art {

namespace {

constexpr int kZoom = 4;
constexpr int kGap = 8;

const QImage* find(const std::vector<Asset>& assets, const QString& name)
{
    const auto it = std::find_if(assets.begin(), assets.end(), [&](const Asset& a) { return a.name == name; });
    return it == assets.end() ? nullptr : &it->image;
}

// Patches are cut from the right part of each skin, where the buttons and captions stand.
QImage patch(const QImage* skin, QSize size, int row)
{
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(Qt::white);
    if (skin) {
        QPainter p(&tile);
        p.drawImage(QPoint(0, 0), *skin, QRect(QPoint(300 + (row * 37) % 280, skin->height() - size.height()), size));
    }
    return tile;
}

} // namespace

QImage contactSheet(const std::vector<Asset>& assets, const QStringList& names)
{
    const std::array<const QImage*, 3> backs{nullptr, find(assets, QStringLiteral("SKIN2")),
                                             find(assets, QStringLiteral("SKIN3"))};
    const int cell = 32 * kZoom + kGap;
    const int width = 3 * (40 + kGap) + 3 * (cell + kGap) + 140;
    QImage sheet(width, int(names.size()) * (cell + kGap) + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(120, 120, 120));
    QPainter p(&sheet);
    int y = kGap;
    for (int row = 0; row < names.size(); ++row, y += cell + kGap) {
        const QImage* image = find(assets, names[row]);
        p.setPen(Qt::white);
        p.drawText(QRect(kGap, y, 130, cell), Qt::AlignVCenter, names[row]);
        if (!image)
            continue;
        int x = 140;
        for (const QImage* back : backs) {
            const QSize box = image->size() + QSize(8, 8);
            p.drawImage(x, y, patch(back, box, row));
            p.drawImage(x + 4, y + 4, *image);
            x += std::max(40, box.width()) + kGap;
        }
        const QImage big = image->scaled(image->size() * kZoom);
        for (const QImage* back : backs) {
            const QSize box = big.size() + QSize(8, 8);
            p.drawImage(x, y, patch(back, box, row));
            p.drawImage(x + 4, y + 4, big);
            x += box.width() + kGap;
        }
    }
    return sheet;
}

} // namespace art
