#include "support/TestFiles.h"
#include "vocab/Resources.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Writing packaged data out to files: the bytes come out unchanged, a file is replaced whole, and a
// failure leaves nothing behind.
class TestResources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheResourceBytesExactly();
    void replacesALongerFileWhole();
    void missingResourceWritesNothing();
    void unwritableDestinationFails();
    void loadsByTypeAndName();

private:
    static QByteArray sample()
    {
        return readBytes(qEnvironmentVariable("TAVIK_TEST_DATA") + QStringLiteral("/dic/TAVIKTEST"));
    }
    QTemporaryDir m_dir;
};

void TestResources::writesTheResourceBytesExactly()
{
    const QString path = m_dir.filePath(u"TAVIKTEST"_qs);
    QVERIFY(SaveFileFromRes(u"TAVIKTEST"_qs, u"DIC"_qs, path));
    QVERIFY(!sample().isEmpty());
    QCOMPARE(readBytes(path), sample());
}

void TestResources::replacesALongerFileWhole()
{
    const QString path = m_dir.filePath(u"longer"_qs);
    QVERIFY(writeBytes(path, QByteArray(4096, 'x')));
    QVERIFY(SaveFileFromRes(u"TAVIKTEST"_qs, u"DIC"_qs, path));
    QCOMPARE(QFileInfo(path).size(), sample().size());
    QCOMPARE(readBytes(path), sample());
}

void TestResources::missingResourceWritesNothing()
{
    const QString path = m_dir.filePath(u"NOSUCHLIST"_qs);
    QVERIFY(!SaveFileFromRes(u"NOSUCHLIST"_qs, u"DIC"_qs, path));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!SaveFileFromRes(u"TAVIKTEST"_qs, u"JPG"_qs, path));
    QVERIFY(!QFileInfo::exists(path));
}

void TestResources::unwritableDestinationFails()
{
    QVERIFY(!SaveFileFromRes(u"TAVIKTEST"_qs, u"DIC"_qs, m_dir.filePath(u"missing/TAVIKTEST"_qs)));
    // A folder of that name cannot be replaced by the file.
    QVERIFY(QDir(m_dir.path()).mkdir(u"folder"_qs));
    QVERIFY(!SaveFileFromRes(u"TAVIKTEST"_qs, u"DIC"_qs, m_dir.filePath(u"folder"_qs)));
    QVERIFY(QFileInfo(m_dir.filePath(u"folder"_qs)).isDir());
}

void TestResources::loadsByTypeAndName()
{
    QCOMPARE(LoadResData(u"TAVIKTEST"_qs, u"DIC"_qs).value_or(QByteArray()), sample());
    QVERIFY(!LoadResData(QString(), u"DIC"_qs));
    QVERIFY(!LoadResData(u"TAVIKTEST"_qs, QString()));
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
