#include "presentation/TrayIconText.h"

#include <algorithm>
#include <cmath>

#include "sensors/Formats.h"

namespace cdx {

namespace {
// The unit letter, and the degree text before it when there is one.
std::size_t unitLength(std::string_view degreeText)
{
    return degreeText.empty() ? 1 : 2;
}
} // namespace

int TrayIconText::bitmapWidth(std::string_view label, std::string_view degreeText)
{
    const std::size_t wideFrom = degreeText.empty() ? 4 : 5;
    return utf8Length(label) >= wideFrom ? WideWidth : NarrowWidth;
}

std::string TrayIconText::text(std::string_view label, std::string_view degreeText, bool degreeSymbolInTray)
{
    const std::size_t length = utf8Length(label);
    const std::size_t unit = unitLength(degreeText);
    std::string result = length > unit ? utf8Left(label, length - unit) : std::string();
    if (degreeSymbolInTray) {
        result += "°";
    }
    return result;
}

int TrayIconText::textX(std::string_view text)
{
    return utf8Length(text) >= 3 ? 0 : 2;
}

int TrayIconText::fontPixelSize(int points)
{
    const long pixels = std::lround(static_cast<double>(points) * 96.0 / 72.0);
    return static_cast<int>(std::clamp(pixels, 1L, 1000L));
}

} // namespace cdx
