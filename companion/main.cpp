// caldrix-cpuidle: the CPU Idle program Caldrix starts when the processor gets
// hot and closes when it has cooled down. While it runs, the processor's
// clock is limited to the lowest frequency cpufreq allows.
//
//   caldrix-cpuidle                   run (Caldrix starts it this way)
//   caldrix-cpuidle --register        make Caldrix find this program
//   caldrix-cpuidle --unregister      make Caldrix forget it again
//   caldrix-cpuidle --cpufreq-root D  use D instead of the system's cpufreq folder
//                                     (also $CALDRIX_CPUFREQ_ROOT)
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include <QApplication>
#include <QTimer>

#include "CompanionWindow.h"
#include "cpuidle/CpuIdleCompanion.h"
#include "platform/RegistryError.h"
#include "platform/linux/CpufreqCap.h"
#include "platform/linux/FileRegistry.h"
#include "platform/linux/LinuxProgramLocation.h"
#include "platform/linux/UnixLocalMessaging.h"
#include "platform/linux/XdgDirectories.h"
#include "platform/qt/QtReadWatch.h"
#include "platform/qt/UnixSignalWatcher.h"

namespace {

constexpr std::string_view InstallationKey = "Software\\CpuIdle";
constexpr int AskIntervalMs = 2000;

struct Options {
    bool registerPath = false;
    bool unregister = false;
    std::string cpufreqRoot = cdx::CpufreqCap::DefaultRoot;
    std::string error;
};

Options parse(int argc, char** argv)
{
    Options options;
    if (const char* root = std::getenv("CALDRIX_CPUFREQ_ROOT"); root != nullptr && *root != '\0') {
        options.cpufreqRoot = root;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--register") {
            options.registerPath = true;
        } else if (argument == "--unregister") {
            options.unregister = true;
        } else if (argument == "--cpufreq-root" && i + 1 < argc) {
            options.cpufreqRoot = argv[++i];
        } else if (argument.rfind("--", 0) == 0 && argument != "--platform") {
            options.error = "unknown option " + std::string(argument);
        }
    }
    return options;
}

int registerProgram(bool add)
{
    cdx::FileRegistry registry(cdx::XdgDirectories().configHome() + "/caldrix", std::cerr);
    try {
        if (!add) {
            registry.deleteKey(cdx::RootKey::LocalMachine, InstallationKey);
            std::cout << "CPU Idle is no longer registered for Caldrix.\n";
            return 0;
        }
        const std::string path = cdx::LinuxProgramLocation::runningExecutable();
        auto key = registry.openKey(cdx::RootKey::LocalMachine, InstallationKey, true);
        key->writeString("Path", path);
        key->close();
        std::cout << "CPU Idle is registered for Caldrix at " << path << "\n";
        return 0;
    } catch (const cdx::RegistryError& e) {
        std::cerr << "caldrix-cpuidle: " << e.what() << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "caldrix-cpuidle: " << options.error << '\n';
        return 2;
    }
    if (options.registerPath || options.unregister) {
        return registerProgram(options.registerPath);
    }

    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("caldrix-cpuidle");

    // From here on a termination request ends the program through its event
    // loop, so that the clock limit is put back whenever it comes.
    cdx::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &cdx::UnixSignalWatcher::terminationRequested, &app, [] { QApplication::quit(); });

    const std::string runtime = cdx::UnixLocalMessaging::defaultDirectory();
    cdx::UnixLocalMessaging messaging(runtime, std::cerr, cdx::qtReadWatch);
    cdx::CpufreqCap cap(options.cpufreqRoot, runtime + "/cpuidle-cpufreq.journal");
    // A run that was killed outright left the clock lowered: put it back.
    if (const std::string failures = cap.recoverJournal(); !failures.empty()) {
        std::cerr << "caldrix-cpuidle: an earlier frequency limit could not be put back: " << failures << '\n';
    }

    cdx::CpuIdleCompanion companion(messaging, cap, std::cerr);
    if (!companion.start()) {
        std::cerr << "caldrix-cpuidle: " << companion.error() << '\n';
        return 1;
    }
    std::cerr << "caldrix-cpuidle: " << companion.capText() << '\n';

    cdx::CompanionWindow window(companion);
    std::string shownTemperature = companion.temperatureText();
    companion.setObserver({[&] {
                               window.refresh();
                               if (companion.temperatureText() != shownTemperature) {
                                   shownTemperature = companion.temperatureText();
                                   std::cout << shownTemperature << std::endl;
                               }
                           },
                           [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); }});

    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, &app, [&companion] { companion.tick(); });
    ask.start(AskIntervalMs);
    companion.tick();

    QObject::connect(&app, &QApplication::lastWindowClosed, &app, [] { QApplication::quit(); });
    QObject::connect(&app, &QApplication::aboutToQuit, &app, [&companion] { companion.stop(); });

    window.show();
    const int result = app.exec();
    companion.stop();
    return result;
}
