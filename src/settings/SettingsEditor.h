#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "sensors/CpuType.h"
#include "sensors/SensorSet.h"
#include "sensors/TemperatureText.h"
#include "settings/SpinRule.h"

namespace cdx {

class GaugeScales;
struct Settings;

// The settings edited with an up/down arrow pair between fixed bounds.
enum class SpinSetting {
    PollInterval,     // "Interval", ms
    VoltageTolerance, // "Voltage Off", percent
    CoreVoltage,      // "CoreVoltage", volts
    Plus33Voltage,    // "3.3 Custom Value", volts
    Fan1Rpm,          // "Fan1 Users RPM" .. "Fan3 Users RPM"
    Fan2Rpm,
    Fan3Rpm,
    Fan1OffMark, // "Fan1 Off Mark" .. "Fan3 Off Mark", percent
    Fan2OffMark,
    Fan3OffMark,
    IgnoreFanAlarm,  // polls a fan alarm waits
    CustomCpuAdd,    // the custom CPU offset, degrees
    WB1Compensation, // degrees added to a temperature
    WB2Compensation,
    WB3Compensation,
};

enum class SpinDirection { Up, Down };

// The editing rules of the settings pages, without the widgets: each click of
// an arrow pair moves its setting by a fixed step within its bounds, and a
// label restates the value. A refused click changes nothing.
//
// Temperature scales and alarm thresholds are bound by their gauge: a scale
// goes no lower than the temperature shown (nor to 0, where a needle has no
// angle) and has no upper bound; an alarm stays between the temperature shown
// and the scale, and comes down with a scale lowered below it (a gauge shows
// nothing above its scale, so an alarm there could never go off).
class SettingsEditor {
public:
    using Display = std::function<TemperatureDisplay()>;

    // gauges: WB1, LM75, WB2, WB3. `display` tells the unit, "Round °F" and
    // the degree text the labels use.
    SettingsEditor(Settings& settings, GaugeScales& gauges, Display display);

    // --- Fixed bounds
    // One click; true when the value changed.
    bool step(SpinSetting setting, SpinDirection direction);
    // The text beside the arrows ("Check at Intervals of 19 seconds", "Core
    // Voltage: 2.9Volt", "+3.4 Voltage", "Custom +-3", ...).
    std::string label(SpinSetting setting) const;
    // Whether a click in that direction would change the value.
    bool canStep(SpinSetting setting, SpinDirection direction) const;
    // The stored value's name, which screen readers announce for the arrows.
    static std::string_view settingName(SpinSetting setting);
    // The bounds and step of a setting's arrows.
    static SpinRule rule(SpinSetting setting);
    double value(SpinSetting setting) const;

    // --- Bounds taken from the gauge
    bool stepScale(TemperatureSensor sensor, SpinDirection direction);
    bool stepAlarm(TemperatureSensor sensor, SpinDirection direction);
    std::string scaleCelsiusLabel(TemperatureSensor sensor) const;
    std::string scaleFahrenheitLabel(TemperatureSensor sensor) const;
    std::string alarmCelsiusLabel(TemperatureSensor sensor) const;
    std::string alarmFahrenheitLabel(TemperatureSensor sensor) const;

    // --- Choices
    // A CPU type button was chosen: its offset is in force.
    void chooseCpuType(CpuType type);
    CpuType cpuType() const;

private:
    Settings& m_settings;
    GaugeScales& m_gauges;
    Display m_display;
};

// The "Tab on top at startup:" list, in page order.
inline constexpr std::array<std::string_view, 9> kStartTabNames{
    "General", "Temperatures", "Voltages", "Fan's", "Compensation", "Visual", "Log", "Up's & Downs", "CPU Idle"};

// "Check at Intervals of 5 seconds" and its twins.
std::string pollIntervalLabel(int milliseconds);

} // namespace cdx
