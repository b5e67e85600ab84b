#include "ui/help/Logo.h"

#include "ui/common/Art.h"
#include "ui/common/Fonts.h"
#include "ui/common/ScreenPlacement.h"

#include <QLabel>
#include <QPainter>

namespace {

QLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& text, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(Fonts::font(Fonts::SimSun, 15.75));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

Logo::Logo(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_background(Art::picture(QStringLiteral("JPG"), QStringLiteral("LOGO")))
{
    setObjectName(QStringLiteral("Logo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(324, 192);
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 192));
    setPalette(blue);
    setAutoFillBackground(true);
    setUpControls();
    centreOnScreen(*this);
}

void Logo::setUpControls()
{
    m_Image1 = new QLabel(this);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setGeometry(24, 24, 48, 48);
    m_Image1->setScaledContents(true);
    m_Label1 = label(this, "Label1", {72, 96, 137, 33}, QStringLiteral("Now Loading "),
                     palette().color(QPalette::Active, QPalette::HighlightedText));
    m_Label2 = label(this, "Label2", {216, 96, 65, 25}, QStringLiteral("Label2"), Qt::white);
}

void Logo::setProgressText(const QString& text)
{
    m_Label2->setText(text);
    m_Label2->repaint();
}

void Logo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    m_Image1->setPixmap(Art::icon(QStringLiteral("CHANGE1")));
    Q_EMIT loaded();
}

void Logo::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}
