#pragma once

#include <memory>
#include <string>

#include "alarms/AlarmActions.h"
#include "alarms/AlarmEvaluator.h"
#include "alarms/AlarmSound.h"
#include "alarms/AlarmTexts.h"
#include "alarms/WarningDialogControl.h"
#include "app/LogStack.h"
#include "app/MonitorStack.h"
#include "app/PlatformServices.h"
#include "app/TrayPollListener.h"
#include "app/WindowAlarmAdapter.h"
#include "monitor/MonitorTimers.h"
#include "platform/linux/SensorDriverBinding.h"
#include "platform/linux/SystemInfoBinding.h"
#include "platform/qt/QtWavePlayer.h"
#include "platform/qt/ToneBeeper.h"
#include "settings/RunOnStartup.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/SettingsPages.h"
#include "ui/TrayIcons.h"
#include "ui/WarningDialog.h"

namespace cdx {

// The running program: the platform services, the bound libraries, the
// settings, the poll, the alarms, the logs, the window and the tray icons,
// made in the order they need each other.
class Application {
public:
    // The bound driver and system information libraries; the program cannot
    // start without them.
    struct Libraries {
        SensorDriverBinding driver;
        SystemInfoBinding systemInfo;
    };

    // Binds the libraries from the program's library folder. On failure the
    // bindings carry the reason.
    static Libraries bindLibraries();

    explicit Application(Libraries libraries);
    ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up: reads the chip and the settings, creates the logs, runs the
    // first poll, shows the window or hides it to the tray and starts polling.
    void start();

    // The close: saves the settings, writes the up-and-down log when asked
    // to, stops any wave. Runs once; later calls do nothing.
    void shutdown();

    // "Exit" (or the window's close box): saves the settings and ends the
    // program; when they cannot be saved the program keeps running.
    void exitRequested();

private:
    void bindTimers();
    void applyLoadedSettings();
    void buildSettingsPages();
    // Writes the settings; false (after telling the user) when that fails.
    bool saveSettings();

    Libraries m_libraries;
    SensorDriver& m_driver;
    PlatformServices m_platform;
    Settings m_settings;
    SettingsStore m_store;
    RunOnStartup m_runOnStartup;
    ToneBeeper m_beeper;
    QtWavePlayer m_wave;
    MonitorTimers m_timers;
    AlarmSound m_sound;
    TrayIcons* m_trayForDialog = nullptr;
    WarningDialogControl m_dialogControl;
    WarningDialog m_dialog;
    WindowAlarmAdapter m_alarmWindow;
    AlarmTexts m_alarmTexts;
    std::unique_ptr<LogStack> m_logs;
    AlarmActions m_actions;
    AlarmEvaluator m_alarms;
    TrayPollListener m_pollListener;
    MonitorStack m_monitor;
    MainWindow m_window;
    TrayIcons m_tray;
    SettingsPages* m_pages = nullptr; // owned by the window's page control
    int m_cpuSpeedMhz = 0;
    bool m_started = false;
    bool m_shutDown = false;
    bool m_saved = false;
};

} // namespace cdx
