#pragma once

#include <array>
#include <cstdint>

#include "sensors/Readings.h"

namespace cdx {

// A minute's figures by channel (Readings::channel), in single precision.
using BandValues = std::array<float, Readings::ChannelCount>;

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
