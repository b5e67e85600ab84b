#include "support/PrivateSoundServer.h"

#include "speech/SpeechServerWatch.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

PrivateSoundServer::PrivateSoundServer()
    // Short, in /tmp: unix socket paths must stay under 108 bytes.
    : m_runtime(u"/tmp/tavik-audio-XXXXXX"_qs)
{
    // Both end with the test even when it crashes.
    for (QProcess* process : {&m_server, &m_recorder})
        process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

PrivateSoundServer::~PrivateSoundServer()
{
    for (QProcess* process : {&m_recorder, &m_server}) {
        process->kill();
        process->waitForFinished();
    }
    // Found by the private socket on its command line, never the user's; one that lost its sound
    // server ignores SIGTERM.
    QProcessEnvironment environment;
    environment.insert(u"XDG_RUNTIME_DIR"_qs, m_runtime.path());
    const SpeechServerWatch speechDispatcher(environment);
    if (speechDispatcher.found())
        ::kill(pid_t(speechDispatcher.pid()), SIGKILL);
}

bool PrivateSoundServer::start()
{
    if (!m_runtime.isValid()) {
        m_error = u"no private runtime folder: "_qs + m_runtime.errorString();
        return false;
    }
    // Everything this process starts from now on, speech-dispatcher included, finds the private
    // server and its own speech-dispatcher socket here, and nowhere else.
    const QString socket = m_runtime.filePath(u"pulse/native"_qs);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
    for (const char* name : {"SPEECHD_ADDRESS", "SPEECHD_CMD", "PULSE_SINK", "PULSE_SOURCE"})
        qunsetenv(name);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(u"pulseaudio"_qs,
                   {u"--daemonize=no"_qs, u"-n"_qs, u"--exit-idle-time=-1"_qs, u"--realtime=no"_qs,
                    u"--log-target=stderr"_qs,
                    u"--load=module-native-protocol-unix auth-anonymous=1 socket="_qs + socket,
                    u"--load=module-null-sink sink_name=tavik rate=%1 channels=1"_qs.arg(kSampleRate)});
    // parec fails until the server answers; an idle null sink's monitor records silence, so data
    // flows as soon as it does.
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired() && m_server.state() != QProcess::NotRunning &&
                                         m_recorder.error() != QProcess::FailedToStart;) {
        m_recorder.start(u"parec"_qs, {u"--device=tavik.monitor"_qs, u"--format=s16le"_qs,
                                       u"--rate=%1"_qs.arg(kSampleRate), u"--channels=1"_qs, u"--latency-msec=20"_qs});
        if (QTest::qWaitFor([this] { return !recording().isEmpty() || m_recorder.state() == QProcess::NotRunning; },
                            int(deadline.remainingTime())) &&
            !m_recording.isEmpty())
            return m_running = true;
        QTest::qWait(100);
    }
    m_error = u"no private PulseAudio server (are pulseaudio and parec installed?): "_qs +
              QString::fromLocal8Bit(m_server.readAll() + m_recorder.readAllStandardError()).trimmed();
    return false;
}

const QByteArray& PrivateSoundServer::recording()
{
    m_recording += m_recorder.readAllStandardOutput();
    return m_recording;
}
