#include "ui/common/Beep.h"

#include <QApplication>

namespace Beep {

namespace {

std::function<void()>& hook()
{
    static std::function<void()> instance;
    return instance;
}

} // namespace

void beep()
{
    if (hook())
        hook()();
    else
        QApplication::beep();
}

void setHook(std::function<void()> newHook)
{
    hook() = std::move(newHook);
}

} // namespace Beep
