#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/common/Context.h"
#include "ui/common/MessageBox.h"
#include "ui/main/mainForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Drives the real main window offscreen: loading a list, showing entries, the drill tick and the
// position kept per list.
class TestMainFormDrill : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void firstStartShowsEntryOneAndStoresIt();
    void resumesAtTheSavedPosition();
    void positionBeyondTheListShowsTheLastEntry();
    void tickAdvancesSpeaksAndSaves();
    void endOfListShowsOneMessageAndWrapsOnce();
    void tickCatchesAPositionBeyondTheEnd();
    void entryWithoutSlashIsShownButNotSpoken();
    void clickingARowShowsAndStoresIt();
    void intervalSettingShowsInTheBox();
    void phoneticIsShownAsIpa();
    void unreadableListIsReported();
    void overlongListIsReportedOnce();
    void emptyListDoesNothingOnTick();

private:
    mainForm* open(const QStringList& lines, const QString& key = u"TEST"_qs);
    QString label(const char* name) const;
    void tick();

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<mainForm> m_form;
    QStringList m_messages;
};

void TestMainFormDrill::init()
{
    QFile::remove(m_dir.filePath(u"settings.ini"_qs));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_share = Share();
    m_voice = FakeVoice();
    m_context = std::make_unique<Context>(Context{m_share, *m_settings, m_voice, m_dir.path() + u'/'});
    m_messages.clear();
    MessageBox::setHook([this](const QString&, const QString& text) { m_messages.append(text); });
}

void TestMainFormDrill::cleanup()
{
    delete m_form;
    MessageBox::setHook(nullptr);
}

mainForm* TestMainFormDrill::open(const QStringList& lines, const QString& key)
{
    const QString path = m_dir.filePath(key);
    writeGbkList(path, lines);
    m_share.LibraryKey = key;
    m_share.SourceKind = Share::PackagedSource;
    m_share.WordFile = path;
    delete m_form;
    m_form = new mainForm(*m_context);
    m_form->load();
    return m_form;
}

QString TestMainFormDrill::label(const char* name) const
{
    return m_form->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void TestMainFormDrill::tick()
{
    QVERIFY(QMetaObject::invokeMethod(m_form->findChild<QTimer*>(u"Timer1"_qs), "timeout"));
}

QString position(SettingsStore& settings, const QString& key)
{
    return settings.GetSetting(key, u"Startup"_qs, u"Left"_qs, u"absent"_qs);
}

const QStringList kThree = {u"abandon/E5bAndEn/vt.放弃"_qs, u"ability/E5bIlItI/n.能力"_qs, u"able/5eIbl/adj.能"_qs};

void TestMainFormDrill::firstStartShowsEntryOneAndStoresIt()
{
    open(kThree);
    QCOMPARE(m_form->currentIndex(), 1);
    QCOMPARE(label("Label9"), u"abandon"_qs);
    QCOMPARE(label("Label2"), u"NO. 1"_qs);
    QCOMPARE(m_form->findChild<QPlainTextEdit*>(u"Label11"_qs)->toPlainText(), u"vt.放弃"_qs);
    QCOMPARE(m_form->findChild<QListWidget*>(u"List1"_qs)->currentRow(), 0);
    QCOMPARE(position(*m_settings, u"TEST"_qs), u"1"_qs);
    QCOMPARE(m_voice.calls, (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak abandon"_qs}));
    QVERIFY(!m_form->findChild<QTimer*>(u"Timer1"_qs)->isActive());
    QCOMPARE(m_share.EntryEnd, 4);
}

void TestMainFormDrill::resumesAtTheSavedPosition()
{
    m_settings->SaveSetting(u"test"_qs, u"startup"_qs, u"left"_qs, u"2"_qs);
    open(kThree);
    QCOMPARE(m_form->currentIndex(), 2);
    QCOMPARE(label("Label9"), u"ability"_qs);
    QCOMPARE(m_form->findChild<QListWidget*>(u"List1"_qs)->currentRow(), 1);
}

void TestMainFormDrill::positionBeyondTheListShowsTheLastEntry()
{
    m_settings->SaveSetting(u"TEST"_qs, u"Startup"_qs, u"Left"_qs, u"250"_qs);
    open(kThree);
    QCOMPARE(m_form->currentIndex(), 3);
    QCOMPARE(label("Label9"), u"able"_qs);
    QCOMPARE(position(*m_settings, u"TEST"_qs), u"3"_qs);
}

void TestMainFormDrill::tickAdvancesSpeaksAndSaves()
{
    open(kThree);
    m_voice.calls.clear();
    tick();
    QCOMPARE(m_form->currentIndex(), 2);
    QCOMPARE(label("Label9"), u"ability"_qs);
    QCOMPARE(label("Label2"), u"NO. 2"_qs);
    QCOMPARE(position(*m_settings, u"TEST"_qs), u"2"_qs);
    QCOMPARE(m_voice.calls, (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak ability"_qs}));
    QCOMPARE(m_form->findChild<QListWidget*>(u"List1"_qs)->currentRow(), 1);
}

void TestMainFormDrill::endOfListShowsOneMessageAndWrapsOnce()
{
    m_settings->SaveSetting(u"TEST"_qs, u"Startup"_qs, u"Left"_qs, u"3"_qs);
    open(kThree);
    // While the message is up the timer keeps ticking; those ticks must neither stack a second
    // message nor move the drill.
    MessageBox::setHook([this](const QString& title, const QString& text) {
        m_messages.append(text);
        QCOMPARE(title, u"tavik"_qs);
        tick();
        tick();
        QCOMPARE(m_form->currentIndex(), 3);
    });
    tick();
    QCOMPARE(m_messages, QStringList{u"Congratuation, you have reach the end and now restart from the beginning!"_qs});
    QCOMPARE(m_form->currentIndex(), 0);
    QCOMPARE(label("Label9"), u"able"_qs);
    tick();
    QCOMPARE(m_form->currentIndex(), 1);
    QCOMPARE(label("Label9"), u"abandon"_qs);
    QCOMPARE(position(*m_settings, u"TEST"_qs), u"1"_qs);
    QCOMPARE(m_messages.size(), 1);
}

void TestMainFormDrill::tickCatchesAPositionBeyondTheEnd()
{
    // More leading lines than entries leave rows after the last word; picking one puts the drill
    // beyond the end, and the next tick must still end the list instead of running on.
    open({u"one"_qs, u"two"_qs, u"three"_qs, u"w//m"_qs});
    m_form->findChild<QListWidget*>(u"List1"_qs)->setCurrentRow(2);
    QCOMPARE(m_form->currentIndex(), 3);
    QCOMPARE(label("Label2"), u"NO. 3"_qs);
    tick();
    QCOMPARE(m_messages.size(), 1);
    tick();
    QCOMPARE(m_form->currentIndex(), 1);
    QCOMPARE(label("Label9"), u"w"_qs);
}

void TestMainFormDrill::entryWithoutSlashIsShownButNotSpoken()
{
    open({u"first/f/1"_qs, u"x=y"_qs});
    // Slot 0 holds nothing; a continuation-only entry has no slash.
    m_voice.calls.clear();
    m_form->ShowEntry(0);
    QCOMPARE(label("Label9"), QString());
    QCOMPARE(label("Label10"), QString());
    QVERIFY(m_voice.calls.isEmpty());

    open({u"plain text line"_qs, u"word/w/m"_qs});
    QCOMPARE(m_share.Words.at(0), QString());
    m_share.Words[1] = u"no separator here"_qs;
    m_voice.calls.clear();
    m_form->ShowEntry(1);
    QCOMPARE(label("Label9"), u"no separator here"_qs);
    QCOMPARE(m_form->findChild<QPlainTextEdit*>(u"Label11"_qs)->toPlainText(), QString());
    QVERIFY(m_voice.calls.isEmpty());

    // An entry beginning with "/" leaves the display as it was and says nothing.
    m_share.Words[1] = u"/p/m"_qs;
    m_form->ShowEntry(1);
    QCOMPARE(label("Label9"), u"no separator here"_qs);
    QVERIFY(m_voice.calls.isEmpty());
}

void TestMainFormDrill::clickingARowShowsAndStoresIt()
{
    open(kThree);
    m_voice.spoken.clear();
    auto* list = m_form->findChild<QListWidget*>(u"List1"_qs);
    const QRect row = list->visualItemRect(list->item(2));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(m_form->currentIndex(), 3);
    QCOMPARE(label("Label9"), u"able"_qs);
    QCOMPARE(position(*m_settings, u"TEST"_qs), u"3"_qs);
    QCOMPARE(m_voice.spoken, QStringList{u"able"_qs});
}

void TestMainFormDrill::intervalSettingShowsInTheBox()
{
    m_settings->SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, u"7"_qs);
    open(kThree);
    QCOMPARE(m_share.Interval, 7);
    QCOMPARE(m_form->findChild<QLineEdit*>(u"Text2"_qs)->text(), u" 7"_qs);
}

void TestMainFormDrill::phoneticIsShownAsIpa()
{
    open(kThree);
    QCOMPARE(label("Label10"), u"əˈbændən"_qs);
    QCOMPARE(m_share.Words.at(1), u"abandon/E5bAndEn/vt.放弃"_qs);
}

void TestMainFormDrill::unreadableListIsReported()
{
    m_share.LibraryKey = u"GONE"_qs;
    m_share.WordFile = m_dir.filePath(u"gone.txt"_qs);
    m_form = new mainForm(*m_context);
    m_form->load();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(u"gone.txt"_qs));
    QCOMPARE(m_share.EntryEnd, 1);
}

void TestMainFormDrill::overlongListIsReportedOnce()
{
    QStringList lines;
    for (int i = 1; i <= 10003; ++i)
        lines.append(QStringLiteral("w%1//m").arg(i));
    open(lines);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(u"10000"_qs));
    QCOMPARE(m_share.EntryEnd, 10001);
    QCOMPARE(m_form->findChild<QListWidget*>(u"List1"_qs)->count(), 10000);
}

void TestMainFormDrill::emptyListDoesNothingOnTick()
{
    open({});
    tick();
    tick();
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(label("Label2"), u"NO. 1"_qs);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestMainFormDrill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainform_drill.moc"
