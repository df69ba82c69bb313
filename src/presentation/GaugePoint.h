#pragma once

namespace cdx {

// A pixel position inside a gauge, (0, 0) at its top-left corner.
struct GaugePoint {
    int x = 0;
    int y = 0;

    bool operator==(const GaugePoint&) const = default;
};

} // namespace cdx
