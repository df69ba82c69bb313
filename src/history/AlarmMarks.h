#pragma once

#include <array>
#include <optional>

#include "sensors/Readings.h"

namespace cdx {

struct Settings;

// Where a reading's alarm goes off, drawn as dashed lines on its plot.
struct AlarmMark {
    std::optional<double> low;
    std::optional<double> high;
};

using AlarmMarks = std::array<AlarmMark, Readings::ChannelCount>;

// Each reading's marks under the settings: a temperature's alarm temperature
// (when its alarm is on), a watched rail's band, a fan's low mark (when its
// alarm is on). Values in degrees Celsius, volts and RPM.
AlarmMarks alarmMarks(const Settings& settings);

} // namespace cdx
