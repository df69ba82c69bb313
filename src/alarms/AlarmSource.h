#pragma once

namespace cdx {

// AlarmSource: the number of the alarm whose Warning dialog is up, by which
// "OK & Enable Alarm" knows which alarm to switch on again.
enum AlarmSourceId : int {
    AlarmWB1 = 1,
    AlarmLM75 = 2,
    AlarmVoltage = 3,
    AlarmFan1 = 4,
    AlarmFan2 = 5,
    AlarmFan3 = 6,
    AlarmWB2 = 7,
    AlarmWB3 = 8,
};

// The three kinds of alarm differ in a few of their action steps.
enum class AlarmKind { Temperature, Voltage, Fan };

} // namespace cdx
