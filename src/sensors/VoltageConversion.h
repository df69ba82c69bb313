#pragma once

#include <string>
#include <string_view>

#include "sensors/SensorSet.h"
#include "sensors/VoltageBand.h"

namespace cdx {

struct Readings;

// The nominal voltages the user sets ("CoreVoltage", "3.3 Custom Value").
struct VoltageNominals {
    double coreVoltage = 2.8;
    double custom33 = 3.3;
};

// The margin of a band in volts: base / 100 x "Voltage Off".
double toleranceVolts(double base, double voltageOff); // CalculatePerc

// A rail's band: Core and +3.3 around the user's nominal values, the fixed
// rails around +-5 and +-12 with margins of 5 and 12 per cent of "Voltage Off".
VoltageBand voltageBand(VoltageRail rail, const VoltageNominals& nominals, double voltageOff);

// The band a poll's reading of `rail` is checked against: the chip's own
// limits for the core where the poll found them, else voltageBand().
VoltageBand voltageBandOf(VoltageRail rail, const Readings& readings, const VoltageNominals& nominals,
                          double voltageOff);

// The value label: ": " and the value with two decimals (": 3.30").
std::string voltageText(double volts, std::string_view decimalSeparator = ".");

} // namespace cdx
