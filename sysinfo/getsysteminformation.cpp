#include "sysinfo/getsysteminformation.h"

#include <QRegularExpression>

namespace {

QString platformName(const VersionRecord& record)
{
    switch (record.platformId) {
    case VersionRecord::Windows95Family:
        return QStringLiteral("Windows 95");
    case VersionRecord::WindowsNtFamily:
        return QStringLiteral("Windows NT");
    default:
        return record.platformName;
    }
}

// The boot-mode line names the system that is running: Windows, unless the record names another.
QString systemName(const VersionRecord& record)
{
    const bool windows =
        record.platformId == VersionRecord::Windows95Family || record.platformId == VersionRecord::WindowsNtFamily;
    return windows || record.platformName.isEmpty() ? QStringLiteral("Windows") : record.platformName;
}

QString bootModeText(int bootMode)
{
    switch (bootMode) {
    case 0:
        return QStringLiteral("normal mode.");
    case 1:
        return QStringLiteral("safe mode.");
    case 2:
        return QStringLiteral("safe mode with network.");
    default:
        return QString();
    }
}

} // namespace

SystemInfoText systemInformationText(const VersionRecord& record)
{
    SystemInfoText text;
    const QString platform = platformName(record);
    if (!platform.isEmpty())
        text.platformAndVersion += QStringLiteral("Platform = ") + platform + SysInfoLineBreak;
    text.platformAndVersion +=
        QStringLiteral("Version = %1.%2 Build %3").arg(record.major).arg(record.minor).arg(record.build & 0xFFFFu) +
        SysInfoLineBreak;

    text.bootMode = systemName(record) + QStringLiteral(" is running in ");
    const QString mode = bootModeText(record.bootMode);
    if (!mode.isEmpty())
        text.bootMode += mode + SysInfoLineBreak;
    if (record.debug)
        text.bootMode += QStringLiteral("Windows Debugging Mode in operation") + SysInfoLineBreak;
    if (record.slow)
        text.bootMode += QStringLiteral("This machine is too slow to run Windows effectively.") + SysInfoLineBreak;
    return text;
}

KernelVersion parseKernelVersion(const QString& release)
{
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = numbers.match(release);
    KernelVersion version;
    if (!match.hasMatch())
        return version;
    version.major = match.captured(1).toUInt();
    version.minor = match.captured(2).toUInt();
    version.build = match.captured(3).toUInt();
    return version;
}
