#include "monitor/TraySettings.h"

#include "settings/SensorSettings.h"

namespace cdx {

namespace {

// One of four members by sensor, for a const or non-const Settings.
template <typename S, typename T>
auto& pick(S& settings, TraySensor sensor, T Settings::*wb1, T Settings::*lm75, T Settings::*wb2, T Settings::*wb3)
{
    switch (sensor) {
    case TrayWb1:
        return settings.*wb1;
    case TrayLm75:
        return settings.*lm75;
    case TrayWb2:
        return settings.*wb2;
    case TrayWb3:
        break;
    }
    return settings.*wb3;
}

template <typename S> auto& showRef(S& settings, TraySensor sensor)
{
    return pick(settings, sensor, &Settings::trayShowMb, &Settings::trayShowLm75, &Settings::trayShowWb2,
                &Settings::trayShowWb3);
}

template <typename S> auto& swapRef(S& settings, TraySensor sensor)
{
    return pick(settings, sensor, &Settings::swapMb, &Settings::swapLm75, &Settings::swapWb2, &Settings::swapWb3);
}

} // namespace

bool& TraySettings::showBox(Settings& settings, TraySensor sensor)
{
    return showRef(settings, sensor);
}

bool TraySettings::showBox(const Settings& settings, TraySensor sensor)
{
    return showRef(settings, sensor);
}

bool& TraySettings::swapBox(Settings& settings, TraySensor sensor)
{
    return swapRef(settings, sensor);
}

bool TraySettings::swapBox(const Settings& settings, TraySensor sensor)
{
    return swapRef(settings, sensor);
}

bool TraySettings::tooltipBox(const Settings& settings, TraySensor sensor)
{
    return pick(settings, sensor, &Settings::tooltipMb, &Settings::tooltipLm75, &Settings::tooltipWb2,
                &Settings::tooltipWb3);
}

const std::string& TraySettings::name(const Settings& settings, TraySensor sensor)
{
    return temperatureSettings(settings, static_cast<TemperatureSensor>(sensor)).name;
}

bool TraySettings::sensorEnabled(const Settings& settings, TraySensor sensor)
{
    return temperatureSettings(settings, static_cast<TemperatureSensor>(sensor)).sensorEnabled;
}

bool TraySettings::anyShowBox(const Settings& settings)
{
    for (const TraySensor sensor : Sensors) {
        if (showBox(settings, sensor)) {
            return true;
        }
    }
    return false;
}

bool TraySettings::anySwapBox(const Settings& settings)
{
    for (const TraySensor sensor : Sensors) {
        if (swapBox(settings, sensor)) {
            return true;
        }
    }
    return false;
}

} // namespace cdx
