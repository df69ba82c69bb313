#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "sensors/CpuType.h"

namespace cdx {

// The font and background of one temperature's tray icon. Colours are
// 0x00BBGGRR; a value with the high bit set stands for the system colour whose
// index is in the low byte.
struct TrayStyle {
    std::string fontName = "Arial";
    std::uint32_t background = 0x00C0C0C0; // silver
    std::uint32_t fontColour = 0x00000000; // black
    int fontSize = 8;                      // points

    bool operator==(const TrayStyle&) const = default;
};

// Which of the three fixed CPU offsets is selected while the custom offset is
// not in use.
enum class CpuPreset { Intel, Amd, Cyrix };

// Index of each temperature in `Settings::trayStyles`.
enum TraySensor { TrayWb1 = 0, TrayLm75 = 1, TrayWb2 = 2, TrayWb3 = 3 };

// Every user setting of the program. The initial values are the program's
// defaults, the same as a fresh load with no stored settings gives (the
// settings schema declares them and a test keeps the two in step).
//
// Temperatures are in whole degrees Celsius; intervals in milliseconds.
// "mb" is the WB1 (motherboard) sensor, "cpu" the LM75, "wb2"/"wb3" the
// Winbond sensors 2 and 3.
struct Settings {
    // --- WB1 (motherboard) temperature and its alarm
    float mbTemperatureScale = 60.0f; // full scale of the WB1 gauge
    int mbAlarmTemperature = 50;
    bool mbAlarmEnabled = true;
    bool mbAlarmRun = false; // run mbAlarmPath on the alarm
    std::string mbAlarmPath;
    bool mbAlarmWave = false; // play mbAlarmWavePath on the alarm
    std::string mbAlarmWavePath;
    bool mbShowAlarmMsg = true;
    bool mbPcSpeaker = true;

    // --- LM75 (CPU) temperature and its alarm
    float cpuTemperatureScale = 80.0f;
    int cpuAlarmTemperature = 70;
    bool cpuAlarmEnabled = true;
    bool cpuAlarmRun = false;
    std::string cpuAlarmPath;
    bool cpuAlarmWave = false;
    std::string cpuAlarmWavePath;
    bool cpuShowAlarmMsg = true;
    bool cpuPcSpeaker = true;

    // --- WB2 temperature and its alarm
    float wb2TemperatureScale = 80.0f;
    int wb2AlarmTemperature = 70;
    bool wb2AlarmEnabled = true;
    bool wb2AlarmRun = false;
    std::string wb2AlarmPath;
    bool wb2AlarmWave = false;
    std::string wb2AlarmWavePath;
    bool wb2ShowAlarmMsg = true;
    bool wb2PcSpeaker = true;

    // --- WB3 temperature and its alarm
    float wb3TemperatureScale = 80.0f;
    int wb3AlarmTemperature = 70;
    bool wb3AlarmEnabled = true;
    bool wb3AlarmRun = false;
    std::string wb3AlarmPath;
    bool wb3AlarmWave = false;
    std::string wb3AlarmWavePath;
    bool wb3ShowAlarmMsg = true;
    bool wb3PcSpeaker = true;

    // --- Voltages and their alarm
    double voltageTolerance = 10.0; // percent of the nominal value
    bool voltageAlarmEnabled = true;
    bool voltageAlarmRun = false;
    std::string voltageAlarmPath;
    bool voltageAlarmWave = false;
    std::string voltageAlarmWavePath;
    bool voltageShowAlarmMsg = true;
    bool voltagePcSpeaker = true;
    bool watchCoreVoltage = true;
    bool watchPlus33Voltage = true;
    bool watchPlus5Voltage = true;
    bool watchMinus5Voltage = true;
    bool watchPlus12Voltage = true;
    bool watchMinus12Voltage = true;
    bool coreVoltagePort1 = false; // core voltage read from port 1, else port 0
    double coreVoltageNominal = 2.8;
    double plus33VoltageNominal = 3.3;

    // --- Fans and their alarms
    bool fan1Type2 = false;
    bool fan2Type2 = false;
    bool fan3Type2 = false;
    bool fan1AlarmEnabled = false;
    bool fan2AlarmEnabled = false;
    bool fan3AlarmEnabled = false;
    double fan1NominalRpm = 0.0;
    double fan2NominalRpm = 0.0;
    double fan3NominalRpm = 0.0;
    int fan1TolerancePercent = 10;
    int fan2TolerancePercent = 10;
    int fan3TolerancePercent = 10;
    std::string fan1AlarmPath;
    std::string fan2AlarmPath;
    std::string fan3AlarmPath;
    std::string fan1AlarmWavePath;
    std::string fan2AlarmWavePath;
    std::string fan3AlarmWavePath;
    bool fan1AlarmRun = false;
    bool fan2AlarmRun = false;
    bool fan3AlarmRun = false;
    bool fan1AlarmWave = false;
    bool fan2AlarmWave = false;
    bool fan3AlarmWave = false;
    bool fan1ShowAlarmMsg = true;
    bool fan2ShowAlarmMsg = true;
    bool fan3ShowAlarmMsg = true;
    bool fan1PcSpeaker = true;
    bool fan2PcSpeaker = true;
    bool fan3PcSpeaker = true;
    int fanAlarmIgnoreCount = 5; // consecutive out-of-range polls a fan alarm waits

    // --- Display names
    std::string fan1Name = "Fan 1";
    std::string fan2Name = "Fan 2";
    std::string fan3Name = "Fan 3";
    std::string mbGaugeName = "Motherboard";
    std::string cpuGaugeName = "CPU LM75";
    std::string wb2GaugeName = "WB Sensor 2";
    std::string wb3GaugeName = "WB Sensor 3";

    // --- Sensor switches
    bool checkLm75 = false;
    bool checkWb1 = true;
    bool checkWb2 = false;
    bool checkWb3 = false;
    bool wb2SwitchBox = false; // state of the "Check WB Sensor 2" box
    bool wb3SwitchBox = false; // state of the "Check WB Sensor 3" box

    // --- Conversion
    // The unit displayed at the last save, "C" or "F". It becomes the caption
    // of the unit button, which start-up clicks once: "C" shows Celsius, any
    // other text Fahrenheit.
    std::string temperatureUnit = "C";
    bool roundFahrenheit = true;
    bool showDegreeInWindow = true;
    int cpuOffset = IntelCpuOffset; // the CPU offset in force
    CpuPreset cpuPreset = CpuPreset::Intel;
    bool customCpu = false; // the custom offset is selected
    int customCpuOffset = 7;
    bool mbCompensationEnabled = false;
    int mbCompensation = 0;
    bool wb2CompensationEnabled = false;
    int wb2Compensation = 0;
    bool wb3CompensationEnabled = false;
    int wb3Compensation = 0;

    // --- Timers
    int pollInterval = 5000;
    int swapInterval = 5000;
    int logInterval = 60000;

    // --- Window
    int windowLeft = 0; // where the small window shows
    int windowTop = 0;
    bool startMinimized = true;
    bool doubleClickSmall = true; // a tray double click opens the small window
    int tabOnTop = 0;             // page made active at start-up, 0..8
    bool exitQuestion = true;
    bool showLogOnPopup = false;
    bool zuno = false;

    // --- Tray icons
    bool showTempInTray = true; // one icon per chosen temperature
    bool swapIcons = false;     // one icon cycling through the chosen temperatures
    bool trayShowMb = true;
    bool trayShowLm75 = false;
    bool trayShowWb2 = false;
    bool trayShowWb3 = false;
    bool swapMb = false;
    bool swapLm75 = false;
    bool swapWb2 = false;
    bool swapWb3 = false;
    bool trayLines = true;
    bool trayDegreeSymbol = true;
    std::array<TrayStyle, 4> trayStyles{}; // indexed by TraySensor

    // --- Tray tooltip
    bool tooltipMb = true;
    bool tooltipLm75 = false;
    bool tooltipWb2 = false;
    bool tooltipWb3 = false;
    bool tooltipFan1 = false;
    bool tooltipFan2 = false;
    bool tooltipFan3 = false;
    bool tooltipOnAllIcons = false;

    // --- Logs
    bool intervalLogEnabled = false;
    bool warningLogEnabled = false;
    int logSizeLimitKb = 64;
    bool saveUpDownOnExit = false;
    bool logCsv = false;
    bool logTxt = true;
    bool logHtml = true;
    bool warnUpDownTxt = true;
    bool warnUpDownHtml = true;

    // --- Alarm sound
    int pcSpeakerDivisor = 500; // divisor of the 1193181 Hz timer clock
    bool loopWaves = false;

    // --- CPU Idle
    int cpuIdleSensor = 0; // 0 WB1, 1 LM75, 2 WB2, 3 WB3
    bool cpuIdleLaunch = false;
    int cpuIdleLaunchTemperature = 45;
    bool cpuIdleClose = false;
    int cpuIdleCloseTemperature = 40;

    // --- Metrics export (both off while empty)
    std::string metricsAddress;  // "host:port" the /metrics endpoint listens on
    std::string metricsTextfile; // file rewritten each poll for node_exporter

    bool operator==(const Settings&) const = default;
};

} // namespace cdx
