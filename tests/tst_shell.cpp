#include "app/Installation.h"
#include "app/SingleInstance.h"
#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/common/Context.h"
#include "ui/common/MessageBox.h"
#include "ui/help/Help.h"
#include "ui/help/HelpText.h"
#include "ui/help/Logo.h"
#include "ui/main/mainForm.h"
#include "vocab/NoteLocation.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>

// The parts around the drill: the help window, the splash, the tray icon, the one running copy
// and the speech hint.
class TestShell : public QObject {
    Q_OBJECT

    QPointer<Help> m_help;
    QList<QUrl> m_mailed;
    int m_paints = 0;
    QTemporaryDir m_dir;
    SettingsStore m_settings{m_dir.filePath(u"settings.ini"_qs)};
    Share m_share;
    FakeVoice m_voice;
    Context m_context{m_share, m_settings, m_voice, m_dir.path() + u'/'};
    QPointer<mainForm> m_form;
    systemtray m_tray;
    QList<QPair<QMenu*, QPoint>> m_popups;

    bool openHelp()
    {
        m_help = Help::showHelp();
        return QTest::qWaitForWindowExposed(m_help);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        m_paints += event->type() == QEvent::Paint;
        return false;
    }

    void openMain(Qt::WindowState loaded)
    {
        delete m_form;
        m_form = new mainForm(m_context);
        m_form->setWindowState(loaded);
        m_form->load();
        m_tray.AddTrayIcon(m_form, m_form->ui().Sys);
    }

    // Another copy of the program is this test started again: it says whether it got the lock and
    // keeps it until its input ends.
    static QByteArray startCopy(QProcess& copy)
    {
        copy.start(QCoreApplication::applicationFilePath(), {u"--copy"_qs});
        return copy.waitForReadyRead(30000) ? copy.readLine().trimmed() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_share.LibraryKey = u"TEST"_qs;
        m_share.WordFile = m_dir.filePath(u"TEST"_qs);
        QVERIFY(writeGbkList(m_share.WordFile, {u"abandon/E5bAndEn/vt.放弃"_qs, u"able/5eIbl/adj.能"_qs}));
        systemtray::setPopupHook([this](QMenu* menu, QPoint position) { m_popups.append({menu, position}); });
        Help::setUrlOpener([this](const QUrl& url) { m_mailed.append(url); });
    }

    void cleanup()
    {
        delete m_help;
        delete m_form;
        m_popups.clear();
        MessageBox::setHook(nullptr);
    }

    void helpGuideAndTheOneWindow()
    {
        const QString guide = u"1. 可以设定自动浏览时间间隔，也可手动浏览\r\n\r\n"
                              u"2. 方向键，向上，向下，可以向前、后随时滚动单词\r\n\r\n"
                              u"3. 可将不熟悉的单词添加到 笔记本(默认是“%1)\r\n        \r\n"
                              u"   按下 Ctrl 键，或者点击 \r\n         \r\n"
                              u"   用户也可以利用笔记本这个功能，将自己的单词添加到笔记本\r\n"
                              u"   具体方法，下一版本将说明，如急需可来信告知 \r\n"
                              u"   可从笔记本中删除单词，快捷键为“Delete”  \r\n   \r\n"
                              u"4. 可以记录背单词进度\r\n\r\n"
                              u"5. 不用时可以最小化到任务栏TrayIcon区，并同时自动暂停\r\n\r\n"
                              u"6. 可以最小化为一个悬浮窗口在桌面最顶\r\n"
                              u"   可以最大化\r\n\r\n"
                              u"7. 可查询单词\r\n\r\n"
                              u"8. 支持语音"_qs;
        QVERIFY(openHelp());
        QCOMPARE(m_help->findChild<QLabel*>(u"Label2"_qs)->text(), guide.arg(defaultNotePath()));
        // Where the default is the Windows one, in whatever case, the guide stays as written.
        QCOMPARE(HelpText::guide(u"c:\\taviknote.txt"_qs), guide.arg(u"C:\\taviknote.txt"_qs));
        // Opened again, it is the one window, shown and not minimised.
        m_help->setWindowState(Qt::WindowMinimized);
        m_help->hide();
        QCOMPARE(Help::showHelp(), m_help.data());
        QVERIFY(m_help->isVisible() && !m_help->isMinimized());
        // Once closed, the next opening makes a new one.
        m_help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_help);
        QVERIFY(openHelp());
    }

    void helpClicks()
    {
        // A click on the background, the heading or the guide closes the window; the mail line mails.
        const QList<std::tuple<const char*, bool, bool>> rows{{"", true, false},        {"Label1", true, false},
                                                              {"Label2", true, false},  {"Label5", false, false},
                                                              {"Image1", false, false}, {"Label3", false, true}};
        for (const auto& [target, closes, mails] : rows) {
            m_mailed.clear();
            QVERIFY(openHelp());
            QWidget* control = *target ? m_help->findChild<QWidget*>(QString::fromLatin1(target)) : m_help.data();
            QVERIFY2(control, target);
            const QPoint at = *target ? control->rect().center() : QPoint(5, 200);
            QCOMPARE(control->childAt(at), nullptr);
            QTest::mouseClick(control, Qt::LeftButton, {}, at);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(m_help.isNull() == closes, target);
            QCOMPARE(m_mailed, mails ? QList<QUrl>{QUrl(u"mailto:"_qs + HelpText::mailAddress())} : QList<QUrl>());
        }
    }

    void splashPaintsItsProgressAtOnceAndOpensNothing()
    {
        Logo logo;
        logo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&logo));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
        // The main window writes its progress while it reads a list, with no event loop running.
        auto* progress = logo.findChild<QLabel*>(u"Label2"_qs);
        progress->installEventFilter(this);
        m_paints = 0;
        logo.setProgressText(Logo::progressDots());
        QCOMPARE(progress->text(), u"...."_qs);
        QVERIFY(m_paints > 0);
    }

    void trayTipMenuAndAvailability()
    {
        openMain(Qt::WindowNoState);
        const QString longest(63, u'a');
        const QList<QPair<QString, QString>> tips{{longest + u'b', longest},
                                                  {u"TAVIK\0hidden"_qs, u"TAVIK"_qs},
                                                  {QString(62, u'c') + u"\U0001D11E"_qs, QString(62, u'c')}};
        for (const auto& [tip, shown] : tips) {
            m_tray.SetTrayTip(tip);
            QCOMPARE(m_tray.icon()->toolTip(), shown);
        }
        // A right click pops up the window's menu where the cursor is, and leaves the window hidden.
        m_form->hide();
        QCursor::setPos(120, 80);
        m_tray.TrayIcon_Activated(QSystemTrayIcon::Context);
        QCOMPARE(m_popups, (QList<QPair<QMenu*, QPoint>>{{m_form->ui().Sys, QPoint(120, 80)}}));
        QVERIFY(m_form->isHidden());

        systemtray::setAvailabilityOverride(true);
        QVERIFY(systemtray::isAvailable());
        systemtray::setAvailabilityOverride(false);
        QVERIFY(!systemtray::isAvailable());
        systemtray::setAvailabilityOverride(std::nullopt);
        QCOMPARE(systemtray::isAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
    }

    void trayLeftClickBringsTheWindowBack()
    {
        // Minimised to the tray, the window comes back as it was loaded, a minimised one as normal;
        // only hidden, it comes back as it is.
        const QList<std::tuple<Qt::WindowState, Qt::WindowState, Qt::WindowState>> rows{
            {Qt::WindowMaximized, Qt::WindowMinimized, Qt::WindowMaximized},
            {Qt::WindowMinimized, Qt::WindowMinimized, Qt::WindowNoState},
            {Qt::WindowMaximized, Qt::WindowNoState, Qt::WindowNoState}};
        for (const auto& [loaded, away, back] : rows) {
            openMain(loaded);
            m_form->setWindowState(away);
            m_form->hide();
            m_tray.TrayIcon_Activated(QSystemTrayIcon::Trigger);
            QVERIFY(m_form->isVisible());
            QCOMPARE(m_form->windowState(), Qt::WindowStates(back));
        }
        QVERIFY(m_popups.isEmpty());
    }

    void oneCopyRunsAtATime()
    {
        QProcess holder, copy;
        QCOMPARE(startCopy(holder), QByteArray("locked"));
        QCOMPARE(startCopy(copy), QByteArray("already running"));
        QVERIFY(copy.waitForFinished(30000));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(startCopy(holder), QByteArray("locked"));
        // A copy that was killed leaves its lock behind; the next copy takes it over.
        holder.kill();
        QVERIFY(holder.waitForFinished(30000));
        QVERIFY(QFile::exists(SingleInstance().lockFilePath()));
        QCOMPARE(startCopy(copy), QByteArray("locked"));
        copy.closeWriteChannel();
        QVERIFY(copy.waitForFinished(30000));
    }

    void speechHintIsShownOnce()
    {
        QStringList shown;
        MessageBox::setHook([&shown](const QString&, const QString& text) { shown.append(text); });
        // Each start reads the settings afresh; the first has a speech engine.
        for (const QStringList& engines : QList<QStringList>{{u"speechd"_qs}, {}, {}}) {
            SettingsStore settings(m_dir.filePath(u"hint.ini"_qs));
            Installation::InstallSupport(settings, engines, Installation::Platform::Other);
            QCOMPARE(shown, engines.isEmpty() ? QStringList{Installation::speechHint(Installation::Platform::Other)}
                                              : QStringList{});
        }
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--copy") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance instance;
        const bool locked = instance.tryLock();
        std::cout << (locked ? "locked" : "already running") << std::endl;
        if (locked)
            std::cin.get();
        return 0;
    }
    QApplication app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"
