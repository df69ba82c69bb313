#pragma once

#include <cstdint>

namespace cdx {

// The colours of the tray styles as opaque pixels.
class TrayColour {
public:
    // A colour 0x00BBGGRR as the pixel 0xFFRRGGBB. A system colour (high bit
    // set, index in the low byte) takes the classic desktop scheme's value;
    // an unknown index gives black.
    static std::uint32_t toArgb(std::uint32_t colour);
};

} // namespace cdx
