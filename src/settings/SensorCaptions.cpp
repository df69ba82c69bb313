#include "settings/SensorCaptions.h"

namespace cdx {

std::string sensorSwitchCaption(TemperatureSensor sensor, std::string_view name)
{
    std::string caption;
    switch (sensor) {
    case TemperatureSensor::WB1:
        caption = "Check WB Senor 1/LM78 (";
        break;
    case TemperatureSensor::LM75:
        caption = "Check LM75 (";
        break;
    case TemperatureSensor::WB2:
        caption = "Check WB Sensor 2 (";
        break;
    case TemperatureSensor::WB3:
        caption = "Check WB Sensor 3 (";
        break;
    }
    caption.append(name);
    caption.push_back(')');
    return caption;
}

std::string scaleGroupCaption(std::string_view name)
{
    return std::string(name) + " Maximum Scale";
}

std::string alarmGroupCaption(std::string_view name)
{
    return std::string(name) + " Alarm Settings";
}

std::string compensationGroupCaption(std::string_view name)
{
    return std::string(name) + " Compensation";
}

} // namespace cdx
