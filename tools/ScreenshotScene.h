#pragma once

#include <array>
#include <memory>

#include <QImage>

#include "monitor/MonitorTimers.h"
#include "monitor/PollCycle.h"
#include "platform/fake/FakeBeeper.h"
#include "platform/fake/FakeNotificationArea.h"
#include "platform/fake/FakeSensorDriver.h"
#include "platform/fake/FakeTimerQueue.h"
#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"
#include "settings/Settings.h"
#include "ui/MainWindow.h"
#include "ui/SettingsPages.h"
#include "ui/TrayIcons.h"
#include "ui/TrayPollListener.h"
#include "ui/VisualLogUpDownPages.h"

namespace cdx {

struct ScreenshotLogs;

// The main window and the tray icons over a scripted driver, a recording
// notification area and virtual time, started the way the program starts:
// a healthy machine whose readings settle over a few polls.
class ScreenshotScene {
public:
    // Which temperatures are read besides WB1: the LM75 and the pair WB2/WB3
    // exclude each other.
    enum class Sensors { Winbond, Lm75 };

    explicit ScreenshotScene(Sensors sensors);
    ~ScreenshotScene();

    ScreenshotScene(const ScreenshotScene&) = delete;
    ScreenshotScene& operator=(const ScreenshotScene&) = delete;

    // Start-up: chip, settings, sensor switches, first poll, compact window,
    // tray icons, polling on.
    void start();
    // Lets `count` poll intervals pass.
    void poll(int count);

    MainWindow& window() { return m_window; }
    VisualLogUpDownPages& pages() { return *m_pages; }
    SettingsPages& settingsPages() { return *m_settingsPages; }
    TrayIcons& tray() { return m_tray; }
    // What the notification area shows for an icon; null when not shown.
    QImage shownPicture(TrayIcon& icon) const;
    // The window as it is drawn now, after pending events ran.
    QImage grabWindow();

private:
    FakeSensorDriver m_driver;
    Settings m_settings;
    GaugeSet m_gauges;
    UpDownStatistics m_statistics;
    ReadingsPanel m_panel;
    TrayPollListener m_listener;
    FakeTimerQueue m_queue;
    FakeBeeper m_beeper;
    MonitorTimers m_timers{m_queue, m_beeper};
    PollCycle m_poll;
    FakeNotificationArea m_area;
    MainWindow m_window;
    TrayIcons m_tray;
    std::unique_ptr<Timer> m_logTimer;
    std::unique_ptr<ScreenshotLogs> m_logs;
    SensorNames m_names{m_settings};
    std::unique_ptr<VisualLogUpDownPages> m_pages;
    SettingsPages* m_settingsPages = nullptr; // owned by the window's page control
};

} // namespace cdx
