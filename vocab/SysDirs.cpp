#include "vocab/SysDirs.h"

#include <QDir>

SysDirs GetSysDirs(const QString& privateTempDir)
{
    SysDirs dirs;
    dirs.TempDir = QDir::toNativeSeparators(QDir(privateTempDir).absolutePath());
    if (!dirs.TempDir.endsWith(QDir::separator()))
        dirs.TempDir += QDir::separator();
    dirs.WinDir = qEnvironmentVariable("windir");
    if (!dirs.WinDir.isEmpty())
        dirs.SysDir = dirs.WinDir + QStringLiteral("\\System32");
    return dirs;
}
