#pragma once

#include <array>
#include <cstddef>

#include "sensors/Readings.h"

namespace cdx {

// The History window's three plots, each over its own channels of Readings.
enum class HistoryGroup { Temperatures, Voltages, Fans };

inline constexpr std::array<HistoryGroup, 3> kAllHistoryGroups{HistoryGroup::Temperatures, HistoryGroup::Voltages,
                                                               HistoryGroup::Fans};

struct ChannelRange {
    std::size_t first;
    std::size_t count;
};

inline constexpr ChannelRange channelsOf(HistoryGroup group)
{
    switch (group) {
    case HistoryGroup::Temperatures:
        return {0, Readings::TemperatureCount};
    case HistoryGroup::Voltages:
        return {Readings::TemperatureCount, Readings::RailCount};
    case HistoryGroup::Fans:
        break;
    }
    return {Readings::TemperatureCount + Readings::RailCount, Readings::FanCount};
}

} // namespace cdx
