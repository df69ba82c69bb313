#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "sensors/Readings.h"

namespace cdx {

// The readings of one moment, by channel (Readings::channel): not a number
// where a reading was not available. The hour keeps them as read, so its
// figures agree with the statistics page.
using PointValues = std::array<double, Readings::ChannelCount>;

inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

inline bool hasValue(double value)
{
    return !std::isnan(value);
}

// One poll kept for the last hour.
struct HistoryPoint {
    std::int64_t unixSeconds = 0;
    // Nothing was read between the previous point and this one (polling
    // suspended, the machine asleep, the clock set back): no line joins them.
    bool gapBefore = true;
    PointValues values{};
};

} // namespace cdx
