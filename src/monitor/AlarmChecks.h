#pragma once

#include <string>

#include "sensors/SensorSet.h"

namespace cdx {

// The alarm checks the poll calls while polling is active, with the fan delay
// counters they keep.
class AlarmChecks {
public:
    virtual ~AlarmChecks() = default;

    // The caller found the alarm due.
    virtual void displayTemperatureAlarm(TemperatureSensor sensor) = 0;
    // name: the voltage's display caption; value in volts.
    virtual void displayVoltageAlarm(const std::string& name, double value) = 0;
    // offMark in whole percent; value in RPM.
    virtual void displayFanAlarm(Fan fan, int offMark, double value) = 0;

    // fanAlarmPending of all three fans cleared, at the start of the fan checks.
    virtual void clearFanAlarmPending() = 0;
    // fanAlarmCount of one fan set, for a fan that is not available.
    virtual void setFanAlarmCount(Fan fan, int count) = 0;
    // After the fan checks: fanAlarmCount back to 0 for every fan not pending.
    virtual void resetFanAlarmCounts() = 0;
};

} // namespace cdx
