#include "alarms/AlarmTexts.h"

#include "platform/RegionalFormats.h"
#include "sensors/Formats.h"
#include "sensors/TemperatureConversion.h"
#include "sensors/TemperatureText.h"
#include "settings/Settings.h"

namespace cdx {

namespace {
constexpr const char* kVoltageLineBreak = "\n\r";
} // namespace

std::string AlarmTexts::celsiusLabel(int threshold) const
{
    return std::to_string(threshold) + degreeText(m_settings.showDegreeInWindow) + "C";
}

std::string AlarmTexts::fahrenheitLabel(int threshold) const
{
    const long double fahrenheit = toFahrenheit(threshold);
    const std::string number = m_settings.roundFahrenheit
                                   ? std::to_string(roundHalfEven(fahrenheit))
                                   : formatGeneral(static_cast<double>(fahrenheit), m_formats.decimalSeparator);
    return number + degreeText(m_settings.showDegreeInWindow) + "F";
}

AlarmMessage AlarmTexts::temperature(int sensor) const
{
    const Settings& s = m_settings;
    std::string name;
    int threshold = 0;
    switch (sensor) {
    case 1:
        name = s.mbGaugeName;
        threshold = s.mbAlarmTemperature;
        break;
    case 2:
        name = s.cpuGaugeName;
        threshold = s.cpuAlarmTemperature;
        break;
    case 3:
        name = s.wb2GaugeName;
        threshold = s.wb2AlarmTemperature;
        break;
    case 4:
        name = s.wb3GaugeName;
        threshold = s.wb3AlarmTemperature;
        break;
    default:
        return {};
    }
    const std::string labels = celsiusLabel(threshold) + " / " + fahrenheitLabel(threshold);
    return {"Your " + name + " has reached the temperature of " + labels,
            "WARNING: " + name + " has reached: " + labels};
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

AlarmMessage AlarmTexts::fan(int fan, int offMark, double speed) const
{
    const Settings& s = m_settings;
    std::string name;
    double usersRpm = 0.0;
    switch (fan) {
    case 1:
        name = s.fan1Name;
        usersRpm = s.fan1NominalRpm;
        break;
    case 2:
        name = s.fan2Name;
        usersRpm = s.fan2NominalRpm;
        break;
    case 3:
        name = s.fan3Name;
        usersRpm = s.fan3NominalRpm;
        break;
    default:
        return {};
    }
    const std::string& separator = m_formats.decimalSeparator;
    const std::string rpm = formatGeneral(speed, separator);
    return {"Fan Alarm for " + name + ", this Fan is more then " + std::to_string(offMark) +
                "% off the user defined value of " + formatGeneral(usersRpm, separator) +
                ", and has reached the value of: " + rpm + " RPM.",
            "WARNING: " + name + " has reached: " + rpm + " RPM"};
}

} // namespace cdx
