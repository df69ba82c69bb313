#pragma once

#include <functional>
#include <memory>

#include "settings/SystemInfoText.h"

namespace cdx {

class Beeper;
class CpuIdleLauncher;
class CpuIdlePage;
class MainWindow;
class MetricsService;
class MonitorTimers;
class RunOnStartup;
class SensorDriver;
class SensorNames;
class SensorSources;
class SettingsPages;
class SystemInfo;
class TrayIcons;
class VisualLogUpDownPages;
struct LogStack;
struct MonitorStack;
struct PlatformServices;
struct Settings;

// The window's pages beyond the gauges: the settings pages, CPU Idle, the
// visual, log and up-and-down pages, the metrics page and the system
// information. They are built on the first Show & Expand, so a program that
// lives in the tray never carries them.
class PageAssembly {
public:
    struct Parts {
        PlatformServices& platform;
        Settings& settings;
        MainWindow& window;
        MonitorStack& monitor;
        MonitorTimers& timers;
        Beeper& beeper;
        RunOnStartup& runOnStartup;
        SensorNames& names;
        TrayIcons& tray;
        LogStack& logs;
        MetricsService& metrics;
        CpuIdleLauncher& cpuIdle;
        SensorSources& sources;
        SensorDriver& driver;
        SystemInfo& systemInfo;
        // Writes the settings; false (after telling the user) when that fails.
        std::function<bool()> saveSettings;
        // The processor clock the system information gave at start.
        std::function<int()> cpuSpeedMhz;
    };

    explicit PageAssembly(Parts parts);
    ~PageAssembly();

    PageAssembly(const PageAssembly&) = delete;
    PageAssembly& operator=(const PageAssembly&) = delete;

    // Show & Expand: the pages are built if they are not yet, and every
    // selector goes back to its first entry.
    void expanded();
    // The settings as loaded reach the pages, once they are built.
    void load();
    // Whether the autorun entry existed at start (the General page shows it).
    void setAutorunAtStart(bool exists) { m_autorunAtStart = exists; }
    // A sensor's tray boxes changed from outside the pages.
    void refreshTrayBoxes();

    SystemInfoFacts systemInfoFacts();

private:
    void buildOnce();
    void loadBuilt();
    void placeCpuIdlePage();
    void buildPages();
    void buildSettingsPages();
    void placeSystemInfoPanel();

    Parts m_parts;
    bool m_autorunAtStart = false;
    CpuIdlePage* m_cpuIdlePage = nullptr;     // owned by the window's page control
    SettingsPages* m_settingsPages = nullptr; // owned by the window's page control
    std::unique_ptr<VisualLogUpDownPages> m_pages;
};

} // namespace cdx
