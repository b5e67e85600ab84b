#include "ui/main/mainFormUi.h"

#include "ui/common/Art.h"
#include "ui/common/Fonts.h"
#include "ui/common/ImageButton.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

template <typename T> T* make(QWidget* parent, const char* name, QRect geometry)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

ImageButton* imageButton(QWidget* parent, const char* name, QRect geometry, const QString& toolTip,
                         const char* picture = nullptr)
{
    auto* button = make<ImageButton>(parent, name, geometry);
    button->setToolTip(toolTip);
    if (picture)
        button->setPixmap(Art::picture(QStringLiteral("PICTURE"), QString::fromLatin1(picture)));
    return button;
}

QLabel* transparentLabel(QWidget* parent, const char* name, QRect geometry, const QFont& font)
{
    auto* label = make<QLabel>(parent, name, geometry);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// The captions under the bottom buttons, drawn disabled as the window has always shown them.
QLabel* captionLabel(QWidget* parent, const char* name, int left, int width, const QString& text)
{
    QLabel* label = transparentLabel(parent, name, QRect(left, 520, width, 17), Fonts::font(Fonts::SimSun, 9));
    label->setText(text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setEnabled(false);
    return label;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void mainFormUi::setupUi(QWidget* form)
{
    form->setObjectName(QStringLiteral("mainForm"));
    form->setFixedSize(722, 539);

    Image1 = imageButton(form, "Image1", {0, 0, 32, 32}, QString());
    Combo1 = make<QComboBox>(form, "Combo1", {32, 0, 185, 31});
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setFont(Fonts::font(Fonts::TimesNewRoman, 15.75));
    List1 = make<QListWidget>(form, "List1", {0, 32, 217, 508});
    List1->setFont(Fonts::font(Fonts::TimesNewRoman, 12, true));
    List1->setUniformItemSizes(true);

    Label9 = transparentLabel(form, "Label9", {280, 32, 438, 121}, Fonts::font(Fonts::Arial, 21.75, true));
    Image12 = imageButton(form, "Image12", {264, 176, 49, 33}, QString());
    Label10 = transparentLabel(form, "Label10", {320, 176, 10, 10}, Fonts::phoneticFont(18));
    Image13 = imageButton(form, "Image13", {264, 240, 49, 33}, QString());
    Label11 = make<QPlainTextEdit>(form, "Label11", {312, 248, 409, 169});
    Label11->setReadOnly(true);
    Label11->setFont(Fonts::font(Fonts::SimSun, 12.75));
    Label11->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    label14 = transparentLabel(form, "label14", {224, 432, 105, 33}, Fonts::font(Fonts::CourierNew, 9.75, true));
    label14->setText(QStringLiteral("Repeat word      in here"));
    label14->setWordWrap(true);
    Text3 = make<QLineEdit>(form, "Text3", {320, 437, 393, 30});
    Text3->setFont(Fonts::font(Fonts::CourierNew, 14.25, true));
    Label2 = transparentLabel(form, "Label2", {221, 526, 10, 10}, Fonts::font(Fonts::TimesNewRoman, 9));

    Image8 = imageButton(form, "Image8", {248, 488, 33, 33}, QStringLiteral("显示帮助信息"));
    Image15 = imageButton(form, "Image15", {304, 488, 31, 31}, QStringLiteral("大小写转换"), "CASE");
    Image14 = imageButton(form, "Image14", {352, 488, 29, 32}, QStringLiteral("从笔记本中移除"), "NOTEDEL");
    Image14->setEnabled(false);
    Image7 = imageButton(form, "Image7", {400, 488, 32, 32}, QStringLiteral("添加到笔记本"), "NOTEADD");
    Image2 = imageButton(form, "Image2", {456, 488, 32, 32}, QString());
    Image3 = imageButton(form, "Image3", {512, 488, 32, 32}, QString());
    Image4 = imageButton(form, "Image4", {568, 488, 32, 32}, QString());
    Image5 = imageButton(form, "Image5", {624, 488, 32, 32}, QString());
    Image6 = imageButton(form, "Image6", {680, 488, 32, 32}, QString());
    Label17 = captionLabel(form, "Label17", 304, 33, QStringLiteral("大 写"));
    Label16 = captionLabel(form, "Label16", 352, 33, QStringLiteral("删 除"));
    Label15 = captionLabel(form, "Label15", 400, 33, QStringLiteral("添 加"));
    Label4 = captionLabel(form, "Label4", 440, 65, QStringLiteral("Setting"));
    Label5 = captionLabel(form, "Label5", 496, 65, QStringLiteral("Change"));
    Label6 = captionLabel(form, "Label6", 552, 65, QStringLiteral("Unshow"));
    Label8 = captionLabel(form, "Label8", 608, 65, QStringLiteral("Start"));
    Label7 = captionLabel(form, "Label7", 680, 33, QStringLiteral("Exit"));

    Image18 = imageButton(form, "Image18", {640, 5, 21, 20}, QStringLiteral("Max. to full screen"), "BIGLIST");
    Image17 = imageButton(form, "Image17", {666, 5, 24, 24}, QStringLiteral("Min. to Screen Top"), "STRIP");
    Image16 = imageButton(form, "Image16", {696, 3, 23, 24}, QStringLiteral("Min. to SystemNotification Area"), "TRAY");

    Frame2 = make<QGroupBox>(form, "Frame2", {216, 0, 505, 537});
    Frame2->setFont(Fonts::font(Fonts::CourierNew, 18, true));
    Frame2->setAutoFillBackground(true);
    Label13 = make<QLabel>(Frame2, "Label13", {24, 40, 465, 25});
    Label13->setFont(Fonts::font(Fonts::TimesNewRoman, 14.25));
    Image10 = make<ImageButton>(Frame2, "Image10", {72, 96, 81, 49});
    Image9 = make<ImageButton>(Frame2, "Image9", {248, 96, 81, 49});
    Image11 = make<ImageButton>(Frame2, "Image11", {72, 232, 81, 49});
    for (ImageButton* thumbnail : {Image10, Image9, Image11})
        thumbnail->setScaledContents(true);
    const QFont boxFont = Fonts::font(Fonts::TimesNewRoman, 12, true);
    const QFont buttonFont = Fonts::font(Fonts::CourierNew, 11.25, true);
    Label12 = make<QLabel>(Frame2, "Label12", {72, 392, 105, 25});
    Label12->setToolTip(QStringLiteral("从第几个单词开始"));
    Text1 = make<QLineEdit>(Frame2, "Text1", {192, 392, 73, 21});
    Command1 = make<QPushButton>(Frame2, "Command1", {352, 392, 81, 27});
    Label3 = make<QLabel>(Frame2, "Label3", {72, 440, 113, 25});
    Label3->setToolTip(QStringLiteral("自动浏览时间间隔（秒）"));
    Text2 = make<QLineEdit>(Frame2, "Text2", {192, 440, 73, 21});
    Command2 = make<QPushButton>(Frame2, "Command2", {352, 432, 81, 27});
    for (QWidget* w : std::initializer_list<QWidget*>{Label12, Text1, Label3, Text2})
        w->setFont(boxFont);
    Command1->setFont(buttonFont);
    Command2->setFont(buttonFont);

    Timer1 = new QTimer(form);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(form);
    Timer2->setObjectName(QStringLiteral("Timer2"));

    Sys = new QMenu(QStringLiteral("Systray"), form);
    Sys->setObjectName(QStringLiteral("Sys"));
    Sys_restore = menuItem(Sys, "Sys_restore", QStringLiteral("&Restore"));
    Sys_minize = menuItem(Sys, "Sys_minize", QStringLiteral("&Minimize"));
    Sys->addSeparator()->setObjectName(QStringLiteral("sys1"));
    Sys_option = menuItem(Sys, "Sys_option", QStringLiteral("&Option"));
    Sys_help = menuItem(Sys, "Sys_help", QStringLiteral("&Help"));
    Sys->addSeparator()->setObjectName(QStringLiteral("sys2"));
    Sys_exit = menuItem(Sys, "Sys_exit", QStringLiteral("&EXIT"));
}
