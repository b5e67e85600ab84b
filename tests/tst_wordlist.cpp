#include "vocab/Entry.h"
#include "vocab/PhoneticAlphabet.h"
#include "vocab/WordList.h"

#include <QTest>

using Lines = QStringList;

// Reading a word list into the entry table and the list rows, and splitting an entry.
class TestWordList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEntriesAndRows()
    {
        const struct {
            const char* name;
            Lines lines, entries; // entries: slots 1 .. EntryEnd - 1
            QString slot0;
            Lines rows;
        } cases[] = {
            {"empty file", {}, {}, {}, {}},
            {"heading overwritten by the first word",
             {u"List 1   abandon-----align"_qs, u"abandon//vt. 放弃"_qs, u"abandon:inhibition=conscious 放任:压抑"_qs},
             {u"abandon//vt. 放弃\r\nabandon:inhibition=conscious 放任:压抑"_qs},
             {},
             {u"abandon"_qs}},
            {"continuation before the first entry goes to slot 0",
             {u"x=y"_qs, u"title"_qs, u"word//meaning"_qs},
             {u"word//meaning"_qs},
             u"\r\nx=y"_qs,
             {u"word"_qs, u"title"_qs}},
            {"more leading lines than entries keep their rows",
             {u"one"_qs, u"two"_qs, u"three"_qs, u"w//m"_qs},
             {u"w//m"_qs},
             {},
             {u"w"_qs, u"two"_qs, u"three"_qs}},
            {"a heading with a slash is an entry",
             {u"Book 1 第一册//"_qs, u"able/5eIbl/adj.能"_qs},
             {u"Book 1 第一册//"_qs, u"able/5eIbl/adj.能"_qs},
             {},
             {u"Book 1 第一册"_qs, u"able"_qs}},
            {"an entry beginning with a slash keeps row r on entry r + 1",
             {u"a//1"_qs, u"/odd/2"_qs, u"c//3"_qs},
             {u"a//1"_qs, u"/odd/2"_qs, u"c//3"_qs},
             {},
             {u"a"_qs, QString(), u"c"_qs}},
        };
        for (const auto& c : cases) {
            const WordList list = readWordList(c.lines);
            QVERIFY2(list.EntryEnd == c.entries.size() + 1 && list.Words.size() == LastSlot + 1, c.name);
            QVERIFY2(list.Words.mid(1, c.entries.size()) == c.entries && list.Words.at(0) == c.slot0, c.name);
            QVERIFY2(list.rows == c.rows && !list.truncated, c.name);
        }
    }

    void continuationRule()
    {
        const std::pair<QString, bool> cases[] = {{u"a=b"_qs, true},
                                                  {u":abc"_qs, false},
                                                  {u"a:bc"_qs, true},
                                                  {u"a <> b"_qs, true},
                                                  {u"e.g. (example)"_qs, true},
                                                  {u"例（的）"_qs, false},
                                                  {u"list 1 abacus --- aloof"_qs, false}};
        for (const auto& [line, continues] : cases) {
            // Inside a list: a continuation joins the entry before it, anything else is dropped.
            const WordList list = readWordList({u"w//m"_qs, line});
            QVERIFY2(list.Words.at(1) == (continues ? u"w//m\r\n"_qs + line : u"w//m"_qs), qPrintable(line));
            QCOMPARE(list.rows, QStringList{u"w"_qs});
        }
    }

    void keepsAtMostTenThousandEntries()
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

    void splitsEntries()
    {
        const auto word = Entry::Kind::Word;
        const struct {
            QString text;
            Entry::Kind kind;
            QString word, phonetic, meaning;
        } cases[] = {
            {u"abacus//n.算盘"_qs, word, u"abacus"_qs, {}, u"n.算盘"_qs},
            {u"a great/good deal of/ /  大量（的）"_qs, word, u"a great"_qs, u"good deal of"_qs, u" /  大量（的）"_qs},
            {u"adulterate//vt. 掺杂//adj. 伪造的"_qs, word, u"adulterate"_qs, {}, u"vt. 掺杂//adj. 伪造的"_qs},
            {u"w/p/m\r\nx=y"_qs, word, u"w"_qs, u"p"_qs, u"m\r\nx=y"_qs},
            {u"just text"_qs, Entry::Kind::NoSeparator, u"just text"_qs, {}, {}},
            {u"/p/m"_qs, Entry::Kind::LeadingSlash, {}, {}, {}},
        };
        for (const auto& c : cases) {
            const Entry entry = splitEntry(c.text);
            QVERIFY2(entry.kind == c.kind && entry.word == c.word, qPrintable(c.text));
            QVERIFY2(entry.phonetic == c.phonetic && entry.meaning == c.meaning, qPrintable(c.text));
        }
    }

    void convertsPhoneticsForDisplayOnly()
    {
        QCOMPARE(phoneticToIpa(u"E5bAndEn"_qs), u"əˈbændən"_qs);
        QCOMPARE(phoneticToIpa(u"5meVE"_qs), u"ˈmeʒə"_qs);
        QCOMPARE(phoneticToIpa(u"7Ri5BJ:FZE\\"_qs), u"ˌɔiˈɑʊːʃɛəɜ"_qs);
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
