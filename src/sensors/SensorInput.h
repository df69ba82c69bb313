#pragma once

#include <string>
#include <vector>

#include "sensors/DriverReading.h"

#include "sensors/HwmonChip.h"

namespace cdx {

// One input the sensor driver reports, as the user picks it for a slot: its
// name "<chip>/<feature>" ("nvme-pci-0100/temp1"), what it measures, its label
// and its value now (degrees Celsius, volts or RPM).
struct SensorInput {
    std::string source;
    HwmonInput::Kind kind = HwmonInput::Kind::Temperature;
    std::string label;
    double value = 0.0;
    std::vector<DriverReading> feeds; // the readings it serves now
};

} // namespace cdx
