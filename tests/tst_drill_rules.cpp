#include "drill/DrillSettings.h"
#include "drill/Search.h"
#include "drill/SettingsBoxes.h"
#include "drill/Share.h"
#include "drill/WordSize.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

// The drill's plain rules: the wildcard language, the two searches, the settings boxes, the word
// label's size table and the settings store.
class TestDrillRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wildcardLanguage_data();
    void wildcardLanguage();
    void prefixSearchStartPoint();
    void nextMatchDoesNotWrap();
    void startBox_data();
    void startBox();
    void intervalBox_data();
    void intervalBox();
    void okKeepsValuesInRange();
    void wordSizeTable_data();
    void wordSizeTable();
    void settingsFoldCaseAndKeepPathsWhole();
    void storedNumbersAreReadSafely();
};

void TestDrillRules::wildcardLanguage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("literal") << u"abc"_qs << u"abc"_qs << true;
    QTest::newRow("case-sensitive") << u"abc"_qs << u"ABC"_qs << false;
    QTest::newRow("star anywhere") << u"nation/n/国家"_qs << u"*tion*"_qs << true;
    QTest::newRow("star needs the rest") << u"nation"_qs << u"*tian*"_qs << false;
    QTest::newRow("question one char") << u"abc"_qs << u"a?c"_qs << true;
    QTest::newRow("question not zero") << u"ac"_qs << u"a?c"_qs << false;
    QTest::newRow("hash digit") << u"a1"_qs << u"a#"_qs << true;
    QTest::newRow("hash not full-width digit") << u"a１"_qs << u"a#"_qs << false;
    QTest::newRow("range") << u"m"_qs << u"[a-z]"_qs << true;
    QTest::newRow("range is case-sensitive") << u"M"_qs << u"[a-z]"_qs << false;
    QTest::newRow("list miss") << u"d"_qs << u"[abc]"_qs << false;
    QTest::newRow("negated list") << u"d"_qs << u"[!abc]"_qs << true;
    QTest::newRow("list then star") << u"cat/kAt/猫"_qs << u"[bc]a*"_qs << true;
    QTest::newRow("backtracking") << u"abcbcd"_qs << u"*bcd"_qs << true;
    QTest::newRow("unclosed bracket is literal") << u"a[b"_qs << u"*[b*"_qs << true;
    QTest::newRow("empty pattern, text") << u"a"_qs << QString() << false;
}

void TestDrillRules::wildcardLanguage()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(likeMatch(text, pattern), matches);
}

Share listOf(const QStringList& entries)
{
    Share share;
    for (int i = 0; i < entries.size(); ++i)
        share.Words[i + 1] = entries.at(i);
    share.EntryEnd = static_cast<qint16>(entries.size() + 1);
    return share;
}

void TestDrillRules::prefixSearchStartPoint()
{
    const Share share = listOf({u"abandon//放弃"_qs, u"ability//能力"_qs, u"able//能"_qs, u"about//关于"_qs});
    QCOMPARE(findPrefixMatch(share, u"a"_qs), 1);
    // From two characters on, the scan begins after entry 1.
    QCOMPARE(findPrefixMatch(share, u"ab"_qs), 2);
    QCOMPARE(findPrefixMatch(share, u"aba"_qs), 0);
    QCOMPARE(findPrefixMatch(share, u"abl"_qs), 3);
    QCOMPARE(findPrefixMatch(share, u"abo"_qs), 4);
    QCOMPARE(findPrefixMatch(share, QString()), 1);
    QCOMPARE(findPrefixMatch(share, u"zz"_qs), 0);
    QCOMPARE(findPrefixMatch(listOf({}), u"a"_qs), 0);
}

void TestDrillRules::nextMatchDoesNotWrap()
{
    const Share share = listOf({u"nation//国家"_qs, u"cat//猫"_qs, u"station//车站"_qs, u"motion//运动"_qs});
    QCOMPARE(findNextMatch(share, 0, u"tion"_qs), 1);
    QCOMPARE(findNextMatch(share, 1, u"tion"_qs), 3);
    QCOMPARE(findNextMatch(share, 3, u"tion"_qs), 4);
    QCOMPARE(findNextMatch(share, 4, u"tion"_qs), 0);
    QCOMPARE(findNextMatch(share, 0, u"c[a-c]t"_qs), 2);
    QCOMPARE(findNextMatch(share, 0, u"车"_qs), 3);
}

void TestDrillRules::startBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("corrected"); // null: unchanged
    QTest::newRow("placeholder") << u" 0"_qs << QString();
    QTest::newRow("zero typed") << u"0"_qs << u"1"_qs;
    QTest::newRow("negative") << u"-5"_qs << u"1"_qs;
    QTest::newRow("beyond the list") << u"99999"_qs << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letters") << u"abc"_qs << QString();
}

void TestDrillRules::startBox()
{
    QFETCH(QString, text);
    QFETCH(QString, corrected);
    const auto correction = startBoxCorrection(text);
    QCOMPARE(correction ? correction->text : QString(), corrected);
}

void TestDrillRules::intervalBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("message");
    const QString tooLong = u"The interval cannot > 30S OK!"_qs;
    const QString tooShort = u"The interval cannot < 2S OK!"_qs;
    QTest::newRow("45") << u"45"_qs << u"30"_qs << tooLong;
    QTest::newRow("1") << u"1"_qs << u"2"_qs << tooShort;
    QTest::newRow("2") << u"2"_qs << QString() << QString();
    QTest::newRow("30") << u"30"_qs << QString() << QString();
    QTest::newRow("beyond 64 bits") << u"99999999999999999999999"_qs << u"30"_qs << tooLong;
    QTest::newRow("negative") << u"-3"_qs << u"2"_qs << tooShort;
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("letters") << u"fast"_qs << QString() << QString();
}

void TestDrillRules::intervalBox()
{
    QFETCH(QString, text);
    QFETCH(QString, corrected);
    QFETCH(QString, message);
    const auto correction = intervalBoxCorrection(text);
    QCOMPARE(correction ? correction->text : QString(), corrected);
    QCOMPARE(correction ? correction->message : QString(), message);
    if (correction)
        QVERIFY(!intervalBoxCorrection(correction->text));
}

void TestDrillRules::okKeepsValuesInRange()
{
    QCOMPARE(intervalFor(u" 7"_qs, 5), 7);
    QCOMPARE(intervalFor(QString(), 5), 5);
    QCOMPARE(intervalFor(u"99999999999999999999"_qs, 5), 30);
    QCOMPARE(intervalFor(u"-1"_qs, 5), 2);
    QCOMPARE(startEntryFor(u" 12"_qs, 30, 101), 12);
    QCOMPARE(startEntryFor(u"500"_qs, 30, 101), 100);
    QCOMPARE(startEntryFor(u"abc"_qs, 30, 101), 30);
    QCOMPARE(startEntryFor(u" 0"_qs, 30, 101), 1);
}

void TestDrillRules::wordSizeTable_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::newRow("5") << u"apple"_qs << 52 << 52;
    QTest::newRow("6") << u"abacus"_qs << 48 << 48;
    QTest::newRow("12") << u"accelerating"_qs << 40 << 40;
    QTest::newRow("extraordinary") << u"extraordinary"_qs << 40 << 36;
    QTest::newRow("15") << u"acknowledgement"_qs << 36 << 36;
    QTest::newRow("16") << u"characterization"_qs << 28 << 28;
    QTest::newRow("23") << QString(23, u'a') << 24 << 24;
}

void TestDrillRules::wordSizeTable()
{
    QFETCH(QString, word);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QCOMPARE(wordPointSize(int(word.size()), false), lower);
    QCOMPARE(wordPointSize(int(word.size()), true), upper);
}

void TestDrillRules::settingsFoldCaseAndKeepPathsWhole()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"tavik.ini"_qs);
    SettingsStore store(ini);
    QVERIFY(store.SaveSetting(u"TAVIK"_qs, u"SKIN"_qs, u"Left"_qs, u"2"_qs));
    QVERIFY(store.SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, u"7"_qs));
    QCOMPARE(store.GetSetting(u"tavik"_qs, u"skin"_qs, u"LEFT"_qs, u"0"_qs), u"2"_qs);
    // A note file's path names one application, "\" and "/" included; "c:" is none of its own.
    QVERIFY(SavePosition(store, u"c:\\taviknote.txt"_qs, 12));
    QVERIFY(SavePosition(store, u"/home/learner/taviknote.txt"_qs, 34));
    QVERIFY(SavePosition(store, u"home/learner/taviknote.txt"_qs, 56));
    QCOMPARE(store.GetSetting(u"c:"_qs, u"taviknote.txt"_qs, u"Startup"_qs, u"none"_qs), u"none"_qs);
    // Written at once: another store on the same file reads it back.
    SettingsStore reader(ini);
    QCOMPARE(LoadPosition(reader, u"C:\\TavikNote.txt"_qs), 12);
    QCOMPARE(LoadPosition(reader, u"/home/learner/taviknote.txt"_qs), 34);
    QCOMPARE(LoadPosition(reader, u"home/learner/taviknote.txt"_qs), 56);
}

void TestDrillRules::storedNumbersAreReadSafely()
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(u"tavik.ini"_qs));
    QCOMPARE(LoadPosition(store, u"NEVER"_qs), 1); // a list never studied starts at 1, stored at once
    QCOMPARE(store.GetSetting(u"NEVER"_qs, u"Startup"_qs, u"Left"_qs, u"none"_qs), u"1"_qs);
    QVERIFY(store.SaveSetting(u"BROKEN"_qs, u"Startup"_qs, u"Left"_qs, u"abc"_qs));
    QCOMPARE(LoadPosition(store, u"BROKEN"_qs), 1);
    QCOMPARE(LoadInterval(store), 5);
    for (const auto& [stored, interval] : {std::pair{u"7"_qs, 7}, {u"99"_qs, 30}, {u"1"_qs, 2}, {u"fast"_qs, 5}}) {
        QVERIFY(store.SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, stored));
        QCOMPARE(LoadInterval(store), interval);
    }
}

QTEST_GUILESS_MAIN(TestDrillRules)
#include "tst_drill_rules.moc"
