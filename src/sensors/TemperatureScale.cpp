#include "sensors/TemperatureScale.h"

namespace cdx {

TemperatureScale scaleFromCaption(std::string_view caption)
{
    return caption == "F" ? TemperatureScale::Celsius : TemperatureScale::Fahrenheit;
}

std::string nextScaleCaption(std::string_view caption)
{
    return caption == "C" ? "F" : "C";
}

} // namespace cdx
