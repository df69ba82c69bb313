#include "app/CountingAlarmChecks.h"

#include "metrics/MetricsRecorder.h"

namespace cdx {

void CountingAlarmChecks::DisplayTempAlarm(int sensor)
{
    m_recorder.countAlarm(AlarmKind::Temperature);
    m_checks.DisplayTempAlarm(sensor);
}

void CountingAlarmChecks::DisplayVoltageAlarm(const std::string& name, double value)
{
    m_recorder.countAlarm(AlarmKind::Voltage);
    m_checks.DisplayVoltageAlarm(name, value);
}

void CountingAlarmChecks::DisplayFanAlarm(int fan, int offMark, double value)
{
    m_recorder.countAlarm(AlarmKind::Fan);
    m_checks.DisplayFanAlarm(fan, offMark, value);
}

} // namespace cdx
