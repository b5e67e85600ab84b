#include "sysinfo/getsysteminformation.h"

#include <QSysInfo>

#include <sys/utsname.h>

// A system other than Windows: its own name and kernel version; it has no safe mode, debug build or
// slow-machine flag to report.
VersionRecord currentVersionRecord()
{
    VersionRecord record;
    utsname names{};
    if (uname(&names) == 0)
        record.platformName = QString::fromLocal8Bit(names.sysname);
    const KernelVersion kernel = parseKernelVersion(QSysInfo::kernelVersion());
    record.major = kernel.major;
    record.minor = kernel.minor;
    record.build = kernel.build;
    return record;
}
