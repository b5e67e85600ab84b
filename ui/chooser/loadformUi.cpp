#include "ui/chooser/loadformUi.h"

#include "ui/chooser/SysInfoLabel.h"

#include "ui/common/Fonts.h"
#include "ui/common/ImageButton.h"
#include "ui/skinframe/cool_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace {

struct ButtonPlace {
    int number;
    QRect geometry;
    QColor colour; // invalid: the system's highlight-text colour
};

constexpr int LeftColumn = 264;
constexpr int RightColumn = 496;
constexpr QSize ListButton(209, 33);

constexpr QRect cell(int x, int row)
{
    return QRect(QPoint(x, 40 + 40 * row), ListButton);
}

const std::array<ButtonPlace, CatalogueSize>& buttonPlaces()
{
    static const std::array<ButtonPlace, CatalogueSize> places{{
        {1, cell(LeftColumn, 0), QColor(255, 128, 128)},    {23, cell(RightColumn, 0), QColor(192, 192, 255)},
        {17, cell(LeftColumn, 1), QColor(255, 128, 128)},   {24, cell(RightColumn, 1), QColor(192, 192, 255)},
        {2, cell(LeftColumn, 2), QColor(255, 192, 192)},    {22, cell(RightColumn, 2), QColor(192, 192, 255)},
        {3, cell(LeftColumn, 3), QColor(255, 192, 192)},    {14, cell(RightColumn, 3), QColor(224, 224, 224)},
        {4, cell(LeftColumn, 4), QColor(255, 192, 192)},    {15, cell(RightColumn, 4), QColor(224, 224, 224)},
        {12, cell(LeftColumn, 5), QColor(255, 255, 192)},   {13, cell(RightColumn, 5), QColor(255, 224, 192)},
        {6, cell(LeftColumn, 6), QColor(255, 192, 255)},    {5, cell(RightColumn, 6), QColor(128, 255, 255)},
        {7, cell(LeftColumn, 7), QColor(255, 192, 255)},    {21, cell(RightColumn, 7), QColor(128, 255, 255)},
        {8, cell(LeftColumn, 8), QColor(255, 192, 128)},    {18, cell(RightColumn, 8), QColor(192, 192, 192)},
        {9, cell(LeftColumn, 9), QColor(255, 192, 128)},    {19, cell(RightColumn, 9), QColor(192, 192, 192)},
        {10, cell(LeftColumn, 10), QColor(128, 255, 128)},  {20, cell(RightColumn, 10), QColor(192, 192, 192)},
        {11, cell(LeftColumn, 11), QColor(128, 255, 128)},  {16, QRect(496, 480, 153, 33), QColor()},
        {25, QRect(664, 480, 41, 33), QColor(192, 192, 0)},
    }};
    return places;
}

// Buttons drawn in their back colour need a style that paints the palette's button colour; some
// platform styles draw their own.
QStyle* colouredButtonStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
    }
    return style;
}

template <typename T> T* make(QWidget* parent, const char* name, QRect geometry)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* widget = make<QLabel>(parent, name, geometry);
    widget->setText(text);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

ImageButton* link(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* widget = make<ImageButton>(parent, name, geometry);
    widget->setText(text);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setFont(Fonts::font(Fonts::SimSun, 9, false, true));
    widget->setToolTip(QStringLiteral("下载"));
    return widget;
}

QPushButton* commandButton(QWidget* form, const ButtonPlace& place)
{
    const QByteArray name = "Command" + QByteArray::number(place.number);
    auto* button = make<QPushButton>(form, name.constData(), place.geometry);
    button->setStyle(colouredButtonStyle());
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button,
                     place.colour.isValid() ? place.colour : QApplication::palette().color(QPalette::HighlightedText));
    button->setPalette(palette);
    return button;
}

} // namespace

void loadformUi::setupUi(QWidget* form)
{
    form->setObjectName(QStringLiteral("loadform"));
    form->setFixedSize(729, 525);
    cool_form::AddSkinFramePieces(form);

    lblTitle = label(form, "lblTitle", {16, 7, 152, 16}, QStringLiteral("Tavik V0.003 2003-01-15"));
    lblTitle->setFont(Fonts::font(Fonts::Arial, 9.75, true));
    setTextColour(lblTitle, Qt::white);

    Frame1 = make<QGroupBox>(form, "Frame1", {24, 40, 217, 473});
    Frame1->setTitle(QStringLiteral("TAVIK"));
    Label6 = label(Frame1, "Label6", {40, 40, 137, 25}, QStringLiteral("每天坚持多一些！"));
    Label6->setFont(Fonts::font(Fonts::SimSun, 12, true));
    setTextColour(Label6, QColor(255, 0, 0));
    Label7 = label(Frame1, "Label7", {8, 112, 201, 41}, QStringLiteral("国内网站下载") + QString(33, u' '));
    Label8 = link(Frame1, "Label8", {32, 160, 137, 17}, ChooserLinks::HomePage);
    Label9 = link(Frame1, "Label9", {32, 184, 129, 17}, ChooserLinks::DownloadSiteName);
    Label5 = label(Frame1, "Label5", {14, 312, 196, 15}, QStringLiteral("V.0.003 for Windows 98/Me/2000/XP"));
    Label5->setFont(Fonts::font(Fonts::TimesNewRoman, 9.75));
    Label4 = label(Frame1, "Label4", {8, 344, 249, 17}, QStringLiteral("Your System Information:"));
    Label4->setFont(Fonts::font(Fonts::TimesNewRoman, 9.75));
    setTextColour(Label4, QColor(255, 0, 0));
    Label2 = make<SysInfoLabel>(Frame1, "Label2", {16, 376, 201, 33});
    Label3 = make<SysInfoLabel>(Frame1, "Label3", {16, 408, 185, 17});
    for (QLabel* lines : {Label2, Label3}) {
        lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextColour(lines, QColor(192, 0, 0));
    }

    for (const ButtonPlace& place : buttonPlaces())
        Commands.at(static_cast<std::size_t>(place.number - 1)) = commandButton(form, place);
    for (int number : {1, 18, 19, 20, 23, 24})
        Command(number)->setFont(Fonts::font(Fonts::SimSun, 9.75, true));
    Command(25)->setFont(Fonts::font(Fonts::SimSun, 14.25));
    Command(25)->setText(CatalogueEntryOf(25).caption);
    Command(25)->setToolTip(CatalogueEntryOf(25).toolTip);

    const std::array tabOrder{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                              14, 17, 18, 19, 20, 21, 22, 23, 24, 16, 25, 15};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(Command(tabOrder[i - 1]), Command(tabOrder[i]));
}
