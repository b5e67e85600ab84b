#include "app/WindowFlow.h"
#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "support/TestFiles.h"
#include "ui/chooser/loadform.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"
#include "ui/main/mainForm.h"
#include "vocab/NoteLocation.h"
#include "vocab/Resources.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// What the chooser's buttons do: its load prepares the note file, a list button makes its list
// current and hands over to the main window, and the note-location button keeps the new location.
class TestChooserChoices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void loadPreparesTheNoteFile();
    void loadCreatesADeletedNoteFileAgain();
    void uncreatableNoteFileGivesOneClearMessage();
    void listButtonWritesTheListOutAndHandsOver();
    void noteButtonReadsTheNoteFileInPlace();
    void sourceKindFollowsEveryChoice();
    void failedExtractionStaysInTheChooser();
    void noteLocationWithANewName();
    void cancelledNoteLocationChangesNothing();
    void uncreatableNoteLocationIsReported();
    void chooserAndMainWindowTakeTurns();

private:
    loadform* openChooser();
    void click(int number) { QTest::mouseClick(m_form->ui().Command(number), Qt::LeftButton); }
    QString noteSetting() const { return m_settings->GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs); }
    void setNoteSetting(const QString& path) { m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<loadform> m_form;
    QStringList m_messages;
};

void TestChooserChoices::initTestCase()
{
    QVERIFY(LoadResData(u"GRE1"_qs, u"DIC"_qs));
    QVERIFY(LoadResData(u"BIBLE2"_qs, u"DIC"_qs));
}

void TestChooserChoices::init()
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

void TestChooserChoices::cleanup()
{
    delete m_form;
    // Windows the flow opened; a menu among them goes with its window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget>& window : QList<QPointer<QWidget>>(windows.begin(), windows.end()))
        delete window;
    MessageBox::setHook(nullptr);
}

loadform* TestChooserChoices::openChooser()
{
    delete m_form;
    m_form = new loadform(*m_context);
    m_form->load();
    m_form->show();
    return m_form;
}

void TestChooserChoices::loadPreparesTheNoteFile()
{
    m_share.UpperCase = 1;
    openChooser();
    QCOMPARE(m_share.UpperCase, qint16(0));
    QCOMPARE(noteSetting(), defaultNotePath());
    QCOMPARE(m_share.NoteFile, defaultNotePath());
    QCOMPARE(QFileInfo(defaultNotePath()).size(), 0);
    QCOMPARE(m_messages, QStringList());
}

void TestChooserChoices::loadCreatesADeletedNoteFileAgain()
{
    const QString path = m_dir.filePath(u"notes.not"_qs);
    setNoteSetting(path);
    openChooser();
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(QFile::remove(path));
    openChooser();
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(m_share.NoteFile, path);
    QVERIFY(!QFileInfo::exists(defaultNotePath()));
}

void TestChooserChoices::uncreatableNoteFileGivesOneClearMessage()
{
    const QString path = m_dir.filePath(u"missing/notes.txt"_qs);
    setNoteSetting(path);
    openChooser();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith(u"The note file could not be created."_qs));
    QVERIFY(m_messages.first().contains(QDir::toNativeSeparators(path)));

    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    click(16);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(m_form && m_form->isVisible());
    QCOMPARE(m_share.SourceKind, qint16(0));
}

void TestChooserChoices::listButtonWritesTheListOutAndHandsOver()
{
    openChooser();
    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    click(1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
    QCOMPARE(m_share.LibraryKey, u"GRE1"_qs);
    QCOMPARE(m_share.WordFile, m_context->TempDir + u"GRE1"_qs);
    QCOMPARE(readBytes(m_share.WordFile), LoadResData(u"GRE1"_qs, u"DIC"_qs).value());
    QVERIFY(!m_form || !m_form->isVisible());
    QCOMPARE(m_messages, QStringList());
}

void TestChooserChoices::noteButtonReadsTheNoteFileInPlace()
{
    openChooser();
    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    click(16);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QCOMPARE(m_share.LibraryKey, defaultNotePath());
    QCOMPARE(m_share.WordFile, defaultNotePath());
    QVERIFY(QDir(m_context->TempDir).isEmpty());
}

void TestChooserChoices::sourceKindFollowsEveryChoice()
{
    openChooser();
    click(16);
    openChooser();
    click(24);
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
    QCOMPARE(m_share.LibraryKey, u"BIBLE2"_qs);
    openChooser();
    click(16);
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    openChooser();
    click(1);
    const QByteArray first = readBytes(m_share.WordFile);
    openChooser();
    click(1);
    QCOMPARE(m_share.SourceKind, qint16(Share::PackagedSource));
    QCOMPARE(readBytes(m_share.WordFile), first);
}

void TestChooserChoices::failedExtractionStaysInTheChooser()
{
    openChooser();
    click(16);
    m_context->TempDir = m_dir.filePath(u"missing/"_qs);
    openChooser();
    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    click(1);
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(u"GRE1"_qs));
    QVERIFY(m_form && m_form->isVisible());
    QCOMPARE(m_share.SourceKind, qint16(Share::NoteFileSource));
    QCOMPARE(m_share.WordFile, defaultNotePath());
}

void TestChooserChoices::noteLocationWithANewName()
{
    const QString path = m_dir.filePath(u"elsewhere.ter"_qs);
    openChooser();
    QSignalSpy chosen(m_form.data(), &loadform::listChosen);
    m_form->setNotePathDialog([&path](QWidget*) { return path; });
    click(25);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(m_form->isVisible());
    QCOMPARE(noteSetting(), QDir::toNativeSeparators(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    // The drill state keeps the old path until the next note-file press reads the setting again.
    QCOMPARE(m_share.NoteFile, defaultNotePath());
    click(16);
    QCOMPARE(m_share.WordFile, QDir::toNativeSeparators(path));
    QCOMPARE(m_messages, QStringList());
}

void TestChooserChoices::cancelledNoteLocationChangesNothing()
{
    openChooser();
    m_form->setNotePathDialog([](QWidget*) { return QString(); });
    click(25);
    QCOMPARE(noteSetting(), defaultNotePath());
    QCOMPARE(m_messages, QStringList());
    QVERIFY(m_form->isVisible());
}

void TestChooserChoices::uncreatableNoteLocationIsReported()
{
    openChooser();
    m_form->setNotePathDialog([this](QWidget*) { return m_dir.filePath(u"missing/notes.txt"_qs); });
    click(25);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(noteSetting(), defaultNotePath());
}

void TestChooserChoices::chooserAndMainWindowTakeTurns()
{
    QVERIFY(writeGbkList(defaultNotePath(), {u"abase/E5beIs/vt.降低"_qs, u"abash/E5bAF/vt.使羞愧"_qs}));
    WindowFlow flow(*m_context);
    QList<QPointer<loadform>> choosers;
    QList<QPointer<mainForm>> forms;
    connect(&flow, &WindowFlow::chooserOpened, this, [&choosers](loadform* chooser) { choosers.append(chooser); });
    connect(&flow, &WindowFlow::mainOpened, this, [&forms](mainForm* form) { forms.append(form); });

    flow.openChooser();
    QCOMPARE(choosers.size(), 1);
    QVERIFY(choosers.at(0)->isVisible());
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

QTEST_MAIN(TestChooserChoices)
#include "tst_chooser_choices.moc"
