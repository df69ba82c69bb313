#pragma once

#include <array>
#include <optional>
#include <string>

#include "settings/Settings.h"

namespace cdx {

// The order in which one tray icon shows the temperatures chosen for swapping,
// one per tick: WB1, LM75, WB2, WB3, skipping the ones not chosen.
class SwapCycle {
public:
    static constexpr int MinInterval = 1000;
    static constexpr int MaxInterval = 10000;
    static constexpr int IntervalStep = 1000;

    // swapIndex: 0 before the first tick, then 1 WB1, 2 LM75, 3 WB2, 4 WB3.
    int swapIndex() const { return m_swapIndex; }

    // One tick: moves on to the next chosen temperature and returns it, or
    // nothing when none is chosen (the position still moves by one).
    std::optional<TemperatureSensor> advance(const std::array<bool, 4>& chosen);

    // The interval spin button: up adds a second below the maximum, down takes
    // one off above the minimum; otherwise the interval stays.
    static int intervalUp(int interval);
    static int intervalDown(int interval);
    // "Interval: 5 Seconds".
    static std::string intervalCaption(int interval);

private:
    int m_swapIndex = 0;
};

} // namespace cdx
