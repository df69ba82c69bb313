#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "metrics/MetricsSnapshot.h"

namespace cdx {

// What the metrics count and average themselves, across the statistics'
// resets: the polls and alarms since start-up (counters, never falling) and
// each temperature's average in Celsius whatever unit the window showed.
class MetricsRecorder {
public:
    void countPoll() { ++m_polls; }
    void countAlarm(AlarmKind kind) { ++m_alarms[static_cast<std::size_t>(kind)]; }

    // Fills the counters of `snapshot`.
    void stamp(MetricsSnapshot& snapshot) const;

    // The average in Celsius of temperature `sensor` (0..3), given its value
    // now and how many values the statistics hold: a count that grew means the
    // value was taken, one that fell means the statistics were reset.
    std::optional<double> averageCelsius(std::size_t sensor, std::optional<double> celsius, std::int32_t takenCount);

    static constexpr std::size_t kSensorCount = 4;

private:
    struct Average {
        double sum = 0.0;
        std::uint64_t count = 0;
        std::int32_t lastTaken = 0;
    };

    std::uint64_t m_polls = 0;
    std::array<std::uint64_t, kAlarmKindCount> m_alarms = {};
    std::array<Average, kSensorCount> m_averages = {};
};

} // namespace cdx
