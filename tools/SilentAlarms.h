#pragma once

#include <string>

#include "monitor/AlarmChecks.h"

namespace cdx {

// Alarm checks that do nothing: the pictures show a machine in good health,
// and no dialog may interrupt them.
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
