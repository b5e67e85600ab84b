#include "drill/DrillSettings.h"

#include "settings/SettingsStore.h"

#include <algorithm>

namespace {

const QString kTavik = QStringLiteral("TAVIK");
const QString kTimeInterval = QStringLiteral("Timeinterval");
const QString kStartup = QStringLiteral("Startup");
const QString kLeft = QStringLiteral("Left");

} // namespace

int toNumber(const QString& text, int defaultValue)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : defaultValue;
}

int LoadPosition(SettingsStore& settings, const QString& libraryKey)
{
    const int position = toNumber(settings.GetSetting(libraryKey, kStartup, kLeft, QStringLiteral("0")), 0);
    if (position > 0)
        return position;
    SavePosition(settings, libraryKey, 1);
    return 1;
}

bool SavePosition(SettingsStore& settings, const QString& libraryKey, int position)
{
    return settings.SaveSetting(libraryKey, kStartup, kLeft, QString::number(position));
}

int LoadInterval(const SettingsStore& settings)
{
    const QString text = settings.GetSetting(kTavik, kTimeInterval, kLeft, QString::number(DefaultInterval));
    return std::clamp(toNumber(text, DefaultInterval), MinInterval, MaxInterval);
}

bool SaveInterval(SettingsStore& settings, int seconds)
{
    return settings.SaveSetting(kTavik, kTimeInterval, kLeft, QString::number(seconds));
}
