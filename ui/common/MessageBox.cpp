#include "ui/common/MessageBox.h"

#include <QMessageBox>

namespace MessageBox {

namespace {

Hook& hook()
{
    static Hook instance;
    return instance;
}

} // namespace

QString defaultTitle()
{
    return QStringLiteral("tavik");
}

void information(QWidget* parent, const QString& text, const QString& title)
{
    const QString caption = title.isEmpty() ? defaultTitle() : title;
    if (hook()) {
        hook()(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void setHook(Hook newHook)
{
    hook() = std::move(newHook);
}

} // namespace MessageBox
