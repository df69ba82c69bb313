#include "sensors/TemperatureText.h"

#include <cmath>

#include "sensors/Formats.h"
#include "sensors/TemperatureConversion.h"

namespace cdx {

namespace {

std::string wholeFahrenheit(long double fahrenheit, WholeDegrees whole)
{
    const long double value = whole == WholeDegrees::Truncate ? std::trunc(fahrenheit) : roundHalfEven(fahrenheit);
    return formatGeneral(static_cast<double>(value));
}

} // namespace

WholeDegrees wholeDegreesFor(TemperatureSensor sensor)
{
    return sensor == TemperatureSensor::LM75 ? WholeDegrees::Nearest : WholeDegrees::Truncate;
}

std::string degreeText(bool useDegreeSymbol)
{
    return useDegreeSymbol ? "°" : "";
}

std::string roundFahrenheitCaption(std::string_view degreeText)
{
    return "Round " + std::string(degreeText) + "F";
}

std::string centerLabelText(double celsius, const TemperatureDisplay& display, WholeDegrees whole)
{
    if (display.scale == TemperatureScale::Celsius) {
        return formatGeneral(celsius, display.decimalSeparator) + display.degreeText + "C";
    }
    const long double fahrenheit = toFahrenheit(celsius);
    const std::string number = display.roundFahrenheit
                                   ? wholeFahrenheit(fahrenheit, whole)
                                   : formatGeneral(static_cast<double>(fahrenheit), display.decimalSeparator);
    return number + display.degreeText + "F";
}

std::string lowHighLabel(double celsius, const TemperatureDisplay& display)
{
    if (display.scale == TemperatureScale::Celsius) {
        return formatFixed(celsius, 0, display.decimalSeparator);
    }
    const long double fahrenheit = toFahrenheit(celsius);
    if (display.roundFahrenheit) {
        return wholeFahrenheit(fahrenheit, WholeDegrees::Truncate);
    }
    return formatGeneral(static_cast<double>(fahrenheit), display.decimalSeparator);
}

std::string compensationCaption(int value)
{
    return "Custom +" + std::to_string(value);
}

std::string settingCelsiusLabel(double celsius, const TemperatureDisplay& display)
{
    return std::to_string(roundHalfEven(celsius)) + display.degreeText + "C";
}

std::string settingFahrenheitLabel(double celsius, const TemperatureDisplay& display)
{
    const long double fahrenheit = toFahrenheit(celsius);
    const std::string number = display.roundFahrenheit
                                   ? std::to_string(roundHalfEven(fahrenheit))
                                   : formatGeneral(static_cast<double>(fahrenheit), display.decimalSeparator);
    return number + display.degreeText + "F";
}

} // namespace cdx
