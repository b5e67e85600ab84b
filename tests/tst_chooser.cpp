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

    loadform* openChooser()
    {
        delete m_form;
        m_form = new loadform(*m_context);
        m_form->load();
        m_form->show();
        return m_form;
    }
    QPushButton* command(int number) const { return m_form->ui().Command(number); }
    QWidget* child(const char* name) const { return m_form->findChild<QWidget*>(QString::fromLatin1(name)); }
    void click(int number) { QTest::mouseClick(command(number), Qt::LeftButton); }
    QString noteSetting() const { return m_settings->GetSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, u"0"_qs); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<loadform> m_form;
    QStringList m_messages;

private Q_SLOTS:
    void init()
    {
        QFile::remove(defaultNotePath());
        QFile::remove(m_dir.filePath(u"settings.ini"_qs));
        m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
        m_share = Share();
        m_context = std::make_unique<Context>(Context{m_share, *m_settings, m_voice, m_dir.path() + u'/'});
        m_messages.clear();
        MessageBox::setHook([this](const QString&, const QString& text) { m_messages.append(text); });
    }

    void cleanup()
    {
        // Every window a test or the flow opened; a menu among them goes with its window.
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (const QPointer<QWidget>& window : QList<QPointer<QWidget>>(windows.begin(), windows.end()))
            delete window;
        MessageBox::setHook(nullptr);
    }

    void skinnedFrameAndButtonGrid()
    {
        QVERIFY(QTest::qWaitForWindowExposed(openChooser()));
        QCOMPARE(m_form->size(), QSize(729, 525));
        const QList<QPair<const char*, QRect>> frame{
            {"imgTitleRight", {710, 0, 19, 30}},    {"imgTitleClose", {707, 8, 13, 13}},
            {"imgTitleMinimize", {690, 8, 13, 13}}, {"imgTitleHelp", {673, 8, 13, 13}},
            {"imgWindowLeft", {0, 30, 19, 465}},    {"imgWindowRight", {710, 30, 19, 465}},
            {"imgWindowBottom", {19, 495, 691, 30}}};
        for (const auto& [name, geometry] : frame) {
            QVERIFY2(child(name), name);
            QCOMPARE(child(name)->geometry(), geometry);
        }
        const QList<std::tuple<int, QRect, QColor, QString>> buttons{
            {1, {264, 40, 209, 33}, QColor(255, 128, 128), u"红宝 GRE"_qs},
            {13, {496, 240, 209, 33}, QColor(255, 224, 192), u"口语  900句"_qs},
            {16, {496, 480, 153, 33}, QApplication::palette().color(QPalette::HighlightedText), u"笔 记 本"_qs},
            {25, {664, 480, 41, 33}, QColor(192, 192, 0), u"..."_qs}};
        for (const auto& [number, geometry, colour, caption] : buttons) {
            QCOMPARE(command(number)->geometry(), geometry);
            QCOMPARE(command(number)->palette().color(QPalette::Button), colour);
            QCOMPARE(command(number)->text(), caption);
        }
        // The hand is on every list button, not on the note-location one.
        for (int number = 1; number <= CatalogueSize; ++number) {
            const bool hand = command(number)->testAttribute(Qt::WA_SetCursor) &&
                              command(number)->cursor().shape() == Art::handCursor().shape();
            QVERIFY2(hand == (number != 25), qPrintable(command(number)->objectName()));
        }

        const QRegion mask = m_form->mask();
        QVERIFY(!mask.contains(QPoint(0, 0)) && !mask.contains(QPoint(728, 524)));
        QVERIFY(mask.contains(QPoint(12, 0)) && mask.contains(QPoint(728, 262)));
        // Sizes are rounded to whole pixels, a half to the even one.
        QCOMPARE(cool_form::RoundedWindowRegion(728.5, 524.5).boundingRect(), QRect(0, 0, 728, 524));
        QCOMPARE(cool_form::RoundedWindowRegion(729.5, 525.5).boundingRect(), QRect(0, 0, 730, 526));

        const QPoint start = m_form->pos();
        QTest::mousePress(child("lblTitle"), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseMove(child("lblTitle"), QPoint(34, 24));
        QTest::mouseRelease(child("lblTitle"), Qt::LeftButton, {}, QPoint(34, 24));
        QCOMPARE(m_form->pos(), start + QPoint(30, 20));
        QSignalSpy quit(m_form.data(), &loadform::quitRequested);
        QTest::mouseClick(child("imgTitleClose"), Qt::LeftButton);
        QCOMPARE(quit.count(), 1);
        QVERIFY(!m_form || !m_form->isVisible());
    }

    void failuresAreToldOnceAndChangeNothing()
    {
        const QString path = m_dir.filePath(u"missing/notes.txt"_qs);
        m_settings->SaveSetting(u"Kelmo"_qs, u"Note"_qs, u"File"_qs, path);
        m_context->TempDir = m_dir.filePath(u"missing/"_qs);
        openChooser();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().startsWith(u"The note file could not be created."_qs));
        QVERIFY2(m_messages.first().contains(QDir::toNativeSeparators(path)), qPrintable(m_messages.first()));

        QSignalSpy chosen(m_form.data(), &loadform::listChosen);
        click(16);
        QCOMPARE(m_messages.size(), 2);
        click(1);
        QCOMPARE(m_messages.size(), 3);
        QVERIFY2(m_messages.last().contains(u"GRE1"_qs), qPrintable(m_messages.last()));
        QCOMPARE(chosen.count(), 0);
        QVERIFY(m_form && m_form->isVisible());
        QCOMPARE(m_share.SourceKind, qint16(0));
        QCOMPARE(m_share.LibraryKey + m_share.WordFile, QString());
        QCOMPARE(noteSetting(), path);
    }

    void noteLocationIsStoredOnlyWhenItCanBeMade()
    {
        const auto at = [this](const QString& name) { return QDir::toNativeSeparators(m_dir.filePath(name)); };
        const QString fresh = at(u"new notes.ter"_qs), old = at(u"old.txt"_qs),
                      uncreatable = at(u"missing/notes.txt"_qs);
        const QByteArray entry = gbk(u"abase/E5beIs/vt.降低\r\n"_qs);
        QVERIFY(writeBytes(old, entry));
        openChooser();
        QString answer; // cancelled
        m_form->setNotePathDialog([&answer](QWidget*) { return answer; });
        QSignalSpy chosen(m_form.data(), &loadform::listChosen);
        click(25);
        QCOMPARE(noteSetting(), defaultNotePath());
        // Only a file that cannot be made is reported, naming it.
        answer = uncreatable;
        click(25);
        QCOMPARE(noteSetting(), defaultNotePath());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains(uncreatable), qPrintable(m_messages.first()));
        answer = fresh;
        click(25);
        QCOMPARE(noteSetting(), fresh);
        QCOMPARE(readBytes(fresh), QByteArray());
        QVERIFY(QFileInfo(fresh).isFile());
        // A file already there keeps its entries.
        answer = old;
        click(25);
        QCOMPARE(noteSetting(), old);
        QCOMPARE(readBytes(old), entry);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(m_form->isVisible());
    }

    void chooserAndMainWindowTakeTurns()
    {
        QVERIFY(writeGbkList(defaultNotePath(), {u"abase/E5beIs/vt.降低"_qs, u"abash/E5bAF/vt.使羞愧"_qs}));
        m_share.UpperCase = 1;
        WindowFlow flow(*m_context);
        QList<QPointer<loadform>> choosers;
        QList<QPointer<mainForm>> forms;
        connect(&flow, &WindowFlow::chooserOpened, this, [&choosers](loadform* chooser) { choosers.append(chooser); });
        connect(&flow, &WindowFlow::mainOpened, this, [&forms](mainForm* form) { forms.append(form); });

        flow.openChooser();
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
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
