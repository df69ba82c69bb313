#pragma once

#include <cstdint>

#include "presentation/ArcStyle.h"
#include "presentation/GaugePoint.h"

namespace cdx {

// Where a gauge of a given size draws its arc and needle, and in which colours.
// The arc is the upper half of an ellipse around (width div 2, height - 10),
// drawn from left to right in `ArcSegments` straight segments; the needle
// starts at the same centre and ends 5 pixels (plus half the arc's pen) inside
// the arc. Value 0 points left, half the scale straight up, the full scale right.
class GaugeGeometry {
public:
    static constexpr int ArcSegments = 255;

    GaugeGeometry(int width, int height, int arcWidth);

    GaugePoint centre() const { return {m_cx, m_height - 10}; }
    int arcRadiusX() const { return m_cx - 20; }
    int arcRadiusY() const { return m_height - 20; }
    int needleRadiusX() const { return (m_cx - 25) - m_arcWidth / 2; }
    int needleRadiusY() const { return (m_height - 25) - m_arcWidth / 2; }

    // The end of arc segment `index` (1 to ArcSegments); index 0 is where the
    // arc starts, at the left end.
    GaugePoint arcPoint(int index) const;

    // The outer end of the needle showing `position` on a scale of `scale`.
    GaugePoint needleEnd(float position, float scale) const;

    // The pen colour (0x00BBGGRR) of arc segment `index` (1 to ArcSegments).
    static std::uint32_t arcColour(ArcStyle style, int index);

private:
    GaugePoint pointAt(long double angle, int radiusX, int radiusY) const;

    int m_cx;
    int m_height;
    int m_arcWidth;
};

} // namespace cdx
