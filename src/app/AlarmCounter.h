#pragma once

#include "alarms/AlarmListener.h"
#include "metrics/MetricsRecorder.h"

namespace cdx {

// Counts every alarm found due by its kind, for the metrics.
class AlarmCounter : public AlarmListener {
public:
    explicit AlarmCounter(MetricsRecorder& recorder) : m_recorder(recorder) {}

    void alarmDue(Alarm alarm, double) override { m_recorder.countAlarm(kindOf(alarm)); }

private:
    MetricsRecorder& m_recorder;
};

} // namespace cdx
