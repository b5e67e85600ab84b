#include "speech/EngineChoice.h"
#include "speech/MSTTSSpeak.h"
#include "speech/PreferredEngines.h"
#include "speech/SpeechServerWatch.h"
#include "speech/Voice.h"
#include "speech/VoiceFactory.h"
#include "support/AudioLevels.h"
#include "support/PrivateSoundServer.h"

#include <QTest>
#include <QTextToSpeech>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

// The program's own voice speaks into a private PulseAudio null sink whose monitor is recorded.
class TestSpeechAudio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void levelsFindTheVoicedSpan();
    void speechDispatcherIsChosen();
    void singleWordsAreHeard_data();
    void singleWordsAreHeard();
    void slowerRateLastsLonger();
    void losingTheSoundServerKeepsTheDrillGoing();

private:
    Voice& voice();
    VoicedSpan speakAndRecord(const std::function<void()>& speak);

    std::unique_ptr<PrivateSoundServer> m_server;
    std::unique_ptr<Voice> m_voice;
};

void TestSpeechAudio::initTestCase()
{
    m_server = std::make_unique<PrivateSoundServer>();
    if (!m_server->start())
        qWarning("No private sound server, audio cases skip: %s", qPrintable(m_server->error()));
}

void TestSpeechAudio::cleanupTestCase()
{
    m_voice.reset();
    m_server.reset();
}

// The program's voice, made when first needed so that it never races another client to start
// speech-dispatcher (whichever loses would fall back to flite).
Voice& TestSpeechAudio::voice()
{
    if (!m_voice)
        m_voice = createVoice();
    return *m_voice;
}

// Waits, generously, for speech to come and be over for a second, then measures it.
VoicedSpan TestSpeechAudio::speakAndRecord(const std::function<void()>& speak)
{
    const qsizetype start = m_server->recording().size();
    speak();
    VoicedSpan span;
    const bool settled = QTest::qWaitFor(
        [&] {
            span = voicedSpan(m_server->recording().mid(start), PrivateSoundServer::kSampleRate);
            return span.found && span.trailingSilence >= 1.0;
        },
        30000);
    if (!settled)
        qWarning("no finished speech after 30 s");
    return span;
}

void TestSpeechAudio::levelsFindTheVoicedSpan()
{
    // 0.5 s of silence, 0.25 s of a 440 Hz tone at a quarter of full scale, 1 s of silence.
    const int rate = PrivateSoundServer::kSampleRate;
    QByteArray samples(int(1.75 * rate) * 2, '\0');
    for (int i = 0; i < rate / 4; ++i) {
        const auto value = qint16(8192 * std::sin(2 * std::numbers::pi * 440 * i / rate));
        qToLittleEndian(value, samples.data() + 2 * (rate / 2 + i));
    }
    const VoicedSpan span = voicedSpan(samples, rate);
    QVERIFY(span.found);
    QCOMPARE(qRound(span.seconds * 100), 25);
    QCOMPARE(qRound(span.trailingSilence * 100), 100);
    QVERIFY(span.peak > 8000 && span.peak <= 8192);
    QVERIFY(std::abs(span.rms - 8192 / std::sqrt(2.0)) < 100);
    QVERIFY(!voicedSpan(QByteArray(rate * 2, '\0'), rate).found);
}

void TestSpeechAudio::speechDispatcherIsChosen()
{
    if (!m_server->running())
        QSKIP(qPrintable(u"the audio stack cannot start here: "_qs + m_server->error()));
    const std::unique_ptr<QTextToSpeech> engine = openEngine(preferredEngines());
    QVERIFY(engine);
    QCOMPARE(engine->engine(), QStringLiteral("speechd"));
    QCOMPARE(engine->locale().language(), QLocale::English);
    // The speech-dispatcher it spawned serves the private runtime folder, not the user's.
    const QString socket = speechDispatcherSocket(QProcessEnvironment::systemEnvironment());
    QVERIFY2(SpeechServerWatch().found(), qPrintable(socket));
    QVERIFY(socket.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/'));
    QVERIFY(socket.startsWith(u"/tmp/tavik-audio-"_qs));
    qInfo("engine %s, voice \"%s\", locale %s", qPrintable(engine->engine()), qPrintable(engine->voice().name()),
          qPrintable(engine->locale().name()));
}

void TestSpeechAudio::singleWordsAreHeard_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("abandon") << QStringLiteral("abandon");
    QTest::newRow("hello") << QStringLiteral("hello");
    QTest::newRow("abolition") << QStringLiteral("abolition");
}

void TestSpeechAudio::singleWordsAreHeard()
{
    if (!m_server->running())
        QSKIP(qPrintable(u"the audio stack cannot start here: "_qs + m_server->error()));
    QFETCH(QString, word);
    const VoicedSpan span = speakAndRecord([&] {
        voice().stop();
        SpeakWord(voice(), word);
    });
    qInfo("\"%s\" at %d words a minute: %.2f s voiced, RMS %.0f, peak %d", qPrintable(word), rateForText(word),
          span.seconds, span.rms, span.peak);
    QVERIFY2(span.found, "no sound came out");
    QVERIFY2(span.seconds > 0.2 && span.seconds < 3.0, qPrintable(QString::number(span.seconds)));
    QVERIFY(span.rms > 1000);
    QVERIFY(span.peak > 4000);
}

void TestSpeechAudio::slowerRateLastsLonger()
{
    if (!m_server->running())
        QSKIP(qPrintable(u"the audio stack cannot start here: "_qs + m_server->error()));
    auto atRate = [this](int wordsPerMinute) {
        return speakAndRecord([&] {
            voice().stop();
            voice().setRate(wordsPerMinute);
            voice().speak(QStringLiteral("abandon"));
        });
    };
    const VoicedSpan slow = atRate(120);
    const VoicedSpan fast = atRate(150);
    qInfo("\"abandon\" at 120: %.2f s (RMS %.0f); at 150: %.2f s (RMS %.0f); ratio %.2f", slow.seconds, slow.rms,
          fast.seconds, fast.rms, fast.found ? slow.seconds / fast.seconds : 0.0);
    QVERIFY(slow.found && fast.found);
    // 150 / 120 is 1.25; a tenth of that is plenty above the frame-size noise.
    QVERIFY2(slow.seconds > fast.seconds * 1.1,
             qPrintable(QStringLiteral("%1 s vs %2 s").arg(slow.seconds).arg(fast.seconds)));
}

void TestSpeechAudio::losingTheSoundServerKeepsTheDrillGoing()
{
    if (!m_server->running())
        QSKIP(qPrintable(u"the audio stack cannot start here: "_qs + m_server->error()));
    // speech-dispatcher stops answering once its sound server is gone. Were any call to wait for
    // it, this case would hang here until the test timed out.
    m_server->stopServer();
    const QStringList words = {u"abandon"_qs, u"hello"_qs, u"abolition"_qs};
    for (int step = 0; step < 30; ++step) {
        voice().stop();
        SpeakWord(voice(), words.at(step % words.size()));
        QTest::qWait(20);
    }
    m_voice.reset();
    // A voice made now meets a server that never answers: opening it must not hold anything up.
    voice().stop();
    SpeakWord(voice(), u"Welcome by tavik"_qs);
    m_voice.reset();
    QVERIFY(!m_voice);
}

QTEST_GUILESS_MAIN(TestSpeechAudio)
#include "tst_speech_audio.moc"
