#include "support/PrivateSoundServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The whole program on a real X server: start it with a home of its own, pick a list in the
// chooser with the mouse, step on with a key, and find the position in the settings file.
class TestEndToEnd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void chooseAListAndStepOn();

private:
    QString xdotool(const QStringList& arguments);
    QString waitForWindow(const QString& title);
    QRect geometryOf(const QString& window);
    QString savedPosition(const QString& list);
    void screenshot(const QString& name);

    QTemporaryDir m_home;
    PrivateSoundServer m_sound;
    QProcess m_tavik;
};

void TestEndToEnd::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("no X server: run this test under xvfb-run");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    QVERIFY(m_home.isValid());
    // The program speaks; it must never reach the user's speakers.
    if (!m_sound.start())
        qputenv("PULSE_SERVER", "unix:/nonexistent/tavik-test");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_tavik.setProcessEnvironment(env);
    m_tavik.setProcessChannelMode(QProcess::ForwardedChannels);
}

void TestEndToEnd::cleanupTestCase()
{
    m_tavik.terminate();
    if (!m_tavik.waitForFinished(5000))
        m_tavik.kill();
}

QString TestEndToEnd::xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString TestEndToEnd::waitForWindow(const QString& title)
{
    QString window;
    (void)QTest::qWaitFor(
        [&] {
            window = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                              u'^' + QRegularExpression::escape(title) + u'$'})
                         .section(u'\n', 0, 0);
            return !window.isEmpty();
        },
        30000);
    return window;
}

QRect TestEndToEnd::geometryOf(const QString& window)
{
    const QString shell = xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    auto value = [&shell](const char* name) {
        const QRegularExpression line(QString::fromLatin1(name) + QStringLiteral("=(-?\\d+)"));
        return line.match(shell).captured(1).toInt();
    };
    return QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
}

QString TestEndToEnd::savedPosition(const QString& list)
{
    // Read the file itself: QSettings keeps what it read and may miss a change of the same size
    // within the same second.
    QFile file(m_home.filePath(QStringLiteral(".config/tavik/tavik.conf")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QRegularExpression entry(QStringLiteral("\\[%1\\][^\\[]*startup\\\\left=(\\d+)").arg(list));
    return entry.match(QString::fromUtf8(file.readAll())).captured(1);
}

void TestEndToEnd::screenshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVIK_E2E_SCREENSHOTS");
    if (!folder.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + u'/' + name + QStringLiteral(".png"));
}

void TestEndToEnd::chooseAListAndStepOn()
{
    QElapsedTimer clock;
    clock.start();
    m_tavik.start(QStringLiteral(TAVIK_EXECUTABLE), {});
    QVERIFY(m_tavik.waitForStarted());
    const QString chooser = waitForWindow(QStringLiteral("Tavik V0.003 2003-01-15"));
    QVERIFY2(!chooser.isEmpty(), "the library chooser did not appear");
    qInfo("start-up to the chooser on screen: %lld ms", clock.elapsed());
    const QRect frame = geometryOf(chooser);
    QCOMPARE(frame.size(), QSize(729, 525));
    QTest::qWait(300);
    screenshot(QStringLiteral("chooser"));

    // "红宝 GRE" stands at (264, 40), 209 × 33.
    const QPoint button = frame.topLeft() + QPoint(264 + 100, 40 + 16);
    xdotool({QStringLiteral("mousemove"), QString::number(button.x()), QString::number(button.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    const QString main = waitForWindow(QStringLiteral("TAVIK"));
    QVERIFY2(!main.isEmpty(), "the main window did not appear");
    QVERIFY(QTest::qWaitFor([&] { return savedPosition(QStringLiteral("gre1")) == QStringLiteral("1"); }, 10000));
    QVERIFY(xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                     QStringLiteral("^Tavik V0.003 2003-01-15$")})
                .isEmpty());

    const QRect mainFrame = geometryOf(main);
    QCOMPARE(mainFrame.size(), QSize(722, 539));
    xdotool({QStringLiteral("mousemove"), QString::number(mainFrame.x() + 400), QString::number(mainFrame.y() + 100)});
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), main});
    xdotool({QStringLiteral("key"), QStringLiteral("Down")});
    QVERIFY2(QTest::qWaitFor([&] { return savedPosition(QStringLiteral("gre1")) == QStringLiteral("2"); }, 10000),
             qPrintable(savedPosition(QStringLiteral("gre1"))));
    QTest::qWait(300);
    screenshot(QStringLiteral("main"));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
