#pragma once

#include <string>
#include <string_view>

#include "sensors/SensorSet.h"

namespace cdx {

// The caption of a rail's display box, which also names it in alarm texts:
// "Core Voltage", "+3.3 Voltage" (following the custom +3.3 value: "+3.35
// Voltage"), "+5 Voltage", "+12 Voltage", "-12 Voltage", "-5 Voltage".
std::string voltageCaption(VoltageRail rail, double plus33Nominal, std::string_view decimalSeparator = ".");

} // namespace cdx
