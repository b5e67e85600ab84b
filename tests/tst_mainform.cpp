#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/common/Beep.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"
#include "ui/main/Skins.h"
#include "ui/main/mainForm.h"
#include "ui/tray/systemtray.h"
#include "vocab/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

const QStringList kWords = {u"abandon/E5bAndEn/vt.放弃"_qs, u"ability/E5bIlItI/n.能力"_qs, u"able/5eIbl/adj.能"_qs,
                            u"extraordinary/Ik5strR:dnErI/adj.非凡的"_qs, u"strenuous/5strenjJEs/adj.费力的"_qs};

QStringList numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("word%1//meaning %1").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

// The real main window, offscreen, driven through its controls as a learner would: the drill and
// its tick, the settings panel, the note file, search, the typing exercise, layout and skins.
class TestMainForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QFile::remove(m_dir.filePath(u"settings.ini"_qs));
        m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
        m_share = Share();
        m_voice = FakeVoice();
        m_context = std::make_unique<Context>(Context{m_share, *m_settings, m_voice, m_dir.path() + u'/'});
        m_messages.clear();
        MessageBox::setHook([this](const QString&, const QString& text) { m_messages.append(text); });
    }

    void cleanup()
    {
        delete m_form;
        MessageBox::setHook(nullptr);
        systemtray::setAvailabilityOverride(std::nullopt);
    }

    void loadShowsTheSavedEntry()
    {
        open(kWords);
        QCOMPARE(m_form->currentIndex(), 1);
        QCOMPARE(text("Label9"), u"abandon"_qs);
        QCOMPARE(text("Label10"), u"əˈbændən"_qs); // shown as IPA, stored as it was
        QCOMPARE(m_share.Words.at(1), kWords.at(0));
        QCOMPARE(text("Label2"), u"NO. 1"_qs);
        QCOMPARE(position(), u"1"_qs);
        QCOMPARE(m_voice.calls, (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak abandon"_qs}));

        m_settings->SaveSetting(u"test"_qs, u"startup"_qs, u"left"_qs, u"2"_qs);
        m_settings->SaveSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, u"7"_qs);
        open(kWords);
        QCOMPARE(text("Label9"), u"ability"_qs);
        QCOMPARE(child<QLineEdit>("Text2")->text(), u" 7"_qs);

        // A position saved for a longer version of the list resumes at the last entry.
        m_settings->SaveSetting(u"TEST"_qs, u"Startup"_qs, u"Left"_qs, u"250"_qs);
        open(kWords);
        QCOMPARE(m_form->currentIndex(), 5);
        QCOMPARE(position(), u"5"_qs);
    }

    void loadReportsUnreadableAndOverlongLists()
    {
        open(numbered(10003));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().contains(u"10000"_qs));
        QCOMPARE(m_share.EntryEnd, 10001);
        QCOMPARE(child<QListWidget>("List1")->count(), 10000);

        QFile::remove(m_share.WordFile);
        delete m_form;
        m_form = new mainForm(*m_context);
        m_form->load();
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages.last().contains(u"TEST"_qs));
        QCOMPARE(m_share.EntryEnd, 1);
        tick(); // an empty list has nothing to advance to
        QCOMPARE(m_messages.size(), 2);
    }

    void tickAdvancesAndWrapsOnce()
    {
        // Rows left by leading lines lie beyond the last entry; the tick's end test must catch them.
        open(QStringList{u"one"_qs, u"two"_qs, u"three"_qs, u"four"_qs} + kWords.mid(0, 3));
        m_voice.calls.clear();
        tick();
        QCOMPARE(text("Label9"), u"ability"_qs);
        QCOMPARE(position(), u"2"_qs);
        QCOMPARE(m_voice.calls, (QStringList{u"stop"_qs, u"rate 120"_qs, u"speak ability"_qs}));
        child<QListWidget>("List1")->setCurrentRow(3);
        QCOMPARE(m_form->currentIndex(), 4);

        // The message is modal while the timer keeps ticking: no second message, no move.
        MessageBox::setHook([this](const QString& title, const QString& text) {
            m_messages.append(title + u':' + text);
            tick();
            tick();
        });
        tick();
        QCOMPARE(m_messages,
                 QStringList{u"tavik:Congratuation, you have reach the end and now restart from the beginning!"_qs});
        QCOMPARE(m_form->currentIndex(), 0);
        tick();
        QCOMPARE(m_form->currentIndex(), 1);
        QCOMPARE(text("Label9"), u"abandon"_qs);
        QCOMPARE(position(), u"1"_qs);
    }

    void startPauseContinueAndTray()
    {
        for (const bool tray : {true, false}) {
            systemtray::setAvailabilityOverride(tray);
            open(kWords);
            QCOMPARE(text("Label8"), u"Start"_qs);
            click("Image5");
            QCOMPARE(text("Label8"), u"Pause"_qs);
            QCOMPARE(child<QTimer>("Timer1")->interval(), 5000);
            QVERIFY(!child<ImageButton>("Image2")->isEnabled());
            click("Image5");
            QCOMPARE(text("Label8"), u"Continue"_qs);
            QVERIFY(!child<QTimer>("Timer1")->isActive());
            QVERIFY(child<ImageButton>("Image2")->isEnabled());
            click("Image5");

            click("Image16");
            QCOMPARE(text("Label8"), u"Start"_qs);
            QVERIFY(!child<QTimer>("Timer1")->isActive() && !child<QTimer>("Timer2")->isActive());
            QVERIFY(m_form->windowState().testFlag(Qt::WindowMinimized));
            // Without a notification area the window stays on the task bar instead of vanishing.
            QCOMPARE(m_form->isVisible(), !tray);
            m_form->ui().Sys_restore->trigger();
            QVERIFY(m_form->isVisible() && !m_form->windowState().testFlag(Qt::WindowMinimized));
            QCOMPARE(text("Label8"), u"Start"_qs);
        }
    }

    void settingsPanelBoxesAndButtons()
    {
        open(numbered(40));
        m_form->ShowEntry(30);
        click("Image5");
        click("Image5");
        click("Image2");
        QVERIFY(child<QGroupBox>("Frame2")->isVisible());
        QCOMPARE(child<QLineEdit>("Text1")->text(), u" 30"_qs);
        // Checked at every change: "4" passes, "45" becomes "30"; "1" on the way to "15" becomes "2".
        retype("Text2", u"45"_qs);
        QCOMPARE(child<QLineEdit>("Text2")->text(), u"30"_qs);
        retype("Text2", u"1"_qs);
        QCOMPARE(child<QLineEdit>("Text2")->text(), u"2"_qs);
        QCOMPARE(m_messages, (QStringList{u"The interval cannot > 30S OK!"_qs, u"The interval cannot < 2S OK!"_qs}));
        retype("Text2", u"7"_qs);
        retype("Text1", u"0"_qs);
        QCOMPARE(child<QLineEdit>("Text1")->text(), u"1"_qs);
        retype("Text1", u" 12"_qs);
        click("Command1");
        QCOMPARE(m_settings->GetSetting(u"TAVIK"_qs, u"Timeinterval"_qs, u"Left"_qs, {}), u"7"_qs);
        QCOMPARE(text("Label9"), u"word012"_qs);
        QCOMPARE(position(), u"12"_qs);
        QVERIFY(!child<QGroupBox>("Frame2")->isVisible());
        click("Image5");
        QCOMPARE(child<QTimer>("Timer1")->interval(), 7000);

        // Option opens the panel while the drill runs; text that is no number keeps what was;
        // a start beyond the list shows the last entry; Cancel applies nothing.
        m_form->ui().Sys_option->trigger();
        retype("Text2", u"fast"_qs);
        retype("Text1", u"500"_qs);
        click("Command1");
        QCOMPARE(m_share.Interval, 7);
        QCOMPARE(text("Label9"), u"word040"_qs);
        m_form->ui().Sys_option->trigger();
        retype("Text1", u"3"_qs);
        click("Command2");
        QCOMPARE(m_form->currentIndex(), 40);
        QCOMPARE(m_messages.size(), 2);
    }

    void caseAndMeaningToggles()
    {
        open(kWords);
        auto* word = child<QLabel>("Label9");
        m_form->ShowEntry(4);
        QCOMPARE(word->font().pointSize(), 40);
        click("Image15");
        QCOMPARE(word->text(), u"EXTRAORDINARY"_qs);
        QCOMPARE(word->font().pointSize(), 36); // capitals are wider
        QCOMPARE(text("Label17"), u"小 写"_qs);
        m_voice.spoken.clear();
        m_form->ShowEntry(3);
        QCOMPARE(word->text(), u"ABLE"_qs);
        click("Image12");
        QCOMPARE(m_voice.spoken, (QStringList{u"ABLE"_qs, u"ABLE"_qs}));
        click("Image15");
        QCOMPARE(word->text(), u"able"_qs);

        click("Image4");
        QCOMPARE(text("Label6"), u"Show"_qs);
        QVERIFY(!child<QPlainTextEdit>("Label11")->isVisible() && !child<ImageButton>("Image13")->isVisible());
        m_form->ShowEntry(2);
        QCOMPARE(child<QPlainTextEdit>("Label11")->toPlainText(), u"n.能力"_qs);
        click("Image4");
        QVERIFY(child<QPlainTextEdit>("Label11")->isVisible());
    }

    void noteFileAddAndDelete()
    {
        open({u"abacus//n.算盘"_qs, u"abacus:calculate=balance:weight"_qs, u"abase/E5beIs/v.贬低"_qs});
        QVERIFY(!child<ImageButton>("Image14")->isEnabled());
        QTest::keyPress(child<QComboBox>("Combo1"), Qt::Key_Control);
        QCOMPARE(child<ImageButton>("Image7")->borderStyle(), 1);
        QTest::keyRelease(child<QComboBox>("Combo1"), Qt::Key_Control);
        QCOMPARE(child<ImageButton>("Image7")->borderStyle(), 0);
        // A held key repeats; the entry goes in once per press.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(child<QListWidget>("List1"), &repeat);
        m_form->ShowEntry(2);
        click("Image7");
        QCOMPARE(readBytes(m_share.NoteFile),
                 gbk(u"abacus//n.算盘\r\nabacus:calculate=balance:weight\r\nabase/E5beIs/v.贬低\r\n"_qs));

        open({u"one//1"_qs, u"two//2"_qs, u"three//3"_qs}, Share::NoteFileSource);
        QVERIFY(!child<ImageButton>("Image7")->isEnabled() && child<ImageButton>("Image14")->isEnabled());
        auto* list = child<QListWidget>("List1");
        m_form->ShowEntry(2);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->count(), 2);
        QCOMPARE(text("Label9"), u"three"_qs);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(readBytes(m_share.NoteFile), gbk(u"one//1\r\nthree//3\r\n"_qs));
        click("Image14"); // the last entry: the new last is shown
        QCOMPARE(text("Label9"), u"one"_qs);
        QTest::keyClick(child<QPlainTextEdit>("Label11"), Qt::Key_Delete);
        QCOMPARE(m_share.EntryEnd, 1);
        QCOMPARE(readBytes(m_share.NoteFile), QByteArray());
    }

    void noteFileFailuresAreToldOnce()
    {
        open(kWords);
        m_share.NoteFile = m_dir.filePath(u"no-such-folder/note.txt"_qs);
        QTest::keyClick(child<QLineEdit>("Text3"), Qt::Key_Control);
        QCOMPARE(m_messages.size(), 1);

        open({u"one//1"_qs, u"two//2"_qs}, Share::NoteFileSource);
        QFile::remove(m_share.NoteFile);
        QTest::keyClick(child<QListWidget>("List1"), Qt::Key_Delete);
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(child<QListWidget>("List1")->count(), 2);
        QCOMPARE(text("Label9"), u"one"_qs);
    }

    void searchArrowsAndExercise()
    {
        open(kWords + numbered(100));
        auto* search = child<QComboBox>("Combo1");
        QTest::keyClicks(search, u"ab"_qs);
        QCOMPARE(m_form->currentIndex(), 2); // from two characters on, the scan starts after entry 1
        QTest::keyClicks(search, u"l"_qs);
        QCOMPARE(m_form->currentIndex(), 3);
        m_form->ShowEntry(45);
        m_voice.spoken.clear();
        retype("Combo1", u"word06"_qs);
        QCOMPARE(position(), u"65"_qs);
        // Only entries found are spoken (no entry 14 rows further on), and the found row heads the list.
        QCOMPARE(m_voice.spoken.last(), u"word060"_qs);
        for (const QString& spoken : m_voice.spoken)
            QVERIFY2(spoken.mid(4).toInt() <= 65, qPrintable(spoken));
        auto* list = child<QListWidget>("List1");
        QCOMPARE(list->indexAt(QPoint(2, 2)).row(), 64);
        QVERIFY(list->indexAt(QPoint(2, list->viewport()->height() - 3)).row() > 70);

        // Arrows from the search box: the combo box keeps its own arrows unless the window takes them.
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(m_form->currentIndex(), 66);
        QTest::keyClick(child<QPlainTextEdit>("Label11"), Qt::Key_Up);
        QCOMPARE(position(), u"65"_qs);

        retype("Combo1", u"d0[4-5]?"_qs);
        m_form->ShowEntry(1);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(m_form->currentIndex(), 45);
        click("Image1");
        QCOMPARE(m_form->currentIndex(), 46);
        m_form->ShowEntry(105);
        QTest::keyClick(search, Qt::Key_Return); // no wrap
        QCOMPARE(m_form->currentIndex(), 105);
        QTest::keyClick(search, Qt::Key_Down); // nothing after the last
        QCOMPARE(m_form->currentIndex(), 105);

        m_form->ShowEntry(5);
        int beeps = 0;
        Beep::setHook([&beeps] { ++beeps; });
        auto* exercise = child<QLineEdit>("Text3");
        QTest::keyClicks(exercise, u"stren"_qs);
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

    void layoutAndSkins()
    {
        open(kWords);
        QCOMPARE(m_form->size(), QSize(722, 539));
        QVERIFY((m_form->geometry().center() - m_form->screen()->availableGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(child<QLabel>("Label9")->geometry(), QRect(280, 32, 438, 121));
        QCOMPARE(child<QGroupBox>("Frame2")->geometry(), QRect(216, 0, 505, 537));
        QCOMPARE(child<QLabel>("Label4")->geometry(), QRect(440, 520, 65, 17));
        auto* image5 = child<ImageButton>("Image5");
        QTest::mousePress(image5, Qt::LeftButton);
        QCOMPARE(image5->borderStyle(), 1);
        QTest::mouseRelease(image5, Qt::LeftButton, {}, QPoint(-20, -20)); // dragged off: no click
        QCOMPARE(image5->borderStyle(), 0);
        QCOMPARE(text("Label8"), u"Start"_qs);

        QVERIFY(m_form->background().isNull());
        QCOMPARE(Skins::storedSkin(*m_settings), u"0"_qs);
        m_form->ui().Sys_option->trigger();
        click("Image9");
        QCOMPARE(m_form->background().size(), QSize(720, 540));
        QCOMPARE(Skins::storedSkin(*m_settings), u"2"_qs);
        QVERIFY(!child<QGroupBox>("Frame2")->isVisible());
        open(kWords);
        QCOMPARE(m_form->background().size(), QSize(720, 540));
        Skins::storeSkin(*m_settings, 5); // no such picture: the plain window
        open(kWords);
        QVERIFY(m_form->background().isNull());
    }

private:
    mainForm* open(const QStringList& lines, qint16 source = Share::PackagedSource)
    {
        m_share.NoteFile = m_dir.filePath(u"note.txt"_qs);
        m_share.WordFile = source == Share::NoteFileSource ? m_share.NoteFile : m_dir.filePath(u"TEST"_qs);
        m_share.LibraryKey = source == Share::NoteFileSource ? m_share.NoteFile : u"TEST"_qs;
        m_share.SourceKind = source;
        writeGbkList(m_share.WordFile, lines);
        delete m_form;
        m_form = new mainForm(*m_context);
        m_form->load();
        m_form->show();
        if (!QTest::qWaitForWindowExposed(m_form))
            qWarning("main window not exposed");
        return m_form;
    }

    template <typename T> T* child(const char* name) const { return m_form->findChild<T*>(QString::fromLatin1(name)); }
    QString text(const char* name) const { return child<QLabel>(name)->text(); }
    QString position() const { return m_settings->GetSetting(m_share.LibraryKey, u"Startup"_qs, u"Left"_qs, {}); }
    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    void tick() { QVERIFY(QMetaObject::invokeMethod(child<QTimer>("Timer1"), "timeout")); }
    void retype(const char* box, const QString& text)
    {
        QTest::keyClick(child<QWidget>(box), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(child<QWidget>(box), text);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<mainForm> m_form;
    QStringList m_messages;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestMainForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainform.moc"
