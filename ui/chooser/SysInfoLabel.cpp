#include "ui/chooser/SysInfoLabel.h"

#include <QPainter>

void SysInfoLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), QString(text()).remove(u'\r'));
}
