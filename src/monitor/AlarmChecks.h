#pragma once

#include <string>

namespace cdx {

// The alarm checks the poll calls while polling is active, with the fan delay
// counters they keep.
class AlarmChecks {
public:
    virtual ~AlarmChecks() = default;

    // sensor: 1 WB1, 2 LM75, 3 WB2, 4 WB3. The caller found the alarm due.
    virtual void displayTemperatureAlarm(int sensor) = 0;
    // name: the voltage's display caption; value in volts.
    virtual void displayVoltageAlarm(const std::string& name, double value) = 0;
    // fan: 1 to 3; offMark in whole percent; value in RPM.
    virtual void displayFanAlarm(int fan, int offMark, double value) = 0;

    // fanAlarmPending of all three fans cleared, at the start of the fan checks.
    virtual void clearFanAlarmPending() = 0;
    // fanAlarmCount of one fan (1 to 3) set, for a fan that is not available.
    virtual void setFanAlarmCount(int fan, int count) = 0;
    // After the fan checks: fanAlarmCount back to 0 for every fan not pending.
    virtual void resetFanAlarmCounts() = 0;
};

} // namespace cdx
