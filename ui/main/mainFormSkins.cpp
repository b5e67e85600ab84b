// The main window's skins: a background picture chosen from three thumbnails in the settings panel.
#include "ui/main/mainForm.h"

#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/main/Skins.h"

#include <QPainter>

namespace {

QPixmap skinPicture(const QString& name)
{
    return name.isEmpty() ? QPixmap() : Art::picture(QStringLiteral("JPG"), name);
}

} // namespace

void mainForm::setUpSkin()
{
    m_ui.Image9->setPixmap(skinPicture(QStringLiteral("SKIN2L")));
    m_ui.Image10->setPixmap(skinPicture(QStringLiteral("SKIN3L")));
    m_ui.Image11->setPixmap(skinPicture(QStringLiteral("SKIN4L")));
    const QString picture = Skins::resourceFor(Skins::storedSkin(m_context.settings));
    if (picture.isEmpty())
        Skins::storeSkin(m_context.settings, 0);
    // A stored number without a picture of its own leaves the plain window.
    setBackground(skinPicture(picture));
}

void mainForm::chooseSkin(int skin)
{
    setBackground(skinPicture(skin == 0 ? QString() : QStringLiteral("SKIN%1").arg(skin)));
    Skins::storeSkin(m_context.settings, skin);
    HideSettingsPanel();
}

void mainForm::setBackground(const QPixmap& picture)
{
    m_background = picture;
    update();
}

void mainForm::paintEvent(QPaintEvent*)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}
