#include "presentation/QuickCheck.h"

#include <cstddef>

#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownReading.h"
#include "presentation/UpDownStatistics.h"
#include "sensors/Formats.h"
#include "sensors/SensorSet.h"
#include "sensors/VoltageCaption.h"
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
    return "Sound Alarm at: " + settingCelsiusLabel(celsius, display) + "/" + settingFahrenheitLabel(celsius, display);
}

std::string QuickCheck::caption(QuickCheckItem item) const
{
    const Settings& settings = m_parts.settings;
    switch (kindOf(item)) {
    case Kind::Temperature: {
        const std::size_t index = temperatureIndex(item);
        const auto& t = settings.temperature(static_cast<TemperatureSensor>(index));
        return t.name + ": " + m_parts.gauges[index].centerLabel();
    }
    case Kind::Voltage: {
        const VoltageRail rail = railOf(item);
        return shortVoltageName(rail) + m_parts.readings.voltageText(rail);
    }
    case Kind::Fan: {
        const int index = fanIndex(item);
        return settings.fan(static_cast<Fan>(index)).name + " " + m_parts.readings.fanText(static_cast<Fan>(index));
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
        const auto& t = settings.temperature(static_cast<TemperatureSensor>(index));
        info.title = t.name;
        info.current = m_parts.gauges[index].centerLabel();
        info.alarm = temperatureAlarmText(t.alarmTemperature, shown);
        info.alarmEnabled = t.alarmEnabled;
        break;
    }
    case Kind::Voltage: {
        const VoltageRail rail = railOf(item);
        info.title = voltageCaption(rail, settings.plus33VoltageNominal, shown.decimalSeparator);
        info.current = m_parts.readings.voltageText(rail);
        info.alarm = "Sound Alarm at: " + formatGeneral(settings.voltageTolerance, shown.decimalSeparator) + "% off";
        info.alarmEnabled = settings.voltageAlarmEnabled && settings.watched(rail);
        break;
    }
    case Kind::Fan: {
        const int index = fanIndex(item);
        info.title = settings.fan(static_cast<Fan>(index)).name;
        info.current =
            settings.fan(static_cast<Fan>(index)).name + " " + m_parts.readings.fanText(static_cast<Fan>(index));
        info.alarm =
            "Sound Alarm at: " + std::to_string(settings.fan(static_cast<Fan>(index)).tolerancePercent) + "% off";
        info.alarmEnabled = settings.fan(static_cast<Fan>(index)).alarmEnabled;
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
