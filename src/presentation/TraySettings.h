#pragma once

#include <array>
#include <string>

#include "settings/Settings.h"

namespace cdx {

// The tray settings of one temperature, reached by its sensor.
class TraySettings {
public:
    static constexpr std::array<TemperatureSensor, 4> Sensors{TemperatureSensor::WB1, TemperatureSensor::LM75,
                                                              TemperatureSensor::WB2, TemperatureSensor::WB3};

    // Its "Show ... Temp" box: the temperature has its own icon.
    static bool& showBox(Settings& settings, TemperatureSensor sensor);
    static bool showBox(const Settings& settings, TemperatureSensor sensor);
    // Its swap box: the temperature takes part in the swap cycle.
    static bool& swapBox(Settings& settings, TemperatureSensor sensor);
    static bool swapBox(const Settings& settings, TemperatureSensor sensor);
    // Its box on the Tooltip page.
    static bool tooltipBox(const Settings& settings, TemperatureSensor sensor);
    // The user's name for it.
    static const std::string& name(const Settings& settings, TemperatureSensor sensor);
    // Its sensor switch on the General page.
    static bool sensorEnabled(const Settings& settings, TemperatureSensor sensor);

    static bool anyShowBox(const Settings& settings);
    static bool anySwapBox(const Settings& settings);
};

} // namespace cdx
