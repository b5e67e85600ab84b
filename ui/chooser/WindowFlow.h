#pragma once

#include <QObject>

struct Context;
class loadform;
class mainForm;

// Switches between the library chooser and the main window: a choice in the chooser opens the main
// window on the chosen list, and the main window's library button brings a fresh chooser back.
// Whoever needs more of either window (ending the program, help, the tray) connects to the signals.
class WindowFlow : public QObject {
    Q_OBJECT
public:
    explicit WindowFlow(Context& context, QObject* parent = nullptr);

    void openChooser();

Q_SIGNALS:
    void chooserOpened(loadform* chooser); // before its load
    void mainOpened(mainForm* form);       // before its load

private:
    void openMain();

    Context& m_context;
};
