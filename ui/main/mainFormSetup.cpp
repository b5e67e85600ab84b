// Setting up the main window: captions, pictures, cursors and the wiring of its controls.
#include "ui/main/mainForm.h"

#include "ui/common/Art.h"
#include "ui/common/ImageButton.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

void setPicture(ImageButton* button, const QString& icon, const QString& toolTip = QString())
{
    button->setPixmap(Art::icon(icon));
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
}

} // namespace

void mainForm::SetUpMainWindow()
{
    m_ui.Label12->setText(QStringLiteral("Start from No."));
    m_ui.Label3->setText(QStringLiteral("Time interval (s)"));
    m_ui.Text1->setText(QStringLiteral(" ") + QString::number(m_CurrentIndex));
    m_ui.Text3->clear();
    m_ui.Command1->setText(QStringLiteral("OK"));
    m_ui.Command2->setText(QStringLiteral("Cancel"));
    m_ui.Frame2->setTitle(QStringLiteral("Setting"));
    m_ui.Label13->setText(QStringLiteral("Now yon can change the Skin and other ..."));
    setUpSkin();

    setPicture(m_ui.Image2, QStringLiteral("SETTING1"), QStringLiteral("设置"));
    setPicture(m_ui.Image3, QStringLiteral("CHANGE1"), QStringLiteral("切换字典"));
    setPicture(m_ui.Image4, QStringLiteral("SHOW1"), QStringLiteral("显示/隐藏 中文释意"));
    setPicture(m_ui.Image5, QStringLiteral("START1"), QStringLiteral("开始/暂停"));
    setPicture(m_ui.Image6, QStringLiteral("EXIT1"), QStringLiteral("退出"));
    setPicture(m_ui.Image1, QStringLiteral("SEARCH1"), QStringLiteral("搜索"));
    setPicture(m_ui.Image12, QStringLiteral("SND1"));
    setPicture(m_ui.Image13, QStringLiteral("INT1"));
}

void mainForm::setUpCursors()
{
    const QCursor hand = Art::handCursor();
    m_ui.Command1->setCursor(hand);
    m_ui.Command2->setCursor(hand);
    for (ImageButton* button : findChildren<ImageButton*>())
        button->setCursor(hand);
    m_ui.Image1->setCursor(Art::iconCursor(QStringLiteral("SEARCH1")));
    m_ui.Image5->setCursor(Art::iconCursor(QStringLiteral("START1")));
    m_ui.Image8->setPixmap(Art::icon(QStringLiteral("HELP1")));
}

void mainForm::connectControls()
{
    for (ImageButton* button :
         {m_ui.Image1, m_ui.Image2, m_ui.Image3, m_ui.Image4, m_ui.Image5, m_ui.Image6, m_ui.Image7, m_ui.Image10})
        button->setPressedLook(true);

    connect(m_ui.Timer1, &QTimer::timeout, this, &mainForm::Timer1_Timer);
    connect(m_ui.Timer2, &QTimer::timeout, this, &mainForm::Timer2_Timer);
    connect(m_ui.List1, &QListWidget::currentRowChanged, this, &mainForm::onList1Selection);
    connect(m_ui.Combo1, &QComboBox::editTextChanged, this, &mainForm::Combo1_Change);
    connect(m_ui.Image1, &ImageButton::clicked, this, &mainForm::findNext);
    connect(m_ui.Text3, &QLineEdit::textChanged, this, &mainForm::Text3_Change);
    // The combo box, not its line edit: the combo takes the keys first and keeps the arrows to itself.
    for (QObject* input : std::initializer_list<QObject*>{m_ui.Combo1, m_ui.Label11, m_ui.Text3, m_ui.List1})
        input->installEventFilter(this);

    connect(m_ui.Image5, &ImageButton::clicked, this, &mainForm::Image5_Click);
    connect(m_ui.Image16, &ImageButton::clicked, this, &mainForm::stopForTray);
    connect(m_ui.Sys_minize, &QAction::triggered, this, &mainForm::stopForTray);
    connect(m_ui.Sys_restore, &QAction::triggered, this, &mainForm::restoreFromMenu);
    connectSettingsPanel();
    connect(m_ui.Image9, &ImageButton::clicked, this, [this] { chooseSkin(2); });
    connect(m_ui.Image10, &ImageButton::clicked, this, [this] { chooseSkin(3); });
    connect(m_ui.Image11, &ImageButton::clicked, this, [this] { chooseSkin(0); });
    connect(m_ui.Image15, &ImageButton::clicked, this, &mainForm::Image15_Click);
    connect(m_ui.Image4, &ImageButton::clicked, this, &mainForm::Image4_Click);
    connect(m_ui.Image13, &ImageButton::clicked, this, &mainForm::Image4_Click);
    connect(m_ui.Image12, &ImageButton::clicked, this, &mainForm::Image12_Click);
    connect(m_ui.Image7, &ImageButton::clicked, this, &mainForm::addToNote);
    connect(m_ui.Image14, &ImageButton::clicked, this, &mainForm::deleteFromNote);

    connect(m_ui.Image3, &ImageButton::clicked, this, [this] {
        Q_EMIT changeListRequested();
        close();
    });
    connect(m_ui.Image6, &ImageButton::clicked, this, &QWidget::close);
    connect(m_ui.Sys_exit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.Image8, &ImageButton::clicked, this, &mainForm::helpRequested);
    connect(m_ui.Sys_help, &QAction::triggered, this, &mainForm::helpRequested);
}
