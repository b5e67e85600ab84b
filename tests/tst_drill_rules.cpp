#include "drill/DrillSettings.h"
#include "drill/Search.h"
#include "drill/SettingsBoxes.h"
#include "drill/Share.h"
#include "drill/WordSize.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

Share listOf(const QStringList& entries)
{
    Share share;
    for (int i = 0; i < entries.size(); ++i)
        share.Words[i + 1] = entries.at(i);
    share.EntryEnd = static_cast<qint16>(entries.size() + 1);
    return share;
}

// The drill's plain rules: the wildcard language, the two searches, the settings boxes, the word
// label's size table and the settings store.
class TestDrillRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wildcardLanguage_data()
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

    void wildcardLanguage()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(likeMatch(text, pattern), matches);
    }

    void prefixSearchStartPoint()
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

    void nextMatchDoesNotWrap()
    {
        const Share share = listOf({u"nation//国家"_qs, u"cat//猫"_qs, u"station//车站"_qs, u"motion//运动"_qs});
        QCOMPARE(findNextMatch(share, 0, u"tion"_qs), 1);
        QCOMPARE(findNextMatch(share, 1, u"tion"_qs), 3);
        QCOMPARE(findNextMatch(share, 3, u"tion"_qs), 4);
        QCOMPARE(findNextMatch(share, 4, u"tion"_qs), 0);
        QCOMPARE(findNextMatch(share, 0, u"c[a-c]t"_qs), 2);
        QCOMPARE(findNextMatch(share, 0, u"车"_qs), 3);
    }

    void settingsBoxes()
    {
        // The interval box corrects at every change; text that is no number waits for more typing.
        const QString tooLong = u"The interval cannot > 30S OK!"_qs;
        const QString tooShort = u"The interval cannot < 2S OK!"_qs;
        const struct {
            QString text, corrected, message;
        } rows[] = {{u"45"_qs, u"30"_qs, tooLong},
                    {u"1"_qs, u"2"_qs, tooShort},
                    {u"2"_qs, {}, {}},
                    {u"30"_qs, {}, {}},
                    {u"-3"_qs, u"2"_qs, tooShort},
                    {u"99999999999999999999999"_qs, u"30"_qs, tooLong},
                    {QString(), {}, {}},
                    {u"fast"_qs, {}, {}}};
        for (const auto& row : rows) {
            const auto correction = intervalBoxCorrection(row.text);
            QCOMPARE(correction ? correction->text : QString(), row.corrected);
            QCOMPARE(correction ? correction->message : QString(), row.message);
        }
        // The start box: the placeholder " 0" stays, below 1 becomes "1", the rest waits for OK.
        QVERIFY(!startBoxCorrection(u" 0"_qs));
        QCOMPARE(startBoxCorrection(u"-5"_qs)->text, u"1"_qs);
        QVERIFY(!startBoxCorrection(u"99999"_qs) && !startBoxCorrection(u"abc"_qs));
        // OK keeps both in range: a start beyond the list is its last entry, no number keeps what was.
        QCOMPARE(intervalFor(u"99999999999999999999"_qs, 5), 30);
        QCOMPARE(intervalFor(u"x"_qs, 9), 9);
        QCOMPARE(startEntryFor(u"500"_qs, 30, 101), 100);
        QCOMPARE(startEntryFor(u"abc"_qs, 30, 101), 30);
    }

    void wordSizeTable()
    {
        // Capitals are wider: their 36-point band begins at 13 characters instead of 15.
        const struct {
            int length, lower, upper;
        } rows[] = {{5, 52, 52}, {6, 48, 48}, {12, 40, 40}, {13, 40, 36}, {15, 36, 36}, {16, 28, 28}, {23, 24, 24}};
        for (const auto& row : rows) {
            QCOMPARE(wordPointSize(row.length, false), row.lower);
            QCOMPARE(wordPointSize(row.length, true), row.upper);
        }
    }

    void settingsFoldCaseAndKeepPathsWhole()
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

    void storedNumbersAreReadSafely()
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
};

QTEST_GUILESS_MAIN(TestDrillRules)
#include "tst_drill_rules.moc"
