#include "metrics/MetricsRecorder.h"

namespace cdx {

void MetricsRecorder::stamp(MetricsSnapshot& snapshot) const
{
    snapshot.polls = m_polls;
    snapshot.alarms = m_alarms;
}

std::optional<double> MetricsRecorder::averageCelsius(std::size_t sensor, std::optional<double> celsius,
                                                      std::int32_t takenCount)
{
    if (sensor >= kSensorCount) {
        return std::nullopt;
    }
    Average& a = m_averages[sensor];
    if (takenCount < a.lastTaken || takenCount == 0) {
        a = Average{};
    }
    if (takenCount > a.lastTaken && celsius) {
        a.sum += *celsius;
        ++a.count;
    }
    a.lastTaken = takenCount;
    if (a.count == 0) {
        return std::nullopt;
    }
    return a.sum / static_cast<double>(a.count);
}

} // namespace cdx
