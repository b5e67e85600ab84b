#pragma once

#include <QObject>
#include <QPointer>

struct Context;
class Logo;
class loadform;
class mainForm;

// Switches between the library chooser and the main window: a choice in the chooser opens the main
// window on the chosen list, and the main window's library button brings a fresh chooser back. The
// splash stands while the program starts and while a list is read.
class WindowFlow : public QObject {
    Q_OBJECT
public:
    explicit WindowFlow(Context& context, QObject* parent = nullptr);

    // Start-up: the splash, then the chooser; the splash goes as soon as the chooser is up.
    void start();
    void openChooser();

Q_SIGNALS:
    void chooserOpened(loadform* chooser); // before its load
    void mainOpened(mainForm* form);       // before its load

private:
    void openMain();

    Context& m_context;
    QPointer<Logo> m_splash;
};
