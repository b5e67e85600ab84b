#include "ui/tray/systemtray.h"

#include "ui/common/Art.h"
#include "ui/main/mainForm.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QStyle>

namespace {

std::optional<bool>& availabilityOverride()
{
    static std::optional<bool> instance;
    return instance;
}

systemtray::PopupHook& popupHook()
{
    static systemtray::PopupHook instance;
    return instance;
}

bool hasPicture(const QIcon& icon)
{
    return !icon.pixmap(16, 16).isNull();
}

// The window's own icon; the program's icon or, while the program's pictures are missing, a
// stock one, so the icon never comes up empty.
QIcon trayPicture(const QWidget& window)
{
    if (hasPicture(window.windowIcon()))
        return window.windowIcon();
    if (const QIcon program = Art::programIcon(); hasPicture(program))
        return program;
    return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
}

} // namespace

systemtray::systemtray(QObject* parent)
    : QObject(parent)
{
}

systemtray::~systemtray() = default;

void systemtray::AddTrayIcon(mainForm* window, QMenu* menu)
{
    RemoveTrayIcon();
    m_TrayForm = window;
    m_TrayMenu = menu;
    m_icon = std::make_unique<QSystemTrayIcon>(trayPicture(*window));
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, &systemtray::TrayIcon_Activated);
    if (isAvailable())
        m_icon->show();
}

void systemtray::SetTrayTip(const QString& text)
{
    if (m_icon)
        m_icon->setToolTip(cutTip(text));
}

void systemtray::RemoveTrayIcon()
{
    m_icon.reset();
    m_TrayForm.clear();
    m_TrayMenu.clear();
}

bool systemtray::isAvailable()
{
    if (availabilityOverride())
        return *availabilityOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void systemtray::setAvailabilityOverride(std::optional<bool> available)
{
    availabilityOverride() = available;
}

void systemtray::setPopupHook(PopupHook hook)
{
    popupHook() = std::move(hook);
}

QString systemtray::cutTip(const QString& text)
{
    // The tip ends at a NUL, and a character outside the basic plane is never cut in half.
    QString tip = text.left(text.indexOf(QChar(u'\0')));
    if (tip.size() <= MaxTipLength)
        return tip;
    const int length = tip.at(MaxTipLength - 1).isHighSurrogate() ? MaxTipLength - 1 : MaxTipLength;
    return tip.left(length);
}

void systemtray::TrayIcon_Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger)
        restoreWindow();
    else if (reason == QSystemTrayIcon::Context)
        popUpMenu();
}

void systemtray::restoreWindow()
{
    if (!m_TrayForm)
        return;
    mainForm& form = *m_TrayForm;
    if (form.windowState().testFlag(Qt::WindowMinimized))
        form.setWindowState(form.LastState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    form.setVisible(true);
    form.raise();
    form.activateWindow();
}

void systemtray::popUpMenu()
{
    if (!m_TrayMenu)
        return;
    const QPoint position = QCursor::pos();
    if (popupHook())
        popupHook()(m_TrayMenu, position);
    else
        m_TrayMenu->popup(position);
}
