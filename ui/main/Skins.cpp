#include "ui/main/Skins.h"

#include "drill/DrillSettings.h"
#include "settings/SettingsStore.h"

namespace Skins {

namespace {

const QString kTavik = QStringLiteral("TAVIK");
const QString kSkin = QStringLiteral("SKIN");
const QString kLeft = QStringLiteral("Left");

} // namespace

QString resourceFor(const QString& stored)
{
    const int skin = toNumber(stored, 0);
    if (skin == 0)
        return QString();
    const QString digits = QString::number(skin);
    return QStringLiteral("SKIN") + digits.back();
}

QString storedSkin(const SettingsStore& settings)
{
    return settings.GetSetting(kTavik, kSkin, kLeft, QStringLiteral("0"));
}

bool storeSkin(SettingsStore& settings, int skin)
{
    return settings.SaveSetting(kTavik, kSkin, kLeft, QString::number(skin));
}

} // namespace Skins
