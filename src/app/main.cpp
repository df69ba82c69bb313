#include <clocale>

#include <QApplication>

#include "app/Application.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/UnixSignalWatcher.h"
#include "ui/UiResources.h"

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    // Numbers are formatted by the program with the user's separator applied
    // explicitly; the C library must keep the plain "." form.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Caldrix");
    QApplication::setQuitOnLastWindowClosed(false);
    cdx::initUiResources();

    cdx::Application::Libraries libraries = cdx::Application::bindLibraries();
    const std::string error = !libraries.driver ? libraries.driver.error : libraries.systemInfo.error;
    if (!libraries.driver || !libraries.systemInfo) {
        cdx::QtMessageBox().showError(error);
        return 1;
    }

    cdx::Application application(std::move(libraries));

    // Ending the session, or being told to end, closes the program the way a
    // desktop session end does: no question, settings saved. The quit is
    // queued: a signal taken while start-up still runs events of its own would
    // otherwise call quit before the event loop runs, and be lost.
    cdx::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &cdx::UnixSignalWatcher::terminationRequested, &qapp,
                     [&qapp] { QMetaObject::invokeMethod(&qapp, &QApplication::quit, Qt::QueuedConnection); });
    QObject::connect(&qapp, &QApplication::aboutToQuit, &qapp, [&application] { application.shutdown(); });

    application.start();
    return qapp.exec();
}
