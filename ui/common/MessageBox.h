#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message the program shows goes through here, so tests can answer them without a dialog.
namespace MessageBox {

// The program's default message title.
QString defaultTitle();

// A modal message with an OK button. An empty title means the default title.
void information(QWidget* parent, const QString& text, const QString& title = QString());

// While a hook is set, messages go to it instead of a dialog (tests). The hook runs where the
// dialog's event loop would have run, so it may drive timers or other events.
using Hook = std::function<void(const QString& title, const QString& text)>;
void setHook(Hook hook);

} // namespace MessageBox
