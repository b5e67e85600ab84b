#include "ui/common/ImageButton.h"

#include <QMouseEvent>

ImageButton::ImageButton(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void ImageButton::setBorderStyle(int style)
{
    setFrameStyle(style == 0 ? QFrame::NoFrame : (QFrame::Box | QFrame::Plain));
    setLineWidth(1);
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    if (m_pressedLook)
        setBorderStyle(1);
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressedLook)
        setBorderStyle(0);
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
