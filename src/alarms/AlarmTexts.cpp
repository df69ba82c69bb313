#include "alarms/AlarmTexts.h"

#include "platform/RegionalFormats.h"
#include "sensors/Formats.h"
#include "sensors/TemperatureConversion.h"
#include "sensors/TemperatureText.h"
#include "sensors/VoltageCaption.h"
#include "settings/Settings.h"

namespace cdx {

namespace {
constexpr const char* kVoltageLineBreak = "\n\r";
} // namespace

TemperatureDisplay AlarmTexts::thresholdDisplay() const
{
    TemperatureDisplay display;
    display.roundFahrenheit = m_settings.roundFahrenheit;
    display.degreeText = degreeText(m_settings.showDegreeInWindow);
    display.decimalSeparator = m_formats.decimalSeparator;
    return display;
}

AlarmMessage AlarmTexts::temperature(TemperatureSensor sensor) const
{
    const auto& t = m_settings.temperature(sensor);
    const TemperatureDisplay display = thresholdDisplay();
    const std::string labels =
        settingCelsiusLabel(t.alarmTemperature, display) + " / " + settingFahrenheitLabel(t.alarmTemperature, display);
    return {"Your " + t.name + " has reached the temperature of " + labels,
            "WARNING: " + t.name + " has reached: " + labels};
}

AlarmMessage AlarmTexts::voltage(const std::string& name, double value) const
{
    const std::string& separator = m_formats.decimalSeparator;
    const std::string reading = formatFixed(value, 2, separator);
    return {"Voltage Alarm for " + name + kVoltageLineBreak + "This unit is more then " +
                formatGeneral(m_settings.voltageTolerance, separator) + "% off, " +
                "and reached the value of: " + reading + " Volt." + kVoltageLineBreak + kVoltageLineBreak +
                "Please go to the Voltage tab to turn this Alarm on again.",
            "WARNING: " + name + " has reached: " + reading + "V"};
}

std::string AlarmTexts::voltageName(VoltageRail rail) const
{
    return voltageCaption(rail, m_settings.plus33VoltageNominal, m_formats.decimalSeparator);
}

AlarmMessage AlarmTexts::fan(Fan fan, int offMark, double speed) const
{
    const auto& f = m_settings.fan(fan);
    const std::string& name = f.name;
    const double usersRpm = f.nominalRpm;
    const std::string& separator = m_formats.decimalSeparator;
    const std::string rpm = formatGeneral(speed, separator);
    return {"Fan Alarm for " + name + ", this Fan is more then " + std::to_string(offMark) +
                "% off the user defined value of " + formatGeneral(usersRpm, separator) +
                ", and has reached the value of: " + rpm + " RPM.",
            "WARNING: " + name + " has reached: " + rpm + " RPM"};
}

} // namespace cdx
