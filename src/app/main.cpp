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
    // desktop session end does: no question, settings saved.
    // A request that comes while start-up still runs (start-up lets pending
    // events run, but quitting needs the event loop) ends the program as
    // soon as start-up is done.
    bool terminationRequested = false;
    cdx::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &cdx::UnixSignalWatcher::terminationRequested, &qapp, [&terminationRequested] {
        terminationRequested = true;
        QApplication::quit();
    });
    QObject::connect(&qapp, &QApplication::aboutToQuit, &qapp, [&application] { application.shutdown(); });

    application.start();
    if (terminationRequested) {
        application.shutdown();
        return 0;
    }
    return qapp.exec();
}
