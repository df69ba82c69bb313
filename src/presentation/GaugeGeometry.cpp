#include "presentation/GaugeGeometry.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "sensors/Formats.h"

namespace cdx {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// One colour step of each gradient, subtracted from the whole 0x00BBGGRR value.
std::uint32_t stepOf(ArcStyle style)
{
    switch (style) {
    case ArcStyle::AsGreenToRed:
    case ArcStyle::AsOceanToPurple:
        return 0xFF; // red +1, green -1
    case ArcStyle::AsBlueToRed:
    case ArcStyle::AsAquaToYellow:
        return 0xFFFF; // red +1, blue -1
    case ArcStyle::AsSimple:
    case ArcStyle::AsRedGreenRed:
        break;
    }
    return 0;
}

std::uint32_t startOf(ArcStyle style)
{
    switch (style) {
    case ArcStyle::AsGreenToRed:
        return 0x00FF00;
    case ArcStyle::AsBlueToRed:
        return 0xFF0000;
    case ArcStyle::AsOceanToPurple:
    case ArcStyle::AsAquaToYellow:
        return 0xFFFF00;
    case ArcStyle::AsSimple:
        return 0xFFFFFF;
    case ArcStyle::AsRedGreenRed:
        return 0x0000FF;
    }
    return 0xFFFFFF;
}

} // namespace

GaugeGeometry::GaugeGeometry(int width, int height, int arcWidth)
    : m_cx(width / 2), m_height(height), m_arcWidth(arcWidth)
{
}

GaugePoint GaugeGeometry::pointAt(long double angle, int radiusX, int radiusY) const
{
    const GaugePoint c = centre();
    const auto dx = roundHalfEven(std::cos(angle - Pi) * radiusX);
    const auto dy = roundHalfEven(std::sin(angle) * radiusY);
    return {c.x + static_cast<int>(dx), c.y - static_cast<int>(dy)};
}

GaugePoint GaugeGeometry::arcPoint(int index) const
{
    if (index == 0) {
        // The exact left end, free of rounding noise in sin(0).
        return {centre().x - arcRadiusX(), centre().y};
    }
    return pointAt(static_cast<long double>(index) * Pi / ArcSegments, arcRadiusX(), arcRadiusY());
}

GaugePoint GaugeGeometry::needleEnd(float position, float scale) const
{
    if (!std::isfinite(position) || !std::isfinite(scale) || scale <= 0.0F) {
        // Nothing sensible to point at: a needle of no length.
        return centre();
    }
    const long double angle = Pi / static_cast<long double>(scale) * static_cast<long double>(position);
    return pointAt(angle, needleRadiusX(), needleRadiusY());
}

std::uint32_t GaugeGeometry::arcColour(ArcStyle style, int index)
{
    if (style == ArcStyle::AsRedGreenRed) {
        // Red at both ends, green in the middle.
        const auto red = static_cast<std::uint32_t>(std::abs(2 * index - ArcSegments));
        const std::uint32_t green = 0xFF - red;
        return (green << 8) | red;
    }
    return startOf(style) - static_cast<std::uint32_t>(index) * stepOf(style);
}

} // namespace cdx
