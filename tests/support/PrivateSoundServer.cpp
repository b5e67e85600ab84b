#include "support/PrivateSoundServer.h"

#include "speech/SpeechServerWatch.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int kStartTimeoutMs = 20000;
const QString kSink = QStringLiteral("tavik_test");

bool processGone(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    // A zombie no one reaps has finished too.
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state < line.size() && line.at(state) == 'Z';
}

// The server and the recorder end with the test even when it crashes.
void endWithParent(QProcess& process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

} // namespace

PrivateSoundServer::PrivateSoundServer()
    // Short, in /tmp: unix socket paths must stay under 108 bytes.
    : m_runtime(QStringLiteral("/tmp/tavik-audio-XXXXXX"))
{
}

PrivateSoundServer::~PrivateSoundServer()
{
    stopServer();
    stopSpeechDispatcher();
}

void PrivateSoundServer::stopServer()
{
    for (QProcess* process : {&m_recorder, &m_server}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(10000))
            process->kill();
        process->waitForFinished(5000);
    }
}

bool PrivateSoundServer::start()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        m_error = QStringLiteral("pulseaudio or parec is not installed (a PipeWire desktop?)");
        return false;
    }
    if (!m_runtime.isValid() ||
        !QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        m_error = QStringLiteral("no private runtime folder: ") + m_runtime.errorString();
        return false;
    }
    // Everything this process starts from now on, speech-dispatcher included, finds the private
    // server and its own speech-dispatcher socket here, and nowhere else.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    qputenv("PULSE_SERVER", serverAddress().toUtf8());
    for (const char* name : {"SPEECHD_ADDRESS", "SPEECHD_CMD", "PULSE_SINK", "PULSE_SOURCE"})
        qunsetenv(name);
    m_running = startServer() && startRecorder();
    return m_running;
}

const QByteArray& PrivateSoundServer::recording()
{
    m_recording += m_recorder.readAllStandardOutput();
    return m_recording;
}

bool PrivateSoundServer::startServer()
{
    const QString socket = m_runtime.filePath(QStringLiteral("pulse/native"));
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    endWithParent(m_server);
    m_server.start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("--daemonize=no"), QStringLiteral("-n"), QStringLiteral("--exit-idle-time=-1"),
         QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket,
         QStringLiteral("--load=module-null-sink sink_name=%1 rate=%2 channels=1").arg(kSink).arg(kSampleRate)});
    if (QTest::qWaitFor([&] { return QFileInfo::exists(socket) || m_server.state() == QProcess::NotRunning; },
                        kStartTimeoutMs) &&
        m_server.state() != QProcess::NotRunning)
        return true;
    m_error = QStringLiteral("the private PulseAudio server did not start: ") +
              QString::fromLocal8Bit(m_server.readAll()).trimmed();
    return false;
}

bool PrivateSoundServer::startRecorder()
{
    // The socket may appear a moment before the server answers on it: try again until it does.
    // The monitor of an idle null sink records silence, so data flows as soon as parec runs.
    endWithParent(m_recorder);
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        m_recorder.start(QStringLiteral("parec"),
                         {QStringLiteral("--server=") + serverAddress(),
                          QStringLiteral("--device=%1.monitor").arg(kSink), QStringLiteral("--format=s16le"),
                          QStringLiteral("--rate=%1").arg(kSampleRate), QStringLiteral("--channels=1"),
                          QStringLiteral("--latency-msec=20")});
        if (QTest::qWaitFor([this] { return !recording().isEmpty() || m_recorder.state() == QProcess::NotRunning; },
                            int(deadline.remainingTime())) &&
            !m_recording.isEmpty())
            return true;
        m_error = QStringLiteral("parec recorded nothing: ") +
                  QString::fromLocal8Bit(m_recorder.readAllStandardError()).trimmed();
        m_recorder.waitForFinished(1000);
        QTest::qWait(100);
    }
    return false;
}

void PrivateSoundServer::stopSpeechDispatcher()
{
    // A voice still opening would start another one in the folder that is about to go.
    qputenv("SPEECHD_CMD", QFile::encodeName(m_runtime.filePath(QStringLiteral("no-speech-dispatcher"))));
    // Found by the socket on its command line: its pid file is not always there.
    const SpeechServerWatch server;
    if (!server.found() || processGone(server.pid()))
        return;
    const qint64 pid = server.pid();
    // One that lost its sound server ignores SIGTERM.
    ::kill(pid_t(pid), SIGTERM);
    if (QTest::qWaitFor([pid] { return processGone(pid); }, 5000))
        return;
    ::kill(pid_t(pid), SIGKILL);
    if (!QTest::qWaitFor([pid] { return processGone(pid); }, 5000))
        qWarning("speech-dispatcher %lld did not end", pid);
}

QString PrivateSoundServer::serverAddress() const
{
    return QStringLiteral("unix:") + m_runtime.filePath(QStringLiteral("pulse/native"));
}
