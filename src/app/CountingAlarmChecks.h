#pragma once

#include "monitor/AlarmChecks.h"

namespace cdx {

class MetricsRecorder;

// Passes the poll's alarm checks on and counts each alarm raised by kind.
class CountingAlarmChecks : public AlarmChecks {
public:
    CountingAlarmChecks(AlarmChecks& checks, MetricsRecorder& recorder) : m_checks(checks), m_recorder(recorder) {}

    void displayTemperatureAlarm(TemperatureSensor sensor) override;
    void displayVoltageAlarm(const std::string& name, double value) override;
    void displayFanAlarm(Fan fan, int offMark, double value) override;
    void clearFanAlarmPending() override { m_checks.clearFanAlarmPending(); }
    void setFanAlarmCount(Fan fan, int count) override { m_checks.setFanAlarmCount(fan, count); }
    void resetFanAlarmCounts() override { m_checks.resetFanAlarmCounts(); }

private:
    AlarmChecks& m_checks;
    MetricsRecorder& m_recorder;
};

} // namespace cdx
