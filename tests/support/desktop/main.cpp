// A stand-in for a desktop's panel and notification centre on the session
// bus, for the tests of the tray menu, the tray pictures and the alarm
// notifications. See TestDesktopConsole for its commands.
#include <cstdio>

#include <QCoreApplication>
#include <QDBusConnection>

#include "TestDesktopConsole.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestDesktopConsole console(QDBusConnection::sessionBus());
    if (!console.ready()) {
        std::fputs("test desktop: could not take its names on the session bus\n", stderr);
        return 1;
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return QCoreApplication::exec();
}
