// Stands in for a second copy of the program in the single-instance test. Prints "locked" when it
// got the lock, "already running" otherwise (exit code 1). With the argument "hold" it keeps the
// lock until a line arrives on its standard input.
#include "app/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SingleInstance instance;
    if (!instance.tryLock()) {
        std::fputs("already running\n", stdout);
        return 1;
    }
    std::fputs("locked\n", stdout);
    std::fflush(stdout);
    if (app.arguments().value(1) == u"hold") {
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 2;
    }
    return 0;
}
