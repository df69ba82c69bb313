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

    void displayTemperatureAlarm(int sensor) override;
    void displayVoltageAlarm(const std::string& name, double value) override;
    void displayFanAlarm(int fan, int offMark, double value) override;

    void clearFanAlarmPending() override;
    void setFanAlarmCount(int fan, int count) override;
    void resetFanAlarmCounts() override;

    // fanAlarmCount and fanAlarmPending of fan 1 to 3.
    int fanAlarmCount(int fan) const;
    bool fanAlarmPending(int fan) const;

private:
    static bool validFan(int fan) { return fan >= 1 && fan <= 3; }

    Settings& m_settings;
    const AlarmTexts& m_texts;
    AlarmActions& m_actions;
    std::array<int, 3> m_fanAlarmCount{};
    std::array<bool, 3> m_fanAlarmPending{};
};

} // namespace cdx
