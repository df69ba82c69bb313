#pragma once

#include <string>

#include "monitor/AlarmChecks.h"

namespace cdx {

// Alarm checks that do nothing, for runs of the poll where no alarm may
// interrupt (pictures, benchmarks).
class SilentAlarms : public AlarmChecks {
public:
    void DisplayTempAlarm(int) override {}
    void DisplayVoltageAlarm(const std::string&, double) override {}
    void DisplayFanAlarm(int, int, double) override {}
    void clearFanAlarmPending() override {}
    void setFanAlarmCount(int, int) override {}
    void resetFanAlarmCounts() override {}
};

} // namespace cdx
