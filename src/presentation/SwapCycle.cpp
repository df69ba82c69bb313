#include "presentation/SwapCycle.h"

#include <algorithm>

namespace cdx {

std::optional<TemperatureSensor> SwapCycle::advance(const std::array<bool, 4>& chosen)
{
    m_swapIndex = m_swapIndex >= 4 ? 1 : m_swapIndex + 1;
    if (std::none_of(chosen.begin(), chosen.end(), [](bool on) { return on; })) {
        return std::nullopt;
    }
    while (!chosen[static_cast<std::size_t>(m_swapIndex - 1)]) {
        m_swapIndex = m_swapIndex >= 4 ? 1 : m_swapIndex + 1;
    }
    return static_cast<TemperatureSensor>(m_swapIndex - 1);
}

int SwapCycle::intervalUp(int interval)
{
    return interval < MaxInterval ? interval + IntervalStep : interval;
}

int SwapCycle::intervalDown(int interval)
{
    return interval > MinInterval ? interval - IntervalStep : interval;
}

std::string SwapCycle::intervalCaption(int interval)
{
    return "Interval: " + std::to_string(interval / 1000) + " Seconds";
}

} // namespace cdx
