#pragma once

#include <string>
#include <type_traits>

#include "sensors/SensorSet.h"
#include "settings/Settings.h"

namespace cdx {

// The settings of one temperature sensor or fan, reached by the sensor instead
// of by member name. `Record` is Settings or const Settings; the references
// stay valid as long as the record does.
template <typename Record> struct TemperatureSettingsOf {
    template <typename T> using Field = std::conditional_t<std::is_const_v<Record>, const T, T>&;

    Field<std::string> name;     // "VUM 1 Name" .. "VUM 4 Name"
    Field<float> scale;          // the gauge's full scale
    Field<int> alarmTemperature; // whole degrees Celsius
    Field<bool> alarmEnabled;    // "Enable Alarm"
    Field<bool> sensorEnabled;   // the sensor switch on the General page
};

template <typename Record> struct FanSettingsOf {
    template <typename T> using Field = std::conditional_t<std::is_const_v<Record>, const T, T>&;

    Field<std::string> name;     // "Fan 1 Name" .. "Fan 3 Name"
    Field<bool> type2;           // "Type 2": two pulses a turn
    Field<bool> alarmEnabled;    // "Fan1 Check" .. "Fan3 Check"
    Field<double> nominalRpm;    // "Fan1 Users RPM" ..
    Field<int> tolerancePercent; // "Fan1 Off Mark" ..
};

template <typename Record> TemperatureSettingsOf<Record> temperatureSettings(Record& s, TemperatureSensor sensor)
{
    switch (sensor) {
    case TemperatureSensor::LM75:
        return {s.cpuGaugeName, s.cpuTemperatureScale, s.cpuAlarmTemperature, s.cpuAlarmEnabled, s.checkLm75};
    case TemperatureSensor::WB2:
        return {s.wb2GaugeName, s.wb2TemperatureScale, s.wb2AlarmTemperature, s.wb2AlarmEnabled, s.checkWb2};
    case TemperatureSensor::WB3:
        return {s.wb3GaugeName, s.wb3TemperatureScale, s.wb3AlarmTemperature, s.wb3AlarmEnabled, s.checkWb3};
    case TemperatureSensor::WB1:
        break;
    }
    return {s.mbGaugeName, s.mbTemperatureScale, s.mbAlarmTemperature, s.mbAlarmEnabled, s.checkWb1};
}

template <typename Record> FanSettingsOf<Record> fanSettings(Record& s, Fan fan)
{
    switch (fan) {
    case Fan::Fan2:
        return {s.fan2Name, s.fan2Type2, s.fan2AlarmEnabled, s.fan2NominalRpm, s.fan2TolerancePercent};
    case Fan::Fan3:
        return {s.fan3Name, s.fan3Type2, s.fan3AlarmEnabled, s.fan3NominalRpm, s.fan3TolerancePercent};
    case Fan::Fan1:
        break;
    }
    return {s.fan1Name, s.fan1Type2, s.fan1AlarmEnabled, s.fan1NominalRpm, s.fan1TolerancePercent};
}

// The display box of a voltage in the "Voltage Monitor" group ("VCore",
// "V33", "V5", "V12", "Vm12", "Vm5Core"): the rail is watched by its alarm.
template <typename Record> auto& railWatched(Record& s, VoltageRail rail)
{
    switch (rail) {
    case VoltageRail::Pos33:
        return s.watchPlus33Voltage;
    case VoltageRail::Pos5:
        return s.watchPlus5Voltage;
    case VoltageRail::Pos12:
        return s.watchPlus12Voltage;
    case VoltageRail::Neg12:
        return s.watchMinus12Voltage;
    case VoltageRail::Neg5:
        return s.watchMinus5Voltage;
    case VoltageRail::Core:
        break;
    }
    return s.watchCoreVoltage;
}

} // namespace cdx
