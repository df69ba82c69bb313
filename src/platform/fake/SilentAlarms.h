#pragma once

#include <string>

#include "monitor/AlarmChecks.h"

namespace cdx {

// Alarm checks that do nothing, for runs of the poll where no alarm may
// interrupt (pictures, benchmarks).
class SilentAlarms : public AlarmChecks {
public:
    void displayTemperatureAlarm(int) override {}
    void displayVoltageAlarm(const std::string&, double) override {}
    void displayFanAlarm(int, int, double) override {}
    void clearFanAlarmPending() override {}
    void setFanAlarmCount(int, int) override {}
    void resetFanAlarmCounts() override {}
};

} // namespace cdx
