#include "support/MainFormFixture.h"
#include "ui/common/Beep.h"
#include "ui/common/ImageButton.h"
#include "ui/tray/systemtray.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

// Drives the main window's drill controls, note-file keys, search and typing exercise through its
// controls, as a learner would.
class TestMainFormControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { f = std::make_unique<MainFormFixture>(); }
    void cleanup() { f.reset(); }
    void startPauseContinue();
    void stopForTrayStopsTheDrill();
    void intervalBoxCorrectsOnceWithAMessage();
    void okAppliesAndCancelDoesNot();
    void startBoxRules();
    void caseToggleAndWordSize();
    void meaningToggle();
    void ctrlAddsToTheNoteFile();
    void addFailureIsToldOnce();
    void deleteRemovesFromListAndFile();
    void deleteFailureKeepsTheEntry();
    void arrowKeysStepThroughTheList();
    void prefixSearchShowsOnlyTheFoundEntry();
    void enterAndSearchButtonFindTheNextMatch();
    void typingExerciseBeepsFourTimes();
    void pressedLookWithoutClick();

private:
    QStringList numbered(int count) const;
    void typeInto(QWidget* box, const QString& text);
    std::unique_ptr<MainFormFixture> f;
};

QStringList TestMainFormControls::numbered(int count) const
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("word%1//meaning %1").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

void TestMainFormControls::typeInto(QWidget* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

const QStringList kWords = {u"abandon/E5bAndEn/vt.放弃"_qs, u"ability/E5bIlItI/n.能力"_qs, u"able/5eIbl/adj.能"_qs,
                            u"extraordinary/Ik5strR:dnErI/adj.非凡的"_qs, u"strenuous/5strenjJEs/adj.费力的"_qs};

void TestMainFormControls::startPauseContinue()
{
    f->open(kWords);
    auto* image5 = f->child<ImageButton>("Image5");
    auto* label8 = f->child<QLabel>("Label8");
    auto* timer1 = f->child<QTimer>("Timer1");
    auto* timer2 = f->child<QTimer>("Timer2");
    auto* image2 = f->child<ImageButton>("Image2");
    QCOMPARE(label8->text(), u"Start"_qs);
    QVERIFY(!timer1->isActive());

    QTest::mouseClick(image5, Qt::LeftButton);
    QCOMPARE(label8->text(), u"Pause"_qs);
    QVERIFY(timer1->isActive());
    QVERIFY(timer2->isActive());
    QCOMPARE(timer1->interval(), 5000);
    QCOMPARE(timer2->interval(), 300);
    QVERIFY(!image2->isEnabled());

    QTest::mouseClick(image5, Qt::LeftButton);
    QCOMPARE(label8->text(), u"Continue"_qs);
    QVERIFY(!timer1->isActive());
    QVERIFY(!timer2->isActive());
    QVERIFY(image2->isEnabled());

    QTest::mouseClick(image5, Qt::LeftButton);
    QCOMPARE(label8->text(), u"Pause"_qs);
    QVERIFY(!image2->isEnabled());
}

void TestMainFormControls::stopForTrayStopsTheDrill()
{
    for (const bool tray : {true, false}) {
        systemtray::setAvailabilityOverride(tray);
        f->open(kWords);
        QTest::mouseClick(f->child<ImageButton>("Image5"), Qt::LeftButton);
        QTest::mouseClick(f->child<ImageButton>("Image16"), Qt::LeftButton);
        QCOMPARE(f->child<QLabel>("Label8")->text(), u"Start"_qs);
        QVERIFY(!f->child<QTimer>("Timer1")->isActive());
        QVERIFY(!f->child<QTimer>("Timer2")->isActive());
        QVERIFY(f->child<ImageButton>("Image2")->isEnabled());
        QVERIFY(f->form->windowState().testFlag(Qt::WindowMinimized));
        // Without a notification area the window stays on the task bar instead of vanishing.
        QCOMPARE(f->form->isVisible(), !tray);

        f->form->ui().Sys_restore->trigger();
        QVERIFY(f->form->isVisible());
        QVERIFY(!f->form->windowState().testFlag(Qt::WindowMinimized));
        QCOMPARE(f->child<QLabel>("Label8")->text(), u"Start"_qs);

        f->form->ui().Sys_minize->trigger();
        QCOMPARE(f->form->isVisible(), !tray);
    }
    systemtray::setAvailabilityOverride(std::nullopt);
}

void TestMainFormControls::intervalBoxCorrectsOnceWithAMessage()
{
    f->open(kWords);
    QTest::mouseClick(f->child<ImageButton>("Image2"), Qt::LeftButton);
    QVERIFY(f->child<QGroupBox>("Frame2")->isVisible());
    auto* text2 = f->child<QLineEdit>("Text2");
    QCOMPARE(text2->text(), u" 5"_qs);

    typeInto(text2, u"45"_qs);
    // "4" passes; "45" is corrected to "30" with one message.
    QCOMPARE(text2->text(), u"30"_qs);
    QCOMPARE(f->messages, QStringList{u"The interval cannot > 30S OK!"_qs});

    // On the way to "15" the "1" is already corrected.
    typeInto(text2, u"1"_qs);
    QCOMPARE(text2->text(), u"2"_qs);
    QCOMPARE(f->messages.size(), 2);
    QCOMPARE(f->messages.last(), u"The interval cannot < 2S OK!"_qs);

    typeInto(text2, u"30"_qs);
    typeInto(text2, u"abc"_qs);
    QCOMPARE(f->messages.size(), 2);
    QCOMPARE(text2->text(), u"abc"_qs);
}

void TestMainFormControls::okAppliesAndCancelDoesNot()
{
    f->open(numbered(40));
    f->form->ShowEntry(30);
    QTest::mouseClick(f->child<ImageButton>("Image5"), Qt::LeftButton); // running at 5 s
    QTest::mouseClick(f->child<ImageButton>("Image5"), Qt::LeftButton);
    QTest::mouseClick(f->child<ImageButton>("Image2"), Qt::LeftButton);
    QCOMPARE(f->child<QLineEdit>("Text1")->text(), u" 30"_qs);

    typeInto(f->child<QLineEdit>("Text2"), u"7"_qs);
    typeInto(f->child<QLineEdit>("Text1"), u" 12"_qs);
    QTest::mouseClick(f->child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(f->settings.GetSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, QString()), u"7"_qs);
    QCOMPARE(f->form->currentIndex(), 12);
    QCOMPARE(f->child<QLabel>("Label9")->text(), u"word012"_qs);
    QCOMPARE(f->position(), u"12"_qs);
    QVERIFY(!f->child<QGroupBox>("Frame2")->isVisible());
    QTest::mouseClick(f->child<ImageButton>("Image5"), Qt::LeftButton);
    QCOMPARE(f->child<QTimer>("Timer1")->interval(), 7000);

    // Option from the menu opens the panel even while the drill runs; Cancel applies nothing.
    f->form->ui().Sys_option->trigger();
    QVERIFY(f->child<QGroupBox>("Frame2")->isVisible());
    typeInto(f->child<QLineEdit>("Text2"), u"9"_qs);
    typeInto(f->child<QLineEdit>("Text1"), u"3"_qs);
    QTest::mouseClick(f->child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(!f->child<QGroupBox>("Frame2")->isVisible());
    QCOMPARE(f->form->currentIndex(), 12);
    QCOMPARE(f->settings.GetSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, QString()), u"7"_qs);
}

void TestMainFormControls::startBoxRules()
{
    f->open(numbered(40));
    QTest::mouseClick(f->child<ImageButton>("Image2"), Qt::LeftButton);
    auto* text1 = f->child<QLineEdit>("Text1");
    typeInto(text1, u"0"_qs);
    QCOMPARE(text1->text(), u"1"_qs);
    typeInto(text1, u"500"_qs);
    QCOMPARE(text1->text(), u"500"_qs);
    QTest::mouseClick(f->child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(f->form->currentIndex(), 40);
    QCOMPARE(f->child<QLabel>("Label9")->text(), u"word040"_qs);

    f->form->ui().Sys_option->trigger();
    typeInto(text1, QString());
    QTest::mouseClick(f->child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(f->form->currentIndex(), 40);
    QVERIFY(f->messages.isEmpty());
}

void TestMainFormControls::caseToggleAndWordSize()
{
    f->open(kWords);
    auto* word = f->child<QLabel>("Label9");
    auto* caption = f->child<QLabel>("Label17");
    QCOMPARE(caption->text(), u"大 写"_qs);
    QCOMPARE(word->font().pointSize(), 48); // "abandon"
    f->form->ShowEntry(4);
    QCOMPARE(word->font().pointSize(), 40);

    QTest::mouseClick(f->child<ImageButton>("Image15"), Qt::LeftButton);
    QCOMPARE(word->text(), u"EXTRAORDINARY"_qs);
    QCOMPARE(word->font().pointSize(), 36);
    QCOMPARE(caption->text(), u"小 写"_qs);
    QCOMPARE(f->share.UpperCase, 1);

    f->voice.spoken.clear();
    f->form->ShowEntry(3);
    QCOMPARE(word->text(), u"ABLE"_qs);
    QCOMPARE(word->font().pointSize(), 52);
    QTest::mouseClick(f->child<ImageButton>("Image12"), Qt::LeftButton);
    QCOMPARE(f->voice.spoken, (QStringList{u"ABLE"_qs, u"ABLE"_qs}));

    QTest::mouseClick(f->child<ImageButton>("Image15"), Qt::LeftButton);
    QCOMPARE(word->text(), u"able"_qs);
    QCOMPARE(caption->text(), u"大 写"_qs);
}

void TestMainFormControls::meaningToggle()
{
    f->open(kWords);
    auto* caption = f->child<QLabel>("Label6");
    auto* meaning = f->child<QPlainTextEdit>("Label11");
    auto* image13 = f->child<ImageButton>("Image13");
    QCOMPARE(caption->text(), u"Unshow"_qs);
    QTest::mouseClick(f->child<ImageButton>("Image4"), Qt::LeftButton);
    QCOMPARE(caption->text(), u"Show"_qs);
    QVERIFY(!meaning->isVisible());
    QVERIFY(!image13->isVisible());
    f->form->ShowEntry(2);
    QCOMPARE(meaning->toPlainText(), u"n.能力"_qs);
    QTest::mouseClick(f->child<ImageButton>("Image4"), Qt::LeftButton);
    QVERIFY(meaning->isVisible());
    QTest::mouseClick(image13, Qt::LeftButton);
    QCOMPARE(caption->text(), u"Show"_qs);
}

void TestMainFormControls::ctrlAddsToTheNoteFile()
{
    f->open({u"abacus//n.算盘"_qs, u"abacus:calculate=balance:weight"_qs, u"abase/E5beIs/v.贬低"_qs});
    QVERIFY(!TextFile::exists(f->share.NoteFile));
    QVERIFY(!f->child<ImageButton>("Image14")->isEnabled());
    auto* image7 = f->child<ImageButton>("Image7");
    QVERIFY(image7->isEnabled());

    auto* search = f->child<QComboBox>("Combo1");
    QTest::keyPress(search, Qt::Key_Control);
    QCOMPARE(image7->borderStyle(), 1);
    QTest::keyRelease(search, Qt::Key_Control);
    QCOMPARE(image7->borderStyle(), 0);
    QCOMPARE(readBytes(f->share.NoteFile), gbk(u"abacus//n.算盘\r\nabacus:calculate=balance:weight\r\n"_qs));

    // A held key repeats; the entry goes in once per press.
    auto* exercise = f->child<QLineEdit>("Text3");
    QTest::keyPress(exercise, Qt::Key_Control);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), true);
    QApplication::sendEvent(exercise, &repeat);
    QApplication::sendEvent(f->child<QListWidget>("List1"), &repeat);
    QTest::keyRelease(exercise, Qt::Key_Control);
    QTest::keyClick(f->child<QListWidget>("List1"), Qt::Key_Control);
    f->form->ShowEntry(2);
    QTest::mouseClick(image7, Qt::LeftButton);
    const QString text = TextFile::readLines(f->share.NoteFile, nullptr)->lines.join(u'|');
    QCOMPARE(text.count(u"abacus//"_qs), 3);
    QVERIFY(text.endsWith(u"abase/E5beIs/v.贬低"_qs));
    QVERIFY(f->messages.isEmpty());
}

void TestMainFormControls::addFailureIsToldOnce()
{
    f->open(kWords);
    f->share.NoteFile = f->dir.filePath(u"no-such-folder/note.txt"_qs);
    QTest::keyClick(f->child<QLineEdit>("Text3"), Qt::Key_Control);
    QCOMPARE(f->messages.size(), 1);
    QVERIFY(f->messages.first().contains(u"note.txt"_qs));
}

void TestMainFormControls::deleteRemovesFromListAndFile()
{
    f->openNote({u"one//1"_qs, u"two//2"_qs, u"three//3"_qs});
    QVERIFY(!f->child<ImageButton>("Image7")->isEnabled());
    QVERIFY(!f->child<QLabel>("Label15")->isEnabled());
    QVERIFY(f->child<ImageButton>("Image14")->isEnabled());
    auto* list = f->child<QListWidget>("List1");
    f->form->ShowEntry(2);

    // Ctrl does nothing while the note file itself is drilled.
    QTest::keyClick(list, Qt::Key_Control);
    QCOMPARE(f->share.EntryEnd, 4);

    QTest::keyPress(list, Qt::Key_Delete);
    QCOMPARE(f->child<ImageButton>("Image14")->borderStyle(), 1);
    QTest::keyRelease(list, Qt::Key_Delete);
    QCOMPARE(f->child<ImageButton>("Image14")->borderStyle(), 0);
    QCOMPARE(list->count(), 2);
    QCOMPARE(f->share.EntryEnd, 3);
    QCOMPARE(f->child<QLabel>("Label9")->text(), u"three"_qs);
    QCOMPARE(f->form->currentIndex(), 2);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(readBytes(f->share.NoteFile), gbk(u"one//1\r\nthree//3\r\n"_qs));

    QTest::mouseClick(f->child<ImageButton>("Image14"), Qt::LeftButton); // the last entry
    QCOMPARE(f->child<QLabel>("Label9")->text(), u"one"_qs);
    QTest::keyClick(f->child<QPlainTextEdit>("Label11"), Qt::Key_Delete);
    QCOMPARE(f->share.EntryEnd, 1);
    QCOMPARE(list->count(), 0);
    QCOMPARE(readBytes(f->share.NoteFile), QByteArray());
    QTest::keyClick(list, Qt::Key_Delete);
    QTest::mouseClick(f->child<ImageButton>("Image14"), Qt::LeftButton);
    QVERIFY(f->messages.isEmpty());
}

void TestMainFormControls::deleteFailureKeepsTheEntry()
{
    f->openNote({u"one//1"_qs, u"two//2"_qs});
    QFile::remove(f->share.NoteFile);
    QTest::keyClick(f->child<QListWidget>("List1"), Qt::Key_Delete);
    QCOMPARE(f->messages.size(), 1);
    QCOMPARE(f->child<QListWidget>("List1")->count(), 2);
    QCOMPARE(f->share.EntryEnd, 3);
    QCOMPARE(f->child<QLabel>("Label9")->text(), u"one"_qs);
    QVERIFY(!TextFile::exists(f->share.NoteFile));
}

void TestMainFormControls::arrowKeysStepThroughTheList()
{
    f->open(kWords);
    auto* exercise = f->child<QLineEdit>("Text3");
    QTest::keyClick(exercise, Qt::Key_Up);
    QCOMPARE(f->form->currentIndex(), 1);
    QTest::keyClick(exercise, Qt::Key_Down);
    QCOMPARE(f->form->currentIndex(), 2);
    QCOMPARE(f->position(), u"2"_qs);
    QTest::keyClick(f->child<QComboBox>("Combo1"), Qt::Key_Down);
    QTest::keyClick(f->child<QPlainTextEdit>("Label11"), Qt::Key_Down);
    QTest::keyClick(exercise, Qt::Key_Down);
    QCOMPARE(f->form->currentIndex(), 5);
    QTest::keyClick(exercise, Qt::Key_Down);
    QCOMPARE(f->form->currentIndex(), 5);
    QTest::keyClick(exercise, Qt::Key_Up);
    QCOMPARE(f->form->currentIndex(), 4);
    QCOMPARE(f->child<QLabel>("Label9")->text(), u"extraordinary"_qs);
    QCOMPARE(f->position(), u"4"_qs);
}

void TestMainFormControls::prefixSearchShowsOnlyTheFoundEntry()
{
    f->open(kWords + numbered(100));
    auto* search = f->child<QComboBox>("Combo1");
    QTest::keyClicks(search, u"a"_qs);
    QCOMPARE(f->form->currentIndex(), 1);
    QTest::keyClicks(search, u"b"_qs);
    QCOMPARE(f->form->currentIndex(), 2);
    QTest::keyClicks(search, u"l"_qs);
    QCOMPARE(f->form->currentIndex(), 3);

    f->form->ShowEntry(45);
    f->voice.spoken.clear();
    typeInto(search, u"word06"_qs);
    QCOMPARE(f->form->currentIndex(), 65);
    QCOMPARE(f->position(), u"65"_qs);
    // Only the entries found were spoken: no entry 14 rows further on flashes by.
    QVERIFY(!f->voice.spoken.isEmpty());
    for (const QString& spoken : f->voice.spoken)
        QVERIFY2(spoken.startsWith(u"word0"_qs) && spoken.mid(5).toInt() <= 65, qPrintable(spoken));
    QCOMPARE(f->voice.spoken.last(), u"word060"_qs);
    auto* list = f->child<QListWidget>("List1");
    QCOMPARE(list->indexAt(QPoint(2, 2)).row(), 64);
    QVERIFY(list->indexAt(QPoint(2, list->viewport()->height() - 3)).row() > 70);

    // Nothing matches: the entry on display stays.
    typeInto(search, u"zzz"_qs);
    QCOMPARE(f->form->currentIndex(), 65);
}

void TestMainFormControls::enterAndSearchButtonFindTheNextMatch()
{
    f->open({u"nation//国家"_qs, u"cat//猫"_qs, u"station//车站"_qs, u"motion//运动"_qs});
    auto* search = f->child<QComboBox>("Combo1");
    QTest::keyClicks(search, u"tion"_qs);
    f->form->ShowEntry(1);
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(f->form->currentIndex(), 3);
    QTest::mouseClick(f->child<ImageButton>("Image1"), Qt::LeftButton);
    QCOMPARE(f->form->currentIndex(), 4);
    f->voice.spoken.clear();
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(f->form->currentIndex(), 4);
    QCOMPARE(f->voice.spoken, QStringList{u"motion"_qs});
}

void TestMainFormControls::typingExerciseBeepsFourTimes()
{
    f->open(kWords);
    f->form->ShowEntry(5);
    int beeps = 0;
    Beep::setHook([&beeps] { ++beeps; });
    auto* exercise = f->child<QLineEdit>("Text3");
    QTest::keyClicks(exercise, u"stren"_qs);
    QCOMPARE(exercise->text(), u"stren"_qs);
    QCOMPARE(beeps, 0);
    QTest::keyClicks(exercise, u"m"_qs);
    QCOMPARE(exercise->text(), QString());
    QCOMPARE(beeps, 4);
    QTest::keyClicks(exercise, u"strenuous"_qs);
    QTest::keyClick(exercise, Qt::Key_Return);
    QCOMPARE(exercise->text(), QString());
    QCOMPARE(beeps, 4);
    Beep::setHook(nullptr);
}

void TestMainFormControls::pressedLookWithoutClick()
{
    f->open(kWords);
    auto* image5 = f->child<ImageButton>("Image5");
    QTest::mousePress(image5, Qt::LeftButton);
    QCOMPARE(image5->borderStyle(), 1);
    QTest::mouseRelease(image5, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(image5->borderStyle(), 0);
    QCOMPARE(f->child<QLabel>("Label8")->text(), u"Start"_qs);
    // Images without a pressed look keep no border.
    auto* image12 = f->child<ImageButton>("Image12");
    QTest::mousePress(image12, Qt::LeftButton);
    QCOMPARE(image12->borderStyle(), 0);
    QTest::mouseRelease(image12, Qt::LeftButton);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestMainFormControls test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainform_controls.moc"
