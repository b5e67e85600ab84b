#pragma once

#include <QSettings>
#include <QString>

#include <memory>

// The per-user settings store: text values addressed by (application, section, key), all three
// compared without regard to case. An application name may be a path with "\" or "/" in it (the
// note file's position is kept under its path) and still names one application.
class SettingsStore {
public:
    // The user's own store: the registry on Windows, ~/.config/tavik/tavik.conf elsewhere.
    SettingsStore();
    // A store kept in the given INI file (tests).
    explicit SettingsStore(const QString& iniPath);
    ~SettingsStore();
    Q_DISABLE_COPY_MOVE(SettingsStore)

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Stores the value at once; false when the store could not be written.
    bool SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
