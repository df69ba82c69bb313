#pragma once

#include <array>
#include <cstdint>
#include <string>
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
//   A family table names only inputs nobody labelled: a label, whatever it
//   says, wins.
// - The CPU temperature from the processor's own sensor (coretemp
//   "Package id 0", k10temp "Tdie"/"Tctl", zenpower, k8temp, cpu_thermal),
//   which is already true, else an lm75 chip, to which the CPU offset applies,
//   else a board input labelled for the processor ("CPU Temp", "CPUTIN").
// - WB1 from the board temperature by its label (see TemperatureLabel), else
//   an ACPI thermal zone; WB2 and WB3 from the next board inputs (chipset,
//   VRM, auxiliary, "System 2" first, then other labelled ones), then further
//   thermal zones. A temperature outside -40 to 125 °C is an unconnected input.
// - Fans 1 to 3 from fan1 to fan3 of the first board chip with fans.
// Drives, graphics cards, batteries and network adapters are never taken for
// the board. Everything else is not available, with the reason in `sources`.
//
// A reading the user bound to an input (`bindings`, "<chip>/<feature>" as
// `sensors` prints them, for example "nvme-pci-0100/temp1") comes from that
// input of any chip, and from nothing else: when it is gone the reading is not
// available. An empty binding leaves the reading to the rules above.
using ReadingBindings = std::array<std::string, DriverReadingCount>;

class ChipMapping {
public:
    static ChipReadings map(std::vector<HwmonChip> chips, const ReadingBindings& bindings = {});

    // "nct6775-isa-0290/in1": the name a binding gives the input.
    static std::string sourceName(const HwmonChip& chip, const HwmonInput& input);
    // Which kind of input a reading takes.
    static HwmonInput::Kind kindOf(DriverReading reading);

    // The count that gives `rpm` back through (675000 div divisor) div count as
    // closely as integers allow; 255 ("no reading") for a fan at 0 RPM or
    // below. Pass divisor 1 for fan 3.
    static std::int32_t fanCount(double rpm, std::int32_t divisor);
};

} // namespace cdx
