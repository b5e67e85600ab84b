#include "vocab/Catalogue.h"

#include <QSet>
#include <QTest>

// The chooser's catalogue: 25 buttons, their captions exactly as designed, and the list each opens.
class TestCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesAreNumberedByButton();
    void entry_data();
    void entry();
    void packagedKeysAreTheTwentyThreeLists();
};

void TestCatalogue::entriesAreNumberedByButton()
{
    QCOMPARE(Catalogue().size(), std::size_t(25));
    for (int number = 1; number <= CatalogueSize; ++number)
        QCOMPARE(CatalogueEntryOf(number).number, number);
}

void TestCatalogue::entry_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("kind");
    const auto row = [](int number, const QString& caption, const QString& toolTip, const QString& key, int kind) {
        QTest::addRow("Command%d", number) << number << caption << toolTip << key << kind;
    };
    row(1, u"红宝 GRE"_qs, u"红宝 Gre99加补充词汇"_qs, u"GRE1"_qs, 2);
    row(2, u"GMAT Word"_qs, u"GMAT 词汇"_qs, u"GMAT1"_qs, 2);
    row(3, u"Tofel Word"_qs, u"托福词汇"_qs, u"TOFEL1"_qs, 2);
    row(4, u"Tofel Phrase"_qs, u"托福短语"_qs, u"TOFEL2"_qs, 2);
    row(5, u"雅思精简版"_qs, u"雅思精简版词汇"_qs, u"IELTS1"_qs, 2);
    row(6, u"Pre-Graduate Word"_qs, u"研究生入学考试词汇"_qs, u"GRADUATE1"_qs, 2);
    row(7, u"Pre-Graduate Phrase"_qs, u"研究生入学考试短语"_qs, u"GRADUATE2"_qs, 2);
    row(8, u"College English Word"_qs, u"大学英语词汇"_qs, u"COLLEGE1"_qs, 2);
    row(9, u"College English Phase"_qs, u"大学英语短语"_qs, u"COLLEGE2"_qs, 2);
    row(10, u"CET-6 Word"_qs, u"大学英语六级词汇"_qs, u"SIXTH"_qs, 2);
    row(11, u"CET-4 Word"_qs, u"大学英语四级词汇"_qs, u"FORTH"_qs, 2);
    row(12, u"新概念英语词汇"_qs, u"新概念英语词汇"_qs, u"NEW"_qs, 2);
    row(13, u"口语"_qs + QString(2, u' ') + u"900句"_qs, u"口语 900句"_qs, u"SPOKEN900"_qs, 2);
    row(14, u"Gre Mathematic Word"_qs, u"Gre数学词汇"_qs, u"MATH1"_qs, 2);
    row(15, u"PP2 Word"_qs, u"ETS 机考模拟题词汇"_qs, u"PP2"_qs, 2);
    row(16, u"笔 记 本"_qs, u"笔记本"_qs, QString(), 1);
    row(17, u"Gre 600 Most Word"_qs, u"Gre600常用词汇"_qs, u"GRE2"_qs, 2);
    row(18, u"黑宝 7月 List: 1--15"_qs, u"黑宝 7月词汇List: 1--15"_qs, u"TAISHA1"_qs, 2);
    row(19, u"黑宝 7月 List:16--30"_qs, u"黑宝 7月词汇 List:16--30"_qs, u"TAISHA2"_qs, 2);
    row(20, u"黑宝 7月"_qs + QString(6, u' ') + u"精简版"_qs, u"黑宝 7月精简版词汇"_qs, u"TAISHA3"_qs, 2);
    row(21, u"雅思完全版"_qs, u"雅思词汇完全版"_qs, u"IELTS3"_qs, 2);
    row(22, u"GRE笔考填空单词"_qs, u"Gre笔考填空单词"_qs, u"BIBLE3"_qs, 2);
    row(23, u"蓝宝 720版 A--I"_qs, u"蓝宝词汇720版 A--I"_qs, u"BIBLE1"_qs, 2);
    row(24, u"蓝宝 720版 J--Z"_qs, u"蓝宝词汇720版 J--Z"_qs, u"BIBLE2"_qs, 2);
    row(25, u"..."_qs, u"笔记本位置"_qs, QString(), 0);
}

void TestCatalogue::entry()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QString, key);
    QFETCH(int, kind);
    const CatalogueEntry& entry = CatalogueEntryOf(number);
    QCOMPARE(entry.caption, caption);
    QCOMPARE(entry.toolTip, toolTip);
    QCOMPARE(entry.key, key);
    QCOMPARE(int(entry.kind), kind);
}

void TestCatalogue::packagedKeysAreTheTwentyThreeLists()
{
    const QSet<QString> lists{u"BIBLE1"_qs,  u"BIBLE2"_qs, u"BIBLE3"_qs,    u"COLLEGE1"_qs,  u"COLLEGE2"_qs,
                              u"FORTH"_qs,   u"GMAT1"_qs,  u"GRADUATE1"_qs, u"GRADUATE2"_qs, u"GRE1"_qs,
                              u"GRE2"_qs,    u"IELTS1"_qs, u"IELTS3"_qs,    u"MATH1"_qs,     u"NEW"_qs,
                              u"PP2"_qs,     u"SIXTH"_qs,  u"SPOKEN900"_qs, u"TAISHA1"_qs,   u"TAISHA2"_qs,
                              u"TAISHA3"_qs, u"TOFEL1"_qs, u"TOFEL2"_qs};
    QSet<QString> keys;
    for (const CatalogueEntry& entry : Catalogue()) {
        if (entry.kind == CatalogueEntry::PackagedList)
            keys.insert(entry.key);
    }
    QCOMPARE(keys, lists);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
