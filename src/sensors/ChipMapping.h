#pragma once

#include <cstdint>
#include <vector>

#include "sensors/ChipReadings.h"
#include "sensors/HwmonChip.h"

namespace cdx {

// Turns the chips libsensors reports into the sensor driver's readings.
//
// The monitoring chip is the first chip with voltage or fan inputs, chips
// ordered by bus (ISA, then I2C, then the others), name, bus number and
// address. Its rails are matched by label ("Vcore", "+3.3V", "+5V", "+12V",
// "-12V", "-5V" and their usual spellings), else taken by input order (in0
// core, in1 second core, in2 +3.3 ... in6 -5). Its first temperature, or the
// one labelled for the motherboard, is WB1; the next two are WB2 and WB3. The
// CPU temperature comes from an lm75 chip, else the processor's package
// temperature (coretemp, k10temp), else reads "no sensor". Fan counts are
// chosen so that the speed formulas give the reported RPM back.
class ChipMapping {
public:
    static ChipReadings map(std::vector<HwmonChip> chips);

    // The count that gives `rpm` back through (675000 div divisor) div count as
    // closely as integers allow; 255 ("no reading") for a fan at 0 RPM or
    // below. Pass divisor 1 for fan 3.
    static std::int32_t fanCount(double rpm, std::int32_t divisor);
};

} // namespace cdx
