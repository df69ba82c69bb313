#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sensors/DriverReading.h"

namespace cdx {

// Which supply rail a voltage input's label names, however the board spells
// it ("+12V", "ATX +12V", "+12.0V", "12V", "ATX +5 V Voltage", "VCore",
// "CPU Core Voltage", "+3.30V", "3VCC", "-12V", "N12V", "VCore 2").
//
// Standby, auxiliary and other secondary supplies ("5VSB", "3VSB",
// "+3.3V-Aux", "Standby Voltage (+5V)", "AVCC", "Vbat", "CPU Vcore SOC",
// "NB Core Voltage", "DIMM", "VTT") name none of the main rails, nor does a
// label that only numbers the input ("in4", "VIN3", "AIN2").
class RailLabel {
public:
    // Core0, Core1, Pos33, Pos5, Pos12, Neg12 or Neg5; empty when the label
    // names none of them.
    static std::optional<DriverReading> identify(std::string_view label);

    // Whether the label names a standby or secondary supply.
    static bool isSecondary(std::string_view label);

    // A label as it is compared: lower case without blanks or underscores
    // ("ATX +5 V" -> "atx+5v").
    static std::string normalized(std::string_view label);
};

} // namespace cdx
