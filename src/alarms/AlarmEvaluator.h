#pragma once

#include <array>
#include <string>

#include "monitor/AlarmChecks.h"

namespace cdx {

class AlarmActions;
class AlarmTexts;
struct Settings;

// Decides whether a due alarm fires and with which words. Every alarm switches
// itself off before its actions run; the six voltages share one switch; a fan
// fires only on the "Ignore Fan Alarm"-th consecutive poll out of its band.
class AlarmEvaluator : public AlarmChecks {
public:
    AlarmEvaluator(Settings& settings, const AlarmTexts& texts, AlarmActions& actions)
        : m_settings(settings), m_texts(texts), m_actions(actions)
    {
    }

    void displayTemperatureAlarm(TemperatureSensor sensor) override;
    void displayVoltageAlarm(const std::string& name, double value) override;
    void displayFanAlarm(Fan fan, int offMark, double value) override;

    void clearFanAlarmPending() override;
    void setFanAlarmCount(Fan fan, int count) override;
    void resetFanAlarmCounts() override;

    int fanAlarmCount(Fan fan) const;
    bool fanAlarmPending(Fan fan) const;

private:
    Settings& m_settings;
    const AlarmTexts& m_texts;
    AlarmActions& m_actions;
    std::array<int, 3> m_fanAlarmCount{};
    std::array<bool, 3> m_fanAlarmPending{};
};

} // namespace cdx
