#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/common/Context.h"
#include "ui/common/MessageBox.h"
#include "ui/main/mainForm.h"
#include "ui/tray/systemtray.h"

#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The tray icon of the main window: its tip, the way back on a left click, the menu on a right
// click and whether there is a notification area at all.
class TestTray : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tipIsCutToItsField_data();
    void tipIsCutToItsField();
    void iconCarriesPictureAndTip();
    void leftClickRestoresTheLoadedState_data();
    void leftClickRestoresTheLoadedState();
    void leftClickShowsAHiddenWindowAsItIs();
    void rightClickPopsUpTheMenu();
    void otherClicksDoNothing();
    void windowGoneLeavesTheIconHarmless();
    void availabilityCanBeDecidedByTests();

private:
    mainForm* open(Qt::WindowState loadedState);
    void minimiseToTray();

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<mainForm> m_form;
    std::unique_ptr<systemtray> m_tray;
    QList<QPair<QMenu*, QPoint>> m_popups;
};

void TestTray::init()
{
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_context = std::make_unique<Context>(Context{m_share, *m_settings, m_voice, m_dir.path() + u'/'});
    m_tray = std::make_unique<systemtray>();
    m_popups.clear();
    MessageBox::setHook([](const QString&, const QString&) {});
    systemtray::setPopupHook([this](QMenu* menu, QPoint position) { m_popups.append({menu, position}); });
}

void TestTray::cleanup()
{
    m_tray.reset();
    delete m_form;
    systemtray::setPopupHook(nullptr);
    systemtray::setAvailabilityOverride(std::nullopt);
    MessageBox::setHook(nullptr);
}

mainForm* TestTray::open(Qt::WindowState loadedState)
{
    m_share.LibraryKey = u"TEST"_qs;
    m_share.SourceKind = Share::PackagedSource;
    m_share.WordFile = m_dir.filePath(u"TEST"_qs);
    writeGbkList(m_share.WordFile, {u"abandon/E5bAndEn/vt.放弃"_qs, u"able/5eIbl/adj.能"_qs});
    m_form = new mainForm(*m_context);
    m_form->setWindowState(loadedState);
    m_form->load();
    m_tray->AddTrayIcon(m_form, m_form->ui().Sys);
    return m_form;
}

// What the main window does when it goes to the tray: minimised, then hidden.
void TestTray::minimiseToTray()
{
    m_form->setWindowState(Qt::WindowMinimized);
    m_form->hide();
}

void TestTray::tipIsCutToItsField_data()
{
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("shown");
    const QString sixtyThree = QString(60, u'a') + u"xyz"_qs;
    QTest::newRow("program's tip") << u"TAVIK 0.003 Thank you!"_qs << u"TAVIK 0.003 Thank you!"_qs;
    QTest::newRow("63 characters") << sixtyThree << sixtyThree;
    QTest::newRow("64 characters") << sixtyThree + u'!' << sixtyThree;
    QTest::newRow("100 characters") << QString(100, u'b') << QString(63, u'b');
    QTest::newRow("Chinese") << QString(70, u'词') << QString(63, u'词');
    QTest::newRow("ends at a NUL") << u"TAVIK\0hidden"_qs << u"TAVIK"_qs;
    const QString clef = u"\U0001D11E"_qs;
    QTest::newRow("pair at the cut") << QString(62, u'c') + clef << QString(62, u'c');
    QTest::newRow("empty") << QString() << QString();
}

void TestTray::tipIsCutToItsField()
{
    QFETCH(QString, tip);
    QFETCH(QString, shown);
    QCOMPARE(systemtray::cutTip(tip), shown);
    open(Qt::WindowNoState);
    m_tray->SetTrayTip(tip);
    QCOMPARE(m_tray->icon()->toolTip(), shown);
}

void TestTray::iconCarriesPictureAndTip()
{
    QCOMPARE(m_tray->icon(), nullptr);
    m_tray->SetTrayTip(systemtray::defaultTip());
    open(Qt::WindowNoState);
    QVERIFY(m_tray->icon());
    QVERIFY(!m_tray->icon()->icon().pixmap(16, 16).isNull());
    m_tray->SetTrayTip(systemtray::defaultTip());
    QCOMPARE(m_tray->icon()->toolTip(), u"TAVIK 0.003 Thank you!"_qs);
    m_tray->RemoveTrayIcon();
    QCOMPARE(m_tray->icon(), nullptr);
}

void TestTray::leftClickRestoresTheLoadedState_data()
{
    QTest::addColumn<Qt::WindowState>("loaded");
    QTest::addColumn<Qt::WindowState>("restored");
    QTest::newRow("loaded normal") << Qt::WindowNoState << Qt::WindowNoState;
    QTest::newRow("loaded maximised") << Qt::WindowMaximized << Qt::WindowMaximized;
    QTest::newRow("loaded minimised") << Qt::WindowMinimized << Qt::WindowNoState;
}

void TestTray::leftClickRestoresTheLoadedState()
{
    QFETCH(Qt::WindowState, loaded);
    QFETCH(Qt::WindowState, restored);
    open(loaded);
    minimiseToTray();
    QVERIFY(!m_form->isVisible());
    Q_EMIT m_tray->icon()->activated(QSystemTrayIcon::Trigger);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowState(), Qt::WindowStates(restored));
    QVERIFY(m_popups.isEmpty());
}

void TestTray::leftClickShowsAHiddenWindowAsItIs()
{
    open(Qt::WindowMaximized);
    QCOMPARE(m_form->LastState, 2);
    m_form->setWindowState(Qt::WindowNoState);
    m_form->hide();
    m_tray->TrayIcon_Activated(QSystemTrayIcon::Trigger);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowState(), Qt::WindowStates(Qt::WindowNoState));
}

void TestTray::rightClickPopsUpTheMenu()
{
    open(Qt::WindowNoState);
    minimiseToTray();
    QCursor::setPos(QPoint(120, 80));
    Q_EMIT m_tray->icon()->activated(QSystemTrayIcon::Context);
    QCOMPARE(m_popups.size(), 1);
    QCOMPARE(m_popups.first().first, m_form->ui().Sys);
    QCOMPARE(m_popups.first().second, QCursor::pos());
    QVERIFY(!m_form->isVisible());
}

void TestTray::otherClicksDoNothing()
{
    open(Qt::WindowNoState);
    minimiseToTray();
    for (auto reason : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
        m_tray->TrayIcon_Activated(reason);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_form->windowState(), Qt::WindowStates(Qt::WindowMinimized));
    QVERIFY(m_popups.isEmpty());
}

void TestTray::windowGoneLeavesTheIconHarmless()
{
    open(Qt::WindowNoState);
    delete m_form;
    m_tray->TrayIcon_Activated(QSystemTrayIcon::Trigger);
    m_tray->TrayIcon_Activated(QSystemTrayIcon::Context);
    QVERIFY(m_popups.isEmpty());
}

void TestTray::availabilityCanBeDecidedByTests()
{
    systemtray::setAvailabilityOverride(true);
    QVERIFY(systemtray::isAvailable());
    systemtray::setAvailabilityOverride(false);
    QVERIFY(!systemtray::isAvailable());
    systemtray::setAvailabilityOverride(std::nullopt);
    QCOMPARE(systemtray::isAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
