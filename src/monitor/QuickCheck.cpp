#include "monitor/QuickCheck.h"

#include <cstddef>

#include "monitor/GaugeModel.h"
#include "monitor/ReadingsPanel.h"
#include "monitor/UpDownReading.h"
#include "monitor/UpDownStatistics.h"
#include "monitor/VoltageCaption.h"
#include "sensors/Formats.h"
#include "sensors/SensorSet.h"
#include "sensors/TemperatureConversion.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

enum class Kind { Temperature, Voltage, Fan };

Kind kindOf(QuickCheckItem item)
{
    const auto n = static_cast<int>(item);
    if (n <= static_cast<int>(QuickCheckItem::WBSensor3)) {
        return Kind::Temperature;
    }
    if (n <= static_cast<int>(QuickCheckItem::Ne12)) {
        return Kind::Voltage;
    }
    return Kind::Fan;
}

std::size_t temperatureIndex(QuickCheckItem item)
{
    return static_cast<std::size_t>(item) - static_cast<std::size_t>(QuickCheckItem::MB);
}

int fanIndex(QuickCheckItem item)
{
    return static_cast<int>(item) - static_cast<int>(QuickCheckItem::FANnr1);
}

VoltageRail railOf(QuickCheckItem item)
{
    switch (item) {
    case QuickCheckItem::Po33:
        return VoltageRail::Pos33;
    case QuickCheckItem::Po5:
        return VoltageRail::Pos5;
    case QuickCheckItem::Ne5:
        return VoltageRail::Neg5;
    case QuickCheckItem::Po12:
        return VoltageRail::Pos12;
    case QuickCheckItem::Ne12:
        return VoltageRail::Neg12;
    default:
        return VoltageRail::Core;
    }
}

// The statistics readings in menu order: the menu and the statistics page list
// the readings alike.
UpDownReading readingOf(QuickCheckItem item)
{
    return kAllUpDownReadings[static_cast<std::size_t>(item)];
}

const char* shortVoltageName(VoltageRail rail)
{
    switch (rail) {
    case VoltageRail::Core:
        return "Core";
    case VoltageRail::Pos33:
        return "+3.3";
    case VoltageRail::Pos5:
        return "+5";
    case VoltageRail::Pos12:
        return "+12";
    case VoltageRail::Neg12:
        return "-12";
    case VoltageRail::Neg5:
        return "-5";
    }
    return "";
}

const std::string& temperatureName(const Settings& settings, std::size_t index)
{
    switch (index) {
    case 0:
        return settings.mbGaugeName;
    case 1:
        return settings.cpuGaugeName;
    case 2:
        return settings.wb2GaugeName;
    default:
        return settings.wb3GaugeName;
    }
}

const std::string& fanName(const Settings& settings, int index)
{
    switch (index) {
    case 0:
        return settings.fan1Name;
    case 1:
        return settings.fan2Name;
    default:
        return settings.fan3Name;
    }
}

int temperatureAlarm(const Settings& settings, std::size_t index)
{
    switch (index) {
    case 0:
        return settings.mbAlarmTemperature;
    case 1:
        return settings.cpuAlarmTemperature;
    case 2:
        return settings.wb2AlarmTemperature;
    default:
        return settings.wb3AlarmTemperature;
    }
}

bool temperatureAlarmEnabled(const Settings& settings, std::size_t index)
{
    switch (index) {
    case 0:
        return settings.mbAlarmEnabled;
    case 1:
        return settings.cpuAlarmEnabled;
    case 2:
        return settings.wb2AlarmEnabled;
    default:
        return settings.wb3AlarmEnabled;
    }
}

bool watched(const Settings& settings, VoltageRail rail)
{
    switch (rail) {
    case VoltageRail::Core:
        return settings.watchCoreVoltage;
    case VoltageRail::Pos33:
        return settings.watchPlus33Voltage;
    case VoltageRail::Pos5:
        return settings.watchPlus5Voltage;
    case VoltageRail::Pos12:
        return settings.watchPlus12Voltage;
    case VoltageRail::Neg12:
        return settings.watchMinus12Voltage;
    case VoltageRail::Neg5:
        return settings.watchMinus5Voltage;
    }
    return false;
}

int fanOffMark(const Settings& settings, int index)
{
    switch (index) {
    case 0:
        return settings.fan1TolerancePercent;
    case 1:
        return settings.fan2TolerancePercent;
    default:
        return settings.fan3TolerancePercent;
    }
}

bool fanAlarmEnabled(const Settings& settings, int index)
{
    switch (index) {
    case 0:
        return settings.fan1AlarmEnabled;
    case 1:
        return settings.fan2AlarmEnabled;
    default:
        return settings.fan3AlarmEnabled;
    }
}

} // namespace

const char* quickCheckName(QuickCheckItem item)
{
    static constexpr std::array<const char*, 13> names{"MB",     "CPU",    "WBSensor2", "WBSensor3", "CORE",
                                                       "Po33",   "Po5",    "Ne5",       "Po12",      "Ne12",
                                                       "FANnr1", "FANnr2", "FANnr3"};
    return names[static_cast<std::size_t>(item)];
}

QuickCheck::QuickCheck(Parts parts) : m_parts(std::move(parts))
{
}

TemperatureDisplay QuickCheck::display() const
{
    return m_parts.display ? m_parts.display() : TemperatureDisplay{};
}

std::string QuickCheck::temperatureAlarmText(int celsius, const TemperatureDisplay& display)
{
    const std::string celsiusText = std::to_string(celsius) + display.degreeText + "C";
    const long double fahrenheit = toFahrenheit(celsius);
    const std::string fahrenheitNumber = display.roundFahrenheit
                                             ? std::to_string(roundHalfEven(fahrenheit))
                                             : formatGeneral(static_cast<double>(fahrenheit), display.decimalSeparator);
    return "Sound Alarm at: " + celsiusText + "/" + fahrenheitNumber + display.degreeText + "F";
}

std::string QuickCheck::caption(QuickCheckItem item) const
{
    const Settings& settings = m_parts.settings;
    switch (kindOf(item)) {
    case Kind::Temperature: {
        const std::size_t index = temperatureIndex(item);
        const GaugeModel* gauge = m_parts.gauges[index];
        return temperatureName(settings, index) + ": " + (gauge ? gauge->CenterLabel() : std::string());
    }
    case Kind::Voltage: {
        const VoltageRail rail = railOf(item);
        return shortVoltageName(rail) + m_parts.readings.voltageText(rail);
    }
    case Kind::Fan: {
        const int index = fanIndex(item);
        return fanName(settings, index) + " " + m_parts.readings.fanText(static_cast<Fan>(index));
    }
    }
    return {};
}

QuickInfo QuickCheck::info(QuickCheckItem item) const
{
    const Settings& settings = m_parts.settings;
    const TemperatureDisplay shown = display();
    QuickInfo info;
    switch (kindOf(item)) {
    case Kind::Temperature: {
        const std::size_t index = temperatureIndex(item);
        const GaugeModel* gauge = m_parts.gauges[index];
        info.title = temperatureName(settings, index);
        info.current = gauge ? gauge->CenterLabel() : std::string();
        info.alarm = temperatureAlarmText(temperatureAlarm(settings, index), shown);
        info.alarmEnabled = temperatureAlarmEnabled(settings, index);
        break;
    }
    case Kind::Voltage: {
        const VoltageRail rail = railOf(item);
        info.title = voltageCaption(rail, settings.plus33VoltageNominal, shown.decimalSeparator);
        info.current = m_parts.readings.voltageText(rail);
        info.alarm = "Sound Alarm at: " + formatGeneral(settings.voltageTolerance, shown.decimalSeparator) + "% off";
        info.alarmEnabled = settings.voltageAlarmEnabled && watched(settings, rail);
        break;
    }
    case Kind::Fan: {
        const int index = fanIndex(item);
        info.title = fanName(settings, index);
        info.current = fanName(settings, index) + " " + m_parts.readings.fanText(static_cast<Fan>(index));
        info.alarm = "Sound Alarm at: " + std::to_string(fanOffMark(settings, index)) + "% off";
        info.alarmEnabled = fanAlarmEnabled(settings, index);
        break;
    }
    }
    info.title = "Quick info for: " + info.title;
    info.current = "Current Value: " + info.current;
    const UpDownStatistics::Entry& entry = m_parts.statistics.entry(readingOf(item));
    info.lowest = "Lowest value: " + entry.lowLabel;
    info.highest = "Highest value: " + entry.highLabel;
    return info;
}

} // namespace cdx
