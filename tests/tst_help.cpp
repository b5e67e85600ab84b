#include "ui/help/Help.h"
#include "ui/help/HelpText.h"
#include "vocab/NoteLocation.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QUrl>

// The help window: its texts, which clicks close it, the mail line and the one window.
class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void guideIsTheTwentyTwoLines();
    void guideNamesTheDefaultNoteFile_data();
    void guideNamesTheDefaultNoteFile();
    void windowShowsItsTexts();
    void clicksCloseOrNot_data();
    void clicksCloseOrNot();
    void mailLineWritesAMailAndStaysOpen();
    void openingTwiceShowsTheOneWindow();

private:
    QLabel* label(const char* name) const { return m_help->findChild<QLabel*>(QString::fromLatin1(name)); }

    QPointer<Help> m_help;
    QList<QUrl> m_opened;
};

namespace {

// The guide as written, with the blanks some lines end in.
const QStringList kGuide = {u"1. 可以设定自动浏览时间间隔，也可手动浏览"_qs,
                            u""_qs,
                            u"2. 方向键，向上，向下，可以向前、后随时滚动单词"_qs,
                            u""_qs,
                            u"3. 可将不熟悉的单词添加到 笔记本(默认是“C:\\taviknote.txt)"_qs,
                            u"        "_qs,
                            u"   按下 Ctrl 键，或者点击 "_qs,
                            u"         "_qs,
                            u"   用户也可以利用笔记本这个功能，将自己的单词添加到笔记本"_qs,
                            u"   具体方法，下一版本将说明，如急需可来信告知 "_qs,
                            u"   可从笔记本中删除单词，快捷键为“Delete”  "_qs,
                            u"   "_qs,
                            u"4. 可以记录背单词进度"_qs,
                            u""_qs,
                            u"5. 不用时可以最小化到任务栏TrayIcon区，并同时自动暂停"_qs,
                            u""_qs,
                            u"6. 可以最小化为一个悬浮窗口在桌面最顶"_qs,
                            u"   可以最大化"_qs,
                            u""_qs,
                            u"7. 可查询单词"_qs,
                            u""_qs,
                            u"8. 支持语音"_qs};

bool deletedAfterEvents(const QPointer<Help>& help)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return help.isNull();
}

} // namespace

void TestHelp::init()
{
    m_opened.clear();
    Help::setUrlOpener([this](const QUrl& url) { m_opened.append(url); });
    m_help = Help::showHelp();
    QVERIFY(QTest::qWaitForWindowExposed(m_help));
}

void TestHelp::cleanup()
{
    delete m_help;
    Help::setUrlOpener(nullptr);
}

void TestHelp::guideIsTheTwentyTwoLines()
{
    const QString guide = HelpText::guide(u"c:\\taviknote.txt"_qs);
    QCOMPARE(guide.split(u"\r\n"_qs), kGuide);
    QCOMPARE(guide, kGuide.join(u"\r\n"_qs));
    QCOMPARE(kGuide.size(), 22);
    QCOMPARE(kGuide.at(5), QString(8, u' '));
    QCOMPARE(kGuide.at(7), QString(9, u' '));
    QCOMPARE(kGuide.at(11), QString(3, u' '));
}

void TestHelp::guideNamesTheDefaultNoteFile_data()
{
    QTest::addColumn<QString>("notePath");
    QTest::addColumn<QString>("line5");
    const QString asWritten = kGuide.at(4);
    QTest::newRow("windows") << u"c:\\taviknote.txt"_qs << asWritten;
    QTest::newRow("windows, other case") << u"C:\\TAVIKNOTE.TXT"_qs << asWritten;
    QTest::newRow("home folder") << u"/home/li/taviknote.txt"_qs
                                 << u"3. 可将不熟悉的单词添加到 笔记本(默认是“/home/li/taviknote.txt)"_qs;
    QTest::newRow("other drive") << u"D:\\taviknote.txt"_qs
                                 << u"3. 可将不熟悉的单词添加到 笔记本(默认是“D:\\taviknote.txt)"_qs;
}

void TestHelp::guideNamesTheDefaultNoteFile()
{
    QFETCH(QString, notePath);
    QFETCH(QString, line5);
    QStringList expected = kGuide;
    expected[4] = line5;
    QCOMPARE(HelpText::guide(notePath).split(u"\r\n"_qs), expected);
}

void TestHelp::windowShowsItsTexts()
{
    QCOMPARE(m_help->objectName(), u"Help"_qs);
    QCOMPARE(m_help->size(), QSize(500, 451));
    QVERIFY(m_help->windowFlags().testFlag(Qt::Dialog));
    QVERIFY(!m_help->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!m_help->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_help->parentWidget());
    QVERIFY(!m_help->isModal());
    QCOMPARE(m_help->palette().color(QPalette::Window), m_help->palette().color(QPalette::Inactive, QPalette::Button));

    QCOMPARE(label("Label1")->text(), u"使用说明："_qs);
    QCOMPARE(label("Label5")->text(), u"2003年1月15日 0.003稳定版"_qs);
    QCOMPARE(label("Label2")->text(), HelpText::guide(defaultNotePath()));
    QCOMPARE(label("Label2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(label("Label2")->geometry(), QRect(32, 48, 449, 425));

    QLabel* mail = label("Label3");
    QCOMPARE(mail->text(), u"如果您有单词本需要添加，请Mail to: "_qs + HelpText::mailAddress() + u"   谢谢使用！"_qs);
    QVERIFY(mail->font().underline());
    QVERIFY(mail->cursor().shape() != Qt::ArrowCursor);

    QLabel* picture = label("Image1");
    QCOMPARE(picture->geometry(), QRect(232, 128, 32, 32));
    QVERIFY(picture->hasScaledContents());
}

void TestHelp::clicksCloseOrNot_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("closes");
    QTest::newRow("background") << QString() << Qt::LeftButton << true;
    QTest::newRow("heading") << u"Label1"_qs << Qt::LeftButton << true;
    QTest::newRow("guide") << u"Label2"_qs << Qt::LeftButton << true;
    QTest::newRow("date") << u"Label5"_qs << Qt::LeftButton << false;
    QTest::newRow("picture") << u"Image1"_qs << Qt::LeftButton << false;
    QTest::newRow("guide, right button") << u"Label2"_qs << Qt::RightButton << false;
    QTest::newRow("background, right button") << QString() << Qt::RightButton << false;
}

void TestHelp::clicksCloseOrNot()
{
    QFETCH(QString, target);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, closes);
    if (target.isEmpty()) {
        const QPoint background(5, 200);
        QVERIFY(!m_help->childAt(background));
        QTest::mouseClick(m_help, button, {}, background);
    } else {
        QLabel* control = label(target.toLatin1().constData());
        QVERIFY(control);
        QTest::mouseClick(control, button, {}, control->rect().center());
    }
    QCOMPARE(deletedAfterEvents(m_help), closes);
    if (!closes)
        QVERIFY(m_help->isVisible());
    QVERIFY(m_opened.isEmpty());
}

void TestHelp::mailLineWritesAMailAndStaysOpen()
{
    QLabel* mail = label("Label3");
    QTest::mouseClick(mail, Qt::LeftButton, {}, mail->rect().center());
    QCOMPARE(m_opened, QList<QUrl>{QUrl(u"mailto:"_qs + HelpText::mailAddress())});
    QVERIFY(!deletedAfterEvents(m_help));
    QVERIFY(m_help->isVisible());
}

void TestHelp::openingTwiceShowsTheOneWindow()
{
    m_help->setWindowState(Qt::WindowMinimized);
    m_help->hide();
    Help* again = Help::showHelp();
    QCOMPARE(again, m_help.data());
    QVERIFY(again->isVisible());
    QVERIFY(!again->isMinimized());
    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<Help*>(window) ? 1 : 0;
    QCOMPARE(helpWindows, 1);

    m_help->close();
    QVERIFY(deletedAfterEvents(m_help));
    m_help = Help::showHelp();
    QVERIFY(m_help);
    QVERIFY(m_help->isVisible());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
