#include "drill/NoteFile.h"
#include "drill/Share.h"
#include "support/TestFiles.h"
#include "vocab/TextFile.h"
#include "vocab/WordList.h"

#include <QTemporaryDir>
#include <QTest>

// Adding to and deleting from the personal note file, including the ways a file can fail: memory
// and file must never disagree, and nothing of the user's is lost.
class TestNoteFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addAppendsTheWholeEntryAndCreatesTheFile()
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

    void deleteRewritesOnlyTheEntrysLines()
    {
        // The user's own title and a blank line are no entries, but they are the user's.
        Share share = noteList(u"own.txt"_qs, gbk(u"My words\r\na//1\r\n\r\nb//2\r\nx=y\r\nc//3"_qs));
        QString error;
        QVERIFY2(DeleteFromNote(share, 2, &error), qPrintable(error));
        QCOMPARE(readBytes(share.NoteFile), gbk(u"My words\r\na//1\r\n\r\nc//3\r\n"_qs));
        QCOMPARE(share.EntryEnd, 3);
        QCOMPARE(share.Words.mid(1, 3), (QStringList{u"a//1"_qs, u"c//3"_qs, QString()}));
        QCOMPARE(share.Words.size(), LastSlot + 1);
        QVERIFY(!DeleteFromNote(share, 3, &error));

        QVERIFY(DeleteFromNote(share, 1, &error));
        QVERIFY(DeleteFromNote(share, 1, &error));
        QCOMPARE(share.EntryEnd, 1);
        QCOMPARE(readBytes(share.NoteFile), gbk(u"My words\r\n\r\n"_qs));
    }

    void deleteKeepsUtf8FilesUtf8()
    {
        Share share = noteList(u"utf8.txt"_qs, u"ʌ//1\r\n算//2\r\n"_qs.toUtf8());
        QString error;
        QVERIFY2(DeleteFromNote(share, 1, &error), qPrintable(error));
        QVERIFY(AddToNote(share, 1, &error));
        QCOMPARE(readBytes(share.NoteFile), u"算//2\r\n算//2\r\n"_qs.toUtf8());
    }

    void failuresChangeNothing()
    {
        QString error;
        Share missingFolder;
        missingFolder.NoteFile = m_dir.filePath(u"missing-folder/note.txt"_qs);
        missingFolder.Words[1] = u"a//b"_qs;
        QVERIFY(!AddToNote(missingFolder, 1, &error));
        QVERIFY(error.contains(u"note.txt"_qs));

        // Changed on disk since it was loaded: deleting by position would remove the wrong lines.
        Share changed = noteList(u"changed.txt"_qs, gbk(u"a//1\r\nb//2\r\n"_qs));
        writeBytes(changed.NoteFile, gbk(u"z//9\r\nb//2\r\n"_qs));
        QVERIFY(!DeleteFromNote(changed, 1, &error));
        QCOMPARE(readBytes(changed.NoteFile), gbk(u"z//9\r\nb//2\r\n"_qs));
        QCOMPARE(changed.EntryEnd, 3);

        Share gone = noteList(u"gone.txt"_qs, gbk(u"a//1\r\nb//2\r\n"_qs));
        QFile::remove(gone.NoteFile);
        QVERIFY(!DeleteFromNote(gone, 1, &error));
        QVERIFY(error.contains(u"gone.txt"_qs));
        QCOMPARE(gone.EntryEnd, 3);
        QCOMPARE(gone.Words.at(1), u"a//1"_qs);
        QVERIFY(!TextFile::exists(gone.NoteFile));
    }

private:
    Share noteList(const QString& name, const QByteArray& bytes)
    {
        Share share;
        share.NoteFile = share.WordFile = m_dir.filePath(name);
        share.SourceKind = Share::NoteFileSource;
        writeBytes(share.NoteFile, bytes);
        QString error;
        const WordList list = readWordList(TextFile::readLines(share.NoteFile, &error)->lines);
        share.Words = list.Words;
        share.EntryEnd = static_cast<qint16>(list.EntryEnd);
        return share;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_notefile.moc"
