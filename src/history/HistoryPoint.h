#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "sensors/Readings.h"

namespace cdx {

// The readings of one moment, by channel (Readings::channel): not a number
// where a reading was not available. The hour keeps them as read, so its
// figures agree with the statistics page; the day keeps single precision.
using PointValues = std::array<double, Readings::ChannelCount>;
using BandValues = std::array<float, Readings::ChannelCount>;

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

// One minute kept for the last day: the lowest, average and highest of
// every reading over the polls of that minute, and how many polls had it.
struct MinuteBand {
    std::int64_t startSeconds = 0; // a whole minute since the Unix epoch
    BandValues lowest{};
    BandValues average{};
    BandValues highest{};
    std::array<std::uint16_t, Readings::ChannelCount> counts{};
};

} // namespace cdx
