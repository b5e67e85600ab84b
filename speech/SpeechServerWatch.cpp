#include "speech/SpeechServerWatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray readProc(qint64 pid, const char* entry)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1StringView(entry)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// speech-dispatcher started by libspeechd carries its socket on its command line.
bool servesSocket(qint64 pid, const QString& socket)
{
    const QList<QByteArray> arguments = readProc(pid, "cmdline").split('\0');
    if (arguments.isEmpty() || QFileInfo(QFile::decodeName(arguments.first())).fileName() != u"speech-dispatcher")
        return false;
    const qsizetype option = arguments.indexOf("--socket-path");
    return option >= 0 && option + 1 < arguments.size() && QFile::decodeName(arguments.at(option + 1)) == socket;
}

qint64 findServer(const QString& socket)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (isPid && servesSocket(pid, socket))
            return pid;
    }
    return 0;
}

} // namespace

SpeechServerWatch::SpeechServerWatch(const QProcessEnvironment& environment)
{
    const QString socket = speechDispatcherSocket(environment);
    if (!socket.isEmpty())
        m_pid = findServer(socket);
}

bool SpeechServerWatch::alive() const
{
    if (!found())
        return true;
    // A zombie has closed its sockets as surely as a process that is gone.
    const QByteArray stat = readProc(m_pid, "stat");
    const qsizetype state = stat.lastIndexOf(')') + 2;
    return state > 1 && state < stat.size() && stat.at(state) != 'Z';
}

QString speechDispatcherSocket(const QProcessEnvironment& environment)
{
    const QString address = environment.value(QStringLiteral("SPEECHD_ADDRESS"));
    if (address.startsWith(u"unix_socket:"))
        return address.mid(int(qstrlen("unix_socket:")));
    if (!address.isEmpty() && address != u"unix_socket")
        return QString();
    // As GLib's user runtime folder, which falls back to the cache folder.
    QString folder = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (folder.isEmpty())
        folder = environment.value(QStringLiteral("XDG_CACHE_HOME"));
    if (folder.isEmpty())
        folder = environment.value(QStringLiteral("HOME")) + QStringLiteral("/.cache");
    return folder + QStringLiteral("/speech-dispatcher/speechd.sock");
}
