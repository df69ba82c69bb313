#include <clocale>
#include <cstdio>

#include <QApplication>
#include <QLabel>

#include "platform/qt/UnixSignalWatcher.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Numbers are formatted by the core with the user's separator applied
    // explicitly; the C library must keep the plain "." form.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Caldrix");
    QApplication::setQuitOnLastWindowClosed(false);

    cdx::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &cdx::UnixSignalWatcher::terminationRequested, &app,
                     [](int) { QApplication::quit(); });

    QLabel window("Caldrix");
    window.setWindowTitle("Caldrix");
    window.resize(240, 120);
    window.show();
    return app.exec();
}
