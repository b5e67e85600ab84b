#include "speech/EngineChoice.h"
#include "speech/MSTTSSpeak.h"
#include "speech/PreferredEngines.h"
#include "speech/SpeechServerWatch.h"
#include "speech/Voice.h"
#include "speech/VoiceFactory.h"
#include "support/PrivateSoundServer.h"

#include <QTest>
#include <QTextToSpeech>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <numeric>

namespace {

// Where a recording holds sound: from the first to the last 10 ms frame whose RMS lies above 200.
struct VoicedSpan {
    double seconds = 0.0, trailingSilence = 0.0, rms = 0.0; // the RMS over the span
};

VoicedSpan voicedSpan(const QByteArray& s16le)
{
    constexpr int kFrame = PrivateSoundServer::kSampleRate / 100;
    QList<double> energies; // sums of squares, one per frame
    for (qsizetype start = 0; start + 2 * kFrame <= s16le.size(); start += 2 * kFrame) {
        double energy = 0.0;
        for (qsizetype i = start; i < start + 2 * kFrame; i += 2)
            energy += std::pow(qFromLittleEndian<qint16>(s16le.constData() + i), 2);
        energies.append(energy);
    }
    const auto voiced = [](double energy) { return std::sqrt(energy / kFrame) > 200; };
    const auto first = std::find_if(energies.cbegin(), energies.cend(), voiced);
    const auto end = std::find_if(energies.crbegin(), energies.crend(), voiced).base();
    VoicedSpan span;
    span.trailingSilence = double(energies.cend() - end) / 100;
    if (first < end) {
        span.seconds = double(end - first) / 100;
        span.rms = std::sqrt(std::accumulate(first, end, 0.0) / double((end - first) * kFrame));
    }
    return span;
}

} // namespace

// The program's own voice speaks into a private PulseAudio null sink whose monitor is recorded.
class TestSpeechAudio : public QObject {
    Q_OBJECT

    PrivateSoundServer m_server;

    // Waits, generously, for the word to come and be over for a second, then measures it.
    VoicedSpan sayAbandon(Voice& voice, int wordsPerMinute)
    {
        const qsizetype start = m_server.recording().size();
        voice.setRate(wordsPerMinute);
        voice.speak(u"abandon"_qs);
        VoicedSpan span;
        const auto over = [&] {
            span = voicedSpan(m_server.recording().mid(start));
            return span.seconds > 0 && span.trailingSilence >= 1.0;
        };
        static_cast<void>(QTest::qWaitFor(over, 30000));
        return span;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!m_server.start())
            QSKIP(qPrintable(u"the audio stack cannot start here: "_qs + m_server.error()));
    }

    void speechDispatcherSpeaksSlowerAtALowerRate()
    {
        const std::unique_ptr<QTextToSpeech> engine = openEngine(preferredEngines());
        QCOMPARE(engine ? engine->engine() : QString(), u"speechd"_qs);
        QCOMPARE(engine->locale().language(), QLocale::English);

        const std::unique_ptr<Voice> voice = createVoice();
        const VoicedSpan slow = sayAbandon(*voice, 120);
        const VoicedSpan fast = sayAbandon(*voice, 150);
        qInfo("\"abandon\" at 120 words a minute: %.2f s voiced, RMS %.0f; at 150: %.2f s, RMS %.0f", slow.seconds,
              slow.rms, fast.seconds, fast.rms);
        for (const VoicedSpan& span : {slow, fast}) {
            QVERIFY2(span.seconds > 0.2 && span.seconds < 3.0, qPrintable(QString::number(span.seconds)));
            QVERIFY(span.rms > 1000);
        }
        // 150 / 120 is 1.25; a tenth is plenty above the 10 ms frames.
        QVERIFY(slow.seconds > fast.seconds * 1.1);
    }

    void serverDyingMidDrill()
    {
        const std::unique_ptr<Voice> voice = openVoice(preferredEngines());
        QVERIFY(sayAbandon(*voice, 120).seconds > 0);
        // The private speech-dispatcher, found the way the voice finds it.
        const SpeechServerWatch server;
        QVERIFY(server.found());
        ::kill(pid_t(server.pid()), SIGKILL);
        QTRY_VERIFY(!server.alive());
        // A drill step on the dead connection would end this test (libspeechd crashes on setting the rate).
        voice->stop();
        SpeakWord(*voice, u"absolute"_qs);

        // A voice opened now cannot start speech-dispatcher again and falls back to flite.
        qputenv("SPEECHD_CMD", "/nonexistent/speech-dispatcher");
        const std::unique_ptr<QTextToSpeech> engine = openEngine(preferredEngines());
        QCOMPARE(engine ? engine->engine() : QString(), u"flite"_qs);
    }
};

QTEST_GUILESS_MAIN(TestSpeechAudio)
#include "tst_speech_audio.moc"
