#include "support/MainFormFixture.h"
#include "ui/common/ImageButton.h"
#include "ui/main/Skins.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>

// The main window's layout, captions, menu and skins.
class TestMainFormWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { f = std::make_unique<MainFormFixture>(); }
    void cleanup() { f.reset(); }
    void layoutOfTheKeyControls();
    void captionLabelsAndToolTips();
    void menuItemsInOrder();
    void firstStartIsPlainWhite();
    void thumbnailsChooseAndStoreTheSkin();
    void storedSkinComesBackAndUnknownFallsBack();
    void skinResourceNames_data();
    void skinResourceNames();

private:
    std::unique_ptr<MainFormFixture> f;
};

const QStringList kWords = {u"abandon/E5bAndEn/vt.放弃"_qs, u"ability/E5bIlItI/n.能力"_qs};

void TestMainFormWindow::layoutOfTheKeyControls()
{
    f->open(kWords);
    QCOMPARE(f->form->size(), QSize(722, 539));
    QVERIFY(f->form->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QPoint centre = f->form->screen()->availableGeometry().center();
    QVERIFY((f->form->geometry().center() - centre).manhattanLength() <= 2);
    QCOMPARE(f->child<QComboBox>("Combo1")->geometry(), QRect(32, 0, 185, 31));
    QCOMPARE(f->child<QListWidget>("List1")->geometry(), QRect(0, 32, 217, 508));
    QCOMPARE(f->child<QLabel>("Label9")->geometry(), QRect(280, 32, 438, 121));
    QCOMPARE(f->child<QPlainTextEdit>("Label11")->geometry(), QRect(312, 248, 409, 169));
    QCOMPARE(f->child<QLineEdit>("Text3")->geometry(), QRect(320, 437, 393, 30));
    QCOMPARE(f->child<QLabel>("Label10")->pos(), QPoint(320, 176));
    QCOMPARE(f->child<QLabel>("Label2")->pos(), QPoint(221, 526));
    QCOMPARE(f->child<ImageButton>("Image5")->geometry(), QRect(624, 488, 32, 32));
    QCOMPARE(f->child<ImageButton>("Image16")->geometry(), QRect(696, 3, 23, 24));
    auto* frame = f->child<QGroupBox>("Frame2");
    QCOMPARE(frame->geometry(), QRect(216, 0, 505, 537));
    QCOMPARE(frame->title(), u"Setting"_qs);
    QVERIFY(!frame->isVisible());
    QCOMPARE(f->child<QLineEdit>("Text2")->geometry(), QRect(192, 440, 73, 21));
    QCOMPARE(f->child<ImageButton>("Image11")->geometry(), QRect(72, 232, 81, 49));
}

void TestMainFormWindow::captionLabelsAndToolTips()
{
    f->open(kWords);
    const QList<std::pair<const char*, QString>> captions = {
        {"Label17", u"大 写"_qs}, {"Label16", u"删 除"_qs}, {"Label15", u"添 加"_qs}, {"Label4", u"Setting"_qs},
        {"Label5", u"Change"_qs}, {"Label6", u"Unshow"_qs}, {"Label8", u"Start"_qs},  {"Label7", u"Exit"_qs}};
    for (const auto& [name, caption] : captions) {
        auto* label = f->child<QLabel>(name);
        QCOMPARE(label->text(), caption);
        QVERIFY2(!label->isEnabled(), name);
        QCOMPARE(label->y(), 520);
    }
    QCOMPARE(f->child<QLabel>("Label4")->geometry(), QRect(440, 520, 65, 17));
    QCOMPARE(f->child<QLabel>("label14")->text(), u"Repeat word      in here"_qs);
    QCOMPARE(f->child<ImageButton>("Image2")->toolTip(), u"设置"_qs);
    QCOMPARE(f->child<ImageButton>("Image4")->toolTip(), u"显示/隐藏 中文释意"_qs);
    QCOMPARE(f->child<ImageButton>("Image17")->toolTip(), u"Min. to Screen Top"_qs);
    QCOMPARE(f->child<QLabel>("Label12")->text(), u"Start from No."_qs);
    QCOMPARE(f->child<QLabel>("Label13")->text(), u"Now yon can change the Skin and other ..."_qs);
    QVERIFY(!f->child<ImageButton>("Image5")->pixmap().isNull());
}

void TestMainFormWindow::menuItemsInOrder()
{
    f->open(kWords);
    QStringList items;
    for (QAction* action : f->form->ui().Sys->actions())
        items.append(action->isSeparator() ? u"-"_qs : action->text());
    QCOMPARE(items,
             (QStringList{u"&Restore"_qs, u"&Minimize"_qs, u"-"_qs, u"&Option"_qs, u"&Help"_qs, u"-"_qs, u"&EXIT"_qs}));
    QSignalSpy help(f->form.data(), &mainForm::helpRequested);
    f->form->ui().Sys_help->trigger();
    QCOMPARE(help.size(), 1);
    QSignalSpy unloaded(f->form.data(), &mainForm::unloaded);
    f->form->ui().Sys_exit->trigger();
    QCOMPARE(unloaded.size(), 1);
}

void TestMainFormWindow::firstStartIsPlainWhite()
{
    f->open(kWords);
    QVERIFY(f->form->background().isNull());
    QCOMPARE(Skins::storedSkin(f->settings), u"0"_qs);
    QCOMPARE(f->form->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!f->child<ImageButton>("Image9")->pixmap().isNull());
}

void TestMainFormWindow::thumbnailsChooseAndStoreTheSkin()
{
    f->open(kWords);
    f->form->ui().Sys_option->trigger();
    QTest::mouseClick(f->child<ImageButton>("Image9"), Qt::LeftButton);
    QCOMPARE(f->form->background().size(), QSize(720, 540));
    QCOMPARE(Skins::storedSkin(f->settings), u"2"_qs);
    QVERIFY(!f->child<QGroupBox>("Frame2")->isVisible());
    const QImage skin2 = f->form->background().toImage();

    f->form->ui().Sys_option->trigger();
    QTest::mouseClick(f->child<ImageButton>("Image10"), Qt::LeftButton);
    QCOMPARE(Skins::storedSkin(f->settings), u"3"_qs);
    QVERIFY(f->form->background().toImage() != skin2);

    f->form->ui().Sys_option->trigger();
    QTest::mouseClick(f->child<ImageButton>("Image11"), Qt::LeftButton);
    QVERIFY(f->form->background().isNull());
    QCOMPARE(Skins::storedSkin(f->settings), u"0"_qs);
    // Nothing is left behind in the temporary folder.
    QCOMPARE(QDir(f->dir.path()).entryList({u"*.jpg"_qs}), QStringList());
}

void TestMainFormWindow::storedSkinComesBackAndUnknownFallsBack()
{
    Skins::storeSkin(f->settings, 3);
    f->open(kWords);
    QCOMPARE(f->form->background().size(), QSize(720, 540));
    Skins::storeSkin(f->settings, 5);
    f->open(kWords);
    QVERIFY(f->form->background().isNull());
    QVERIFY(f->form->isVisible());
}

void TestMainFormWindow::skinResourceNames_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("resource");
    QTest::newRow("0") << u"0"_qs << QString();
    QTest::newRow("2") << u"2"_qs << u"SKIN2"_qs;
    QTest::newRow("3") << u"3"_qs << u"SKIN3"_qs;
    QTest::newRow("12") << u"12"_qs << u"SKIN2"_qs;
    QTest::newRow("not a number") << u"blue"_qs << QString();
}

void TestMainFormWindow::skinResourceNames()
{
    QFETCH(QString, stored);
    QFETCH(QString, resource);
    QCOMPARE(Skins::resourceFor(stored), resource);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestMainFormWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainform_window.moc"
