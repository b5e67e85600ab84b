#include "drill/Share.h"
#include "settings/SettingsStore.h"
#include "support/FakeVoice.h"
#include "sysinfo/getsysteminformation.h"
#include "ui/chooser/loadform.h"
#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"
#include "vocab/Catalogue.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The chooser's look and its title bar: button grid, colours, fonts, captions, cursors, tab order,
// the skinned frame, links and the close, minimise, help and drag handling.
class TestChooser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void windowIsFramelessCentredAndTitled();
    void buttonGrid_data();
    void buttonGrid();
    void buttonsCarryTheCatalogue();
    void buttonFonts();
    void customCursorOnListButtonsAndLinksOnly();
    void tabOrder();
    void frameLabels();
    void skinnedFrameSitsOnTheEdges();
    void systemInformationIsShown();
    void linksOpenTheirPages();
    void closeImageEndsTheProgram();
    void minimiseAndHelpImages();
    void titleTextDragsTheWindow();

public Q_SLOTS:
    void openUrl(const QUrl& url) { m_opened.append(url); }

private:
    QPushButton* command(int number) const { return m_form->ui().Command(number); }
    QWidget* child(const char* name) const { return m_form->findChild<QWidget*>(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    Share m_share;
    FakeVoice m_voice;
    std::unique_ptr<Context> m_context;
    QPointer<loadform> m_form;
    QStringList m_messages;
    QList<QUrl> m_opened;
};

void TestChooser::init()
{
    QFile::remove(m_dir.filePath(u"settings.ini"_qs));
    m_settings = std::make_unique<SettingsStore>(m_dir.filePath(u"settings.ini"_qs));
    m_share = Share();
    m_context = std::make_unique<Context>(Context{m_share, *m_settings, m_voice, m_dir.path() + u'/'});
    m_messages.clear();
    MessageBox::setHook([this](const QString&, const QString& text) { m_messages.append(text); });
    m_form = new loadform(*m_context);
    m_form->load();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestChooser::cleanup()
{
    delete m_form;
    MessageBox::setHook(nullptr);
    QCOMPARE(m_messages, QStringList());
}

void TestChooser::windowIsFramelessCentredAndTitled()
{
    QCOMPARE(m_form->size(), QSize(729, 525));
    QVERIFY(m_form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_form->windowTitle(), u"Tavik V0.003 2003-01-15"_qs);
    const auto* title = m_form->findChild<QLabel*>(u"lblTitle"_qs);
    QCOMPARE(title->text(), u"Tavik V0.003 2003-01-15"_qs);
    QCOMPARE(title->geometry(), QRect(16, 7, 152, 16));
    QVERIFY(title->font().bold());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::white));
    const QPoint centre = m_form->screen()->availableGeometry().center();
    QVERIFY((m_form->geometry().center() - centre).manhattanLength() <= 1);
}

void TestChooser::buttonGrid_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");
    const auto left = [](int number, int row, QColor colour) {
        QTest::addRow("Command%d", number) << number << QRect(264, 40 + 40 * row, 209, 33) << colour;
    };
    const auto right = [](int number, int row, QColor colour) {
        QTest::addRow("Command%d", number) << number << QRect(496, 40 + 40 * row, 209, 33) << colour;
    };
    left(1, 0, QColor(255, 128, 128));
    left(17, 1, QColor(255, 128, 128));
    left(2, 2, QColor(255, 192, 192));
    left(3, 3, QColor(255, 192, 192));
    left(4, 4, QColor(255, 192, 192));
    left(12, 5, QColor(255, 255, 192));
    left(6, 6, QColor(255, 192, 255));
    left(7, 7, QColor(255, 192, 255));
    left(8, 8, QColor(255, 192, 128));
    left(9, 9, QColor(255, 192, 128));
    left(10, 10, QColor(128, 255, 128));
    left(11, 11, QColor(128, 255, 128));
    right(23, 0, QColor(192, 192, 255));
    right(24, 1, QColor(192, 192, 255));
    right(22, 2, QColor(192, 192, 255));
    right(14, 3, QColor(224, 224, 224));
    right(15, 4, QColor(224, 224, 224));
    right(13, 5, QColor(255, 224, 192));
    right(5, 6, QColor(128, 255, 255));
    right(21, 7, QColor(128, 255, 255));
    right(18, 8, QColor(192, 192, 192));
    right(19, 9, QColor(192, 192, 192));
    right(20, 10, QColor(192, 192, 192));
    QTest::newRow("Command16") << 16 << QRect(496, 480, 153, 33)
                               << QApplication::palette().color(QPalette::HighlightedText);
    QTest::newRow("Command25") << 25 << QRect(664, 480, 41, 33) << QColor(192, 192, 0);
}

void TestChooser::buttonGrid()
{
    QFETCH(int, number);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);
    QPushButton* button = command(number);
    QCOMPARE(button->objectName(), u"Command%1"_qs.arg(number));
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->palette().color(QPalette::Button), colour);
    QCOMPARE(m_form->findChild<QPushButton*>(u"Command%1"_qs.arg(number)), button);
}

void TestChooser::buttonsCarryTheCatalogue()
{
    for (const CatalogueEntry& entry : Catalogue()) {
        QCOMPARE(command(entry.number)->text(), entry.caption);
        QCOMPARE(command(entry.number)->toolTip(), entry.toolTip);
    }
    QCOMPARE(command(13)->text(), u"口语  900句"_qs);
    QCOMPARE(command(20)->text(), u"黑宝 7月      精简版"_qs);
}

void TestChooser::buttonFonts()
{
    for (int number : {1, 18, 19, 20, 23, 24}) {
        QVERIFY(command(number)->font().bold());
        QCOMPARE(command(number)->font().pointSizeF(), 9.75);
        QCOMPARE(command(number)->font().family(), u"宋体"_qs);
    }
    QCOMPARE(command(25)->font().pointSizeF(), 14.25);
    QCOMPARE(command(25)->font().family(), u"宋体"_qs);
    for (int number : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 21, 22})
        QCOMPARE(command(number)->font(), m_form->font());
}

void TestChooser::customCursorOnListButtonsAndLinksOnly()
{
    const Qt::CursorShape hand = Art::handCursor().shape();
    for (int number = 1; number <= 24; ++number) {
        QVERIFY2(command(number)->testAttribute(Qt::WA_SetCursor), qPrintable(u"Command%1"_qs.arg(number)));
        QCOMPARE(command(number)->cursor().shape(), hand);
    }
    QVERIFY(!command(25)->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(command(25)->cursor().shape(), Qt::ArrowCursor);
    for (const char* link : {"Label8", "Label9"}) {
        QVERIFY(child(link)->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(child(link)->cursor().shape(), hand);
    }
}

void TestChooser::tabOrder()
{
    const QList<int> expected{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                              14, 17, 18, 19, 20, 21, 22, 23, 24, 16, 25, 15};
    QList<int> order;
    QWidget* widget = command(1);
    do {
        if (auto* button = qobject_cast<QPushButton*>(widget))
            order.append(button->objectName().mid(7).toInt());
        widget = widget->nextInFocusChain();
    } while (widget != command(1) && order.size() < 30);
    QCOMPARE(order, expected);
}

void TestChooser::frameLabels()
{
    const auto* frame = m_form->findChild<QGroupBox*>(u"Frame1"_qs);
    QCOMPARE(frame->title(), u"TAVIK"_qs);
    QCOMPARE(frame->geometry(), QRect(24, 40, 217, 473));
    const auto label = [frame](const char* name) { return frame->findChild<QLabel*>(QString::fromLatin1(name)); };
    QCOMPARE(label("Label6")->text(), u"每天坚持多一些！"_qs);
    QCOMPARE(label("Label6")->geometry(), QRect(40, 40, 137, 25));
    QCOMPARE(label("Label6")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(label("Label7")->text(), u"国内网站下载"_qs + QString(33, u' '));
    QCOMPARE(label("Label5")->text(), u"V.0.003 for Windows 98/Me/2000/XP"_qs);
    QCOMPARE(label("Label4")->text(), u"Your System Information:"_qs);
    QCOMPARE(label("Label4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(label("Label2")->geometry(), QRect(16, 376, 201, 33));
    QCOMPARE(label("Label3")->geometry(), QRect(16, 408, 185, 17));
    QCOMPARE(label("Label2")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(label("Label3")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(label("Label8")->geometry(), QRect(32, 160, 137, 17));
    QCOMPARE(label("Label9")->geometry(), QRect(32, 184, 129, 17));
    QCOMPARE(label("Label8")->toolTip(), u"下载"_qs);
    QCOMPARE(label("Label9")->toolTip(), u"下载"_qs);
    QVERIFY(label("Label8")->font().underline());
}

void TestChooser::skinnedFrameSitsOnTheEdges()
{
    QCOMPARE(child("imgTitleRight")->x(), 710);
    QCOMPARE(child("imgTitleClose")->x(), 707);
    QCOMPARE(child("imgTitleMinimize")->x(), 690);
    QCOMPARE(child("imgTitleHelp")->x(), 673);
    QCOMPARE(child("imgWindowLeft")->geometry(), QRect(0, 30, 19, 465));
    QCOMPARE(child("imgWindowRight")->geometry(), QRect(710, 30, 19, 465));
    QCOMPARE(child("imgWindowBottom")->geometry(), QRect(19, 495, 691, 30));
    QVERIFY(!m_form->mask().contains(QPoint(0, 0)));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(207, 207, 207));
    // The buttons of the bottom row lie above the bottom border.
    QCOMPARE(m_form->childAt(300, 505), command(11));
}

void TestChooser::systemInformationIsShown()
{
    const SystemInfoText text = systemInformationText(currentVersionRecord());
    QCOMPARE(m_form->ui().Label2->text(), text.platformAndVersion);
    QCOMPARE(m_form->ui().Label3->text(), text.bootMode);
    QVERIFY(text.platformAndVersion.contains(u"Version = "_qs));
}

void TestChooser::linksOpenTheirPages()
{
    QDesktopServices::setUrlHandler(u"https"_qs, this, "openUrl");
    QTest::mouseClick(child("Label8"), Qt::LeftButton);
    QTest::mouseClick(child("Label9"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(u"https"_qs);
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.at(0), QUrl(u"https://"_qs + m_form->ui().Label8->text()));
    QCOMPARE(m_opened.at(1), QUrl(ChooserLinks::DownloadPage));
    QCOMPARE(m_form->ui().Label9->text(), ChooserLinks::DownloadSiteName);
}

void TestChooser::closeImageEndsTheProgram()
{
    QSignalSpy quit(m_form.data(), &loadform::quitRequested);
    QTest::mouseClick(child("imgTitleClose"), Qt::LeftButton);
    QCOMPARE(quit.count(), 1);
    QVERIFY(!m_form || !m_form->isVisible());
}

void TestChooser::minimiseAndHelpImages()
{
    QSignalSpy help(m_form.data(), &loadform::helpRequested);
    QTest::mouseClick(child("imgTitleHelp"), Qt::LeftButton);
    QCOMPARE(help.count(), 1);
    QVERIFY(!m_form->isMinimized());
    QTest::mouseClick(child("imgTitleMinimize"), Qt::LeftButton);
    QVERIFY(m_form->isMinimized());
    QVERIFY(m_form);
}

void TestChooser::titleTextDragsTheWindow()
{
    const QPoint start = m_form->pos();
    QWidget* title = child("lblTitle");
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(title, QPoint(34, 24));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(34, 24));
    QCOMPARE(m_form->pos(), start + QPoint(30, 20));
    QWidget* close = child("imgTitleMinimize");
    QTest::mousePress(close, Qt::RightButton, {}, QPoint(4, 4));
    QTest::mouseMove(close, QPoint(34, 24));
    QTest::mouseRelease(close, Qt::RightButton, {}, QPoint(34, 24));
    QCOMPARE(m_form->pos(), start + QPoint(30, 20));
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
