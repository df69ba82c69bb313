#include "alarms/AlarmEvaluator.h"

#include <cstddef>
#include <limits>
#include <utility>

#include "alarms/AlarmActions.h"
#include "alarms/AlarmListener.h"
#include "alarms/AlarmSettings.h"
#include "alarms/AlarmTexts.h"
#include "sensors/FanSpeed.h"
#include "sensors/Readings.h"
#include "sensors/VoltageBand.h"
#include "sensors/VoltageConversion.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

std::size_t fanIndex(Fan fan)
{
    return static_cast<std::size_t>(fan);
}

} // namespace

void AlarmEvaluator::evaluate(const Readings& readings)
{
    // Each check reads the settings anew: an alarm's actions may change them.
    if (pollingActive()) {
        for (TemperatureSensor sensor :
             {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
            const auto& t = std::as_const(m_settings).temperature(sensor);
            const auto& celsius = readings.temperature(sensor);
            if (celsius && t.alarmTemperature <= *celsius && t.alarmEnabled && t.sensorEnabled) {
                due(alarmOf(sensor), *celsius);
                displayTemperatureAlarm(sensor);
            }
        }
    }
    for (VoltageRail rail : {VoltageRail::Core, VoltageRail::Pos33, VoltageRail::Pos5, VoltageRail::Pos12,
                             VoltageRail::Neg12, VoltageRail::Neg5}) {
        const auto& volts = readings.voltage(rail);
        if (!volts) {
            continue;
        }
        const Settings& s = m_settings;
        const VoltageNominals nominals{s.coreVoltageNominal, s.plus33VoltageNominal};
        if (!voltageBandOf(rail, readings, nominals, s.voltageTolerance).contains(*volts) && s.watched(rail) &&
            pollingActive()) {
            due(Alarm::Voltage, *volts);
            displayVoltageAlarm(m_texts.voltageName(rail), *volts);
        }
    }
    evaluateFans(readings);
}

void AlarmEvaluator::evaluateFans(const Readings& readings)
{
    clearFanAlarmPending();
    for (Fan fan : {Fan::Fan1, Fan::Fan2, Fan::Fan3}) {
        const FanSettings& f = std::as_const(m_settings).fan(fan);
        if (readings.fanStopped(fan)) {
            // A stopped fan fires at once, then its alarm stays off.
            if (f.alarmEnabled && pollingActive()) {
                due(alarmOf(fan), 0.0);
                setFanAlarmCount(fan, m_settings.fanAlarmIgnoreCount);
                displayFanAlarm(fan, f.tolerancePercent, 0.0);
            }
        } else if (const auto& rpm = readings.fan(fan);
                   rpm && pollingActive() && fanSpeedOutOfBand(*rpm, f.nominalRpm, f.tolerancePercent)) {
            due(alarmOf(fan), *rpm);
            displayFanAlarm(fan, f.tolerancePercent, *rpm);
        }
    }
    resetFanAlarmCounts();
}

void AlarmEvaluator::due(Alarm alarm, double value)
{
    for (AlarmListener* listener : m_listeners) {
        listener->alarmDue(alarm, value);
    }
}

void AlarmEvaluator::displayTemperatureAlarm(TemperatureSensor sensor)
{
    const Alarm alarm = alarmOf(sensor);
    alarmEnableSwitch(m_settings, alarm) = false;
    m_actions.run(alarm, m_texts.temperature(sensor));
}

void AlarmEvaluator::displayVoltageAlarm(const std::string& name, double value)
{
    if (!m_settings.voltageAlarmEnabled) {
        return;
    }
    m_settings.voltageAlarmEnabled = false;
    m_actions.run(Alarm::Voltage, m_texts.voltage(name, value));
}

void AlarmEvaluator::displayFanAlarm(Fan fan, int offMark, double value)
{
    const Alarm alarm = alarmOf(fan);
    bool& enabled = alarmEnableSwitch(m_settings, alarm);
    if (!enabled) {
        return;
    }
    int& count = m_fanAlarmCount[fanIndex(fan)];
    // The delay comes from the settings and may be any number: the count
    // stops at the largest one instead of running over.
    if (count < std::numeric_limits<int>::max()) {
        ++count;
    }
    if (count < m_settings.fanAlarmIgnoreCount) {
        m_fanAlarmPending[fanIndex(fan)] = true;
        return;
    }
    enabled = false;
    m_actions.run(alarm, m_texts.fan(fan, offMark, value));
}

void AlarmEvaluator::clearFanAlarmPending()
{
    m_fanAlarmPending = {};
}

void AlarmEvaluator::setFanAlarmCount(Fan fan, int count)
{
    m_fanAlarmCount[fanIndex(fan)] = count;
}

void AlarmEvaluator::resetFanAlarmCounts()
{
    for (std::size_t i = 0; i < m_fanAlarmCount.size(); ++i) {
        if (!m_fanAlarmPending[i]) {
            m_fanAlarmCount[i] = 0;
        }
    }
}

int AlarmEvaluator::fanAlarmCount(Fan fan) const
{
    return m_fanAlarmCount[fanIndex(fan)];
}

bool AlarmEvaluator::fanAlarmPending(Fan fan) const
{
    return m_fanAlarmPending[fanIndex(fan)];
}

} // namespace cdx
