#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class mainForm;

// The main window's icon in the desktop's notification area. A left click brings the window back
// (restoring it to its LastState when it was minimised); a right click pops up the window's menu.
class systemtray : public QObject {
    Q_OBJECT
public:
    // The tip the main window gives its icon.
    static QString defaultTip() { return QStringLiteral("TAVIK 0.003 Thank you!"); }
    // The longest tip shown whole; longer tips lose their end.
    static constexpr int MaxTipLength = 63;

    explicit systemtray(QObject* parent = nullptr);
    ~systemtray() override;
    Q_DISABLE_COPY_MOVE(systemtray)

    // Puts the icon up for the window and remembers the menu of its right click. An icon already up
    // is taken down first.
    void AddTrayIcon(mainForm* window, QMenu* menu);
    void SetTrayTip(const QString& text);
    void RemoveTrayIcon();

    // The icon while it is up, null otherwise.
    QSystemTrayIcon* icon() const { return m_icon.get(); }

    // Whether the desktop has a notification area. Without one the main window has no way back from
    // hiding and must minimise to the task bar instead.
    static bool isAvailable();
    // Tests decide what isAvailable() answers; std::nullopt asks the desktop again.
    static void setAvailabilityOverride(std::optional<bool> available);

    // A right click hands the menu and the cursor position to this instead of popping the menu up
    // (tests). An empty hook restores the pop-up.
    using PopupHook = std::function<void(QMenu* menu, QPoint position)>;
    static void setPopupHook(PopupHook hook);

    // Tip text as the notification area shows it.
    static QString cutTip(const QString& text);

public Q_SLOTS:
    void TrayIcon_Activated(QSystemTrayIcon::ActivationReason reason);

private:
    void restoreWindow();
    void popUpMenu();

    std::unique_ptr<QSystemTrayIcon> m_icon;
    QPointer<mainForm> m_TrayForm;
    QPointer<QMenu> m_TrayMenu;
};
