#pragma once

#include <array>
#include <string>

#include "settings/Settings.h"

namespace cdx {

// The tray settings of one temperature, reached by its TraySensor index.
class TraySettings {
public:
    static constexpr std::array<TraySensor, 4> Sensors{TrayWb1, TrayLm75, TrayWb2, TrayWb3};

    // Its "Show ... Temp" box: the temperature has its own icon.
    static bool& showBox(Settings& settings, TraySensor sensor);
    static bool showBox(const Settings& settings, TraySensor sensor);
    // Its swap box: the temperature takes part in the swap cycle.
    static bool& swapBox(Settings& settings, TraySensor sensor);
    static bool swapBox(const Settings& settings, TraySensor sensor);
    // Its box on the Tooltip page.
    static bool tooltipBox(const Settings& settings, TraySensor sensor);
    // The user's name for it.
    static const std::string& name(const Settings& settings, TraySensor sensor);
    // Its sensor switch on the General page.
    static bool sensorEnabled(const Settings& settings, TraySensor sensor);

    static bool anyShowBox(const Settings& settings);
    static bool anySwapBox(const Settings& settings);
};

} // namespace cdx
