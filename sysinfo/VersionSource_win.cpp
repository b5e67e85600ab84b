#include "sysinfo/getsysteminformation.h"

#include <QOperatingSystemVersion>

#include <windows.h>

// Qt asks the kernel for the version, so it is not capped at the version the executable's manifest
// declares as GetVersionExA would be.
VersionRecord currentVersionRecord()
{
    const QOperatingSystemVersion version = QOperatingSystemVersion::current();
    VersionRecord record;
    record.platformId = VersionRecord::WindowsNtFamily;
    record.major = static_cast<quint32>(qMax(0, version.majorVersion()));
    record.minor = static_cast<quint32>(qMax(0, version.minorVersion()));
    record.build = static_cast<quint32>(qMax(0, version.microVersion()));
    record.bootMode = GetSystemMetrics(SM_CLEANBOOT);
    record.debug = GetSystemMetrics(SM_DEBUG) != 0;
    record.slow = GetSystemMetrics(SM_SLOWMACHINE) != 0;
    return record;
}
