#include "app/Installation.h"
#include "settings/SettingsStore.h"
#include "ui/common/MessageBox.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// At start-up the user is told once how to get speech when the machine has no speech engine.
class TestInstallation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void noEngineIsToldOnce();
    void anEngineNeedsNoHint();
    void hintNamesWhatToInstall();

private:
    QString hintSetting() const;

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    QList<QPair<QString, QString>> m_messages;
};

void TestInstallation::init()
{
    QFile::remove(m_dir.filePath(u"settings.ini"_qs));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_messages.clear();
    MessageBox::setHook([this](const QString& title, const QString& text) { m_messages.append({title, text}); });
}

void TestInstallation::cleanup()
{
    MessageBox::setHook(nullptr);
}

QString TestInstallation::hintSetting() const
{
    return m_settings->GetSetting(u"TAVIK"_qs, u"SpeechHint"_qs, u"Left"_qs, u"absent"_qs);
}

void TestInstallation::noEngineIsToldOnce()
{
    QVERIFY(Installation::needsSpeechHint({}, *m_settings));
    Installation::InstallSupport(*m_settings, {}, Installation::Platform::Other);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().first, u"tavik"_qs);
    QCOMPARE(m_messages.first().second, Installation::speechHint(Installation::Platform::Other));
    QCOMPARE(hintSetting(), u"1"_qs);

    QVERIFY(!Installation::needsSpeechHint({}, *m_settings));
    Installation::InstallSupport(*m_settings, {}, Installation::Platform::Other);
    QCOMPARE(m_messages.size(), 1);

    SettingsStore reopened(m_settings->fileName());
    QVERIFY(!Installation::needsSpeechHint({}, reopened));
}

void TestInstallation::anEngineNeedsNoHint()
{
    Installation::InstallSupport(*m_settings, {u"speechd"_qs}, Installation::Platform::Other);
    Installation::InstallSupport(*m_settings, {u"sapi"_qs}, Installation::Platform::Windows);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(hintSetting(), u"absent"_qs);
}

void TestInstallation::hintNamesWhatToInstall()
{
    const QString debian = Installation::speechHint(Installation::Platform::Other);
    for (const QString& package :
         {u"speech-dispatcher"_qs, u"speech-dispatcher-espeak-ng"_qs, u"qt6-speech-speechd-plugin"_qs})
        QVERIFY2(debian.contains(package), qPrintable(package));

    Installation::InstallSupport(*m_settings, {}, Installation::Platform::Windows);
    QCOMPARE(m_messages.size(), 1);
    const QString windows = m_messages.first().second;
    QCOMPARE(windows, Installation::speechHint(Installation::Platform::Windows));
    QVERIFY(windows.contains(u"Microsoft Speech API"_qs));
    QVERIFY(!windows.contains(u"apt"_qs));
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
