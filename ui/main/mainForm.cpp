#include "ui/main/mainForm.h"

#include "drill/DrillSettings.h"
#include "drill/DrillTick.h"
#include "drill/EntryView.h"
#include "drill/Share.h"
#include "drill/WordSize.h"
#include "speech/MSTTSSpeak.h"
#include "speech/Voice.h"
#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/Fonts.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ScreenPlacement.h"
#include "vocab/TextFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWindow>

mainForm::mainForm(Context& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Art::programIcon());
    setWindowTitle(QStringLiteral("TAVIK")); // for the task bar; the window itself shows no title
    m_ui.setupUi(this);
    centreOnScreen(*this);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setCursor(Qt::SizeAllCursor);
    connectControls();
}

mainForm::~mainForm() = default;

void mainForm::load()
{
    HideSettingsPanel();
    SetUpMainWindow();
    if (m_context.share.SourceKind == Share::NoteFileSource) {
        m_ui.Image7->setEnabled(false);
        m_ui.Label15->setEnabled(false);
        m_ui.Image14->setEnabled(true);
    }
    LastState = windowState().testFlag(Qt::WindowMaximized) ? 2 : 0; // a minimised window comes back normal
    m_tray.AddTrayIcon(this, m_ui.Sys);
    m_tray.SetTrayTip(systemtray::defaultTip());
    m_ui.Timer1->stop();
    m_ui.Timer2->stop();
    m_ui.Timer2->setInterval(300);

    Q_EMIT loadStarted();
    readWordFile();
    Q_EMIT loadFinished();

    m_context.share.Interval = static_cast<qint16>(LoadInterval(m_context.settings));
    m_ui.Text2->setText(leadingBlank(m_context.share.Interval));
    showRestoredPosition();
    setUpCursors();
}

bool mainForm::hasTray() const
{
    return systemtray::isAvailable();
}

void mainForm::readWordFile()
{
    Share& share = m_context.share;
    QString error;
    const auto content = TextFile::readLines(share.WordFile, &error);
    if (!content)
        MessageBox::information(this, QStringLiteral("The word list could not be read.\n%1").arg(error));
    const WordList list = readWordList(content ? content->lines : QStringList());
    share.Words = list.Words;
    share.EntryEnd = static_cast<qint16>(list.EntryEnd);
    {
        const QSignalBlocker blocker(m_ui.List1);
        m_ui.List1->clear();
        m_ui.List1->addItems(list.rows);
    }
    if (list.truncated) {
        MessageBox::information(this, QStringLiteral("This list has more than %1 entries; only the first %1 were "
                                                     "loaded.\n%2")
                                          .arg(LastSlot)
                                          .arg(share.WordFile));
    }
}

void mainForm::showRestoredPosition()
{
    const Share& share = m_context.share;
    int position = LoadPosition(m_context.settings, share.LibraryKey);
    // A position saved for a longer version of the list (or a note file that has shrunk) resumes
    // at the last entry rather than past the end.
    if (!share.isEmpty() && position > share.lastEntry())
        position = share.lastEntry();
    m_CurrentIndex = position;
    ShowEntry(m_CurrentIndex);
}

void mainForm::setWord(const QString& text)
{
    const bool upper = m_context.share.UpperCase == 1;
    const QString shown = upper ? text.toUpper() : text;
    m_ui.Label9->setText(shown);
    QFont font = m_ui.Label9->font();
    font.setPointSize(wordPointSize(static_cast<int>(shown.size()), upper));
    m_ui.Label9->setFont(font);
}

bool mainForm::ShowEntry(int n)
{
    const EntryView view = viewOfEntry(m_context.share, n);
    if (view.changesDisplay) {
        setWord(view.word);
        if (view.speaks) {
            m_context.voice.stop();
            SpeakWord(m_context.voice, m_ui.Label9->text());
            m_Rest = view.rest;
            m_Phonetic = view.phonetic;
        }
        m_ui.Label10->setText(Fonts::phoneticDisplayText(view.phonetic));
        m_ui.Label10->adjustSize();
        m_ui.Label11->setPlainText(view.meaning);
    }
    m_ui.Label2->setText(view.number);
    m_ui.Label2->adjustSize();
    if (n - 1 >= 0 && n - 1 < m_ui.List1->count() && m_ui.List1->currentRow() != n - 1) {
        m_selectingFromShowEntry = true;
        m_ui.List1->setCurrentRow(n - 1);
        m_selectingFromShowEntry = false;
        return true;
    }
    return false;
}

void mainForm::onList1Selection(int row)
{
    if (row < 0)
        return;
    m_CurrentIndex = row + 1;
    if (!m_selectingFromShowEntry)
        ShowEntry(m_CurrentIndex);
    SavePosition(m_context.settings, m_context.share.LibraryKey, m_CurrentIndex);
}

void mainForm::Timer1_Timer()
{
    // The end message is modal while the timer keeps ticking: one message, and one wrap.
    if (m_endMessageOpen)
        return;
    switch (nextTickStep(m_CurrentIndex, m_context.share.EntryEnd)) {
    case TickStep::Nothing:
        return;
    case TickStep::EndOfList: {
        m_endMessageOpen = true;
        const QPointer<mainForm> self(this);
        MessageBox::information(
            this, QStringLiteral("Congratuation, you have reach the end and now restart from the beginning!"));
        if (!self)
            return;
        m_endMessageOpen = false;
        m_CurrentIndex = 0;
        return;
    }
    case TickStep::Advance:
        ++m_CurrentIndex;
        if (!ShowEntry(m_CurrentIndex))
            SavePosition(m_context.settings, m_context.share.LibraryKey, m_CurrentIndex);
        return;
    }
}

void mainForm::Timer2_Timer()
{
    m_FlickerPick = QRandomGenerator::global()->bounded(2) + 1;
    QPalette palette = m_ui.Label9->palette();
    palette.setColor(QPalette::WindowText, m_FlickerPick == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0));
    m_ui.Label9->setPalette(palette);
}

void mainForm::mousePressEvent(QMouseEvent* event)
{
    // Dragging the background moves the window, as a title bar would.
    if (event->buttons() == Qt::LeftButton && !childAt(event->position().toPoint()) && windowHandle())
        windowHandle()->startSystemMove();
    event->accept();
}

void mainForm::closeEvent(QCloseEvent* event)
{
    m_ui.Timer1->stop();
    m_ui.Timer2->stop();
    m_context.voice.stop();
    m_tray.RemoveTrayIcon();
    Q_EMIT unloaded();
    event->accept();
}
