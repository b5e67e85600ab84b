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

// The chooser's rules without a window: the note file and its setting, what each choice makes the
// current list (a packaged one written out whole), and the system-information lines.
class TestChooserRules : public QObject {
    Q_OBJECT

    QString noteSetting() const { return m_settings->GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs); }
    QString tempDir() const { return m_dir.path() + u"/temp/"_qs; }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    QString m_error;

private Q_SLOTS:
    void init()
    {
        QFile::remove(defaultNotePath());
        QFile::remove(m_dir.filePath(u"settings.ini"_qs));
        QDir(tempDir()).removeRecursively();
        QVERIFY(QDir().mkpath(tempDir()));
        m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
        m_share = Share();
    }

    void noteFileIsStoredKeptOrMadeAgain()
    {
        // First start: the default is stored and made, empty.
        QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &m_error));
        QCOMPARE(noteSetting(), defaultNotePath());
        QCOMPARE(m_share.NoteFile, defaultNotePath());
        QVERIFY(QFileInfo(defaultNotePath()).isFile());
        QCOMPARE(QFileInfo(defaultNotePath()).size(), 0);

        // A stored one is kept as it is.
        const QString path = m_dir.filePath(u"notes.not"_qs);
        const QByteArray entry = gbk(u"abase/E5beIs/vt.降低\r\n"_qs);
        QVERIFY(writeBytes(path, entry) && QFile::remove(defaultNotePath()));
        m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
        QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &m_error));
        QCOMPARE(readBytes(path), entry);
        // Gone since: made again, empty, where the setting says.
        QVERIFY(QFile::remove(path));
        QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &m_error));
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(m_share.NoteFile, path);
        QCOMPARE(noteSetting(), path);
        QVERIFY(!QFileInfo::exists(defaultNotePath()));
    }

    void everyChoiceSetsItsSourceAndFile()
    {
        QVERIFY(!Library::ChoosePackagedList(m_share, u"NOSUCHLIST"_qs, tempDir(), &m_error));
        QVERIFY2(m_error.contains(u"NOSUCHLIST"_qs), qPrintable(m_error));
        QVERIFY(QDir(tempDir()).isEmpty());
        QCOMPARE(m_share.SourceKind, qint16(0));

        // A longer file left from before is replaced whole.
        const QString math = tempDir() + u"MATH1"_qs;
        const QByteArray bytes = LoadResData(u"MATH1"_qs, u"DIC"_qs).value_or(QByteArray());
        QVERIFY(writeBytes(math, QByteArray(bytes.size() + 4096, 'x')));
        QVERIFY2(Library::ChoosePackagedList(m_share, u"MATH1"_qs, tempDir(), &m_error), qPrintable(m_error));
        QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
        QCOMPARE(m_share.LibraryKey, u"MATH1"_qs);
        QCOMPARE(m_share.WordFile, math);
        QCOMPARE(readBytes(math), bytes);

        // The note file is read in place: nothing more is written out.
        QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &m_error));
        QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
        QCOMPARE(m_share.LibraryKey, defaultNotePath());
        QCOMPARE(m_share.WordFile, defaultNotePath());
        QCOMPARE(QDir(tempDir()).entryList(QDir::Files), QStringList{u"MATH1"_qs});
    }

    void systemInformation()
    {
        const QString br = SysInfoLineBreak;
        const QString nt = u"Platform = Windows NT"_qs + br + u"Version = 5.1 Build 2600"_qs + br;
        const QString running = u"Windows is running in "_qs;
        // platformId, platformName, major, minor, build, bootMode, debug, slow
        const struct {
            VersionRecord record;
            QString platformAndVersion, bootMode;
        } rows[] = {
            {{2, {}, 5, 1, 2600, 0}, nt, running + u"normal mode."_qs + br},
            // The 95 family keeps only the low 16 bits of the build.
            {{1, {}, 4, 10, 0x040A08AE, 1},
             u"Platform = Windows 95"_qs + br + u"Version = 4.10 Build 2222"_qs + br,
             running + u"safe mode."_qs + br},
            {{3, {}, 5, 1, 7, 2}, u"Version = 5.1 Build 7"_qs + br, running + u"safe mode with network."_qs + br},
            {{2, {}, 5, 1, 2600, 7}, nt, running}, // another boot mode: no line break
            {{2, {}, 5, 1, 2600, 0, true, true},
             nt,
             running + u"normal mode."_qs + br + u"Windows Debugging Mode in operation"_qs + br +
                 u"This machine is too slow to run Windows effectively."_qs + br},
            {{0, u"Linux"_qs, 6, 1, 0, 0},
             u"Platform = Linux"_qs + br + u"Version = 6.1 Build 0"_qs + br,
             u"Linux is running in normal mode."_qs + br},
        };
        for (const auto& row : rows) {
            const SystemInfoText text = systemInformationText(row.record);
            QCOMPARE(text.platformAndVersion, row.platformAndVersion);
            QCOMPARE(text.bootMode, row.bootMode);
        }
    }

    void kernelVersion()
    {
        const QList<QPair<QString, QList<quint32>>> rows{{u"6.1.0-18-amd64"_qs, {6, 1, 0}},
                                                         {u"5.15.153.1-microsoft-standard-WSL2"_qs, {5, 15, 153}},
                                                         {u"6.8"_qs, {6, 8, 0}},
                                                         {u"unknown"_qs, {0, 0, 0}}};
        for (const auto& [release, version] : rows) {
            const KernelVersion kernel = parseKernelVersion(release);
            QCOMPARE((QList<quint32>{kernel.major, kernel.minor, kernel.build}), version);
        }
    }
};

QTEST_GUILESS_MAIN(TestChooserRules)
#include "tst_chooser_rules.moc"
