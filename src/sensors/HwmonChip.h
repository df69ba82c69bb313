#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cdx {

// One input of a monitoring chip as libsensors reports it: its kind, number
// (the N of tempN/inN/fanN), label (from sensors.conf, else the default "in0")
// and current value after the compute rules.
struct HwmonInput {
    enum class Kind { Temperature, Voltage, Fan };
    Kind kind = Kind::Temperature;
    int number = 0;
    std::string label;
    double value = 0.0;
    std::optional<double> divisor; // fans whose chip has a divisor
    // Voltages: the chip's alarm limits (inN_min, inN_max), where it reports them.
    std::optional<double> minimum;
    std::optional<double> maximum;
};

// Bus types in libsensors' numbering.
enum class HwmonBus { I2C = 0, ISA = 1, PCI = 2, SPI = 3, Virtual = 4, ACPI = 5, HID = 6, MDIO = 7, SCSI = 8 };

// A monitoring chip: its name ("w83781d", "coretemp"), bus and address, and
// the full name `sensors` shows for it ("nct6775-isa-0290").
struct HwmonChip {
    std::string name;
    int busType = static_cast<int>(HwmonBus::ISA);
    int busNumber = 0;
    int address = 0;
    std::vector<HwmonInput> inputs;
    std::string id;
};

} // namespace cdx
