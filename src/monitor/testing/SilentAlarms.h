#pragma once

#include <string>

#include "monitor/AlarmChecks.h"

namespace cdx {

// Alarm checks that do nothing, for runs of the poll where no alarm may
// interrupt (pictures, benchmarks).
class SilentAlarms : public AlarmChecks {
public:
    void displayTemperatureAlarm(TemperatureSensor) override {}
    void displayVoltageAlarm(const std::string&, double) override {}
    void displayFanAlarm(Fan, int, double) override {}
    void clearFanAlarmPending() override {}
    void setFanAlarmCount(Fan, int) override {}
    void resetFanAlarmCounts() override {}
};

} // namespace cdx
