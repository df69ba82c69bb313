#pragma once

#include <string>
#include <string_view>

namespace cdx {

enum class TemperatureScale { Celsius, Fahrenheit };

// The scale button shows the letter a click switches to: caption "F" means the
// window shows Celsius, any other caption Fahrenheit.
TemperatureScale scaleFromCaption(std::string_view caption);

// The caption after a click: "C" becomes "F", anything else "C".
std::string nextScaleCaption(std::string_view caption);

} // namespace cdx
