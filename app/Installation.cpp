#include "app/Installation.h"

#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "ui/common/MessageBox.h"

#include <QOperatingSystemVersion>
#include <QTextToSpeech>

namespace Installation {

Platform currentPlatform()
{
    return QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows ? Platform::Windows
                                                                                      : Platform::Other;
}

QString speechHint(Platform platform)
{
    const QString missing = QStringLiteral("没有找到语音引擎，单词不会朗读。");
    const QString again = QStringLiteral("安装后请重新运行TAVIK");
    if (platform == Platform::Windows)
        return QStringList{missing,
                           QStringLiteral("如需语音，请在 Windows 设置的“时间和语言 > 语音”中添加英语语音"
                                          "（Microsoft Speech API 语音引擎）"),
                           again}
            .join(QStringLiteral("\r\n"));
    return QStringList{missing,
                       QStringLiteral("如需语音，请安装 speech-dispatcher、speech-dispatcher-espeak-ng 和 "
                                      "qt6-speech-speechd-plugin："),
                       QStringLiteral("sudo apt install speech-dispatcher speech-dispatcher-espeak-ng "
                                      "qt6-speech-speechd-plugin"),
                       again}
        .join(QStringLiteral("\r\n"));
}

bool needsSpeechHint(const QStringList& speechEngines, const SettingsStore& settings)
{
    return speechEngines.isEmpty() && settings.GetSetting(SettingNames::Tavik, SettingNames::SpeechHint,
                                                          SettingNames::Left, QString()) != QStringLiteral("1");
}

void InstallSupport(SettingsStore& settings, const QStringList& speechEngines, Platform platform, QWidget* parent)
{
    if (!needsSpeechHint(speechEngines, settings))
        return;
    MessageBox::information(parent, speechHint(platform));
    settings.SaveSetting(SettingNames::Tavik, SettingNames::SpeechHint, SettingNames::Left, QStringLiteral("1"));
}

void InstallSupport(SettingsStore& settings, QWidget* parent)
{
    InstallSupport(settings, QTextToSpeech::availableEngines(), currentPlatform(), parent);
}

} // namespace Installation
