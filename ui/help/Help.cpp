#include "ui/help/Help.h"

#include "ui/common/Art.h"
#include "ui/common/Fonts.h"
#include "ui/common/ImageButton.h"
#include "ui/common/ScreenPlacement.h"
#include "ui/help/HelpText.h"
#include "vocab/NoteLocation.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPointer>
#include <QUrl>

namespace {

Help::UrlOpener& urlOpener()
{
    static Help::UrlOpener instance;
    return instance;
}

QPointer<Help>& liveHelp()
{
    static QPointer<Help> instance;
    return instance;
}

// A label that closes or acts on a click, laid out like a plain label.
ImageButton* clickableLabel(QWidget* parent, const char* name, QRect geometry, const QString& text, const QFont& font)
{
    auto* label = new ImageButton(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setText(text);
    return label;
}

// The classic Windows schemes draw inactive caption text in the button face colour; the palette's
// inactive button colour is its counterpart on every platform.
QColor inactiveCaptionTextColour(const QWidget& window)
{
    return window.palette().color(QPalette::Inactive, QPalette::Button);
}

} // namespace

Help* Help::showHelp()
{
    QPointer<Help>& help = liveHelp();
    if (!help) {
        help = new Help;
        centreOnScreen(*help);
    }
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

void Help::setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

Help::Help()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("TAVIK"));
    setFixedSize(500, 451);
    QPalette background = palette();
    background.setColor(QPalette::Window, inactiveCaptionTextColour(*this));
    setPalette(background);
    setAutoFillBackground(true);
    setUpControls();
}

void Help::setUpControls()
{
    // The guide lies below the other controls, so they take their own clicks.
    m_Label2 = clickableLabel(this, "Label2", {32, 48, 449, 425}, HelpText::guide(defaultNotePath()),
                              Fonts::font(Fonts::SimSun, 11.25));
    m_Label2->setWordWrap(true);
    QPalette red = m_Label2->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_Label2->setPalette(red);

    m_Label1 = clickableLabel(this, "Label1", {16, 24, 81, 25}, HelpText::heading(), Fonts::font(Fonts::SimSun, 12));

    m_Label5 = new QLabel(HelpText::versionLine(), this);
    m_Label5->setObjectName(QStringLiteral("Label5"));
    m_Label5->setGeometry(296, 8, 193, 17);
    m_Label5->setFont(Fonts::font(Fonts::SimSun, 9));

    // The picture of the add-to-note button, standing after "或者点击 " of the guide.
    m_Image1 = new QLabel(this);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setGeometry(232, 128, 32, 32);
    m_Image1->setScaledContents(true);
    m_Image1->setPixmap(Art::picture(QStringLiteral("PICTURE"), QStringLiteral("NOTEADD16")));

    // The date line and the picture do nothing on a click, and a click on them is no click on the window.
    m_Label5->setAttribute(Qt::WA_NoMousePropagation);
    m_Image1->setAttribute(Qt::WA_NoMousePropagation);

    m_Label3 = clickableLabel(this, "Label3", {40, 416, 441, 17}, HelpText::mailLine(),
                              Fonts::font(Fonts::SimSun, 9, false, true));
    m_Label3->setCursor(Art::handCursor());

    connect(m_Label1, &ImageButton::clicked, this, &QWidget::close);
    connect(m_Label2, &ImageButton::clicked, this, &QWidget::close);
    connect(m_Label3, &ImageButton::clicked, this, &Help::Label3_Click);
}

void Help::Label3_Click()
{
    const QUrl url = HelpText::mailUrl();
    if (urlOpener())
        urlOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

void Help::mousePressEvent(QMouseEvent* event)
{
    m_backgroundPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Help::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_backgroundPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_backgroundPressed = false;
    event->accept();
    if (click)
        close();
}
