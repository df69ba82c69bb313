#include "alarms/AlarmSettings.h"

#include <type_traits>

namespace cdx {
namespace {

// The settings group of an alarm: a sensor's, a fan's or the voltages'.
template <typename Actions, typename Flag> struct Group {
    Actions& actions;
    Flag& enabled;
};

template <typename Record> auto alarmGroup(Record& s, Alarm alarm)
{
    using AlarmGroup = Group<std::remove_reference_t<decltype((s.voltageActions))>,
                             std::remove_reference_t<decltype((s.voltageAlarmEnabled))>>;
    auto temperature = [&](TemperatureSensor sensor) {
        return AlarmGroup{s.temperature(sensor).actions, s.temperature(sensor).alarmEnabled};
    };
    auto fan = [&](Fan which) { return AlarmGroup{s.fan(which).actions, s.fan(which).alarmEnabled}; };
    switch (alarm) {
    case Alarm::WB1:
        return temperature(TemperatureSensor::WB1);
    case Alarm::LM75:
        return temperature(TemperatureSensor::LM75);
    case Alarm::WB2:
        return temperature(TemperatureSensor::WB2);
    case Alarm::WB3:
        return temperature(TemperatureSensor::WB3);
    case Alarm::Voltage:
        break;
    case Alarm::Fan1:
        return fan(Fan::Fan1);
    case Alarm::Fan2:
        return fan(Fan::Fan2);
    case Alarm::Fan3:
        return fan(Fan::Fan3);
    }
    return AlarmGroup{s.voltageActions, s.voltageAlarmEnabled};
}

} // namespace

AlarmActionSettings alarmActionSettings(const Settings& settings, Alarm alarm)
{
    return alarmGroup(settings, alarm).actions;
}

bool& alarmEnableSwitch(Settings& settings, Alarm alarm)
{
    return alarmGroup(settings, alarm).enabled;
}

bool pcSpeakerBoxEnabled(const Settings& settings, Alarm alarm)
{
    return alarmActionSettings(settings, alarm).showMessage;
}

} // namespace cdx
