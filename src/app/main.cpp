#include <clocale>
#include <iostream>

#include <QApplication>
#include <QTimer>

#include "app/Application.h"
#include "platform/ExternalMessages.h"
#include "platform/linux/StartTrace.h"
#include "platform/linux/UnixLocalMessaging.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/UnixSignalWatcher.h"
#include "settings/CommandLine.h"
#include "ui/UiResources.h"

int main(int argc, char* argv[])
{
    // "--show" and "--show-expanded" ask a running Caldrix to come forward;
    // when none answers, this one starts.
    if (const auto request = cdx::CommandLine::parse(argc, argv).message()) {
        cdx::UnixLocalMessaging bus(cdx::UnixLocalMessaging::defaultDirectory(), std::cerr);
        if (bus.send(std::string(cdx::ExternalMessages::CaldrixEndpoint), {*request, 0, 0})) {
            return 0;
        }
    }

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
    // A signal may be handled while the start still processes events (hiding
    // the window does), before the event loop runs, where quit() does nothing:
    // it is remembered and the program ends once the start is done.
    bool endRequested = false;
    cdx::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &cdx::UnixSignalWatcher::terminationRequested, &qapp, [&endRequested] {
        endRequested = true;
        QApplication::quit();
    });
    QObject::connect(&qapp, &QApplication::aboutToQuit, &qapp, [&application] { application.shutdown(); });

    // start() returns after the first poll, with the window shown or hidden
    // to the tray; the event loop's first turn draws them.
    application.start();
    if (endRequested) {
        application.shutdown();
        return 0;
    }
    const cdx::StartTrace trace = cdx::StartTrace::fromEnvironment();
    trace.mark("first poll");
    if (trace.active()) {
        QTimer::singleShot(0, &qapp, [trace] { trace.mark("window or tray shown"); });
    }
    return qapp.exec();
}
