#include "vocab/Catalogue.h"
#include "vocab/Resources.h"
#include "vocab/TextFile.h"
#include "vocab/WordList.h"

#include <QRegularExpression>
#include <QTest>

// Every packaged list, read through the program's own decoder and reader: what a learner gets
// when picking its button.
class TestPackagedLists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyListReadsCleanly_data()
    {
        QTest::addColumn<QString>("key");
        for (const CatalogueEntry& entry : Catalogue()) {
            if (entry.kind == CatalogueEntry::PackagedList)
                QTest::newRow(qPrintable(entry.key)) << entry.key;
        }
    }

    void everyListReadsCleanly()
    {
        QFETCH(QString, key);
        const auto bytes = LoadResData(key, QStringLiteral("DIC"));
        QVERIFY2(bytes, "the list is not packaged");
        QCOMPARE(TextFile::detectEncoding(*bytes), TextFile::Encoding::Gbk);
        QCOMPARE(bytes->count("\r\n"), bytes->count('\n'));
        bool errors = true;
        const QStringList lines = TextFile::splitLines(TextFile::decode(*bytes, TextFile::Encoding::Gbk, &errors));
        QVERIFY(!errors);

        const WordList list = readWordList(lines);
        QVERIFY(!list.truncated);
        QVERIFY2(list.EntryEnd > 200, qPrintable(QString::number(list.EntryEnd)));
        QCOMPARE(list.rows.size(), list.EntryEnd - 1);
        static const QRegularExpression heading(QStringLiteral("^list \\d+ \\S+ --- \\S+$"));
        for (const QString& line : lines) {
            const bool kindKnown = line.contains(u'/') || isContinuationLine(line) || heading.match(line).hasMatch();
            QVERIFY2(kindKnown, qPrintable(line));
            QVERIFY2(!line.contains(u'\uFFFD') && !line.contains(u'€'), qPrintable(line));
        }
        for (int n = 1; n < list.EntryEnd; ++n) {
            const QString& entry = list.Words.at(n);
            const qsizetype word = entry.indexOf(u'/');
            QVERIFY2(word > 0, qPrintable(entry));
            const qsizetype phonetic = entry.indexOf(u'/', word + 1);
            QVERIFY2(phonetic > word, qPrintable(entry));
            const bool bookHeading = entry.startsWith(QStringLiteral("Book ")) && entry.endsWith(QStringLiteral("//"));
            QVERIFY2(bookHeading || !entry.mid(phonetic + 1).trimmed().isEmpty(), qPrintable(entry));
            QCOMPARE(list.rows.at(n - 1), entry.left(word));
        }
    }
};

QTEST_GUILESS_MAIN(TestPackagedLists)
#include "tst_packaged_lists.moc"
