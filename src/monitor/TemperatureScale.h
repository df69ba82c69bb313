#pragma once

#include <string>

namespace cdx {

// How temperatures are shown at the moment: the scale, "Round °F", the text
// between number and unit, and the user's decimal separator.
struct TemperatureScale {
    bool fahrenheit = false;
    bool roundFahrenheit = true;
    std::string degreeText = "°";
    std::string decimalSeparator = ".";
};

} // namespace cdx
