#include "drill/DrillSettings.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesCompareWithoutCase();
    void pathsAsApplicationNamesRoundTrip();
    void valuesAreWrittenAtOnce();
    void firstStudyStoresPositionOne();
    void intervalStaysWithinBounds_data();
    void intervalStaysWithinBounds();

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("tavik.ini")); }
};

void TestSettings::namesCompareWithoutCase()
{
    SettingsStore store(iniPath());
    QVERIFY(store.SaveSetting(u"TAVIK"_qs, u"SKIN"_qs, u"Left"_qs, u"2"_qs));
    QCOMPARE(store.GetSetting(u"tavik"_qs, u"skin"_qs, u"LEFT"_qs, u"0"_qs), u"2"_qs);
    QVERIFY(store.SaveSetting(u"Tavik"_qs, u"Skin"_qs, u"left"_qs, u"3"_qs));
    QCOMPARE(store.GetSetting(u"TAVIK"_qs, u"SKIN"_qs, u"Left"_qs, u"0"_qs), u"3"_qs);
    // The same key name under other sections stays apart.
    QVERIFY(store.SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, u"7"_qs));
    QCOMPARE(store.GetSetting(u"TAVIK"_qs, u"SKIN"_qs, u"Left"_qs, u"0"_qs), u"3"_qs);
}

void TestSettings::pathsAsApplicationNamesRoundTrip()
{
    SettingsStore store(iniPath());
    QVERIFY(SavePosition(store, u"c:\\taviknote.txt"_qs, 12));
    QVERIFY(SavePosition(store, u"/home/learner/taviknote.txt"_qs, 34));
    QVERIFY(SavePosition(store, u"home/learner/taviknote.txt"_qs, 56));
    QVERIFY(store.SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"c:\\taviknote.txt"_qs));
    QCOMPARE(LoadPosition(store, u"C:\\TavikNote.txt"_qs), 12);
    QCOMPARE(LoadPosition(store, u"/home/learner/taviknote.txt"_qs), 34);
    QCOMPARE(LoadPosition(store, u"home/learner/taviknote.txt"_qs), 56);
    QCOMPARE(store.GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs), u"c:\\taviknote.txt"_qs);
    // "c:" alone is no application of its own.
    QCOMPARE(store.GetSetting(u"c:"_qs, u"taviknote.txt"_qs, u"Startup"_qs, u"none"_qs), u"none"_qs);
}

void TestSettings::valuesAreWrittenAtOnce()
{
    SettingsStore writer(iniPath());
    QVERIFY(SavePosition(writer, u"GRE1"_qs, 40));
    SettingsStore reader(iniPath());
    QCOMPARE(LoadPosition(reader, u"gre1"_qs), 40);
}

void TestSettings::firstStudyStoresPositionOne()
{
    SettingsStore store(iniPath());
    QCOMPARE(LoadPosition(store, u"NEVER"_qs), 1);
    QCOMPARE(store.GetSetting(u"NEVER"_qs, u"Startup"_qs, u"Left"_qs, u"none"_qs), u"1"_qs);
    QVERIFY(store.SaveSetting(u"BROKEN"_qs, u"Startup"_qs, u"Left"_qs, u"abc"_qs));
    QCOMPARE(LoadPosition(store, u"BROKEN"_qs), 1);
}

void TestSettings::intervalStaysWithinBounds_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("interval");
    QTest::newRow("absent") << QString() << 5;
    QTest::newRow("seven") << u"7"_qs << 7;
    QTest::newRow("too long") << u"99"_qs << 30;
    QTest::newRow("too short") << u"1"_qs << 2;
    QTest::newRow("not a number") << u"fast"_qs << 5;
}

void TestSettings::intervalStaysWithinBounds()
{
    QFETCH(QString, stored);
    QFETCH(int, interval);
    QFile::remove(iniPath());
    SettingsStore store(iniPath());
    if (!stored.isNull())
        QVERIFY(store.SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, stored));
    QCOMPARE(LoadInterval(store), interval);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
