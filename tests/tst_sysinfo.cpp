#include "sysinfo/getsysteminformation.h"

#include <QSysInfo>
#include <QTest>

// The system-information lines of the chooser, from made-up version records and from this system.
Q_DECLARE_METATYPE(VersionRecord)

class TestSysInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void platformAndVersion_data();
    void platformAndVersion();
    void bootMode_data();
    void bootMode();
    void kernelVersion_data();
    void kernelVersion();
    void runningSystemIsReportedTruthfully();
};

namespace {

VersionRecord record(quint32 platformId, quint32 major, quint32 minor, quint32 build)
{
    VersionRecord r;
    r.platformId = platformId;
    r.major = major;
    r.minor = minor;
    r.build = build;
    return r;
}

const QString br = u"\n\r"_qs;

} // namespace

void TestSysInfo::platformAndVersion_data()
{
    QTest::addColumn<VersionRecord>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("NT") << record(2, 5, 1, 2600)
                        << u"Platform = Windows NT"_qs + br + u"Version = 5.1 Build 2600"_qs + br;
    QTest::newRow("95 family, build in the low 16 bits")
        << record(1, 4, 10, 0x040A08AE) << u"Platform = Windows 95"_qs + br + u"Version = 4.10 Build 2222"_qs + br;
    QTest::newRow("unknown platform") << record(3, 1, 0, 7) << u"Version = 1.0 Build 7"_qs + br;
    QTest::newRow("failed query") << VersionRecord() << u"Version = 0.0 Build 0"_qs + br;
    VersionRecord named = record(0, 6, 1, 0);
    named.platformName = u"Linux"_qs;
    QTest::newRow("named system") << named << u"Platform = Linux"_qs + br + u"Version = 6.1 Build 0"_qs + br;
    VersionRecord windowsNamed = record(2, 10, 0, 19045);
    windowsNamed.platformName = u"Linux"_qs;
    QTest::newRow("Windows ids win over a name")
        << windowsNamed << u"Platform = Windows NT"_qs + br + u"Version = 10.0 Build 19045"_qs + br;
}

void TestSysInfo::platformAndVersion()
{
    QFETCH(VersionRecord, version);
    QFETCH(QString, expected);
    QCOMPARE(systemInformationText(version).platformAndVersion, expected);
}

void TestSysInfo::bootMode_data()
{
    QTest::addColumn<VersionRecord>("version");
    QTest::addColumn<QString>("expected");
    const QString running = u"Windows is running in "_qs;
    const auto withBoot = [](int mode, bool debug = false, bool slow = false) {
        VersionRecord r = record(2, 5, 1, 2600);
        r.bootMode = mode;
        r.debug = debug;
        r.slow = slow;
        return r;
    };
    QTest::newRow("normal") << withBoot(0) << running + u"normal mode."_qs + br;
    QTest::newRow("safe") << withBoot(1) << running + u"safe mode."_qs + br;
    QTest::newRow("safe with network") << withBoot(2) << running + u"safe mode with network."_qs + br;
    QTest::newRow("other mode: no line break") << withBoot(7) << running;
    QTest::newRow("both warnings, debug first")
        << withBoot(0, true, true)
        << running + u"normal mode."_qs + br + u"Windows Debugging Mode in operation"_qs + br +
               u"This machine is too slow to run Windows effectively."_qs + br;
    QTest::newRow("slow only") << withBoot(3, false, true)
                               << running + u"This machine is too slow to run Windows effectively."_qs + br;
    VersionRecord named = record(0, 6, 1, 0);
    named.platformName = u"Linux"_qs;
    QTest::newRow("named system") << named << u"Linux is running in normal mode."_qs + br;
}

void TestSysInfo::bootMode()
{
    QFETCH(VersionRecord, version);
    QFETCH(QString, expected);
    QCOMPARE(systemInformationText(version).bootMode, expected);
}

void TestSysInfo::kernelVersion_data()
{
    QTest::addColumn<QString>("release");
    QTest::addColumn<quint32>("major");
    QTest::addColumn<quint32>("minor");
    QTest::addColumn<quint32>("build");
    QTest::newRow("Debian") << u"6.1.0-18-amd64"_qs << 6u << 1u << 0u;
    QTest::newRow("four parts") << u"5.15.153.1-microsoft-standard-WSL2"_qs << 5u << 15u << 153u;
    QTest::newRow("two parts") << u"6.8"_qs << 6u << 8u << 0u;
    QTest::newRow("patch with suffix") << u"4.19.12rc1"_qs << 4u << 19u << 12u;
    QTest::newRow("empty") << QString() << 0u << 0u << 0u;
    QTest::newRow("no numbers") << u"unknown"_qs << 0u << 0u << 0u;
}

void TestSysInfo::kernelVersion()
{
    QFETCH(QString, release);
    const KernelVersion version = parseKernelVersion(release);
    QTEST(version.major, "major");
    QTEST(version.minor, "minor");
    QTEST(version.build, "build");
}

void TestSysInfo::runningSystemIsReportedTruthfully()
{
    const VersionRecord current = currentVersionRecord();
    const SystemInfoText text = systemInformationText(current);
    if (QSysInfo::kernelType() == u"winnt"_qs) {
        QVERIFY(text.platformAndVersion.startsWith(u"Platform = Windows NT"_qs + br));
        QVERIFY(current.major >= 6);
        return;
    }
    QCOMPARE(current.platformName.toLower(), QSysInfo::kernelType());
    QCOMPARE(current.bootMode, 0);
    const KernelVersion kernel = parseKernelVersion(QSysInfo::kernelVersion());
    QCOMPARE(text.platformAndVersion,
             u"Platform = %1"_qs.arg(current.platformName) + br +
                 u"Version = %1.%2 Build %3"_qs.arg(kernel.major).arg(kernel.minor).arg(kernel.build) + br);
    QVERIFY(kernel.major > 0);
    QCOMPARE(text.bootMode, current.platformName + u" is running in normal mode."_qs + br);
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
