#pragma once

#include <cstdint>
#include <vector>

#include "sensors/ChipReadings.h"
#include "sensors/HwmonChip.h"

namespace cdx {

// Turns the chips libsensors reports into the sensor driver's readings, each
// from an input identified by what it measures, never by its position alone.
// Chips are taken in a fixed order (ISA, then I2C, then the others; then name,
// bus number and address) so that the kernel's numbering does not matter.
//
// - Rails by the input's label (the chip's own or sensors.conf's; see
//   RailLabel), else by a short table of chips whose datasheet fixes an input
//   (the NCT677x and W83627EHF families' in0 Vcore and in3 +3.3 V, the IT87
//   family's in0 Vcore and the older IT87 chips' in2 +3.3 V).
// - The CPU temperature from the processor's own sensor (coretemp
//   "Package id 0", k10temp "Tdie"/"Tctl", zenpower, k8temp, cpu_thermal),
//   which is already true, else an lm75 chip, to which the CPU offset applies.
// - WB1 from a board temperature labelled as such (SYSTIN, "M/B Temp"), else
//   an ACPI thermal zone; WB2 and WB3 from the next labelled board
//   temperatures, then further thermal zones. A temperature outside -40 to
//   125 °C is an unconnected input.
// - Fans 1 to 3 from fan1 to fan3 of the first board chip with fans.
// Drives, graphics cards, batteries and network adapters are never taken for
// the board. Everything else is not available, with the reason in `sources`.
class ChipMapping {
public:
    static ChipReadings map(std::vector<HwmonChip> chips);

    // The count that gives `rpm` back through (675000 div divisor) div count as
    // closely as integers allow; 255 ("no reading") for a fan at 0 RPM or
    // below. Pass divisor 1 for fan 3.
    static std::int32_t fanCount(double rpm, std::int32_t divisor);
};

} // namespace cdx
