#pragma once

#include <array>

namespace cdx {

// Where the four gauge panels sit in the window's gauge column (WB1, LM75,
// WB2, WB3 from top to bottom) and how tall the compact window is.
struct GaugeStack {
    static constexpr int FirstTop = 8;
    static constexpr int Pitch = 62;
    static constexpr int BottomMargin = 30;
    static constexpr int MinimumHeight = 70;
    static constexpr int HiddenTop = -1;

    // Top of each panel; HiddenTop for a hidden panel.
    std::array<int, 4> tops{HiddenTop, HiddenTop, HiddenTop, HiddenTop};
    int compactHeight = MinimumHeight;

    // restackGauges: the visible panels are stacked in order from the first top
    // position, one pitch apart; hidden panels take no room. The compact
    // height is the next free top position plus the margin, at least the
    // minimum height.
    static GaugeStack restackGauges(const std::array<bool, 4>& visible);
};

} // namespace cdx
