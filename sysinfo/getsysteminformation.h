#pragma once

#include <QString>

// The facts the library chooser shows about the running system.
struct VersionRecord {
    enum : quint32 { Windows95Family = 1, WindowsNtFamily = 2 };

    quint32 platformId = 0; // as Windows reports it; 0 on other systems
    QString platformName;   // the system's own name where it is not Windows ("Linux")
    quint32 major = 0;
    quint32 minor = 0;
    quint32 build = 0; // the 95 family keeps the version in the high 16 bits
    int bootMode = 0;  // 0 normal, 1 safe mode, 2 safe mode with network
    bool debug = false;
    bool slow = false;
};

// The texts of the chooser's two system-information labels.
struct SystemInfoText {
    QString platformAndVersion; // Label2
    QString bootMode;           // Label3
};

// Every line ends with a line feed followed by a carriage return.
inline const QString SysInfoLineBreak = QStringLiteral("\n\r");

SystemInfoText systemInformationText(const VersionRecord& record);

// The running system, as its platform layer reports it.
VersionRecord currentVersionRecord();

struct KernelVersion {
    quint32 major = 0;
    quint32 minor = 0;
    quint32 build = 0;
};

// The leading numbers of a kernel release such as "6.1.0-18-amd64"; missing parts are 0.
KernelVersion parseKernelVersion(const QString& release);
