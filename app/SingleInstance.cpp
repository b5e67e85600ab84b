#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

// The temporary folder may be shared by all users, so the name says whose copy holds the lock.
QString lockFileName()
{
    const QByteArray home = QDir::homePath().toUtf8();
    const QByteArray user = QCryptographicHash::hash(home, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("tavik-%1.lock").arg(QString::fromLatin1(user));
}

} // namespace

SingleInstance::SingleInstance(const QString& folder)
    : m_path(QDir(folder).filePath(lockFileName()))
    , m_lock(m_path)
{
    // The program runs for hours: only a holder that is gone makes the lock stale, never its age.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryLock()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstance::defaultFolder()
{
    return folderFor(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
}

QString SingleInstance::folderFor(const QString& runtimeFolder)
{
    if (!runtimeFolder.isEmpty() && QDir(runtimeFolder).exists())
        return runtimeFolder;
    return QDir::tempPath();
}
