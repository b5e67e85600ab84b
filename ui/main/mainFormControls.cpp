// The drill controls of the main window: start and pause, the settings panel, the case toggle and
// the meaning toggle.
#include "ui/main/mainForm.h"

#include "drill/DrillSettings.h"
#include "drill/EntryView.h"
#include "drill/SettingsBoxes.h"
#include "drill/Share.h"
#include "speech/MSTTSSpeak.h"
#include "speech/Voice.h"
#include "ui/common/Art.h"
#include "ui/common/Context.h"
#include "ui/common/ImageButton.h"
#include "ui/common/MessageBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

void mainForm::Image5_Click()
{
    const QString state = m_ui.Label8->text();
    if (state == QStringLiteral("Start") || state == QStringLiteral("Continue"))
        setDrillRunning(true, QStringLiteral("Pause"));
    else if (state == QStringLiteral("Pause"))
        setDrillRunning(false, QStringLiteral("Continue"));
}

void mainForm::setDrillRunning(bool running, const QString& caption)
{
    if (running) {
        m_ui.Timer1->start(m_context.share.Interval * 1000);
        m_ui.Timer2->start();
    } else {
        m_ui.Timer1->stop();
        m_ui.Timer2->stop();
    }
    m_ui.Label8->setText(caption);
    m_ui.Image2->setEnabled(!running);
    const QString icon = running ? QStringLiteral("STOP1") : QStringLiteral("START1");
    m_ui.Image5->setPixmap(Art::icon(icon));
    m_ui.Image5->setCursor(Art::iconCursor(icon));
}

void mainForm::stopForTray()
{
    setWindowState(windowState() | Qt::WindowMinimized);
    // Hidden, the window could only come back through the tray icon.
    if (hasTray())
        hide();
    const QCursor cursor = m_ui.Image5->cursor();
    setDrillRunning(false, QStringLiteral("Start"));
    m_ui.Image5->setCursor(cursor);
}

void mainForm::restoreFromMenu()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    update();
}

void mainForm::ShowSettingsPanel()
{
    m_ui.Label3->setVisible(true);
    m_ui.Label12->setVisible(true);
    m_ui.Text1->setEnabled(true);
    m_ui.Text1->setVisible(true);
    m_ui.Text2->setEnabled(true);
    m_ui.Text1->setText(leadingBlank(m_CurrentIndex));
    m_ui.Text2->setVisible(true);
    for (QPushButton* button : {m_ui.Command1, m_ui.Command2}) {
        button->setEnabled(true);
        button->setVisible(true);
    }
    m_ui.Frame2->setVisible(true);
    m_ui.Frame2->raise();
    m_ui.Label13->setEnabled(true);
    m_ui.Label13->setVisible(true);
    for (ImageButton* thumbnail : {m_ui.Image9, m_ui.Image10}) {
        thumbnail->setVisible(true);
        thumbnail->setEnabled(true);
    }
}

void mainForm::HideSettingsPanel()
{
    m_ui.Label3->setVisible(false);
    m_ui.Label12->setVisible(false);
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui.Text1, m_ui.Text2, m_ui.Command1, m_ui.Command2}) {
        w->setEnabled(false);
        w->setVisible(false);
    }
    m_ui.Frame2->setVisible(false);
    m_ui.Label13->setEnabled(false);
    m_ui.Label13->setVisible(false);
    for (ImageButton* thumbnail : {m_ui.Image9, m_ui.Image10}) {
        thumbnail->setVisible(false);
        thumbnail->setEnabled(false);
    }
}

void mainForm::Text1_Change()
{
    if (const auto correction = startBoxCorrection(m_ui.Text1->text()))
        m_ui.Text1->setText(correction->text);
}

void mainForm::Text2_Change()
{
    if (const auto correction = intervalBoxCorrection(m_ui.Text2->text())) {
        m_ui.Text2->setText(correction->text);
        MessageBox::information(this, correction->message);
    }
}

void mainForm::Command1_Click()
{
    Share& share = m_context.share;
    share.Interval = static_cast<qint16>(intervalFor(m_ui.Text2->text(), share.Interval));
    SaveInterval(m_context.settings, share.Interval);
    m_CurrentIndex = startEntryFor(m_ui.Text1->text(), m_CurrentIndex, share.EntryEnd);
    ShowEntry(m_CurrentIndex);
    HideSettingsPanel();
}

void mainForm::Image15_Click()
{
    Share& share = m_context.share;
    const bool toUpper = share.UpperCase == 0;
    share.UpperCase = toUpper ? 1 : 0;
    const QString word = m_ui.Label9->text();
    setWord(toUpper ? word.toUpper() : word.toLower());
    m_ui.Label9->repaint();
    m_ui.Label17->setText(toUpper ? QStringLiteral("小 写") : QStringLiteral("大 写"));
}

void mainForm::Image4_Click()
{
    const QString state = m_ui.Label6->text();
    if (state != QStringLiteral("Show") && state != QStringLiteral("Unshow"))
        return;
    const bool show = state == QStringLiteral("Show");
    m_ui.Label6->setText(show ? QStringLiteral("Unshow") : QStringLiteral("Show"));
    m_ui.Label11->setVisible(show);
    m_ui.Image13->setVisible(show);
}

void mainForm::Image12_Click()
{
    m_context.voice.stop();
    SpeakWord(m_context.voice, m_ui.Label9->text());
}

void mainForm::connectSettingsPanel()
{
    connect(m_ui.Text1, &QLineEdit::textChanged, this, &mainForm::Text1_Change);
    connect(m_ui.Text2, &QLineEdit::textChanged, this, &mainForm::Text2_Change);
    connect(m_ui.Command1, &QPushButton::clicked, this, &mainForm::Command1_Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &mainForm::HideSettingsPanel);
    connect(m_ui.Image2, &ImageButton::clicked, this, &mainForm::ShowSettingsPanel);
    connect(m_ui.Sys_option, &QAction::triggered, this, &mainForm::ShowSettingsPanel);
}
