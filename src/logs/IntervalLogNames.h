#pragma once

#include <array>
#include <string>

#include "settings/Settings.h"

namespace cdx {

// The names the interval log's headers carry, as they are set now.
struct IntervalLogNames {
    // The gauges WB1, LM75, WB2, WB3.
    std::array<std::string, 4> sensors;
    std::array<std::string, 3> fans;
    // The nominal +3.3 voltage in volts.
    double custom33 = 0.0;

    static IntervalLogNames of(const Settings& settings)
    {
        return IntervalLogNames{
            {settings.temperature(TemperatureSensor::WB1).name, settings.temperature(TemperatureSensor::LM75).name,
             settings.temperature(TemperatureSensor::WB2).name, settings.temperature(TemperatureSensor::WB3).name},
            {settings.fan(Fan::Fan1).name, settings.fan(Fan::Fan2).name, settings.fan(Fan::Fan3).name},
            settings.plus33VoltageNominal};
    }
};

} // namespace cdx
