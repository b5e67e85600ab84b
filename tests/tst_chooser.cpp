#include "app/WindowFlow.h"
#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/chooser/loadform.h"
#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"
#include "ui/main/mainForm.h"
#include "ui/skinframe/cool_form.h"
#include "vocab/NoteLocation.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The library chooser on screen: its button grid and skinned frame, what its buttons do when a file
// cannot be made, and the turns it takes with the main window.
class TestChooser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void buttonGrid_data();
    void buttonGrid();
    void handCursorOnListButtonsOnly();
    void skinnedFrame_data();
    void skinnedFrame();
    void outlineCutsTheCornersAway();
    void titleDragsAndCloseQuits();
    void uncreatableNoteFileGivesOneClearMessage();
    void failedExtractionKeepsTheCurrentList();
    void noteLocation_data();
    void noteLocation();
    void chooserAndMainWindowTakeTurns();

private:
    loadform* openChooser();
    QPushButton* command(int number) const { return m_form->ui().Command(number); }
    QWidget* child(const QString& name) const { return m_form->findChild<QWidget*>(name); }
    void click(int number) { QTest::mouseClick(command(number), Qt::LeftButton); }
    QString noteSetting() const { return m_settings->GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<loadform> m_form;
    QStringList m_messages;
};

void TestChooser::init()
{
    QFile::remove(defaultNotePath());
    QFile::remove(m_dir.filePath(u"settings.ini"_qs));
    QDir(m_dir.filePath(u"temp"_qs)).removeRecursively();
    QVERIFY(QDir(m_dir.path()).mkdir(u"temp"_qs));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_share = Share();
    m_context = std::make_unique<Context>(Context{m_share, *m_settings, m_voice, m_dir.filePath(u"temp/"_qs)});
    m_messages.clear();
    MessageBox::setHook([this](const QString&, const QString& text) { m_messages.append(text); });
}

void TestChooser::cleanup()
{
    // Every window a test or the flow opened; a menu among them goes with its window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget>& window : QList<QPointer<QWidget>>(windows.begin(), windows.end()))
        delete window;
    MessageBox::setHook(nullptr);
}

loadform* TestChooser::openChooser()
{
    delete m_form;
    m_form = new loadform(*m_context);
    m_form->load();
    m_form->show();
    return m_form;
}

void TestChooser::buttonGrid_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Command1") << 1 << QRect(264, 40, 209, 33) << QColor(255, 128, 128) << u"红宝 GRE"_qs;
    QTest::newRow("Command11") << 11 << QRect(264, 480, 209, 33) << QColor(128, 255, 128) << u"CET-4 Word"_qs;
    QTest::newRow("Command13") << 13 << QRect(496, 240, 209, 33) << QColor(255, 224, 192) << u"口语  900句"_qs;
    QTest::newRow("Command20") << 20 << QRect(496, 440, 209, 33) << QColor(192, 192, 192) << u"黑宝 7月      精简版"_qs;
    QTest::newRow("Command16") << 16 << QRect(496, 480, 153, 33)
                               << QApplication::palette().color(QPalette::HighlightedText) << u"笔 记 本"_qs;
    QTest::newRow("Command25") << 25 << QRect(664, 480, 41, 33) << QColor(192, 192, 0) << u"..."_qs;
}

void TestChooser::buttonGrid()
{
    QFETCH(int, number);
    openChooser();
    QPushButton* button = m_form->findChild<QPushButton*>(u"Command%1"_qs.arg(number));
    QVERIFY(button);
    QTEST(button->geometry(), "geometry");
    QTEST(button->palette().color(QPalette::Button), "colour");
    QTEST(button->text(), "caption");
}

void TestChooser::handCursorOnListButtonsOnly()
{
    openChooser();
    const Qt::CursorShape hand = Art::handCursor().shape();
    for (int number = 1; number <= CatalogueSize; ++number) {
        const bool custom =
            command(number)->testAttribute(Qt::WA_SetCursor) && command(number)->cursor().shape() == hand;
        QVERIFY2(custom == (number != 25), qPrintable(command(number)->objectName()));
    }
}

void TestChooser::skinnedFrame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("imgTitleRight") << u"imgTitleRight"_qs << QRect(710, 0, 19, 30);
    QTest::newRow("imgTitleClose") << u"imgTitleClose"_qs << QRect(707, 8, 13, 13);
    QTest::newRow("imgTitleMinimize") << u"imgTitleMinimize"_qs << QRect(690, 8, 13, 13);
    QTest::newRow("imgTitleHelp") << u"imgTitleHelp"_qs << QRect(673, 8, 13, 13);
    QTest::newRow("imgWindowLeft") << u"imgWindowLeft"_qs << QRect(0, 30, 19, 465);
    QTest::newRow("imgWindowRight") << u"imgWindowRight"_qs << QRect(710, 30, 19, 465);
    QTest::newRow("imgWindowBottom") << u"imgWindowBottom"_qs << QRect(19, 495, 691, 30);
}

void TestChooser::skinnedFrame()
{
    QFETCH(QString, name);
    openChooser();
    QCOMPARE(m_form->size(), QSize(729, 525));
    QVERIFY(child(name));
    QTEST(child(name)->geometry(), "geometry");
}

void TestChooser::outlineCutsTheCornersAway()
{
    openChooser();
    const QRegion mask = m_form->mask();
    QVERIFY(!mask.contains(QPoint(0, 0)) && !mask.contains(QPoint(728, 524)));
    QVERIFY(mask.contains(QPoint(12, 0)) && mask.contains(QPoint(728, 262)));
    // Sizes are rounded to whole pixels, a half to the even one.
    QCOMPARE(cool_form::RoundedWindowRegion(728.5, 524.5).boundingRect(), QRect(0, 0, 728, 524));
    QCOMPARE(cool_form::RoundedWindowRegion(729.5, 525.5).boundingRect(), QRect(0, 0, 730, 526));
}

void TestChooser::titleDragsAndCloseQuits()
{
    QVERIFY(QTest::qWaitForWindowExposed(openChooser()));
    const QPoint start = m_form->pos();
    QWidget* title = child(u"lblTitle"_qs);
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(title, QPoint(34, 24));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(34, 24));
    QCOMPARE(m_form->pos(), start + QPoint(30, 20));

    QSignalSpy quit(m_form.data(), &loadform::quitRequested);
    QTest::mouseClick(child(u"imgTitleClose"_qs), Qt::LeftButton);
    QCOMPARE(quit.count(), 1);
    QVERIFY(!m_form || !m_form->isVisible());
}

void TestChooser::uncreatableNoteFileGivesOneClearMessage()
{
    const QString path = m_dir.filePath(u"missing/notes.txt"_qs);
    m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
    openChooser();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith(u"The note file could not be created."_qs));
    QVERIFY2(m_messages.first().contains(QDir::toNativeSeparators(path)), qPrintable(m_messages.first()));

    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    click(16);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(m_form && m_form->isVisible());
    QCOMPARE(m_share.SourceKind, qint16(0));
    QCOMPARE(noteSetting(), path);
}

void TestChooser::failedExtractionKeepsTheCurrentList()
{
    openChooser();
    click(16);
    m_context->TempDir = m_dir.filePath(u"missing/"_qs);
    openChooser();
    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    click(1);
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(u"GRE1"_qs), qPrintable(m_messages.first()));
    QVERIFY(m_form && m_form->isVisible());
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QCOMPARE(m_share.LibraryKey, defaultNotePath());
    QCOMPARE(m_share.WordFile, defaultNotePath());
}

void TestChooser::noteLocation_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("content"); // of a file already there
    QTest::addColumn<bool>("stored");
    QTest::newRow("new name") << u"new notes.ter"_qs << QByteArray() << true;
    QTest::newRow("existing file keeps its entries") << u"old.txt"_qs << gbk(u"abase/E5beIs/vt.降低\r\n"_qs) << true;
    QTest::newRow("cancelled") << QString() << QByteArray() << false;
    QTest::newRow("uncreatable") << u"missing/notes.txt"_qs << QByteArray() << false;
}

void TestChooser::noteLocation()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, content);
    QFETCH(bool, stored);
    const QString path = answer.isEmpty() ? QString() : QDir::toNativeSeparators(m_dir.filePath(answer));
    if (!content.isNull())
        QVERIFY(writeBytes(path, content));
    openChooser();
    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    m_form->setNotePathDialog([&path](QWidget*) { return path; });
    click(25);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(m_form->isVisible());
    QCOMPARE(noteSetting(), stored ? path : defaultNotePath());
    QCOMPARE(QFileInfo::exists(path), stored);
    QCOMPARE(readBytes(path), content);
    // Only a file that cannot be made is reported, naming it.
    const bool reported = !stored && !path.isEmpty();
    QCOMPARE(m_messages.size(), reported ? 1 : 0);
    if (reported)
        QVERIFY2(m_messages.first().contains(path), qPrintable(m_messages.first()));
}

void TestChooser::chooserAndMainWindowTakeTurns()
{
    QVERIFY(writeGbkList(defaultNotePath(), {u"abase/E5beIs/vt.降低"_qs, u"abash/E5bAF/vt.使羞愧"_qs}));
    m_share.UpperCase = 1;
    WindowFlow flow(*m_context);
    QList<QPointer<loadform>> choosers;
    QList<QPointer<mainForm>> forms;
    connect(&flow, &WindowFlow::chooserOpened, this, [&choosers](loadform* chooser) { choosers.append(chooser); });
    connect(&flow, &WindowFlow::mainOpened, this, [&forms](mainForm* form) { forms.append(form); });

    flow.openChooser();
    QCOMPARE(choosers.size(), 1);
    QVERIFY(choosers.at(0)->isVisible());
    QCOMPARE(m_share.UpperCase, qint16(0)); // each list starts in lower case
    QTest::mouseClick(choosers.at(0)->ui().Command(16), Qt::LeftButton);
    QCOMPARE(forms.size(), 1);
    QVERIFY(forms.at(0)->isVisible());
    QCOMPARE(forms.at(0)->ui().List1->count(), 2);
    QVERIFY(QTest::qWaitFor([&] { return choosers.at(0).isNull(); }));

    QTest::mouseClick(forms.at(0)->ui().Image3, Qt::LeftButton);
    QCOMPARE(choosers.size(), 2);
    QVERIFY(choosers.at(1)->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return forms.at(0).isNull(); }));

    QTest::mouseClick(choosers.at(1)->ui().Command(24), Qt::LeftButton);
    QCOMPARE(forms.size(), 2);
    QCOMPARE(m_share.LibraryKey, u"BIBLE2"_qs);
    QVERIFY(m_share.EntryEnd > 1000);
    QCOMPARE(forms.at(1)->ui().List1->count(), m_share.EntryEnd - 1);
    QCOMPARE(m_messages, QStringList());
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
