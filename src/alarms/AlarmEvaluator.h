#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "sensors/Alarm.h"
#include "sensors/ReadingsListener.h"
#include "sensors/SensorSet.h"

namespace cdx {

class AlarmActions;
class AlarmListener;
class AlarmTexts;
struct Settings;

// The one place that decides the alarms, from each poll's readings and the
// marks as they are set now. Due are: a temperature at or above its mark, a
// watched rail out of its voltage band, a fan out of its speed band or
// stopped; nothing while polling is not active. Whether a due alarm fires is
// decided here too: every alarm switches itself off before its actions run,
// the six voltages share one switch, and a fan fires only on the "Ignore Fan
// Alarm"-th consecutive poll out of its band (a stopped fan at once).
class AlarmEvaluator : public ReadingsListener {
public:
    // pollingActive: whether Timer1 runs; without it polling counts as active.
    AlarmEvaluator(Settings& settings, const AlarmTexts& texts, AlarmActions& actions,
                   std::function<bool()> pollingActive = {})
        : m_settings(settings), m_texts(texts), m_actions(actions), m_pollingActive(std::move(pollingActive))
    {
    }

    // Told of every alarm found due, in the order added.
    void addAlarmListener(AlarmListener& listener) { m_listeners.push_back(&listener); }

    void readingsTaken(const Readings& readings) override { evaluate(readings); }
    // Checks the temperatures (WB1, LM75, WB2, WB3), the rails, then the fans.
    void evaluate(const Readings& readings);

    // The single steps, each on an alarm found due.
    void displayTemperatureAlarm(TemperatureSensor sensor);
    // name: the rail's display caption; value in volts.
    void displayVoltageAlarm(const std::string& name, double value);
    // offMark in whole percent; value in RPM.
    void displayFanAlarm(Fan fan, int offMark, double value);

    // The fan delay: pending flags cleared before the fan checks, a stopped
    // fan's count set to the delay, and after the checks every count not
    // pending back to 0.
    void clearFanAlarmPending();
    void setFanAlarmCount(Fan fan, int count);
    void resetFanAlarmCounts();

    int fanAlarmCount(Fan fan) const;
    bool fanAlarmPending(Fan fan) const;

private:
    bool pollingActive() const { return !m_pollingActive || m_pollingActive(); }
    void due(Alarm alarm, double value);
    void evaluateFans(const Readings& readings);

    Settings& m_settings;
    const AlarmTexts& m_texts;
    AlarmActions& m_actions;
    std::function<bool()> m_pollingActive;
    std::vector<AlarmListener*> m_listeners;
    std::array<int, 3> m_fanAlarmCount{};
    std::array<bool, 3> m_fanAlarmPending{};
};

} // namespace cdx
