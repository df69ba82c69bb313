#pragma once

#include <string>
#include <string_view>

#include "sensors/SensorSet.h"
#include "sensors/TemperatureScale.h"

namespace cdx {

// How a Fahrenheit value becomes whole degrees when "Round °F" is set.
enum class WholeDegrees { Truncate, Nearest };

// The centre labels truncate WB1, WB2 and WB3 and round LM75 to the nearest.
WholeDegrees wholeDegreesFor(TemperatureSensor sensor);

// The display switches that shape every temperature text.
struct TemperatureDisplay {
    TemperatureScale scale = TemperatureScale::Celsius;
    bool roundFahrenheit = false; // "Round °F"
    std::string degreeText = "°"; // DegreeText
    std::string decimalSeparator = ".";
};

// DegreeText: "°" with the degree symbol in use, else empty.
std::string degreeText(bool useDegreeSymbol);

// The caption of the "Round °F" box: "Round " + DegreeText + "F".
std::string roundFahrenheitCaption(std::string_view degreeText);

// A gauge's centre label: "45°C", "113.4°F", "73°F".
std::string centerLabelText(double celsius, const TemperatureDisplay& display, WholeDegrees whole);

// A lowest or highest temperature label: Celsius without decimals, Fahrenheit
// in general format or, with "Round °F", truncated; no degree text or unit.
std::string lowHighLabel(double celsius, const TemperatureDisplay& display);

// The labels that restate a temperature setting (a gauge scale or an alarm
// threshold, in degrees Celsius): the whole number nearest to it (halves to
// even) + DegreeText + "C", and 1.8 x t + 32 + DegreeText + "F", made whole
// the same way with "Round °F" and in general format without it. Alarm texts
// and quick checks quote them.
std::string settingCelsiusLabel(double celsius, const TemperatureDisplay& display);
std::string settingFahrenheitLabel(double celsius, const TemperatureDisplay& display);

// A compensation box's caption: "Custom +" and the signed value ("Custom +-3").
std::string compensationCaption(int value);

} // namespace cdx
