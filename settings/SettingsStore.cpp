#include "settings/SettingsStore.h"

namespace {

// QSettings would read "/" and "\" as nested levels and compares case-sensitively in INI files:
// fold the case and escape the separators so each name stays one level.
QString level(const QString& name)
{
    QString folded = name.toCaseFolded();
    folded.replace(u'%', QStringLiteral("%25"));
    folded.replace(u'/', QStringLiteral("%2F"));
    folded.replace(u'\\', QStringLiteral("%5C"));
    return folded;
}

QString settingsKey(const QString& application, const QString& section, const QString& key)
{
    return level(application) + u'/' + level(section) + u'/' + level(key);
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("tavik"),
                                             QStringLiteral("tavik")))
{
}

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    return m_settings->value(settingsKey(application, section, key), defaultValue).toString();
}

bool SettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                const QString& value)
{
    m_settings->setValue(settingsKey(application, section, key), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}
