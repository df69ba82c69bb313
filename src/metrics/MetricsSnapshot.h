#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sensors/Alarm.h"

namespace cdx {

// The lowest, highest and average of one reading since the statistics were
// last reset; absent until the reading has a value.
struct MetricsStatistic {
    std::optional<double> lowest;
    std::optional<double> highest;
    std::optional<double> average;
};

// One temperature sensor switched on. `id` is the stable identity ("wb1",
// "lm75", "wb2", "wb3"); `name` is what the user called it.
struct TemperatureMetric {
    std::string id;
    std::string name;
    std::optional<double> celsius; // absent while the sensor has no reading
    double alarmCelsius = 0.0;
    bool alarmEnabled = false;
    MetricsStatistic statistic; // in Celsius
};

// One voltage rail: "core", "+3.3", "+5", "-5", "+12" or "-12".
struct VoltageMetric {
    std::string rail;
    std::optional<double> volts; // absent until the chip has been read
    bool inBand = true;
    MetricsStatistic statistic;
    bool alarmEnabled = false; // the rail is watched and the voltage alarm is on
};

// One fan: `id` is its number ("1".."3").
struct FanMetric {
    std::string id;
    std::string name;
    std::optional<double> rpm; // absent while the fan reads "not available"
    double expectedRpm = 0.0;
    double tolerancePercent = 0.0;
    bool alarmEnabled = false;
    MetricsStatistic statistic;
};

// Everything the exported metrics show, as the window shows it after a poll.
// Temperatures are always Celsius, whatever unit the window shows.
struct MetricsSnapshot {
    std::vector<TemperatureMetric> temperatures; // enabled sensors only
    std::vector<VoltageMetric> voltages;
    std::vector<FanMetric> fans;
    double voltageTolerancePercent = 0.0;
    std::uint64_t polls = 0;                                // since start-up, never falls
    std::array<std::uint64_t, kAlarmKindCount> alarms = {}; // since start-up, never fall
    bool suspended = false;
    std::string version;
};

} // namespace cdx
