#include "ui/main/Skins.h"

#include "drill/DrillSettings.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"

namespace Skins {

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
    return settings.GetSetting(SettingNames::Tavik, SettingNames::Skin, SettingNames::Left, QStringLiteral("0"));
}

bool storeSkin(SettingsStore& settings, int skin)
{
    return settings.SaveSetting(SettingNames::Tavik, SettingNames::Skin, SettingNames::Left, QString::number(skin));
}

} // namespace Skins
