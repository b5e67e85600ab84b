#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"
#include "sysinfo/getsysteminformation.h"
#include "vocab/Library.h"
#include "vocab/NoteLocation.h"
#include "vocab/Resources.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(VersionRecord)

// The chooser's rules without a window: writing a packaged list out, the note file and its setting,
// what each choice makes the current list, and the system-information lines.
class TestChooserRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void extractionReplacesALongerFileWhole();
    void missingResourceLeavesNoFile();
    void firstStartStoresTheDefaultAndCreatesIt();
    void noteFileIsKeptOrCreatedAgain();
    void everyChoiceSetsItsSourceAndFile();
    void systemInformation_data();
    void systemInformation();
    void kernelVersion_data();
    void kernelVersion();

private:
    QString noteSetting() const { return m_settings->GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs); }
    QString tempDir() const { return m_dir.path() + u"/temp/"_qs; }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
};

void TestChooserRules::init()
{
    QFile::remove(defaultNotePath());
    QFile::remove(m_dir.filePath(u"settings.ini"_qs));
    QDir(tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(tempDir()));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_share = Share();
}

void TestChooserRules::extractionReplacesALongerFileWhole()
{
    const QString path = m_dir.filePath(u"MATH1"_qs);
    const QByteArray math = LoadResData(u"MATH1"_qs, u"DIC"_qs).value_or(QByteArray());
    QVERIFY(writeBytes(path, QByteArray(math.size() + 4096, 'x')));
    QVERIFY(SaveFileFromRes(u"MATH1"_qs, u"DIC"_qs, path));
    QCOMPARE(QFileInfo(path).size(), math.size());
    QCOMPARE(readBytes(path), math);
}

void TestChooserRules::missingResourceLeavesNoFile()
{
    const QString path = m_dir.filePath(u"NOSUCHLIST"_qs);
    QVERIFY(!SaveFileFromRes(u"NOSUCHLIST"_qs, u"DIC"_qs, path));
    QVERIFY(!QFileInfo::exists(path));
}

void TestChooserRules::firstStartStoresTheDefaultAndCreatesIt()
{
    QString error;
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QCOMPARE(noteSetting(), defaultNotePath());
    QCOMPARE(m_share.NoteFile, defaultNotePath());
    QVERIFY(QFileInfo(defaultNotePath()).isFile());
    QCOMPARE(QFileInfo(defaultNotePath()).size(), 0);
}

void TestChooserRules::noteFileIsKeptOrCreatedAgain()
{
    const QString path = m_dir.filePath(u"notes.not"_qs);
    QVERIFY(writeGbkList(path, {u"abase/E5beIs/vt.降低"_qs}));
    m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
    QString error;
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QCOMPARE(readBytes(path), gbk(u"abase/E5beIs/vt.降低\r\n"_qs));

    QVERIFY(QFile::remove(path));
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(m_share.NoteFile, path);
    QCOMPARE(noteSetting(), path);
    QVERIFY(!QFileInfo::exists(defaultNotePath()));
}

void TestChooserRules::everyChoiceSetsItsSourceAndFile()
{
    QString error;
    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QCOMPARE(m_share.LibraryKey, defaultNotePath());
    QCOMPARE(m_share.WordFile, defaultNotePath()); // read in place: nothing is extracted
    QVERIFY(QDir(tempDir()).isEmpty());

    QVERIFY2(Library::ChoosePackagedList(m_share, u"MATH1"_qs, tempDir(), &error), qPrintable(error));
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
    QCOMPARE(m_share.LibraryKey, u"MATH1"_qs);
    QCOMPARE(m_share.WordFile, tempDir() + u"MATH1"_qs);
    QVERIFY(QFileInfo(m_share.WordFile).isFile());

    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QCOMPARE(m_share.WordFile, defaultNotePath());
}

void TestChooserRules::systemInformation_data()
{
    QTest::addColumn<VersionRecord>("record");
    QTest::addColumn<QString>("platformAndVersion");
    QTest::addColumn<QString>("bootMode");
    const QString br = SysInfoLineBreak;
    const QString nt = u"Platform = Windows NT"_qs + br + u"Version = 5.1 Build 2600"_qs + br;
    const QString running = u"Windows is running in "_qs;
    const auto record = [](quint32 platformId, quint32 build, int bootMode, bool debug = false, bool slow = false) {
        VersionRecord r;
        r.platformId = platformId;
        r.major = platformId == 1 ? 4 : 5;
        r.minor = platformId == 1 ? 10 : 1;
        r.build = build;
        r.bootMode = bootMode;
        r.debug = debug;
        r.slow = slow;
        return r;
    };
    QTest::newRow("NT, normal") << record(2, 2600, 0) << nt << running + u"normal mode."_qs + br;
    QTest::newRow("95 family: low 16 bits of the build, safe mode")
        << record(1, 0x040A08AE, 1) << u"Platform = Windows 95"_qs + br + u"Version = 4.10 Build 2222"_qs + br
        << running + u"safe mode."_qs + br;
    QTest::newRow("unknown platform, safe mode with network")
        << record(3, 7, 2) << u"Version = 5.1 Build 7"_qs + br << running + u"safe mode with network."_qs + br;
    QTest::newRow("other boot mode: no line break") << record(2, 2600, 7) << nt << running;
    QTest::newRow("both warnings, debug first")
        << record(2, 2600, 0, true, true) << nt
        << running + u"normal mode."_qs + br + u"Windows Debugging Mode in operation"_qs + br +
               u"This machine is too slow to run Windows effectively."_qs + br;
    VersionRecord named = record(0, 0, 0);
    named.platformName = u"Linux"_qs;
    QTest::newRow("a system other than Windows names itself")
        << named << u"Platform = Linux"_qs + br + u"Version = 5.1 Build 0"_qs + br
        << u"Linux is running in normal mode."_qs + br;
}

void TestChooserRules::systemInformation()
{
    QFETCH(VersionRecord, record);
    const SystemInfoText text = systemInformationText(record);
    QTEST(text.platformAndVersion, "platformAndVersion");
    QTEST(text.bootMode, "bootMode");
}

void TestChooserRules::kernelVersion_data()
{
    QTest::addColumn<QString>("release");
    QTest::addColumn<QList<quint32>>("version");
    QTest::newRow("Debian") << u"6.1.0-18-amd64"_qs << QList<quint32>{6, 1, 0};
    QTest::newRow("four parts, suffix") << u"5.15.153.1-microsoft-standard-WSL2"_qs << QList<quint32>{5, 15, 153};
    QTest::newRow("two parts") << u"6.8"_qs << QList<quint32>{6, 8, 0};
    QTest::newRow("no numbers") << u"unknown"_qs << QList<quint32>{0, 0, 0};
}

void TestChooserRules::kernelVersion()
{
    QFETCH(QString, release);
    const KernelVersion kernel = parseKernelVersion(release);
    QTEST((QList<quint32>{kernel.major, kernel.minor, kernel.build}), "version");
}

QTEST_GUILESS_MAIN(TestChooserRules)
#include "tst_chooser_rules.moc"
