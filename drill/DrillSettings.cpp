#include "drill/DrillSettings.h"

#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"

#include <algorithm>

using namespace SettingNames;

int toNumber(const QString& text, int defaultValue)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : defaultValue;
}

int LoadPosition(SettingsStore& settings, const QString& libraryKey)
{
    const int position = toNumber(settings.GetSetting(libraryKey, Startup, Left, QStringLiteral("0")), 0);
    if (position > 0)
        return position;
    SavePosition(settings, libraryKey, 1);
    return 1;
}

bool SavePosition(SettingsStore& settings, const QString& libraryKey, int position)
{
    return settings.SaveSetting(libraryKey, Startup, Left, QString::number(position));
}

int LoadInterval(const SettingsStore& settings)
{
    const QString text = settings.GetSetting(Tavik, TimeInterval, Left, QString::number(DefaultInterval));
    return std::clamp(toNumber(text, DefaultInterval), MinInterval, MaxInterval);
}

bool SaveInterval(SettingsStore& settings, int seconds)
{
    return settings.SaveSetting(Tavik, TimeInterval, Left, QString::number(seconds));
}
