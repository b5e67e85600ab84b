#include "speech/EngineChoice.h"
#include "speech/MSTTSSpeak.h"
#include "speech/RateScale.h"
#include "speech/SilentVoice.h"
#include "speech/SpeechServerWatch.h"
#include "speech/ThreadedVoice.h"

#include <QMutex>
#include <QProcess>
#include <QSemaphore>
#include <QTest>
#include <QTextToSpeech>
#include <QThread>

namespace {

// What the speech thread did, readable from the test's thread; speak waits at the gate.
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
    QSemaphore gate;
};

struct JournalVoice final : Voice {
    explicit JournalVoice(Journal& journal)
        : m_journal(journal)
    {
        m_journal.add(u"made on "_qs + QThread::currentThread()->objectName());
    }
    ~JournalVoice() override { m_journal.add(u"deleted on "_qs + QThread::currentThread()->objectName()); }
    void stop() override { m_journal.add(u"stop"_qs); }
    void setRate(int wordsPerMinute) override { m_journal.add(u"rate %1"_qs.arg(wordsPerMinute)); }
    void speak(const QString& text) override
    {
        m_journal.add(u"speak "_qs + text);
        m_journal.gate.acquire();
    }
    Journal& m_journal;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // No speech server can be reached or started, and no sound server either: every real engine fails.
        qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/speechd.sock");
        qputenv("SPEECHD_CMD", "/nonexistent/speech-dispatcher");
        qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    }

    // Each engine's rate is measured from its normal speed towards its own slowest or fastest end:
    // speech-dispatcher with espeak-ng on straight lines from 80 through 170 to 449 words a minute;
    // flite 3 times as long at -1 and 3/7 as long at +1, around 185; SAPI 3 times slower or faster
    // at its ends, by the same factor every step. No speed is the slowest.
    void engineRates()
    {
        const QList<std::tuple<QString, int, double>> rows{
            {u"speechd"_qs, 120, -5.0 / 9}, {u"speechd"_qs, 600, 1.0}, {u"speechd"_qs, 0, -1.0},
            {u"flite"_qs, 111, -1.0 / 3},   {u"flite"_qs, 370, 0.875}, {u"sapi"_qs, 100, -0.535},
            {u"macos"_qs, 300, 0.5},        {u"winrt"_qs, 360, 0.2},   {u"no-such-engine"_qs, 80, -1.0}};
        for (const auto& [engine, wordsPerMinute, rate] : rows) {
            const double actual = engineRate(rateScaleFor(engine), wordsPerMinute);
            QVERIFY2(qAbs(actual - rate) < 1e-3, qPrintable(engine + u' ' + QString::number(actual)));
        }
    }

    // The first engine that opens, with an English voice; silence when none does.
    void engineChoice()
    {
        const QLocale us(QLocale::English, QLocale::UnitedStates), gb(QLocale::English, QLocale::UnitedKingdom);
        const QLocale au(QLocale::English, QLocale::Australia), zh(QLocale::Chinese, QLocale::China);
        QCOMPARE(englishLocale({zh, gb, au, us}), us);
        QCOMPARE(englishLocale({zh, au, gb}), gb);
        QCOMPARE(englishLocale({zh, au}), au);
        QCOMPARE(englishLocale({zh}), std::nullopt);
        // speech-dispatcher lists espeak-ng's regional variants and voice variants first.
        QCOMPARE(
            preferredVoiceIndex({u"English (America)+Alex"_qs, u"English (Caribbean)"_qs, u"English (America)"_qs}), 2);
        QCOMPARE(preferredVoiceIndex({u"English (Scotland)"_qs, u"English (Great Britain)"_qs}), 1);
        QCOMPARE(preferredVoiceIndex({u"awb"_qs}), -1);
        // An unknown engine, real ones with no server and no sound, none at all.
        for (const QStringList& engines : {QStringList{u"no-such-engine"_qs}, {u"speechd"_qs, u"flite"_qs}, {}}) {
            QVERIFY(!openEngine(engines));
            QVERIFY(dynamic_cast<SilentVoice*>(openVoice(engines).get()));
        }
    }

    void callsReturnWhileTheEngineHangs()
    {
        Journal journal;
        QSemaphore engineOpens;
        {
            ThreadedVoice voice([&] {
                engineOpens.acquire();
                return std::make_unique<JournalVoice>(journal);
            });
            // Still connecting: the calls return, and a word stopped before it was spoken is never spoken.
            SpeakWord(voice, u"abandon"_qs);
            voice.stop();
            engineOpens.release();
            QTRY_COMPARE(journal.read(), (QStringList{u"made on speech"_qs, u"stop"_qs, u"rate 120"_qs}));

            // Hanging inside speak: the drill goes on, and only its latest word is spoken afterwards.
            SpeakWord(voice, u"absolute"_qs);
            QTRY_COMPARE(journal.read().last(), u"speak absolute"_qs);
            for (int step = 0; step < 50; ++step) {
                voice.stop();
                SpeakWord(voice, step % 2 ? u"hello"_qs : u"absolute"_qs);
            }
            journal.gate.release();
            QTRY_COMPARE(journal.read().mid(5), (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak hello"_qs}));
            // Stuck again at the end: the program still ends, and the word left over is dropped.
            SpeakWord(voice, u"abandon"_qs);
        }
        journal.gate.release();
        QTRY_COMPARE(journal.read().mid(8), QStringList{u"deleted on speech"_qs});
    }

    void watchFollowsTheServer()
    {
        const QString socket = u"/nonexistent/tavik-%1.sock"_qs.arg(QCoreApplication::applicationPid());
        QProcessEnvironment environment;
        environment.insert(u"SPEECHD_ADDRESS"_qs, u"unix_socket:"_qs + socket);
        // No server on the socket: nothing to watch, and no reason to fall silent.
        QVERIFY(!SpeechServerWatch(environment).found());
        QVERIFY(SpeechServerWatch(environment).alive());

        // A stand-in server: a shell named speech-dispatcher with the socket on its command line.
        QProcess server;
        server.start(u"bash"_qs,
                     {u"-c"_qs, u"exec -a speech-dispatcher bash -c 'read -t 60' x --socket-path \"$0\""_qs, socket});
        QTRY_VERIFY(SpeechServerWatch(environment).found());
        const SpeechServerWatch watch(environment);
        QCOMPARE(watch.pid(), server.processId());
        QVERIFY(watch.alive());
        server.kill();
        QVERIFY(server.waitForFinished());
        QVERIFY(!watch.alive());
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
