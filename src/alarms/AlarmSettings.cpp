#include "alarms/AlarmSettings.h"

#include <type_traits>

#include "alarms/AlarmSource.h"

namespace cdx {
namespace {

// The settings group of an alarm number: a sensor's, a fan's or the voltages'.
template <typename Actions, typename Flag> struct Group {
    Actions* actions = nullptr;
    Flag* enabled = nullptr;
};

template <typename Record> auto alarmGroup(Record& s, int alarmSource)
{
    using AlarmGroup = Group<std::remove_reference_t<decltype((s.voltageActions))>,
                             std::remove_reference_t<decltype((s.voltageAlarmEnabled))>>;
    auto temperature = [&](TemperatureSensor sensor) {
        return AlarmGroup{&s.temperature(sensor).actions, &s.temperature(sensor).alarmEnabled};
    };
    auto fan = [&](Fan which) { return AlarmGroup{&s.fan(which).actions, &s.fan(which).alarmEnabled}; };
    switch (alarmSource) {
    case AlarmWB1:
        return temperature(TemperatureSensor::WB1);
    case AlarmLM75:
        return temperature(TemperatureSensor::LM75);
    case AlarmWB2:
        return temperature(TemperatureSensor::WB2);
    case AlarmWB3:
        return temperature(TemperatureSensor::WB3);
    case AlarmVoltage:
        return AlarmGroup{&s.voltageActions, &s.voltageAlarmEnabled};
    case AlarmFan1:
        return fan(Fan::Fan1);
    case AlarmFan2:
        return fan(Fan::Fan2);
    case AlarmFan3:
        return fan(Fan::Fan3);
    default:
        return AlarmGroup{};
    }
}

} // namespace

AlarmActionSettings alarmActionSettings(const Settings& settings, int alarmSource)
{
    const auto group = alarmGroup(settings, alarmSource);
    return group.actions != nullptr ? *group.actions : AlarmActionSettings{};
}

bool* alarmEnableSwitch(Settings& settings, int alarmSource)
{
    return alarmGroup(settings, alarmSource).enabled;
}

bool pcSpeakerBoxEnabled(const Settings& settings, int alarmSource)
{
    return alarmActionSettings(settings, alarmSource).showMessage;
}

} // namespace cdx
