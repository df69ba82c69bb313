#pragma once

#include <cstddef>

#include "sensors/SensorSet.h"

namespace cdx {

// One alarm, named by the readings it watches: a temperature, the six voltages
// (which share one alarm), or a fan. Each keeps the number it had as
// AlarmSource; the Warning dialog remembers the alarm it shows, so that "OK &
// Enable Alarm" switches that one back on.
enum class Alarm : int {
    WB1 = 1,
    LM75 = 2,
    Voltage = 3,
    Fan1 = 4,
    Fan2 = 5,
    Fan3 = 6,
    WB2 = 7,
    WB3 = 8,
};

// The three kinds of alarm differ in a few of their action steps and are
// counted apart.
enum class AlarmKind { Temperature, Voltage, Fan };

inline constexpr std::size_t kAlarmKindCount = 3;

constexpr AlarmKind kindOf(Alarm alarm)
{
    switch (alarm) {
    case Alarm::Voltage:
        return AlarmKind::Voltage;
    case Alarm::Fan1:
    case Alarm::Fan2:
    case Alarm::Fan3:
        return AlarmKind::Fan;
    case Alarm::WB1:
    case Alarm::LM75:
    case Alarm::WB2:
    case Alarm::WB3:
        break;
    }
    return AlarmKind::Temperature;
}

constexpr Alarm alarmOf(TemperatureSensor sensor)
{
    switch (sensor) {
    case TemperatureSensor::LM75:
        return Alarm::LM75;
    case TemperatureSensor::WB2:
        return Alarm::WB2;
    case TemperatureSensor::WB3:
        return Alarm::WB3;
    case TemperatureSensor::WB1:
        break;
    }
    return Alarm::WB1;
}

constexpr Alarm alarmOf(Fan fan)
{
    switch (fan) {
    case Fan::Fan2:
        return Alarm::Fan2;
    case Fan::Fan3:
        return Alarm::Fan3;
    case Fan::Fan1:
        break;
    }
    return Alarm::Fan1;
}

} // namespace cdx
