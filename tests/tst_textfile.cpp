#include "support/TestFiles.h"
#include "vocab/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

using TextFile::Encoding;

// The text-file layer: GBK and UTF-8 files read without losing bad bytes, and writes that land
// whole or leave the file as it was.
class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesGbkWithoutLosingBadBytes()
    {
        bool errors = false;
        // "啊" then a lead byte cut off at the end of the data.
        QCOMPARE(TextFile::decode(QByteArray("\xb0\xa1\xc4", 3), Encoding::Gbk, &errors), u"啊\uFFFD"_qs);
        QVERIFY(errors);
        QCOMPARE(TextFile::decode(gbk(u"放弃/E5bAndEn/vt.\r\n"_qs), Encoding::Gbk, &errors),
                 u"放弃/E5bAndEn/vt.\r\n"_qs);
        QVERIFY(!errors);
        QCOMPARE(TextFile::decode(QByteArray("\x80"), Encoding::Gbk), u"€"_qs); // code page 936's euro
    }

    void splitsLinesAndDetectsEncoding()
    {
        const std::pair<QString, QStringList> texts[] = {
            {QString(), {}},
            {u"a\r\nb\r\n"_qs, {u"a"_qs, u"b"_qs}},
            {u"a\nb"_qs, {u"a"_qs, u"b"_qs}},                         // LF alone, no final line end
            {u"a\rb\r\n\r\nc"_qs, {u"a\rb"_qs, QString(), u"c"_qs}}}; // blank kept, lone CR stays
        for (const auto& [text, lines] : texts)
            QCOMPARE(TextFile::splitLines(text), lines);

        QCOMPARE(TextFile::detectEncoding(QByteArray("word/wE:d/n.")), Encoding::Gbk);
        QCOMPARE(TextFile::detectEncoding(gbk(u"算盘/ /n.算盘"_qs)), Encoding::Gbk);
        QCOMPARE(TextFile::detectEncoding(u"算盘/ /n.算盘"_qs.toUtf8()), Encoding::Utf8);
        QCOMPARE(TextFile::detectEncoding(QByteArray("\xEF\xBB\xBFword//x")), Encoding::Utf8WithBom);
    }

    void appendKeepsTheFilesOwnEncoding()
    {
        QString error;
        // A last line without its line end gets one first, so the new line does not join it.
        QVERIFY(writeBytes(path("gbk.txt"), gbk(u"算盘//n."_qs)));
        QVERIFY2(TextFile::appendLine(path("gbk.txt"), u"放弃//v."_qs, &error), qPrintable(error));
        QCOMPARE(readBytes(path("gbk.txt")), gbk(u"算盘//n.\r\n放弃//v.\r\n"_qs));

        QVERIFY(writeBytes(path("utf8.txt"), u"算盘//n.\r\n"_qs.toUtf8()));
        QVERIFY(TextFile::appendLine(path("utf8.txt"), u"ʌ//v.\r\nx=y"_qs, &error));
        QCOMPARE(readBytes(path("utf8.txt")), u"算盘//n.\r\nʌ//v.\r\nx=y\r\n"_qs.toUtf8());

        // An empty file takes UTF-8 when GBK cannot hold the line.
        QVERIFY(TextFile::createEmpty(path("empty.txt"), &error));
        QVERIFY(TextFile::appendLine(path("empty.txt"), u"cup/kʌp/杯"_qs, &error));
        const auto content = TextFile::readLines(path("empty.txt"), &error);
        QCOMPARE(content->lines, QStringList{u"cup/kʌp/杯"_qs});
        QCOMPARE(content->encoding, Encoding::Utf8WithBom);
    }

    void failedWritesLeaveTheFileAlone()
    {
        QString error;
        const QByteArray note = gbk(u"一//1\r\n二//2\r\n"_qs);
        QVERIFY(writeBytes(path("note.txt"), note));
        QVERIFY(!TextFile::appendLine(path("note.txt"), u"cup/kʌp/杯"_qs, &error)); // GBK cannot hold ʌ
        QVERIFY(!TextFile::writeLines(path("note.txt"), {u"ʌ//x"_qs}, Encoding::Gbk, &error));
        QCOMPARE(readBytes(path("note.txt")), note);

        QVERIFY(!TextFile::appendLine(path("nowhere/note.txt"), u"a//b"_qs, &error));
        QVERIFY(error.contains(u"note.txt"_qs));
        QVERIFY(!TextFile::createEmpty(path("nowhere/note.txt"), &error));
        QVERIFY(!TextFile::writeLines(path("nowhere/x.txt"), {u"a"_qs}, Encoding::Gbk, &error));
        QVERIFY(!TextFile::readLines(path("nowhere/x.txt"), &error));
        QVERIFY(!TextFile::exists(path("nowhere/note.txt")));
    }

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
