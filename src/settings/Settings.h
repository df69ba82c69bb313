#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "sensors/CpuType.h"
#include "sensors/SensorSet.h"
#include "sensors/SensorSlot.h"

namespace cdx {

// The font and background of one temperature's tray icon. Colours are
// 0x00BBGGRR; a value with the high bit set stands for the system colour whose
// index is in the low byte.
struct TrayStyle {
    std::string fontName;
    std::uint32_t background = 0;
    std::uint32_t fontColour = 0;
    int fontSize = 0; // points

    bool operator==(const TrayStyle&) const = default;
};

// What one alarm does when it goes off.
struct AlarmActionSettings {
    bool run = false; // run `runPath`
    std::string runPath;
    bool wave = false; // play `wavePath`
    std::string wavePath;
    bool pcSpeaker = false;
    bool showMessage = false;

    bool operator==(const AlarmActionSettings&) const = default;
};

// The settings of one temperature sensor.
struct TemperatureSettings {
    std::string name;   // the gauge's name
    float scale = 0.0f; // full scale of the gauge
    int alarmTemperature = 0;
    bool alarmEnabled = false;
    AlarmActionSettings actions;
    bool sensorEnabled = false; // its switch on the General page
    bool trayShow = false;      // has its own tray icon
    bool swap = false;          // takes part in the swap cycle
    bool tooltip = false;       // named in the tray tooltip
    TrayStyle trayStyle;
    bool compensationEnabled = false; // not for the LM75
    int compensation = 0;

    bool operator==(const TemperatureSettings&) const = default;
};

// The settings of one fan.
struct FanSettings {
    std::string name;
    bool type2 = false; // two pulses a turn
    bool alarmEnabled = false;
    double nominalRpm = 0.0;
    int tolerancePercent = 0;
    AlarmActionSettings actions;
    bool tooltip = false; // named in the tray tooltip

    bool operator==(const FanSettings&) const = default;
};

// Which of the three fixed CPU offsets is selected while the custom offset is
// not in use.
enum class CpuPreset { Intel, Amd, Cyrix };

// Every user setting of the program. A record made without arguments holds
// the defaults the settings schema declares.
//
// Temperatures are in whole degrees Celsius; intervals in milliseconds.
struct Settings {
    Settings();

    std::array<TemperatureSettings, 4> temperatures; // by TemperatureSensor
    std::array<FanSettings, 3> fans;                 // by Fan

    TemperatureSettings& temperature(TemperatureSensor sensor)
    {
        return temperatures[static_cast<std::size_t>(sensor)];
    }
    const TemperatureSettings& temperature(TemperatureSensor sensor) const
    {
        return temperatures[static_cast<std::size_t>(sensor)];
    }
    FanSettings& fan(Fan which) { return fans[static_cast<std::size_t>(which)]; }
    const FanSettings& fan(Fan which) const { return fans[static_cast<std::size_t>(which)]; }

    // --- Voltages and their alarm
    double voltageTolerance = 0.0; // percent of the nominal value
    bool voltageAlarmEnabled = false;
    AlarmActionSettings voltageActions;
    std::array<bool, 6> railWatched{}; // by VoltageRail: the rail's alarm is on
    bool coreVoltagePort1 = false;     // core voltage read from port 1, else port 0
    double coreVoltageNominal = 0.0;
    double plus33VoltageNominal = 0.0;

    bool& watched(VoltageRail rail) { return railWatched[static_cast<std::size_t>(rail)]; }
    bool watched(VoltageRail rail) const { return railWatched[static_cast<std::size_t>(rail)]; }

    int fanAlarmIgnoreCount = 0; // consecutive out-of-range polls a fan alarm waits

    // --- Sensor switches
    bool wb2SwitchBox = false; // state of the "Check WB Sensor 2" box
    bool wb3SwitchBox = false; // state of the "Check WB Sensor 3" box

    // --- Conversion
    // The unit displayed at the last save, "C" or "F". It becomes the caption
    // of the unit button, which start-up clicks once: "C" shows Celsius, any
    // other text Fahrenheit.
    std::string temperatureUnit;
    bool roundFahrenheit = false;
    bool showDegreeInWindow = false;
    int cpuOffset = 0;                      // the CPU offset in force
    CpuPreset cpuPreset = CpuPreset::Intel; // follows "CPU Type" at load
    bool customCpu = false;                 // the custom offset is selected
    int customCpuOffset = 0;

    // --- Timers
    int pollInterval = 0;
    int swapInterval = 0;
    int logInterval = 0;

    // --- Window
    int windowLeft = 0; // where the small window shows
    int windowTop = 0;
    bool startMinimized = false;
    bool doubleClickSmall = false; // a tray double click opens the small window
    int tabOnTop = 0;              // page made active at start-up, 0..8
    bool exitQuestion = false;
    bool showLogOnPopup = false;
    bool zuno = false;

    // --- Tray icons
    bool showTempInTray = false; // one icon per chosen temperature
    bool swapIcons = false;      // one icon cycling through the chosen temperatures
    bool trayLines = false;
    bool trayDegreeSymbol = false;

    // --- Tray tooltip
    bool tooltipOnAllIcons = false;

    // --- Logs
    bool intervalLogEnabled = false;
    bool warningLogEnabled = false;
    int logSizeLimitKb = 0;
    bool saveUpDownOnExit = false;
    bool logCsv = false;
    bool logTxt = false;
    bool logHtml = false;
    bool warnUpDownTxt = false;
    bool warnUpDownHtml = false;

    // --- Alarm sound
    int pcSpeakerDivisor = 0; // divisor of the 1193181 Hz timer clock
    bool loopWaves = false;

    // --- CPU Idle
    int cpuIdleSensor = 0; // 0 WB1, 1 LM75, 2 WB2, 3 WB3
    bool cpuIdleLaunch = false;
    int cpuIdleLaunchTemperature = 0;
    bool cpuIdleClose = false;
    int cpuIdleCloseTemperature = 0;

    // --- Metrics export (both off while empty)
    std::string metricsAddress;  // "host:port" the /metrics endpoint listens on
    std::string metricsTextfile; // file rewritten each poll for node_exporter

    // --- Sensor sources, by SensorSlot: "<chip>/<feature>", empty for automatic
    std::array<std::string, SensorSlotCount> sensorSources{};
    std::string& sensorSource(SensorSlot slot) { return sensorSources[static_cast<std::size_t>(slot)]; }
    const std::string& sensorSource(SensorSlot slot) const { return sensorSources[static_cast<std::size_t>(slot)]; }

    // --- Desktop notifications of the alarms, besides the Warning dialog
    bool desktopNotifications = true;

    bool operator==(const Settings&) const = default;
};

} // namespace cdx
