#include "alarms/AlarmEvaluator.h"

#include <cstddef>
#include <limits>

#include "alarms/AlarmActions.h"
#include "alarms/AlarmSettings.h"
#include "alarms/AlarmSource.h"
#include "alarms/AlarmTexts.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

std::size_t fanIndex(Fan fan)
{
    return static_cast<std::size_t>(fan);
}

} // namespace

void AlarmEvaluator::displayTemperatureAlarm(TemperatureSensor sensor)
{
    static constexpr int kSources[] = {AlarmWB1, AlarmLM75, AlarmWB2, AlarmWB3};
    const int source = kSources[static_cast<std::size_t>(sensor)];
    *alarmEnableSwitch(m_settings, source) = false;
    m_actions.run(AlarmKind::Temperature, source, m_texts.temperature(sensor));
}

void AlarmEvaluator::displayVoltageAlarm(const std::string& name, double value)
{
    if (!m_settings.voltageAlarmEnabled) {
        return;
    }
    m_settings.voltageAlarmEnabled = false;
    m_actions.run(AlarmKind::Voltage, AlarmVoltage, m_texts.voltage(name, value));
}

void AlarmEvaluator::displayFanAlarm(Fan fan, int offMark, double value)
{
    const int source = AlarmFan1 + static_cast<int>(fan);
    bool& enabled = *alarmEnableSwitch(m_settings, source);
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
    m_actions.run(AlarmKind::Fan, source, m_texts.fan(fan, offMark, value));
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
