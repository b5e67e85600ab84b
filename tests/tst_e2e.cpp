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
    static QString xdotool(const QString& arguments);
    static QString waitForWindow(const QString& title);
    static QRect geometryOf(const QString& window);
    QString savedPosition() const;
    static void screenshot(const QString& name);

    QTemporaryDir m_home;
    PrivateSoundServer m_sound;
    QProcess m_tavik;
};

void TestEndToEnd::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(u"xdotool"_qs).isEmpty())
        QSKIP("needs an X server and xdotool: run under xvfb-run");
    // The program speaks; it must never reach the user's speakers.
    if (!m_sound.start())
        qputenv("PULSE_SERVER", "unix:/nonexistent/tavik-test");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_qs, m_home.path());
    env.insert(u"XDG_CONFIG_HOME"_qs, m_home.filePath(u".config"_qs));
    env.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
    m_tavik.setProcessEnvironment(env);
    m_tavik.setProcessChannelMode(QProcess::ForwardedChannels);
}

void TestEndToEnd::cleanupTestCase()
{
    m_tavik.terminate();
    if (!m_tavik.waitForFinished(5000))
        m_tavik.kill();
}

QString TestEndToEnd::xdotool(const QString& arguments)
{
    QProcess process;
    process.start(u"xdotool"_qs, QProcess::splitCommand(arguments));
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString TestEndToEnd::waitForWindow(const QString& title)
{
    QString window;
    (void)QTest::qWaitFor(
        [&] {
            window = xdotool(u"search --onlyvisible --name \"^%1$\""_qs.arg(title)).section(u'\n', 0, 0);
            return !window.isEmpty();
        },
        30000);
    return window;
}

QRect TestEndToEnd::geometryOf(const QString& window)
{
    const QString shell = xdotool(u"getwindowgeometry --shell "_qs + window);
    auto value = [&shell](const QString& name) {
        return QRegularExpression(name + u"=(-?\\d+)"_qs).match(shell).captured(1).toInt();
    };
    return QRect(value(u"X"_qs), value(u"Y"_qs), value(u"WIDTH"_qs), value(u"HEIGHT"_qs));
}

QString TestEndToEnd::savedPosition() const
{
    // Read the file itself: QSettings keeps what it read and may miss a change of the same size
    // within the same second.
    QFile file(m_home.filePath(u".config/tavik/tavik.conf"_qs));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression gre1(u"\\[gre1\\][^\\[]*startup\\\\left=(\\d+)"_qs);
    return gre1.match(QString::fromUtf8(file.readAll())).captured(1);
}

void TestEndToEnd::screenshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("TAVIK_E2E_SCREENSHOTS");
    if (!folder.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + u'/' + name + u".png"_qs);
}

void TestEndToEnd::chooseAListAndStepOn()
{
    QElapsedTimer clock;
    clock.start();
    m_tavik.start(QStringLiteral(TAVIK_EXECUTABLE), {});
    const QString chooser = waitForWindow(u"Tavik V0.003 2003-01-15"_qs);
    QVERIFY2(!chooser.isEmpty(), "the library chooser did not appear");
    qInfo("start-up to the chooser on screen: %lld ms", clock.elapsed());
    const QRect frame = geometryOf(chooser);
    QCOMPARE(frame.size(), QSize(729, 525));
    QTest::qWait(300);
    screenshot(u"chooser"_qs);

    // "红宝 GRE" stands at (264, 40), 209 × 33.
    xdotool(u"mousemove %1 %2 click 1"_qs.arg(frame.x() + 364).arg(frame.y() + 56));
    const QString main = waitForWindow(u"TAVIK"_qs);
    QVERIFY2(!main.isEmpty(), "the main window did not appear");
    QVERIFY(QTest::qWaitFor([&] { return savedPosition() == u"1"_qs; }, 10000));
    QVERIFY(xdotool(u"search --onlyvisible --name \"^Tavik V0.003\""_qs).isEmpty());
    QCOMPARE(geometryOf(main).size(), QSize(722, 539));

    xdotool(u"windowfocus --sync "_qs + main);
    xdotool(u"key Down"_qs);
    QVERIFY2(QTest::qWaitFor([&] { return savedPosition() == u"2"_qs; }, 10000), qPrintable(savedPosition()));
    QTest::qWait(300);
    screenshot(u"main"_qs);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
