#include "presentation/TrayColour.h"

#include <array>

namespace cdx {

namespace {

constexpr std::uint32_t SystemColourFlag = 0x80000000U;

// The classic scheme's system colours by index, as 0xRRGGBB: scroll bar,
// desktop, active and inactive caption, menu, window, window frame, menu text,
// window text, caption text, active and inactive border, application
// workspace, highlight, highlight text, button face, button shadow, grey text,
// button text, inactive caption text, button highlight, 3D dark shadow,
// 3D light, info text, info background.
constexpr std::array<std::uint32_t, 25> ClassicScheme{
    0xD4D0C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8, 0x808080, 0x808080,
    0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000, 0xFFFFE1,
};

} // namespace

std::uint32_t TrayColour::toArgb(std::uint32_t colour)
{
    if ((colour & SystemColourFlag) != 0) {
        const std::uint32_t index = colour & 0xFFU;
        const std::uint32_t rgb = index < ClassicScheme.size() ? ClassicScheme[index] : 0;
        return 0xFF000000U | rgb;
    }
    const std::uint32_t red = colour & 0xFFU;
    const std::uint32_t green = (colour >> 8) & 0xFFU;
    const std::uint32_t blue = (colour >> 16) & 0xFFU;
    return 0xFF000000U | (red << 16) | (green << 8) | blue;
}

} // namespace cdx
