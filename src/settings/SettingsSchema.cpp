#include "settings/SettingsSchema.h"

#include <array>
#include <stdexcept>

namespace cdx {
namespace {

#define CDX_FIELD(member)                                                                                              \
    +[](Settings & s) -> auto&                                                                                         \
    {                                                                                                                  \
        return s.member;                                                                                               \
    }

constexpr SettingRow flag(int position, std::string_view name, bool value, BoolField field, int radioGroup = 0)
{
    SettingRow row{position, name, SettingKind::Bool, value, field};
    row.radioGroup = radioGroup;
    return row;
}

constexpr SettingRow ownFlag(int position, std::string_view name, bool value, BoolField field)
{
    SettingRow row = flag(position, name, value, field);
    row.rule = LoadRule::OnItsOwn;
    return row;
}

constexpr SettingRow number(int position, std::string_view name, int value, IntField field, int minimum = INT_MIN,
                            int maximum = INT_MAX)
{
    SettingRow row{position, name, SettingKind::Int, value, field};
    row.minimum = minimum;
    row.maximum = maximum;
    return row;
}

constexpr SettingRow real(int position, std::string_view name, double value, DoubleField field, double lowest,
                          double highest)
{
    SettingRow row{position, name, SettingKind::Float, value, field};
    row.lowest = lowest;
    row.highest = highest;
    return row;
}

constexpr SettingRow gauge(int position, std::string_view name, double value, GaugeField field)
{
    return SettingRow{position, name, SettingKind::Float, value, field, LoadRule::GaugeScale};
}

constexpr SettingRow text(int position, std::string_view name, std::string_view value, StringField field,
                          LoadRule rule = LoadRule::None)
{
    return SettingRow{position, name, SettingKind::String, value, field, rule};
}

constexpr SettingRow name(int position, std::string_view name, std::string_view value, StringField field)
{
    return text(position, name, value, field, LoadRule::Name);
}

constexpr SettingRow colour(int position, std::string_view name, std::string_view value, ColourField field)
{
    return SettingRow{position, name, SettingKind::Colour, value, field};
}

// Radio groups whose buttons are all stored.
constexpr int kTrayModeGroup = 1;

// Editor bounds that a hand-edited value is brought back into.
constexpr int kMinPollInterval = 1000;
constexpr int kMinSwapInterval = 1000;
constexpr int kMinLogInterval = 60000;
constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 12;
constexpr int kMinSpeakerDivisor = 200;
constexpr int kMaxSpeakerDivisor = 3000;
constexpr int kMaxPollInterval = 20000;
constexpr int kMaxSwapInterval = 10000;
constexpr int kMaxLogInterval = 12000000;
constexpr int kMaxLogSizeKb = 1000;
constexpr int kMaxFanTolerance = 50;
constexpr int kMaxFanAlarmIgnoreCount = 50;
constexpr int kMaxCustomCpuOffset = 100;
constexpr int kMaxCompensation = 50;
constexpr double kMinVoltageTolerance = 0.5;
constexpr double kMaxVoltageTolerance = 20.0;
constexpr double kMinCoreVoltage = 0.5;
constexpr double kMaxCoreVoltage = 5.0;
constexpr double kMinPlus33Voltage = 3.0;
constexpr double kMaxPlus33Voltage = 4.0;
constexpr double kMaxFanRpm = 32000.0;

constexpr std::array<SettingRow, 189> kSchema = {{
    gauge(1, "MB Tempature Scale", 60.0, CDX_FIELD(temperature(TemperatureSensor::WB1).scale)),
    number(2, "MB Tempature Alarm", 50, CDX_FIELD(temperature(TemperatureSensor::WB1).alarmTemperature)),
    flag(3, "MB Alarm", true, CDX_FIELD(temperature(TemperatureSensor::WB1).alarmEnabled)),
    flag(4, "MB Alarm Run", false, CDX_FIELD(temperature(TemperatureSensor::WB1).actions.run)),
    text(5, "MB Alarm Path", "", CDX_FIELD(temperature(TemperatureSensor::WB1).actions.runPath)),
    flag(6, "MB Alarm Wave", false, CDX_FIELD(temperature(TemperatureSensor::WB1).actions.wave)),
    text(7, "MB Alarm Wave Path", "", CDX_FIELD(temperature(TemperatureSensor::WB1).actions.wavePath)),
    gauge(8, "CPU Tempature Scale", 80.0, CDX_FIELD(temperature(TemperatureSensor::LM75).scale)),
    number(9, "CPU Tempature Alarm", 70, CDX_FIELD(temperature(TemperatureSensor::LM75).alarmTemperature)),
    flag(10, "CPU Alarm", true, CDX_FIELD(temperature(TemperatureSensor::LM75).alarmEnabled)),
    flag(11, "CPU Alarm Run", false, CDX_FIELD(temperature(TemperatureSensor::LM75).actions.run)),
    text(12, "CPU Alarm Path", "", CDX_FIELD(temperature(TemperatureSensor::LM75).actions.runPath)),
    flag(13, "CPU Alarm Wave", false, CDX_FIELD(temperature(TemperatureSensor::LM75).actions.wave)),
    text(14, "CPU Alarm Wave Path", "", CDX_FIELD(temperature(TemperatureSensor::LM75).actions.wavePath)),
    real(15, "Voltage Off", 10.0, CDX_FIELD(voltageTolerance), kMinVoltageTolerance, kMaxVoltageTolerance),
    flag(16, "Voltage Alarm", true, CDX_FIELD(voltageAlarmEnabled)),
    flag(17, "Voltage Alarm Run", false, CDX_FIELD(voltageActions.run)),
    text(18, "Voltage Alarm Path", "", CDX_FIELD(voltageActions.runPath)),
    flag(19, "Volt Alarm Wave", false, CDX_FIELD(voltageActions.wave)),
    text(20, "Volt Alarm Wave Path", "", CDX_FIELD(voltageActions.wavePath)),
    flag(21, "VCore", true, CDX_FIELD(watched(VoltageRail::Core))),
    flag(22, "V33", true, CDX_FIELD(watched(VoltageRail::Pos33))),
    flag(23, "V5", true, CDX_FIELD(watched(VoltageRail::Pos5))),
    flag(24, "Vm5Core", true, CDX_FIELD(watched(VoltageRail::Neg5))),
    flag(25, "V12", true, CDX_FIELD(watched(VoltageRail::Pos12))),
    flag(26, "Vm12", true, CDX_FIELD(watched(VoltageRail::Neg12))),
    flag(27, "Port 1", false, CDX_FIELD(coreVoltagePort1)),
    real(28, "CoreVoltage", 2.8, CDX_FIELD(coreVoltageNominal), kMinCoreVoltage, kMaxCoreVoltage),
    text(29, "C or F", "C", CDX_FIELD(temperatureUnit)),
    number(30, "Form Y", 0, CDX_FIELD(windowTop)),
    number(31, "Form X", 0, CDX_FIELD(windowLeft)),
    flag(32, "Round F", true, CDX_FIELD(roundFahrenheit)),
    flag(33, "Show Temp in Tray", true, CDX_FIELD(showTempInTray), kTrayModeGroup),
    flag(34, "Show CPU Temp", false, CDX_FIELD(temperature(TemperatureSensor::LM75).trayShow)),
    [] {
        SettingRow row = number(35, "Interval", 5000, CDX_FIELD(pollInterval), kMinPollInterval, kMaxPollInterval);
        row.saveName = "InterVal";
        return row;
    }(),
    flag(36, "Startup Minimized", true, CDX_FIELD(startMinimized)),
    [] {
        SettingRow row = number(37, "CPU Type", IntelCpuOffset, CDX_FIELD(cpuOffset));
        row.rule = LoadRule::CpuType;
        return row;
    }(),
    [] {
        SettingRow row = flag(38, "Custom CPU", false, CDX_FIELD(customCpu));
        row.rule = LoadRule::CustomCpu;
        return row;
    }(),
    [] {
        SettingRow row = number(39, "Custom CPU Add", 7, CDX_FIELD(customCpuOffset), 0, kMaxCustomCpuOffset);
        row.rule = LoadRule::CustomCpuOffset;
        return row;
    }(),
    flag(40, "Fan1 Type 2", false, CDX_FIELD(fan(Fan::Fan1).type2)),
    flag(41, "Fan2 Type 2", false, CDX_FIELD(fan(Fan::Fan2).type2)),
    flag(42, "Fan3 Type 2", false, CDX_FIELD(fan(Fan::Fan3).type2)),
    flag(43, "Do Not Use Degree", true, CDX_FIELD(showDegreeInWindow)),
    flag(44, "Use SystemTray Lines", true, CDX_FIELD(trayLines)),
    flag(45, "Degree Symbol In Tray", true, CDX_FIELD(trayDegreeSymbol)),
    flag(46, "Check CPU", false, CDX_FIELD(temperature(TemperatureSensor::LM75).sensorEnabled)),
    flag(47, "Check MB", true, CDX_FIELD(temperature(TemperatureSensor::WB1).sensorEnabled)),
    flag(48, "Zuno", false, CDX_FIELD(zuno)),
    flag(49, "Fan1 Check", false, CDX_FIELD(fan(Fan::Fan1).alarmEnabled)),
    flag(50, "Fan2 Check", false, CDX_FIELD(fan(Fan::Fan2).alarmEnabled)),
    flag(51, "Fan3 Check", false, CDX_FIELD(fan(Fan::Fan3).alarmEnabled)),
    real(52, "Fan1 Users RPM", 0.0, CDX_FIELD(fan(Fan::Fan1).nominalRpm), 0.0, kMaxFanRpm),
    real(53, "Fan2 Users RPM", 0.0, CDX_FIELD(fan(Fan::Fan2).nominalRpm), 0.0, kMaxFanRpm),
    real(54, "Fan3 Users RPM", 0.0, CDX_FIELD(fan(Fan::Fan3).nominalRpm), 0.0, kMaxFanRpm),
    number(55, "Fan1 Off Mark", 10, CDX_FIELD(fan(Fan::Fan1).tolerancePercent), 0, kMaxFanTolerance),
    number(56, "Fan2 Off Mark", 10, CDX_FIELD(fan(Fan::Fan2).tolerancePercent), 0, kMaxFanTolerance),
    number(57, "Fan3 Off Mark", 10, CDX_FIELD(fan(Fan::Fan3).tolerancePercent), 0, kMaxFanTolerance),
    text(58, "Fan1 Alarm Path", "", CDX_FIELD(fan(Fan::Fan1).actions.runPath)),
    text(59, "Fan2 Alarm Path", "", CDX_FIELD(fan(Fan::Fan2).actions.runPath)),
    text(60, "Fan3 Alarm Path", "", CDX_FIELD(fan(Fan::Fan3).actions.runPath)),
    text(61, "Fan1 Alarm Wave Path", "", CDX_FIELD(fan(Fan::Fan1).actions.wavePath)),
    text(62, "Fan2 Alarm Wave Path", "", CDX_FIELD(fan(Fan::Fan2).actions.wavePath)),
    text(63, "Fan3 Alarm Wave Path", "", CDX_FIELD(fan(Fan::Fan3).actions.wavePath)),
    flag(64, "Fan1 Alarm", false, CDX_FIELD(fan(Fan::Fan1).actions.run)),
    flag(65, "Fan2 Alarm", false, CDX_FIELD(fan(Fan::Fan2).actions.run)),
    flag(66, "Fan3 Alarm", false, CDX_FIELD(fan(Fan::Fan3).actions.run)),
    flag(67, "Fan1 Alarm Wave", false, CDX_FIELD(fan(Fan::Fan1).actions.wave)),
    flag(68, "Fan2 Alarm Wave", false, CDX_FIELD(fan(Fan::Fan2).actions.wave)),
    flag(69, "Fan3 Alarm Wave", false, CDX_FIELD(fan(Fan::Fan3).actions.wave)),
    flag(70, "Log File", false, CDX_FIELD(intervalLogEnabled)),
    flag(71, "Write Errors", false, CDX_FIELD(warningLogEnabled)),
    number(72, "Log File Size Max", 64, CDX_FIELD(logSizeLimitKb), 0, kMaxLogSizeKb),
    number(73, "Log File Interval", 60000, CDX_FIELD(logInterval), kMinLogInterval, kMaxLogInterval),
    flag(74, "Show Log On Pop Up", false, CDX_FIELD(showLogOnPopup)),
    flag(75, "Double Click Small", true, CDX_FIELD(doubleClickSmall)),
    number(76, "Tab on Top", 0, CDX_FIELD(tabOnTop)),
    flag(77, "Exit Question", true, CDX_FIELD(exitQuestion)),
    flag(78, "Save Up and Down on Exit", false, CDX_FIELD(saveUpDownOnExit)),
    flag(79, "Fan1 Show Alarm Msg", true, CDX_FIELD(fan(Fan::Fan1).actions.showMessage)),
    flag(80, "Fan2 Show Alarm Msg", true, CDX_FIELD(fan(Fan::Fan2).actions.showMessage)),
    flag(81, "Fan3 Show Alarm Msg", true, CDX_FIELD(fan(Fan::Fan3).actions.showMessage)),
    flag(82, "Fan1 PC Speaker", true, CDX_FIELD(fan(Fan::Fan1).actions.pcSpeaker)),
    flag(83, "Fan2 PC Speaker", true, CDX_FIELD(fan(Fan::Fan2).actions.pcSpeaker)),
    flag(84, "Fan3 PC Speaker", true, CDX_FIELD(fan(Fan::Fan3).actions.pcSpeaker)),
    flag(85, "MB Show Alarm Msg", true, CDX_FIELD(temperature(TemperatureSensor::WB1).actions.showMessage)),
    flag(86, "CPU Show Alarm Msg", true, CDX_FIELD(temperature(TemperatureSensor::LM75).actions.showMessage)),
    flag(87, "Volt Show Alarm Msg", true, CDX_FIELD(voltageActions.showMessage)),
    flag(88, "MB PC Speaker", true, CDX_FIELD(temperature(TemperatureSensor::WB1).actions.pcSpeaker)),
    flag(89, "CPU PC Speaker", true, CDX_FIELD(temperature(TemperatureSensor::LM75).actions.pcSpeaker)),
    flag(90, "Volt PC Speaker", true, CDX_FIELD(voltageActions.pcSpeaker)),
    number(91, "PC Speaker Freq", 500, CDX_FIELD(pcSpeakerDivisor), kMinSpeakerDivisor, kMaxSpeakerDivisor),
    flag(92, "Use LM78 Compensation", false, CDX_FIELD(temperature(TemperatureSensor::WB1).compensationEnabled)),
    number(93, "LM78 Compensation", 0, CDX_FIELD(temperature(TemperatureSensor::WB1).compensation), -kMaxCompensation,
           kMaxCompensation),
    number(94, "Ignore Fan Alarm", 5, CDX_FIELD(fanAlarmIgnoreCount), 0, kMaxFanAlarmIgnoreCount),
    name(95, "Fan 1 Name", "Fan 1", CDX_FIELD(fan(Fan::Fan1).name)),
    name(96, "Fan 2 Name", "Fan 2", CDX_FIELD(fan(Fan::Fan2).name)),
    name(97, "Fan 3 Name", "Fan 3", CDX_FIELD(fan(Fan::Fan3).name)),
    name(98, "VUM 1 Name", "Motherboard", CDX_FIELD(temperature(TemperatureSensor::WB1).name)),
    name(99, "VUM 2 Name", "CPU LM75", CDX_FIELD(temperature(TemperatureSensor::LM75).name)),
    name(100, "VUM 3 Name", "WB Sensor 2", CDX_FIELD(temperature(TemperatureSensor::WB2).name)),
    name(101, "VUM 4 Name", "WB Sensor 3", CDX_FIELD(temperature(TemperatureSensor::WB3).name)),
    flag(102, "WB Sensor 2", false, CDX_FIELD(wb2SwitchBox)),
    flag(103, "WB Sensor 3", false, CDX_FIELD(wb3SwitchBox)),
    gauge(104, "Sensor 2 Temperature Scale", 80.0, CDX_FIELD(temperature(TemperatureSensor::WB2).scale)),
    number(105, "WB Sensor 2 Tempature Alarm", 70, CDX_FIELD(temperature(TemperatureSensor::WB2).alarmTemperature)),
    flag(106, "WB Sensor 2 Show Alarm Msg", true, CDX_FIELD(temperature(TemperatureSensor::WB2).actions.showMessage)),
    flag(107, "WB Sensor 2 PC Speaker", true, CDX_FIELD(temperature(TemperatureSensor::WB2).actions.pcSpeaker)),
    flag(108, "WB Sensor 2 Alarm Run", false, CDX_FIELD(temperature(TemperatureSensor::WB2).actions.run)),
    text(109, "WB Sensor 2 Alarm Path", "", CDX_FIELD(temperature(TemperatureSensor::WB2).actions.runPath)),
    flag(110, "WB Sensor 2 Alarm", true, CDX_FIELD(temperature(TemperatureSensor::WB2).alarmEnabled)),
    flag(111, "WB Sensor 2 Alarm Play", false, CDX_FIELD(temperature(TemperatureSensor::WB2).actions.wave)),
    text(112, "WB Sensor 2 Alarm Wave Path", "", CDX_FIELD(temperature(TemperatureSensor::WB2).actions.wavePath)),
    gauge(113, "Sensor 3 Temperature Scale", 80.0, CDX_FIELD(temperature(TemperatureSensor::WB3).scale)),
    number(114, "WB Sensor 3 Tempature Alarm", 70, CDX_FIELD(temperature(TemperatureSensor::WB3).alarmTemperature)),
    flag(115, "WB Sensor 3 Show Alarm Msg", true, CDX_FIELD(temperature(TemperatureSensor::WB3).actions.showMessage)),
    flag(116, "WB Sensor 3 PC Speaker", true, CDX_FIELD(temperature(TemperatureSensor::WB3).actions.pcSpeaker)),
    flag(117, "WB Sensor 3 Alarm Run", false, CDX_FIELD(temperature(TemperatureSensor::WB3).actions.run)),
    text(118, "WB Sensor 3 Alarm Path", "", CDX_FIELD(temperature(TemperatureSensor::WB3).actions.runPath)),
    flag(119, "WB Sensor 3 Alarm", true, CDX_FIELD(temperature(TemperatureSensor::WB3).alarmEnabled)),
    flag(120, "WB Sensor 3 Alarm Play", false, CDX_FIELD(temperature(TemperatureSensor::WB3).actions.wave)),
    text(121, "WB Sensor 3 Alarm Wave Path", "", CDX_FIELD(temperature(TemperatureSensor::WB3).actions.wavePath)),
    flag(122, "Show WB Sensor 2 Temp", false, CDX_FIELD(temperature(TemperatureSensor::WB2).trayShow)),
    flag(123, "Show WB Sensor 3 Temp", false, CDX_FIELD(temperature(TemperatureSensor::WB3).trayShow)),
    flag(124, "Check WB2", false, CDX_FIELD(temperature(TemperatureSensor::WB2).sensorEnabled)),
    flag(125, "Check WB3", false, CDX_FIELD(temperature(TemperatureSensor::WB3).sensorEnabled)),
    flag(126, "Use WB2 Compensation", false, CDX_FIELD(temperature(TemperatureSensor::WB2).compensationEnabled)),
    number(127, "WB2 Compensation", 0, CDX_FIELD(temperature(TemperatureSensor::WB2).compensation), -kMaxCompensation,
           kMaxCompensation),
    flag(128, "Use WB3 Compensation", false, CDX_FIELD(temperature(TemperatureSensor::WB3).compensationEnabled)),
    number(129, "WB3 Compensation", 0, CDX_FIELD(temperature(TemperatureSensor::WB3).compensation), -kMaxCompensation,
           kMaxCompensation),
    real(130, "3.3 Custom Value", 3.3, CDX_FIELD(plus33VoltageNominal), kMinPlus33Voltage, kMaxPlus33Voltage),
    flag(131, "Show MB Temp", true, CDX_FIELD(temperature(TemperatureSensor::WB1).trayShow)),
    flag(132, "Tooltip VUM1", true, CDX_FIELD(temperature(TemperatureSensor::WB1).tooltip)),
    flag(133, "Tooltip VUM2", false, CDX_FIELD(temperature(TemperatureSensor::LM75).tooltip)),
    flag(134, "Tooltip VUM3", false, CDX_FIELD(temperature(TemperatureSensor::WB2).tooltip)),
    flag(135, "Tooltip VUM4", false, CDX_FIELD(temperature(TemperatureSensor::WB3).tooltip)),
    flag(136, "Tooltip Fan1", false, CDX_FIELD(fan(Fan::Fan1).tooltip)),
    flag(137, "Tooltip Fan2", false, CDX_FIELD(fan(Fan::Fan2).tooltip)),
    flag(138, "Tooltip Fan3", false, CDX_FIELD(fan(Fan::Fan3).tooltip)),
    flag(139, "Tooltip On All", false, CDX_FIELD(tooltipOnAllIcons)),
    number(140, "Sensor to Monitor for CPUIdle", 0, CDX_FIELD(cpuIdleSensor)),
    flag(141, "Use CPUIdle", false, CDX_FIELD(cpuIdleLaunch)),
    number(142, "CPUIdle Alarm Value", 45, CDX_FIELD(cpuIdleLaunchTemperature)),
    flag(143, "Close CPUIdle", false, CDX_FIELD(cpuIdleClose)),
    number(144, "CPUIdle Close Value", 40, CDX_FIELD(cpuIdleCloseTemperature)),
    flag(145, "Swap Icons", false, CDX_FIELD(swapIcons), kTrayModeGroup),
    flag(146, "Swap WB1", false, CDX_FIELD(temperature(TemperatureSensor::WB1).swap)),
    flag(147, "Swap LM75", false, CDX_FIELD(temperature(TemperatureSensor::LM75).swap)),
    flag(148, "Swap WB2", false, CDX_FIELD(temperature(TemperatureSensor::WB2).swap)),
    flag(149, "Swap WB3", false, CDX_FIELD(temperature(TemperatureSensor::WB3).swap)),
    number(150, "Swap Interval", 5000, CDX_FIELD(swapInterval), kMinSwapInterval, kMaxSwapInterval),
    text(151, "WB1 Font Name", "Arial", CDX_FIELD(temperature(TemperatureSensor::WB1).trayStyle.fontName),
         LoadRule::FontName),
    colour(152, "WB1 Background", "clSilver", CDX_FIELD(temperature(TemperatureSensor::WB1).trayStyle.background)),
    colour(153, "WB1 Font Color", "clBlack", CDX_FIELD(temperature(TemperatureSensor::WB1).trayStyle.fontColour)),
    number(154, "WB1 Font Size", 8, CDX_FIELD(temperature(TemperatureSensor::WB1).trayStyle.fontSize), kMinFontSize,
           kMaxFontSize),
    text(155, "LM75 Font Name", "Arial", CDX_FIELD(temperature(TemperatureSensor::LM75).trayStyle.fontName),
         LoadRule::FontName),
    colour(156, "LM75 Background", "clSilver", CDX_FIELD(temperature(TemperatureSensor::LM75).trayStyle.background)),
    colour(157, "LM75 Font Color", "clBlack", CDX_FIELD(temperature(TemperatureSensor::LM75).trayStyle.fontColour)),
    number(158, "LM75 Font Size", 8, CDX_FIELD(temperature(TemperatureSensor::LM75).trayStyle.fontSize), kMinFontSize,
           kMaxFontSize),
    text(159, "WB2 Font Name", "Arial", CDX_FIELD(temperature(TemperatureSensor::WB2).trayStyle.fontName),
         LoadRule::FontName),
    colour(160, "WB2 Background", "clSilver", CDX_FIELD(temperature(TemperatureSensor::WB2).trayStyle.background)),
    colour(161, "WB2 Font Color", "clBlack", CDX_FIELD(temperature(TemperatureSensor::WB2).trayStyle.fontColour)),
    number(162, "WB2 Font Size", 8, CDX_FIELD(temperature(TemperatureSensor::WB2).trayStyle.fontSize), kMinFontSize,
           kMaxFontSize),
    text(163, "WB3 Font Name", "Arial", CDX_FIELD(temperature(TemperatureSensor::WB3).trayStyle.fontName),
         LoadRule::FontName),
    colour(164, "WB3 Background", "clSilver", CDX_FIELD(temperature(TemperatureSensor::WB3).trayStyle.background)),
    colour(165, "WB3 Font Color", "clBlack", CDX_FIELD(temperature(TemperatureSensor::WB3).trayStyle.fontColour)),
    number(166, "WB3 Font Size", 8, CDX_FIELD(temperature(TemperatureSensor::WB3).trayStyle.fontSize), kMinFontSize,
           kMaxFontSize),
    flag(167, "Log Files CSV", false, CDX_FIELD(logCsv)),
    flag(168, "Log Files TXT", true, CDX_FIELD(logTxt)),
    flag(169, "Log Files HTM", true, CDX_FIELD(logHtml)),
    flag(170, "Warn/UpDown Files TXT", true, CDX_FIELD(warnUpDownTxt)),
    flag(171, "Warn/UpDown Files HTM", true, CDX_FIELD(warnUpDownHtml)),
    flag(172, "Loop Waves", false, CDX_FIELD(loopWaves)),
    SettingRow{173, "CDX Path", SettingKind::String, std::monostate{}, std::monostate{}, LoadRule::ProgramPath},
    text(174, "Metrics Address", "", CDX_FIELD(metricsAddress), LoadRule::OnItsOwn),
    text(175, "Metrics Textfile", "", CDX_FIELD(metricsTextfile), LoadRule::OnItsOwn),
    text(176, "Source CPU", "", CDX_FIELD(sensorSources[0]), LoadRule::OnItsOwn),
    text(177, "Source WB1", "", CDX_FIELD(sensorSources[1]), LoadRule::OnItsOwn),
    text(178, "Source WB2", "", CDX_FIELD(sensorSources[2]), LoadRule::OnItsOwn),
    text(179, "Source WB3", "", CDX_FIELD(sensorSources[3]), LoadRule::OnItsOwn),
    text(180, "Source Core", "", CDX_FIELD(sensorSources[4]), LoadRule::OnItsOwn),
    text(181, "Source +3.3", "", CDX_FIELD(sensorSources[5]), LoadRule::OnItsOwn),
    text(182, "Source +5", "", CDX_FIELD(sensorSources[6]), LoadRule::OnItsOwn),
    text(183, "Source +12", "", CDX_FIELD(sensorSources[7]), LoadRule::OnItsOwn),
    text(184, "Source -12", "", CDX_FIELD(sensorSources[8]), LoadRule::OnItsOwn),
    text(185, "Source -5", "", CDX_FIELD(sensorSources[9]), LoadRule::OnItsOwn),
    text(186, "Source Fan 1", "", CDX_FIELD(sensorSources[10]), LoadRule::OnItsOwn),
    text(187, "Source Fan 2", "", CDX_FIELD(sensorSources[11]), LoadRule::OnItsOwn),
    text(188, "Source Fan 3", "", CDX_FIELD(sensorSources[12]), LoadRule::OnItsOwn),
    ownFlag(189, "Desktop Notifications", true, CDX_FIELD(desktopNotifications)),
}};

#undef CDX_FIELD

// The order of writing. Each value follows the control or variable it was
// first written beside, so the stored key reads the same as before.
const std::array kSaveOrder = [] {
    std::array<int, 190> order{};
    std::size_t n = 0;
    auto add = [&](int position) { order[n++] = position; };
    auto range = [&](int first, int last) {
        for (int p = first; p <= last; ++p) {
            add(p);
        }
    };
    for (int p : {1, 2, 32, 3, 29, 16, 15, 4, 5, 11, 12, 17, 18, 33, 30, 31}) {
        add(p);
    }
    range(21, 28);
    for (int p : {8, 9, 10, 37, 38, 6, 13, 19, 34, 131, 7, 14, 20, 35, 43, 39, 44, 45, 36, 40, 41, 42, 48, 46, 47}) {
        add(p);
    }
    range(49, 99);
    add(102);
    add(100);
    range(104, 112);
    add(103);
    add(101);
    range(113, 121);
    add(103);
    range(122, 130);
    add(173);
    range(132, 166);
    for (int p : {168, 169, 167, 170, 171, 172}) {
        add(p);
    }
    range(174, 175);
    range(176, 189);
    if (n != order.size()) {
        throw std::logic_error("settings save order is incomplete");
    }
    return order;
}();

} // namespace

std::span<const SettingRow> settingsSchema()
{
    return kSchema;
}

std::span<const int> settingsSaveOrder()
{
    return kSaveOrder;
}

const SettingRow& settingRow(int position)
{
    return kSchema.at(static_cast<std::size_t>(position - 1));
}

const SettingRow& programPathRow()
{
    return settingRow(kLoadedRowCount + 1);
}

} // namespace cdx
