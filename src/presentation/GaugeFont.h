#pragma once

#include <cstdint>
#include <string>

namespace cdx {

// The font of a gauge's centre label. `pixelHeight` is the character height in
// pixels (an 8 point font on a 96 dpi screen is 11 pixels high).
struct GaugeFont {
    std::string name = "Arial";
    int pixelHeight = 11;
    std::uint32_t colour = 0x000000; // 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const GaugeFont&) const = default;
};

} // namespace cdx
