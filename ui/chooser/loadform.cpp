#include "ui/chooser/loadform.h"

#include "drill/Share.h"
#include "sysinfo/getsysteminformation.h"
#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ScreenPlacement.h"
#include "ui/skinframe/cool_form.h"
#include "vocab/Library.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

QString askNotePath(QWidget* parent)
{
    // The user may name the note file already in use: that is a choice, not an overwrite.
    return QFileDialog::getSaveFileName(parent, QString(), QString(), QStringLiteral("Kelmo TXT (*.txt *.not *.ter)"),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace

loadform::loadform(Context& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_notePathDialog(askNotePath)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui.setupUi(this);

    for (const CatalogueEntry& entry : Catalogue())
        connect(m_ui.Command(entry.number), &QPushButton::clicked, this, [this, &entry] { onCommand(entry); });
    connect(m_ui.Label8, &ImageButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl(QStringLiteral("https://") + m_ui.Label8->text())); });
    connect(m_ui.Label9, &ImageButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl(ChooserLinks::DownloadPage)); });

    auto* close = findChild<ImageButton*>(QStringLiteral("imgTitleClose"));
    connect(close, &ImageButton::clicked, this, [this] {
        Q_EMIT quitRequested();
        this->close();
    });
    auto* minimize = findChild<ImageButton*>(QStringLiteral("imgTitleMinimize"));
    connect(minimize, &ImageButton::clicked, this, &QWidget::showMinimized);
    auto* help = findChild<ImageButton*>(QStringLiteral("imgTitleHelp"));
    connect(help, &ImageButton::clicked, this, &loadform::helpRequested);
    for (const char* name : {"imgTitleLeft", "imgTitleMain", "imgTitleRight", "lblTitle"})
        cool_form::MakeDragHandle(findChild<QWidget*>(QString::fromLatin1(name)), this);
}

loadform::~loadform() = default;

void loadform::setNotePathDialog(NotePathDialog dialog)
{
    m_notePathDialog = std::move(dialog);
}

void loadform::load()
{
    cool_form::LayoutSkinFrame(this);
    centreOnScreen(*this);
    m_context.share.UpperCase = 0;
    QString error;
    if (!Library::PrepareNoteFile(m_context.share, m_context.settings, &error))
        MessageBox::information(this, error);
    captionButtons();
    ShowSystemInfo();
}

void loadform::captionButtons()
{
    const QCursor hand = Art::handCursor();
    for (int number = 1; number <= 24; ++number) {
        const CatalogueEntry& entry = CatalogueEntryOf(number);
        QPushButton* button = m_ui.Command(number);
        button->setText(entry.caption);
        button->setCursor(hand);
        button->setToolTip(entry.toolTip);
    }
    m_ui.Label9->setCursor(hand);
    m_ui.Label8->setCursor(hand);
}

void loadform::ShowSystemInfo()
{
    const SystemInfoText text = systemInformationText(currentVersionRecord());
    m_ui.Label2->setText(text.platformAndVersion);
    m_ui.Label3->setText(text.bootMode);
}

void loadform::onCommand(const CatalogueEntry& entry)
{
    switch (entry.kind) {
    case CatalogueEntry::PackagedList:
        choosePackagedList(entry.key);
        return;
    case CatalogueEntry::NoteFile:
        Command16_Click();
        return;
    case CatalogueEntry::NoteLocation:
        Command25_Click();
        return;
    }
}

void loadform::choosePackagedList(const QString& key)
{
    QString error;
    if (!Library::ChoosePackagedList(m_context.share, key, m_context.TempDir, &error)) {
        MessageBox::information(this, error);
        return;
    }
    announceChoice();
}

void loadform::Command16_Click()
{
    QString error;
    if (!Library::ChooseNoteFile(m_context.share, m_context.settings, &error)) {
        MessageBox::information(this, error);
        return;
    }
    announceChoice();
}

void loadform::Command25_Click()
{
    const QString path = m_notePathDialog(this);
    QString error;
    if (!Library::StoreNoteLocation(m_context.settings, path, &error))
        MessageBox::information(this, error);
}

void loadform::announceChoice()
{
    // The main window is up before this one closes, so the program never runs out of windows.
    Q_EMIT listChosen();
    close();
}
