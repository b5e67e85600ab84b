#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/TestFiles.h"
#include "vocab/Library.h"
#include "vocab/NoteLocation.h"
#include "vocab/TextFile.h"
#include "vocab/WordList.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Choosing a list: a packaged list is written out and made current, the note file is read in place,
// and the note file's location is kept in the settings and created when missing.
class TestLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstStartStoresTheDefaultAndCreatesIt();
    void existingNoteFileIsLeftAsItIs();
    void deletedNoteFileIsCreatedAgain();
    void uncreatableNoteFileIsReported();
    void uncreatableDefaultIsReported();
    void packagedListIsWrittenOutAndMadeCurrent();
    void choosingTheSameListTwiceGivesTheSameEntries();
    void noteFileIsReadInPlace();
    void everyChoiceSetsItsSourceKind();
    void failedExtractionKeepsTheCurrentList();
    void newNoteLocationIsStoredAndCreated();
    void existingNoteLocationKeepsItsEntries();
    void cancelledNoteLocationChangesNothing();
    void uncreatableNoteLocationIsNotStored();

private:
    QString noteSetting() const { return m_settings->GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs); }
    QString tempDir() const { return m_dir.path() + u"/temp/"_qs; }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
};

void TestLibrary::init()
{
    QFile::remove(defaultNotePath());
    QFile::remove(m_dir.filePath(u"settings.ini"_qs));
    QDir(tempDir()).removeRecursively();
    QVERIFY(QDir().mkpath(tempDir()));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_share = Share();
}

void TestLibrary::firstStartStoresTheDefaultAndCreatesIt()
{
    QString error;
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QCOMPARE(noteSetting(), defaultNotePath());
    QCOMPARE(m_share.NoteFile, defaultNotePath());
    QVERIFY(QFileInfo(defaultNotePath()).isFile());
    QCOMPARE(QFileInfo(defaultNotePath()).size(), 0);
}

void TestLibrary::existingNoteFileIsLeftAsItIs()
{
    const QString path = m_dir.filePath(u"mine.txt"_qs);
    QVERIFY(writeGbkList(path, {u"able/5eIbl/adj.能"_qs}));
    m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
    QString error;
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QCOMPARE(m_share.NoteFile, path);
    QCOMPARE(readBytes(path), gbk(u"able/5eIbl/adj.能\r\n"_qs));
    QVERIFY(!QFileInfo::exists(defaultNotePath()));
}

void TestLibrary::deletedNoteFileIsCreatedAgain()
{
    const QString path = m_dir.filePath(u"notes.not"_qs);
    m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
    QString error;
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QVERIFY(QFile::remove(path));
    QVERIFY(Library::PrepareNoteFile(m_share, *m_settings, &error));
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(noteSetting(), path);
}

void TestLibrary::uncreatableNoteFileIsReported()
{
    const QString path = m_dir.filePath(u"missing/notes.txt"_qs);
    m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
    QString error;
    QVERIFY(!Library::PrepareNoteFile(m_share, *m_settings, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY(!QFileInfo::exists(path));

    // The note-file button does not make it the current list either.
    m_share.LibraryKey = u"GRE1"_qs;
    m_share.SourceKind = Share::PackagedSource;
    error.clear();
    QVERIFY(!Library::ChooseNoteFile(m_share, *m_settings, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(m_share.LibraryKey, u"GRE1"_qs);
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
}

void TestLibrary::uncreatableDefaultIsReported()
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_dir.filePath(u"no-such-home"_qs)));
    QString error;
    const bool prepared = Library::PrepareNoteFile(m_share, *m_settings, &error);
    const QString defaultPath = defaultNotePath();
    qputenv("HOME", home);
    QVERIFY(!prepared);
    QVERIFY2(error.contains(defaultPath), qPrintable(error));
    QCOMPARE(m_share.NoteFile, defaultPath);
}

void TestLibrary::packagedListIsWrittenOutAndMadeCurrent()
{
    QString error;
    QVERIFY2(Library::ChoosePackagedList(m_share, u"TAVIKTEST"_qs, tempDir(), &error), qPrintable(error));
    QCOMPARE(m_share.WordFile, tempDir() + u"TAVIKTEST"_qs);
    QCOMPARE(m_share.LibraryKey, u"TAVIKTEST"_qs);
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
    QCOMPARE(readBytes(m_share.WordFile),
             readBytes(qEnvironmentVariable("TAVIK_TEST_DATA") + QStringLiteral("/dic/TAVIKTEST")));
}

void TestLibrary::choosingTheSameListTwiceGivesTheSameEntries()
{
    QString error;
    QVERIFY(Library::ChoosePackagedList(m_share, u"TAVIKTEST"_qs, tempDir(), &error));
    const auto first = TextFile::readLines(m_share.WordFile, &error);
    QVERIFY(Library::ChoosePackagedList(m_share, u"TAVIKTEST"_qs, tempDir(), &error));
    const auto second = TextFile::readLines(m_share.WordFile, &error);
    QVERIFY(first && second);
    QCOMPARE(second->lines, first->lines);
    QCOMPARE(readWordList(second->lines).EntryEnd, 4);
    QCOMPARE(QDir(tempDir()).entryList(QDir::Files), QStringList{u"TAVIKTEST"_qs});
}

void TestLibrary::noteFileIsReadInPlace()
{
    QString error;
    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    QCOMPARE(m_share.WordFile, defaultNotePath());
    QCOMPARE(m_share.LibraryKey, defaultNotePath());
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QVERIFY(QDir(tempDir()).isEmpty());
}

void TestLibrary::everyChoiceSetsItsSourceKind()
{
    QString error;
    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    QVERIFY(Library::ChoosePackagedList(m_share, u"TAVIKTEST"_qs, tempDir(), &error));
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QCOMPARE(m_share.WordFile, defaultNotePath());
}

void TestLibrary::failedExtractionKeepsTheCurrentList()
{
    QString error;
    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    const Share before = m_share;

    QVERIFY(!Library::ChoosePackagedList(m_share, u"NOSUCHLIST"_qs, tempDir(), &error));
    QVERIFY2(error.contains(u"NOSUCHLIST"_qs), qPrintable(error));
    QVERIFY(!QFileInfo::exists(tempDir() + u"NOSUCHLIST"_qs));

    error.clear();
    const QString unwritable = m_dir.filePath(u"missing/"_qs);
    QVERIFY(!Library::ChoosePackagedList(m_share, u"TAVIKTEST"_qs, unwritable, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(unwritable + u"TAVIKTEST"_qs)), qPrintable(error));

    QCOMPARE(m_share.WordFile, before.WordFile);
    QCOMPARE(m_share.LibraryKey, before.LibraryKey);
    QCOMPARE(m_share.SourceKind, before.SourceKind);
}

void TestLibrary::newNoteLocationIsStoredAndCreated()
{
    const QString path = m_dir.filePath(u"new notes.ter"_qs);
    QString error;
    QVERIFY(Library::StoreNoteLocation(*m_settings, path, &error));
    QCOMPARE(noteSetting(), QDir::toNativeSeparators(path));
    QCOMPARE(QFileInfo(path).size(), 0);

    QVERIFY(Library::ChooseNoteFile(m_share, *m_settings, &error));
    QCOMPARE(m_share.WordFile, QDir::toNativeSeparators(path));
    const auto content = TextFile::readLines(m_share.WordFile, &error);
    QVERIFY(content);
    QVERIFY(readWordList(content->lines).EntryEnd == 1);
}

void TestLibrary::existingNoteLocationKeepsItsEntries()
{
    const QString path = m_dir.filePath(u"old.txt"_qs);
    QVERIFY(writeGbkList(path, {u"abase/E5beIs/vt.降低"_qs}));
    QString error;
    QVERIFY(Library::StoreNoteLocation(*m_settings, path, &error));
    QCOMPARE(noteSetting(), QDir::toNativeSeparators(path));
    QCOMPARE(readBytes(path), gbk(u"abase/E5beIs/vt.降低\r\n"_qs));
}

void TestLibrary::cancelledNoteLocationChangesNothing()
{
    const QString path = m_dir.filePath(u"kept.txt"_qs);
    QString error;
    QVERIFY(Library::StoreNoteLocation(*m_settings, path, &error));
    QVERIFY(Library::StoreNoteLocation(*m_settings, QString(), &error));
    QCOMPARE(noteSetting(), QDir::toNativeSeparators(path));
    QVERIFY(error.isEmpty());
}

void TestLibrary::uncreatableNoteLocationIsNotStored()
{
    const QString path = m_dir.filePath(u"missing/notes.txt"_qs);
    QString error;
    QVERIFY(!Library::StoreNoteLocation(*m_settings, path, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(noteSetting(), u"0"_qs);
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
