#pragma once

#include <string>
#include <string_view>

#include "sensors/SensorSet.h"

namespace cdx {

// Captions that carry the user's name of a temperature sensor or fan.

// The sensor's switch on the General page: "Check WB Senor 1/LM78 (name)",
// "Check LM75 (name)", "Check WB Sensor 2 (name)", "Check WB Sensor 3 (name)".
std::string sensorSwitchCaption(TemperatureSensor sensor, std::string_view name);

// name + " Maximum Scale", name + " Alarm Settings", name + " Compensation".
std::string scaleGroupCaption(std::string_view name);
std::string alarmGroupCaption(std::string_view name);
std::string compensationGroupCaption(std::string_view name);

} // namespace cdx
