#include "ui/help/Logo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The splash window: its look, its load signal and the progress text the main window writes.
class TestSplash : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showsItsTextsAndColours();
    void loadsOnceWhenFirstShown();
    void progressTextIsPaintedAtOnce();

private:
    QLabel* label(const char* name) const { return m_logo->findChild<QLabel*>(QString::fromLatin1(name)); }

    QPointer<Logo> m_logo;
};

void TestSplash::init()
{
    m_logo = new Logo;
}

void TestSplash::cleanup()
{
    delete m_logo;
}

void TestSplash::showsItsTextsAndColours()
{
    QCOMPARE(m_logo->objectName(), u"Logo"_qs);
    QCOMPARE(m_logo->size(), QSize(324, 192));
    QVERIFY(m_logo->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_logo->palette().color(QPalette::Window), QColor(0, 0, 192));
    QVERIFY(m_logo->autoFillBackground());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_logo->frameGeometry().center(), screen.center());

    QLabel* loading = label("Label1");
    QCOMPARE(loading->text(), u"Now Loading "_qs);
    QCOMPARE(loading->geometry(), QRect(72, 96, 137, 33));
    QCOMPARE(loading->palette().color(QPalette::WindowText), m_logo->palette().color(QPalette::HighlightedText));
    QCOMPARE(loading->font().pointSizeF(), 15.75);

    QLabel* progress = label("Label2");
    QCOMPARE(progress->text(), u"Label2"_qs);
    QCOMPARE(progress->geometry(), QRect(216, 96, 65, 25));
    QCOMPARE(progress->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(progress->font().family(), loading->font().family());

    QLabel* picture = label("Image1");
    QCOMPARE(picture->geometry(), QRect(24, 24, 48, 48));
    QVERIFY(picture->hasScaledContents());
}

void TestSplash::loadsOnceWhenFirstShown()
{
    QSignalSpy loaded(m_logo.data(), &Logo::loaded);
    QCOMPARE(loaded.count(), 0);
    m_logo->show();
    QCOMPARE(loaded.count(), 1);
    m_logo->hide();
    m_logo->show();
    QCOMPARE(loaded.count(), 1);
}

void TestSplash::progressTextIsPaintedAtOnce()
{
    m_logo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_logo));
    QCoreApplication::processEvents();
    QLabel* progress = label("Label2");
    PaintCounter paints;
    progress->installEventFilter(&paints);
    m_logo->setProgressText(Logo::progressDots());
    QCOMPARE(progress->text(), u"...."_qs);
    QVERIFY(paints.count > 0);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
