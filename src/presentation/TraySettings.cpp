#include "presentation/TraySettings.h"

namespace cdx {

bool& TraySettings::showBox(Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).trayShow;
}

bool TraySettings::showBox(const Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).trayShow;
}

bool& TraySettings::swapBox(Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).swap;
}

bool TraySettings::swapBox(const Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).swap;
}

bool TraySettings::tooltipBox(const Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).tooltip;
}

const std::string& TraySettings::name(const Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).name;
}

bool TraySettings::sensorEnabled(const Settings& settings, TemperatureSensor sensor)
{
    return settings.temperature(sensor).sensorEnabled;
}

bool TraySettings::anyShowBox(const Settings& settings)
{
    for (const TemperatureSensor sensor : Sensors) {
        if (showBox(settings, sensor)) {
            return true;
        }
    }
    return false;
}

bool TraySettings::anySwapBox(const Settings& settings)
{
    for (const TemperatureSensor sensor : Sensors) {
        if (swapBox(settings, sensor)) {
            return true;
        }
    }
    return false;
}

} // namespace cdx
