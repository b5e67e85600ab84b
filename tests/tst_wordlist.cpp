#include "vocab/Entry.h"
#include "vocab/PhoneticAlphabet.h"
#include "vocab/WordList.h"

#include <QTest>

class TestWordList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEntriesAndRows_data();
    void readsEntriesAndRows();
    void continuationRule_data();
    void continuationRule();
    void keepsAtMostTenThousandEntries();
    void splitsEntries_data();
    void splitsEntries();
    void convertsPhoneticsForDisplayOnly();
};

using Lines = QStringList;

void TestWordList::readsEntriesAndRows_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Lines>("entries"); // slots 1 .. EntryEnd - 1
    QTest::addColumn<QString>("slot0");
    QTest::addColumn<Lines>("rows");

    QTest::newRow("empty file") << Lines{} << Lines{} << QString() << Lines{};
    QTest::newRow("heading overwritten by the first word")
        << Lines{u"List 1   abandon-----align"_qs, u"abandon//vt. 放弃"_qs,
                 u"abandon:inhibition=conscious:numbness  放任:压抑"_qs}
        << Lines{u"abandon//vt. 放弃\r\nabandon:inhibition=conscious:numbness  放任:压抑"_qs} << QString()
        << Lines{u"abandon"_qs};
    QTest::newRow("continuation before the first entry goes to slot 0")
        << Lines{u"x=y"_qs, u"title"_qs, u"word//meaning"_qs} << Lines{u"word//meaning"_qs} << u"\r\nx=y"_qs
        << Lines{u"word"_qs, u"title"_qs};
    QTest::newRow("more leading lines than entries keep their rows")
        << Lines{u"one"_qs, u"two"_qs, u"three"_qs, u"w//m"_qs} << Lines{u"w//m"_qs} << QString()
        << Lines{u"w"_qs, u"two"_qs, u"three"_qs};
    QTest::newRow("a heading with a slash is an entry")
        << Lines{u"Book 1 第一册//"_qs, u"able/5eIbl/adj.能"_qs}
        << Lines{u"Book 1 第一册//"_qs, u"able/5eIbl/adj.能"_qs} << QString() << Lines{u"Book 1 第一册"_qs, u"able"_qs};
    QTest::newRow("an entry beginning with a slash keeps row r on entry r + 1")
        << Lines{u"a//1"_qs, u"/odd/2"_qs, u"c//3"_qs} << Lines{u"a//1"_qs, u"/odd/2"_qs, u"c//3"_qs} << QString()
        << Lines{u"a"_qs, QString(), u"c"_qs};
}

void TestWordList::readsEntriesAndRows()
{
    QFETCH(Lines, lines);
    QFETCH(Lines, entries);
    QFETCH(QString, slot0);
    QFETCH(Lines, rows);
    const WordList list = readWordList(lines);
    QCOMPARE(list.EntryEnd, entries.size() + 1);
    QCOMPARE(list.Words.size(), LastSlot + 1);
    QCOMPARE(list.Words.mid(1, entries.size()), entries);
    QCOMPARE(list.Words.at(0), slot0);
    QVERIFY(list.Words.at(list.EntryEnd).isEmpty());
    QCOMPARE(list.rows, rows);
    QVERIFY(!list.truncated);
}

void TestWordList::continuationRule_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("continues");
    QTest::newRow("equals") << u"a=b"_qs << true;
    QTest::newRow("colon first only") << u":abc"_qs << false;
    QTest::newRow("colon second") << u"a:bc"_qs << true;
    QTest::newRow("angle pair") << u"a <> b"_qs << true;
    QTest::newRow("ascii parenthesis") << u"e.g. (example)"_qs << true;
    QTest::newRow("full-width parenthesis") << u"例（的）"_qs << false;
    QTest::newRow("plain heading") << u"list 1 abacus --- aloof"_qs << false;
}

void TestWordList::continuationRule()
{
    QFETCH(QString, line);
    QFETCH(bool, continues);
    QCOMPARE(isContinuationLine(line), continues);
    // Inside a list: a continuation joins the entry, anything else is dropped.
    const WordList list = readWordList({u"w//m"_qs, line});
    QCOMPARE(list.Words.at(1), continues ? u"w//m\r\n"_qs + line : u"w//m"_qs);
    QCOMPARE(list.rows, QStringList{u"w"_qs});
}

void TestWordList::keepsAtMostTenThousandEntries()
{
    QStringList lines;
    for (int i = 1; i <= LastSlot + 5; ++i)
        lines.append(QStringLiteral("w%1//m").arg(i));
    const WordList list = readWordList(lines);
    QVERIFY(list.truncated);
    QCOMPARE(list.EntryEnd, LastSlot + 1);
    QCOMPARE(list.Words.size(), LastSlot + 1);
    QCOMPARE(list.Words.at(LastSlot), u"w10000//m"_qs);
    QCOMPARE(list.rows.size(), LastSlot);

    lines.resize(LastSlot);
    QVERIFY(!readWordList(lines).truncated);
}

void TestWordList::splitsEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<QString>("meaning");
    const int word = int(Entry::Kind::Word);
    QTest::newRow("no phonetic") << u"abacus//n.算盘"_qs << word << u"abacus"_qs << QString() << u"n.算盘"_qs;
    QTest::newRow("phrase") << u"a great/good deal of/ /  大量（的），许多，（的）"_qs << word << u"a great"_qs
                            << u"good deal of"_qs << u" /  大量（的），许多，（的）"_qs;
    QTest::newRow("slashes in meaning") << u"adulterate//vt. 掺杂，掺假//adj. 伪造的，掺杂的"_qs << word
                                        << u"adulterate"_qs << QString() << u"vt. 掺杂，掺假//adj. 伪造的，掺杂的"_qs;
    QTest::newRow("continuation") << u"w/p/m\r\nx=y"_qs << word << u"w"_qs << u"p"_qs << u"m\r\nx=y"_qs;
    QTest::newRow("no slash") << u"just text"_qs << int(Entry::Kind::NoSeparator) << u"just text"_qs << QString()
                              << QString();
    QTest::newRow("leading slash") << u"/p/m"_qs << int(Entry::Kind::LeadingSlash) << QString() << QString()
                                   << QString();
}

void TestWordList::splitsEntries()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, word);
    QFETCH(QString, phonetic);
    QFETCH(QString, meaning);
    const Entry entry = splitEntry(text);
    QCOMPARE(int(entry.kind), kind);
    QCOMPARE(entry.word, word);
    QCOMPARE(entry.phonetic, phonetic);
    QCOMPARE(entry.meaning, meaning);
}

void TestWordList::convertsPhoneticsForDisplayOnly()
{
    QCOMPARE(phoneticToIpa(u"E5bAndEn"_qs), u"əˈbændən"_qs);
    QCOMPARE(phoneticToIpa(u"5meVE"_qs), u"ˈmeʒə"_qs);
    QCOMPARE(phoneticToIpa(u"7Ri5BJ:FZE\\"_qs), u"ˌɔiˈɑʊːʃɛəɜ"_qs);
    QCOMPARE(phoneticToIpa(QString()), QString());
}

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
