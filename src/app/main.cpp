#include <clocale>
#include <csignal>
#include <iostream>
#include <memory>

#include <QApplication>
#include <QEventLoop>
#include <QSessionManager>
#include <QTimer>

#include "app/Application.h"
#include "lifecycle/CommandLine.h"
#include "platform/ExternalMessages.h"
#include "platform/linux/StartTrace.h"
#include "platform/linux/UnixLocalMessaging.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/UnixSignalWatcher.h"
#include "ui/SplashWindow.h"
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

    // A write past the user's file-size limit fails with EFBIG and is
    // reported like a full disk, instead of ending the program unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication qapp(argc, argv);
    // Numbers are formatted by the program with the user's separator applied
    // explicitly; the C library must keep the plain "." form.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Caldrix");
    QApplication::setQuitOnLastWindowClosed(false);
    cdx::initUiResources();

    auto splash = std::make_unique<cdx::SplashWindow>();
    splash->showNow();

    cdx::Application::Libraries libraries = cdx::Application::bindLibraries();
    const std::string error = !libraries.driver ? libraries.driver.error : libraries.systemInfo.error;
    if (!libraries.driver || !libraries.systemInfo) {
        splash.reset();
        cdx::QtMessageBox().showError(error);
        return 1;
    }

    cdx::Application application(std::move(libraries));

    // Ending the session, or being told to end, closes the program the way a
    // desktop session end does: no question, settings saved.
    cdx::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &cdx::UnixSignalWatcher::terminationRequested, &qapp,
                     [&application] { application.endSession(); });
    QObject::connect(&qapp, &QGuiApplication::commitDataRequest, &qapp,
                     [&application](QSessionManager&) { application.endSession(); });
    QObject::connect(&qapp, &QApplication::aboutToQuit, &qapp, [&application] { application.shutdown(); });

    const bool running = application.start([&splash] {
        // The splash stays up a moment, drawn, then goes.
        QEventLoop pause;
        QTimer::singleShot(200, &pause, &QEventLoop::quit);
        pause.exec(QEventLoop::ExcludeUserInputEvents);
        splash.reset();
    });
    if (!running) {
        return 0;
    }
    const cdx::StartTrace trace = cdx::StartTrace::fromEnvironment();
    trace.mark("first poll");
    if (trace.active()) {
        QTimer::singleShot(0, &qapp, [trace] { trace.mark("window or tray shown"); });
    }
    return qapp.exec();
}
