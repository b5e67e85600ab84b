#include "ui/common/Art.h"

namespace Art {

QPixmap picture(const QString& type, const QString& name)
{
    return QPixmap(QStringLiteral(":/%1/%2").arg(type, name));
}

QPixmap icon(const QString& name)
{
    return picture(QStringLiteral("ICON"), name);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/ICON/APP%1").arg(size), QSize(size, size));
    return icon;
}

QCursor handCursor()
{
    const QPixmap hand = picture(QStringLiteral("CURSOR"), QStringLiteral("MOUSEICON1"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 11, 1); // the tip of the index finger
}

QCursor iconCursor(const QString& name)
{
    const QPixmap pixmap = icon(name);
    if (pixmap.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
}

} // namespace Art
