#include "support/MainFormFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

// Drives the real main window offscreen: loading a list, showing entries, the drill tick and the
// position kept per list.
class TestMainFormDrill : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { f = std::make_unique<MainFormFixture>(); }
    void cleanup() { f.reset(); }
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
    QString label(const char* name) const { return f->child<QLabel>(name)->text(); }
    void tick() { QVERIFY(QMetaObject::invokeMethod(f->child<QTimer>("Timer1"), "timeout")); }
    std::unique_ptr<MainFormFixture> f;
};

const QStringList kThree = {u"abandon/E5bAndEn/vt.放弃"_qs, u"ability/E5bIlItI/n.能力"_qs, u"able/5eIbl/adj.能"_qs};

void TestMainFormDrill::firstStartShowsEntryOneAndStoresIt()
{
    f->open(kThree);
    QCOMPARE(f->form->currentIndex(), 1);
    QCOMPARE(label("Label9"), u"abandon"_qs);
    QCOMPARE(label("Label2"), u"NO. 1"_qs);
    QCOMPARE(f->child<QPlainTextEdit>("Label11")->toPlainText(), u"vt.放弃"_qs);
    QCOMPARE(f->child<QListWidget>("List1")->currentRow(), 0);
    QCOMPARE(f->position(), u"1"_qs);
    QCOMPARE(f->voice.calls, (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak abandon"_qs}));
    QVERIFY(!f->child<QTimer>("Timer1")->isActive());
    QCOMPARE(f->share.EntryEnd, 4);
}

void TestMainFormDrill::resumesAtTheSavedPosition()
{
    f->settings.SaveSetting(u"test"_qs, u"startup"_qs, u"left"_qs, u"2"_qs);
    f->open(kThree);
    QCOMPARE(f->form->currentIndex(), 2);
    QCOMPARE(label("Label9"), u"ability"_qs);
    QCOMPARE(f->child<QListWidget>("List1")->currentRow(), 1);
}

void TestMainFormDrill::positionBeyondTheListShowsTheLastEntry()
{
    f->settings.SaveSetting(u"TEST"_qs, u"Startup"_qs, u"Left"_qs, u"250"_qs);
    f->open(kThree);
    QCOMPARE(f->form->currentIndex(), 3);
    QCOMPARE(label("Label9"), u"able"_qs);
    QCOMPARE(f->position(), u"3"_qs);
}

void TestMainFormDrill::tickAdvancesSpeaksAndSaves()
{
    f->open(kThree);
    f->voice.calls.clear();
    tick();
    QCOMPARE(f->form->currentIndex(), 2);
    QCOMPARE(label("Label9"), u"ability"_qs);
    QCOMPARE(label("Label2"), u"NO. 2"_qs);
    QCOMPARE(f->position(), u"2"_qs);
    QCOMPARE(f->voice.calls, (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak ability"_qs}));
    QCOMPARE(f->child<QListWidget>("List1")->currentRow(), 1);
}

void TestMainFormDrill::endOfListShowsOneMessageAndWrapsOnce()
{
    f->settings.SaveSetting(u"TEST"_qs, u"Startup"_qs, u"Left"_qs, u"3"_qs);
    f->open(kThree);
    // While the message is up the timer keeps ticking; those ticks must neither stack a second
    // message nor move the drill.
    MessageBox::setHook([this](const QString& title, const QString& text) {
        f->messages.append(text);
        QCOMPARE(title, u"tavik"_qs);
        tick();
        tick();
        QCOMPARE(f->form->currentIndex(), 3);
    });
    tick();
    QCOMPARE(f->messages, QStringList{u"Congratuation, you have reach the end and now restart from the beginning!"_qs});
    QCOMPARE(f->form->currentIndex(), 0);
    QCOMPARE(label("Label9"), u"able"_qs);
    tick();
    QCOMPARE(f->form->currentIndex(), 1);
    QCOMPARE(label("Label9"), u"abandon"_qs);
    QCOMPARE(f->position(), u"1"_qs);
    QCOMPARE(f->messages.size(), 1);
}

void TestMainFormDrill::tickCatchesAPositionBeyondTheEnd()
{
    // More leading lines than entries leave rows after the last word; picking one puts the drill
    // beyond the end, and the next tick must still end the list instead of running on.
    f->open({u"one"_qs, u"two"_qs, u"three"_qs, u"w//m"_qs});
    f->child<QListWidget>("List1")->setCurrentRow(2);
    QCOMPARE(f->form->currentIndex(), 3);
    QCOMPARE(label("Label2"), u"NO. 3"_qs);
    tick();
    QCOMPARE(f->messages.size(), 1);
    tick();
    QCOMPARE(f->form->currentIndex(), 1);
    QCOMPARE(label("Label9"), u"w"_qs);
}

void TestMainFormDrill::entryWithoutSlashIsShownButNotSpoken()
{
    f->open({u"first/f/1"_qs, u"x=y"_qs});
    // Slot 0 holds nothing; a continuation-only entry has no slash.
    f->voice.calls.clear();
    f->form->ShowEntry(0);
    QCOMPARE(label("Label9"), QString());
    QCOMPARE(label("Label10"), QString());
    QVERIFY(f->voice.calls.isEmpty());

    f->open({u"plain text line"_qs, u"word/w/m"_qs});
    QCOMPARE(f->share.Words.at(0), QString());
    f->share.Words[1] = u"no separator here"_qs;
    f->voice.calls.clear();
    f->form->ShowEntry(1);
    QCOMPARE(label("Label9"), u"no separator here"_qs);
    QCOMPARE(f->child<QPlainTextEdit>("Label11")->toPlainText(), QString());
    QVERIFY(f->voice.calls.isEmpty());

    // An entry beginning with "/" leaves the display as it was and says nothing.
    f->share.Words[1] = u"/p/m"_qs;
    f->form->ShowEntry(1);
    QCOMPARE(label("Label9"), u"no separator here"_qs);
    QVERIFY(f->voice.calls.isEmpty());
}

void TestMainFormDrill::clickingARowShowsAndStoresIt()
{
    f->open(kThree);
    f->voice.spoken.clear();
    auto* list = f->child<QListWidget>("List1");
    const QRect row = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(f->form->currentIndex(), 3);
    QCOMPARE(label("Label9"), u"able"_qs);
    QCOMPARE(f->position(), u"3"_qs);
    QCOMPARE(f->voice.spoken, QStringList{u"able"_qs});
}

void TestMainFormDrill::intervalSettingShowsInTheBox()
{
    f->settings.SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, u"7"_qs);
    f->open(kThree);
    QCOMPARE(f->share.Interval, 7);
    QCOMPARE(f->child<QLineEdit>("Text2")->text(), u" 7"_qs);
}

void TestMainFormDrill::phoneticIsShownAsIpa()
{
    f->open(kThree);
    QCOMPARE(label("Label10"), u"əˈbændən"_qs);
    QCOMPARE(f->share.Words.at(1), u"abandon/E5bAndEn/vt.放弃"_qs);
}

void TestMainFormDrill::unreadableListIsReported()
{
    f->share.LibraryKey = u"GONE"_qs;
    f->share.WordFile = f->dir.filePath(u"gone.txt"_qs);
    f->form = new mainForm(f->context);
    f->form->load();
    QCOMPARE(f->messages.size(), 1);
    QVERIFY(f->messages.first().contains(u"gone.txt"_qs));
    QCOMPARE(f->share.EntryEnd, 1);
}

void TestMainFormDrill::overlongListIsReportedOnce()
{
    QStringList lines;
    for (int i = 1; i <= 10003; ++i)
        lines.append(QStringLiteral("w%1//m").arg(i));
    f->open(lines);
    QCOMPARE(f->messages.size(), 1);
    QVERIFY(f->messages.first().contains(u"10000"_qs));
    QCOMPARE(f->share.EntryEnd, 10001);
    QCOMPARE(f->child<QListWidget>("List1")->count(), 10000);
}

void TestMainFormDrill::emptyListDoesNothingOnTick()
{
    f->open({});
    tick();
    tick();
    QVERIFY(f->messages.isEmpty());
    QCOMPARE(label("Label2"), u"NO. 1"_qs);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestMainFormDrill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainform_drill.moc"
