#include "app/BrokenPipe.h"

#include <QtGlobal>

#include <csignal>

void ignoreBrokenPipes()
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
#endif
}
