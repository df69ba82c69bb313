#pragma once

#include <memory>
#include <string>

#include "alarms/AlarmSound.h"
#include "app/AlarmNotifications.h"
#include "app/AlarmStack.h"
#include "app/HistoryAssembly.h"
#include "app/LogStack.h"
#include "app/MetricsService.h"
#include "app/MonitorStack.h"
#include "app/PageAssembly.h"
#include "app/PlatformServices.h"
#include "app/ProgramLibraries.h"
#include "app/ProgramLifecycle.h"
#include "cpuidle/CpuIdleLauncher.h"
#include "monitor/MonitorTimers.h"
#include "monitor/SensorSources.h"
#include "platform/qt/AudioLibrary.h"
#include "platform/qt/LazyTone.h"
#include "platform/qt/LazyWavePlayer.h"
#include "platform/qt/ToneBeeper.h"
#include "presentation/SensorNames.h"
#include "settings/RunOnStartup.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/TrayIcons.h"
#include "ui/TrayPollListener.h"

namespace cdx {

// The running program: the platform services, the bound libraries, the
// settings, the poll, the alarms, the logs, the window and the tray icons,
// made in the order they need each other.
class Application {
public:
    using Libraries = ProgramLibraries;

    // Binds the libraries from the program's library folder. On failure the
    // bindings carry the reason.
    static Libraries bindLibraries() { return ProgramLibraries::bind(); }

    // programFile: where the program counts itself as lying (its logs go
    // beside it when that folder is writable); empty: the running executable.
    explicit Application(Libraries libraries, const std::string& programFile = {});
    ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up: reads the chip and the settings, creates the logs, runs the
    // first poll, shows the window or hides it to the tray and starts polling.
    // `removeSplash` runs once the processor clock is read. Returns false when
    // the program is to end at once: another instance runs, the agreement was
    // refused, or an end was asked for while the first-run questions were up.
    bool start(const std::function<void()>& removeSplash = {});

    // The close: saves the settings, writes the up-and-down log when asked
    // to, stops any wave. Runs once; later calls do nothing.
    void shutdown();

    // "Exit": asks the exit question when it is on, saves the settings and
    // ends the program; when they cannot be saved the program keeps running.
    void exitRequested();

    // The desktop session ends (or a termination signal came): no question,
    // the settings are saved, the program ends.
    void endSession();

    // The sensor driver in use, for the About box and the system information.
    const SensorDriverBinding& driverInUse() const { return m_libraries.driver; }

    // A message another program of the user sent to Caldrix's endpoint.
    void handleExternalMessage(const LocalMessage& message);

private:
    void bindTimers();
    // Writes the settings; false (after telling the user) when that fails.
    bool saveSettings();

    Libraries m_libraries;
    SensorDriver& m_driver;
    PlatformServices m_platform;
    Settings m_settings;
    SettingsStore m_store;
    RunOnStartup m_runOnStartup;
    AudioLibrary m_audio;
    LazyTone m_audioTone;
    ToneBeeper m_beeper;
    LazyWavePlayer m_wave;
    MonitorTimers m_timers;
    AlarmSound m_sound;
    TrayIcons* m_trayForDialog = nullptr;
    MetricsRecorder m_metricsRecorder;
    AlarmStack m_alarms;
    std::unique_ptr<LogStack> m_logs;
    TrayPollListener m_pollListener;
    MonitorStack m_monitor;
    CpuIdleLauncher m_cpuIdle;
    SensorNames m_names;
    MainWindow m_window;
    TrayIcons m_tray;
    MetricsService m_metrics;
    SensorSources m_sources;
    AlarmNotifications m_notifications{m_settings, m_alarms.actions, [this] { m_window.openFromTray(); }};
    int m_cpuSpeedMhz = 0;
    bool m_started = false;
    bool m_shutDown = false;
    std::unique_ptr<ProgramLifecycle> m_lifecycle;
    std::unique_ptr<PageAssembly> m_pageAssembly;
    std::unique_ptr<HistoryAssembly> m_history;
};

} // namespace cdx
