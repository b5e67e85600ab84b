#include "ui/common/Art.h"
#include "ui/skinframe/cool_form.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

// The skinned frame on a bare window: where each piece goes for a window size, the rounded outline,
// and dragging by the title.
class TestSkinFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void piecesForTheChooserSize_data();
    void piecesForTheChooserSize();
    void piecesFollowTheWindowSize();
    void piecesShowTheirPictures();
    void titleButtonsLieAboveTheBar();
    void windowTakesBackColourAndCaption();
    void outlineRoundsTheCorners();
    void outlineRoundsHalvesToEven();
    void titleDragsTheWindowButButtonsDoNot();
    void windowWithoutPiecesStillGetsItsOutline();

private:
    QLabel* piece(const char* name) const { return m_window->findChild<QLabel*>(QString::fromLatin1(name)); }

    std::unique_ptr<QWidget> m_window;
    QLabel* m_title = nullptr;
};

void TestSkinFrame::init()
{
    m_window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
    m_window->resize(729, 525);
    cool_form::AddSkinFramePieces(m_window.get());
    m_title = new QLabel(u"Tavik V0.003 2003-01-15"_qs, m_window.get());
    m_title->setObjectName(u"lblTitle"_qs);
    m_title->setGeometry(100, 100, 152, 16);
    cool_form::LayoutSkinFrame(m_window.get());
}

void TestSkinFrame::cleanup()
{
    m_window.reset();
}

void TestSkinFrame::piecesForTheChooserSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("stretched");
    QTest::newRow("imgTitleLeft") << u"imgTitleLeft"_qs << QRect(0, 0, 19, 30) << false;
    QTest::newRow("imgTitleRight") << u"imgTitleRight"_qs << QRect(710, 0, 19, 30) << false;
    QTest::newRow("imgTitleMain") << u"imgTitleMain"_qs << QRect(19, 0, 710, 30) << true;
    QTest::newRow("imgWindowLeft") << u"imgWindowLeft"_qs << QRect(0, 30, 19, 465) << true;
    QTest::newRow("imgWindowRight") << u"imgWindowRight"_qs << QRect(710, 30, 19, 465) << true;
    QTest::newRow("imgWindowBottomLeft") << u"imgWindowBottomLeft"_qs << QRect(0, 495, 19, 30) << false;
    QTest::newRow("imgWindowBottom") << u"imgWindowBottom"_qs << QRect(19, 495, 691, 30) << true;
    QTest::newRow("imgWindowBottomRight") << u"imgWindowBottomRight"_qs << QRect(710, 495, 19, 30) << false;
    QTest::newRow("imgTitleClose") << u"imgTitleClose"_qs << QRect(707, 8, 13, 13) << false;
    QTest::newRow("imgTitleMinimize") << u"imgTitleMinimize"_qs << QRect(690, 8, 13, 13) << false;
    QTest::newRow("imgTitleHelp") << u"imgTitleHelp"_qs << QRect(673, 8, 13, 13) << false;
    QTest::newRow("lblTitle") << u"lblTitle"_qs << QRect(16, 7, 152, 16) << false;
}

void TestSkinFrame::piecesForTheChooserSize()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, stretched);
    const auto* label = m_window->findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->hasScaledContents(), stretched);
}

void TestSkinFrame::piecesFollowTheWindowSize()
{
    m_window->resize(400, 300);
    cool_form::LayoutSkinFrame(m_window.get());
    QCOMPARE(piece("imgTitleRight")->geometry(), QRect(381, 0, 19, 30));
    QCOMPARE(piece("imgTitleMain")->geometry(), QRect(19, 0, 381, 30));
    QCOMPARE(piece("imgWindowRight")->geometry(), QRect(381, 30, 19, 240));
    QCOMPARE(piece("imgWindowBottom")->geometry(), QRect(19, 270, 362, 30));
    QCOMPARE(piece("imgWindowBottomRight")->pos(), QPoint(381, 270));
    // The close button's right edge stays 9 pixels inside, with 4-pixel gaps between the buttons.
    QCOMPARE(piece("imgTitleClose")->geometry().right() + 1, 400 - 9);
    QCOMPARE(piece("imgTitleClose")->x() - (piece("imgTitleMinimize")->geometry().right() + 1), 4);
    QCOMPARE(piece("imgTitleMinimize")->x() - (piece("imgTitleHelp")->geometry().right() + 1), 4);
}

void TestSkinFrame::piecesShowTheirPictures()
{
    for (const char* name :
         {"imgTitleLeft", "imgTitleMain", "imgTitleRight", "imgWindowLeft", "imgWindowRight", "imgWindowBottomLeft",
          "imgWindowBottom", "imgWindowBottomRight", "imgTitleClose", "imgTitleMinimize", "imgTitleHelp"}) {
        const QPixmap expected = Art::picture(u"FRAME"_qs, QString::fromLatin1(name));
        QCOMPARE(piece(name)->pixmap().size(), expected.size());
    }
}

void TestSkinFrame::titleButtonsLieAboveTheBar()
{
    QCOMPARE(m_window->childAt(712, 12), piece("imgTitleClose"));
    QCOMPARE(m_window->childAt(694, 12), piece("imgTitleMinimize"));
    QCOMPARE(m_window->childAt(677, 12), piece("imgTitleHelp"));
    QCOMPARE(m_window->childAt(725, 25), piece("imgTitleRight"));
    QCOMPARE(m_window->childAt(20, 12), piece("lblTitle"));
    QCOMPARE(m_window->childAt(400, 12), piece("imgTitleMain"));
}

void TestSkinFrame::windowTakesBackColourAndCaption()
{
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(207, 207, 207));
    QVERIFY(m_window->autoFillBackground());
    QCOMPARE(m_window->windowTitle(), u"Tavik V0.003 2003-01-15"_qs);
}

void TestSkinFrame::outlineRoundsTheCorners()
{
    const QRegion mask = m_window->mask();
    QCOMPARE(mask, cool_form::RoundedWindowRegion(729, 525));
    QCOMPARE(mask.boundingRect(), QRect(0, 0, 729, 525));
    for (const QPoint corner : {QPoint(0, 0), QPoint(728, 0), QPoint(0, 524), QPoint(728, 524), QPoint(2, 2)})
        QVERIFY2(!mask.contains(corner), qPrintable(u"(%1, %2)"_qs.arg(corner.x()).arg(corner.y())));
    for (const QPoint inside : {QPoint(364, 0), QPoint(0, 262), QPoint(728, 262), QPoint(364, 524), QPoint(6, 6),
                                QPoint(12, 0), QPoint(0, 12)})
        QVERIFY2(mask.contains(inside), qPrintable(u"(%1, %2)"_qs.arg(inside.x()).arg(inside.y())));
}

void TestSkinFrame::outlineRoundsHalvesToEven()
{
    QCOMPARE(cool_form::RoundedWindowRegion(728.5, 524.5).boundingRect(), QRect(0, 0, 728, 524));
    QCOMPARE(cool_form::RoundedWindowRegion(729.5, 525.5).boundingRect(), QRect(0, 0, 730, 526));
    QCOMPARE(cool_form::RoundedWindowRegion(729.4, 524.6).boundingRect(), QRect(0, 0, 729, 525));
}

void TestSkinFrame::titleDragsTheWindowButButtonsDoNot()
{
    for (const char* handle : {"imgTitleLeft", "imgTitleMain", "imgTitleRight", "lblTitle"})
        cool_form::MakeDragHandle(piece(handle), m_window.get());
    m_window->move(100, 100);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    // This platform has no move loop of its own, so the window follows the mouse.
    QPoint expected = m_window->pos();
    for (const char* handle : {"lblTitle", "imgTitleLeft", "imgTitleMain", "imgTitleRight"}) {
        QLabel* label = piece(handle);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(label, QPoint(25, 15));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(25, 15));
        expected += QPoint(20, 10);
        QCOMPARE(m_window->pos(), expected);
    }
    for (const char* button : {"imgTitleClose", "imgTitleMinimize", "imgTitleHelp"}) {
        QLabel* label = piece(button);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(label, QPoint(25, 15));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(25, 15));
        QCOMPARE(m_window->pos(), expected);
    }
}

void TestSkinFrame::windowWithoutPiecesStillGetsItsOutline()
{
    QWidget bare;
    bare.resize(200, 100);
    cool_form::LayoutSkinFrame(&bare);
    QCOMPARE(bare.mask(), cool_form::RoundedWindowRegion(200, 100));
    QVERIFY(bare.windowTitle().isEmpty());
}

QTEST_MAIN(TestSkinFrame)
#include "tst_skinframe.moc"
