#pragma once

#include "sensors/Alarm.h"

namespace cdx {

// Told each time a poll finds an alarm due, whether or not it then fires (an
// alarm switched off, a fan still within its delay).
class AlarmListener {
public:
    virtual ~AlarmListener() = default;

    // value: the reading that made it due, in °C, V or RPM (0 for a stopped fan).
    virtual void alarmDue(Alarm alarm, double value) = 0;
};

} // namespace cdx
