#include "app/CountingAlarmChecks.h"

#include "metrics/MetricsRecorder.h"

namespace cdx {

void CountingAlarmChecks::displayTemperatureAlarm(TemperatureSensor sensor)
{
    m_recorder.countAlarm(AlarmKind::Temperature);
    m_checks.displayTemperatureAlarm(sensor);
}

void CountingAlarmChecks::displayVoltageAlarm(const std::string& name, double value)
{
    m_recorder.countAlarm(AlarmKind::Voltage);
    m_checks.displayVoltageAlarm(name, value);
}

void CountingAlarmChecks::displayFanAlarm(Fan fan, int offMark, double value)
{
    m_recorder.countAlarm(AlarmKind::Fan);
    m_checks.displayFanAlarm(fan, offMark, value);
}

} // namespace cdx
