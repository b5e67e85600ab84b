#include "support/TestFiles.h"
#include "vocab/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

using TextFile::Encoding;

class TestTextFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void decodesGbkWithoutLosingBadBytes();
    void splitsCrLfAndLfLines_data();
    void splitsCrLfAndLfLines();
    void detectsEncoding_data();
    void detectsEncoding();
    void readsUtf8FilesAsUtf8();
    void appendKeepsTheFilesOwnEncoding();
    void appendNeverJoinsTheOldLastLine();
    void appendFailsClearly();
    void rewriteIsWholeOrNothing();
    void createEmptyReplacesAFile();

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

void TestTextFile::decodesGbkWithoutLosingBadBytes()
{
    bool errors = false;
    // "啊" then a lead byte cut off at the end of the data.
    const QString text = TextFile::decode(QByteArray("\xb0\xa1\xc4", 3), Encoding::Gbk, &errors);
    QCOMPARE(text, QStringLiteral("啊\uFFFD"));
    QVERIFY(errors);

    errors = true;
    QCOMPARE(TextFile::decode(gbk(QStringLiteral("abandon/E5bAndEn/vt.放弃\r\n")), Encoding::Gbk, &errors),
             QStringLiteral("abandon/E5bAndEn/vt.放弃\r\n"));
    QVERIFY(!errors);
    // Code page 936 puts the euro sign at 0x80.
    QCOMPARE(TextFile::decode(QByteArray("\x80"), Encoding::Gbk), QStringLiteral("€"));
}

void TestTextFile::splitsCrLfAndLfLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("crlf, final end") << QStringLiteral("a\r\nb\r\n") << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("no final end") << QStringLiteral("a\r\nb") << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("lf only") << QStringLiteral("a\nb\n") << QStringList{u"a"_qs, u"b"_qs};
    QTest::newRow("blank lines kept") << QStringLiteral("a\r\n\r\nb") << QStringList{u"a"_qs, QString(), u"b"_qs};
    QTest::newRow("lone cr stays") << QStringLiteral("a\rb\r\n") << QStringList{u"a\rb"_qs};
}

void TestTextFile::splitsCrLfAndLfLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(text), lines);
}

void TestTextFile::detectsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("encoding");
    QTest::newRow("ascii") << QByteArray("word/wE:d/n.") << Encoding::Gbk;
    QTest::newRow("gbk") << gbk(QStringLiteral("算盘/ /n.算盘")) << Encoding::Gbk;
    QTest::newRow("utf-8") << QStringLiteral("算盘/ /n.算盘").toUtf8() << Encoding::Utf8;
    QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBFword//x") << Encoding::Utf8WithBom;
}

void TestTextFile::detectsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, encoding);
    QCOMPARE(TextFile::detectEncoding(bytes), encoding);
}

void TestTextFile::readsUtf8FilesAsUtf8()
{
    QVERIFY(writeBytes(path("bom.txt"), QByteArray("\xEF\xBB\xBF") + QStringLiteral("ʌ/Q/啊\r\n").toUtf8()));
    QString error;
    auto content = TextFile::readLines(path("bom.txt"), &error);
    QVERIFY2(content, qPrintable(error));
    QCOMPARE(content->encoding, Encoding::Utf8WithBom);
    QCOMPARE(content->lines, QStringList{QStringLiteral("ʌ/Q/啊")});

    QVERIFY(!TextFile::readLines(path("missing.txt"), &error));
    QVERIFY(error.contains(QStringLiteral("missing.txt")));
}

void TestTextFile::appendKeepsTheFilesOwnEncoding()
{
    QString error;
    QVERIFY(writeBytes(path("gbk.txt"), gbk(QStringLiteral("算盘//n.\r\n"))));
    QVERIFY2(TextFile::appendLine(path("gbk.txt"), QStringLiteral("放弃//v."), &error), qPrintable(error));
    QCOMPARE(readBytes(path("gbk.txt")), gbk(QStringLiteral("算盘//n.\r\n放弃//v.\r\n")));

    const QByteArray utf8 = QStringLiteral("算盘//n.\r\n").toUtf8();
    QVERIFY(writeBytes(path("utf8.txt"), utf8));
    QVERIFY(TextFile::appendLine(path("utf8.txt"), QStringLiteral("放弃//v.\r\nx=y"), &error));
    QCOMPARE(readBytes(path("utf8.txt")), QStringLiteral("算盘//n.\r\n放弃//v.\r\nx=y\r\n").toUtf8());

    // An empty file takes UTF-8 when GBK cannot hold the line; a GBK file refuses it whole.
    QVERIFY(TextFile::createEmpty(path("empty.txt"), &error));
    QVERIFY(TextFile::appendLine(path("empty.txt"), QStringLiteral("cup/kʌp/杯"), &error));
    QCOMPARE(TextFile::readLines(path("empty.txt"), &error)->lines, QStringList{QStringLiteral("cup/kʌp/杯")});
    QVERIFY(!TextFile::appendLine(path("gbk.txt"), QStringLiteral("cup/kʌp/杯"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(path("gbk.txt")), gbk(QStringLiteral("算盘//n.\r\n放弃//v.\r\n")));
}

void TestTextFile::appendNeverJoinsTheOldLastLine()
{
    QString error;
    QVERIFY(writeBytes(path("open.txt"), QByteArray("a//1\r\nb//2")));
    QVERIFY(TextFile::appendLine(path("open.txt"), QStringLiteral("c//3"), &error));
    QCOMPARE(readBytes(path("open.txt")), QByteArray("a//1\r\nb//2\r\nc//3\r\n"));
}

void TestTextFile::appendFailsClearly()
{
    QString error;
    QVERIFY(!TextFile::appendLine(path("nowhere/note.txt"), QStringLiteral("a//b"), &error));
    QVERIFY(error.contains(QStringLiteral("note.txt")));
    QVERIFY(!TextFile::exists(path("nowhere/note.txt")));
    QVERIFY(!TextFile::createEmpty(path("nowhere/note.txt"), &error));
}

void TestTextFile::rewriteIsWholeOrNothing()
{
    QString error;
    QVERIFY(writeBytes(path("note.txt"), gbk(QStringLiteral("旧//old\r\n"))));
    QVERIFY(TextFile::writeLines(path("note.txt"), {QStringLiteral("一//1"), QStringLiteral("二//2")}, Encoding::Gbk,
                                 &error));
    QCOMPARE(readBytes(path("note.txt")), gbk(QStringLiteral("一//1\r\n二//2\r\n")));

    // A line the encoding cannot hold leaves the old file exactly as it was.
    QVERIFY(!TextFile::writeLines(path("note.txt"), {QStringLiteral("ʌ//x")}, Encoding::Gbk, &error));
    QCOMPARE(readBytes(path("note.txt")), gbk(QStringLiteral("一//1\r\n二//2\r\n")));

    QVERIFY(TextFile::writeLines(path("bom.txt"), {QStringLiteral("ʌ//x")}, Encoding::Utf8WithBom, &error));
    QCOMPARE(readBytes(path("bom.txt")), QByteArray("\xEF\xBB\xBF") + QStringLiteral("ʌ//x\r\n").toUtf8());

    QVERIFY(TextFile::writeLines(path("none.txt"), {}, Encoding::Gbk, &error));
    QCOMPARE(readBytes(path("none.txt")), QByteArray());
    QVERIFY(!TextFile::writeLines(path("nowhere/x.txt"), {QStringLiteral("a")}, Encoding::Gbk, &error));
}

void TestTextFile::createEmptyReplacesAFile()
{
    QString error;
    QVERIFY(writeBytes(path("full.txt"), QByteArray("a//b\r\n")));
    QVERIFY(TextFile::createEmpty(path("full.txt"), &error));
    QVERIFY(TextFile::exists(path("full.txt")));
    QCOMPARE(readBytes(path("full.txt")), QByteArray());
    QVERIFY(TextFile::remove(path("full.txt"), &error));
    QVERIFY(!TextFile::exists(path("full.txt")));
    QVERIFY(!TextFile::remove(path("full.txt"), &error));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
