#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;
class QWidget;

// What the start routine does, before its greeting, so the file dialog, the phonetic display and
// speech work. The program carries no installers: the file dialog comes with the toolkit, the
// phonetic field is shown in IPA when the phonetic font is missing, and only a missing speech
// engine needs the user, who is told once which engine to install.
namespace Installation {

enum class Platform { Windows, Other };

Platform currentPlatform();

// Where speech comes from on the platform, for the user to install.
QString speechHint(Platform platform);

// True when the user is still to be told that speech needs installing.
bool needsSpeechHint(const QStringList& speechEngines, const SettingsStore& settings);

// Tells the user, once for all, how to get speech when none of the engines is present.
void InstallSupport(SettingsStore& settings, const QStringList& speechEngines, Platform platform = currentPlatform(),
                    QWidget* parent = nullptr);

// The same with the speech engines this machine offers.
void InstallSupport(SettingsStore& settings, QWidget* parent = nullptr);

} // namespace Installation
