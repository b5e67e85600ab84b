#include "speech/EngineChoice.h"
#include "speech/MSTTSSpeak.h"
#include "speech/RateScale.h"
#include "speech/SilentVoice.h"
#include "speech/SpeechQueue.h"
#include "speech/SpeechServerWatch.h"
#include "speech/ThreadedVoice.h"

#include <QMutex>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTextToSpeech>
#include <QThread>

#include <cmath>

namespace {

// Words per minute that each engine speaks at a QTextToSpeech rate, restated from its Qt plugin
// and its own settings: the other way round from engineRate.
double engineWordsPerMinute(const QString& engine, double rate)
{
    if (engine == u"speechd")
        return rate < 0 ? 170 + 90 * rate : 170 + 279 * rate;
    if (engine == u"flite")
        return 185 / (rate < 0 ? 1 - 2 * rate : 1 - rate * 100 / 175);
    if (engine == u"macos")
        return 200 + 200 * rate;
    if (engine == u"winrt")
        return 180 * (rate < 0 ? 1 + 0.5 * rate : 1 + 5 * rate);
    if (engine == u"sapi")
        return 180 * std::pow(3.0, rate);
    return 180 * (rate < 0 ? 1 + 0.5 * rate : 1 + rate);
}

// What the speech thread did, readable from the test's thread.
struct Journal {
    void add(const QString& entry)
    {
        const QMutexLocker lock(&mutex);
        entries.append(entry);
    }
    QStringList read()
    {
        const QMutexLocker lock(&mutex);
        return entries;
    }
    QMutex mutex;
    QStringList entries;
};

// Writes its calls and the threads it lives on into a journal; speak waits for the gate when given one.
class JournalVoice final : public Voice {
public:
    JournalVoice(std::shared_ptr<Journal> journal, QSemaphore* gate)
        : m_journal(std::move(journal))
        , m_gate(gate)
    {
        m_journal->add(QStringLiteral("made on %1").arg(threadName()));
    }
    ~JournalVoice() override { m_journal->add(QStringLiteral("deleted on %1").arg(threadName())); }
    void stop() override { m_journal->add(QStringLiteral("stop")); }
    void setRate(int wordsPerMinute) override { m_journal->add(QStringLiteral("rate %1").arg(wordsPerMinute)); }
    void speak(const QString& text) override
    {
        m_journal->add(QStringLiteral("speak ") + text);
        if (m_gate)
            m_gate->acquire();
    }

private:
    static QString threadName() { return QThread::currentThread()->objectName(); }
    std::shared_ptr<Journal> m_journal;
    QSemaphore* m_gate;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void ratesGiveTheWordsPerMinute_data();
    void ratesGiveTheWordsPerMinute();
    void designRatesOnSpeechDispatcher();
    void ratesStayWithinRange();
    void englishLocaleIsPreferred();
    void mainEnglishVoiceIsPreferred();
    void queueFoldsCallsIntoOneRequest();
    void callsReturnWhileTheEngineHangs();
    void stuckEngineDoesNotHoldUpTheEnd();
    void serverSocketAsLibspeechdFindsIt();
    void watchFollowsTheServerProcess();
    void missingEnginesGiveSilence_data();
    void missingEnginesGiveSilence();

private:
    QTemporaryDir m_runtime;
};

void TestSpeech::initTestCase()
{
    // No speech server can be reached or spawned, and no sound server either, whatever this machine
    // runs: every real engine has to fail here.
    QVERIFY(m_runtime.isValid());
    QVERIFY(QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    qputenv("SPEECHD_CMD", QFile::encodeName(m_runtime.filePath(QStringLiteral("no-speech-dispatcher"))));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_runtime.filePath(QStringLiteral("no-pulse"))));
    qunsetenv("SPEECHD_ADDRESS");
    QThread::currentThread()->setObjectName(QStringLiteral("main"));
}

void TestSpeech::ratesGiveTheWordsPerMinute_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<int>("normal");
    QTest::newRow("speechd") << QStringLiteral("speechd") << 170;
    QTest::newRow("flite") << QStringLiteral("flite") << 185;
    QTest::newRow("macos") << QStringLiteral("macos") << 200;
    QTest::newRow("winrt") << QStringLiteral("winrt") << 180;
    QTest::newRow("sapi") << QStringLiteral("sapi") << 180;
    QTest::newRow("unknown") << QStringLiteral("no-such-engine") << 180;
}

void TestSpeech::ratesGiveTheWordsPerMinute()
{
    QFETCH(QString, engine);
    QFETCH(int, normal);
    const RateScale scale = rateScaleFor(engine);
    QCOMPARE(engineRate(scale, normal), 0.0);
    double previous = -2.0;
    for (const int wordsPerMinute : {100, 120, 150, 160, 170, 185, 200, 250, 300}) {
        const double rate = engineRate(scale, wordsPerMinute);
        QVERIFY2(rate > previous, qPrintable(QStringLiteral("%1 words a minute").arg(wordsPerMinute)));
        previous = rate;
        QVERIFY2(std::abs(engineWordsPerMinute(engine, rate) - wordsPerMinute) < 0.01,
                 qPrintable(QStringLiteral("%1 at rate %2").arg(wordsPerMinute).arg(rate)));
    }
}

void TestSpeech::designRatesOnSpeechDispatcher()
{
    const RateScale scale = rateScaleFor(QStringLiteral("speechd"));
    QVERIFY(qFuzzyCompare(engineRate(scale, 120), -5.0 / 9));
    QVERIFY(qFuzzyCompare(engineRate(scale, 150), -2.0 / 9));
    QVERIFY(qFuzzyCompare(engineRate(scale, 160), -1.0 / 9));
    // speech-dispatcher takes whole hundredths; the rate must survive that to within a word a minute.
    QVERIFY(std::abs(170 + 90 * int(engineRate(scale, 120) * 100) / 100 - 120) <= 1);
}

void TestSpeech::ratesStayWithinRange()
{
    for (const QString& engine : {u"speechd"_qs, u"flite"_qs, u"macos"_qs, u"winrt"_qs, u"sapi"_qs, u"other"_qs}) {
        const RateScale scale = rateScaleFor(engine);
        QCOMPARE(engineRate(scale, 0), -1.0);
        QCOMPARE(engineRate(scale, -150), -1.0);
        QCOMPARE(engineRate(scale, 100000), 1.0);
    }
    // Just inside speech-dispatcher's ends, just outside them.
    const RateScale speechd = rateScaleFor(QStringLiteral("speechd"));
    QCOMPARE(engineRate(speechd, 80), -1.0);
    QCOMPARE(engineRate(speechd, 449), 1.0);
    QCOMPARE(engineRate(speechd, 79), -1.0);
    QVERIFY(engineRate(speechd, 448) < 1.0);
}

void TestSpeech::englishLocaleIsPreferred()
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale gb(QLocale::English, QLocale::UnitedKingdom);
    const QLocale au(QLocale::English, QLocale::Australia);
    const QLocale zh(QLocale::Chinese, QLocale::China);
    const QLocale de(QLocale::German, QLocale::Germany);
    QCOMPARE(englishLocale({zh, gb, au, us}), us);
    QCOMPARE(englishLocale({zh, au, gb}), gb);
    QCOMPARE(englishLocale({zh, au, de}), au);
    QCOMPARE(englishLocale({zh, de}), std::nullopt);
    QCOMPARE(englishLocale({}), std::nullopt);
}

void TestSpeech::mainEnglishVoiceIsPreferred()
{
    QCOMPARE(preferredVoiceIndex({u"English (Caribbean)"_qs, u"English (America)+Alex"_qs, u"English (America)"_qs}),
             2);
    QCOMPARE(preferredVoiceIndex({u"English (Scotland)"_qs, u"English (Great Britain)"_qs}), 1);
    QCOMPARE(preferredVoiceIndex({u"awb"_qs, u"kal"_qs}), -1);
    QCOMPARE(preferredVoiceIndex({}), -1);
}

void TestSpeech::queueFoldsCallsIntoOneRequest()
{
    SpeechQueue queue;
    // Only the first call after a hand-over wakes the speech thread.
    QVERIFY(queue.stop());
    QVERIFY(!queue.setRate(120));
    QVERIFY(!queue.speak(u"abandon"_qs));
    SpeechRequest request = queue.take();
    QVERIFY(request.stop);
    QCOMPARE(request.wordsPerMinute, 120);
    QCOMPARE(request.text, u"abandon"_qs);

    // A word stopped before it was spoken is dropped; the rate stays.
    QVERIFY(queue.setRate(150));
    QVERIFY(!queue.speak(u"abolition"_qs));
    QVERIFY(!queue.stop());
    request = queue.take();
    QVERIFY(request.stop);
    QCOMPARE(request.wordsPerMinute, 150);
    QCOMPARE(request.text, std::nullopt);

    // Two whole drill steps while the thread is busy: only the last word is left.
    QVERIFY(queue.stop());
    queue.setRate(120);
    queue.speak(u"abandon"_qs);
    queue.stop();
    queue.setRate(150);
    queue.speak(u"abolition"_qs);
    request = queue.take();
    QVERIFY(request.stop);
    QCOMPARE(request.wordsPerMinute, 150);
    QCOMPARE(request.text, u"abolition"_qs);

    request = queue.take();
    QVERIFY(!request.stop);
    QCOMPARE(request.wordsPerMinute, std::nullopt);
    QCOMPARE(request.text, std::nullopt);
    // An empty word is still a word to speak (it sets the rate and says nothing).
    QVERIFY(queue.speak(QString()));
    QCOMPARE(queue.take().text, QString());
}

void TestSpeech::callsReturnWhileTheEngineHangs()
{
    auto journal = std::make_shared<Journal>();
    QSemaphore engineOpens;
    QSemaphore wordEnds;
    {
        ThreadedVoice voice([&] {
            engineOpens.acquire();
            return std::make_unique<JournalVoice>(journal, &wordEnds);
        });
        // The engine is still connecting: every call returns, and only the last step survives.
        voice.stop();
        SpeakWord(voice, u"abandon"_qs);
        voice.stop();
        SpeakWord(voice, u"abolition"_qs);
        QVERIFY(journal->read().isEmpty());
        engineOpens.release();
        const QStringList firstStep = {u"made on speech"_qs, u"stop"_qs, u"rate 150"_qs, u"speak abolition"_qs};
        QTRY_COMPARE_WITH_TIMEOUT(journal->read(), firstStep, 10000);

        // The engine now hangs inside speak: the drill goes on all the same.
        for (int i = 0; i < 50; ++i) {
            voice.stop();
            SpeakWord(voice, i % 2 ? u"hello"_qs : u"abandon"_qs);
        }
        QCOMPARE(journal->read(), firstStep);
        wordEnds.release();
        QTRY_COMPARE_WITH_TIMEOUT(journal->read().mid(4), (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak hello"_qs}),
                                  10000);
        wordEnds.release();
    }
    QCOMPARE(journal->read().last(), u"deleted on speech"_qs);
}

void TestSpeech::stuckEngineDoesNotHoldUpTheEnd()
{
    auto journal = std::make_shared<Journal>();
    QSemaphore opening;
    QSemaphore engineOpens;
    {
        ThreadedVoice voice([&] {
            opening.release();
            engineOpens.acquire();
            return std::make_unique<JournalVoice>(journal, nullptr);
        });
        SpeakWord(voice, u"abandon"_qs);
        opening.acquire();
    }
    // The voice has gone while its engine was still opening; once it opens, the thread left behind
    // closes it again without speaking.
    QVERIFY(journal->read().isEmpty());
    engineOpens.release();
    QTRY_COMPARE_WITH_TIMEOUT(journal->read(), (QStringList{u"made on speech"_qs, u"deleted on speech"_qs}), 10000);
}

void TestSpeech::serverSocketAsLibspeechdFindsIt()
{
    auto socketFor = [](const QStringList& variables) {
        QProcessEnvironment environment;
        for (const QString& variable : variables)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        return speechDispatcherSocket(environment);
    };
    const QString runtime = u"XDG_RUNTIME_DIR=/run/user/1000"_qs;
    QCOMPARE(socketFor({runtime, u"HOME=/home/a"_qs}), u"/run/user/1000/speech-dispatcher/speechd.sock"_qs);
    QCOMPARE(socketFor({u"XDG_CACHE_HOME=/c"_qs, u"HOME=/home/a"_qs}), u"/c/speech-dispatcher/speechd.sock"_qs);
    QCOMPARE(socketFor({u"HOME=/home/a"_qs}), u"/home/a/.cache/speech-dispatcher/speechd.sock"_qs);
    QCOMPARE(socketFor({runtime, u"SPEECHD_ADDRESS=unix_socket:/tmp/s.sock"_qs}), u"/tmp/s.sock"_qs);
    QCOMPARE(socketFor({runtime, u"SPEECHD_ADDRESS=unix_socket"_qs}),
             u"/run/user/1000/speech-dispatcher/speechd.sock"_qs);
    QCOMPARE(socketFor({runtime, u"SPEECHD_ADDRESS=inet_socket:localhost:6560"_qs}), QString());
}

void TestSpeech::watchFollowsTheServerProcess()
{
    // A stand-in server: a shell named speech-dispatcher with the socket on its command line.
    const QString socket = m_runtime.filePath(u"stand-in/speechd.sock"_qs);
    QProcess server;
    server.start(
        u"bash"_qs,
        {u"-c"_qs, u"exec -a speech-dispatcher bash -c 'read -r -t 60 line' x --socket-path \"$0\""_qs, socket});
    QVERIFY(server.waitForStarted());
    QProcessEnvironment environment;
    environment.insert(u"SPEECHD_ADDRESS"_qs, u"unix_socket:"_qs + socket);
    // The command line changes with exec; wait for it.
    QTRY_VERIFY_WITH_TIMEOUT(SpeechServerWatch(environment).found(), 10000);
    const SpeechServerWatch watch(environment);
    QCOMPARE(watch.pid(), server.processId());
    QVERIFY(watch.alive());

    server.kill();
    QVERIFY(server.waitForFinished());
    QVERIFY(!watch.alive());

    // No server on a socket: nothing to watch, and no reason to fall silent.
    environment.insert(u"SPEECHD_ADDRESS"_qs, u"unix_socket:"_qs + m_runtime.filePath(u"none.sock"_qs));
    const SpeechServerWatch nobody(environment);
    QVERIFY(!nobody.found());
    QVERIFY(nobody.alive());
}

void TestSpeech::missingEnginesGiveSilence_data()
{
    QTest::addColumn<QStringList>("engines");
    QTest::newRow("no such engine") << QStringList{u"no-such-engine"_qs};
    QTest::newRow("no speech-dispatcher") << QStringList{u"speechd"_qs};
    QTest::newRow("flite without sound") << QStringList{u"flite"_qs};
    QTest::newRow("none of them") << QStringList{u"no-such-engine"_qs, u"speechd"_qs, u"flite"_qs};
    QTest::newRow("nothing named") << QStringList();
}

void TestSpeech::missingEnginesGiveSilence()
{
    QFETCH(QStringList, engines);
    QVERIFY(!openEngine(engines));
    const std::unique_ptr<Voice> voice = openVoice(engines);
    QVERIFY(dynamic_cast<SilentVoice*>(voice.get()));
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
