#include "drill/NoteFile.h"
#include "drill/Share.h"
#include "support/TestFiles.h"
#include "vocab/TextFile.h"
#include "vocab/WordList.h"

#include <QTemporaryDir>
#include <QTest>

// Adding to and deleting from the personal note file, including the ways a file can fail.
class TestNoteFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addAppendsTheWholeEntryAndCreatesTheFile();
    void addFailsWithoutTouchingAnything();
    void deleteRewritesTheFileAndTheTable();
    void deleteTheOnlyEntryLeavesAnEmptyFile();
    void deleteKeepsLinesTheReaderDrops();
    void deleteKeepsUtf8FilesUtf8();
    void deleteRefusesAChangedFile();
    void deleteFailureLeavesMemoryAndFileAlone();

private:
    Share noteList(const QString& name, const QByteArray& bytes);
    QTemporaryDir m_dir;
};

Share TestNoteFile::noteList(const QString& name, const QByteArray& bytes)
{
    Share share;
    share.NoteFile = m_dir.filePath(name);
    share.WordFile = share.NoteFile;
    share.SourceKind = Share::NoteFileSource;
    writeBytes(share.NoteFile, bytes);
    QString error;
    const WordList list = readWordList(TextFile::readLines(share.NoteFile, &error)->lines);
    share.Words = list.Words;
    share.EntryEnd = static_cast<qint16>(list.EntryEnd);
    return share;
}

void TestNoteFile::addAppendsTheWholeEntryAndCreatesTheFile()
{
    Share share;
    share.NoteFile = m_dir.filePath(u"new-note.txt"_qs);
    share.Words[5] = u"abacus//n.算盘\r\nabacus:calculate=balance:weight"_qs;
    QString error;
    QVERIFY2(AddToNote(share, 5, &error), qPrintable(error));
    QVERIFY2(AddToNote(share, 5, &error), qPrintable(error));
    const QByteArray once = gbk(u"abacus//n.算盘\r\nabacus:calculate=balance:weight\r\n"_qs);
    QCOMPARE(readBytes(share.NoteFile), once + once);
}

void TestNoteFile::addFailsWithoutTouchingAnything()
{
    Share share;
    share.NoteFile = m_dir.filePath(u"missing-folder/note.txt"_qs);
    share.Words[1] = u"a//b"_qs;
    QString error;
    QVERIFY(!AddToNote(share, 1, &error));
    QVERIFY(error.contains(u"note.txt"_qs));

    // A folder where the file should be.
    share.NoteFile = m_dir.path();
    error.clear();
    QVERIFY(!AddToNote(share, 1, &error));
    QVERIFY(!error.isEmpty());
}

void TestNoteFile::deleteRewritesTheFileAndTheTable()
{
    Share share = noteList(u"three.txt"_qs, gbk(u"一//1\r\n二//2\r\nx=y\r\n三//3\r\n"_qs));
    QString error;
    QVERIFY2(DeleteFromNote(share, 2, &error), qPrintable(error));
    QCOMPARE(share.EntryEnd, 3);
    QCOMPARE(share.Words.mid(1, 3), (QStringList{u"一//1"_qs, u"三//3"_qs, QString()}));
    QCOMPARE(share.Words.size(), LastSlot + 1);
    QCOMPARE(readBytes(share.NoteFile), gbk(u"一//1\r\n三//3\r\n"_qs));
    QVERIFY(!DeleteFromNote(share, 3, &error));
    QVERIFY(!DeleteFromNote(share, 0, &error));
}

void TestNoteFile::deleteTheOnlyEntryLeavesAnEmptyFile()
{
    Share share = noteList(u"one.txt"_qs, gbk(u"唯一//only\r\n"_qs));
    QString error;
    QVERIFY(DeleteFromNote(share, 1, &error));
    QCOMPARE(share.EntryEnd, 1);
    QVERIFY(TextFile::exists(share.NoteFile));
    QCOMPARE(readBytes(share.NoteFile), QByteArray());
}

void TestNoteFile::deleteKeepsLinesTheReaderDrops()
{
    // The user's own title, a blank line and an entry the reader put in slot 0 are not entries,
    // but they are the user's: a delete must not take them away.
    Share share = noteList(u"own.txt"_qs, gbk(u"My words\r\nsee: below\r\na//1\r\n\r\nb//2\r\nc//3"_qs));
    QString error;
    QVERIFY2(DeleteFromNote(share, 2, &error), qPrintable(error));
    QCOMPARE(readBytes(share.NoteFile), gbk(u"My words\r\nsee: below\r\na//1\r\n\r\nc//3\r\n"_qs));
}

void TestNoteFile::deleteKeepsUtf8FilesUtf8()
{
    Share share = noteList(u"utf8.txt"_qs, u"ʌ//1\r\n算//2\r\n"_qs.toUtf8());
    QString error;
    QVERIFY2(DeleteFromNote(share, 1, &error), qPrintable(error));
    QCOMPARE(readBytes(share.NoteFile), u"算//2\r\n"_qs.toUtf8());
    QVERIFY(AddToNote(share, 1, &error));
    QCOMPARE(readBytes(share.NoteFile), u"算//2\r\n算//2\r\n"_qs.toUtf8());
}

void TestNoteFile::deleteRefusesAChangedFile()
{
    Share share = noteList(u"changed.txt"_qs, gbk(u"a//1\r\nb//2\r\n"_qs));
    writeBytes(share.NoteFile, gbk(u"z//9\r\nb//2\r\n"_qs));
    QString error;
    QVERIFY(!DeleteFromNote(share, 1, &error));
    QVERIFY(error.contains(u"changed"_qs));
    QCOMPARE(share.EntryEnd, 3);
    QCOMPARE(readBytes(share.NoteFile), gbk(u"z//9\r\nb//2\r\n"_qs));
}

void TestNoteFile::deleteFailureLeavesMemoryAndFileAlone()
{
    Share share = noteList(u"gone.txt"_qs, gbk(u"a//1\r\nb//2\r\n"_qs));
    QFile::remove(share.NoteFile);
    QString error;
    QVERIFY(!DeleteFromNote(share, 1, &error));
    QVERIFY(error.contains(u"gone.txt"_qs));
    QCOMPARE(share.EntryEnd, 3);
    QCOMPARE(share.Words.at(1), u"a//1"_qs);
    QVERIFY(!TextFile::exists(share.NoteFile));
}

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_notefile.moc"
